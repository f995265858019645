// Tones played by AudioPlay through the sound server, captured back from what it plays (in the
// test script, the null sink's monitor) and measured independently.

#include "synth/AudioPlay.h"
#include "tests/support/Banques.h"
#include "synth/Generator.h"
#include "synth/Modmod.h"

#include "tests/support/AudioCheck.h"
#include "tests/support/AudioRecorder.h"
#include "tests/support/ToneMeasurement.h"

#include <QtTest>

#include <QBuffer>

#include <cmath>
#include <complex>
#include <memory>

using namespace zibtest;

namespace {

constexpr int kCaptureRate = 48000;

QString describe(const ToneMeasurement &m)
{
    return describeTone(m, kCaptureRate);
}

// Captures durationMs of what the server plays (the output keeps pulling meanwhile).
ToneMeasurement capture(int durationMs, QVector<qint16> *samples = nullptr)
{
    return listenTone(kCaptureRate, durationMs, samples);
}

// Amplitude of the component at f Hz over samples [begin, end), by correlation with a complex
// exponential; exact for tones with whole periods in the range.
double componentAmplitude(const QVector<qint16> &s, int begin, int end, double f)
{
    std::complex<double> somme;
    for (int n = begin; n < end; ++n)
        somme += double(s[n]) * std::polar(1.0, -2 * M_PI * f * n / kCaptureRate);
    return 2 * std::abs(somme) / (end - begin);
}


QByteArray loopOf(const Generator &gen)
{
    return QByteArray(gen.tampon.get(), gen.loopBytes());
}

} // namespace

class TestAudioPlay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void joueEtSeTait_data();
    void joueEtSeTait();
    void rejouerSuitLaFrequence();
    void deuxLecteursSansSaturer();
    void rejouerInactifNeRemplitPas();
    void detruitPendantQuIlJoue();

private:
    void waitForSilence();
};

void TestAudioPlay::initTestCase()
{
    ZIB_REQUIRE_AUDIO(NeedsOutputAndInput);
}

void TestAudioPlay::cleanup()
{
    waitForSilence();
}

// What a test played may still be on its way through the server.
void TestAudioPlay::waitForSilence()
{
    QTest::qWait(300);
}

void TestAudioPlay::joueEtSeTait_data()
{
    QTest::addColumn<float>("freq");
    QTest::addColumn<int>("freqEch");
    QTest::addColumn<int>("forme");
    QTest::addColumn<float>("amplitude");
    QTest::addColumn<double>("fondamental"); // amplitude of the fundamental, in sample units

    const double pi = M_PI;
    QTest::newRow("440 Hz sine at 44100") << 440.f << 44100 << 0 << 0.5f << 0.5 * 32767;
    QTest::newRow("440 Hz sine at 48000") << 440.f << 48000 << 0 << 1.f << 32767.0;
    // A triangle of peak c has a fundamental of 8c/π², a square 4c/π.
    QTest::newRow("261.63 Hz triangle at 22050") << 261.63f << 22050 << 1 << 0.5f << 8 / (pi * pi) * 0.5 * 32767;
    QTest::newRow("440 Hz square at 32000") << 440.f << 32000 << 3 << 0.8f << 4 / pi * 0.8 * 0.5 * 32767;
    QTest::newRow("440 Hz modal, one pure mode") << 440.f << 44100 << 5 << 0.5f << 0.5 * 30000;
}

void TestAudioPlay::joueEtSeTait()
{
    QFETCH(float, freq);
    QFETCH(int, freqEch);
    QFETCH(int, forme);
    QFETCH(float, amplitude);
    QFETCH(double, fondamental);

    auto modele = modeUnique();
    AudioPlay player(freqEch);
    player.setAmplitude(amplitude);
    QCOMPARE(player.getAmplitude(), amplitude);
    const bool joue = forme == 5 ? player.jouer(freq, 1, modele.get()) : player.jouer(freq, 1, forme);
    QVERIFY(joue);
    QCOMPARE(player.state(), QAudio::ActiveState);

    const ToneMeasurement m = capture(1200);
    qInfo().noquote() << describe(m);
    QCOMPARE(player.state(), QAudio::ActiveState);
    QVERIFY2(m.valid, qPrintable(describe(m)));
    QVERIFY2(std::fabs(m.frequency - double(freq)) <= 2.0, qPrintable(describe(m)));
    // The tone sounds throughout, without gaps at the loop's seams, at its level.
    QVERIFY2(m.end - m.begin >= kCaptureRate * 8 / 10, qPrintable(describe(m)));
    QVERIFY2(std::fabs(m.amplitude / fondamental - 1) < 0.05,
             qPrintable(describe(m) + QStringLiteral(", expected %1").arg(fondamental)));

    player.sortie->stop();
    QCOMPARE(player.state(), QAudio::StoppedState);
    waitForSilence();
    const ToneMeasurement apres = capture(400);
    QVERIFY2(!apres.valid && apres.peak < 50, qPrintable(describe(apres)));
}

void TestAudioPlay::rejouerSuitLaFrequence()
{
    AudioPlay player(48000);
    QVERIFY(player.jouer(440.f, 1, 0));
    QTest::qWait(200);
    const ToneMeasurement avant = capture(1000);
    QVERIFY2(avant.valid && std::fabs(avant.frequency - 440.0) <= 2.0, qPrintable(describe(avant)));

    // What the correction dial does: the sounding generator's frequency, then rejouer.
    player.gen->freq = float(440.0 * std::pow(2.0, 20.0 / 1200.0));
    player.rejouer();
    QCOMPARE(player.state(), QAudio::ActiveState);
    QCOMPARE(player.gen->nbEch, 47988); // 445 periods of 445.11 Hz
    QTest::qWait(300);
    const ToneMeasurement apres = capture(1000);
    QVERIFY2(apres.valid, qPrintable(describe(apres)));
    const double cents = 1200.0 * std::log2(apres.frequency / avant.frequency);
    qInfo().noquote() << QStringLiteral("%1 cents:").arg(cents, 0, 'f', 3) << describe(avant) << "then" << describe(apres);
    QVERIFY2(std::fabs(cents - 20.0) <= 0.5,
             qPrintable(QStringLiteral("%1 cents: ").arg(cents) + describe(avant) + " then " + describe(apres)));
    player.sortie->stop();
}

void TestAudioPlay::deuxLecteursSansSaturer()
{
    // As the main window does when Frequency 2 starts while Frequency 1 sounds: both at 0.49.
    // At the sink's rate nothing is resampled, so the sum of the two peaks is what is captured.
    AudioPlay premier(kCaptureRate);
    QVERIFY(premier.jouer(440.f, 1, 0));
    AudioPlay second(kCaptureRate);
    premier.amplitude = 0.49f;
    second.amplitude = 0.49f;
    premier.rejouer();
    QCOMPARE(premier.gen->amplitude, 0.49f);
    QVERIFY(second.jouer(660.f, 1, 0));
    QTest::qWait(200);

    QVector<qint16> s;
    const ToneMeasurement m = capture(1200, &s);
    QCOMPARE(premier.state(), QAudio::ActiveState);
    QCOMPARE(second.state(), QAudio::ActiveState);
    premier.sortie->stop();
    second.sortie->stop();

    QVERIFY2(m.end - m.begin >= kCaptureRate / 2, qPrintable(describe(m)));
    QVERIFY2(m.peak < 32767, qPrintable(describe(m)));
    QVERIFY2(m.peak <= 2 * 0.49 * 32767 * 1.01, qPrintable(describe(m)));
    // 0.1 s holds 44 and 66 whole periods: each tone's amplitude on its own.
    const int fin = m.begin + kCaptureRate / 10;
    for (const double f : {440.0, 660.0}) {
        const double a = componentAmplitude(s, m.begin, fin, f);
        qInfo().noquote() << f << "Hz:" << a << describe(m);
        QVERIFY2(std::fabs(a / (0.49 * 32767) - 1) < 0.05, qPrintable(QStringLiteral("%1 Hz: %2").arg(f).arg(a)));
    }
}

void TestAudioPlay::rejouerInactifNeRemplitPas()
{
    AudioPlay player(44100);
    QVERIFY(player.jouer(440.f, 1, 0));
    Generator *gen = player.gen;
    const QByteArray boucle = loopOf(*gen);

    // Idle: the output ran out of samples (a source that never gave any leaves it active).
    QByteArray silence(4410, '\0');
    QBuffer court(&silence);
    court.open(QIODevice::ReadOnly);
    player.sortie->start(&court);
    QVERIFY(QTest::qWaitFor([&] { return player.state() == QAudio::IdleState; }, 3000));
    const int pos = gen->pos;
    gen->freq = 261.63f;
    player.amplitude = 0.49f;
    player.rejouer();
    QCOMPARE(player.state(), QAudio::IdleState);
    QCOMPARE(player.gen, gen);
    QCOMPARE(gen->nbEch, 44100);
    QCOMPARE(gen->amplitude, 1.f);
    QCOMPARE(gen->pos, pos);
    QCOMPARE(loopOf(*gen), boucle);

    // Stopped.
    player.sortie->stop();
    player.rejouer();
    QCOMPARE(player.state(), QAudio::StoppedState);
    QCOMPARE(gen->nbEch, 44100);
    QCOMPARE(loopOf(*gen), boucle);
}

void TestAudioPlay::detruitPendantQuIlJoue()
{
    auto player = std::make_unique<AudioPlay>(44100);
    QVERIFY(player->jouer(440.f, 1, 0));
    QVERIFY(player->jouer(523.25f, 2, 1)); // the first generator is replaced
    QTest::qWait(300);
    QCOMPARE(player->state(), QAudio::ActiveState);
    player.reset();
    waitForSilence();
    const ToneMeasurement apres = capture(300);
    QVERIFY2(!apres.valid && apres.peak < 50, qPrintable(describe(apres)));
}

QTEST_GUILESS_MAIN(TestAudioPlay)
#include "tst_audioplay.moc"
