#ifndef LAGPRODUCTSKERNELS_H
#define LAGPRODUCTSKERNELS_H

// Vector kernels of lagProducts(), one per instruction set, each compiled in its own source with
// that set's flags. Four lags per call share the loads of x[i].

#include <cstdint>

namespace lagkernels {

/// sums[j] = sum of x[i]·x[i + lag + j] over i < n − lag − j (0 when that is empty), j = 0 … 3.
void fourLagsSse2(const std::int16_t *x, int n, int lag, long long sums[4]);
void fourLagsAvx2(const std::int16_t *x, int n, int lag, long long sums[4]);

/// Whether this build holds the kernels of a set.
bool builtSse2();
bool builtAvx2();

} // namespace lagkernels

#endif
