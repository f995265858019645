// lagProducts() kernel on SSE2, the x86-64 baseline: eight 16-bit samples per vector.

#include "tuner/LagProductsKernels.h"

#if defined(__SSE2__)

#include <emmintrin.h>

namespace {

struct I
{
    static constexpr int width = 8;
    using Acc = __m128i;

    static __m128i zero() { return _mm_setzero_si128(); }
    static __m128i load(const std::int16_t *p)
    {
        return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    }
    static __m128i biasedPairs(__m128i a, __m128i b)
    {
        return _mm_add_epi32(_mm_madd_epi16(a, b), _mm_set1_epi32(0x7fffffff));
    }
    static __m128i add64(__m128i a, __m128i b) { return _mm_add_epi64(a, b); }
    static __m128i high(__m128i u) { return _mm_srli_epi64(u, 32); }
    static std::uint64_t sum64(__m128i v)
    {
        alignas(16) std::uint64_t t[2];
        _mm_store_si128(reinterpret_cast<__m128i *>(t), v);
        return t[0] + t[1];
    }
};

} // namespace

#include "tuner/LagProductsLoop.h"

bool lagkernels::builtSse2()
{
    return true;
}

void lagkernels::fourLagsSse2(const std::int16_t *x, int n, int lag, long long sums[4])
{
    fourLagsLoop<I>(x, n, lag, sums);
}

#else

bool lagkernels::builtSse2()
{
    return false;
}

void lagkernels::fourLagsSse2(const std::int16_t *, int, int, long long sums[4])
{
    sums[0] = sums[1] = sums[2] = sums[3] = 0;
}

#endif
