#include "tests/support/SineSource.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace zibtest {

namespace {

const double kTwoPi = 6.283185307179586;

} // namespace

SineSource::SineSource(double frequency, double amplitude, int sampleRate, qint64 sampleCount,
                       QObject *parent)
    : QIODevice(parent)
    , m_frequency(frequency)
    , m_amplitude(amplitude)
    , m_sampleRate(sampleRate)
    , m_sampleCount(sampleCount)
{
}

qint16 SineSource::sampleAt(qint64 n) const
{
    // The phase from the sample index, not from a running sum, so it does not drift; fmod keeps
    // the sine's argument small.
    const double cycles = std::fmod(m_frequency * static_cast<double>(n), double(m_sampleRate));
    const double value = m_amplitude * 32767.0 * std::sin(kTwoPi * cycles / m_sampleRate);
    return static_cast<qint16>(std::clamp(std::lround(value), -32768L, 32767L));
}

qint64 SineSource::readData(char *data, qint64 maxSize)
{
    qint64 count = maxSize / 2;
    if (m_sampleCount >= 0)
        count = std::min(count, m_sampleCount - m_next);
    for (qint64 i = 0; i < count; ++i)
        qToLittleEndian<qint16>(sampleAt(m_next + i), data + 2 * i);
    m_next += count;
    return 2 * count;
}

qint64 SineSource::writeData(const char *, qint64)
{
    return -1;
}

} // namespace zibtest
