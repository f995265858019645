#ifndef ZIBTEST_SINESOURCE_H
#define ZIBTEST_SINESOURCE_H

#include <QIODevice>

namespace zibtest {

/// Read-only device generating a sine as 16-bit signed little-endian mono samples:
/// sample n = amplitude × 32767 × sin(2π f n / rate), saturated to −32768 … 32767.
/// Endless, or ending after a number of samples (reads then return 0, the normal end of a
/// stream for an output in pull mode).
class SineSource : public QIODevice
{
public:
    /// frequency in Hz, amplitude as a fraction of full scale, sampleRate in Hz;
    /// sampleCount < 0 for an endless tone.
    SineSource(double frequency, double amplitude, int sampleRate, qint64 sampleCount = -1,
               QObject *parent = nullptr);

    bool isSequential() const override { return true; }

    /// Samples read so far.
    qint64 position() const { return m_next; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    qint16 sampleAt(qint64 n) const;

    double m_frequency;
    double m_amplitude;
    int m_sampleRate;
    qint64 m_sampleCount;
    qint64 m_next = 0;
};

} // namespace zibtest

#endif
