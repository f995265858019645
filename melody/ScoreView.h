#ifndef SCOREVIEW_H
#define SCOREVIEW_H

#include "intervals/Interval.h"

#include <QList>
#include <QWidget>

class QTableWidget;

/// The score of the melody editor, a piano roll: time to the right (160 pixels a beat at zoom
/// 1), pitch upward (102 pixels an octave), a dashed grid every half beat and every 200 cents
/// with labels pinned to the visible edges, each note a red bar, the selected one outlined in
/// yellow. The editor sets every field and asks for the repaints; the notes are read from its
/// table at each paint.
class ScoreView : public QWidget
{
    Q_OBJECT

public:
    explicit ScoreView(QWidget *parent = nullptr);

    float duree = 0;            ///< beats; nothing is drawn at 0
    int nbNotes = 0;            ///< rows of tabl drawn
    int octMin = 0;             ///< lowest octave shown
    int octMax = 0;             ///< highest octave shown
    QTableWidget *tabl = nullptr; ///< the notes: date, degree and octave spin boxes, duration
    const QList<Interval> *degres = nullptr; ///< sizes of the degrees
    int echelle = 1;            ///< zoom, 1 … 4: a beat is 160 / echelle pixels
    int debutDate = 0;          ///< horizontal scroll position, pixels
    int debutInterv = 0;        ///< vertical scroll position, pixels
    int hauteur = 0;            ///< drawing height, pixels

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif
