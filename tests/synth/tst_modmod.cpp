#include "synth/Modmod.h"
#include "tests/support/Banques.h"

#include <QtTest>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

using Floats = std::vector<float>;
Q_DECLARE_METATYPE(Floats)

class TestModmod : public QObject
{
    Q_OBJECT

private slots:
    void normaliseGardeLesRapports_data();
    void normaliseGardeLesRapports();
    void normaliseSansPoidsNeDivisePasParZero();
    void modesActifs_data();
    void modesActifs();
    void sansModeActifLaSortieEstNulle();
    void loiDAmortissement_data();
    void loiDAmortissement();
    void amplitudeApresImpulsion_data();
    void amplitudeApresImpulsion();
    void modeAmorti();
    void blocCommeEchantillonParEchantillon_data();
    void blocCommeEchantillonParEchantillon();
    void bancVideOuTableauxNuls();
};

using zibtest::banque;

// normalise, initialiseImp and oscils as the generator and the WAV renderer call them.
static void prepare(Modmod &m, float fond, int fe)
{
    m.normalise(float(std::sqrt(2.0 * M_PI * fond)));
    m.initialiseImp(float(fe));
    m.oscils(fond, fe);
}

void TestModmod::normaliseGardeLesRapports_data()
{
    QTest::addColumn<Floats>("poids");
    QTest::addColumn<float>("g");

    QTest::newRow("3 4 to 1") << Floats{3.f, 4.f} << 1.f;
    QTest::newRow("one mode") << Floats{0.25f} << 52.58f;
    QTest::newRow("signs and zeros") << Floats{1.f, -2.f, 0.f, 0.5f, 7.f} << 10.f;
    QTest::newRow("tiny weights") << Floats{1e-20f, 3e-20f} << 37.f;
}

void TestModmod::normaliseGardeLesRapports()
{
    QFETCH(Floats, poids);
    QFETCH(float, g);

    auto m = banque(Floats(poids.size(), 1.f), Floats(poids.size(), 0.f), poids);
    m->normalise(g);
    double somme = 0;
    for (size_t i = 0; i < poids.size(); ++i)
        somme += double(m->poids[i]) * m->poids[i];
    QVERIFY2(std::fabs(somme - double(g) * g) <= 1e-5 * double(g) * g, qPrintable(QString::number(somme)));
    // Ratios against the largest weight.
    size_t k = 0;
    for (size_t i = 1; i < poids.size(); ++i)
        if (std::fabs(poids[i]) > std::fabs(poids[k]))
            k = i;
    for (size_t i = 0; i < poids.size(); ++i)
        QVERIFY(std::fabs(m->poids[i] / m->poids[k] - poids[i] / poids[k]) < 1e-6);
}

void TestModmod::normaliseSansPoidsNeDivisePasParZero()
{
    auto m = banque({1.f, 2.f}, {0.f, 0.f}, {0.f, 0.f});
    m->normalise(10.f);
    QCOMPARE(m->poids[0], 0.f);
    QCOMPARE(m->poids[1], 0.f);

    // A zero g would silence the shared model for good; the weights are kept.
    auto n = banque({1.f, 2.f}, {0.f, 0.f}, {3.f, 4.f});
    n->normalise(0.f);
    QCOMPARE(n->poids[0], 3.f);
    n->normalise(std::nanf(""));
    QCOMPARE(n->poids[1], 4.f);
}

void TestModmod::modesActifs_data()
{
    QTest::addColumn<Floats>("ratios");
    QTest::addColumn<float>("fond");
    QTest::addColumn<int>("fe");
    QTest::addColumn<int>("nbActif");

    // Limit 0.48·fe: 21168 Hz at 44100 Hz.
    QTest::newRow("all below") << Floats{1.f, 2.f, 3.f} << 440.f << 44100 << 3;
    QTest::newRow("first above") << Floats{60.f, 1.f} << 440.f << 44100 << 0;
    QTest::newRow("high mode at index 2 silences the rest")
        << Floats{1.f, 2.f, 60.f, 3.f, 0.5f} << 440.f << 44100 << 2;
    QTest::newRow("exactly at the limit stops") << Floats{1.f} << 21168.f << 44100 << 0;
    QTest::newRow("just below the limit sounds") << Floats{1.f} << 21167.99f << 44100 << 1;
    QTest::newRow("ratio 2 at the limit at 22050") << Floats{1.f, 2.f} << 5292.f << 22050 << 1;
}

void TestModmod::modesActifs()
{
    QFETCH(Floats, ratios);
    QFETCH(float, fond);
    QFETCH(int, fe);
    QFETCH(int, nbActif);

    auto m = banque(ratios);
    prepare(*m, fond, fe);
    QCOMPARE(m->nbActif, nbActif);
    for (int i = 0; i < nbActif; ++i)
        QCOMPARE(m->oscil[i].freq, fond * ratios[i]);
    for (int i = nbActif; i < m->nbMod; ++i) {
        QCOMPARE(m->oscil[i].c1, 0.f);
        QCOMPARE(m->oscil[i].c2, 0.f);
    }
}

void TestModmod::sansModeActifLaSortieEstNulle()
{
    auto m = banque({60.f, 1.f});
    prepare(*m, 440.f, 44100);
    QCOMPARE(m->nbActif, 0);
    for (int k = 0; k < 100; ++k) {
        float s = 1.f;
        m->actualise(&s);
        QCOMPARE(s, 0.f);
    }
    std::vector<float> bloc(1000, 1.f);
    m->actualiseBloc(bloc.data(), int(bloc.size()));
    for (float s : bloc)
        QCOMPARE(s, 0.f);
}

void TestModmod::loiDAmortissement_data()
{
    QTest::addColumn<Floats>("coeffs");
    QTest::addColumn<float>("attendu"); // ratio 2 at fond 100 Hz: c0 + 200·c1 + 40000·c2

    QTest::newRow("external only") << Floats{3.f} << 3.f;
    QTest::newRow("hysteresis only") << Floats{0.f, 0.01f} << 2.f;
    QTest::newRow("internal only") << Floats{0.f, 0.f, 1e-4f} << 4.f;
    QTest::newRow("all three") << Floats{1.5f, 0.02f, 2e-5f} << 1.5f + 4.f + 0.8f;
    QTest::newRow("no coefficient") << Floats{} << 0.f;
}

void TestModmod::loiDAmortissement()
{
    QFETCH(Floats, coeffs);
    QFETCH(float, attendu);

    auto m = banque({1.f, 2.f}, {99.f, 99.f}, {1.f, 1.f});
    m->typeAmort = 1;
    for (float c : coeffs)
        m->coeffs.append(c);
    prepare(*m, 100.f, 44100);
    QVERIFY2(std::fabs(m->amort[1] - attendu) <= 1e-5f * (1.f + attendu), qPrintable(QString::number(m->amort[1])));
    QCOMPARE(m->oscil[1].amort, m->amort[1]);
    // Left behind for the last fundamental: 200 Hz makes the ratio-2 mode 400 Hz.
    prepare(*m, 200.f, 44100);
    float a400 = 0, p = 1;
    for (float c : coeffs) {
        a400 += c * p;
        p *= 400.f;
    }
    QVERIFY(std::fabs(m->amort[1] - a400) <= 1e-5f * (1.f + a400));

    // Without the law the stored rates are used as they are.
    auto fixe = banque({1.f, 2.f}, {99.f, 7.f}, {1.f, 1.f});
    for (float c : coeffs)
        fixe->coeffs.append(c);
    prepare(*fixe, 100.f, 44100);
    QCOMPARE(fixe->amort[1], 7.f);
    QCOMPARE(fixe->oscil[1].amort, 7.f);
}

void TestModmod::amplitudeApresImpulsion_data()
{
    QTest::addColumn<float>("ratio");
    QTest::addColumn<float>("fond");
    QTest::addColumn<int>("fe");
    QTest::addColumn<double>("amplitude");

    QTest::newRow("ratio 1 at 440") << 1.f << 440.f << 44100 << 1.0;
    QTest::newRow("ratio 1 at 110") << 1.f << 110.f << 48000 << 1.0;
    QTest::newRow("ratio 1 at 2000") << 1.f << 2000.f << 44100 << 1.0;
    QTest::newRow("ratio 2 at 440") << 2.f << 440.f << 44100 << 0.5;
    QTest::newRow("ratio 4 at 100 at 22050") << 4.f << 100.f << 22050 << 0.25;
}

void TestModmod::amplitudeApresImpulsion()
{
    QFETCH(float, ratio);
    QFETCH(float, fond);
    QFETCH(int, fe);
    QFETCH(double, amplitude);

    auto m = banque({ratio}, {0.f}, {0.3f});
    prepare(*m, fond, fe);
    double pic = 0;
    float s = 0;
    m->actualise(&s);
    // The ring starts from zero: its first sample is sin θ of the amplitude.
    const double theta = 2.0 * M_PI * fond * ratio / fe;
    QVERIFY(std::fabs(std::fabs(s) - amplitude * theta) < 0.01 * amplitude);
    for (int k = 0; k < fe; ++k) {
        m->actualise(&s);
        pic = std::max(pic, double(std::fabs(s)));
    }
    // The impulse state gives each sample period the area 1/fe: the peak is θ/sin θ above 1/ratio.
    const double attendu = amplitude * theta / std::sin(theta);
    QVERIFY2(std::fabs(pic - attendu) < 0.002 * attendu, qPrintable(QString::number(pic)));
}

void TestModmod::modeAmorti()
{
    // One mode of 440 Hz damped at 10/s: after 0.1 s the envelope has fallen by e^−1.
    auto m = banque({1.f}, {10.f}, {1.f});
    prepare(*m, 440.f, 44100);
    std::vector<float> y(44100 / 10 + 200);
    m->actualiseBloc(y.data(), int(y.size()));
    double debut = 0, fin = 0;
    for (int k = 0; k < 101; ++k) {
        debut = std::max(debut, double(std::fabs(y[k])));
        fin = std::max(fin, double(std::fabs(y[4410 + k])));
    }
    QVERIFY2(std::fabs(fin / debut - std::exp(-1.0)) < 0.01, qPrintable(QString::number(fin / debut)));
}

void TestModmod::blocCommeEchantillonParEchantillon_data()
{
    QTest::addColumn<int>("nbMod");
    QTest::addColumn<int>("bloc");
    QTest::addColumn<float>("amortMax"); // s⁻¹

    QTest::newRow("1 mode, blocks of 1") << 1 << 1 << 20.f;
    QTest::newRow("7 modes, blocks of 7") << 7 << 7 << 20.f;
    QTest::newRow("8 modes, blocks of 256") << 8 << 256 << 20.f;
    QTest::newRow("9 modes, blocks of 1000") << 9 << 1000 << 20.f;
    QTest::newRow("48 modes, blocks of 4097") << 48 << 4097 << 20.f;
    QTest::newRow("49 modes, one block") << 49 << 48000 << 20.f;
    QTest::newRow("100 modes, blocks of 300") << 100 << 300 << 20.f;
    QTest::newRow("300 modes, blocks of 4096") << 300 << 4096 << 20.f;
    QTest::newRow("100 modes dying away to nothing") << 100 << 4096 << 3000.f;
}

void TestModmod::blocCommeEchantillonParEchantillon()
{
    QFETCH(int, nbMod);
    QFETCH(int, bloc);
    QFETCH(float, amortMax);

    std::mt19937 gen(1234);
    std::uniform_real_distribution<float> ratio(0.5f, 40.f), amort(0.f, amortMax), poids(-1.f, 1.f);
    Floats r(nbMod), a(nbMod), p(nbMod);
    for (int i = 0; i < nbMod; ++i) {
        r[i] = ratio(gen);
        a[i] = amort(gen);
        p[i] = poids(gen);
    }
    auto un = banque(r, a, p);
    auto blocs = banque(r, a, p);
    prepare(*un, 220.f, 48000);
    prepare(*blocs, 220.f, 48000);
    QCOMPARE(blocs->nbActif, un->nbActif);

    const int n = 48000;
    std::vector<float> attendu(n), obtenu(n);
    for (int k = 0; k < n; ++k)
        un->actualise(&attendu[k]);
    for (int k = 0; k < n; k += bloc)
        blocs->actualiseBloc(obtenu.data() + k, std::min(bloc, n - k));

    double pic = 0, ecart = 0;
    for (int k = 0; k < n; ++k) {
        pic = std::max(pic, double(std::fabs(attendu[k])));
        ecart = std::max(ecart, double(std::fabs(obtenu[k] - attendu[k])));
    }
    QVERIFY(pic > 1e-3);
    QVERIFY2(ecart <= 1e-4 * pic, qPrintable(QStringLiteral("%1 against a peak of %2").arg(ecart).arg(pic)));
    for (int i = 0; i < nbMod; ++i) {
        QVERIFY(std::fabs(blocs->etat1[i] - un->etat1[i]) <= 1e-4f * (1e-3f + std::fabs(un->etat1[i])) + 1e-7f);
        QVERIFY(std::fabs(blocs->etat2[i] - un->etat2[i]) <= 1e-4f * (1e-3f + std::fabs(un->etat2[i])) + 1e-7f);
    }
}

void TestModmod::bancVideOuTableauxNuls()
{
    Modmod vide(0, new float[0], new float[0], new float[0]);
    prepare(vide, 440.f, 44100);
    float s = 1.f;
    vide.actualise(&s);
    QCOMPARE(s, 0.f);

    Modmod nul(3, nullptr, new float[3], new float[3]);
    QCOMPARE(nul.nbMod, 0);
    prepare(nul, 440.f, 44100);
    nul.actualise(&s);
    QCOMPARE(s, 0.f);

    // Stepping before any synthesis was prepared sounds nothing.
    auto m = banque({1.f, 2.f});
    m->actualise(&s);
    QCOMPARE(s, 0.f);
}

QTEST_APPLESS_MAIN(TestModmod)
#include "tst_modmod.moc"
