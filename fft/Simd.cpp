#include "fft/Simd.h"

namespace fft {

namespace {

// What the processor runs does not change while the program runs: it is asked once. The answer
// includes the system's support: AVX registers the system does not save count as absent.
bool processorRunsAvx2()
{
    static const bool runs = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    }();
    return runs;
}

} // namespace

Simd usableSimd(Simd wanted)
{
    switch (wanted) {
    case Simd::None:
        return Simd::None;
    case Simd::Sse2:
        return Simd::Sse2;
    case Simd::Avx2:
    case Simd::Best:
        break;
    }
    return processorRunsAvx2() ? Simd::Avx2 : Simd::Sse2;
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
