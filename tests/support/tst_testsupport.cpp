// The sound-free parts of the audio test support: the pitch and level measurement on generated
// signals, the capture buffer's decoding of odd chunks, the sine source, and the tones generated
// for the pitch detectors with their Cramér–Rao bound.

#include "tests/support/CaptureBuffer.h"
#include "tests/support/FailingFolder.h"
#include "tests/support/GeneratedTone.h"
#include "tests/support/SineSource.h"
#include "tests/support/ToneMeasurement.h"

#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <random>

using namespace zibtest;

namespace {

const double kPi = 3.141592653589793;
const double kFullScale = 32767.0;

struct Signal
{
    double frequency = 440;   // Hz
    double amplitude = 0.5;   // fraction of full scale
    double phase = 1.0;       // radians
    int sampleRate = 44100;   // Hz
    int leadMs = 0;           // silence (or noise alone) before the tone
    int toneMs = 1000;
    int trailMs = 0;          // after the tone
    double noise = 0;         // RMS of white Gaussian noise over everything, fraction of full scale
    bool square = false;
};

qint16 saturated(double v)
{
    return static_cast<qint16>(std::clamp(std::lround(v), -32768L, 32767L));
}

QVector<qint16> generate(const Signal &s)
{
    const int lead = s.sampleRate * s.leadMs / 1000;
    const int tone = s.sampleRate * s.toneMs / 1000;
    const int trail = s.sampleRate * s.trailMs / 1000;
    std::mt19937 random(20240611);
    std::normal_distribution<double> gauss(0.0, s.noise * kFullScale);
    QVector<qint16> out(lead + tone + trail);
    for (int i = 0; i < out.size(); ++i) {
        double v = s.noise > 0 ? gauss(random) : 0.0;
        if (i >= lead && i < lead + tone) {
            const double sine = std::sin(2 * kPi * s.frequency * (i - lead) / s.sampleRate + s.phase);
            v += s.amplitude * kFullScale * (s.square ? (sine >= 0 ? 1.0 : -1.0) : sine);
        }
        out[i] = saturated(v);
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Signal)

class TestTestSupport : public QObject
{
    Q_OBJECT

private slots:
    void measuresTone_data();
    void measuresTone();
    void noTone_data();
    void noTone();
    void captureBufferJoinsOddChunks();
    void sineSourceFollowsItsFormula();
    void sineSourceEndsAfterItsSamples();
    void sineSourceSaturates();
    void generatedTones_data();
    void generatedTones();
    void cramerRaoBound();
    void failingFolderFull_data();
    void failingFolderFull();
    void failingFolderReadOnly();
};

void TestTestSupport::measuresTone_data()
{
    QTest::addColumn<Signal>("signal");
    QTest::addColumn<double>("tolerance"); // Hz

    auto tone = [](double f, int rate) {
        Signal s;
        s.frequency = f;
        s.sampleRate = rate;
        return s;
    };
    QTest::newRow("440 Hz at 44100") << tone(440, 44100) << 0.005;
    QTest::newRow("82.41 Hz at 22050") << tone(82.41, 22050) << 0.005;
    QTest::newRow("329.63 Hz at 48000") << tone(329.63, 48000) << 0.005;
    QTest::newRow("1000 Hz at 48000") << tone(1000, 48000) << 0.005;
    QTest::newRow("27.5 Hz at 44100") << tone(27.5, 44100) << 0.005;
    QTest::newRow("4186.01 Hz at 44100") << tone(4186.01, 44100) << 0.005;
    QTest::newRow("4400 Hz at 22050") << tone(4400, 22050) << 0.005;

    Signal s = tone(440, 48000);
    s.leadMs = 400;
    s.toneMs = 600;
    QTest::newRow("440 Hz after 400 ms of silence") << s << 0.01;
    s = tone(261.63, 44100);
    s.leadMs = 300;
    s.toneMs = 500;
    s.trailMs = 200;
    QTest::newRow("261.63 Hz between silences") << s << 0.01;
    s = tone(261.63, 44100);
    s.noise = 0.05;
    QTest::newRow("261.63 Hz in noise, 17 dB SNR") << s << 0.005;
    s = tone(659.26, 48000);
    s.noise = 0.05;
    s.leadMs = 400;
    s.toneMs = 600;
    QTest::newRow("659.26 Hz after 400 ms of noise alone") << s << 0.005;
    s = tone(440, 44100);
    s.amplitude = 0.005;
    QTest::newRow("440 Hz at -46 dBFS") << s << 0.01;
    s = tone(220, 44100);
    s.square = true;
    QTest::newRow("220 Hz square") << s << 0.01;
    s = tone(440, 44100);
    s.amplitude = 1.5;
    QTest::newRow("440 Hz clipped") << s << 0.01;
}

void TestTestSupport::measuresTone()
{
    QFETCH(Signal, signal);
    QFETCH(double, tolerance);
    const QVector<qint16> samples = generate(signal);
    const ToneMeasurement m = measureTone(samples, signal.sampleRate);

    QVERIFY(m.valid);
    QVERIFY2(std::fabs(m.frequency - signal.frequency) <= tolerance,
             qPrintable(QString::number(m.frequency, 'f', 5)));

    // The measured part lies within the tone and covers all but its edges (a block each, 10 ms).
    const int lead = signal.sampleRate * signal.leadMs / 1000;
    const int toneEnd = lead + signal.sampleRate * signal.toneMs / 1000;
    const int margin = signal.sampleRate * 25 / 1000;
    QVERIFY2(m.begin >= lead && m.begin <= lead + margin, qPrintable(QString::number(m.begin)));
    QVERIFY2(m.end <= toneEnd && m.end >= toneEnd - margin, qPrintable(QString::number(m.end)));

    if (signal.amplitude > 1 || signal.noise > 0)
        return;
    // Levels of a sine: amplitude A, RMS A/√2; of a square: A both.
    const double a = signal.amplitude * kFullScale;
    const double rms = signal.square ? a : a / std::sqrt(2.0);
    const double fundamental = signal.square ? 4 / kPi * a : a;
    QVERIFY2(std::fabs(m.rms - rms) <= 0.01 * rms + 0.5, qPrintable(QString::number(m.rms)));
    QVERIFY2(std::fabs(m.amplitude - fundamental) <= 0.01 * fundamental + 0.5,
             qPrintable(QString::number(m.amplitude)));
    QVERIFY2(m.peak <= std::lround(a) && m.peak >= 0.95 * a - 1, qPrintable(QString::number(m.peak)));
}

void TestTestSupport::noTone_data()
{
    QTest::addColumn<QVector<qint16>>("samples");
    QTest::addColumn<int>("peak");

    QTest::newRow("nothing") << QVector<qint16>() << 0;
    QTest::newRow("1 s of silence") << QVector<qint16>(44100, 0) << 0;
    QTest::newRow("constant") << QVector<qint16>(44100, -1000) << 1000;
    Signal s;
    s.toneMs = 5;
    s.leadMs = 100;
    s.trailMs = 100;
    QTest::newRow("5 ms of tone") << generate(s) << 16383;
    s = Signal();
    s.frequency = 10;
    s.toneMs = 250;
    s.phase = 0;
    QTest::newRow("two and a half periods") << generate(s) << 16384;
    s = Signal();
    s.frequency = 9999;
    QTest::newRow("9999 Hz, above a fifth of the rate") << generate(s) << 16384;
}

void TestTestSupport::noTone()
{
    QFETCH(QVector<qint16>, samples);
    QFETCH(int, peak);
    const ToneMeasurement m = measureTone(samples, 44100);
    QVERIFY(!m.valid);
    QVERIFY2(std::abs(m.peak - peak) <= 1, qPrintable(QString::number(m.peak)));
}

void TestTestSupport::captureBufferJoinsOddChunks()
{
    QVector<qint16> sent;
    for (int i = 0; i < 1000; ++i)
        sent << static_cast<qint16>(i * 67 - 32768);
    QByteArray bytes(2 * sent.size(), Qt::Uninitialized);
    for (int i = 0; i < sent.size(); ++i)
        qToLittleEndian<qint16>(sent[i], bytes.data() + 2 * i);

    CaptureBuffer buffer;
    QVERIFY(buffer.open());
    int at = 0;
    for (int chunk : {1, 3, 566, 2, 1, 0, 7, 1000}) {
        QCOMPARE(buffer.write(bytes.constData() + at, chunk), qint64(chunk));
        at += chunk;
    }
    QCOMPARE(buffer.write(bytes.constData() + at, bytes.size() - at), qint64(bytes.size() - at));
    QCOMPARE(buffer.samples(), sent);

    // Opening again starts a new capture.
    buffer.close();
    QVERIFY(buffer.open());
    QCOMPARE(buffer.sampleCount(), 0);
}

void TestTestSupport::sineSourceFollowsItsFormula()
{
    const double f = 441.5, a = 0.25;
    const int rate = 22050;
    SineSource source(f, a, rate);
    QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    QByteArray first = source.read(301); // an odd request reads whole samples only
    QCOMPARE(first.size(), 300);
    QByteArray bytes = first + source.read(2 * rate - 300);
    QCOMPARE(bytes.size(), 2 * rate);
    QCOMPARE(source.position(), qint64(rate));

    for (int n : {0, 1, 2, 149, 150, 151, 10000, rate - 1}) {
        const double expected = a * kFullScale * std::sin(2 * kPi * f * n / rate);
        const qint16 got = qFromLittleEndian<qint16>(bytes.constData() + 2 * n);
        QVERIFY2(std::fabs(got - expected) <= 0.5 + 1e-9, qPrintable(QString::number(n)));
    }
    QVector<qint16> samples(rate);
    for (int n = 0; n < rate; ++n)
        samples[n] = qFromLittleEndian<qint16>(bytes.constData() + 2 * n);
    QVERIFY(std::fabs(measureTone(samples, rate).frequency - f) < 0.005);
}

void TestTestSupport::sineSourceEndsAfterItsSamples()
{
    SineSource source(440, 0.5, 48000, 1000);
    QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    QCOMPARE(source.read(1500).size(), 1500);
    QCOMPARE(source.read(4096).size(), 500);
    QCOMPARE(source.read(4096).size(), 0);
    QCOMPARE(source.position(), qint64(1000));
}

void TestTestSupport::sineSourceSaturates()
{
    // 2.5 × full scale at the sine's peaks must clip, not wrap around.
    SineSource source(1000, 2.5, 48000);
    QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    const QByteArray bytes = source.read(2 * 48);
    int highest = 0, lowest = 0;
    for (int n = 0; n < 48; ++n) {
        const int v = qFromLittleEndian<qint16>(bytes.constData() + 2 * n);
        highest = std::max(highest, v);
        lowest = std::min(lowest, v);
        if (n > 0 && n < 24)
            QVERIFY2(v > 0, qPrintable(QString::number(n)));
        if (n > 24)
            QVERIFY2(v < 0, qPrintable(QString::number(n)));
    }
    QCOMPARE(highest, 32767);
    QCOMPARE(lowest, -32768);
}

void TestTestSupport::generatedTones_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("missing");

    // The frequency to read, and one that must not be there (the fundamental of a tone that
    // lacks it), 0 for none.
    QTest::newRow("sine") << int(GeneratedTone::Sine) << 440.0 << 0.0;
    QTest::newRow("harmonic") << int(GeneratedTone::Harmonic) << 440.0 << 0.0;
    QTest::newRow("missing fundamental") << int(GeneratedTone::MissingFundamental) << 440.0 << 440.0;
    QTest::newRow("weak fundamental") << int(GeneratedTone::WeakFundamental) << 440.0 << 0.0;
    QTest::newRow("inharmonic") << int(GeneratedTone::Inharmonic) << 440.0 * std::sqrt(1.0004) << 0.0;
}

// Same seed, same samples; the clean tone peaks at half full scale; the noise lies 20 dB below
// it; the partials are where the kind says (a Goertzel sum at each frequency).
void TestTestSupport::generatedTones()
{
    QFETCH(int, kind);
    QFETCH(double, expected);
    QFETCH(double, missing);
    const int n = 8192;
    const auto k = GeneratedTone::Kind(kind);
    const GeneratedTone clean = generateTone(k, 440.0, 44100, n, kClean, 9);
    const GeneratedTone noisy = generateTone(k, 440.0, 44100, n, 20.0, 9);
    QCOMPARE(int(clean.samples.size()), n);
    QCOMPARE(clean.frequency, expected);
    QVERIFY(generateTone(k, 440.0, 44100, n, 20.0, 9).samples == noisy.samples);
    QVERIFY(generateTone(k, 440.0, 44100, n, 20.0, 10).samples != noisy.samples);
    int peak = 0;
    double signal = 0;
    double noise = 0;
    for (int i = 0; i < n; ++i) {
        peak = std::max(peak, std::abs(int(clean.samples[std::size_t(i)])));
        signal += double(clean.samples[std::size_t(i)]) * clean.samples[std::size_t(i)];
        const double d = noisy.samples[std::size_t(i)] - clean.samples[std::size_t(i)];
        noise += d * d;
    }
    QVERIFY2(peak >= 16380 && peak <= 16384, qPrintable(QString::number(peak)));
    QVERIFY(clean.noisePower < 0.5);
    const double snr = 10 * std::log10(signal / noise);
    QVERIFY2(std::fabs(snr - 20.0) < 0.3, qPrintable(QString::number(snr)));
    QVERIFY(std::fabs(noisy.noisePower / (signal / n / 100) - 1) < 0.1);

    const auto magnitude = [&clean, n](double f) {
        double c = 0, s = 0;
        for (int i = 0; i < n; ++i) {
            const double w = 0.5 - 0.5 * std::cos(2 * kPi * i / n);
            c += w * clean.samples[std::size_t(i)] * std::cos(2 * kPi * f * i / 44100);
            s += w * clean.samples[std::size_t(i)] * std::sin(2 * kPi * f * i / 44100);
        }
        return std::sqrt(c * c + s * s) / (0.25 * n);
    };
    // The second partial of a stiff string lies at 2·f·√(1 + 4B).
    const double second = magnitude(kind == GeneratedTone::Inharmonic ? 880.0 * std::sqrt(1.0016) : 880.0);
    if (missing > 0)
        QVERIFY2(magnitude(missing) < 10, qPrintable(QString::number(magnitude(missing))));
    else
        QVERIFY2(magnitude(expected) > (kind == GeneratedTone::WeakFundamental ? 0.02 * second : 1000),
                 qPrintable(QString::number(magnitude(expected))));
    QVERIFY2(kind == GeneratedTone::Sine ? second < 10 : second > 1000, qPrintable(QString::number(second)));
    QVERIFY(magnitude(1.5 * expected) < 50);
}

// The bound of one frame of N = 8192 at 20 dB for the sines of the tuner's table (41 to 2000 Hz):
// 0.14 cents at 41 Hz, a median of 0.02 cents. Five harmonics at the same SNR tell more about
// their fundamental: their bound is lower.
void TestTestSupport::cramerRaoBound()
{
    std::vector<double> sines;
    for (double f : {41.0, 55.0, 82.4, 110.0, 196.0, 261.6, 440.0, 659.3, 880.0, 1318.5, 2000.0}) {
        sines.push_back(generateTone(GeneratedTone::Sine, f, 44100, 8192, 20.0, unsigned(f)).crbCents);
        QVERIFY(generateTone(GeneratedTone::Harmonic, f, 44100, 8192, 20.0, unsigned(f)).crbCents < 0.7 * sines.back());
    }
    QVERIFY2(std::fabs(sines[0] - 0.14) < 0.01, qPrintable(QString::number(sines[0])));
    std::sort(sines.begin(), sines.end());
    QVERIFY2(std::fabs(sines[5] - 0.02) < 0.005, qPrintable(QString::number(sines[5])));
    // Clean, only the truncation to 16 bits is left: a bound thousands of times smaller.
    QVERIFY(generateTone(GeneratedTone::Sine, 41.0, 44100, 8192, kClean, 1).crbCents < 0.14 / 1000);
}

void TestTestSupport::failingFolderFull_data()
{
    QTest::addColumn<qint64>("room");
    QTest::newRow("no room") << qint64(0);
    QTest::newRow("three pages") << qint64(3 * 4096);
}

// A full folder takes what room it has left and not a byte more; the existing file stays, and a
// healed folder takes everything again.
void TestTestSupport::failingFolderFull()
{
    QFETCH(qint64, room);
    zibtest::FailingFolder folder(zibtest::FailingFolder::Full);
    QVERIFY(folder.isValid());
    QVERIFY(folder.put(QStringLiteral("old"), "ancien"));
    QVERIFY2(folder.fail(room), qPrintable(folder.how()));
    const QByteArray big(room + 20000, 'x');
    {
        QFile f(folder.filePath(QStringLiteral("new")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const qint64 written = f.write(big);
        QVERIFY2(written < big.size(), qPrintable(folder.how()));
        QVERIFY2(written <= room, qPrintable(QStringLiteral("%1: %2").arg(folder.how()).arg(written)));
        QVERIFY2(room == 0 || written > 0, qPrintable(folder.how()));
    }
    QCOMPARE(folder.existing(QStringLiteral("old")), QByteArray("ancien"));
    QCOMPARE(folder.files(), (QStringList{QStringLiteral("new"), QStringLiteral("old")}));
    folder.heal();
    QFile f(folder.filePath(QStringLiteral("new")));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QCOMPARE(f.write(big), qint64(big.size()));
}

// Nothing is created in a read-only folder, not even by root; the existing file stays readable.
void TestTestSupport::failingFolderReadOnly()
{
    zibtest::FailingFolder folder(zibtest::FailingFolder::ReadOnly);
    QVERIFY(folder.isValid());
    QVERIFY(folder.put(QStringLiteral("old"), "ancien"));
    QVERIFY(folder.fail());
    QFile f(folder.filePath(QStringLiteral("new")));
    QVERIFY2(!f.open(QIODevice::WriteOnly), qPrintable(folder.how()));
    QFile old(folder.filePath(QStringLiteral("old")));
    QVERIFY2(!old.open(QIODevice::WriteOnly | QIODevice::Append), qPrintable(folder.how()));
    QCOMPARE(folder.existing(QStringLiteral("old")), QByteArray("ancien"));
}

QTEST_GUILESS_MAIN(TestTestSupport)
#include "tst_testsupport.moc"
