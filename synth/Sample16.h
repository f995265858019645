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

#endif
