// RealFft<double> kernels on SSE2, the x86-64 baseline: two doubles per vector.

#include "fft/Kernels.h"

#if defined(__SSE2__)

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

#include "fft/KernelPasses.h"

bool fft::kernels::builtSse2()
{
    return true;
}

void fft::kernels::runSse2(const Sweeps &s)
{
    runSweeps<V>(s);
}

#else

bool fft::kernels::builtSse2()
{
    return false;
}

void fft::kernels::runSse2(const Sweeps &)
{
}

#endif
