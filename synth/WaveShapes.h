#ifndef WAVESHAPES_H
#define WAVESHAPES_H

// Waveform shape codes and the per-sample formulas of the periodic waveforms.
// The code is the index of the waveform combo box of the main window and the melody editor.
// For the shapes other than the sine, u is the fraction of the period, in [0, 1), given by
// ShapePhase; the values are the sample values before the conversion to 16 bits (toSample16).

#include <QtGlobal>

namespace WaveShape {
enum Code : int {
    Sine = 0,      ///< "sinus"
    Triangle = 1,  ///< "triangle"
    Parabola = 2,  ///< "parabole"
    Square = 3,    ///< "carré"
    Ramp = 4,      ///< "rampe"
    Modal = 5,     ///< "synthèse": modal synthesis with the current Modmod
};
}

/// True for the codes 0 … 5; any other code produces no samples.
bool isShapeCode(int forme);

/// True for the periodic codes 0 … 4.
bool isPeriodicShape(int forme);

/// Unit shape of code 1 … 4 at u ∈ [0, 1): starts at 0 (the square at +1), peaks ±1.
/// Triangle 4u | 2 − 4u | 4u − 4; parabola 8u − 16u² on the first half, 16u² − 24u + 8 on the
/// second; square +1 | −1; ramp 2u | 2u − 2. Other codes give 0.
float unitShape(int forme, float u);

/// Played sine (code 0): 32767·A·sin(2π·f·n/fe), n the sample index.
double playbackSine(float amplitude, float freq, float freqEch, qint64 n);

/// Played value of code 1 … 4 with amplitude A: 32767·A times the unit shape, scaled by 0.5
/// for the square and 0.7 for the ramp. Other codes give 0.
float playbackValue(int forme, float amplitude, float u);

/// Value written to a file for code 1 … 4: triangle 32767·triangle(u), parabola
/// 32000·parabola(u), square exactly ±25600, ramp 28800·ramp(u). Other codes give 0.
/// The file sine comes from Oscil::oscilSynth.
float fileValue(int forme, float u);

#endif
