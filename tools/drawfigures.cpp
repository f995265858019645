// Draws the pictures of data/figures/: the fork, the six waveforms and the eleven vibrating
// structures. Run it from the project root after changing a drawing:
//     cmake --build build --target drawfigures && build/tools/drawfigures data/figures

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace {

const QColor kEncre(30, 40, 90);
const QColor kMatiere(150, 110, 60);

QImage toile(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

void sauver(const QImage &image, const QString &dossier, const char *nom)
{
    image.save(QDir(dossier).filePath(QString::fromLatin1(nom)));
}

QImage diapason()
{
    QImage image = toile(50, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 100), 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath fourche;
    fourche.moveTo(15, 6);
    fourche.lineTo(15, 30);
    fourche.quadTo(15, 40, 25, 40);
    fourche.quadTo(35, 40, 35, 30);
    fourche.lineTo(35, 6);
    p.drawPath(fourche);
    p.drawLine(25, 40, 25, 55);
    p.setPen(QPen(kEncre, 1));
    for (int k = 0; k < 3; ++k) {
        p.drawArc(38 + 3 * k, 8 - 2 * k, 6, 14 + 4 * k, -60 * 16, 120 * 16);
        p.drawArc(6 - 3 * k, 8 - 2 * k, 6, 14 + 4 * k, 120 * 16, 120 * 16);
    }
    return image;
}

/// One period and a half of a waveform u ↦ [−1, 1], u in periods.
QImage onde(const std::function<double(double)> &forme)
{
    QImage image = toile(90, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.drawLine(0, 20, 90, 20);
    p.setPen(QPen(kEncre, 2));
    QPainterPath trace;
    for (int x = 2; x <= 88; ++x) {
        const double u = (x - 2) / 86.0 * 2.0;
        const QPointF point(x, 20 - 15 * forme(u));
        if (x == 2)
            trace.moveTo(point);
        else
            trace.lineTo(point);
    }
    p.drawPath(trace);
    return image;
}

double fraction(double u)
{
    return u - std::floor(u);
}

enum class Bord { Libre, Appui, Encastrement };

void dessinerBord(QPainter &p, Bord bord, double x, double y, bool gauche)
{
    p.setPen(QPen(kEncre, 1.5));
    p.setBrush(Qt::NoBrush);
    switch (bord) {
    case Bord::Libre:
        break;
    case Bord::Appui: {
        const QPointF triangle[3] = {{x, y + 3}, {x - 7, y + 15}, {x + 7, y + 15}};
        p.drawPolygon(triangle, 3);
        p.drawLine(QPointF(x - 10, y + 15), QPointF(x + 10, y + 15));
        break;
    }
    case Bord::Encastrement: {
        const double mur = gauche ? x - 4 : x + 4;
        p.drawLine(QPointF(mur, y - 16), QPointF(mur, y + 16));
        for (double h = y - 14; h <= y + 14; h += 5) {
            const double dx = gauche ? -6 : 6;
            p.drawLine(QPointF(mur, h), QPointF(mur + dx, h + 5));
        }
        break;
    }
    }
}

/// A string (thin line) or a bar (thick beam) between two end conditions, with its first mode.
QImage structure(bool barre, Bord gauche, Bord droite)
{
    QImage image = toile(150, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double x0 = 20, x1 = 130, y = 30;
    p.setPen(QPen(kMatiere, barre ? 7 : 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    p.setPen(QPen(QColor(120, 150, 220), 1, Qt::DashLine));
    QPainterPath mode;
    for (int i = 0; i <= 40; ++i) {
        const double u = i / 40.0;
        double forme = std::sin(M_PI * u);
        if (gauche == Bord::Libre && droite == Bord::Libre)
            forme = std::cos(2 * M_PI * u);
        else if (droite == Bord::Libre)
            forme = std::sin(M_PI * u / 2);
        else if (gauche == Bord::Libre)
            forme = std::cos(M_PI * u / 2);
        const QPointF point(x0 + u * (x1 - x0), y - 12 * forme);
        if (i == 0)
            mode.moveTo(point);
        else
            mode.lineTo(point);
    }
    p.drawPath(mode);
    dessinerBord(p, gauche, x0, y, true);
    dessinerBord(p, droite, x1, y, false);
    return image;
}

/// A ring: a string or bar closed on itself, without ends.
QImage sansBord(bool barre)
{
    QImage image = toile(150, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kMatiere, barre ? 6 : 2));
    p.drawEllipse(QPointF(75, 30), 45, 20);
    p.setPen(QPen(QColor(120, 150, 220), 1, Qt::DashLine));
    QPainterPath mode;
    for (int i = 0; i <= 72; ++i) {
        const double a = 2 * M_PI * i / 72;
        const double r = 1 + 0.15 * std::cos(2 * a);
        const QPointF point(75 + 45 * r * std::cos(a), 30 + 20 * r * std::sin(a));
        if (i == 0)
            mode.moveTo(point);
        else
            mode.lineTo(point);
    }
    p.drawPath(mode);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dossier);

    sauver(diapason(), dossier, "diapason_tn.png");

    sauver(onde([](double u) { return std::sin(2 * M_PI * u); }), dossier, "sine.png");
    sauver(onde([](double u) {
               const double v = fraction(u);
               return v < 0.25 ? 4 * v : v < 0.75 ? 2 - 4 * v : 4 * v - 4;
           }),
           dossier, "triangle.png");
    sauver(onde([](double u) {
               const double v = fraction(u);
               return v < 0.5 ? 8 * v - 16 * v * v : 16 * v * v - 24 * v + 8;
           }),
           dossier, "parabola.png");
    sauver(onde([](double u) { return fraction(u) < 0.5 ? 0.8 : -0.8; }), dossier, "square.png");
    sauver(onde([](double u) {
               const double v = fraction(u);
               return v < 0.5 ? 2 * v : 2 * v - 2;
           }),
           dossier, "ramp.png");
    sauver(onde([](double u) {
               const double t = u / 2;
               return std::exp(-2.5 * t) *
                      (0.7 * std::sin(2 * M_PI * u) + 0.3 * std::sin(2 * M_PI * 2.76 * u));
           }),
           dossier, "synthmod.png");

    sauver(structure(false, Bord::Appui, Bord::Appui), dossier, "cordeApAp.png");
    sauver(structure(false, Bord::Appui, Bord::Libre), dossier, "cordeApLib.png");
    sauver(structure(false, Bord::Libre, Bord::Libre), dossier, "cordeLibLib.png");
    sauver(sansBord(false), dossier, "cordeSansBord.png");
    sauver(structure(true, Bord::Encastrement, Bord::Encastrement), dossier, "barreEncEnc.png");
    sauver(structure(true, Bord::Encastrement, Bord::Appui), dossier, "barreEncAp.png");
    sauver(structure(true, Bord::Appui, Bord::Appui), dossier, "barreApAp.png");
    sauver(structure(true, Bord::Encastrement, Bord::Libre), dossier, "barreEncLib.png");
    sauver(structure(true, Bord::Appui, Bord::Libre), dossier, "barreApLib.png");
    sauver(structure(true, Bord::Libre, Bord::Libre), dossier, "barreLibLib.png");
    sauver(sansBord(true), dossier, "barreSansBord.png");
    return 0;
}
