#include "modal/ModeChart.h"

#include <algorithm>
#include <cmath>

QPointF ModeChart::foot(float ratio)
{
    const double cents = 1200.0 * std::log(double(ratio)) / std::log(2.0);
    const double octave = std::floor(cents / 1200.0);
    const double x = kLeft + (kRight - kLeft) * (cents - 1200.0 * octave) / 1200.0;
    const double y = kBottom - kLineSpacing * octave;
    return QPointF(x, y);
}

double ModeChart::lineLength(float poids)
{
    // In double: the square of a large float weight stays finite.
    const double p2 = double(poids) * double(poids);
    return 10.0 * (p2 / (1.0 + p2) + 0.5);
}

bool ModeChart::placeable(float ratio)
{
    return ratio > 0.0f && std::isfinite(ratio) && double(ratio) < kLimit;
}

QVector<int> ModeChart::drawn(const QVector<Mode> &modes)
{
    QVector<int> indexes;
    for (int i = 0; i < modes.size(); ++i) {
        const float r = modes.at(i).freq;
        if (double(r) >= kLimit)
            break;
        if (placeable(r))
            indexes.append(i);
    }
    return indexes;
}

int ModeChart::markerX(double v)
{
    // The field only takes 0 … 1; whatever else it may hold stays a drawable integer.
    if (!std::isfinite(v))
        v = 0.0;
    v = std::max(-100.0, std::min(100.0, v));
    return kMarkerLeft + int(std::lround(kMarkerSpan * v));
}
