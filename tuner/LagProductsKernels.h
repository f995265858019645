#ifndef LAGPRODUCTSKERNELS_H
#define LAGPRODUCTSKERNELS_H

// Vector kernels of lagProducts(): LagProductsKernels.cpp, compiled once per instruction set by
// zib_vector_kernels(). Four lags per call share the loads of x[i].

#include <cstdint>

namespace lagkernels {

/// sums[j] = sum of x[i]·x[i + lag + j] over i < n − lag − j (0 when that is empty), j = 0 … 3,
/// on the set of the namespace; call one only where fft::usableSimd() returns its set.
namespace sse2 {
void fourLags(const std::int16_t *x, int n, int lag, long long sums[4]);
}
namespace avx2 {
void fourLags(const std::int16_t *x, int n, int lag, long long sums[4]);
}

} // namespace lagkernels

#endif
