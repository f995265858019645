#include "tuner/LagProducts.h"

#include "tuner/LagProductsKernels.h"

#include <algorithm>

namespace {

qint64 plainLagProduct(const qint16 *x, int n, int lag)
{
    qint64 s = 0;
    for (int i = 0; i < n - lag; ++i)
        s += qint64(x[i]) * x[i + lag];
    return s;
}

} // namespace

void lagProducts(const qint16 *x, int n, int minLag, int maxLag, qint64 *sums, fft::Simd simd)
{
    // Lags from n on have no product.
    const int lastLag = std::min(maxLag, n - 1);
    void (*fourLags)(const std::int16_t *, int, int, long long *) = nullptr;
    switch (fft::usableSimd(simd)) {
    case fft::Simd::Avx2:
        fourLags = lagkernels::avx2::fourLags;
        break;
    case fft::Simd::Sse2:
        fourLags = lagkernels::sse2::fourLags;
        break;
    default:
        break;
    }
    int lag = minLag;
    if (fourLags && lastLag - minLag + 1 >= 4) {
        for (; lag + 3 <= lastLag; lag += 4)
            fourLags(x, n, lag, sums + (lag - minLag));
        // The last lags in a group that overlaps the previous one: it rewrites the same sums.
        if (lag <= lastLag)
            fourLags(x, n, lastLag - 3, sums + (lastLag - 3 - minLag));
        lag = lastLag + 1;
    }
    for (; lag <= maxLag; ++lag)
        sums[lag - minLag] = lag < n ? plainLagProduct(x, n, lag) : 0;
}
