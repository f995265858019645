// lagProducts() kernel, compiled once per instruction set (ZIB_KERNEL_SET): SSE2, the x86-64
// baseline, eight 16-bit samples per vector; AVX2, sixteen. lagProducts() calls a set only where
// fft::usableSimd() returns it.

#include "tuner/LagProductsKernels.h"

#ifndef ZIB_KERNEL_SET
#error "built once per instruction set by zib_vector_kernels()"
#endif

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

#else

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

#endif

#include "tuner/LagProductsLoop.h"

void lagkernels::ZIB_KERNEL_SET::fourLags(const std::int16_t *x, int n, int lag, long long sums[4])
{
    fourLagsLoop<I>(x, n, lag, sums);
}
