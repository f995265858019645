// The degree of a list nearest to a pitch, the list played on a tonic in any octave: the target of
// a tuner that tunes a temperament.

#include "intervals/ListInterv.h"
#include "intervals/NearestDegree.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const int kBornes[8] = {200, 400, 500, 700, 900, 1100, 1200, 1250};

/// Werckmeister III as shipped: the twelve degrees and the octave, in cents.
ListInterv werckmeister()
{
    ListInterv l;
    const double cents[] = {0, 90.225, 192.18, 294.135, 390.225, 498.045, 588.27, 696.09, 792.18, 888.27, 996.09, 1092.18, 1200};
    for (double c : cents) {
        Interval i;
        i.cent = float(c);
        i.frac = float(std::exp2(c / 1200));
        i.desc = QString::number(c);
        l.addInterv(&i, kBornes);
    }
    return l;
}

double at(double tonic, double cents)
{
    return tonic * std::exp2(cents / 1200);
}

} // namespace

class TestNearestDegree : public QObject
{
    Q_OBJECT

private slots:
    void nearest_data()
    {
        QTest::addColumn<double>("freq");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("target");
        QTest::addColumn<double>("deviation");
        const double c4 = 261.626;
        QTest::newRow("E, on it") << at(c4, 390.225) << 4 << at(c4, 390.225) << 0.0;
        QTest::newRow("E, 3 cents sharp") << at(c4, 393.225) << 4 << at(c4, 390.225) << 3.0;
        QTest::newRow("E two octaves down") << at(c4, 390.225 - 2400) << 4 << at(c4, 390.225 - 2400) << 0.0;
        QTest::newRow("A three octaves up, 10 flat") << at(c4, 888.27 + 3600 - 10) << 9 << at(c4, 888.27 + 3600) << -10.0;
        // Half way between E♭ and E (342.18 cents): E♭, the first of two as near.
        QTest::newRow("half way goes to the first") << at(c4, 342.18) << 3 << at(c4, 294.135) << 48.045;
        // Just below the tonic: the unison an octave up is the octave's 0 cents, not 1200.
        QTest::newRow("just below C") << at(c4, -20) << 0 << c4 << -20.0;
        // The octave and the unison are one pitch class: the unison, first, an octave up.
        QTest::newRow("just above B") << at(c4, 1170) << 0 << at(c4, 1200) << -30.0;
    }

    void nearest()
    {
        QFETCH(double, freq);
        QFETCH(int, index);
        QFETCH(double, target);
        QFETCH(double, deviation);
        const NearestDegree n = NearestDegree::find(werckmeister(), 261.626, freq);
        QCOMPARE(n.index, index);
        QVERIFY2(std::fabs(n.frequency - target) < 1e-3, qPrintable(QString::number(n.frequency, 'f', 4)));
        QVERIFY2(std::fabs(n.deviation - deviation) < 1e-3, qPrintable(QString::number(n.deviation, 'f', 4)));
    }

    void noTarget_data()
    {
        QTest::addColumn<double>("tonic");
        QTest::addColumn<double>("freq");
        QTest::addColumn<bool>("empty");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("empty list") << 261.626 << 440.0 << true;
        QTest::newRow("no pitch") << 261.626 << 0.0 << false;
        QTest::newRow("negative") << 261.626 << -440.0 << false;
        QTest::newRow("NaN pitch") << 261.626 << nan << false;
        QTest::newRow("no tonic") << 0.0 << 440.0 << false;
        QTest::newRow("infinite tonic") << double(INFINITY) << 440.0 << false;
    }

    void noTarget()
    {
        QFETCH(double, tonic);
        QFETCH(double, freq);
        QFETCH(bool, empty);
        const NearestDegree n = NearestDegree::find(empty ? ListInterv() : werckmeister(), tonic, freq);
        QCOMPARE(n.index, -1);
        QCOMPARE(n.frequency, 0.0);
    }
};

QTEST_APPLESS_MAIN(TestNearestDegree)
#include "tst_nearestdegree.moc"
