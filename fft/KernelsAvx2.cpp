// RealFft<double> kernels on AVX2 with FMA: four doubles per vector. This file alone is compiled
// with -mavx2 -mfma; RealFft calls it only when the processor reports both.

#include "fft/Kernels.h"

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

#include "fft/KernelPasses.h"

bool fft::kernels::builtAvx2()
{
    return true;
}

void fft::kernels::runAvx2(const Sweeps &s)
{
    runSweeps<V>(s);
}

#else

bool fft::kernels::builtAvx2()
{
    return false;
}

void fft::kernels::runAvx2(const Sweeps &)
{
}

#endif
