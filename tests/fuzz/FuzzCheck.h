#ifndef FUZZCHECK_H
#define FUZZCHECK_H

// What the fuzz targets share: a check of a reader's contract that stops the program (libFuzzer
// then keeps the input as a crash), and silence from Qt's diagnostics, which would otherwise be
// most of each execution's time.

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                    \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "%s:%d: contract broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)

namespace zibfuzz {

/// Drops every debug, warning and information line (critical and fatal ones still abort).
inline void quietQt()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
            std::abort();
        }
    });
}

} // namespace zibfuzz

#endif
