// ringModes() on every instruction set this processor runs, against its plain path and the plain
// path against Modmod::actualise.

#include "synth/Modmod.h"
#include "synth/RingKernel.h"
#include "tests/support/Banques.h"

#include <QtTest>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

Q_DECLARE_METATYPE(fft::Simd)

namespace {

using fft::Simd;

const double kFloatUnit = std::ldexp(1.0, -24); // half an ulp of 1.0f

// nbModes random modes at 220 Hz and 48000 Hz, prepared as the generator prepares a synthesis.
std::unique_ptr<Modmod> randomBank(int nbModes, float amortMax, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_real_distribution<float> ratio(0.5f, 40.f), amort(0.f, amortMax), poids(-1.f, 1.f);
    const std::size_t count = std::size_t(nbModes);
    std::vector<float> r(count), a(count), p(count);
    for (int i = 0; i < nbModes; ++i) {
        r[std::size_t(i)] = ratio(generator);
        a[std::size_t(i)] = amort(generator);
        p[std::size_t(i)] = poids(generator);
    }
    auto bank = zibtest::banque(r, a, p);
    bank->normalise(float(std::sqrt(2.0 * M_PI * 220.0)));
    bank->initialiseImp(48000.f);
    bank->oscils(220.f, 48000);
    return bank;
}

void ring(Modmod &bank, float *sortie, int n, Simd simd)
{
    ringModes(bank.oscil.get(), bank.poids.get(), bank.etat1.get(), bank.etat2.get(), bank.nbActif,
              sortie, n, simd);
}

// The vector sets the processor runs.
std::vector<Simd> vectorSets()
{
    std::vector<Simd> sets;
    for (Simd simd : {Simd::Sse2, Simd::Avx2})
        if (fft::usableSimd(simd) == simd)
            sets.push_back(simd);
    return sets;
}

struct BankCase
{
    const char *name;
    int nbModes;
    int block;
};

// Modes around the widths of a vector (8) and of a pass (six vectors), blocks around the
// kernel's 256 samples.
const BankCase kBanks[] = {
    {"1 mode, blocks of 1", 1, 1},
    {"7 modes, blocks of 3", 7, 3},
    {"8 modes, blocks of 256", 8, 256},
    {"9 modes, blocks of 257", 9, 257},
    {"48 modes, blocks of 1000", 48, 1000},
    {"49 modes, one block", 49, 4800},
    {"100 modes, blocks of 4096", 100, 4096},
    {"300 modes, blocks of 511", 300, 511},
};

} // namespace

class TestRingKernel : public QObject
{
    Q_OBJECT

private slots:
    void plainPathIsActualise_data();
    void plainPathIsActualise();
    void vectorSetMatchesPlainPath_data();
    void vectorSetMatchesPlainPath();
    void oneStepFromAnyState_data();
    void oneStepFromAnyState();
};

void TestRingKernel::plainPathIsActualise_data()
{
    QTest::addColumn<int>("nbModes");
    QTest::addColumn<int>("block");
    for (const BankCase &c : kBanks)
        QTest::newRow(c.name) << c.nbModes << c.block;
}

// Without values below the normal range (the ring stays far above 1e−38 for 4800 samples), the
// plain path is actualise() n times, bit for bit.
void TestRingKernel::plainPathIsActualise()
{
    QFETCH(int, nbModes);
    QFETCH(int, block);
    auto one = randomBank(nbModes, 20.f, 7u);
    auto plain = randomBank(nbModes, 20.f, 7u);
    const int n = 4800;
    std::vector<float> expected(n), obtained(n, -1.f);
    for (int k = 0; k < n; ++k)
        one->actualise(&expected[std::size_t(k)]);
    for (int k = 0; k < n; k += block)
        ring(*plain, obtained.data() + k, std::min(block, n - k), Simd::None);
    for (int k = 0; k < n; ++k)
        QVERIFY2(obtained[std::size_t(k)] == expected[std::size_t(k)],
                 qPrintable(QStringLiteral("sample %1: %2 instead of %3")
                                .arg(k)
                                .arg(double(obtained[std::size_t(k)]), 0, 'g', 9)
                                .arg(double(expected[std::size_t(k)]), 0, 'g', 9)));
    for (int i = 0; i < nbModes; ++i) {
        QCOMPARE(plain->etat1[i], one->etat1[i]);
        QCOMPARE(plain->etat2[i], one->etat2[i]);
    }
}

void TestRingKernel::vectorSetMatchesPlainPath_data()
{
    QTest::addColumn<int>("nbModes");
    QTest::addColumn<int>("block");
    QTest::addColumn<Simd>("simd");
    for (Simd simd : vectorSets())
        for (const BankCase &c : kBanks)
            QTest::addRow("%s, %s", c.name, fft::simdName(simd)) << c.nbModes << c.block << simd;
}

// One second of sound. SSE2 steps every mode as the plain path does: the same state, bit for bit,
// and each output within the error of summing the weighted modes in another order. AVX2 fuses
// the multiply-adds: the ring drifts from the plain one as rounding errors carry on, by a few
// 1e−5 of the peak after a second (2e−4 in the worst of these banks); 5e−4 of the peak is the
// bound, where a mode stepped or weighted wrongly differs by its whole amplitude.
void TestRingKernel::vectorSetMatchesPlainPath()
{
    QFETCH(int, nbModes);
    QFETCH(int, block);
    QFETCH(Simd, simd);
    auto plain = randomBank(nbModes, 20.f, 11u);
    auto vector = randomBank(nbModes, 20.f, 11u);
    const int n = 48000;
    std::vector<float> expected(n), obtained(n, -1.f);
    std::vector<double> weightedSum(n); // Σ|poids[i]·y_i| at each sample
    for (int k = 0; k < n; ++k) {
        ring(*plain, &expected[std::size_t(k)], 1, Simd::None);
        double s = 0;
        for (int i = 0; i < nbModes; ++i)
            s += std::fabs(double(plain->poids[i]) * double(plain->etat1[i]));
        weightedSum[std::size_t(k)] = s;
    }
    for (int k = 0; k < n; k += block)
        ring(*vector, obtained.data() + k, std::min(block, n - k), simd);

    double peak = 0;
    for (float y : expected)
        peak = std::max(peak, double(std::fabs(y)));
    QVERIFY(peak > 1e-3);
    for (int k = 0; k < n; ++k) {
        const double difference = std::fabs(double(obtained[std::size_t(k)]) - expected[std::size_t(k)]);
        const double tolerance = simd == Simd::Sse2
                                     ? 2.0 * nbModes * kFloatUnit * weightedSum[std::size_t(k)]
                                     : 5e-4 * peak;
        QVERIFY2(difference <= tolerance,
                 qPrintable(QStringLiteral("sample %1: %2 from the plain %3, more than %4")
                                .arg(k)
                                .arg(double(obtained[std::size_t(k)]), 0, 'g', 9)
                                .arg(double(expected[std::size_t(k)]), 0, 'g', 9)
                                .arg(tolerance)));
    }
    for (int i = 0; i < nbModes; ++i) {
        if (simd == Simd::Sse2) {
            QCOMPARE(vector->etat1[i], plain->etat1[i]);
            QCOMPARE(vector->etat2[i], plain->etat2[i]);
        } else {
            QVERIFY(std::fabs(vector->etat1[i] - plain->etat1[i]) <= 5e-4 * peak);
            QVERIFY(std::fabs(vector->etat2[i] - plain->etat2[i]) <= 5e-4 * peak);
        }
    }
}

void TestRingKernel::oneStepFromAnyState_data()
{
    vectorSetMatchesPlainPath_data();
}

// From the same random state, one step of a vector set differs from the plain one by the last
// bit of the products: |Δy| <= 2^−23·(|c1·etat1| + |c2·etat2|) for every mode.
void TestRingKernel::oneStepFromAnyState()
{
    QFETCH(int, nbModes);
    QFETCH(Simd, simd);
    auto plain = randomBank(nbModes, 20.f, 13u);
    auto vector = randomBank(nbModes, 20.f, 13u);
    std::mt19937 generator(17);
    std::uniform_real_distribution<float> state(-1.f, 1.f);
    for (int i = 0; i < nbModes; ++i) {
        plain->etat1[i] = vector->etat1[i] = state(generator);
        plain->etat2[i] = vector->etat2[i] = state(generator);
    }
    const std::size_t count = std::size_t(nbModes);
    std::vector<double> bound(count);
    double weightedBound = 0;
    for (int i = 0; i < nbModes; ++i) {
        const Oscil &o = plain->oscil[i];
        bound[std::size_t(i)] = 2 * kFloatUnit * (std::fabs(double(o.c1) * plain->etat1[i]) +
                                                  std::fabs(double(o.c2) * plain->etat2[i]));
        weightedBound += std::fabs(double(plain->poids[i])) * bound[std::size_t(i)];
    }
    float expected = 0;
    float obtained = 0;
    ring(*plain, &expected, 1, Simd::None);
    ring(*vector, &obtained, 1, simd);
    double weightedSum = 0;
    for (int i = 0; i < nbModes; ++i) {
        QVERIFY2(std::fabs(double(vector->etat1[i]) - plain->etat1[i]) <= bound[std::size_t(i)],
                 qPrintable(QStringLiteral("mode %1: %2 instead of %3")
                                .arg(i)
                                .arg(double(vector->etat1[i]), 0, 'g', 9)
                                .arg(double(plain->etat1[i]), 0, 'g', 9)));
        QCOMPARE(vector->etat2[i], plain->etat2[i]);
        weightedSum += std::fabs(double(plain->poids[i]) * plain->etat1[i]);
    }
    const double tolerance = 2.0 * nbModes * kFloatUnit * weightedSum + 2 * weightedBound;
    QVERIFY2(std::fabs(double(obtained) - expected) <= tolerance,
             qPrintable(QStringLiteral("%1 instead of %2").arg(double(obtained)).arg(double(expected))));
}

QTEST_APPLESS_MAIN(TestRingKernel)
#include "tst_ringkernel.moc"
