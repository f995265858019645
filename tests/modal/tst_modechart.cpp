// Where the editor's chart puts each mode on its staff of octaves, how long its line is, which
// modes are drawn, and where the percussion marker stands.

#include "modal/ModeChart.h"

#include <QtTest>

#include <cmath>

class TestModeChart : public QObject
{
    Q_OBJECT

private slots:
    void foot_data();
    void foot();
    void lineLength_data();
    void lineLength();
    void drawn_data();
    void drawn();
    void marker_data();
    void marker();
};

void TestModeChart::foot_data()
{
    QTest::addColumn<float>("ratio");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");

    QTest::newRow("fundamental") << 1.f << 430.0 << 325.0;
    QTest::newRow("fifth") << 1.5f << 430.0 + 132 * std::log2(1.5) << 325.0;
    QTest::newRow("free-free bar, mode 2") << 2.75654f << 430.0 + 132 * (std::log2(2.75654) - 1) << 310.0; // about 491
    QTest::newRow("octave starts the next line") << 2.f << 430.0 << 310.0;
    QTest::newRow("just below 64") << 63.9f << 430.0 + 132 * (std::log2(63.9) - 5) << 250.0;
    QTest::newRow("below the fundamental") << 0.75f << 430.0 + 132 * (std::log2(0.75) + 1) << 340.0;
}

void TestModeChart::foot()
{
    QFETCH(float, ratio);
    QFETCH(double, x);
    QFETCH(double, y);
    const QPointF p = ModeChart::foot(ratio);
    QVERIFY2(std::fabs(p.x() - x) < 0.02, qPrintable(QString::number(p.x(), 'f', 3)));
    QCOMPARE(p.y(), y);
}

void TestModeChart::lineLength_data()
{
    QTest::addColumn<float>("poids");
    QTest::addColumn<double>("length");

    QTest::newRow("0") << 0.f << 5.0;
    QTest::newRow("1") << 1.f << 10.0;
    QTest::newRow("-1") << -1.f << 10.0;
    QTest::newRow("3") << 3.f << 14.0;
    QTest::newRow("huge") << 1e30f << 15.0;
    QTest::newRow("largest float") << 3.4e38f << 15.0;
}

void TestModeChart::lineLength()
{
    QFETCH(float, poids);
    QFETCH(double, length);
    QCOMPARE(ModeChart::lineLength(poids), length);
}

void TestModeChart::drawn_data()
{
    QTest::addColumn<QVector<float>>("ratios");
    QTest::addColumn<QVector<int>>("indexes");

    QTest::newRow("all") << QVector<float>{1, 2.75654f, 5.40392f} << QVector<int>{0, 1, 2};
    QTest::newRow("70 then 3: neither") << QVector<float>{70, 3} << QVector<int>{};
    QTest::newRow("stops at 64") << QVector<float>{1, 2, 64, 3} << QVector<int>{0, 1};
    QTest::newRow("a row never given its ratio") << QVector<float>{1, 0, 3} << QVector<int>{0, 2};
    QTest::newRow("not a number") << QVector<float>{std::nanf(""), 2} << QVector<int>{1};
    QTest::newRow("none") << QVector<float>{} << QVector<int>{};
}

void TestModeChart::drawn()
{
    QFETCH(QVector<float>, ratios);
    QFETCH(QVector<int>, indexes);
    QVector<Mode> modes;
    for (float r : ratios) {
        Mode m;
        m.freq = r;
        modes << m;
    }
    QCOMPARE(ModeChart::drawn(modes), indexes);
}

void TestModeChart::marker_data()
{
    QTest::addColumn<double>("point");
    QTest::addColumn<int>("x");

    QTest::newRow("0.3") << 0.3 << 616;
    QTest::newRow("0") << 0.0 << 578;
    QTest::newRow("1") << 1.0 << 705;
    QTest::newRow("half rounds away") << 0.5 << 642;
    QTest::newRow("not a number") << std::nan("") << 578;
    QTest::newRow("absurd") << 1e300 << 578 + 12700;
}

void TestModeChart::marker()
{
    QFETCH(double, point);
    QFETCH(int, x);
    QCOMPARE(ModeChart::markerX(point), x);
}

QTEST_GUILESS_MAIN(TestModeChart)
#include "tst_modechart.moc"
