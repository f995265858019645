#ifndef ZIBTEST_WAVREADERS_H
#define ZIBTEST_WAVREADERS_H

#include <QString>

namespace zibtest {

/// Reads a WAV file back with independent readers and compares what they see (QtTest checks, so
/// call it from a test function): soxi (Debian's sox) for one channel, 16 bits, the rate in Hz and
/// the sample count; exiftool (Debian's libimage-exiftool-perl) for the INFO list's artist
/// "ZIB 0.10" and comment, which sox does not read. A missing reader fails the test.
void checkWavWithReaders(const QString &path, int rate, qint64 samples, const QString &comment);

} // namespace zibtest

#endif
