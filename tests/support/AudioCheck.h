#ifndef ZIBTEST_AUDIOCHECK_H
#define ZIBTEST_AUDIOCHECK_H

// Whether the sound server is there, decided at the start of an audio test.
// Where the test script runs the suite (ZIB_AUDIO_REQUIRED=1) a missing server is a failure; on a
// developer's machine without one the test skips.

#include <QString>
#include <QtTest>

namespace zibtest {

enum AudioNeeds { NeedsOutput = 1, NeedsInput = 2, NeedsOutputAndInput = 3 };

/// Empty when the default devices the test needs exist; otherwise why not, in one line.
QString missingAudioDevices(AudioNeeds needs);

/// True when the environment variable ZIB_AUDIO_REQUIRED is "1".
bool audioRequired();

} // namespace zibtest

/// At the start of a test function (or initTestCase): fails the test when the default devices
/// are missing and ZIB_AUDIO_REQUIRED=1, skips it otherwise.
#define ZIB_REQUIRE_AUDIO(needs)                                                                 \
    do {                                                                                         \
        const QString zibMissingAudio = zibtest::missingAudioDevices(needs);                    \
        if (!zibMissingAudio.isEmpty()) {                                                        \
            if (zibtest::audioRequired())                                                        \
                QFAIL(qPrintable(zibMissingAudio + QStringLiteral(" (ZIB_AUDIO_REQUIRED=1)")));   \
            QSKIP(qPrintable(zibMissingAudio));                                                  \
        }                                                                                        \
    } while (false)

#endif
