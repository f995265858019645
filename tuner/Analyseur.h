#ifndef ANALYSEUR_H
#define ANALYSEUR_H

#include "tuner/Detecteur.h"
#include "tuner/PreciseDetector.h"

#include <QAudioFormat>
#include <QIODevice>

#include <memory>

/// The sink of the microphone stream: a write-only device that a QAudioInput in push mode writes
/// raw PCM chunks into. It decodes the first channel of every frame, keeps the peak level of the
/// chunk, gathers nbPoints samples and, when the buffer is full and the level lies strictly above
/// the noise floor minLevel, runs the chosen detector on them at once (on the thread that writes).
///
/// The owner sets nbPoints, fech, methode, fenType and minLevel before start() and reads level
/// and freq when update() and analysee() arrive.
///
/// Formats: 8- and 16-bit integer samples, signed or unsigned, either byte order, any channel
/// count. Unsigned samples are centred on zero (the offset 128 or 32768 removed), so levels and
/// pitches mean the same as for signed ones. Any other format decodes as silence.
class Analyseur : public QIODevice
{
    Q_OBJECT

public:
    /// Capacity of the sample buffer: the largest analysis length, in samples.
    static constexpr int kMaxSamples = 8192;
    static constexpr int kMinPoints = 512;

    Analyseur(const QAudioFormat &format, QObject *parent = nullptr);
    ~Analyseur() override;

    /// Allocates the sample buffer (releasing any previous one), empties it, expects the next
    /// chunk to start at a frame, prepares the spectral detector for methodes 1 and 2 and the
    /// precise one for methode 3, and opens the device write-only.
    void start();

    /// Releases the buffer and the detectors' work arrays and closes the device.
    void stop();

    /// One sample of the first channel at ptr (which holds at least sampleSize/8 bytes), signed
    /// and centred on 0: −128 … 127 for 8-bit, −32768 … 32767 for 16-bit; 0 for other formats.
    qint16 getValueInt16(const unsigned char *ptr) const;

    const QAudioFormat &format() const { return m_format; }
    /// Full scale of the decoded samples: 127 (8-bit), 32767 (16-bit), 0 (other formats).
    qint16 maxAmplitude() const { return m_maxAmplitude; }
    /// Samples gathered in the current buffer.
    int nbSamples() const { return m_nbSamples; }
    /// Byte offset, in the next chunk, of the next frame; negative while a sample cut by the end
    /// of a chunk waits for its last bytes.
    qint64 readOffset() const { return m_readOffset; }
    /// The buffer (kMaxSamples values); null when not started.
    const qint16 *samples() const { return m_samples.get(); }
    /// The analysis length in use, in samples: nbPoints within kMinPoints … kMaxSamples.
    int analysisLength() const;
    const Detecteur &detecteur() const { return m_detecteur; }
    const PreciseDetector &preciseDetector() const { return m_precise; }

    // Set by the owner while stopped.
    int nbPoints = 1024;  ///< N, analysis length in samples: 512, 1024, 2048, 4096 or 8192
    int fech = 44100;     ///< sample rate in Hz
    int methode = 0;      ///< 0 autocorrelation, 1 cepstrum, 2 harmonic sum, 3 "Précise"; another value: no detection
    int fenType = 0;      ///< window of the spectral methods 1 and 2: 0 rectangular, 1 Hann, 2 Hamming, 3 Blackman
    float minLevel = 0.1f; ///< noise floor, fraction of full scale 0 … 1

    // Read by the owner.
    double level = 0.0; ///< peak of the samples taken from the last chunk, fraction of full scale 0 … 1
    float freq = 0.0f;  ///< last detected fundamental in Hz; 0 when the detector found none

signals:
    /// Once at the end of every chunk written.
    void update();
    /// After every analysis attempt, even when it left freq unchanged.
    void analysee();
    /// For every full buffer left unanalysed because its level did not clear the noise floor: the
    /// sound has stopped, or is too faint to be measured.
    void belowNoiseFloor();

protected:
    /// Never read: logs and returns 0.
    qint64 readData(char *data, qint64 maxlen) override;
    /// Consumes a chunk; always takes all of it.
    qint64 writeData(const char *data, qint64 len) override;

private slots:
    /// Runs the detector of methode on the full buffer into freq, then emits analysee().
    void analyse();

private:
    /// Appends the first-channel samples of the chunk from readOffset on until the chunk or the
    /// buffer of length samples runs out, or a sample is cut by the end of the chunk (its first
    /// bytes are then kept for the next one).
    void takeSamples(const unsigned char *bytes, qint64 len, int length);
    /// The bytes of the sample that starts at readOffset (before the chunk while negative) into
    /// sample; false, keeping what the chunk holds of it, when the chunk ends first.
    bool sampleBytesAt(const unsigned char *bytes, qint64 len, unsigned char *sample);
    /// The buffer is full: analyse it when the level clears the noise floor, empty it, and skip
    /// the rest of the chunk up to the next frame.
    void finishBuffer(qint64 len);

    enum class Decoding { Silence, Signed8, Unsigned8, Signed16Little, Signed16Big, Unsigned16Little, Unsigned16Big };

    QAudioFormat m_format;
    qint16 m_maxAmplitude = 0;
    Decoding m_decoding = Decoding::Silence;
    int m_sampleBytes = 0; ///< bytes to read of a sample; 0 for formats that decode as silence
    int m_frameBytes = 0;  ///< bytes of one frame (all channels)
    std::unique_ptr<qint16[]> m_samples;
    int m_nbSamples = 0;
    qint64 m_readOffset = 0;
    unsigned char m_partial[2] = {0, 0}; ///< first bytes of a sample cut by the end of a chunk
    Detecteur m_detecteur;
    PreciseDetector m_precise;
};

#endif
