#ifndef FFT_REALFFT_H
#define FFT_REALFFT_H

#include "fft/Rotator.h"
#include "fft/Simd.h"
#include "fft/Table.h"

namespace fft {

/// Forward discrete Fourier transform of real input, for power-of-two lengths L = 2^bits,
/// 1 <= L <= 2^30: a table-driven radix-2 decimation in time that keeps every intermediate
/// transform in the real layout below (Sorensen, Jones, Heideman and Burrus, "Real-valued fast
/// Fourier transform algorithms", IEEE Trans. ASSP 35(6), 1987).
///
/// Output layout, without any scaling, for X[k] = sum over n of x[n]·exp(−2πi·k·n/L):
///   f[k]       = Re X[k]               for k = 0 … L/2,
///   f[L/2 + k] = −Im X[k] = sum of x[n]·sin(2π·k·n/L)   for k = 1 … L/2 − 1.
/// The spectrum of real input is Hermitian, so these L numbers hold all of it.
///
/// For doubles from 64 points up, vector kernels run the passes (the bit reversal folded into 16-
/// or 32-point leaf transforms, then the passes merged two by two); shorter lengths, Simd::None and
/// other types run the radix-2 passes one by one. Both take their twiddle factors from the same
/// cosine table, and those of the passes beyond 2^12 from rotators. The kernels round differently
/// (the π/4 butterflies, fused multiply-adds with AVX2): their outputs lie within
/// log2(L)·2^−52·max|f| of the plain passes'.
///
/// forward() is const and allocates nothing, but uses the object's work buffer: one object serves
/// one thread.
template <class T>
class RealFft
{
public:
    static constexpr int kMaxBits = 30;

    /// length: a power of two, 1 … 2^30 (checked: the program stops otherwise).
    /// simd: the instruction set of the passes, lowered to what the processor runs (usableSimd()).
    explicit RealFft(long length, Simd simd = Simd::Best);
    virtual ~RealFft();
    RealFft(const RealFft &) = delete;
    RealFft &operator=(const RealFft &) = delete;

    long length() const { return m_length; }
    int bits() const { return m_bits; }
    /// The instruction set forward() runs on.
    Simd simd() const { return m_simd; }

    /// Transforms the L real samples x into the L coefficients f (layout above). f and x are
    /// non-null, distinct, and not the work buffer (checked).
    void forward(T *f, const T *x) const;

    /// The scratch buffer of the alternating passes (L values).
    const T *workBuffer() const { return m_work.data(); }

private:
    void buildBitReversal();
    void buildCosineTable();
    void buildRotators();

    void forwardPlain(T *f, const T *x) const;
    void forwardVector(T *f, const T *x) const;
    void firstPasses(T *dst, const T *x) const;
    void secondPass(T *dst, const T *src) const;
    void generalPass(T *dst, const T *src, int pass) const;

    long m_length = 0;
    int m_bits = 0;
    Simd m_simd = Simd::None;
    Table<long> m_bitReversal;
    Table<T> m_cosines;
    mutable Table<T> m_work;
    Table<Rotator<T>> m_rotators;
};

} // namespace fft

#endif
