#include "melody/ScoreView.h"

#include "melody/MelodyRules.h"
#include "melody/ScoreGeometry.h"

#include <QPainter>
#include <QSpinBox>
#include <QTableWidget>

namespace {

const QColor kGrey(106, 104, 100);

int spinValue(QTableWidget *table, int row, int column)
{
    const auto *spin = qobject_cast<const QSpinBox *>(table->cellWidget(row, column));
    return spin ? spin->value() : 0;
}

} // namespace

ScoreView::ScoreView(QWidget *parent)
    : QWidget(parent)
{
}

void ScoreView::paintEvent(QPaintEvent *)
{
    if (!(duree > 0.0f))
        return;
    ScoreGeometry g;
    g.duree = duree;
    g.echelle = echelle;
    g.octMin = octMin;
    g.octMax = octMax;
    g.hauteur = hauteur;
    const int w = g.width();
    const int h = hauteur;

    QPainter p(this);
    p.fillRect(rect(), kGrey);
    p.setFont(QFont(QStringLiteral("Arial"), 8));
    const QPen white(Qt::white, 1, Qt::DashLine);

    const QVector<int> xs = g.timeLines();
    for (int k = 0; k < xs.size(); ++k) {
        p.setPen(white);
        p.drawLine(xs[k], h, xs[k], 12);
        p.setPen(Qt::green);
        p.drawText(ScoreGeometry::timeLabelRect(xs[k], debutInterv), Qt::AlignCenter | Qt::TextDontClip,
                   ScoreGeometry::timeLabel(k + 1));
    }

    const QVector<int> ys = g.pitchLines();
    for (int j = 0; j < ys.size(); ++j) {
        p.setPen(QPen(j % 6 == 0 ? Qt::green : Qt::white, 1, Qt::DashLine));
        p.drawLine(12, ys[j], w, ys[j]);
        p.setPen(Qt::green);
        p.drawText(ScoreGeometry::pitchLabelRect(ys[j], debutDate), Qt::AlignCenter | Qt::TextDontClip,
                   QString::number(g.pitchLabel(j)));
    }

    if (!tabl)
        return;
    const int current = tabl->currentRow();
    for (int r = 0; r < nbNotes && r < tabl->rowCount(); ++r) {
        const QTableWidgetItem *date = tabl->item(r, 0);
        if (!date)
            continue;
        const QTableWidgetItem *dur = tabl->item(r, 3);
        const int d = spinValue(tabl, r, 1);
        const float cents = degres && d >= 0 && d < degres->size() ? degres->at(d).cent : 0.0f;
        const QRect bar = g.noteBar(cellValue(date->text()), dur ? cellValue(dur->text()) : 0.0f,
                                    spinValue(tabl, r, 2), cents);
        if (bar.width() <= 0)
            continue;
        p.fillRect(bar, Qt::red);
        p.setPen(QPen(r == current ? Qt::yellow : Qt::black, 1, Qt::SolidLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(bar.adjusted(0, 0, -1, -1));
    }
}
