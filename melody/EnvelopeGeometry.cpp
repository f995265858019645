#include "melody/EnvelopeGeometry.h"

#include "melody/MelodyRules.h"

#include <QLine>

QVector<QLine> EnvelopeGeometry::grid() const
{
    QVector<QLine> lines;
    const int x0 = origin.x();
    const int y0 = origin.y();
    for (const int a : {roundHalfAway(kHeight / 4.0), roundHalfAway(kHeight / 2.0),
                        roundHalfAway(3 * kHeight / 4.0)})
        lines.append(QLine(x0, y0 + a, x0 + kWidth, y0 + a));
    for (const int b : {roundHalfAway(kWidth / 4.0), roundHalfAway(kWidth / 2.0),
                        roundHalfAway(3 * kWidth / 4.0)})
        lines.append(QLine(x0 + b, y0, x0 + b, baseline()));
    return lines;
}

QPolygon EnvelopeGeometry::polyline(const QVector<QPair<QString, QString>> &rows) const
{
    QPolygon line;
    if (rows.isEmpty())
        return line;
    const int yb = baseline();
    line << QPoint(origin.x(), yb);
    for (const auto &row : rows) {
        if (row.first.isEmpty() || row.second.isEmpty())
            continue;
        line << QPoint(origin.x() + pixel(double(cellValue(row.first)) * kWidth),
                       yb - pixel(double(cellValue(row.second)) * kHeight));
    }
    line << QPoint(origin.x() + kWidth, yb);
    return line;
}
