#include "fft/RealFft.h"

#include "fft/Kernels.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace fft {

namespace {

const double kPi = 3.14159265358979323846;
const double kHalfSqrt2 = 0.7071067811865476;

// Passes up to this one take their twiddles from the cosine table, later ones from rotators: a
// table for them would outgrow the processor caches.
const int kTableBits = 12;

// From 2^6 points on, the vector kernels have at least four leaves to run side by side.
const int kFirstVectorBits = 6;

bool isPowerOfTwo(long x)
{
    FFT_CHECK(x > 0, "fft::isPowerOfTwo", "x > 0");
    return (x & (x - 1)) == 0;
}

int log2Of(long powerOfTwo)
{
    int bits = 0;
    while ((1L << bits) < powerOfTwo)
        ++bits;
    return bits;
}

} // namespace

template <class T>
RealFft<T>::RealFft(long length, Simd simd)
    : m_length(length)
{
    FFT_CHECK(isPowerOfTwo(length), "fft::RealFft::RealFft", "isPowerOfTwo(length)");
    m_bits = log2Of(length);
    FFT_CHECK(m_bits <= kMaxBits, "fft::RealFft::RealFft", "m_bits <= kMaxBits");
    m_simd = std::is_same<T, double>::value ? usableSimd(simd) : Simd::None;
    m_work.resize(length);
    buildBitReversal();
    buildCosineTable();
    buildRotators();
}

template <class T>
RealFft<T>::~RealFft() = default;

// Counting in reversed binary: add 1 at the top bit and carry downwards.
template <class T>
void RealFft<T>::buildBitReversal()
{
    m_bitReversal.resize(m_length);
    long index = 0;
    m_bitReversal[0] = 0;
    for (long i = 1; i < m_length; ++i) {
        long bit = m_length / 2;
        index ^= bit;
        while ((index & bit) == 0) {
            bit >>= 1;
            index ^= bit;
        }
        m_bitReversal[i] = index;
    }
}

// Level l (pass l, blocks of 2^(l+1) points) needs cos(i·π/2^l) for i < 2^(l−1); the levels are
// stored one after the other from level 3, level l at offset 2^(l−1) − 4.
template <class T>
void RealFft<T>::buildCosineTable()
{
    if (m_bits < 4)
        return;
    m_cosines.resize((1L << (m_bits - 1)) - 4);
    for (int level = 3; level < m_bits; ++level) {
        const long count = 1L << (level - 1);
        const long offset = count - 4;
        const double step = kPi / double(1L << level);
        for (long i = 0; i < count; ++i)
            m_cosines[offset + i] = T(std::cos(double(i) * step));
    }
}

// Pass 13 + k turns by π/2^(13+k) per butterfly.
template <class T>
void RealFft<T>::buildRotators()
{
    if (m_bits <= kTableBits)
        return;
    m_rotators.resize(m_bits - kTableBits);
    for (long k = 0; k < m_rotators.size(); ++k)
        m_rotators[k].setStep(T(kPi / 2 / double(1L << (k + kTableBits))));
}

template <class T>
void RealFft<T>::forward(T *f, const T *x) const
{
    FFT_CHECK(f != nullptr, "fft::RealFft::forward", "f != 0");
    FFT_CHECK(x != nullptr, "fft::RealFft::forward", "x != 0");
    FFT_CHECK(x != f, "fft::RealFft::forward", "x != f");
    FFT_CHECK(x != workBuffer(), "fft::RealFft::forward", "x != workBuffer()");
    FFT_CHECK(f != workBuffer(), "fft::RealFft::forward", "f != workBuffer()");

    switch (m_length) {
    case 1:
        f[0] = x[0];
        return;
    case 2:
        f[0] = x[0] + x[1];
        f[1] = x[0] - x[1];
        return;
    case 4: {
        const T even = x[0] + x[2];
        const T odd = x[1] + x[3];
        f[0] = even + odd;
        f[1] = x[0] - x[2];
        f[2] = even - odd;
        f[3] = x[1] - x[3];
        return;
    }
    default:
        break;
    }
    if (m_simd != Simd::None && m_bits >= kFirstVectorBits)
        forwardVector(f, x);
    else
        forwardPlain(f, x);
}

// Passes 0 and 1 together, pass 2, then passes 3 … bits − 1, each from one buffer into the other;
// the first pass starts in whichever buffer makes the last one end in f.
template <class T>
void RealFft<T>::forwardPlain(T *f, const T *x) const
{
    T *work = m_work.data();
    const int writes = m_bits - 1;
    T *dst = writes % 2 == 1 ? f : work;
    firstPasses(dst, x);
    T *src = dst;
    dst = src == f ? work : f;
    secondPass(dst, src);
    for (int pass = 3; pass < m_bits; ++pass) {
        src = dst;
        dst = src == f ? work : f;
        generalPass(dst, src, pass);
    }
}

// Leaves and radix-4 sweeps in the vector kernels up to blocks of 2^13 points, then the rotator
// passes one by one.
template <class T>
void RealFft<T>::forwardVector(T *f, const T *x) const
{
    if constexpr (std::is_same<T, double>::value) {
        const int top = std::min(m_bits, kTableBits + 1);
        const int leafBits = top % 2 == 1 ? 5 : 4;
        const int sweeps = (top - leafBits) / 2;
        const int writes = 1 + sweeps + (m_bits - top);
        T *work = m_work.data();
        T *first = writes % 2 == 1 ? f : work;
        T *second = first == f ? work : f;
        const kernels::Sweeps s{m_bits, leafBits, top, m_bitReversal.data(), m_cosines.data(),
                                x, first, second};
        if (m_simd == Simd::Avx2)
            kernels::avx2::runSweeps(s);
        else
            kernels::sse2::runSweeps(s);
        T *src = sweeps % 2 == 0 ? first : second;
        for (int pass = top; pass < m_bits; ++pass) {
            T *dst = src == f ? work : f;
            generalPass(dst, src, pass);
            src = dst;
        }
    } else {
        forwardPlain(f, x);
    }
}

// Blocks of 4 from groups of four inputs taken in bit-reversed order: a block at position i holds
// the transform of (a, c, b, d) = x[rev(i)], x[rev(i + 2)], x[rev(i + 1)], x[rev(i + 3)].
template <class T>
void RealFft<T>::firstPasses(T *dst, const T *x) const
{
    const long *rev = m_bitReversal.data();
    for (long i = 0; i < m_length; i += 4) {
        const T a = x[rev[i]];
        const T b = x[rev[i + 1]];
        const T c = x[rev[i + 2]];
        const T d = x[rev[i + 3]];
        const T ab = a + b;
        const T cd = c + d;
        dst[i] = ab + cd;
        dst[i + 1] = a - b;
        dst[i + 2] = ab - cd;
        dst[i + 3] = c - d;
    }
}

// Blocks of 8 from pairs of blocks of 4; the only twiddle is exp(iπ/4).
template <class T>
void RealFft<T>::secondPass(T *dst, const T *src) const
{
    const T r = T(kHalfSqrt2);
    for (long i = 0; i < m_length; i += 8) {
        const T *e = src + i;
        const T *o = e + 4;
        T *y = dst + i;
        y[0] = e[0] + o[0];
        y[4] = e[0] - o[0];
        y[2] = e[2];
        y[6] = o[2];
        const T tr = r * (o[1] - o[3]);
        const T ti = r * (o[1] + o[3]);
        y[1] = e[1] + tr;
        y[5] = e[3] + ti;
        y[3] = e[1] - tr;
        y[7] = ti - e[3];
    }
}

// Blocks of 2h = 2^(pass+1) points from pairs of blocks E, O of h points:
// Y[k] = E[k] + w^k·O[k] and Y[h − k] = conj(E[k] − w^k·O[k]), w = exp(iπ/h), 0 < k < h/2;
// Y[0], Y[h] and Y[h/2] need no multiplication.
template <class T>
void RealFft<T>::generalPass(T *dst, const T *src, int pass) const
{
    const long h = 1L << pass;
    const long q = h / 2;
    const T *level = pass <= kTableBits ? m_cosines.data() + q - 4 : nullptr;
    for (long block = 0; block < m_length; block += 2 * h) {
        const T *e = src + block;
        const T *o = e + h;
        T *y = dst + block;
        y[0] = e[0] + o[0];
        y[h] = e[0] - o[0];
        y[q] = e[q];
        y[h + q] = o[q];
        Rotator<T> rotator;
        if (!level) {
            rotator = m_rotators[pass - kTableBits - 1];
            rotator.reset();
        }
        for (long k = 1; k < q; ++k) {
            T c;
            T s;
            if (level) {
                c = level[k];
                s = level[q - k];
            } else {
                rotator.step();
                c = rotator.cosine();
                s = rotator.sine();
            }
            const T tr = c * o[k] - s * o[q + k];
            const T ti = s * o[k] + c * o[q + k];
            y[k] = e[k] + tr;
            y[h + k] = e[q + k] + ti;
            y[h - k] = e[k] - tr;
            y[2 * h - k] = ti - e[q + k];
        }
    }
}

template class RealFft<double>;

} // namespace fft
