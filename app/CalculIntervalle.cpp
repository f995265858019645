#include "app/CalculIntervalle.h"

#include <climits>
#include <cstdlib>
#include <cmath>
#include <limits>

double centsParUnite(int unite)
{
    switch (unite) {
    case 1:
        return kCentsParSavart;
    case 2:
        return kCentsParComma;
    default:
        return 1.0;
    }
}

float unitsToCents(float value, int unite)
{
    return float(value * centsParUnite(unite));
}

double centsToUnits(float cents, int unite)
{
    return cents / centsParUnite(unite);
}

float ratioOfCents(float cents)
{
    return std::pow(2.0f, cents / 1200.0f);
}

float centsOfRatio(double r)
{
    if (!(r > 0))
        return std::numeric_limits<float>::quiet_NaN();
    return float(1200.0 * std::log(r) / std::log(2.0));
}

float ratioInUnits(float r, int unite)
{
    switch (unite) {
    case 1:
        return std::log(r) * 1000.0f / std::log(10.0f);
    case 2:
        return float(std::log(r) * 1200.0f / std::log(2.0f) / kCentsParComma);
    default:
        return std::log(r) * 1200.0f / std::log(2.0f);
    }
}

bool parseFraction(const QString &text, double *ratio)
{
    const int bar = text.indexOf(QLatin1Char('/'));
    const QString p = bar < 0 ? text : text.left(bar);
    const QString q = bar < 0 ? QStringLiteral("1") : text.mid(text.lastIndexOf(QLatin1Char('/')) + 1);
    bool qNumber = false;
    const int numerator = p.toInt(); // 0 when not a number: refused below
    const int denominator = q.toInt(&qNumber);
    if (p.isEmpty() || q.isEmpty() || !qNumber || denominator == 0 || numerator == 0)
        return false;
    *ratio = double(numerator) / denominator;
    return true;
}

void decim2Frac(float x, int *n, int *d, int prec)
{
    *n = 1;
    *d = 0;
    if (!std::isfinite(x))
        return;
    if (std::fabs(x) >= float(INT_MAX)) {
        *n = x > 0 ? INT_MAX : -INT_MAX;
        *d = 1;
        return;
    }

    const float tolerance = std::pow(10.0f, -float(prec));
    // A float is a dyadic rational: its expansion ends within a few dozen terms. The terms are
    // computed in double: in single precision the remainders lose their sign once the convergents
    // pass 2^24, and the expansion would wander off.
    const int kMaxTermes = 64;
    const double xd = x;
    long long p0 = 0, q0 = 1, p1 = 1, q1 = 0;
    for (int terme = 0; terme < kMaxTermes; ++terme) {
        const double reste = double(q1) * xd - double(p1);
        if (reste == 0)
            return; // the current convergent is x itself
        const double a = std::floor((double(p0) - double(q0) * xd) / reste);
        if (!std::isfinite(a) || std::fabs(a) >= double(INT_MAX) || (terme > 0 && a < 1))
            return;
        const long long p = (long long)a * p1 + p0;
        const long long q = (long long)a * q1 + q0;
        if (q == 0)
            return;
        if (std::abs(p) > INT_MAX || std::abs(q) > INT_MAX)
            return;
        *n = int(p);
        *d = int(q);
        p0 = p1;
        q0 = q1;
        p1 = p;
        q1 = q;
        if (std::fabs(float(p) / float(q) - x) <= tolerance)
            return;
    }
}
