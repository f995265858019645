#include "fft/RealFft.h"
#include "fft/Table.h"

#include <QtTest>

#include <cmath>
#include <map>
#include <random>
#include <vector>

using fft::RealFft;
using fft::Simd;

Q_DECLARE_METATYPE(fft::Simd)

namespace {

const long double kPiL = 3.141592653589793238462643383279502884L;

std::vector<double> randomSignal(long length, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    std::vector<double> x(length);
    for (double &v : x)
        v = uniform(generator);
    return x;
}

// Bin k of the direct transform, in the transform's layout: cos and sin sums in long double.
void directBin(const std::vector<double> &x, long k, long double *re, long double *im)
{
    const long n = long(x.size());
    long double c = 0;
    long double s = 0;
    for (long j = 0; j < n; ++j) {
        const long double angle = 2 * kPiL * (long double)((k * j) % n) / n;
        c += x[j] * std::cos(angle);
        s += x[j] * std::sin(angle);
    }
    *re = c;
    *im = s;
}

// The whole direct transform in the layout f[k] = Re X[k] (k <= L/2), f[L/2 + k] = sum x·sin.
std::vector<long double> directTransform(const std::vector<double> &x)
{
    const long n = long(x.size());
    std::vector<long double> cosines(n);
    std::vector<long double> sines(n);
    for (long j = 0; j < n; ++j) {
        cosines[j] = std::cos(2 * kPiL * j / n);
        sines[j] = std::sin(2 * kPiL * j / n);
    }
    std::vector<long double> f(n);
    for (long k = 0; k <= n / 2; ++k) {
        long double c = 0;
        long double s = 0;
        long index = 0;
        for (long j = 0; j < n; ++j) {
            c += x[j] * cosines[index];
            s += x[j] * sines[index];
            index += k;
            if (index >= n)
                index -= n;
        }
        f[k] = c;
        if (k > 0 && k < n / 2)
            f[n / 2 + k] = s;
    }
    return f;
}

// Largest error over largest magnitude of the reference.
double relativeError(const std::vector<double> &f, const std::vector<long double> &reference)
{
    long double error = 0;
    long double magnitude = 0;
    for (size_t i = 0; i < f.size(); ++i) {
        error = std::max(error, std::fabs(f[i] - reference[i]));
        magnitude = std::max(magnitude, std::fabs(reference[i]));
    }
    return double(magnitude > 0 ? error / magnitude : error);
}

enum class TestSignal { Uniform, WideRange, ToneOverOffset };

// Uniform in [−1, 1]; magnitudes spread over twelve decades with random signs; a tone of
// amplitude 1 over an offset of 1000 (one large bin beside small ones).
std::vector<double> testSignal(TestSignal kind, long length, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    std::uniform_real_distribution<double> decade(-6.0, 6.0);
    std::vector<double> x(length);
    for (long i = 0; i < length; ++i) {
        switch (kind) {
        case TestSignal::Uniform:
            x[i] = uniform(generator);
            break;
        case TestSignal::WideRange:
            x[i] = std::copysign(std::pow(10.0, decade(generator)), uniform(generator));
            break;
        case TestSignal::ToneOverOffset:
            x[i] = 1000.0 + std::sin(2 * 3.141592653589793 * 37.25 * double(i) / double(length));
            break;
        }
    }
    return x;
}

void addSimdRows(const char *prefix, long length)
{
    const Simd sets[] = {Simd::None, Simd::Sse2, Simd::Avx2};
    for (Simd simd : sets) {
        if (fft::usableSimd(simd) != simd)
            continue;
        QTest::addRow("%s L=%ld %s", prefix, length, fft::simdName(simd)) << length << simd;
    }
}

} // namespace

class TestRealFft : public QObject
{
    Q_OBJECT

private slots:
    void constante_data();
    void constante();
    void impulsion_data();
    void impulsion();
    void aleatoireContreTransformeeDirecte_data();
    void aleatoireContreTransformeeDirecte();
    void longueursAvecRotateurs_data();
    void longueursAvecRotateurs();
    void vectorSetsMatchPlainPasses_data();
    void vectorSetsMatchPlainPasses();
    void transformeesSuccessivesIndependantes();
    void jeuDInstructionsDemande();
    void tableInitialiseeEtRedimensionnee();
    void rotateurSuitLAngle();
    void assertions_data();
    void assertions();
};

void TestRealFft::constante_data()
{
    QTest::addColumn<long>("length");
    QTest::addColumn<Simd>("simd");
    for (long length : {1L, 2L, 4L, 8L, 16L, 64L, 128L, 1024L, 8192L})
        addSimdRows("constant", length);
}

void TestRealFft::constante()
{
    QFETCH(long, length);
    QFETCH(Simd, simd);
    const double c = 3.25;
    const std::vector<double> x(length, c);
    std::vector<double> f(length, -1.0);
    RealFft<double>(length, simd).forward(f.data(), x.data());
    QCOMPARE(f[0], c * length);
    for (long i = 1; i < length; ++i)
        QVERIFY2(f[i] == 0.0, qPrintable(QStringLiteral("f[%1] = %2").arg(i).arg(f[i])));
}

void TestRealFft::impulsion_data()
{
    constante_data();
}

void TestRealFft::impulsion()
{
    QFETCH(long, length);
    QFETCH(Simd, simd);
    std::vector<double> x(length, 0.0);
    x[0] = 1.0;
    std::vector<double> f(length, -1.0);
    RealFft<double>(length, simd).forward(f.data(), x.data());
    for (long i = 0; i <= length / 2 && i < length; ++i)
        QVERIFY2(f[i] == 1.0, qPrintable(QStringLiteral("f[%1] = %2").arg(i).arg(f[i])));
    for (long i = length / 2 + 1; i < length; ++i)
        QVERIFY2(f[i] == 0.0, qPrintable(QStringLiteral("f[%1] = %2").arg(i).arg(f[i])));
}

void TestRealFft::aleatoireContreTransformeeDirecte_data()
{
    QTest::addColumn<long>("length");
    QTest::addColumn<Simd>("simd");
    for (long length = 1; length <= 8192; length *= 2)
        addSimdRows("random", length);
}

void TestRealFft::aleatoireContreTransformeeDirecte()
{
    QFETCH(long, length);
    QFETCH(Simd, simd);
    static std::map<long, std::vector<long double>> references;
    const std::vector<double> x = randomSignal(length, 1234u + unsigned(length));
    if (!references.count(length))
        references[length] = directTransform(x);

    RealFft<double> transform(length, simd);
    QCOMPARE(transform.simd(), simd);
    std::vector<double> f(length, 0.0);
    transform.forward(f.data(), x.data());
    const double error = relativeError(f, references[length]);
    QVERIFY2(error < 1e-12, qPrintable(QStringLiteral("relative error %1").arg(error)));
}

// Lengths beyond 2^13 take their last twiddles from rotators; a sample of bins is enough there.
void TestRealFft::longueursAvecRotateurs_data()
{
    QTest::addColumn<long>("length");
    QTest::addColumn<Simd>("simd");
    addSimdRows("rotators", 1L << 14);
    addSimdRows("rotators", 1L << 15);
}

void TestRealFft::longueursAvecRotateurs()
{
    QFETCH(long, length);
    QFETCH(Simd, simd);
    const std::vector<double> x = randomSignal(length, 99u);
    std::vector<double> f(length, 0.0);
    RealFft<double>(length, simd).forward(f.data(), x.data());

    std::mt19937 generator(7);
    std::uniform_int_distribution<long> anyBin(1, length / 2 - 1);
    std::vector<long> bins = {0, 1, 2, length / 4, length / 2 - 1, length / 2};
    for (int i = 0; i < 40; ++i)
        bins.push_back(anyBin(generator));
    long double error = 0;
    long double magnitude = 0;
    for (long k : bins) {
        long double re = 0;
        long double im = 0;
        directBin(x, k, &re, &im);
        error = std::max(error, std::fabs(f[k] - re));
        magnitude = std::max(magnitude, std::fabs(re));
        if (k > 0 && k < length / 2) {
            error = std::max(error, std::fabs(f[length / 2 + k] - im));
            magnitude = std::max(magnitude, std::fabs(im));
        }
    }
    const double relative = double(error / magnitude);
    QVERIFY2(relative < 1e-12, qPrintable(QStringLiteral("relative error %1").arg(relative)));
}

void TestRealFft::vectorSetsMatchPlainPasses_data()
{
    QTest::addColumn<long>("length");
    QTest::addColumn<int>("signal");
    QTest::addColumn<Simd>("simd");
    const struct
    {
        const char *name;
        TestSignal kind;
    } kinds[] = {{"uniform", TestSignal::Uniform},
                 {"twelve decades", TestSignal::WideRange},
                 {"tone over an offset", TestSignal::ToneOverOffset}};
    for (Simd simd : {Simd::Sse2, Simd::Avx2}) {
        if (fft::usableSimd(simd) != simd)
            continue;
        for (long length = 8; length <= (1L << 15); length *= 2)
            for (const auto &signal : kinds)
                QTest::addRow("%s L=%ld %s", signal.name, length, fft::simdName(simd))
                    << length << int(signal.kind) << simd;
    }
}

// The vector kernels round differently from the plain passes, never by more than log2(L) units
// of the last place of the largest output.
void TestRealFft::vectorSetsMatchPlainPasses()
{
    QFETCH(long, length);
    QFETCH(int, signal);
    QFETCH(Simd, simd);
    const std::vector<double> x = testSignal(TestSignal(signal), length, 321u + unsigned(length));
    std::vector<double> plain(length);
    std::vector<double> vector(length);
    RealFft<double>(length, Simd::None).forward(plain.data(), x.data());
    RealFft<double> transform(length, simd);
    QCOMPARE(transform.simd(), simd);
    transform.forward(vector.data(), x.data());
    double largest = 0;
    for (double v : plain)
        largest = std::max(largest, std::fabs(v));
    const double tolerance = double(transform.bits()) * std::ldexp(largest, -52);
    for (long i = 0; i < length; ++i)
        QVERIFY2(std::fabs(vector[i] - plain[i]) <= tolerance,
                 qPrintable(QStringLiteral("f[%1] = %2 instead of %3 (tolerance %4)")
                                .arg(i)
                                .arg(vector[i], 0, 'g', 17)
                                .arg(plain[i], 0, 'g', 17)
                                .arg(tolerance)));
}

// forward() keeps no state between calls: the same input gives the same bits after another one.
void TestRealFft::transformeesSuccessivesIndependantes()
{
    const long length = 2048;
    const RealFft<double> transform(length);
    const std::vector<double> a = randomSignal(length, 1u);
    const std::vector<double> b = randomSignal(length, 2u);
    std::vector<double> first(length);
    std::vector<double> other(length);
    std::vector<double> again(length);
    transform.forward(first.data(), a.data());
    transform.forward(other.data(), b.data());
    transform.forward(again.data(), a.data());
    QVERIFY(first == again);
    QVERIFY(first != other);
}

void TestRealFft::jeuDInstructionsDemande()
{
    QCOMPARE(RealFft<double>(64, Simd::None).simd(), Simd::None);
    QCOMPARE(RealFft<double>(64, Simd::Best).simd(), fft::usableSimd(Simd::Best));
    QVERIFY(fft::usableSimd(Simd::Best) != Simd::Best);
    QCOMPARE(RealFft<double>(64, Simd::Avx2).simd(), fft::usableSimd(Simd::Avx2));
}

void TestRealFft::tableInitialiseeEtRedimensionnee()
{
    fft::Table<double> table(5);
    QCOMPARE(table.size(), 5L);
    for (long i = 0; i < table.size(); ++i)
        QCOMPARE(table[i], 0.0);
    QCOMPARE(reinterpret_cast<quintptr>(table.data()) % 64, quintptr(0));
    table[4] = 2.0;
    table.resize(3);
    QCOMPARE(table.size(), 3L);
    QCOMPARE(table[2], 0.0);
    table.resize(0);
    QCOMPARE(table.size(), 0L);
    QVERIFY(table.data() == nullptr);
}

void TestRealFft::rotateurSuitLAngle()
{
    fft::Rotator<double> rotator;
    const double step = 0.001;
    rotator.setStep(step);
    QCOMPARE(rotator.cosine(), 1.0);
    QCOMPARE(rotator.sine(), 0.0);
    for (int n = 1; n <= 1000; ++n)
        rotator.step();
    QVERIFY(std::fabs(rotator.cosine() - std::cos(1.0)) < 1e-13);
    QVERIFY(std::fabs(rotator.sine() - std::sin(1.0)) < 1e-13);
    rotator.reset();
    QCOMPARE(rotator.cosine(), 1.0);
    QCOMPARE(rotator.sine(), 0.0);
}

// Each misuse runs in a child process of this program, which must stop with the condition's text.
void TestRealFft::assertions_data()
{
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("texte");
    QTest::newRow("length 0") << "length0" << "x > 0";
    QTest::newRow("length -8") << "lengthNegative" << "x > 0";
    QTest::newRow("length 12") << "length12" << "isPowerOfTwo(length)";
    QTest::newRow("length 2^31") << "length2p31" << "m_bits <= kMaxBits";
    QTest::newRow("x == f") << "sameBuffer" << "x != f";
    QTest::newRow("f null") << "nullOutput" << "f != 0";
    QTest::newRow("x null") << "nullInput" << "x != 0";
    QTest::newRow("x is the work buffer") << "inputWork" << "x != workBuffer()";
    QTest::newRow("f is the work buffer") << "outputWork" << "f != workBuffer()";
    QTest::newRow("table size -1") << "tableSize" << "size >= 0";
    QTest::newRow("table index -1") << "tableBelow" << "pos >= 0";
    QTest::newRow("table index size") << "tableAbove" << "pos < m_size";
}

void TestRealFft::assertions()
{
    QFETCH(QString, cas);
    QFETCH(QString, texte);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--misuse"), cas});
    QVERIFY(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAllStandardError());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QVERIFY2(output.contains(QStringLiteral("\"%1\"").arg(texte)), qPrintable(output));
}

// The misuses, run by the child processes of assertions().
static int misuse(const QByteArray &cas)
{
    std::vector<double> a(16, 1.0);
    std::vector<double> b(16, 0.0);
    if (cas == "length0")
        RealFft<double> t(0);
    else if (cas == "lengthNegative")
        RealFft<double> t(-8);
    else if (cas == "length12")
        RealFft<double> t(12);
    else if (cas == "length2p31")
        RealFft<double> t(1L << 31);
    else if (cas == "sameBuffer")
        RealFft<double>(16).forward(a.data(), a.data());
    else if (cas == "nullOutput")
        RealFft<double>(16).forward(nullptr, a.data());
    else if (cas == "nullInput")
        RealFft<double>(16).forward(b.data(), nullptr);
    else if (cas == "inputWork") {
        RealFft<double> t(16);
        t.forward(b.data(), t.workBuffer());
    } else if (cas == "outputWork") {
        RealFft<double> t(16);
        t.forward(const_cast<double *>(t.workBuffer()), a.data());
    } else if (cas == "tableSize")
        fft::Table<double>().resize(-1);
    else if (cas == "tableBelow")
        return int(fft::Table<double>(4)[-1]);
    else if (cas == "tableAbove")
        return int(fft::Table<double>(4)[4]);
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--misuse") == 0)
        return misuse(argv[2]);
    QCoreApplication app(argc, argv);
    TestRealFft test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realfft.moc"
