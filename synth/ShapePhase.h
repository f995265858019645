#ifndef SHAPEPHASE_H
#define SHAPEPHASE_H

#include <cmath>

/// Phase of the periodic shapes other than the sine: a time t in seconds that starts at 0, is
/// reduced modulo the period T = 1/f (floating remainder) before each sample and then advances by
/// 1/fe, all in single precision, as the playback, file and melody renderers step it.
class ShapePhase
{
public:
    /// @param freq     Hz
    /// @param freqEch  samples per second
    ShapePhase(float freq, float freqEch)
        : m_periode(1.0f / freq), m_pas(1.0f / freqEch)
    {
    }

    /// Reduced time of the current sample in seconds, in [0, T); then steps one sample.
    float nextTime()
    {
        const float p = std::fmod(m_t, m_periode);
        m_t = p + m_pas;
        return p;
    }

    /// Fraction of the period u = t/T of the current sample, in [0, 1); then steps one sample.
    float nextFraction() { return nextTime() / m_periode; }

    float period() const { return m_periode; }

private:
    float m_periode;
    float m_pas;
    float m_t = 0.0f;
};

#endif
