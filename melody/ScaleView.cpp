#include "melody/ScaleView.h"

#include "melody/ScaleGeometry.h"

#include <QPainter>

namespace {

const QColor kGrey(106, 104, 100);

} // namespace

ScaleView::ScaleView(QWidget *parent)
    : QWidget(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setFixedSize(largeur, hauteur);
}

void ScaleView::paintEvent(QPaintEvent *)
{
    ScaleGeometry g;
    g.largeur = largeur;
    g.hauteur = hauteur;

    QPainter p(this);
    p.setBrush(kGrey);
    p.drawRect(0, 0, largeur, hauteur);
    p.setBrush(Qt::NoBrush);

    QPen dashed(Qt::white, 1, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin);
    p.setPen(dashed);
    p.drawLine(g.middleLine());

    const QString names[12] = {tr("Do"), QString(), tr("Ré"), QString(), tr("Mi"), tr("Fa"),
                               QString(), tr("Sol"), QString(), tr("La"), QString(), tr("Si")};
    p.setPen(Qt::green);
    p.setFont(QFont(QStringLiteral("Arial"), 7));
    for (int i = 0; i < 12; ++i)
        p.drawText(g.nameRect(i), Qt::AlignCenter | Qt::TextDontClip, names[i]);

    p.setPen(dashed);
    for (int i = 0; i < 12; ++i) {
        p.drawLine(g.semitoneTick(i));
        p.drawLine(g.quarterToneTick(i));
    }

    if (!degres)
        return;
    // Flat caps: the tick spans exactly its two ends.
    p.setPen(QPen(Qt::red, 3, Qt::SolidLine, Qt::FlatCap));
    for (const Interval &d : *degres)
        p.drawLine(g.degreeTick(d.cent));

    if (degreSel >= 0 && degreSel < degres->size()) {
        const float c = degres->at(degreSel).cent;
        p.setPen(QPen(Qt::yellow, 1));
        p.drawRect(g.selectionFrame(c));
        p.drawLine(g.selectionTop(c));
        p.drawLine(g.selectionBottom(c));
    }
}
