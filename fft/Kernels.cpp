// RealFft<double> kernels, compiled once per instruction set (ZIB_KERNEL_SET): SSE2, the x86-64
// baseline, two doubles per vector; AVX2 with FMA, four doubles per vector. RealFft calls a set
// only where fft::usableSimd() returns it.

#include "fft/Kernels.h"

#ifndef ZIB_KERNEL_SET
#error "built once per instruction set by zib_vector_kernels()"
#endif

#if defined(__AVX2__) && defined(__FMA__)

#include <immintrin.h>

namespace {

struct V
{
    static constexpr int width = 4;
    __m256d v;

    static V load(const double *p) { return {_mm256_loadu_pd(p)}; }
    static V broadcast(double a) { return {_mm256_set1_pd(a)}; }
    void store(double *p) const { _mm256_storeu_pd(p, v); }
    V reversed() const { return {_mm256_permute4x64_pd(v, 0x1b)}; }

    friend V operator+(V a, V b) { return {_mm256_add_pd(a.v, b.v)}; }
    friend V operator-(V a, V b) { return {_mm256_sub_pd(a.v, b.v)}; }
    friend V operator*(V a, V b) { return {_mm256_mul_pd(a.v, b.v)}; }
    friend V fmadd(V a, V b, V c) { return {_mm256_fmadd_pd(a.v, b.v, c.v)}; }
    friend V fmsub(V a, V b, V c) { return {_mm256_fmsub_pd(a.v, b.v, c.v)}; }

    static void storeTransposed(const V *x, double *base, const long *offsets, long column)
    {
        const __m256d t0 = _mm256_unpacklo_pd(x[0].v, x[1].v);
        const __m256d t1 = _mm256_unpackhi_pd(x[0].v, x[1].v);
        const __m256d t2 = _mm256_unpacklo_pd(x[2].v, x[3].v);
        const __m256d t3 = _mm256_unpackhi_pd(x[2].v, x[3].v);
        _mm256_storeu_pd(base + offsets[0] + column, _mm256_permute2f128_pd(t0, t2, 0x20));
        _mm256_storeu_pd(base + offsets[1] + column, _mm256_permute2f128_pd(t1, t3, 0x20));
        _mm256_storeu_pd(base + offsets[2] + column, _mm256_permute2f128_pd(t0, t2, 0x31));
        _mm256_storeu_pd(base + offsets[3] + column, _mm256_permute2f128_pd(t1, t3, 0x31));
    }
};

} // namespace

#else

#include <emmintrin.h>

namespace {

struct V
{
    static constexpr int width = 2;
    __m128d v;

    static V load(const double *p) { return {_mm_loadu_pd(p)}; }
    static V broadcast(double a) { return {_mm_set1_pd(a)}; }
    void store(double *p) const { _mm_storeu_pd(p, v); }
    V reversed() const { return {_mm_shuffle_pd(v, v, 1)}; }

    friend V operator+(V a, V b) { return {_mm_add_pd(a.v, b.v)}; }
    friend V operator-(V a, V b) { return {_mm_sub_pd(a.v, b.v)}; }
    friend V operator*(V a, V b) { return {_mm_mul_pd(a.v, b.v)}; }
    friend V fmadd(V a, V b, V c) { return a * b + c; }
    friend V fmsub(V a, V b, V c) { return a * b - c; }

    static void storeTransposed(const V *x, double *base, const long *offsets, long column)
    {
        _mm_storeu_pd(base + offsets[0] + column, _mm_unpacklo_pd(x[0].v, x[1].v));
        _mm_storeu_pd(base + offsets[1] + column, _mm_unpackhi_pd(x[0].v, x[1].v));
    }
};

} // namespace

#endif

#include "fft/KernelPasses.h"

void fft::kernels::ZIB_KERNEL_SET::runSweeps(const Sweeps &s)
{
    runSweepsOf<V>(s);
}
