#ifndef FFT_KERNELS_H
#define FFT_KERNELS_H

// Vector kernels of RealFft<double>: Kernels.cpp, compiled once per instruction set by
// zib_vector_kernels(). Only plain data crosses this boundary.

namespace fft {
namespace kernels {

/// One run of the kernels: the leaf transforms of 2^leafBits points, then radix-4 sweeps that
/// quadruple the blocks until they hold 2^topBits points.
struct Sweeps
{
    int bits;                 ///< log2 of the transform length L
    int leafBits;             ///< 4 or 5; bits − leafBits >= 1 (SSE2) or 2 (AVX2)
    int topBits;              ///< leafBits + an even number, <= min(bits, 13)
    const long *bitReversal;  ///< L entries
    const double *cosines;    ///< level l (3 … bits − 1) at offset 2^(l−1) − 4: cos(i·π/2^l)
    const double *x;          ///< L input samples
    double *first;            ///< written by the leaves, then by every second sweep
    double *second;           ///< written by the first sweep, then by every second one
};

/// The leaves and sweeps of s, on the set of the namespace; call one only where
/// fft::usableSimd() returns its set.
namespace sse2 {
void runSweeps(const Sweeps &s);
}
namespace avx2 {
void runSweeps(const Sweeps &s);
}

} // namespace kernels
} // namespace fft

#endif
