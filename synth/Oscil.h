#ifndef OSCIL_H
#define OSCIL_H

/// One damped two-pole resonator, y[n] = c1·y[n−1] + c2·y[n−2]: a sinusoid of frequency freq
/// whose amplitude decays as e^(−amort·t). A plain record of five floats, in this order.
class Oscil
{
public:
    /// Computes c1 = 2·r·cos θ and c2 = −r², with r = e^(−amort/freqEch) and
    /// θ = 2π·freq/freqEch, in double precision. amort 0 gives c2 = −1 exactly.
    void oscilFilt();

    /// Fills sortie[0 … n−1] with the undriven ring as 16-bit samples: sortie[0] = 32500·premier,
    /// then the recursion from y[0] = 0 and y[−1] = precedent, each value times 32500, saturated
    /// to the 16-bit range. Calls oscilFilt first; the recursion itself runs in double precision.
    /// With amort 0, premier 0 and precedent = −θ it gives 32500·(θ / sin θ)·sin(kθ).
    void oscilSynth(float premier, float precedent, int n, short *sortie);

    float freq = 0.0f;        ///< Hz
    float amort = 0.0f;       ///< s⁻¹; 0 rings without decay
    float freqEch = 44100.0f; ///< samples per second
    float c1 = 0.0f;
    float c2 = 0.0f;
};

#endif
