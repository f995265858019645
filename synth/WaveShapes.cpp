#include "synth/WaveShapes.h"

#include <cmath>

bool isShapeCode(int forme)
{
    return forme >= WaveShape::Sine && forme <= WaveShape::Modal;
}

bool isPeriodicShape(int forme)
{
    return forme >= WaveShape::Sine && forme <= WaveShape::Ramp;
}

float unitShape(int forme, float u)
{
    switch (forme) {
    case WaveShape::Triangle:
        if (u < 0.25f)
            return 4.0f * u;
        if (u < 0.75f)
            return 2.0f - 4.0f * u;
        return 4.0f * u - 4.0f;
    case WaveShape::Parabola:
        if (u < 0.5f)
            return 8.0f * u - 16.0f * u * u;
        return 16.0f * u * u - 24.0f * u + 8.0f;
    case WaveShape::Square:
        return u < 0.5f ? 1.0f : -1.0f;
    case WaveShape::Ramp:
        return u < 0.5f ? 2.0f * u : 2.0f * u - 2.0f;
    default:
        return 0.0f;
    }
}

double playbackSine(float amplitude, float freq, float freqEch, qint64 n)
{
    const double phase = 2.0 * M_PI * double(freq) * double(n) / double(freqEch);
    return 32767.0 * double(amplitude) * std::sin(phase);
}

float playbackValue(int forme, float amplitude, float u)
{
    const float a = 32767.0f * amplitude;
    switch (forme) {
    case WaveShape::Triangle:
    case WaveShape::Parabola:
        return a * unitShape(forme, u);
    case WaveShape::Square:
        return a * 0.5f * unitShape(forme, u);
    case WaveShape::Ramp:
        return a * 0.7f * unitShape(forme, u);
    default:
        return 0.0f;
    }
}

float fileValue(int forme, float u)
{
    switch (forme) {
    case WaveShape::Triangle:
        return 32767.0f * unitShape(forme, u);
    case WaveShape::Parabola:
        return 32000.0f * unitShape(forme, u);
    case WaveShape::Square:
        return u < 0.5f ? 25600.0f : -25600.0f;
    case WaveShape::Ramp:
        return 28800.0f * unitShape(forme, u); // 32000·0.9
    default:
        return 0.0f;
    }
}
