#ifndef GENERATOR_H
#define GENERATOR_H

#include <QIODevice>

#include <memory>

class Modmod;

/// Read-only audio source of one tone: 16-bit signed little-endian mono samples, computed once
/// into a loop that the reads hand out again and again.
///
/// The loop holds nbEch = round(⌊freq⌋/freq · duree · freqEch) samples (half away from zero),
/// that is ⌊freq⌋·duree whole periods to the nearest sample, so that repeating it keeps the phase
/// almost continuous: 44100 samples for 440 Hz over 1 s at 44100 Hz, 43994 for 261.63 Hz.
/// A length that is not a positive number, or that would not fit the 32-bit byte counts, gives an
/// empty loop: every read returns 0 bytes.
///
/// An endless stream: sequential, no size.
class Generator : public QIODevice
{
    Q_OBJECT

public:
    /// A periodic tone of shape forme (WaveShape 0 … 4) at freq Hz and amplitude (1.0 full
    /// scale). Any other shape code gives an empty loop.
    Generator(QObject *parent, float freq, int freqEch, float duree, float amplitude, int forme);

    /// A modal tone (shape 5): modele struck at fundamental freq Hz, ringing for duree s, scaled
    /// so that its peak over the first two periods is 30000·amplitude. modele is not owned and
    /// is left prepared for freq (see Modmod). A null modele gives an empty loop; a bank with no
    /// sounding mode gives silence.
    Generator(QObject *parent, float freq, int freqEch, float duree, float amplitude,
              Modmod *modele);

    ~Generator() override;

    /// Opens the device read-only and unbuffered (a buffered device would read 16 KiB ahead).
    void start();
    /// Closes the device.
    void stop();

    bool isSequential() const override { return true; }
    /// Bytes left before the end of the loop.
    qint64 bytesAvailable() const override;

    /// Computes the loop of the current fields into dest, which must hold 2·nbEch bytes.
    /// Returns the bytes written: 2·nbEch, or 0 when nbEch ≤ 0, forme is not 0 … 5, or forme is
    /// 5 without a modele.
    int fillData(char *dest);

    /// Recomputes nbEch from the current freq, refills the loop with the current amplitude (and
    /// modele) and reads again from its start. The buffer is reused when the new loop fits its
    /// room (4·nbEch + 1000 bytes of the first loop); otherwise, which needs a frequency below
    /// 2 Hz at first, a larger one replaces it.
    void updateBuff();

    /// Bytes of the loop the reads hand out: 2·nbEch, or 0 for an empty loop.
    int loopBytes() const { return m_octets; }
    /// Bytes of the buffer (its room, not the loop).
    qint64 capacity() const { return m_capacite; }

    std::unique_ptr<char[]> tampon; ///< the loop in its first 2·nbEch bytes, then spare room
    int pos = 0;                    ///< read position in the loop, bytes
    int freqEch;                    ///< samples per second
    float freq;                     ///< Hz; may be changed before updateBuff
    float duree;                    ///< nominal length of the loop, s
    int forme;                      ///< WaveShape code; 5 for a modal tone
    int nbEch = 0;                  ///< samples in the loop
    Modmod *modele = nullptr;       ///< the bank of a modal tone, not owned
    float amplitude;                ///< 1.0 for full scale

protected:
    /// The next min(maxlen, 16384) bytes of the loop, never past its end: a read that reaches the
    /// end returns only the bytes left, and the next one starts again at byte 0.
    qint64 readData(char *data, qint64 maxlen) override;
    /// Writes nothing.
    qint64 writeData(const char *data, qint64 len) override;

private:
    void build();
    bool reserve(qint64 octets);
    int fillPeriodic(char *dest) const;
    int fillModal(char *dest);

    qint64 m_capacite = 0; ///< bytes allocated in tampon
    int m_octets = 0;      ///< bytes of the loop as last filled; what the reads hand out
};

#endif
