#include "synth/Oscil.h"

#include "synth/Sample16.h"

#include <cmath>
#include <type_traits>

static_assert(sizeof(Oscil) == 5 * sizeof(float) && std::is_standard_layout<Oscil>::value,
              "Oscil is a record of five floats");

void Oscil::oscilFilt()
{
    const double fe = freqEch;
    const double r = std::exp(-double(amort) / fe);
    const double theta = 2.0 * M_PI * double(freq) / fe;
    c1 = float(2.0 * r * std::cos(theta));
    c2 = float(-std::exp(-2.0 * double(amort) / fe));
}

void Oscil::oscilSynth(float premier, float precedent, int n, short *sortie)
{
    oscilFilt();
    if (n <= 0)
        return;
    sortie[0] = toSample16(32500.0f * premier);
    float p = 0.0f;
    float q = precedent;
    for (int k = 1; k < n; ++k) {
        const float y = c1 * p + c2 * q;
        sortie[k] = toSample16(32500.0f * y);
        q = p;
        p = y;
    }
}
