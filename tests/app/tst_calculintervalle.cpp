#include "app/CalculIntervalle.h"

#include <QtTest>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

class TestCalculIntervalle : public QObject
{
    Q_OBJECT

private slots:
    void fractionLue_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("lue");
        QTest::addColumn<double>("rapport");
        QTest::newRow("5/4") << "5/4" << true << 1.25;
        QTest::newRow("no bar: over 1") << "3" << true << 3.0;
        QTest::newRow("first and last bar") << "3/x/2" << true << 1.5;
        QTest::newRow("six digits") << "999999/999998" << true << 999999.0 / 999998.0;
        QTest::newRow("zero numerator") << "0/4" << false << 0.0;
        QTest::newRow("zero denominator") << "3/0" << false << 0.0;
        QTest::newRow("empty numerator") << "/4" << false << 0.0;
        QTest::newRow("empty denominator") << "3/" << false << 0.0;
        QTest::newRow("letters") << "a/b" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
    }

    void fractionLue()
    {
        QFETCH(QString, texte);
        QFETCH(bool, lue);
        QFETCH(double, rapport);
        double r = -1;
        QCOMPARE(parseFraction(texte, &r), lue);
        QCOMPARE(r, lue ? rapport : -1.0);
    }

    void fractionContinue_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("prec");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("d");
        QTest::newRow("fifth") << 1.5f << 5 << 3 << 2;
        QTest::newRow("third") << 1.25f << 5 << 5 << 4;
        QTest::newRow("unison") << 1.f << 5 << 1 << 1;
        QTest::newRow("tempered semitone") << 1.059463f << 5 << 196 << 185;
        QTest::newRow("700 cents") << 1.49831f << 5 << 442 << 295;
        QTest::newRow("702 cents") << 1.50004f << 5 << 18725 << 12483;
        QTest::newRow("octave") << 2.f << 5 << 2 << 1;
        QTest::newRow("largest decimal") << 120.f << 5 << 120 << 1;
        QTest::newRow("zero") << 0.f << 5 << 0 << 1;
        QTest::newRow("negative") << -1.5f << 5 << -3 << 2;
        QTest::newRow("tiny") << 1e-38f << 5 << 0 << 1;
        QTest::newRow("denormal") << std::numeric_limits<float>::denorm_min() << 5 << 0 << 1;
        QTest::newRow("billion") << 1e9f << 5 << 1000000000 << 1;
        QTest::newRow("float max saturates") << FLT_MAX << 5 << INT_MAX << 1;
        QTest::newRow("-float max saturates") << -FLT_MAX << 5 << -INT_MAX << 1;
        QTest::newRow("2^31 saturates") << 2147483648.f << 5 << INT_MAX << 1;
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 5 << 1 << 0;
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << 5 << 1 << 0;
        QTest::newRow("-infinity") << -std::numeric_limits<float>::infinity() << 5 << 1 << 0;
        QTest::newRow("one third, coarse") << 1.f / 3 << 1 << 1 << 3;
    }

    void fractionContinue()
    {
        QFETCH(float, x);
        QFETCH(int, prec);
        QFETCH(int, n);
        QFETCH(int, d);
        int rn = -7, rd = -7;
        decim2Frac(x, &rn, &rd, prec);
        QCOMPARE(rn, n);
        QCOMPARE(rd, d);
    }

    // Any float, any precision: the expansion ends, the denominator is positive, and the result is
    // within the tolerance or the closest convergent that fits in an int.
    void toujoursTermine()
    {
        QRandomGenerator hasard(42);
        for (int k = 0; k < 20000; ++k) {
            quint32 bits = hasard.generate();
            float x;
            std::memcpy(&x, &bits, sizeof x);
            const int prec = int(hasard.bounded(0, 12));
            int n = 0, d = 0;
            decim2Frac(x, &n, &d, prec);
            if (!std::isfinite(x)) {
                QCOMPARE(d, 0);
                continue;
            }
            QVERIFY2(d > 0, qPrintable(QString::number(double(x), 'g', 9)));
            if (std::fabs(x) < 1e6f && std::fabs(x) > 1e-3f && prec <= 5)
                QVERIFY2(std::fabs(float(n) / float(d) - x) <= std::pow(10.f, -float(prec)) * 1.0001f,
                         qPrintable(QString::number(double(x), 'g', 9)));
        }
    }

    void unites()
    {
        QCOMPARE(centsParUnite(0), 1.0);
        QCOMPARE(centsParUnite(1), 3.986313713864742);
        QCOMPARE(centsParUnite(2), 23.46001038464901);
        QCOMPARE(centsParUnite(-1), 1.0);
        // A Pythagorean comma, and an octave in savarts.
        QVERIFY(std::fabs(1200 * std::log2(531441.0 / 524288.0) - kCentsParComma) < 1e-9);
        QVERIFY(std::fabs(1200.0 / (1000 * std::log10(2.0)) - kCentsParSavart) < 1e-12);
    }
};

QTEST_APPLESS_MAIN(TestCalculIntervalle)
#include "tst_calculintervalle.moc"
