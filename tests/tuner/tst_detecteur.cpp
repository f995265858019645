#include "tuner/Detecteur.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;

// amplitude·sin(2π·f·i/fech + phase), truncated toward zero like every sample of the program.
std::vector<qint16> sine(double f, double amplitude, int fech, int n, double phase = 0.0)
{
    std::vector<qint16> x(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        x[std::size_t(i)] = qint16(amplitude * std::sin(2.0 * kPi * f * i / fech + phase));
    return x;
}

// Every harmonic below fech/2 at amplitude 1/h (a band-limited sawtooth), scaled to peak below
// the given amplitude.
std::vector<qint16> harmonicTone(double f, double amplitude, int fech, int n)
{
    std::vector<double> v(static_cast<std::size_t>(n), 0.0);
    for (int h = 1; h * f < fech / 2.0; ++h)
        for (int i = 0; i < n; ++i)
            v[std::size_t(i)] += std::sin(2.0 * kPi * h * f * i / fech + 0.4 * h) / h;
    double peak = 0;
    for (double a : v)
        peak = std::max(peak, std::fabs(a));
    std::vector<qint16> x(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        x[std::size_t(i)] = qint16(amplitude * v[std::size_t(i)] / peak);
    return x;
}

std::vector<qint16> plus(std::vector<qint16> a, const std::vector<qint16> &b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] = qint16(a[i] + b[i]);
    return a;
}

// Power |X[k]|² of the rectangular-window transform, summed directly in long double.
long double directPower(const std::vector<qint16> &x, int k)
{
    const long n = long(x.size());
    long double c = 0;
    long double s = 0;
    for (long j = 0; j < n; ++j) {
        const long double angle = 2 * 3.141592653589793238462643383279502884L * ((k * j) % n) / n;
        c += x[std::size_t(j)] * std::cos(angle);
        s += x[std::size_t(j)] * std::sin(angle);
    }
    return c * c + s * s;
}

} // namespace

class TestDetecteur : public QObject
{
    Q_OBJECT

private slots:
    void fenetre_data();
    void fenetre();
    void hannAuxExtremitesNulles();
    void fenetreNonDefinie();

    void la440();

    void egaliteDesMaxima_data();
    void egaliteDesMaxima();
    void sommeHarmoniqueSousNSur8();

    void sonsPurs_data();
    void sonsPurs();

    void entreesDegenerees_data();
    void entreesDegenerees();
    void sommetParabole_data();
    void sommetParabole();

    void lignesDeJournal();
    void preparation();
};

// Known values of each window: its first coefficient and its largest one (at the middle, c1 = −1,
// c2 = 1). The Blackman window as written peaks at 0.35857 + 0.500894 + 0.144232 = 1.003696.
void TestDetecteur::fenetre_data()
{
    QTest::addColumn<int>("fenType");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("premier");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("tolerance");

    QTest::newRow("Rectangulaire 512") << 0 << 512 << 1.0 << 1.0 << 0.0;
    QTest::newRow("Hann 512") << 1 << 512 << 0.0 << 1.0 << 1e-4;
    QTest::newRow("Hamming 1024") << 2 << 1024 << 0.08 << 1.0 << 1e-5;
    QTest::newRow("Blackman 512") << 3 << 512 << 0.001908 << 1.003696 << 1e-4;
    QTest::newRow("Blackman 8192") << 3 << 8192 << 0.001908 << 1.003696 << 1e-6;
}

void TestDetecteur::fenetre()
{
    QFETCH(int, fenType);
    QFETCH(int, n);
    QFETCH(double, premier);
    QFETCH(double, maximum);
    QFETCH(double, tolerance);
    Detecteur d;
    QVERIFY(d.initAnalyseSpectrale(n, fenType, 2));
    const double *w = d.fenetreCoefs();
    QVERIFY(std::fabs(w[0] - premier) <= 1e-7);
    double largest = w[0];
    for (int i = 0; i < n; ++i) {
        largest = std::max(largest, w[i]);
        // Symmetric over N − 1, up to the single-precision cosines.
        QVERIFY2(std::fabs(w[i] - w[n - 1 - i]) < 1e-6, qPrintable(QString::number(i)));
    }
    QVERIFY2(std::fabs(largest - maximum) <= tolerance, qPrintable(QString::number(largest, 'g', 10)));
}

void TestDetecteur::hannAuxExtremitesNulles()
{
    Detecteur d;
    QVERIFY(d.initAnalyseSpectrale(512, 1, 1));
    QCOMPARE(d.fenetreCoefs()[0], 0.0);
    QCOMPARE(d.fenetreCoefs()[511], 0.0);
    QVERIFY(d.fenetreCoefs()[255] > 0.9999);
    QVERIFY(d.fenetreCoefs()[256] > 0.9999);
}

void TestDetecteur::fenetreNonDefinie()
{
    Detecteur d;
    QTest::ignoreMessage(QtDebugMsg, "Fenêtre Non Définie 7");
    QVERIFY(d.initAnalyseSpectrale(512, 7, 2));
    for (int i = 0; i < 512; ++i)
        QCOMPARE(d.fenetreCoefs()[i], 0.0);
}

// 440 Hz, amplitude 10000, 44100 Hz, N = 4096: lag 100 gives 441 Hz; the harmonic sum (rectangular
// window) peaks at bin 41, whose parabola, checked here on powers summed directly, puts the vertex
// about 0.998 bins past bin 40: about 441.4 Hz.
void TestDetecteur::la440()
{
    const int fech = 44100;
    const int n = 4096;
    const std::vector<qint16> x = sine(440.0, 10000.0, fech, n);

    QCOMPARE(Detecteur::autocorrelation(x.data(), n, fech), 441.0f);

    const long double y1 = directPower(x, 40);
    const long double y2 = directPower(x, 41);
    const long double y3 = directPower(x, 42);
    const long double offset = (1.5L * y1 - 2 * y2 + 0.5L * y3) / (y1 - 2 * y2 + y3);
    QVERIFY2(std::fabs(double(offset) - 0.998) < 0.001, qPrintable(QString::number(double(offset))));
    const double expected = double((40 + offset) * fech / n);

    Detecteur d;
    QVERIFY(d.initAnalyseSpectrale(n, 0, 2));
    const float f = d.analyseHPS(x.data(), fech);
    QVERIFY2(std::fabs(f - expected) < 1e-3, qPrintable(QStringLiteral("%1 instead of %2").arg(f).arg(expected)));
    QVERIFY(std::fabs(f - 441.4) < 0.05);
    // The bin of the peak, found by the harmonic sum.
    int best = 1;
    for (int i = 1; i < n / 8; ++i)
        if (d.hps()[i] > d.hps()[best])
            best = i;
    QCOMPARE(best, 41);
}

// Signals whose sums tie exactly (their transforms involve only sums, differences and products by
// zero): the lower index must win.
//  - autocorrelation: impulses at 0, 10 and 30 give equal sums at lags 10, 20 and 30: 4410 Hz;
//  - cepstrum: an impulse has a flat power spectrum, so every quefrency from floor(44100/2000) = 22
//    on has power 0: 44100/44 Hz;
//  - harmonic sum: impulses 3000 at 0 and 1000 at N/2 give powers 4000² at even bins and 2000² at
//    odd ones, so every even bin ties at 4·4000²; from ceil(15/5) = 3 (N = 8192) the first one is 4,
//    and its parabola is symmetric: 4·44100/8192 Hz.
void TestDetecteur::egaliteDesMaxima_data()
{
    QTest::addColumn<int>("methode");
    QTest::addColumn<QVector<int>>("positions");
    QTest::addColumn<QVector<int>>("valeurs");
    QTest::addColumn<float>("attendu");

    QTest::newRow("autocorrelation") << 0 << QVector<int>{0, 10, 30} << QVector<int>{1000, 1000, 1000}
                                     << 4410.0f;
    QTest::newRow("cepstre") << 1 << QVector<int>{0} << QVector<int>{1000} << float(44100.0 / 44.0);
    QTest::newRow("somme harmonique") << 2 << QVector<int>{0, 4096} << QVector<int>{3000, 1000}
                                      << float(4.0 * 44100.0 / 8192.0);
}

void TestDetecteur::egaliteDesMaxima()
{
    QFETCH(int, methode);
    QFETCH(QVector<int>, positions);
    QFETCH(QVector<int>, valeurs);
    QFETCH(float, attendu);
    const int n = 8192;
    const int fech = 44100;
    std::vector<qint16> x(n, 0);
    for (int i = 0; i < positions.size(); ++i)
        x[std::size_t(positions[i])] = qint16(valeurs[i]);
    Detecteur d;
    float f = 0;
    if (methode == 0) {
        f = Detecteur::autocorrelation(x.data(), n, fech);
    } else {
        QVERIFY(d.initAnalyseSpectrale(n, 0, methode));
        f = methode == 1 ? d.analyseSceptre(x.data(), fech) : d.analyseHPS(x.data(), fech);
    }
    QCOMPARE(f, attendu);
}

// A strong tone centred on bin N/2 − 2 and a weak one centred on bin 41 (rectangular window): no
// bin below N/8 has the strong tone among its four harmonics (4·(N/8 − 1) = N/2 − 4), so only a
// search past N/8 − 1 could find it.
void TestDetecteur::sommeHarmoniqueSousNSur8()
{
    const int n = 4096;
    const int fech = 44100;
    const double bin = double(fech) / n;
    const std::vector<qint16> x =
        plus(sine((n / 2 - 2) * bin, 20000.0, fech, n, 0.3), sine(41 * bin, 3000.0, fech, n, 0.2));
    Detecteur d;
    QVERIFY(d.initAnalyseSpectrale(n, 0, 2));
    const float f = d.analyseHPS(x.data(), fech);
    QVERIFY2(std::fabs(f - 41 * bin) < bin, qPrintable(QString::number(f)));
}

// Tones from 50 to 1000 Hz, each method in its valid range, must land within one quantisation
// step of the true pitch:
//  - autocorrelation: the lag found lies within one lag of the true period fech/f;
//  - cepstrum: the quefrency found lies within one of fech/(2f);
//  - harmonic sum: within one bin width fech/N.
// The valid ranges, for N = 8192:
//  - autocorrelation: pure sines over the whole range (only the peaks of the sums compete, so the
//    slope falling from lag 0 cannot win), within three lags below 100 Hz; a tone rich in harmonics, with all harmonics at 1/h,
//    from about 70 Hz up to 900 Hz (higher, the lag's rounding misaligns the upper harmonics and
//    three periods can win);
//  - cepstrum: it finds the spacing of harmonics, so a pure sine has no cepstral peak; harmonic
//    tones over the whole range;
//  - harmonic sum: below about 200 Hz a pure sine's leakage makes the sums at its sub-harmonic
//    bins k/2, k/3, k/4 (which contain the sine's own bin) win; harmonic tones over the range.
void TestDetecteur::sonsPurs_data()
{
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("fech");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("fenType");
    QTest::addColumn<double>("f");
    QTest::addColumn<bool>("harmoniques");

    const double high[] = {220.0, 246.94, 293.66, 329.63, 392.0, 440.0, 523.25, 659.26, 783.99,
                           880.0, 987.77, 1000.0};
    const double whole[] = {50.0, 55.0, 61.74, 73.42, 82.41, 98.0, 110.0, 130.81, 146.83, 164.81,
                            196.0, 220.0, 246.94, 329.63, 440.0, 523.25, 659.26, 783.99, 880.0,
                            987.77, 1000.0};
    for (double f : whole)
        QTest::addRow("autocorrelation, sine %g Hz, 44100 Hz", f) << 0 << 44100 << 8192 << 0 << f << false;
    for (double f : {50.0, 82.41, 110.0, 164.81, 196.0, 220.0, 440.0, 1000.0})
        QTest::addRow("autocorrelation, sine %g Hz, 22050 Hz", f) << 0 << 22050 << 8192 << 0 << f << false;
    QTest::newRow("autocorrelation, sine 400 Hz, 4000 Hz: lag 0 skipped") << 0 << 4000 << 8192 << 0 << 400.0 << false;
    for (double f : whole)
        if (f > 70 && f < 900)
            QTest::addRow("autocorrelation, harmonics %g Hz", f) << 0 << 44100 << 8192 << 0 << f << true;
    for (double f : whole)
        QTest::addRow("cepstre, harmonics %g Hz, Hann", f) << 1 << 44100 << 8192 << 1 << f << true;
    for (double f : {50.0, 110.0, 440.0, 1000.0})
        QTest::addRow("cepstre, harmonics %g Hz, Hann, N=4096", f) << 1 << 44100 << 4096 << 1 << f << true;
    for (double f : high)
        QTest::addRow("somme harmonique, sine %g Hz, Hann", f) << 2 << 44100 << 8192 << 1 << f << false;
    for (double f : whole)
        QTest::addRow("somme harmonique, harmonics %g Hz, Hann", f) << 2 << 44100 << 8192 << 1 << f << true;
    for (double f : {50.0, 110.0, 440.0, 1000.0})
        QTest::addRow("somme harmonique, harmonics %g Hz, Blackman", f) << 2 << 48000 << 8192 << 3 << f << true;
}

void TestDetecteur::sonsPurs()
{
    QFETCH(int, methode);
    QFETCH(int, fech);
    QFETCH(int, n);
    QFETCH(int, fenType);
    QFETCH(double, f);
    QFETCH(bool, harmoniques);
    const std::vector<qint16> x = harmoniques ? harmonicTone(f, 12000.0, fech, n) : sine(f, 12000.0, fech, n, 0.4);
    Detecteur d;
    float found = 0;
    double error = 0;
    if (methode == 0) {
        found = Detecteur::autocorrelation(x.data(), n, fech);
        error = std::fabs(fech / found - fech / f);
    } else if (methode == 1) {
        QVERIFY(d.initAnalyseSpectrale(n, fenType, 1));
        found = d.analyseSceptre(x.data(), fech);
        error = std::fabs(fech / (2.0 * found) - fech / (2.0 * f));
    } else {
        QVERIFY(d.initAnalyseSpectrale(n, fenType, 2));
        found = d.analyseHPS(x.data(), fech);
        error = std::fabs(found - f) / (double(fech) / n);
    }
    // Below 100 Hz at 44100 Hz, N = 8192 holds barely a dozen periods: the sums' N − L tilt and
    // the phase of the window move a pure sine's peak by up to three lags (about 6 cents at 50 Hz).
    const double pas = (methode == 0 && !harmoniques && fech == 44100 && f < 100) ? 3.0 : 1.0;
    QVERIFY2(found > 0 && error <= pas,
             qPrintable(QStringLiteral("found %1 Hz, %2 steps off").arg(found).arg(error)));
}

// Inputs without a pitch give 0 Hz, never an infinity or a NaN.
void TestDetecteur::entreesDegenerees_data()
{
    QTest::addColumn<int>("methode");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<int>("fech");
    QTest::addColumn<int>("n");

    QTest::newRow("autocorrelation, silence") << 0 << "silence" << 44100 << 4096;
    QTest::newRow("autocorrelation, one impulse: no positive sum") << 0 << "impulse" << 44100 << 4096;
    QTest::newRow("autocorrelation, rate 0") << 0 << "tone" << 0 << 4096;
    QTest::newRow("autocorrelation, rate -44100") << 0 << "tone" << -44100 << 4096;
    QTest::newRow("autocorrelation, rate 40: no lag") << 0 << "tone" << 40 << 4096;
    QTest::newRow("autocorrelation, rate 2^30: no lag below N") << 0 << "tone" << (1 << 30) << 4096;
    QTest::newRow("cepstre, silence: zero powers") << 1 << "silence" << 44100 << 4096;
    QTest::newRow("cepstre, alternating signal: zero powers") << 1 << "alternating" << 44100 << 4096;
    QTest::newRow("cepstre, rate 1999") << 1 << "tone" << 1999 << 4096;
    QTest::newRow("cepstre, rate 512000: q0 past N/4") << 1 << "tone" << 512000 << 512;
    QTest::newRow("somme harmonique, silence: flat parabola") << 2 << "silence" << 44100 << 4096;
    QTest::newRow("somme harmonique, impulse: flat parabola") << 2 << "impulse" << 44100 << 4096;
    QTest::newRow("somme harmonique, rate below N") << 2 << "tone" << 4000 << 8192;
    QTest::newRow("somme harmonique, rate 0") << 2 << "tone" << 0 << 4096;
    QTest::newRow("somme harmonique, no bin up to N/8") << 2 << "tone" << 16 << 16;
}

void TestDetecteur::entreesDegenerees()
{
    QFETCH(int, methode);
    QFETCH(QString, signal);
    QFETCH(int, fech);
    QFETCH(int, n);
    std::vector<qint16> x(static_cast<std::size_t>(n), 0);
    if (signal == "impulse")
        x[0] = 1000;
    else if (signal == "alternating")
        for (int i = 0; i < n; ++i)
            x[std::size_t(i)] = qint16(i % 2 == 0 ? 1000 : -1000);
    else if (signal == "tone")
        x = sine(440.0, 10000.0, 44100, n, 0.4);

    float f = -1;
    if (methode == 0) {
        f = Detecteur::autocorrelation(x.data(), n, fech);
    } else {
        Detecteur d;
        QVERIFY(d.initAnalyseSpectrale(n, 0, methode));
        f = methode == 1 ? d.analyseSceptre(x.data(), fech) : d.analyseHPS(x.data(), fech);
    }
    QVERIFY(std::isfinite(f));
    QCOMPARE(f, 0.0f);
}

void TestDetecteur::sommetParabole_data()
{
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("y2");
    QTest::addColumn<double>("y3");
    QTest::addColumn<float>("attendu");

    QTest::newRow("peak in the middle") << 1.0 << 5.0 << 1.0 << 1.0f;
    QTest::newRow("y = -2x² + 3x + 4: vertex 0.75") << 4.0 << 5.0 << 2.0 << 0.75f;
    QTest::newRow("mirrored: 1.25") << 2.0 << 5.0 << 4.0 << 1.25f;
    QTest::newRow("y = x²: vertex 0") << 0.0 << 1.0 << 4.0 << 0.0f;
    QTest::newRow("flat: the middle point") << 3.0 << 3.0 << 3.0 << 1.0f;
    QTest::newRow("a line: the middle point") << 1.0 << 2.0 << 3.0 << 1.0f;
}

void TestDetecteur::sommetParabole()
{
    QFETCH(double, y1);
    QFETCH(double, y2);
    QFETCH(double, y3);
    QFETCH(float, attendu);
    QCOMPARE(Detecteur::sommetParabole(y1, y2, y3), attendu);
}

void TestDetecteur::lignesDeJournal()
{
    const std::vector<qint16> x = sine(440.0, 10000.0, 44100, 4096);
    QTest::ignoreMessage(QtDebugMsg, "maxLag  882");
    Detecteur::autocorrelation(x.data(), 4096, 44100);

    Detecteur d;
    QVERIFY(d.initAnalyseSpectrale(4096, 1, 1));
    QTest::ignoreMessage(QtDebugMsg, "apres calc spectre");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^sceptre imax \\d+$"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^max Ampl sceptre \\S+$"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^spectre \\S+$"));
    d.analyseSceptre(x.data(), 44100);

    QVERIFY(d.initAnalyseSpectrale(4096, 1, 2));
    QTest::ignoreMessage(QtDebugMsg, "HPS : sous-echantillonnage");
    d.analyseHPS(x.data(), 44100);
}

void TestDetecteur::preparation()
{
    Detecteur d;
    QCOMPARE(d.nbPoints(), 0);
    QVERIFY(d.spectre() == nullptr);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("méthode 2"));
    QCOMPARE(d.analyseHPS(sine(440, 1000, 44100, 512).data(), 44100), 0.0f);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("méthode 0"));
    d.calcSpectre(sine(440, 1000, 44100, 512).data());

    for (int wrong : {0, 8, 1000, 16384}) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nombre de points"));
        QVERIFY(!d.initAnalyseSpectrale(wrong, 1, 1));
        QCOMPARE(d.nbPoints(), 0);
    }

    QVERIFY(d.initAnalyseSpectrale(1024, 1, 1));
    QCOMPARE(d.nbfreq(), 512);
    QVERIFY(d.logSpectre() && d.sceptre());
    QVERIFY(d.hps() == nullptr);
    const double *window = d.fenetreCoefs();
    QVERIFY(d.initAnalyseSpectrale(1024, 1, 1)); // unchanged: nothing rebuilt
    QCOMPARE(d.fenetreCoefs(), window);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("méthode 1"));
    QVERIFY(d.initAnalyseSpectrale(1024, 1, 2));
    QVERIFY(d.hps() != nullptr);
    QCOMPARE(d.analyseSceptre(sine(440, 1000, 44100, 1024).data(), 44100), 0.0f);

    d.release();
    QCOMPARE(d.nbPoints(), 0);
    QVERIFY(d.fenetreCoefs() == nullptr);
}

QTEST_GUILESS_MAIN(TestDetecteur)

#include "tst_detecteur.moc"
