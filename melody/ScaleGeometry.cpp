#include "melody/ScaleGeometry.h"

QLineF ScaleGeometry::middleLine() const
{
    const double y = tickHeight() / 2.0 + 8;
    return QLineF(0, y, largeur, y);
}

QRectF ScaleGeometry::nameRect(int i) const
{
    return QRectF(i * semitone() - 6, 0, 12, 8);
}

QLineF ScaleGeometry::semitoneTick(int i) const
{
    const double xi = i * semitone();
    return QLineF(xi, 8, xi, tickHeight() + 8);
}

QLineF ScaleGeometry::quarterToneTick(int i) const
{
    const double xi = (i + 0.5) * semitone();
    const double h = tickHeight();
    return QLineF(xi, h / 4 + 8, xi, 3 * h / 4 + 8);
}

QLineF ScaleGeometry::degreeTick(float cents) const
{
    const double h = tickHeight();
    return QLineF(x(cents), h / 8 + 8, x(cents), 7 * h / 8 + 8);
}

QRectF ScaleGeometry::selectionFrame(float cents) const
{
    const double h = tickHeight();
    return QRectF(x(cents) - 2, h / 8 + 8, 4, 3 * h / 4);
}

QLineF ScaleGeometry::selectionTop(float cents) const
{
    const double h = tickHeight();
    return QLineF(int(x(cents)), 8, int(x(cents)), int(h / 8 + 8));
}

QLineF ScaleGeometry::selectionBottom(float cents) const
{
    const double h = tickHeight();
    return QLineF(int(x(cents)), int(7 * h / 8 + 8), int(x(cents)), int(h + 8));
}
