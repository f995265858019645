#ifndef LAGPRODUCTS_H
#define LAGPRODUCTS_H

#include "fft/Simd.h"

#include <QtGlobal>

/// Sums of lagged products of 16-bit samples, the raw autocorrelation
///   r(L) = sum of x[i]·x[i + L] for i = 0 … n − L − 1   (0 when L >= n),
/// for L = minLag … maxLag, stored at sums[L − minLag]. Exact: each product is at most 2^30 in
/// magnitude and the sum is accumulated in 64-bit integers, so any n below 2^31 is safe.
/// 0 <= minLag <= maxLag; n >= 0. The vector kernels (16 samples per step with AVX2) give the same
/// integers as the plain loop of Simd::None.
void lagProducts(const qint16 *x, int n, int minLag, int maxLag, qint64 *sums,
                 fft::Simd simd = fft::Simd::Best);

#endif
