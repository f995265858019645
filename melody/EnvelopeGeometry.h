#ifndef ENVELOPEGEOMETRY_H
#define ENVELOPEGEOMETRY_H

#include <QLine>
#include <QPair>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QVector>

/// Where the envelope drawing goes: a grey box of 294 × 65 pixels whose top-left corner is
/// origin, a dashed grid in quarters, and the envelope as a polyline from the zero line at the
/// left edge, through each point (time across, gain up, 1 at the top), to the zero line at the
/// right edge. Gains above 1 draw above the box.
class EnvelopeGeometry
{
public:
    static constexpr int kWidth = 294;
    static constexpr int kHeight = 65;

    QPoint origin;

    /// y of the zero line.
    int baseline() const { return origin.y() + kHeight; }
    QRect box() const { return QRect(origin, QSize(kWidth, kHeight)); }
    /// The three horizontal and three vertical grid lines, as (start, end) pairs.
    QVector<QLine> grid() const;
    /// The polyline through the rows of (time, amplitude) texts, in their order; rows with an
    /// empty text are left out. No row: no polyline.
    QPolygon polyline(const QVector<QPair<QString, QString>> &rows) const;
};

#endif
