#ifndef SCALEGEOMETRY_H
#define SCALEGEOMETRY_H

#include <QLineF>
#include <QRectF>

/// Where the scale strip draws one octave, 0 to 1200 cents across its width: the semitone and
/// quarter-tone ticks, the degree ticks and the frame of the selected degree. The top 8 pixels
/// hold the semitone names; the ticks use the h = height − 8 pixels below.
class ScaleGeometry
{
public:
    int largeur = 300; ///< pixels
    int hauteur = 32;  ///< pixels

    /// Pixels per semitone.
    double semitone() const { return largeur / 12.0; }
    int tickHeight() const { return hauteur - 8; }

    /// x of a size in cents; sizes above 1200 fall outside the strip.
    double x(float cents) const { return largeur * double(cents) / 1200.0; }

    /// The dashed middle line.
    QLineF middleLine() const;
    /// Rectangle of the name of semitone i (0 … 11).
    QRectF nameRect(int i) const;
    QLineF semitoneTick(int i) const;
    QLineF quarterToneTick(int i) const;
    /// The red tick of a degree of that size.
    QLineF degreeTick(float cents) const;
    /// The yellow frame around the selected degree's tick, and the two lines above and below it.
    QRectF selectionFrame(float cents) const;
    QLineF selectionTop(float cents) const;
    QLineF selectionBottom(float cents) const;
};

#endif
