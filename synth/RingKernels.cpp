// ringModes() kernel, compiled once per instruction set (ZIB_KERNEL_SET): GCC's generic vectors
// of eight floats, two SSE registers each on the x86-64 baseline, one AVX register with AVX2,
// where the compiler also fuses the multiply-adds. ringModes() calls a set only where
// fft::usableSimd() returns it.

#include "synth/RingKernels.h"

#ifndef ZIB_KERNEL_SET
#error "built once per instruction set by zib_vector_kernels()"
#endif

namespace {

constexpr int kLanes = 8;         // modes per vector
constexpr int kMaxVectors = 6;    // vectors per pass: two state registers each must stay in registers
constexpr int kBlock = 256;       // samples per block: the partial sums stay in the L1 cache

typedef float Vec __attribute__((vector_size(kLanes * sizeof(float))));

// Not std::min: an inline function of the standard library compiled here for AVX2 could be the
// copy the linker keeps for the whole program.
int smaller(int a, int b)
{
    return a < b ? a : b;
}

// One pass: K vectors of modes starting at mode `first`, `count` of them sounding (the rest of
// the last vector is padding with zero coefficients and weight), over n samples, adding each
// sample's per-lane sums into acc.
template <int K>
inline __attribute__((always_inline)) void ringPass(const Oscil *oscil, const float *poids,
                                                    float *etat1, float *etat2, int first,
                                                    int count, Vec *acc, int n)
{
    alignas(sizeof(Vec)) float c1[K * kLanes] = {}, c2[K * kLanes] = {}, w[K * kLanes] = {},
                                e1[K * kLanes] = {}, e2[K * kLanes] = {};
    for (int i = 0; i < count; ++i) {
        c1[i] = oscil[first + i].c1;
        c2[i] = oscil[first + i].c2;
        w[i] = poids[first + i];
        e1[i] = etat1[first + i];
        e2[i] = etat2[first + i];
    }

    Vec a[K], b[K], p[K], y1[K], y2[K];
    for (int j = 0; j < K; ++j) {
        __builtin_memcpy(&a[j], c1 + j * kLanes, sizeof(Vec));
        __builtin_memcpy(&b[j], c2 + j * kLanes, sizeof(Vec));
        __builtin_memcpy(&p[j], w + j * kLanes, sizeof(Vec));
        __builtin_memcpy(&y1[j], e1 + j * kLanes, sizeof(Vec));
        __builtin_memcpy(&y2[j], e2 + j * kLanes, sizeof(Vec));
    }

    // Two samples per turn, the newest state alternating between y1 and y2, so that no register
    // has to be copied from one sample to the next.
    int k = 0;
    for (; k + 1 < n; k += 2) {
        Vec s0 = acc[k];
        Vec s1 = acc[k + 1];
        for (int j = 0; j < K; ++j) {
            y2[j] = a[j] * y1[j] + b[j] * y2[j];
            s0 += p[j] * y2[j];
        }
        for (int j = 0; j < K; ++j) {
            y1[j] = a[j] * y2[j] + b[j] * y1[j];
            s1 += p[j] * y1[j];
        }
        acc[k] = s0;
        acc[k + 1] = s1;
    }
    if (k < n) {
        Vec s = acc[k];
        for (int j = 0; j < K; ++j) {
            const Vec y = a[j] * y1[j] + b[j] * y2[j];
            y2[j] = y1[j];
            y1[j] = y;
            s += p[j] * y;
        }
        acc[k] = s;
    }

    for (int j = 0; j < K; ++j) {
        __builtin_memcpy(e1 + j * kLanes, &y1[j], sizeof(Vec));
        __builtin_memcpy(e2 + j * kLanes, &y2[j], sizeof(Vec));
    }
    for (int i = 0; i < count; ++i) {
        etat1[first + i] = e1[i];
        etat2[first + i] = e2[i];
    }
}

inline __attribute__((always_inline)) void ringPassOf(int vectors, const Oscil *oscil,
                                                      const float *poids, float *etat1,
                                                      float *etat2, int first, int count,
                                                      Vec *acc, int n)
{
    switch (vectors) {
    case 1: ringPass<1>(oscil, poids, etat1, etat2, first, count, acc, n); break;
    case 2: ringPass<2>(oscil, poids, etat1, etat2, first, count, acc, n); break;
    case 3: ringPass<3>(oscil, poids, etat1, etat2, first, count, acc, n); break;
    case 4: ringPass<4>(oscil, poids, etat1, etat2, first, count, acc, n); break;
    case 5: ringPass<5>(oscil, poids, etat1, etat2, first, count, acc, n); break;
    default: ringPass<kMaxVectors>(oscil, poids, etat1, etat2, first, count, acc, n); break;
    }
}

void ringBlocksOf(const Oscil *oscil, const float *poids, float *etat1, float *etat2, int nbModes,
                  float *sortie, int n)
{
    // Passes of nearly equal size: a short last pass would cost as much time per sample as a
    // full one, since each register waits for its own previous sample.
    const int vectors = (nbModes + kLanes - 1) / kLanes;
    const int passes = (vectors + kMaxVectors - 1) / kMaxVectors;
    Vec acc[kBlock];
    for (int start = 0; start < n; start += kBlock) {
        const int m = smaller(kBlock, n - start);
        for (int k = 0; k < m; ++k)
            acc[k] = Vec{};
        int first = 0;
        for (int pass = 0; pass < passes; ++pass) {
            const int v = vectors / passes + (pass < vectors % passes ? 1 : 0);
            const int count = smaller(v * kLanes, nbModes - first);
            ringPassOf(v, oscil, poids, etat1, etat2, first, count, acc, m);
            first += count;
        }
        for (int k = 0; k < m; ++k) {
            const Vec s = acc[k];
            sortie[start + k] = ((s[0] + s[1]) + (s[2] + s[3])) + ((s[4] + s[5]) + (s[6] + s[7]));
        }
    }
}

} // namespace

void ringkernels::ZIB_KERNEL_SET::ringBlocks(const Oscil *oscil, const float *poids, float *etat1,
                                             float *etat2, int nbModes, float *sortie, int n)
{
    ringBlocksOf(oscil, poids, etat1, etat2, nbModes, sortie, n);
}
