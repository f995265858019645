#include "synth/Oscil.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

class TestOscil : public QObject
{
    Q_OBJECT

private slots:
    void resonanceEtAmortissement_data();
    void resonanceEtAmortissement();
    void sansAmortissementC2VautMoinsUn();
    void sinusDuFichier_data();
    void sinusDuFichier();
    void sinusSatureSansRepliement_data();
    void sinusSatureSansRepliement();
    void longueurNulle();
};

// The ring of a resonator, started from y[0] = 1, y[−1] = 0, in double for measuring.
static std::vector<double> ring(const Oscil &o, int n)
{
    std::vector<double> y(n);
    double p = 1.0, q = 0.0;
    for (int k = 0; k < n; ++k) {
        y[k] = p;
        const double next = double(o.c1) * p + double(o.c2) * q;
        q = p;
        p = next;
    }
    return y;
}

void TestOscil::resonanceEtAmortissement_data()
{
    QTest::addColumn<float>("freq");
    QTest::addColumn<float>("amort");
    QTest::addColumn<float>("freqEch");

    QTest::newRow("440 Hz undamped") << 440.f << 0.f << 44100.f;
    QTest::newRow("1000 Hz, 5/s") << 1000.f << 5.f << 48000.f;
    QTest::newRow("100 Hz, 50/s at 22050") << 100.f << 50.f << 22050.f;
    QTest::newRow("5000 Hz, 20/s") << 5000.f << 20.f << 32000.f;
}

void TestOscil::resonanceEtAmortissement()
{
    QFETCH(float, freq);
    QFETCH(float, amort);
    QFETCH(float, freqEch);

    Oscil o;
    o.freq = freq;
    o.amort = amort;
    o.freqEch = freqEch;
    o.oscilFilt();

    // One second of ring: count the upward zero crossings (the frequency) and compare the
    // envelope at 0.5 s with e^(−amort·0.5).
    const int n = int(freqEch);
    const std::vector<double> y = ring(o, n);
    int montees = 0;
    for (int k = 1; k < n; ++k)
        montees += (y[k - 1] < 0 && y[k] >= 0) ? 1 : 0;
    QVERIFY2(std::abs(montees - freq) <= 1, qPrintable(QString::number(montees)));

    const int periode = int(std::ceil(freqEch / freq)) + 1;
    auto enveloppe = [&](int debut) {
        double m = 0;
        for (int k = debut; k < debut + periode; ++k)
            m = std::max(m, std::fabs(y[k]));
        return m;
    };
    const double attendu = std::exp(-amort * 0.5);
    const double mesure = enveloppe(n / 2) / enveloppe(0);
    QVERIFY2(std::fabs(mesure - attendu) < 0.02 * attendu + 0.005, qPrintable(QString::number(mesure)));
}

void TestOscil::sansAmortissementC2VautMoinsUn()
{
    for (float f : {10.f, 440.f, 1234.5f, 20000.f}) {
        Oscil o;
        o.freq = f;
        o.oscilFilt();
        QCOMPARE(o.c2, -1.0f);
    }
    const Oscil parDefaut;
    QCOMPARE(parDefaut.freqEch, 44100.f);
    QCOMPARE(parDefaut.c1, 0.f);
}

// The file sine: the undamped ring started from y[0] = 0, y[−1] = −θ.
static std::vector<short> sinusFichier(float freq, float freqEch, int n)
{
    Oscil o;
    o.freq = freq;
    o.freqEch = freqEch;
    std::vector<short> s(n, 12345);
    o.oscilSynth(0.0f, -float(2.0 * M_PI) * freq / freqEch, n, s.data());
    return s;
}

void TestOscil::sinusDuFichier_data()
{
    QTest::addColumn<float>("freq");
    QTest::addColumn<float>("freqEch");
    QTest::addColumn<int>("pic"); // 32500·θ/sin θ

    QTest::newRow("440 Hz") << 440.f << 44100.f << 32521;
    QTest::newRow("10 Hz") << 10.f << 44100.f << 32500;
    QTest::newRow("1 Hz at 48000") << 1.f << 48000.f << 32500;
    QTest::newRow("1000 Hz") << 1000.f << 44100.f << 32610;
    QTest::newRow("100 Hz at 22050") << 100.f << 22050.f << 32504;
    QTest::newRow("1550 Hz, just below saturation") << 1550.f << 44100.f << 32765;
}

void TestOscil::sinusDuFichier()
{
    QFETCH(float, freq);
    QFETCH(float, freqEch);
    QFETCH(int, pic);

    const int n = int(freqEch);
    const std::vector<short> s = sinusFichier(freq, freqEch, n);
    QCOMPARE(s[0], short(0));
    const auto mm = std::minmax_element(s.begin(), s.end());
    QVERIFY2(std::abs(*mm.second - pic) <= 3, qPrintable(QString::number(*mm.second)));
    QVERIFY2(std::abs(*mm.first + pic) <= 3, qPrintable(QString::number(*mm.first)));

    // Sample by sample against the closed form 32500·(θ/sin θ)·sin(kθ), θ the float angle that
    // starts the ring, over the whole second.
    const double theta = double(float(2.0 * M_PI) * freq / freqEch);
    const double angle = 2.0 * M_PI * freq / freqEch;
    for (int k = 0; k < n; ++k) {
        const double attendu = 32500.0 * theta / std::sin(angle) * std::sin(k * angle);
        if (std::fabs(s[k] - attendu) > 1.5)
            QFAIL(qPrintable(QStringLiteral("sample %1: %2 instead of %3").arg(k).arg(s[k]).arg(attendu)));
    }
}

void TestOscil::sinusSatureSansRepliement_data()
{
    QTest::addColumn<float>("freq");
    QTest::addColumn<float>("freqEch");

    QTest::newRow("1600 Hz at 44100") << 1600.f << 44100.f;
    QTest::newRow("3000 Hz at 44100") << 3000.f << 44100.f;
    QTest::newRow("10000 Hz at 44100") << 10000.f << 44100.f;
    QTest::newRow("1800 Hz at 48000") << 1800.f << 48000.f;
    QTest::newRow("900 Hz at 22050") << 900.f << 22050.f;
}

void TestOscil::sinusSatureSansRepliement()
{
    QFETCH(float, freq);
    QFETCH(float, freqEch);

    const int n = int(freqEch);
    const std::vector<short> s = sinusFichier(freq, freqEch, n);
    QCOMPARE(*std::max_element(s.begin(), s.end()), short(32767));
    QCOMPARE(*std::min_element(s.begin(), s.end()), short(-32768));

    const double theta = double(float(2.0 * M_PI) * freq / freqEch);
    const double angle = 2.0 * M_PI * freq / freqEch;
    for (int k = 0; k < n; ++k) {
        const double v = 32500.0 * theta / std::sin(angle) * std::sin(k * angle);
        const double attendu = std::max(-32768.0, std::min(32767.0, v));
        if (std::fabs(s[k] - attendu) > 1.5)
            QFAIL(qPrintable(QStringLiteral("sample %1: %2 instead of %3").arg(k).arg(s[k]).arg(attendu)));
        // A wrapped peak would sit between neighbours of the other sign.
        if (theta < 0.5 && k > 0 && k + 1 < n && std::abs(s[k]) >= 32000
            && (s[k - 1] * s[k] <= 0 || s[k + 1] * s[k] <= 0))
            QFAIL(qPrintable(QStringLiteral("sign flip at sample %1").arg(k)));
    }
}

void TestOscil::longueurNulle()
{
    Oscil o;
    o.freq = 440.f;
    short garde = 77;
    o.oscilSynth(1.0f, 0.0f, 0, &garde);
    QCOMPARE(garde, short(77));
    QVERIFY(o.c2 == -1.0f); // the coefficients are computed all the same
}

QTEST_APPLESS_MAIN(TestOscil)
#include "tst_oscil.moc"
