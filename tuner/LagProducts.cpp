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
    simd = fft::usableSimd(simd);
    // Lags from n on have no product.
    const int lastLag = std::min(maxLag, n - 1);
    auto fourLags = simd == fft::Simd::Avx2 && lagkernels::builtAvx2()   ? lagkernels::fourLagsAvx2
                    : simd == fft::Simd::Sse2 && lagkernels::builtSse2() ? lagkernels::fourLagsSse2
                                                                         : nullptr;
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
