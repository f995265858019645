// The sound-file player's check of a WAV file, on arbitrary bytes: it must never read outside the
// file, and what it passes on to QSound must be what it promises (a whole PCM frame inside the
// file, a layout it plays).

#include "FuzzCheck.h"

#include "synth/WavHeader.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    zibfuzz::quietQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    FUZZ_CHECK(buffer.open(QIODevice::ReadOnly));
    const WavHeader h = WavHeader::read(&buffer);
    if (!h.playable())
        return 0;
    FUZZ_CHECK(h.channels >= 1 && h.channels <= WavHeader::kMaxChannels);
    FUZZ_CHECK(h.bitsPerSample % 8 == 0 && h.bitsPerSample >= 8 && h.bitsPerSample <= 32);
    FUZZ_CHECK(h.sampleRate >= WavHeader::kMinRate && h.sampleRate <= WavHeader::kMaxRate);
    FUZZ_CHECK(h.dataOffset >= 44 && h.dataBytes >= h.channels * h.bitsPerSample / 8);
    FUZZ_CHECK(h.dataOffset + h.dataBytes <= qint64(size));
    FUZZ_CHECK(bytes.mid(0, 4) == "RIFF" && bytes.mid(8, 4) == "WAVE");
    FUZZ_CHECK(bytes.mid(int(h.dataOffset) - 8, 4) == "data");
    return 0;
}
