#ifndef RINGKERNELS_H
#define RINGKERNELS_H

// Vector kernels of ringModes(): RingKernels.cpp, compiled once per instruction set by
// zib_vector_kernels(). Only plain data crosses this boundary.

#include "synth/Oscil.h"

namespace ringkernels {

/// ringModes() for nbModes >= 1 and n >= 1, eight modes per vector, on the set of the namespace;
/// call one only where fft::usableSimd() returns its set. With SSE2 every mode steps as in the
/// plain path, bit for bit, and only the output's sum is taken in another order; with AVX2 the
/// multiply-adds are fused as well, which changes the last bit of a step now and then.
namespace sse2 {
void ringBlocks(const Oscil *oscil, const float *poids, float *etat1, float *etat2, int nbModes,
                float *sortie, int n);
}
namespace avx2 {
void ringBlocks(const Oscil *oscil, const float *poids, float *etat1, float *etat2, int nbModes,
                float *sortie, int n);
}

} // namespace ringkernels

#endif
