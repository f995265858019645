#include "synth/Sample16.h"
#include "synth/ShapePhase.h"
#include "synth/WaveShapes.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

class TestWaveShapes : public QObject
{
    Q_OBJECT

private slots:
    void saturation_data();
    void saturation();
    void formesUnitaires_data();
    void formesUnitaires();
    void picsDeLecture_data();
    void picsDeLecture();
    void valeursDuFichier_data();
    void valeursDuFichier();
    void phaseReduiteAChaquePeriode();
    void codes();
    void saturationParBlocs_data();
    void saturationParBlocs();
};

void TestWaveShapes::saturation_data()
{
    QTest::addColumn<double>("valeur");
    QTest::addColumn<int>("attendu");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("truncation toward zero, positive") << 0.9 << 0;
    QTest::newRow("truncation toward zero, negative") << -0.9 << 0;
    QTest::newRow("-300.7") << -300.7 << -300;
    QTest::newRow("32767.9") << 32767.9 << 32767;
    QTest::newRow("32768 would wrap") << 32768.0 << 32767;
    QTest::newRow("40000") << 40000.0 << 32767;
    QTest::newRow("-32768.9") << -32768.9 << -32768;
    QTest::newRow("-40000") << -40000.0 << -32768;
    QTest::newRow("beyond int") << 1e12 << 32767;
    QTest::newRow("+inf") << inf << 32767;
    QTest::newRow("-inf") << -inf << -32768;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestWaveShapes::saturation()
{
    QFETCH(double, valeur);
    QFETCH(int, attendu);
    QCOMPARE(int(toSample16(valeur)), attendu);
    QCOMPARE(int(toSample16(float(valeur))), attendu);
}

void TestWaveShapes::formesUnitaires_data()
{
    QTest::addColumn<int>("forme");
    QTest::addColumn<float>("u");
    QTest::addColumn<float>("attendu");

    QTest::newRow("triangle 0") << 1 << 0.f << 0.f;
    QTest::newRow("triangle 1/8") << 1 << 0.125f << 0.5f;
    QTest::newRow("triangle 1/4") << 1 << 0.25f << 1.f;
    QTest::newRow("triangle 1/2") << 1 << 0.5f << 0.f;
    QTest::newRow("triangle 3/4") << 1 << 0.75f << -1.f;
    QTest::newRow("triangle 7/8") << 1 << 0.875f << -0.5f;
    QTest::newRow("parabole 1/4") << 2 << 0.25f << 1.f;
    QTest::newRow("parabole 1/2") << 2 << 0.5f << 0.f;
    QTest::newRow("parabole 3/4") << 2 << 0.75f << -1.f;
    QTest::newRow("parabole 1/8") << 2 << 0.125f << 0.75f;
    QTest::newRow("carré 0") << 3 << 0.f << 1.f;
    QTest::newRow("carré 0.4999") << 3 << 0.4999f << 1.f;
    QTest::newRow("carré 1/2") << 3 << 0.5f << -1.f;
    QTest::newRow("rampe 1/4") << 4 << 0.25f << 0.5f;
    QTest::newRow("rampe 1/2") << 4 << 0.5f << -1.f;
    QTest::newRow("rampe 3/4") << 4 << 0.75f << -0.5f;
    QTest::newRow("sinus has no unit shape") << 0 << 0.25f << 0.f;
    QTest::newRow("unknown code") << 9 << 0.25f << 0.f;
}

void TestWaveShapes::formesUnitaires()
{
    QFETCH(int, forme);
    QFETCH(float, u);
    QFETCH(float, attendu);
    QCOMPARE(unitShape(forme, u), attendu);
}

void TestWaveShapes::picsDeLecture_data()
{
    QTest::addColumn<int>("forme");
    QTest::addColumn<float>("amplitude");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("min");

    QTest::newRow("square at 1") << 3 << 1.f << 16383 << -16383;
    QTest::newRow("ramp at 1") << 4 << 1.f << 22936 << -22936;
    QTest::newRow("triangle at 1") << 1 << 1.f << 32767 << -32767;
    QTest::newRow("parabola at 0.49") << 2 << 0.49f << 16055 << -16055;
}

void TestWaveShapes::picsDeLecture()
{
    QFETCH(int, forme);
    QFETCH(float, amplitude);
    QFETCH(int, max);
    QFETCH(int, min);

    // 1 Hz at 44100 Hz: two periods finely sampled, so the peaks are reached to within a unit.
    ShapePhase phase(1.f, 44100.f);
    int hi = -99999, lo = 99999;
    for (int n = 0; n < 88200; ++n) {
        const int v = toSample16(playbackValue(forme, amplitude, phase.nextFraction()));
        hi = std::max(hi, v);
        lo = std::min(lo, v);
    }
    QVERIFY2(hi <= max && hi >= max - 3, qPrintable(QString::number(hi)));
    QVERIFY2(lo >= min && lo <= min + 3, qPrintable(QString::number(lo)));
}

void TestWaveShapes::valeursDuFichier_data()
{
    QTest::addColumn<int>("forme");
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("attendu");

    QTest::newRow("square high") << 3 << 0.1f << 25600;
    QTest::newRow("square low") << 3 << 0.6f << -25600;
    QTest::newRow("ramp bottom") << 4 << 0.5f << -28800;
    QTest::newRow("ramp 1/4") << 4 << 0.25f << 14400;
    QTest::newRow("triangle top") << 1 << 0.25f << 32767;
    QTest::newRow("parabola bottom") << 2 << 0.75f << -32000;
    QTest::newRow("unknown code") << 7 << 0.25f << 0;
}

void TestWaveShapes::valeursDuFichier()
{
    QFETCH(int, forme);
    QFETCH(float, u);
    QFETCH(int, attendu);
    QCOMPARE(int(toSample16(fileValue(forme, u))), attendu);
}

void TestWaveShapes::phaseReduiteAChaquePeriode()
{
    // 441 Hz at 44100 Hz: 100 samples per period (to within float rounding).
    ShapePhase phase(441.f, 44100.f);
    int retours = 0;
    float precedent = -1.f;
    for (int n = 0; n < 44100; ++n) {
        const float u = phase.nextFraction();
        QVERIFY(u >= 0.f && u < 1.f);
        if (n == 0)
            QCOMPARE(u, 0.f);
        if (u < precedent)
            ++retours;
        precedent = u;
    }
    QVERIFY2(std::abs(retours - 440) <= 1, qPrintable(QString::number(retours)));
}

void TestWaveShapes::codes()
{
    QCOMPARE(int(WaveShape::Sine), 0);
    QCOMPARE(int(WaveShape::Modal), 5);
    QVERIFY(isShapeCode(5) && !isShapeCode(6) && !isShapeCode(-1));
    QVERIFY(isPeriodicShape(4) && !isPeriodicShape(5));
    // The played sine at full amplitude never goes beyond 32767.
    for (qint64 n = 0; n < 1000; ++n)
        QVERIFY(playbackSine(1.f, 11025.f, 44100.f, n) <= 32767.0);
    QCOMPARE(int(toSample16(playbackSine(1.f, 11025.f, 44100.f, 1))), 32767);
}

void TestWaveShapes::saturationParBlocs_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<float>("gain");

    QTest::newRow("empty") << 0 << 1.f;
    QTest::newRow("7 values") << 7 << 25000.f;
    QTest::newRow("8 values") << 8 << 25000.f;
    QTest::newRow("1003 values") << 1003 << 49881.3f;
    QTest::newRow("negative gain") << 64 << -30000.f;
}

void TestWaveShapes::saturationParBlocs()
{
    QFETCH(int, n);
    QFETCH(float, gain);

    // Values around ±1.5 (beyond the range once scaled), with NaN and infinities among them.
    std::mt19937 gen(7);
    std::uniform_real_distribution<float> valeur(-1.5f, 1.5f);
    std::vector<float> in(n);
    for (float &v : in)
        v = valeur(gen);
    if (n > 5) {
        in[1] = std::numeric_limits<float>::quiet_NaN();
        in[3] = std::numeric_limits<float>::infinity();
        in[5] = -0.0f;
    }
    std::vector<qint16> out(n + 1, 4321);
    const float pic = scaleToSamples16(in.data(), n, gain, out.data());

    float attendu = 0.f;
    for (int k = 0; k < n; ++k) {
        const float s = gain * in[k];
        QCOMPARE(out[k], toSample16(s));
        if (std::fabs(s) > attendu)
            attendu = std::fabs(s);
    }
    QCOMPARE(pic, attendu);
    QCOMPARE(out[n], qint16(4321)); // nothing written past the end
}

QTEST_APPLESS_MAIN(TestWaveShapes)
#include "tst_waveshapes.moc"
