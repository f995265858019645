#ifndef FFT_SIMD_H
#define FFT_SIMD_H

namespace fft {

/// Instruction sets of the vector kernels (the transform's passes, the tuner's correlation).
/// The program is built for any x86-64 processor; the wider kernels are compiled apart and chosen
/// at run time from what the processor reports.
enum class Simd {
    None, ///< plain C++: the transform's radix-2 passes one after the other
    Sse2, ///< 2 doubles / 8 16-bit integers per vector, every x86-64 processor
    Avx2, ///< 4 doubles / 16 16-bit integers per vector, with FMA
    Best, ///< as a request only: the widest set this processor runs
};

/// The set a request runs on here: Best becomes the widest available, a set the processor (or the
/// build, off x86-64) lacks falls back to the next narrower one.
Simd usableSimd(Simd wanted);

/// "none", "sse2" or "avx2" (for logs and benchmark labels).
const char *simdName(Simd simd);

} // namespace fft

#endif
