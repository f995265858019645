#include "intervals/NearestDegree.h"

#include "intervals/ListInterv.h"

#include <cmath>

NearestDegree NearestDegree::find(const ListInterv &liste, double tonic, double freq)
{
    NearestDegree nearest;
    if (!(tonic > 0) || !(freq > 0) || !std::isfinite(tonic) || !std::isfinite(freq))
        return nearest;
    const double above = 1200.0 * std::log2(freq / tonic); // cents above the tonic
    double best = INFINITY;
    for (int i = 0; i < liste.liste.size(); ++i) {
        const double cent = liste.liste.at(i).cent;
        if (!std::isfinite(cent))
            continue;
        const double octaves = std::round((above - cent) / 1200.0);
        const double deviation = above - cent - 1200.0 * octaves;
        if (std::fabs(deviation) < std::fabs(best)) {
            best = deviation;
            nearest.index = i;
            nearest.frequency = tonic * std::exp2((cent + 1200.0 * octaves) / 1200.0);
            nearest.deviation = deviation;
        }
    }
    return nearest;
}
