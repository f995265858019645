#ifndef FFT_ROTATOR_H
#define FFT_ROTATOR_H

#include <cmath>

namespace fft {

/// A unit vector (cos a, sin a) turned by a fixed angle at every step(): the twiddle factors of the
/// transform's passes beyond the cosine table's reach. Each step is one complex multiplication, so
/// the rounding error after n steps grows about like n times the unit roundoff.
template <class T>
class Rotator
{
public:
    /// The angle added by each step(), in radians; the rotator restarts at angle 0.
    void setStep(T angle)
    {
        m_stepCos = std::cos(angle);
        m_stepSin = std::sin(angle);
        reset();
    }

    /// Back to angle 0: (1, 0).
    void reset()
    {
        m_cos = T(1);
        m_sin = T(0);
    }

    void step()
    {
        const T c = m_cos * m_stepCos - m_sin * m_stepSin;
        const T s = m_cos * m_stepSin + m_sin * m_stepCos;
        m_cos = c;
        m_sin = s;
    }

    T cosine() const { return m_cos; }
    T sine() const { return m_sin; }

private:
    T m_cos = T(1);
    T m_sin = T(0);
    T m_stepCos = T(1);
    T m_stepSin = T(0);
};

} // namespace fft

#endif
