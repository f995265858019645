#include "tuner/VuMetre.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

double unitInterval(double v)
{
    return std::isfinite(v) ? std::min(std::max(v, 0.0), 1.0) : 0.0;
}

} // namespace

VuMetre::VuMetre(QWidget *parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFixedSize(250, 20);
}

void VuMetre::setLevel(double value)
{
    m_level = value;
}

void VuMetre::setNoiseFloor(double value)
{
    m_noiseFloor = value;
}

void VuMetre::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    const QRect vue = painter.viewport();
    const int x0 = vue.left();
    const int y0 = vue.top();
    const int x1 = vue.right();
    const int y1 = vue.bottom();
    const int w = vue.width();

    // The noise floor: what shows of it are the bands above and below the track.
    const int bruit = int(w * unitInterval(m_noiseFloor));
    if (bruit > 0) {
        painter.setPen(QPen());
        painter.setBrush(palette().color(QPalette::Button));
        painter.drawRect(x0, y0, bruit, y1 - y0);
    }

    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(x0, y0 + 5, x1 - x0, (y1 - 5) - (y0 + 5));

    const int barre = int((w - 10) * unitInterval(m_level));
    if (barre > 0) {
        painter.setBrush(Qt::red);
        painter.drawRect(x0, y0 + 5, barre, (y1 - 5) - (y0 + 5));
    }
}
