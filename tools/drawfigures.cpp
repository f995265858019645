// Draws the pictures of data/figures/ (the fork, the six waveforms and the eleven vibrating
// structures) and the program's icon at 48, 128 and 256 pixels under data/icons/. Run it from the
// project root after changing a drawing:
//     cmake --build build --target drawfigures && build/tools/drawfigures data/figures data/icons

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace {

const QColor kInk(30, 40, 90);
const QColor kMaterial(150, 110, 60);

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

void save(const QImage &image, const QString &folder, const char *name)
{
    image.save(QDir(folder).filePath(QString::fromLatin1(name)));
}

QImage fork()
{
    QImage image = canvas(50, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 100), 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath prongs;
    prongs.moveTo(15, 6);
    prongs.lineTo(15, 30);
    prongs.quadTo(15, 40, 25, 40);
    prongs.quadTo(35, 40, 35, 30);
    prongs.lineTo(35, 6);
    p.drawPath(prongs);
    p.drawLine(25, 40, 25, 55);
    p.setPen(QPen(kInk, 1));
    for (int k = 0; k < 3; ++k) {
        p.drawArc(38 + 3 * k, 8 - 2 * k, 6, 14 + 4 * k, -60 * 16, 120 * 16);
        p.drawArc(6 - 3 * k, 8 - 2 * k, 6, 14 + 4 * k, 120 * 16, 120 * 16);
    }
    return image;
}

/// One period and a half of a waveform u ↦ [−1, 1], u in periods.
QImage wave(const std::function<double(double)> &shape)
{
    QImage image = canvas(90, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.drawLine(0, 20, 90, 20);
    p.setPen(QPen(kInk, 2));
    QPainterPath trace;
    for (int x = 2; x <= 88; ++x) {
        const double u = (x - 2) / 86.0 * 2.0;
        const QPointF point(x, 20 - 15 * shape(u));
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

enum class End { Free, Supported, Clamped };

void drawEnd(QPainter &p, End end, double x, double y, bool left)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    switch (end) {
    case End::Free:
        break;
    case End::Supported: {
        const QPointF triangle[3] = {{x, y + 3}, {x - 7, y + 15}, {x + 7, y + 15}};
        p.drawPolygon(triangle, 3);
        p.drawLine(QPointF(x - 10, y + 15), QPointF(x + 10, y + 15));
        break;
    }
    case End::Clamped: {
        const double wall = left ? x - 4 : x + 4;
        p.drawLine(QPointF(wall, y - 16), QPointF(wall, y + 16));
        for (double h = y - 14; h <= y + 14; h += 5) {
            const double dx = left ? -6 : 6;
            p.drawLine(QPointF(wall, h), QPointF(wall + dx, h + 5));
        }
        break;
    }
    }
}

/// A string (thin line) or a bar (thick beam) between two end conditions, with its first mode.
QImage structure(bool bar, End left, End right)
{
    QImage image = canvas(150, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double x0 = 20, x1 = 130, y = 30;
    p.setPen(QPen(kMaterial, bar ? 7 : 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    p.setPen(QPen(QColor(120, 150, 220), 1, Qt::DashLine));
    QPainterPath mode;
    for (int i = 0; i <= 40; ++i) {
        const double u = i / 40.0;
        double shape = std::sin(M_PI * u);
        if (left == End::Free && right == End::Free)
            shape = std::cos(2 * M_PI * u);
        else if (right == End::Free)
            shape = std::sin(M_PI * u / 2);
        else if (left == End::Free)
            shape = std::cos(M_PI * u / 2);
        const QPointF point(x0 + u * (x1 - x0), y - 12 * shape);
        if (i == 0)
            mode.moveTo(point);
        else
            mode.lineTo(point);
    }
    p.drawPath(mode);
    drawEnd(p, left, x0, y, true);
    drawEnd(p, right, x1, y, false);
    return image;
}

/// A ring: a string or bar closed on itself, without ends.
QImage ring(bool bar)
{
    QImage image = canvas(150, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kMaterial, bar ? 6 : 2));
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

/// The program's icon at size × size pixels: the fork, white, ringing on a blue tile.
QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    QLinearGradient tile(0, 0, 0, 256);
    tile.setColorAt(0, QColor(60, 80, 160));
    tile.setColorAt(1, kInk);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 40, 40);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 22, Qt::SolidLine, Qt::RoundCap));
    QPainterPath prongs;
    prongs.moveTo(98, 40);
    prongs.lineTo(98, 130);
    prongs.quadTo(98, 168, 128, 168);
    prongs.quadTo(158, 168, 158, 130);
    prongs.lineTo(158, 40);
    p.drawPath(prongs);
    p.drawLine(128, 168, 128, 222);
    p.setPen(QPen(QColor(250, 210, 90), 8, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k) {
        const QRectF right(176 + 14 * k, 56 - 10 * k, 24, 70 + 20 * k);
        const QRectF left(56 - 14 * k, 56 - 10 * k, 24, 70 + 20 * k);
        p.drawArc(right, -60 * 16, 120 * 16);
        p.drawArc(left, 120 * 16, 120 * 16);
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    save(fork(), folder, "diapason_tn.png");

    save(wave([](double u) { return std::sin(2 * M_PI * u); }), folder, "sine.png");
    save(wave([](double u) {
               const double v = fraction(u);
               return v < 0.25 ? 4 * v : v < 0.75 ? 2 - 4 * v : 4 * v - 4;
           }),
           folder, "triangle.png");
    save(wave([](double u) {
               const double v = fraction(u);
               return v < 0.5 ? 8 * v - 16 * v * v : 16 * v * v - 24 * v + 8;
           }),
           folder, "parabola.png");
    save(wave([](double u) { return fraction(u) < 0.5 ? 0.8 : -0.8; }), folder, "square.png");
    save(wave([](double u) {
               const double v = fraction(u);
               return v < 0.5 ? 2 * v : 2 * v - 2;
           }),
           folder, "ramp.png");
    save(wave([](double u) {
               const double t = u / 2;
               return std::exp(-2.5 * t) *
                      (0.7 * std::sin(2 * M_PI * u) + 0.3 * std::sin(2 * M_PI * 2.76 * u));
           }),
           folder, "synthmod.png");

    save(structure(false, End::Supported, End::Supported), folder, "cordeApAp.png");
    save(structure(false, End::Supported, End::Free), folder, "cordeApLib.png");
    save(structure(false, End::Free, End::Free), folder, "cordeLibLib.png");
    save(ring(false), folder, "cordeSansBord.png");
    save(structure(true, End::Clamped, End::Clamped), folder, "barreEncEnc.png");
    save(structure(true, End::Clamped, End::Supported), folder, "barreEncAp.png");
    save(structure(true, End::Supported, End::Supported), folder, "barreApAp.png");
    save(structure(true, End::Clamped, End::Free), folder, "barreEncLib.png");
    save(structure(true, End::Supported, End::Free), folder, "barreApLib.png");
    save(structure(true, End::Free, End::Free), folder, "barreLibLib.png");
    save(ring(true), folder, "barreSansBord.png");

    if (argc > 2) {
        const QString icons = QString::fromLocal8Bit(argv[2]);
        for (int size : {48, 128, 256}) {
            const QString apps = QStringLiteral("%1/hicolor/%2x%2/apps").arg(icons).arg(size);
            QDir().mkpath(apps);
            save(icon(size), apps, "io.github.zibdiapason.Zib.png");
        }
    }
    return 0;
}
