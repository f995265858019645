#include "synth/RingKernel.h"

#include "synth/RingKernels.h"

#include <xmmintrin.h>

#include <algorithm>

namespace {

void plainRing(const Oscil *oscil, const float *poids, float *etat1, float *etat2, int nbModes,
               float *sortie, int n)
{
    for (int k = 0; k < n; ++k) {
        float somme = 0.0f;
        for (int i = 0; i < nbModes; ++i) {
            const float y = oscil[i].c1 * etat1[i] + oscil[i].c2 * etat2[i];
            etat2[i] = etat1[i];
            etat1[i] = y;
            somme += poids[i] * y;
        }
        sortie[k] = somme;
    }
}

} // namespace

void ringModes(const Oscil *oscil, const float *poids, float *etat1, float *etat2, int nbModes,
               float *sortie, int n, fft::Simd simd)
{
    if (n <= 0)
        return;
    if (nbModes <= 0) {
        std::fill(sortie, sortie + n, 0.0f);
        return;
    }
    const unsigned int mxcsr = _mm_getcsr();
    _mm_setcsr(mxcsr | 0x8040); // flush to zero, subnormal inputs as zero
    switch (fft::usableSimd(simd)) {
    case fft::Simd::Avx2:
        ringkernels::avx2::ringBlocks(oscil, poids, etat1, etat2, nbModes, sortie, n);
        break;
    case fft::Simd::Sse2:
        ringkernels::sse2::ringBlocks(oscil, poids, etat1, etat2, nbModes, sortie, n);
        break;
    default:
        plainRing(oscil, poids, etat1, etat2, nbModes, sortie, n);
        break;
    }
    _mm_setcsr(mxcsr);
}
