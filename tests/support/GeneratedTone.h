#ifndef ZIBTEST_GENERATEDTONE_H
#define ZIBTEST_GENERATEDTONE_H

// Tones for the pitch detectors, generated as the microphone would bring them: 16-bit samples
// truncated toward zero, with or without white Gaussian noise from a fixed seed, and the
// Cramér–Rao bound of their fundamental, the least standard deviation any unbiased estimator can
// reach on them.
//
// The bound for partials of amplitudes A_k at k·f0 in white noise of variance σ², with the f0,
// the amplitudes and the phases unknown, is var(ω0) = 24·σ² / (N·(N² − 1)·Σ k²·A_k²) in
// (radians per sample)² (Rife & Boorstyn, IEEE Trans. Inf. Theory 20(5), 1974, for one tone;
// Christensen & Jakobsson, "Multi-pitch estimation", 2009, for harmonics). σ² is the mean square
// of what the samples hold beyond the ideal tone: the noise and the truncation.

#include <QString>
#include <QtGlobal>

#include <limits>
#include <vector>

namespace zibtest {

struct GeneratedTone
{
    enum Kind {
        Sine,               ///< one partial
        Harmonic,           ///< harmonics 1 … 5 at amplitudes 1/k
        MissingFundamental, ///< harmonics 2 … 6 at 1/k, no fundamental
        WeakFundamental,    ///< harmonics 2 … 6 at 1/k, the fundamental at 0.02 (28 dB below the second)
        Inharmonic,         ///< a stiff string: partials 1 … 8 at k·f·√(1 + B·k²), B = 0.0004, amplitudes 1/k
    };

    std::vector<qint16> samples;
    /// Hz: what a detector should read: f, or for Inharmonic the first partial f·√(1 + B).
    double frequency = 0;
    double noisePower = 0; ///< σ², in squared sample units
    double crbCents = 0;   ///< Cramér–Rao bound of f0, standard deviation in cents
};

constexpr double kClean = std::numeric_limits<double>::infinity();

/// n samples at fech Hz of a tone of kind with fundamental f (Hz), its clean sum peaking at half
/// full scale (16384), every partial with a phase drawn from seed; with white Gaussian noise at
/// snrDb dB below the tone's power (kClean: none). The same arguments give the same samples.
GeneratedTone generateTone(GeneratedTone::Kind kind, double f, int fech, int n, double snrDb, unsigned seed);

/// "sine", "harmonic", "missing fundamental", "weak fundamental", "inharmonic".
QString kindName(GeneratedTone::Kind kind);

/// 1200·log2(found/expected); +infinity when found is not a positive number.
double centsOff(double found, double expected);

} // namespace zibtest

#endif
