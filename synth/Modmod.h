#ifndef MODMOD_H
#define MODMOD_H

#include "synth/Oscil.h"

#include <QVector>

#include <memory>

/// Modal resonator bank: one damped resonator per vibration mode of a model, struck once by an
/// impulse and ringing down. A synthesis calls normalise, initialiseImp, oscils, then actualise
/// once per output sample (or actualiseBloc for many samples at once).
///
/// Each synthesis leaves its state behind: poids normalised to the last fundamental, amort
/// recomputed for it when the damping law is active, nbActif, the resonators and the ring state.
class Modmod
{
public:
    /// Takes ownership of freq, amort and poids, arrays of nbMod floats allocated by the caller
    /// with new float[nbMod]. A negative nbMod, or a null array, makes an empty bank.
    Modmod(int nbMod, float *freq, float *amort, float *poids);
    Modmod(const Modmod &) = delete;
    Modmod &operator=(const Modmod &) = delete;

    /// Rescales poids so that their Euclidean norm is g (callers pass g = √(2π·fond), fond in
    /// Hz). Weights that are all 0, or a g that is not a positive number, leave poids unchanged.
    void normalise(float g);

    /// Sets the ring to the state an impulse leaves at fe samples per second:
    /// etat1[i] = 0, etat2[i] = −e^(−amort[i]/fe)·poids[i]·sin(ω/fe)/ω with ω = 2π·freq[i] (the
    /// ratio as stored), so that mode i then rings with an amplitude of about poids[i]/ω.
    /// A ratio of 0 takes the limit 1/fe of sin(ω/fe)/ω; an fe that is not positive leaves the
    /// bank silent.
    void initialiseImp(float fe);

    /// Builds the resonators for fundamental fond (Hz) at fe samples per second, recomputing
    /// amort first when typeAmort is 1. Modes sound from index 0 up to, not including, the first
    /// one whose frequency fond·freq[i] is at or above 0.48·fe; nbActif counts them.
    void oscils(float fond, int fe);

    /// Damping law: amort[i] = Σ coeffs[k]·f_i^k with f_i = fond·freq[i] in Hz, in single
    /// precision (external + hysteresis·f + internal·f² for the three coefficients the model
    /// editor supplies).
    void calcAmort(float fond);

    /// Advances the sounding modes by one sample; *sortie = Σ poids[i]·y_i[n].
    void actualise(float *sortie);

    /// n calls of actualise, sortie[k] receiving the k-th output, vectorised over the modes.
    /// The sums are taken in another order (and with fused multiply-adds on CPUs that have them),
    /// so the outputs and the state differ from actualise in their last bits only.
    void actualiseBloc(float *sortie, int n);

    int nbMod;
    int nbActif = 0;
    std::unique_ptr<float[]> freq;  ///< frequency of each mode as a ratio to the fundamental
    std::unique_ptr<float[]> amort; ///< damping rate of each mode, s⁻¹
    std::unique_ptr<float[]> poids; ///< weight of each mode, on its excitation and its output
    std::unique_ptr<float[]> etat1; ///< y[n−1] of each resonator
    std::unique_ptr<float[]> etat2; ///< y[n−2] of each resonator
    std::unique_ptr<Oscil[]> oscil; ///< one resonator per mode
    int typeAmort = 0;              ///< 1: amort follows the damping law of coeffs
    QVector<float> coeffs;          ///< damping law, increasing powers of the frequency in Hz
};

#endif
