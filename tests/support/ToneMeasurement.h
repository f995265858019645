#ifndef ZIBTEST_TONEMEASUREMENT_H
#define ZIBTEST_TONEMEASUREMENT_H

// Pitch and level of a captured tone, measured independently of the program's own detectors.
//
// The measured part is the longest run of 10 ms blocks whose RMS level is within 10 dB of the
// loudest block, less one block at each end (onset and release): leading and trailing silence,
// or faint noise, are left out. Its frequency is first estimated from the positive-going zero
// crossings (with hysteresis at ±0.5 × RMS and linear interpolation between samples), then refined
// to the maximum of the Hann-windowed periodogram: searched on grids of a quarter bin, first on a
// short excerpt within ±max(4 bins, 3 %) of the estimate, then on ever longer ones up to the whole
// part, and narrowed by golden-section search. The periodogram
// maximum is the maximum-likelihood frequency of a single tone in white noise (Rife & Boorstyn,
// "Single-tone parameter estimation from discrete-time observations", IEEE Trans. Inf. Theory
// 20(5), 1974); the window keeps harmonics and the part's edges from pulling it.
// A clean 1 s tone comes out within a few mHz. Tones above a fifth of the sample rate are not
// measured (too few samples a period for the crossings). A waveform with more than one
// positive-going crossing per period at ±0.5 × RMS may be measured at a harmonic.

#include <QString>
#include <QVector>

namespace zibtest {

struct ToneMeasurement
{
    bool valid = false;     ///< false without a tone: silence, too short, < 3 periods, above rate / 5
    double frequency = 0;   ///< Hz
    double amplitude = 0;   ///< of the sine at that frequency, in sample units (full scale 32768)
    double rms = 0;         ///< RMS of the measured part (of everything when not valid), sample units
    int peak = 0;           ///< largest |sample| of the measured part (of everything when not valid)
    int begin = 0;          ///< measured part: samples [begin, end)
    int end = 0;
};

/// Measures the tone in samples captured at sampleRate (Hz).
ToneMeasurement measureTone(const QVector<qint16> &samples, int sampleRate);

/// One line for a failing check: frequency, amplitude, peak and length of the measured part.
QString describeTone(const ToneMeasurement &m, int sampleRate);

/// No tone and no more than a faint noise (peak below 50).
bool isSilence(const ToneMeasurement &m);

/// RMS level of samples [begin, end), in sample units; 0 for an empty range.
double rmsLevel(const QVector<qint16> &samples, int begin, int end);

/// Largest |sample| of samples [begin, end) (32768 for −32768); 0 for an empty range.
int peakLevel(const QVector<qint16> &samples, int begin, int end);

} // namespace zibtest

#endif
