// The level meter as drawn: the noise-floor zone in the button colour above and below the track,
// the white track, the red level bar, on the base colour.

#include "tuner/VuMetre.h"

#include <QtTest>

namespace {

/// The meter drawn with these values, 250 × 20 pixels.
QImage dessinDu(double niveau, double plancher)
{
    VuMetre v;
    QPalette p = v.palette();
    p.setColor(QPalette::Button, QColor(10, 200, 30));
    p.setColor(QPalette::Base, QColor(0, 0, 255));
    v.setPalette(p);
    v.setLevel(niveau);
    v.setNoiseFloor(plancher);
    return v.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

const QColor kBouton(10, 200, 30);
const QColor kFond(0, 0, 255);

} // namespace

class TestVuMetre : public QObject
{
    Q_OBJECT

private slots:
    void etatInitial();
    void valeursGardees();
    void dessin_data();
    void dessin();
};

void TestVuMetre::etatInitial()
{
    VuMetre v;
    QCOMPARE(v.size(), QSize(250, 20));
    QCOMPARE(v.level(), 0.0);
    QCOMPARE(v.noiseFloor(), 0.1);
    QCOMPARE(v.backgroundRole(), QPalette::Base);
    QVERIFY(v.autoFillBackground());
}

void TestVuMetre::valeursGardees()
{
    VuMetre v;
    v.setLevel(0.25);
    v.setNoiseFloor(0.75);
    QCOMPARE(v.level(), 0.25);
    QCOMPARE(v.noiseFloor(), 0.75);
}

// The floor zone is trunc(250 × floor) wide; the bar trunc(240 × level). Pixels are read inside
// each area, away from the black outlines.
void TestVuMetre::dessin_data()
{
    QTest::addColumn<double>("niveau");
    QTest::addColumn<double>("plancher");
    QTest::addColumn<int>("finPlancher");
    QTest::addColumn<int>("finBarre");

    QTest::newRow("level 0.5, floor 0.1") << 0.5 << 0.1 << 25 << 120;
    QTest::newRow("level 1, floor 0.5") << 1.0 << 0.5 << 125 << 240;
    QTest::newRow("level 0.2, floor 0.9") << 0.2 << 0.9 << 225 << 48;
    QTest::newRow("level above 1 drawn as 1") << 3.0 << 0.1 << 25 << 240;
    QTest::newRow("negative level drawn as 0") << -1.0 << 0.1 << 25 << 0;
}

void TestVuMetre::dessin()
{
    QFETCH(double, niveau);
    QFETCH(double, plancher);
    QFETCH(int, finPlancher);
    QFETCH(int, finBarre);

    const QImage image = dessinDu(niveau, plancher);
    QCOMPARE(image.size(), QSize(250, 20));
    // Above and below the track (rows 0 … 4 and 16 … 19): the floor zone, then the background.
    QCOMPARE(image.pixelColor(finPlancher / 2, 2), kBouton);
    QCOMPARE(image.pixelColor(finPlancher / 2, 17), kBouton);
    QCOMPARE(image.pixelColor(finPlancher - 2, 2), kBouton);
    if (finPlancher + 2 < 250) {
        QCOMPARE(image.pixelColor(finPlancher + 2, 2), kFond);
        QCOMPARE(image.pixelColor(248, 17), kFond);
    }
    // On the track (rows 5 … 15): red up to the bar's end, white after it.
    if (finBarre > 2) {
        QCOMPARE(image.pixelColor(finBarre / 2, 10), QColor(Qt::red));
        QCOMPARE(image.pixelColor(finBarre - 2, 10), QColor(Qt::red));
    }
    if (finBarre + 2 < 249)
        QCOMPARE(image.pixelColor(finBarre + 2, 10), QColor(Qt::white));
    // The track's outline is black.
    QCOMPARE(image.pixelColor(finBarre + 4 < 249 ? finBarre + 4 : 100, 5), QColor(Qt::black));
}

QTEST_MAIN(TestVuMetre)
#include "tst_vumetre.moc"
