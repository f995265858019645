#ifndef CALCULINTERVALLE_H
#define CALCULINTERVALLE_H

// Interval sizes: cents (1200 per octave), savarts (1000·log10 of the ratio) and commas (the
// Pythagorean comma, 1200·log2(531441/524288) cents), and the fraction of a ratio.

constexpr double kCentsParSavart = 3.986313713864742;
constexpr double kCentsParComma = 23.46001038464901;

#include <QString>

/// Cents in one unit of the units combo: 0 cents, 1 savarts, 2 commas (any other index: cents).
double centsParUnite(int unite);

/// A size in the unit of the units combo, in cents (single precision, as the field holds it).
float unitsToCents(float value, int unite);

/// A size in cents in the unit of the units combo.
double centsToUnits(float cents, int unite);

/// The ratio of a size in cents, 2^(cents/1200), in single precision.
float ratioOfCents(float cents);

/// The size in cents of a ratio, 1200·ln r / ln 2, rounded to float; NaN for r ≤ 0.
float centsOfRatio(double r);

/// A ratio in the unit of the units combo, in single precision as the combo's change shows it:
/// ln r·1200/ln 2 cents, ln r·1000/ln 10 savarts, ln r·1200/ln 2/23.46001038464901 commas.
float ratioInUnits(float r, int unite);

/// Reads the fraction field "p/q" (p before the first "/", q after the last one; without "/" the
/// whole text is p and q is 1). False, leaving *ratio alone, when a part is empty or not a
/// decimal integer, p is 0 or q is 0.
bool parseFraction(const QString &text, double *ratio);

/// Continued-fraction approximation n/d of x: the first convergent within 10^(−prec) of x, the
/// distance taken in single precision as the fields hold floats. 1.5 gives 3/2, 1.059463 gives 196/185.
/// Terminates for every input and never overflows: the expansion stops at an exact convergent, at
/// the first convergent whose terms would leave the int range (keeping the previous one), or after
/// a bounded number of steps. Values beyond the int range saturate to ±INT_MAX/1; NaN and the
/// infinities give 1/0.
void decim2Frac(float x, int *n, int *d, int prec);

#endif
