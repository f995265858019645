#ifndef SCOREGEOMETRY_H
#define SCOREGEOMETRY_H

#include <QRect>
#include <QVector>

/// Where the score (a piano roll: time to the right, pitch upward) draws its grid and its notes,
/// in the score widget's pixels. A beat is 160 / echelle pixels wide, an octave 102 pixels high
/// (200 cents are 17 pixels); the lowest octave shown is octMin, the highest octMax.
class ScoreGeometry
{
public:
    static constexpr int kBeatWidth = 160;  ///< pixels per beat at zoom 1
    static constexpr int kOctaveHeight = 102; ///< pixels per octave

    float duree = 0;  ///< beats
    int echelle = 1;  ///< zoom factor, 1 … 4
    int octMin = 0;
    int octMax = 0;
    int hauteur = 0;  ///< drawing height, pixels

    /// Widget width, ⌈duree / echelle⌉ × 160 pixels.
    static int widgetWidth(float duree, int echelle);

    /// Drawing height for an octave range, (octMax + 1 − octMin) × 102 pixels, at most kMaxPixel
    /// (ranges are bounded by scoreOctave; this keeps any other from overflowing).
    static int drawingHeight(int octMin, int octMax);

    /// W: the melody's length, duree × 160 / echelle rounded.
    int width() const;

    /// K: the number of octaves shown.
    int octaves() const;

    /// x of the vertical grid lines, one every half beat, below W.
    QVector<int> timeLines() const;

    /// Label of time line k (1-based): k × 0.5 beats with one decimal ("0.5", "1.0" …).
    static QString timeLabel(int k);

    /// Rectangle of the label of the time line at x, debutInterv being the vertical scroll
    /// position, so the labels stay at the top of the visible part.
    static QRect timeLabelRect(int x, int debutInterv);

    /// y of the horizontal grid lines, one every 200 cents from the bottom (j = 0 … 6K − 1).
    QVector<int> pitchLines() const;

    /// Label of pitch line j: octMin × 1200 + 200 × j cents.
    int pitchLabel(int j) const;

    /// Rectangle of the label of the pitch line at y, debutDate being the horizontal scroll
    /// position, so the labels stay at the left of the visible part.
    static QRect pitchLabelRect(int y, int debutDate);

    /// The bar of a note: w pixels long (its duration) and 4 high, its top at H − 2 − yn, yn the
    /// height of oct × 1200 + cents over the octaves shown.
    QRect noteBar(float date, float dur, int oct, float cents) const;

    /// The point the scroll area brings into view when a note is selected: x of its date at zoom
    /// z, and y = hauteur − the height of its pitch.
    QPoint notePoint(float date, int zoom, int oct, float cents) const;
};

#endif
