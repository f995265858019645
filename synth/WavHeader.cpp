#include "synth/WavHeader.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace {

constexpr qint64 kChunkHeader = 8;
constexpr qint64 kPcmFormatBytes = 16;
constexpr int kPcm = 1;

bool readAt(QIODevice *device, qint64 pos, char *into, qint64 bytes)
{
    return device->seek(pos) && device->read(into, bytes) == bytes;
}

quint16 le16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 le32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

} // namespace

WavHeader WavHeader::read(QIODevice *device)
{
    WavHeader h;
    if (!device || !device->isReadable() || device->isSequential())
        return h;
    const qint64 size = device->size();
    char riff[12];
    if (!readAt(device, 0, riff, sizeof riff) || qstrncmp(riff, "RIFF", 4) != 0 ||
        qstrncmp(riff + 8, "WAVE", 4) != 0)
        return h;

    // The RIFF size is not read: writers that stream get it wrong, and the chunks say the rest.
    h.problem = NoFormat;
    int blockAlign = 0;
    qint64 pos = 12;
    for (int k = 0; k < kMaxChunks && pos + kChunkHeader <= size; ++k) {
        char head[kChunkHeader];
        if (!readAt(device, pos, head, kChunkHeader))
            break;
        const qint64 length = le32(head + 4);
        const qint64 body = pos + kChunkHeader;
        if (qstrncmp(head, "fmt ", 4) == 0) {
            char fmt[kPcmFormatBytes];
            if (length < kPcmFormatBytes || !readAt(device, body, fmt, kPcmFormatBytes)) {
                h.problem = NoFormat;
                return h;
            }
            if (le16(fmt) != kPcm) {
                h.problem = NotPcm;
                return h;
            }
            const int channels = le16(fmt + 2);
            const qint64 rate = le32(fmt + 4);
            blockAlign = le16(fmt + 12);
            const int bits = le16(fmt + 14);
            if (channels < 1 || channels > kMaxChannels || (bits != 8 && bits != 16 && bits != 24 && bits != 32) ||
                blockAlign != channels * bits / 8 || rate < kMinRate || rate > kMaxRate) {
                h.problem = BadLayout;
                return h;
            }
            h.channels = channels;
            h.sampleRate = int(rate);
            h.bitsPerSample = bits;
        } else if (qstrncmp(head, "data", 4) == 0) {
            if (h.channels == 0) {
                h.problem = NoFormat;
                return h;
            }
            h.dataOffset = body;
            h.dataBytes = std::min(length, std::max<qint64>(size - body, 0));
            h.problem = h.dataBytes >= blockAlign ? None : NoData;
            return h;
        }
        pos = body + length + (length & 1);
    }
    h.problem = h.channels == 0 ? NoFormat : NoData;
    return h;
}

WavHeader WavHeader::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return WavHeader();
    return read(&file);
}
