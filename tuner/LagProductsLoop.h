#ifndef LAGPRODUCTSLOOP_H
#define LAGPRODUCTSLOOP_H

// The loop of the lagProducts() kernels, written once for an integer vector type I. Included only
// by LagProductsKernels.cpp after its I; internal linkage throughout, so AVX2 code never merges
// into code that runs without it.
//
// I provides: width (16-bit lanes), Acc, zero(), load(), biasedPairs(), add64(), high(), sum64().
//
// A multiply-add of 16-bit lanes gives x0·y0 + x1·y1 per 32-bit lane, a value v in
// [−2^31 + 2^16, 2^31]: only (−32768)² + (−32768)² = 2^31 leaves the int32 range. u = v + 2^31 − 1
// always lies in [0, 2^32), so biasedPairs() returns the 32-bit lanes u exactly, as unsigned.
// The lanes are summed in pairs of 64 bits: `all` gathers lo + 2^32·hi (modulo 2^64) and `high`
// gathers hi, which recovers sum(lo) + sum(hi) exactly; the bias is taken off at the end.

#include "tuner/LagProductsKernels.h"

namespace {

template <class I>
void fourLagsLoop(const std::int16_t *x, int n, int lag, long long sums[4])
{
    constexpr int w = I::width;
    const int common = n - lag - 3; // terms of the longest lag, lag + 3
    typename I::Acc all[4];
    typename I::Acc high[4];
    for (int j = 0; j < 4; ++j) {
        all[j] = I::zero();
        high[j] = I::zero();
    }
    int i = 0;
    for (; i + w <= common; i += w) {
        const auto a = I::load(x + i);
        for (int j = 0; j < 4; ++j) {
            const auto u = I::biasedPairs(a, I::load(x + i + lag + j));
            all[j] = I::add64(all[j], u);
            high[j] = I::add64(high[j], I::high(u));
        }
    }
    const int vectorEnd = i;
    const std::uint64_t lanes = std::uint64_t(vectorEnd / 2); // 32-bit lanes summed per lag
    for (int j = 0; j < 4; ++j) {
        const std::uint64_t h = I::sum64(high[j]);
        const std::uint64_t low = I::sum64(all[j]) - (h << 32);
        long long s = static_cast<long long>(low + h - lanes * 0x7fffffffu);
        for (int k = vectorEnd; k < n - lag - j; ++k)
            s += static_cast<long long>(x[k]) * x[k + lag + j];
        sums[j] = s;
    }
}

} // namespace

#endif
