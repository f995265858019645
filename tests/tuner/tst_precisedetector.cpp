// The precise method on generated tones: its accuracy over the tuner's table of tones (sines and
// 5-harmonic tones from 41 to 2000 Hz, clean and in white noise at 20 dB, fixed seeds), no octave
// error on tones whose fundamental is weak or missing and on a stiff string's inharmonic partials,
// its range, and no pitch where there is none.

#include "tuner/PreciseDetector.h"

#include "tests/support/GeneratedTone.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using namespace zibtest;

namespace {

const int kRate = 44100;
const double kTable[] = {41.0, 55.0, 82.4, 110.0, 196.0, 261.6, 440.0, 659.3, 880.0, 1318.5, 2000.0};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : 0.5 * (v[m - 1] + v[m]);
}

/// The seed of a tone: each tone of a table its own noise and phases, the same at every run.
unsigned seedOf(int kind, double f, double snrDb)
{
    return unsigned(1000 * kind + std::lround(10 * f) + (std::isfinite(snrDb) ? 7 * std::lround(snrDb) : 0));
}

} // namespace

class TestPreciseDetector : public QObject
{
    Q_OBJECT

private slots:
    void precision_data();
    void precision();
    void sansErreurDOctave_data();
    void sansErreurDOctave();
    void sansHauteur_data();
    void sansHauteur();
    void plage_data();
    void plage();
    void preparation();
};

// Median and worst |error| over the 22 tones of the table, against the targets at N = 8192; the
// same tones at N = 4096 and 2048 within what their shorter buffers allow (the fundamental of the
// lowest tones lies too close to 0 Hz for the spectral stage: the period alone measures them).
void TestPreciseDetector::precision_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("snrDb");
    QTest::addColumn<double>("medianMax");
    QTest::addColumn<double>("worstMax");

    QTest::newRow("clean, N=8192") << 8192 << kClean << 0.05 << 0.5;
    QTest::newRow("20 dB, N=8192") << 8192 << 20.0 << 0.5 << 2.0;
    QTest::newRow("clean, N=4096") << 4096 << kClean << 0.05 << 0.5;
    QTest::newRow("20 dB, N=4096") << 4096 << 20.0 << 0.5 << 4.0;
    QTest::newRow("clean, N=2048") << 2048 << kClean << 0.05 << 0.5;
    QTest::newRow("20 dB, N=2048") << 2048 << 20.0 << 0.5 << 15.0;
}

void TestPreciseDetector::precision()
{
    QFETCH(int, n);
    QFETCH(double, snrDb);
    QFETCH(double, medianMax);
    QFETCH(double, worstMax);
    PreciseDetector d;
    QVERIFY(d.prepare(n));
    std::vector<double> errors;
    QStringList lines;
    for (GeneratedTone::Kind kind : {GeneratedTone::Sine, GeneratedTone::Harmonic}) {
        for (double f : kTable) {
            const GeneratedTone tone = generateTone(kind, f, kRate, n, snrDb, seedOf(kind, f, snrDb));
            const double found = d.estimate(tone.samples.data(), kRate);
            const double error = std::fabs(centsOff(found, tone.frequency));
            errors.push_back(error);
            lines << QStringLiteral("%1 %2 Hz: %3 Hz, %4 cents (bound %5)")
                         .arg(kindName(kind)).arg(f).arg(found, 0, 'f', 4).arg(error, 0, 'f', 4)
                         .arg(tone.crbCents, 0, 'f', 4);
        }
    }
    const double worst = *std::max_element(errors.begin(), errors.end());
    const QString all = lines.join(QLatin1Char('\n'));
    QVERIFY2(median(errors) <= medianMax, qPrintable(QStringLiteral("median %1\n").arg(median(errors)) + all));
    QVERIFY2(worst <= worstMax, qPrintable(QStringLiteral("worst %1\n").arg(worst) + all));
}

// Every kind of tone over the table, with the precision at N = 8192 where the fundamental's
// peak, or its strongest harmonic's, is measured. At N = 4096 and 2048 the lowest tones are
// measured by their period alone, which a stiff string's partials, each a little sharper than
// the last, pull about 10 cents sharp (not an octave).
void TestPreciseDetector::sansErreurDOctave_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("snrDb");
    QTest::addColumn<double>("tolerance");

    const GeneratedTone::Kind kinds[] = {GeneratedTone::Sine, GeneratedTone::Harmonic,
                                         GeneratedTone::MissingFundamental, GeneratedTone::WeakFundamental,
                                         GeneratedTone::Inharmonic};
    for (GeneratedTone::Kind kind : kinds) {
        const QByteArray name = kindName(kind).toUtf8();
        QTest::addRow("%s, clean, N=8192", name.constData()) << int(kind) << 8192 << kClean << 0.05;
        QTest::addRow("%s, 20 dB, N=8192", name.constData()) << int(kind) << 8192 << 20.0 << 2.0;
        for (int n : {4096, 2048}) {
            QTest::addRow("%s, clean, N=%d", name.constData(), n) << int(kind) << n << kClean << 15.0;
            QTest::addRow("%s, 20 dB, N=%d", name.constData(), n) << int(kind) << n << 20.0 << 15.0;
        }
    }
}

void TestPreciseDetector::sansErreurDOctave()
{
    QFETCH(int, kind);
    QFETCH(int, n);
    QFETCH(double, snrDb);
    QFETCH(double, tolerance);
    PreciseDetector d;
    QVERIFY(d.prepare(n));
    for (double f : kTable) {
        const GeneratedTone tone =
            generateTone(GeneratedTone::Kind(kind), f, kRate, n, snrDb, seedOf(kind, f, snrDb) + 17);
        const double found = d.estimate(tone.samples.data(), kRate);
        const double error = centsOff(found, tone.frequency);
        QVERIFY2(std::fabs(error) <= tolerance,
                 qPrintable(QStringLiteral("%1 Hz read %2 Hz, %3 cents off").arg(f).arg(found).arg(error)));
    }
}

// No pitch: 0 Hz, never an infinity, a NaN, or the octave below of a tone above the range.
void TestPreciseDetector::sansHauteur_data()
{
    QTest::addColumn<QString>("signal");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("niveau");

    for (int n : {512, 2048, 8192}) {
        QTest::addRow("silence, N=%d", n) << "silence" << n << 0.0;
        QTest::addRow("constant, N=%d", n) << "constant" << n << 1000.0;
        QTest::addRow("one impulse, N=%d", n) << "impulse" << n << 20000.0;
        QTest::addRow("alternating at fech/2, N=%d", n) << "alternating" << n << 1000.0;
        QTest::addRow("6000 Hz sine, above the range, N=%d", n) << "6000" << n << 10000.0;
        for (double sigma : {3.0, 300.0, 8000.0})
            QTest::addRow("white noise of RMS %g, N=%d", sigma, n) << "noise" << n << sigma;
    }
    QTest::newRow("20 Hz sine, below the range, N=8192") << "20" << 8192 << 10000.0;
    QTest::newRow("22000 Hz sine, by fech/2, N=64") << "22000" << 64 << 10000.0;
    QTest::newRow("30 Hz sine, below the range at N=2048") << "30" << 2048 << 10000.0;
}

void TestPreciseDetector::sansHauteur()
{
    QFETCH(QString, signal);
    QFETCH(int, n);
    QFETCH(double, niveau);
    std::vector<qint16> x(std::size_t(n), 0);
    std::mt19937 generator(unsigned(n + niveau));
    std::normal_distribution<double> gauss(0.0, niveau > 0 ? niveau : 1.0);
    for (int i = 0; i < n; ++i) {
        double v = 0;
        if (signal == "constant")
            v = niveau;
        else if (signal == "impulse")
            v = i == n / 3 ? niveau : 0.0;
        else if (signal == "alternating")
            v = i % 2 ? niveau : -niveau;
        else if (signal == "noise")
            v = std::max(-32768.0, std::min(32767.0, gauss(generator)));
        else if (signal != "silence")
            v = niveau * std::sin(2.0 * 3.14159265358979323846 * signal.toDouble() * i / kRate + 0.3);
        x[std::size_t(i)] = qint16(v);
    }
    PreciseDetector d;
    QVERIFY(d.prepare(n));
    const float f = d.estimate(x.data(), kRate);
    QVERIFY(std::isfinite(f));
    QCOMPARE(f, 0.0f);
}

// The periods the method searches: at most 2N/3 samples and 1/25 s, at least fech/5000 samples
// and 8 samples. A tone just inside is found, a tone just outside is not taken for another.
void TestPreciseDetector::plage_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("fech");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");

    QTest::newRow("8192 at 44100 Hz: 1764 lags") << 8192 << 44100 << 25.0 << 5512.5;
    QTest::newRow("4096 at 44100 Hz: 1764 lags") << 4096 << 44100 << 25.0 << 5512.5;
    QTest::newRow("2048 at 44100 Hz: 1365 lags") << 2048 << 44100 << 44100.0 / 1365 << 5512.5;
    QTest::newRow("512 at 44100 Hz: 341 lags") << 512 << 44100 << 44100.0 / 341 << 5512.5;
    QTest::newRow("1024 at 48000 Hz: 682 lags, 9 at the least") << 1024 << 48000 << 48000.0 / 682 << 48000.0 / 9;
    QTest::newRow("8192 at 22050 Hz: 8 lags at the least") << 8192 << 22050 << 25.0 << 22050.0 / 8;
    QTest::newRow("64 at 8000 Hz: 42 lags") << 64 << 8000 << 8000.0 / 42 << 1000.0;
}

void TestPreciseDetector::plage()
{
    QFETCH(int, n);
    QFETCH(int, fech);
    QFETCH(double, lowest);
    QFETCH(double, highest);
    QCOMPARE(PreciseDetector::lowestFrequency(n, fech), lowest);
    QCOMPARE(PreciseDetector::highestFrequency(n, fech), highest);

    PreciseDetector d;
    QVERIFY(d.prepare(n));
    for (GeneratedTone::Kind kind : {GeneratedTone::Sine, GeneratedTone::Harmonic}) {
        const GeneratedTone inside = generateTone(kind, lowest * 1.03, fech, n, kClean, 3);
        const double found = d.estimate(inside.samples.data(), fech);
        QVERIFY2(std::fabs(centsOff(found, inside.frequency)) < 15.0, qPrintable(QString::number(found)));
        const GeneratedTone below = generateTone(kind, lowest * 0.9, fech, n, kClean, 3);
        QCOMPARE(d.estimate(below.samples.data(), fech), 0.0f);
    }
    // Above the range, a sine is not taken for its octave below either.
    const GeneratedTone above = generateTone(GeneratedTone::Sine, highest * 1.1, fech, n, kClean, 3);
    QCOMPARE(d.estimate(above.samples.data(), fech), 0.0f);
}

// Lengths that are no power of two or lie outside 64 … 8192 prepare nothing; without preparation,
// or without a rate, there is no pitch.
void TestPreciseDetector::preparation()
{
    const GeneratedTone tone = generateTone(GeneratedTone::Sine, 440.0, kRate, 8192, kClean, 1);
    PreciseDetector d;
    QCOMPARE(d.estimate(tone.samples.data(), kRate), 0.0f);
    for (int n : {600, 32, 16384, 0, -512}) {
        const QString message = QStringLiteral("nombre de points non valide %1$").arg(n);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(message));
        QVERIFY(!d.prepare(n));
        QCOMPARE(d.nbPoints(), 0);
        QCOMPARE(d.estimate(tone.samples.data(), kRate), 0.0f);
    }
    QVERIFY(d.prepare(8192));
    QCOMPARE(d.estimate(tone.samples.data(), 0), 0.0f);
    QCOMPARE(d.estimate(tone.samples.data(), -44100), 0.0f);
    QCOMPARE(d.estimate(nullptr, kRate), 0.0f);
    QVERIFY(std::fabs(d.estimate(tone.samples.data(), kRate) - 440.0f) < 1e-3f);
    // A shorter length reads only its first samples.
    QVERIFY(d.prepare(1024));
    QCOMPARE(d.nbPoints(), 1024);
    QVERIFY(std::fabs(d.estimate(tone.samples.data(), kRate) - 440.0f) < 1e-2f);
    d.release();
    QCOMPARE(d.estimate(tone.samples.data(), kRate), 0.0f);
}

QTEST_GUILESS_MAIN(TestPreciseDetector)
#include "tst_precisedetector.moc"
