#include "app/CalculIntervalle.h"

#include <climits>
#include <cstdlib>
#include <cmath>

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
