#include "synth/Sample16.h"

#include <cstring>

namespace {

typedef float Floats8 __attribute__((vector_size(32)));
typedef qint32 Ints8 __attribute__((vector_size(32)));
typedef qint16 Shorts8 __attribute__((vector_size(16)));

inline __attribute__((always_inline)) float scaleBlocks(const float *in, int n, float gain,
                                                        qint16 *out)
{
    Floats8 pics = {};
    int k = 0;
    for (; k + 8 <= n; k += 8) {
        Floats8 x;
        std::memcpy(&x, in + k, sizeof x);
        x *= gain;
        const Floats8 a = (Floats8)((Ints8)x & 0x7fffffff);
        pics = a > pics ? a : pics; // NaN compares false and is skipped
        x = x == x ? x : 0.0f;
        x = x < -32768.0f ? -32768.0f : x;
        x = x > 32767.0f ? 32767.0f : x;
        const Shorts8 s = __builtin_convertvector(__builtin_convertvector(x, Ints8), Shorts8);
        std::memcpy(out + k, &s, sizeof s);
    }
    float pic = 0.0f;
    for (int i = 0; i < 8; ++i)
        pic = pics[i] > pic ? pics[i] : pic;
    for (; k < n; ++k) {
        const float x = gain * in[k];
        const float a = x < 0 ? -x : x;
        pic = a > pic ? a : pic;
        out[k] = toSample16(x);
    }
    return pic;
}

__attribute__((target("avx2"))) float scaleBlocksAvx2(const float *in, int n, float gain,
                                                      qint16 *out)
{
    return scaleBlocks(in, n, gain, out);
}

float scaleBlocksGeneric(const float *in, int n, float gain, qint16 *out)
{
    return scaleBlocks(in, n, gain, out);
}

} // namespace

float scaleToSamples16(const float *in, int n, float gain, qint16 *out)
{
    if (__builtin_cpu_supports("avx2"))
        return scaleBlocksAvx2(in, n, gain, out);
    return scaleBlocksGeneric(in, n, gain, out);
}
