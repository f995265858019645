#include "intervals/Justesse.h"

#include <cmath>

float calcEcartJustesse(const QList<Interval> &liste, int p, float t)
{
    if (p < 0 || p >= liste.size())
        return 0;
    const float x = t + liste.at(p).cent;
    const float m = std::fmod(x, 1200.0f);
    float best = m - liste.at(0).cent;
    if (std::fabs(best) > 1200)
        return 1200;
    const int last = liste.size() - 1;
    for (int j = 1; j <= last; ++j) {
        const float e = m - liste.at(j).cent;
        if (std::fabs(e) > std::fabs(best) || (j == last && std::fabs(e) == std::fabs(best)))
            break;
        best = e;
    }
    return best;
}
