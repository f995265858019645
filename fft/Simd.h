#ifndef FFT_SIMD_H
#define FFT_SIMD_H

namespace fft {

/// Instruction sets of the vector kernels (the transform's passes, the tuner's correlation, the
/// modal bank's ring). The program is built for any x86-64 processor; each kernel is compiled once
/// per set (zib_vector_kernels() in cmake/ZibKernels.cmake) and every caller picks the set through
/// usableSimd(), the one gate. Tests and benchmarks request the narrower sets to run them here.
enum class Simd {
    None, ///< plain C++, no kernel: the reference every set must reproduce
    Sse2, ///< 2 doubles / 4 floats / 8 16-bit integers per register, every x86-64 processor
    Avx2, ///< 4 doubles / 8 floats / 16 16-bit integers per register, with FMA
    Best, ///< as a request only: the widest set this processor runs
};

/// The set a request runs on here: Best becomes the widest the processor runs, a set it lacks
/// falls back to the next narrower one (SSE2 is always there); None stays None.
Simd usableSimd(Simd wanted);

/// "none", "sse2" or "avx2" (for logs and benchmark labels).
const char *simdName(Simd simd);

} // namespace fft

#endif
