#ifndef SAMPLE16_H
#define SAMPLE16_H

#include <QtGlobal>

/// A computed sample value as a signed 16-bit sample: truncated toward zero and clamped to
/// −32768 … 32767; NaN gives 0. A plain cast would wrap or be undefined outside that range.
inline qint16 toSample16(float v)
{
    if (!(v == v))
        return 0;
    if (v >= 32767.0f)
        return 32767;
    if (v <= -32768.0f)
        return -32768;
    return static_cast<qint16>(static_cast<int>(v));
}

inline qint16 toSample16(double v)
{
    if (!(v == v))
        return 0;
    if (v >= 32767.0)
        return 32767;
    if (v <= -32768.0)
        return -32768;
    return static_cast<qint16>(static_cast<int>(v));
}

/// out[k] = toSample16(gain·in[k]) for k = 0 … n−1, vectorised; returns the largest
/// |gain·in[k]| (NaN values are skipped; 0 when n ≤ 0).
float scaleToSamples16(const float *in, int n, float gain, qint16 *out);

#endif
