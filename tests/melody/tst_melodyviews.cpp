// The three drawings of the melody editor rendered into images and looked at where the score,
// the scale strip and the envelope put their lines, labels and bars.

#include "MelodyTest.h"

#include "melody/MelodyDlg.h"
#include "melody/ScaleView.h"
#include "melody/ScoreView.h"
#include "melody/NumericItem.h"

#include <QtTest>

#include <QPainter>
#include <QSpinBox>
#include <QTableWidget>

namespace {

const QColor kGrey(106, 104, 100);
const QColor kBlue(0, 0, 255);

QImage rendered(QWidget *w)
{
    QImage image(w->size(), QImage::Format_RGB32);
    image.fill(kBlue);
    w->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor at(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

bool columnHas(const QImage &image, int x, int y0, int y1, const QColor &c)
{
    for (int y = y0; y <= y1; ++y)
        if (at(image, x, y) == c)
            return true;
    return false;
}

// Text is drawn antialiased: its pixels are shades of green on the grey.
bool greenish(const QColor &c)
{
    return c.green() > c.red() + 30 && c.green() > c.blue() + 30;
}

// A window's grab comes a few units off the colours painted.
bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 4 && std::abs(a.green() - b.green()) <= 4 && std::abs(a.blue() - b.blue()) <= 4;
}

bool textIn(const QImage &image, const QRect &r)
{
    for (int y = std::max(0, r.top()); y <= std::min(image.height() - 1, r.bottom()); ++y)
        for (int x = std::max(0, r.left()); x <= std::min(image.width() - 1, r.right()); ++x)
            if (greenish(at(image, x, y)))
                return true;
    return false;
}

bool rowHas(const QImage &image, int y, int x0, int x1, const QColor &c)
{
    for (int x = x0; x <= x1; ++x)
        if (at(image, x, y) == c)
            return true;
    return false;
}

/// A notes table as the editor builds it: text cells and two spin boxes per row.
struct Notes
{
    QTableWidget table{0, 5};
    QList<Interval> degres;

    void add(float date, float dur, int deg, int oct)
    {
        const int r = table.rowCount();
        table.insertRow(r);
        table.setItem(r, 0, new NumericItem(QString::number(date)));
        table.setItem(r, 3, new NumericItem(QString::number(dur)));
        table.setItem(r, 4, new NumericItem(QStringLiteral("1")));
        auto *d = new QSpinBox;
        d->setRange(0, 99);
        d->setValue(deg);
        table.setCellWidget(r, 1, d);
        auto *o = new QSpinBox;
        o->setRange(-2, 2);
        o->setValue(oct);
        table.setCellWidget(r, 2, o);
    }
};

void setUp(ScoreView &v, Notes &n, float duree, int echelle = 1, int octMin = 0, int octMax = 0)
{
    v.duree = duree;
    v.echelle = echelle;
    v.octMin = octMin;
    v.octMax = octMax;
    v.hauteur = (octMax + 1 - octMin) * 102;
    v.tabl = &n.table;
    v.degres = &n.degres;
    v.nbNotes = n.table.rowCount();
    v.setFixedSize(std::max(1, int(std::ceil(duree / echelle)) * 160), v.hauteur + 3);
}

} // namespace

class TestMelodyViews : public QObject
{
    Q_OBJECT

private slots:
    void emptyScoreDrawsNothing();
    void timeGrid_data();
    void timeGrid();
    void pitchGrid();
    void labelsFollowTheScroll();
    void noteBars();
    void scaleStrip();
    void envelopeDrawing();
};

void TestMelodyViews::emptyScoreDrawsNothing()
{
    Notes n;
    n.add(0, 1, 0, 0);
    ScoreView v;
    setUp(v, n, 0);
    v.setFixedSize(320, 105);
    const QImage image = rendered(&v);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(at(image, x, y), kBlue);
}

void TestMelodyViews::timeGrid_data()
{
    QTest::addColumn<int>("echelle");
    QTest::addColumn<QVector<int>>("lines");

    QTest::newRow("zoom 1") << 1 << QVector<int>{80, 160, 240};
    QTest::newRow("zoom 2") << 2 << QVector<int>{40, 80, 120};
}

// 2 beats: a dashed white line every half beat, from y = 12 down, and none elsewhere.
void TestMelodyViews::timeGrid()
{
    QFETCH(int, echelle);
    QFETCH(QVector<int>, lines);
    Notes n;
    ScoreView v;
    setUp(v, n, 2, echelle);
    const QImage image = rendered(&v);
    const int w = 320 / echelle;
    for (int x = 0; x < w; ++x) {
        // Between the pitch lines (every 17 pixels from 102 up) and below the labels.
        const bool white = columnHas(image, x, 20, 33, Qt::white) || columnHas(image, x, 52, 67, Qt::white);
        QVERIFY2(white == lines.contains(x), qPrintable(QString::number(x)));
    }
    for (const int x : lines) {
        QVERIFY(!columnHas(image, x, 0, 10, Qt::white));
        // The label in green above the line: "0.5", "1.0", "1.5".
        QVERIFY2(textIn(image, QRect(QPoint(x - 12, 0), QPoint(x + 11, 12))), qPrintable(QString::number(x)));
    }
}

// One octave: the line at 102 green, the five others white, at 17-pixel steps.
void TestMelodyViews::pitchGrid()
{
    Notes n;
    ScoreView v;
    setUp(v, n, 2);
    const QImage image = rendered(&v);
    QVERIFY(rowHas(image, 102, 30, 300, Qt::green));
    QVERIFY(!rowHas(image, 102, 30, 75, Qt::white)); // left of the first time line
    // The labels 0 … 1000 at the left edge.
    QVERIFY(textIn(image, QRect(1, 97, 24, 9)));
    QVERIFY(textIn(image, QRect(1, 12, 24, 9)));
    for (const int y : {85, 68, 51, 34, 17}) {
        QVERIFY2(rowHas(image, y, 30, 300, Qt::white), qPrintable(QString::number(y)));
        QVERIFY(!rowHas(image, y + 1, 30, 70, Qt::white));
    }
    // No line left of x = 12: the labels sit there.
    QVERIFY(!rowHas(image, 85, 0, 10, Qt::white));
}

// The labels stay at the visible edges: at the top of the scrolled view, at its left.
void TestMelodyViews::labelsFollowTheScroll()
{
    Notes n;
    ScoreView v;
    setUp(v, n, 8, 1, -2, 2);
    v.debutDate = 400;
    v.debutInterv = 200;
    const QImage image = rendered(&v);
    // The labels of the pitch lines at x = 401 … 424, of the time lines at y = 202 … 210.
    QVERIFY(textIn(image, QRect(401, 350, 24, 70)));
    QVERIFY(!textIn(image, QRect(0, 350, 11, 70)));
    QVERIFY(textIn(image, QRect(68, 202, 24, 9)));
    QVERIFY(!textIn(image, QRect(68, 0, 24, 12)));
}

// Degree 0 at octave 0, date 1, 0.5 beat: a bar of 80 by 4 pixels from (160, 100), outlined
// in black, in yellow once its row is current.
void TestMelodyViews::noteBars()
{
    Notes n;
    n.degres = {{0, 1, QStringLiteral("unisson")}, {700, 1.5f, QStringLiteral("quinte")}};
    n.add(1, 0.5f, 0, 0);
    n.add(0, 0.5f, 1, 0);
    ScoreView v;
    setUp(v, n, 2);
    n.table.setCurrentCell(-1, -1);
    QImage image = rendered(&v);
    QCOMPARE(at(image, 200, 101), QColor(Qt::red));
    QCOMPARE(at(image, 200, 102), QColor(Qt::red));
    QCOMPARE(at(image, 200, 100), QColor(Qt::black));
    QCOMPARE(at(image, 200, 103), QColor(Qt::black));
    QCOMPARE(at(image, 160, 101), QColor(Qt::black));
    QCOMPARE(at(image, 239, 101), QColor(Qt::black));
    QVERIFY(at(image, 240, 101) != QColor(Qt::black) && at(image, 240, 101) != QColor(Qt::red));
    QVERIFY(at(image, 159, 101) != QColor(Qt::black));
    QVERIFY(at(image, 200, 99) != QColor(Qt::black));
    QVERIFY(at(image, 200, 104) != QColor(Qt::black));
    // The fifth: 102 × 700 / 1200 = 59.5, rounded to 60, so its top is at 102 − 2 − 60 = 40.
    QCOMPARE(at(image, 40, 41), QColor(Qt::red));
    QCOMPARE(at(image, 40, 40), QColor(Qt::black));

    n.table.setCurrentCell(0, 0);
    image = rendered(&v);
    QCOMPARE(at(image, 200, 100), QColor(Qt::yellow));
    QCOMPARE(at(image, 40, 40), QColor(Qt::black));
    n.table.setCurrentCell(1, 0);
    image = rendered(&v);
    QCOMPARE(at(image, 200, 100), QColor(Qt::black));
    QCOMPARE(at(image, 40, 40), QColor(Qt::yellow));

    // Rows past nbNotes are not drawn.
    v.nbNotes = 1;
    image = rendered(&v);
    QVERIFY(at(image, 40, 41) != QColor(Qt::red));
}

// 300 × 32: 25 pixels a semitone; a degree of 700 cents has its red tick at x = 175 from y = 11
// to 29; selected, a yellow frame around it and yellow lines from 8 to 11 and from 29 to 32.
void TestMelodyViews::scaleStrip()
{
    QList<Interval> degres{{0, 1, QString()}, {700, 1.5f, QString()}, {1300, 2.1f, QString()}};
    ScaleView v;
    v.degres = &degres;
    QCOMPARE(v.size(), QSize(300, 32));
    QImage image = rendered(&v);
    for (int y = 11; y < 29; ++y)
        QVERIFY2(at(image, 175, y) == QColor(Qt::red), qPrintable(QString::number(y)));
    QVERIFY(at(image, 174, 20) == QColor(Qt::red) && at(image, 176, 20) == QColor(Qt::red));
    QVERIFY(at(image, 175, 9) != QColor(Qt::red));
    QVERIFY(at(image, 175, 30) != QColor(Qt::red));
    QVERIFY(at(image, 178, 20) != QColor(Qt::red));
    QVERIFY(!columnHas(image, 170, 0, 31, Qt::red));
    // The grey strip, the names in green above the ticks, a semitone tick at x = 25.
    QCOMPARE(at(image, 150, 30), kGrey);
    QVERIFY(textIn(image, QRect(0, 0, 7, 8)));    // "Do"
    QVERIFY(textIn(image, QRect(169, 0, 12, 8))); // "Sol"
    QVERIFY(!textIn(image, QRect(19, 0, 12, 8))); // no name at the altered semitone
    QVERIFY(columnHas(image, 25, 9, 31, Qt::white));
    QVERIFY(!columnHas(image, 25, 0, 7, Qt::white));
    QVERIFY(columnHas(image, 37, 15, 25, Qt::white) || columnHas(image, 38, 15, 25, Qt::white));
    QVERIFY(!columnHas(image, 37, 9, 13, Qt::white) && !columnHas(image, 38, 9, 13, Qt::white));
    QVERIFY(!columnHas(image, 175, 0, 31, Qt::yellow));

    v.degreSel = 1;
    image = rendered(&v);
    QCOMPARE(at(image, 173, 20), QColor(Qt::yellow));
    QCOMPARE(at(image, 177, 20), QColor(Qt::yellow));
    QCOMPARE(at(image, 175, 11), QColor(Qt::yellow));
    QCOMPARE(at(image, 175, 29), QColor(Qt::yellow));
    QCOMPARE(at(image, 175, 9), QColor(Qt::yellow));
    QCOMPARE(at(image, 175, 31), QColor(Qt::yellow));
    QCOMPARE(at(image, 175, 20), QColor(Qt::red));

    v.degreSel = 3; // beyond the list: nothing is framed
    image = rendered(&v);
    QVERIFY(!rowHas(image, 20, 0, 299, Qt::yellow));
}

// The envelope drawn by the editor in its "Enveloppe" group: a grey box of 294 × 65 and, for the
// point (0.5, 1), a red polyline from the zero line up to (147, top) and down to the right edge.
void TestMelodyViews::envelopeDrawing()
{
    FakeMainWindow main;
    MelodyDlg d(&main, steps(3));
    d.show();
    QWidget *area = enfant<QWidget>(&d, "envelopeArea");
    QTableWidget *env = enfant<QTableWidget>(&d, "tablEnv");
    QCOMPARE(area->size(), QSize(295, 66));
    const QPoint o = area->mapTo(&d, QPoint(0, 0));
    const int yb = o.y() + 65;

    QImage image = d.grab().toImage();
    QVERIFY(near(at(image, o.x() + 10, o.y() + 10), kGrey));
    QVERIFY(near(at(image, o.x() + 293, o.y() + 64), kGrey));
    QVERIFY(!near(at(image, o.x() + 10, yb + 1), kGrey));
    auto whiteIn = [&](const QRect &r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (near(at(image, x, y), Qt::white))
                    return true;
        return false;
    };
    for (const int a : {16, 33, 49}) {
        QVERIFY(whiteIn(QRect(o.x() + 2, o.y() + a, 40, 1)));
        QVERIFY(!whiteIn(QRect(o.x() + 2, o.y() + a + 2, 40, 1)));
    }
    for (const int b : {74, 147, 221}) {
        QVERIFY(whiteIn(QRect(o.x() + b, o.y() + 2, 1, 12)));
        QVERIFY(!whiteIn(QRect(o.x() + b + 2, o.y() + 2, 1, 12)));
    }
    QVERIFY(!columnHas(image, o.x() + 147, o.y() - 5, yb + 1, Qt::red)); // no row, no polyline

    {
        const QSignalBlocker blocker(env);
        env->setRowCount(1);
        env->setItem(0, 0, new NumericItem(QStringLiteral("0.5")));
        env->setItem(0, 1, new NumericItem(QStringLiteral("1")));
    }
    image = d.grab().toImage();
    // Red around the apex (587, yb − 65), at the start (440, yb) and the end (734, yb).
    auto redNear = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (near(at(image, x + dx, y + dy), Qt::red))
                    return true;
        return false;
    };
    QVERIFY(redNear(o.x() + 147, yb - 65));
    QVERIFY(redNear(o.x() + 73, yb - 32));
    QVERIFY(redNear(o.x() + 220, yb - 32));
    QVERIFY(redNear(o.x() + 1, yb - 1));
    QVERIFY(redNear(o.x() + 293, yb - 1));
    QVERIFY(!redNear(o.x() + 147, yb - 30));
    QVERIFY(!redNear(o.x() + 20, yb - 50));
}

QTEST_MAIN(TestMelodyViews)
#include "tst_melodyviews.moc"
