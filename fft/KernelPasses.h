#ifndef FFT_KERNELPASSES_H
#define FFT_KERNELPASSES_H

// The passes of RealFft<double>'s vector kernels, written once for any vector type V. Included
// only by Kernels.cpp, after its vector type; everything here has internal linkage, so code compiled for AVX2 can never be merged into code that runs without it.
//
// V provides: width; load, broadcast, store, reversed; + − *; fmadd(a, b, c) = a·b + c and
// fmsub(a, b, c) = a·b − c; storeTransposed(v, base, offsets, column), which stores lane t of the
// vectors v[0 … width−1] as width consecutive doubles at base + offsets[t] + column.
//
// Layout of a block of n points (the output layout of RealFft at length n): Re Y[k] at k for
// k = 0 … n/2 and Im Y[k] at n/2 + k for k = 1 … n/2 − 1, where Y[k] = sum of x[j]·exp(+2πi·kj/n)
// (the conjugate of the usual transform, so the stored imaginary part is −Im X[k]).

#include "fft/Kernels.h"

// The kernels' building blocks must be inlined whatever the optimisation level, or every butterfly
// becomes a call with its vectors passed through memory.
#define FFT_KERNEL_INLINE inline __attribute__((always_inline))

namespace {

const double kHalfSqrt2 = 0.7071067811865476;

// cos(π·k/h) for a block half h >= 8 (table level log2 h).
inline const double *cosineLevel(const double *cosines, long h)
{
    return cosines + h / 2 - 4;
}

// The real transform of n vectors (lane by lane) read at x, x + stride, … in natural order, out
// in block layout. Radix-2 decimation in time with the twiddles of the cosine table; the inputs
// are loaded where the recursion reaches them. A non-zero kStride is the stride as a constant
// (the runtime one is then ignored), so that every input is one register plus a displacement.
template <class V, int n, long kStride>
FFT_KERNEL_INLINE void leafTransform(const double *x, long runtimeStride, V *out, const double *cosines)
{
    const long stride = kStride != 0 ? kStride : runtimeStride;
    if constexpr (n == 4) {
        const V x0 = V::load(x);
        const V x1 = V::load(x + stride);
        const V x2 = V::load(x + 2 * stride);
        const V x3 = V::load(x + 3 * stride);
        const V a = x0 + x2;
        const V b = x1 + x3;
        out[0] = a + b;
        out[1] = x0 - x2;
        out[2] = a - b;
        out[3] = x1 - x3;
    } else {
        constexpr int h = n / 2;
        V e[h];
        V o[h];
        leafTransform<V, h, 2 * kStride>(x, 2 * stride, e, cosines);
        leafTransform<V, h, 2 * kStride>(x + stride, 2 * stride, o, cosines);
        out[0] = e[0] + o[0];
        out[h] = e[0] - o[0];
        out[h / 2] = e[h / 2];
        out[h + h / 2] = o[h / 2];
        const double *level = h >= 8 ? cosineLevel(cosines, h) : nullptr;
#pragma GCC unroll 16
        for (int k = 1; k < h / 2; ++k) {
            const V c = V::broadcast(h >= 8 ? level[k] : kHalfSqrt2);
            const V s = V::broadcast(h >= 8 ? level[h / 2 - k] : kHalfSqrt2);
            const V tr = fmsub(c, o[k], s * o[h / 2 + k]);
            const V ti = fmadd(s, o[k], c * o[h / 2 + k]);
            out[k] = e[k] + tr;
            out[h + k] = e[h / 2 + k] + ti;
            out[h - k] = e[k] - tr;
            out[2 * h - k] = ti - e[h / 2 + k];
        }
    }
}

// The first log2(n) passes. Leaf b is the transform of x[rev(b) + e·stride], e = 0 … n−1, with
// stride = L/n and rev the (bits − log2 n)-bit reversal; it lands at n·rev(b) = bitReversal[b].
// Leaves whose rev() are consecutive read consecutive inputs, so each vector lane computes one
// leaf and a transposition writes them back.
template <class V, int n, long kStride>
void leaves(const fft::kernels::Sweeps &s, double *dst)
{
    const long stride = 1L << (s.bits - s.leafBits);
    for (long r = 0; r < stride; r += V::width) {
        V out[n];
        leafTransform<V, n, kStride>(s.x + r, stride, out, s.cosines);
        const long *offsets = s.bitReversal + r;
#pragma GCC unroll 32
        for (int column = 0; column < n; column += V::width)
            V::storeTransposed(out + column, dst, offsets, column);
    }
}

// Like leaves(), when the n input streams crowd into too few cache sets (n·stride >= 8192 doubles:
// 16 or more streams per set of a 4 KiB-way cache): a line is then evicted before the next group of
// lanes comes back for its other half. Each stream's full line (two groups of lanes) is copied into
// a local block first.
template <class V, int n, long kStride>
void leavesThroughCopy(const fft::kernels::Sweeps &s, double *dst)
{
    constexpr int w = V::width;
    constexpr int lanes = 2 * w;
    const long stride = kStride != 0 ? kStride : 1L << (s.bits - s.leafBits);
    alignas(64) double local[n * lanes];
    for (long r = 0; r < stride; r += lanes) {
#pragma GCC unroll 32
        for (int e = 0; e < n; ++e) {
            V::load(s.x + r + e * stride).store(local + e * lanes);
            V::load(s.x + r + e * stride + w).store(local + e * lanes + w);
        }
        for (int half = 0; half < 2; ++half) {
            V out[n];
            leafTransform<V, n, lanes>(local + half * w, lanes, out, s.cosines);
            const long *offsets = s.bitReversal + r + half * w;
#pragma GCC unroll 32
            for (int column = 0; column < n; column += w)
                V::storeTransposed(out + column, dst, offsets, column);
        }
    }
}

template <class V, int n, long kStride>
void leavesOf(const fft::kernels::Sweeps &s, double *dst)
{
    if constexpr (kStride != 0 && n * kStride < 8192)
        leaves<V, n, kStride>(s, dst);
    else
        leavesThroughCopy<V, n, kStride>(s, dst);
}

// The strides of the lengths up to 2^13 as constants; longer transforms spend their time in the
// passes past the table anyway.
template <class V, int n>
void leavesOfStride(const fft::kernels::Sweeps &s, double *dst)
{
    switch (s.bits - s.leafBits) {
    case 2:
        return leavesOf<V, n, 4>(s, dst);
    case 4:
        return leavesOf<V, n, 16>(s, dst);
    case 6:
        return leavesOf<V, n, 64>(s, dst);
    case 8:
        return leavesOf<V, n, 256>(s, dst);
    default:
        return leavesOf<V, n, 0>(s, dst);
    }
}

// The two butterflies of index k = 0 and k = m/2 of a radix-4 sweep (see sweep()).
template <long m>
FFT_KERNEL_INLINE void sweepEnds(const double *a, double *y)
{
    constexpr long q = m / 2;
    const double *b = a + m;
    const double *c = a + 2 * m;
    const double *d = a + 3 * m;
    const double ab0 = a[0] + b[0];
    const double cd0 = c[0] + d[0];
    y[0] = ab0 + cd0;
    y[2 * m] = ab0 - cd0;
    y[m] = a[0] - b[0];
    y[3 * m] = c[0] - d[0];

    const double p = kHalfSqrt2 * (c[q] - d[q]);
    const double r = kHalfSqrt2 * (c[q] + d[q]);
    y[q] = a[q] + p;
    y[3 * q] = a[q] - p;
    y[2 * m + q] = b[q] + r;
    y[3 * m + q] = r - b[q];
}

// Butterflies k … k + width − 1 of a radix-4 sweep.
template <class V, long m>
FFT_KERNEL_INLINE void sweepButterflies(const double *a, double *y, long k, const double *cosines)
{
    constexpr int w = V::width;
    constexpr long q = m / 2;
    constexpr long back = w - 1;
    const double *b = a + m;
    const double *c = a + 2 * m;
    const double *d = a + 3 * m;
    const double *c1 = cosineLevel(cosines, m);
    const double *c2 = cosineLevel(cosines, 2 * m);

    // exp(iπk/m) for the first level, exp(iπk/2m) for the second; the sines are the cosines read
    // backwards from the quarter period.
    const V w1c = V::load(c1 + k);
    const V w1s = V::load(c1 + q - back - k).reversed();
    const V w2c = V::load(c2 + k);
    const V w2s = V::load(c2 + m - back - k).reversed();

    const V ar = V::load(a + k), ai = V::load(a + q + k);
    const V br = V::load(b + k), bi = V::load(b + q + k);
    const V cr = V::load(c + k), ci = V::load(c + q + k);
    const V dr = V::load(d + k), di = V::load(d + q + k);

    // First level: AB = A ⊕ B and CD = C ⊕ D at k and m − k.
    const V t1r = fmsub(w1c, br, w1s * bi);
    const V t1i = fmadd(w1s, br, w1c * bi);
    const V t2r = fmsub(w1c, dr, w1s * di);
    const V t2i = fmadd(w1s, dr, w1c * di);
    const V abr = ar + t1r, abi = ai + t1i;
    const V abmr = ar - t1r, abmi = t1i - ai;
    const V cdr = cr + t2r, cdi = ci + t2i;
    const V cdmr = cr - t2r, cdmi = t2i - ci;

    // Second level: u = exp(iπk/2m)·CD[k], v = exp(iπ(m−k)/2m)·CD[m−k].
    const V ur = fmsub(w2c, cdr, w2s * cdi);
    const V ui = fmadd(w2s, cdr, w2c * cdi);
    const V vr = fmsub(w2s, cdmr, w2c * cdmi);
    const V vi = fmadd(w2c, cdmr, w2s * cdmi);

    (abr + ur).store(y + k);                               // Re Y[k]
    (abi + ui).store(y + 2 * m + k);                       // Im Y[k]
    (abr - ur).reversed().store(y + 2 * m - back - k);     // Re Y[2m − k]
    (ui - abi).reversed().store(y + 4 * m - back - k);     // Im Y[2m − k]
    (abmr + vr).reversed().store(y + m - back - k);        // Re Y[m − k]
    (abmi + vi).reversed().store(y + 3 * m - back - k);    // Im Y[m − k]
    (abmr - vr).store(y + m + k);                          // Re Y[m + k]
    (vi - abmi).store(y + 3 * m + k);                      // Im Y[m + k]
}

// Two passes at once: every block of 4m points is the transform of four consecutive blocks A, B,
// C, D of m points (m >= 16), through AB = A ⊕ B, CD = C ⊕ D and AB ⊕ CD. Butterfly k (1 … m/2−1)
// reads index k of the four blocks and writes Y[k], Y[m − k], Y[m + k] and Y[2m − k]. The last
// group of lanes may overlap the previous one: it rewrites the same values. m is a constant so
// that all sixteen streams are displacements from two pointers.
template <class V, long m>
void sweep(const double *src, double *dst, long length, const double *cosines)
{
    constexpr long q = m / 2;
    static_assert(q > V::width, "the last group of lanes must start at k >= 1");
    for (long block = 0; block < length; block += 4 * m) {
        const double *a = src + block;
        double *y = dst + block;
        sweepEnds<m>(a, y);
        long k = 1;
        for (; k + V::width <= q; k += V::width)
            sweepButterflies<V, m>(a, y, k, cosines);
        if (k < q)
            sweepButterflies<V, m>(a, y, q - V::width, cosines);
    }
}

template <class V>
void sweepOf(const double *src, double *dst, long length, long m, const double *cosines)
{
    switch (m) {
    case 16:
        return sweep<V, 16>(src, dst, length, cosines);
    case 64:
        return sweep<V, 64>(src, dst, length, cosines);
    case 256:
        return sweep<V, 256>(src, dst, length, cosines);
    case 1024:
        return sweep<V, 1024>(src, dst, length, cosines);
    case 32:
        return sweep<V, 32>(src, dst, length, cosines);
    case 128:
        return sweep<V, 128>(src, dst, length, cosines);
    case 512:
        return sweep<V, 512>(src, dst, length, cosines);
    case 2048:
        return sweep<V, 2048>(src, dst, length, cosines);
    default:
        break;
    }
}

template <class V>
void runSweepsOf(const fft::kernels::Sweeps &s)
{
    if (s.leafBits == 4)
        leavesOfStride<V, 16>(s, s.first);
    else
        leavesOfStride<V, 32>(s, s.first);
    const long length = 1L << s.bits;
    const double *src = s.first;
    double *dst = s.second;
    for (int b = s.leafBits; b < s.topBits; b += 2) {
        sweepOf<V>(src, dst, length, 1L << b, s.cosines);
        src = dst;
        dst = dst == s.second ? s.first : s.second;
    }
}

} // namespace

#endif
