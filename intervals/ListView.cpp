#include "intervals/ListView.h"

#include "intervals/ListInterv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char *const kNoteLabels[12] = {QT_TRANSLATE_NOOP("ListView", "Do"), "", QT_TRANSLATE_NOOP("ListView", "Ré"), "",
                                     QT_TRANSLATE_NOOP("ListView", "Mi"), QT_TRANSLATE_NOOP("ListView", "Fa"), "",
                                     QT_TRANSLATE_NOOP("ListView", "Sol"), "", QT_TRANSLATE_NOOP("ListView", "La"), "",
                                     QT_TRANSLATE_NOOP("ListView", "Si")};

constexpr int kLeastSide = 250;

/// The point at r pixels from the centre (c, c) in the direction of x cents: 0 at the top,
/// clockwise, 1200 cents a turn.
QPointF onCircle(double c, double r, double cents)
{
    const double phi = (cents / 600.0 - 0.5) * M_PI;
    return QPointF(c + r * std::cos(phi), c + r * std::sin(phi));
}

void radialSegment(QPainter &p, double c, double from, double to, double cents)
{
    p.drawLine(onCircle(c, from, cents), onCircle(c, to, cents));
}

} // namespace

constexpr float ListView::transpoCents[4];

ListView::ListView(QWidget *parent)
    : QWidget(parent)
{
    titre = new QLabel(tr("Représentation circulaire"), this);
    titre->setObjectName(QStringLiteral("titreVue"));
    titre->setAlignment(Qt::AlignHCenter);
    transposeBox = new QCheckBox(tr("Transposer"), this);
    transposeBox->setObjectName(QStringLiteral("transposeBox"));
    transposeBox->setToolTip(tr("Transposer l'échelle pour visualiser la justesse des intervalles"));
    transpoCombo = new QComboBox(this);
    transpoCombo->setObjectName(QStringLiteral("transpoCombo"));
    transpoCombo->addItems({tr("Tierce pure 5/4"), tr("Quarte 4/3"), tr("Quinte 3/2"), tr("Sixte Min. Juste 8/5")});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(titre, 0, Qt::AlignHCenter);
    layout->addStretch(20);
    auto *row = new QHBoxLayout;
    row->addWidget(transposeBox);
    row->addWidget(transpoCombo);
    layout->addLayout(row);

    connect(transposeBox, &QCheckBox::toggled, this, qOverload<>(&QWidget::update));
    connect(transpoCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, qOverload<>(&QWidget::update));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ListView::minimumSizeHint() const
{
    // Square, so that the circle stays whole when the controls need more than 250 pixels.
    const QSize controls = layout()->minimumSize();
    const int side = std::max({kLeastSide, controls.width(), controls.height()});
    return QSize(side, side);
}

QSize ListView::sizeHint() const
{
    return minimumSizeHint();
}

void ListView::setSource(const ListInterv *liste, const QStandardItemModel *modele)
{
    m_liste = liste;
    m_modele = modele;
    update();
}

QString ListView::noteLabel(int k)
{
    return k >= 0 && k < 12 && *kNoteLabels[k] ? tr(kNoteLabels[k]) : QString();
}

float ListView::transposition() const
{
    const int k = transpoCombo->currentIndex();
    return k >= 0 && k < 4 ? transpoCents[k] : transpoCents[0];
}

QVector<bool> ListView::checkedPositions(const ListInterv &liste, const QStandardItemModel *modele)
{
    QVector<bool> checked(liste.liste.size(), false);
    if (!modele)
        return checked;
    int position = 0;
    for (int k = 0; k < ListInterv::kNbCategories; ++k) {
        const QStandardItem *category = modele->item(k);
        for (int r = 0; r < liste.nbCat[k]; ++r, ++position) {
            const QStandardItem *item = category ? category->child(r) : nullptr;
            if (position < checked.size() && item)
                checked[position] = item->checkState() == Qt::Checked;
        }
    }
    return checked;
}

void ListView::paintEvent(QPaintEvent *)
{
    if (!m_liste || m_liste->liste.isEmpty())
        return;
    QPainter p(this);
    const double c = width() / 2.0;
    const double r = std::ceil(c) - 40;
    drawScale(p, c, r);

    const QVector<bool> checked = checkedPositions(*m_liste, m_modele);
    p.setPen(QPen(Qt::red, 2));
    for (int k = 0; k < checked.size(); ++k) {
        if (checked[k])
            radialSegment(p, c, r - 20, r, m_liste->liste[k].cent);
    }
    const bool hasCurrent = courant >= 0 && courant < m_liste->liste.size();
    if (hasCurrent) {
        p.setPen(QPen(Qt::yellow, 2));
        radialSegment(p, c, r - 20, r, m_liste->liste[courant].cent);
    }
    if (transposeBox->isChecked() && hasCurrent)
        drawTransposition(p, c, r, checked);
}

void ListView::drawScale(QPainter &p, double c, double r)
{
    const QPointF centre(c, c);
    p.drawEllipse(centre, r, r);
    p.drawEllipse(centre, r - 20, r - 20);
    for (int k = 0; k < 12; ++k) {
        radialSegment(p, c, r, r + 5, 100.0 * k);
        const QPointF corner = onCircle(c, r + 12, 100.0 * k);
        const QRectF box(corner.x() - (k >= 6 ? 10 : 0), corner.y(), 15, 10);
        p.drawText(box, Qt::AlignCenter | Qt::TextDontClip, noteLabel(k));
        radialSegment(p, c, r, r + 3, 100.0 * k + 50);
    }
}

void ListView::drawTransposition(QPainter &p, double c, double r, const QVector<bool> &checked)
{
    const float t = transposition();
    const float current = m_liste->liste[courant].cent;

    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(c, c), r - 40, r - 40);
    radialSegment(p, c, r - 40, r - 50, t);

    const double pie = r - 80;
    p.setBrush(QBrush(Qt::green, Qt::Dense1Pattern));
    // Qt's angles are sixteenths of a degree, counter-clockwise from 3 o'clock; 4.8 per cent.
    p.drawPie(QRectF(c - pie, c - pie, 2 * pie, 2 * pie), int(1440 - 4.8 * current), -int(t / 600 * 2880));
    p.setBrush(Qt::NoBrush);

    p.setPen(QPen(Qt::green, 2));
    for (int k = 0; k < checked.size(); ++k) {
        if (checked[k])
            radialSegment(p, c, r - 40, r - 20, m_liste->liste[k].cent + t);
    }
    p.setPen(QPen(Qt::black, 1));
    radialSegment(p, c, 0, 20, current);
    radialSegment(p, c, 0, 20, current + t);
    p.setPen(QPen(Qt::yellow, 2));
    radialSegment(p, c, r - 40, r - 20, current + t);
}
