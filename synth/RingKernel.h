#ifndef RINGKERNEL_H
#define RINGKERNEL_H

#include "fft/Simd.h"
#include "synth/Oscil.h"

/// Steps nbModes resonators n samples: for each sample k, every mode i advances
/// y = c1·etat1[i] + c2·etat2[i] (etat2[i] = etat1[i], etat1[i] = y) and sortie[k] receives
/// Σ poids[i]·y. Values below the normal float range (about 1e−38) are flushed to zero: a ring
/// that has died away would otherwise pass through numbers many CPUs compute a hundred times
/// slower.
///
/// simd (lowered by fft::usableSimd()): Simd::None is the plain path, the arithmetic of
/// Modmod::actualise n times, bit for bit as long as no value falls below the normal range. The
/// vector kernels hold eight modes per register, in passes of a few registers over blocks of
/// samples. SSE2 steps every mode exactly as the plain path and only adds the output in another
/// order: each sortie[k] lies within 2·nbModes·2^−24·Σ|poids[i]·y_i| of the plain one. AVX2 also
/// fuses the multiply-adds: from the same state a step's y differs from the plain one by at most
/// 2^−23·(|c1·etat1[i]| + |c2·etat2[i]|), and the differences carry on in the ring as rounding
/// errors do (a few 1e−5 of the peak after one second at 48000 Hz).
void ringModes(const Oscil *oscil, const float *poids, float *etat1, float *etat2, int nbModes,
               float *sortie, int n, fft::Simd simd = fft::Simd::Best);

#endif
