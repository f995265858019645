#include "tuner/LagProducts.h"

#include <QtTest>

#include <algorithm>
#include <random>
#include <vector>

Q_DECLARE_METATYPE(fft::Simd)

namespace {

enum class Signal { FullScaleNegative, RandomFullScale, RandomWithExtremes };

std::vector<qint16> makeSignal(Signal kind, int n)
{
    std::vector<qint16> x(std::size_t(n), qint16(-32768));
    std::mt19937 generator(2024);
    std::uniform_int_distribution<int> any(-32768, 32767);
    std::uniform_int_distribution<int> percent(0, 99);
    for (qint16 &v : x) {
        switch (kind) {
        case Signal::FullScaleNegative:
            break;
        case Signal::RandomFullScale:
            v = qint16(any(generator));
            break;
        case Signal::RandomWithExtremes: {
            const int p = percent(generator);
            v = p < 30 ? qint16(-32768) : p < 40 ? qint16(32767) : qint16(any(generator));
            break;
        }
        }
    }
    return x;
}

qint64 reference(const std::vector<qint16> &x, int lag)
{
    qint64 s = 0;
    for (int i = 0; i + lag < int(x.size()); ++i)
        s += qint64(x[std::size_t(i)]) * qint64(x[std::size_t(i + lag)]);
    return s;
}

} // namespace

class TestLagProducts : public QObject
{
    Q_OBJECT

private slots:
    void egalesALaReference_data();
    void egalesALaReference();
    void vectorSetsMatchPlainPath_data();
    void vectorSetsMatchPlainPath();
};

void TestLagProducts::egalesALaReference_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("minLag");
    QTest::addColumn<int>("maxLag");
    QTest::addColumn<fft::Simd>("simd");

    struct Case
    {
        const char *name;
        Signal signal;
        int n;
        int minLag;
        int maxLag;
    };
    const Case cases[] = {
        // Every 16-bit product pair is (−32768)² + (−32768)² = 2^31, just outside int32.
        {"all -32768, N=8192, 44100 Hz lags", Signal::FullScaleNegative, 8192, 8, 882},
        {"random full scale, N=8192, 44100 Hz lags", Signal::RandomFullScale, 8192, 8, 882},
        {"30% -32768 and 10% 32767, N=8192", Signal::RandomWithExtremes, 8192, 8, 882},
        {"30% -32768, N=4096, 48000 Hz lags", Signal::RandomWithExtremes, 4096, 9, 960},
        {"N=1000, lags past N", Signal::RandomWithExtremes, 1000, 1, 1010},
        {"N=37, lags 1 … 40", Signal::RandomWithExtremes, 37, 1, 40},
        {"N=3, lags 0 … 5", Signal::RandomFullScale, 3, 0, 5},
        {"three lags", Signal::RandomWithExtremes, 512, 100, 102},
        {"one lag", Signal::FullScaleNegative, 512, 7, 7},
    };
    const fft::Simd sets[] = {fft::Simd::None, fft::Simd::Sse2, fft::Simd::Avx2};
    for (const Case &c : cases) {
        for (fft::Simd simd : sets) {
            if (fft::usableSimd(simd) != simd)
                continue;
            QTest::addRow("%s, %s", c.name, fft::simdName(simd))
                << int(c.signal) << c.n << c.minLag << c.maxLag << simd;
        }
    }
}

void TestLagProducts::egalesALaReference()
{
    QFETCH(int, signal);
    QFETCH(int, n);
    QFETCH(int, minLag);
    QFETCH(int, maxLag);
    QFETCH(fft::Simd, simd);
    const std::vector<qint16> x = makeSignal(Signal(signal), n);
    std::vector<qint64> sums(std::size_t(maxLag - minLag + 1), -1);
    lagProducts(x.data(), n, minLag, maxLag, sums.data(), simd);
    for (int lag = minLag; lag <= maxLag; ++lag) {
        const qint64 expected = reference(x, lag);
        QVERIFY2(sums[std::size_t(lag - minLag)] == expected,
                 qPrintable(QStringLiteral("lag %1: %2 instead of %3")
                                .arg(lag)
                                .arg(sums[std::size_t(lag - minLag)])
                                .arg(expected)));
    }
}

void TestLagProducts::vectorSetsMatchPlainPath_data()
{
    QTest::addColumn<fft::Simd>("simd");
    for (fft::Simd simd : {fft::Simd::Sse2, fft::Simd::Avx2})
        if (fft::usableSimd(simd) == simd)
            QTest::newRow(fft::simdName(simd)) << simd;
}

// Every length up to a few vectors and every window of lags around it, so that each split of the
// samples into vectors and tail and of the lags into groups of four (overlapping the last) meets
// the plain loop's integers.
void TestLagProducts::vectorSetsMatchPlainPath()
{
    QFETCH(fft::Simd, simd);
    const std::vector<qint16> x = makeSignal(Signal::RandomWithExtremes, 80);
    std::vector<qint64> plain(100);
    std::vector<qint64> vector(100);
    for (int n = 0; n <= 80; ++n) {
        for (int minLag = 0; minLag <= 9; ++minLag) {
            for (int maxLag = minLag; maxLag <= n + 6 && maxLag - minLag < 100; ++maxLag) {
                std::fill(plain.begin(), plain.end(), -1);
                std::fill(vector.begin(), vector.end(), -1);
                lagProducts(x.data(), n, minLag, maxLag, plain.data(), fft::Simd::None);
                lagProducts(x.data(), n, minLag, maxLag, vector.data(), simd);
                if (vector != plain)
                    QFAIL(qPrintable(QStringLiteral("n = %1, lags %2 … %3").arg(n).arg(minLag).arg(maxLag)));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestLagProducts)

#include "tst_lagproducts.moc"
