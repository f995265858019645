#include "melody/ScoreGeometry.h"

#include "melody/MelodyRules.h"

#include <QString>

#include <cmath>

int ScoreGeometry::widgetWidth(float duree, int echelle)
{
    if (!(duree > 0.0f) || echelle < 1)
        return 0;
    return pixel(std::ceil(double(duree) / echelle) * kBeatWidth);
}

int ScoreGeometry::drawingHeight(int octMin, int octMax)
{
    return pixel((double(octMax) + 1 - double(octMin)) * kOctaveHeight);
}

int ScoreGeometry::width() const
{
    return pixel(double(duree) * kBeatWidth / echelle);
}

int ScoreGeometry::octaves() const
{
    return octMax + 1 - octMin;
}

QVector<int> ScoreGeometry::timeLines() const
{
    QVector<int> xs;
    const int w = width();
    const float step = 80.0f / float(echelle);
    if (!(step < float(w)))
        return xs;
    for (int k = 1; float(k) * step < float(w); ++k)
        xs.append(pixel(double(float(k) * step)));
    return xs;
}

QString ScoreGeometry::timeLabel(int k)
{
    return QString::number(k * 0.5, 'f', 1);
}

QRect ScoreGeometry::timeLabelRect(int x, int debutInterv)
{
    return QRect(QPoint(x - 12, debutInterv + 2), QPoint(x + 11, debutInterv + 10));
}

QVector<int> ScoreGeometry::pitchLines() const
{
    QVector<int> ys;
    for (int j = 0; j < 6 * octaves(); ++j)
        ys.append(hauteur - 17 * j);
    return ys;
}

int ScoreGeometry::pitchLabel(int j) const
{
    return octMin * 1200 + 200 * j;
}

QRect ScoreGeometry::pitchLabelRect(int y, int debutDate)
{
    const int t = int(double(y) - 4.5);
    return QRect(QPoint(debutDate + 1, t), QPoint(debutDate + 24, t + 8));
}

QRect ScoreGeometry::noteBar(float date, float dur, int oct, float cents) const
{
    const double beat = double(kBeatWidth) / echelle;
    const int x = pixel(double(date) * beat);
    const int w = pixel(double(dur) * beat);
    const double pitch = double(oct) * 1200 + double(cents);
    const int yn = pixel(hauteur * pitch / (octaves() * 1200.0) - octMin * kOctaveHeight);
    return QRect(x, hauteur - 2 - yn, w, 4);
}

QPoint ScoreGeometry::notePoint(float date, int zoom, int oct, float cents) const
{
    const int x = pixel(double(date) * kBeatWidth / zoom);
    const double pitch = double(oct) * 1200 + double(cents);
    const int y = pixel(pitch * hauteur / (octaves() * 1200.0) - octMin * kOctaveHeight);
    return QPoint(x, hauteur - y);
}
