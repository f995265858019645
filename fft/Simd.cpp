#include "fft/Simd.h"

#include "fft/Kernels.h"

namespace fft {

namespace {

bool hasAvx2()
{
#if defined(__x86_64__)
    __builtin_cpu_init();
    return kernels::builtAvx2() && __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
#else
    return false;
#endif
}

bool hasSse2()
{
#if defined(__x86_64__)
    return kernels::builtSse2();
#else
    return false;
#endif
}

} // namespace

Simd usableSimd(Simd wanted)
{
    if (wanted == Simd::Best || wanted == Simd::Avx2) {
        if (hasAvx2())
            return Simd::Avx2;
        wanted = Simd::Sse2;
    }
    if (wanted == Simd::Sse2 && hasSse2())
        return Simd::Sse2;
    return Simd::None;
}

const char *simdName(Simd simd)
{
    switch (simd) {
    case Simd::None:
        return "none";
    case Simd::Sse2:
        return "sse2";
    case Simd::Avx2:
        return "avx2";
    case Simd::Best:
        break;
    }
    return "best";
}

} // namespace fft
