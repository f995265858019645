#ifndef RINGKERNEL_H
#define RINGKERNEL_H

#include "synth/Oscil.h"

/// Steps nbModes resonators n samples: for each sample k, every mode i advances
/// y = c1·etat1[i] + c2·etat2[i] (etat2[i] = etat1[i], etat1[i] = y) and sortie[k] receives
/// Σ poids[i]·y. The same arithmetic as one step at a time, but with the modes held in vector
/// registers, eight per register, in passes of a few registers over blocks of samples; on CPUs
/// with AVX2 and FMA those instructions are used. Values below the normal float range (about
/// 1e−38) are flushed to zero.
void ringModes(const Oscil *oscil, const float *poids, float *etat1, float *etat2, int nbModes,
               float *sortie, int n);

#endif
