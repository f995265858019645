#ifndef WAVHEADER_H
#define WAVHEADER_H

#include <QtGlobal>

class QIODevice;
class QString;

/// The check the sound-file player makes before it hands a file to QSound, which plays what it
/// can and says nothing of what it cannot: a little-endian RIFF WAVE file whose "fmt " chunk
/// describes integer PCM samples (format tag 1) of 8, 16, 24 or 32 bits, 1 to 8 channels, 1000 to
/// 384000 frames per second, frames of channels × bits / 8 bytes, followed by a "data" chunk
/// holding at least one whole frame.
///
/// The chunks are walked from byte 12, each padded to an even length, skipping those it does not
/// know (LIST, fact, …), at most kMaxChunks of them; sizes are checked against the device's size,
/// never trusted, so a header that lies about them cannot send a reader past the end.
class WavHeader
{
public:
    /// Why a file is not played.
    enum Problem {
        None,        ///< playable
        NotRiffWave, ///< not "RIFF" … "WAVE" in its first 12 bytes
        NoFormat,    ///< no whole "fmt " chunk before "data"
        NotPcm,      ///< a format tag other than 1 (compressed, floating point, extensible)
        BadLayout,   ///< channels, bits, frame size or rate outside what is played
        NoData,      ///< no "data" chunk, or not one whole frame in it
    };

    static constexpr int kMaxChunks = 1024;
    static constexpr int kMaxChannels = 8;
    static constexpr int kMinRate = 1000;   ///< Hz
    static constexpr int kMaxRate = 384000; ///< Hz

    /// Reads the header of a random-access device from its start (the device must be open for
    /// reading); a sequential one gives NotRiffWave. Leaves the device's position anywhere.
    static WavHeader read(QIODevice *device);
    /// The same for the file at path; NotRiffWave when it cannot be opened.
    static WavHeader readFile(const QString &path);

    bool playable() const { return problem == None; }

    Problem problem = NotRiffWave;
    int channels = 0;
    int sampleRate = 0;    ///< frames per second, Hz
    int bitsPerSample = 0;
    qint64 dataOffset = 0; ///< byte of the first sample
    qint64 dataBytes = 0;  ///< bytes of samples the file holds: the "data" size, cut at the file's end
};

#endif
