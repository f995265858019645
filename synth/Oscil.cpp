#include "synth/Oscil.h"

#include "synth/Sample16.h"

#include <cmath>
#include <type_traits>

static_assert(sizeof(Oscil) == 5 * sizeof(float) && std::is_standard_layout<Oscil>::value,
              "Oscil is a record of five floats");

namespace {

struct Coefficients
{
    double c1;
    double c2;
};

Coefficients coefficients(const Oscil &o)
{
    const double fe = o.freqEch;
    const double r = std::exp(-double(o.amort) / fe);
    const double theta = 2.0 * M_PI * double(o.freq) / fe;
    return {2.0 * r * std::cos(theta), -std::exp(-2.0 * double(o.amort) / fe)};
}

} // namespace

void Oscil::oscilFilt()
{
    const Coefficients c = coefficients(*this);
    c1 = float(c.c1);
    c2 = float(c.c2);
}

void Oscil::oscilSynth(float premier, float precedent, int n, short *sortie)
{
    oscilFilt();
    if (n <= 0)
        return;
    // The ring runs in double precision: near 2, a float c1 = 2·cos θ keeps too few bits of θ²,
    // which shifts low tones by whole percents (and turns 1 Hz into a straight ramp).
    const Coefficients c = coefficients(*this);
    sortie[0] = toSample16(32500.0f * premier);
    double p = 0.0;
    double q = precedent;
    for (int k = 1; k < n; ++k) {
        const double y = c.c1 * p + c.c2 * q;
        sortie[k] = toSample16(32500.0 * y);
        q = p;
        p = y;
    }
}
