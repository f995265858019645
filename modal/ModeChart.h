#ifndef MODECHART_H
#define MODECHART_H

#include "modal/Mode.h"

#include <QPointF>
#include <QRect>
#include <QVector>

/// Geometry of the model editor's chart: the modes on a staff of six octaves, one horizontal
/// line per octave, and the marker of the percussion point under the structure's picture.
/// Coordinates are pixels of the editor as first laid out at its nominal width of 733 pixels;
/// the editor shifts them to where its layout puts the chart (MMod_Dom::chartOffset).
class ModeChart
{
public:
    static constexpr int kLeft = 430;       ///< x of the staff's start (the "Do" of every octave)
    static constexpr int kRight = 562;      ///< x of its end, one octave further
    static constexpr int kBottom = 325;     ///< y of the lowest line, octave 0 (ratios 1 to 2)
    static constexpr int kLineSpacing = 15; ///< pixels from one octave's line to the next
    static constexpr int kLines = 6;
    static constexpr int kSemitone = 11;    ///< pixels per semitone: 132 per octave
    static constexpr double kLimit = 64.0;  ///< the first ratio at or above it ends the drawing
    static constexpr int kMarkerLeft = 578; ///< marker x for the point 0
    static constexpr int kMarkerSpan = 127; ///< pixels from the point 0 to the point 1
    static constexpr int kMarkerBase = 165; ///< y of the marker's foot; its tip is at 156

    /// Where the staff, its ticks, its labels and the tallest lines and frames lie.
    static QRect staffFrame() { return QRect(418, 234, 158, 106); }

    /// y of the line of octave o (0 … 5).
    static int lineY(int octave) { return kBottom - kLineSpacing * octave; }

    /// Foot of the line of a mode of ratio r: c = 1200·log2 r cents, o = ⌊c/1200⌋,
    /// x = 430 + 132·(c − 1200·o)/1200, y = 325 − 15·o. Ratios below 1 fall under the staff.
    static QPointF foot(float ratio);

    /// Length of a mode's line for weight p: 10·(p²/(1 + p²) + 0.5), from 5 (p = 0) to 15 pixels.
    static double lineLength(float poids);

    /// The modes drawn, as indexes into modes: in order, up to the first ratio ≥ 64 (excluded,
    /// with all that follow). Ratios that are not positive finite numbers (a row whose frequency
    /// was never typed) have no place on the staff and are passed over.
    static QVector<int> drawn(const QVector<Mode> &modes);

    /// Whether a ratio can be framed as the current mode: a positive finite number below 64.
    static bool placeable(float ratio);

    /// x of the percussion marker for the point v: 578 + round(127·v).
    static int markerX(double v);
};

#endif
