#include "app/CalculNote.h"

#include <cmath>

namespace {

// Ratio of each natural note to La of the same octave, 2^(k/12) rounded to float.
const float kRatioNote[7] = {0.5946035385f, 0.6674199104f, 0.7491535544f, 0.7937005162f,
                             0.8908987045f, 1.0f, 1.1224620342f};

// 2^(−9/12): Do4 against La4.
const double kDoSurLa = 0.5946035575013605;

const Orthographe kOrthographe[12] = {
    {1, 1}, {1, 2}, {2, 1}, {3, 0}, {3, 1}, {4, 1}, {4, 2}, {5, 1}, {6, 0}, {6, 1}, {7, 0}, {7, 1},
};

} // namespace

void CFreqref(int note, int octave, float alterCents, float corrCents, double *freq)
{
    const float r = (note >= 1 && note <= 7) ? kRatioNote[note - 1] : 1.0f;
    const float a = std::pow(2.0f, alterCents / 1200.0f);
    const double o = std::pow(2.0, octave - 4);
    const double c = std::pow(2.0, corrCents / 1200.0);
    *freq = c * (a * r * o) * *freq;
}

int CFreqNoteOctCor(double freq, int *semitone, int *octave, float *cents, float la4)
{
    *cents = 0;
    *semitone = 0;
    *octave = 4;

    double x = 1200.0 * std::log(freq / (kDoSurLa * la4)) / std::log(2.0);
    // Zero, negative, infinite or NaN input (or reference): no note. Rounding such an x to an int
    // would be undefined.
    if (!(freq > 0) || !std::isfinite(x)) {
        *semitone = -1;
        return -1;
    }

    const double n = std::floor(x / 1200.0 + 0.5); // half up, also below zero
    *octave = 4 + static_cast<int>(n);
    x -= 1200.0 * n;

    int s = static_cast<int>(std::floor(x / 100.0 + 0.5));
    *cents = static_cast<float>(x) - 100.0f * s;
    if (s < 0) {
        s += 12;
        *octave -= 1;
    }
    *semitone = s;
    return s;
}

int Freq2NoteOctCor(float freq, int *note, int *alteration, int *octave, float *cents, float la4)
{
    *note = 0;
    *alteration = 0;
    *octave = 0;
    *cents = 0;
    int s = 0;
    CFreqNoteOctCor(freq, &s, octave, cents, la4);
    if (s >= 0 && s < 12) {
        *note = kOrthographe[s].note;
        *alteration = kOrthographe[s].alteration;
    }
    return s;
}

Orthographe orthographe(int semitone)
{
    if (semitone < 0 || semitone >= 12)
        return {0, 0};
    return kOrthographe[semitone];
}
