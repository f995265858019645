#ifndef CALCULINTERVALLE_H
#define CALCULINTERVALLE_H

// Interval sizes: cents (1200 per octave), savarts (1000·log10 of the ratio) and commas (the
// Pythagorean comma, 1200·log2(531441/524288) cents), and the fraction of a ratio.

constexpr double kCentsParSavart = 3.986313713864742;
constexpr double kCentsParComma = 23.46001038464901;

/// Cents in one unit of the units combo: 0 cents, 1 savarts, 2 commas (any other index: cents).
double centsParUnite(int unite);

/// Continued-fraction approximation n/d of x: the first convergent within 10^(−prec) of x, the
/// distance taken in single precision as the fields hold floats. 1.5 gives 3/2, 1.059463 gives 196/185.
/// Terminates for every input and never overflows: the expansion stops at an exact convergent, at
/// the first convergent whose terms would leave the int range (keeping the previous one), or after
/// a bounded number of steps. Values beyond the int range saturate to ±INT_MAX/1; NaN and the
/// infinities give 1/0.
void decim2Frac(float x, int *n, int *d, int prec);

#endif
