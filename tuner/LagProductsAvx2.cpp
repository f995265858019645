// lagProducts() kernel on AVX2: sixteen 16-bit samples per vector. This file alone is compiled with
// -mavx2; lagProducts() calls it only when the processor reports AVX2.

#include "tuner/LagProductsKernels.h"

#if defined(__AVX2__)

#include <immintrin.h>

namespace {

struct I
{
    static constexpr int width = 16;
    using Acc = __m256i;

    static __m256i zero() { return _mm256_setzero_si256(); }
    static __m256i load(const std::int16_t *p)
    {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
    }
    static __m256i biasedPairs(__m256i a, __m256i b)
    {
        return _mm256_add_epi32(_mm256_madd_epi16(a, b), _mm256_set1_epi32(0x7fffffff));
    }
    static __m256i add64(__m256i a, __m256i b) { return _mm256_add_epi64(a, b); }
    static __m256i high(__m256i u) { return _mm256_srli_epi64(u, 32); }
    static std::uint64_t sum64(__m256i v)
    {
        alignas(32) std::uint64_t t[4];
        _mm256_store_si256(reinterpret_cast<__m256i *>(t), v);
        return t[0] + t[1] + t[2] + t[3];
    }
};

} // namespace

#include "tuner/LagProductsLoop.h"

bool lagkernels::builtAvx2()
{
    return true;
}

void lagkernels::fourLagsAvx2(const std::int16_t *x, int n, int lag, long long sums[4])
{
    fourLagsLoop<I>(x, n, lag, sums);
}

#else

bool lagkernels::builtAvx2()
{
    return false;
}

void lagkernels::fourLagsAvx2(const std::int16_t *, int, int, long long sums[4])
{
    sums[0] = sums[1] = sums[2] = sums[3] = 0;
}

#endif
