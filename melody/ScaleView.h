#ifndef SCALEVIEW_H
#define SCALEVIEW_H

#include "intervals/Interval.h"

#include <QList>
#include <QWidget>

/// One octave of the interval list, 0 to 1200 cents across: the semitone names, dashed semitone
/// and quarter-tone ticks, a red tick for each degree and a yellow frame around the degree of
/// the selected note.
class ScaleView : public QWidget
{
    Q_OBJECT

public:
    explicit ScaleView(QWidget *parent = nullptr);

    int largeur = 300; ///< pixels
    int hauteur = 32;  ///< pixels
    int degreSel = -1; ///< degree framed in yellow; −1 for none
    const QList<Interval> *degres = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif
