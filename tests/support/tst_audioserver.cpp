// The audio test harness end to end: tones played into the sound server come back through the
// capture at their pitch and level. In the test script this runs on the private server's null
// sink, recording its monitor.

#include "tests/support/AudioCheck.h"
#include "tests/support/AudioRecorder.h"
#include "tests/support/TonePlayer.h"
#include "tests/support/ToneMeasurement.h"

#include <QtTest>

#include <cmath>

using namespace zibtest;

namespace {

QString describe(const ToneMeasurement &m, int sampleRate)
{
    return QStringLiteral("%1 Hz, amplitude %2, %3 ms of tone from %4 ms")
        .arg(m.frequency, 0, 'f', 4)
        .arg(m.amplitude, 0, 'f', 0)
        .arg(1000.0 * (m.end - m.begin) / sampleRate, 0, 'f', 0)
        .arg(1000.0 * m.begin / sampleRate, 0, 'f', 0);
}

} // namespace

class TestAudioServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void toneComesBack_data();
    void toneComesBack();
    void silenceWhenNothingPlays();
    void finiteToneStartsAndEndsInTheCapture();
};

void TestAudioServer::initTestCase()
{
    ZIB_REQUIRE_AUDIO(NeedsOutputAndInput);
}

void TestAudioServer::toneComesBack_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("playRate");
    QTest::addColumn<int>("captureRate");

    QTest::newRow("440 Hz, 44100 to 48000") << 440.0 << 44100 << 48000;
    QTest::newRow("440 Hz, 48000 to 48000") << 440.0 << 48000 << 48000;
    QTest::newRow("82.41 Hz, 22050 to 44100") << 82.41 << 22050 << 44100;
    QTest::newRow("329.63 Hz, 44100 to 22050") << 329.63 << 44100 << 22050;
    QTest::newRow("1000 Hz, 48000 to 44100") << 1000.0 << 48000 << 44100;
    QTest::newRow("1000 Hz, 22050 to 48000") << 1000.0 << 22050 << 48000;
}

void TestAudioServer::toneComesBack()
{
    QFETCH(double, frequency);
    QFETCH(int, playRate);
    QFETCH(int, captureRate);
    const double amplitude = 0.5;

    TonePlayer player;
    QVERIFY2(player.start(frequency, amplitude, playRate), qPrintable(player.errorString()));
    AudioRecorder recorder;
    const QVector<qint16> samples = recorder.record(captureRate, 1200);
    QVERIFY2(!samples.isEmpty(), qPrintable(recorder.errorString()));
    QCOMPARE(samples.size(), captureRate * 12 / 10);
    QVERIFY2(player.isPlaying(), qPrintable(QString::number(player.output()->error())));
    QVERIFY(player.samplesPulled() > playRate);
    player.stop();

    const ToneMeasurement m = measureTone(samples, captureRate);
    const QString found = describe(m, captureRate);
    qInfo().noquote() << found;
    QVERIFY2(m.valid, qPrintable(found));
    // The null sink keeps the pitch exact, resampling included.
    QVERIFY2(std::fabs(m.frequency - frequency) <= 0.1, qPrintable(found));
    // Resampling may overshoot by a few per cent; the stream's volume is 100 %.
    QVERIFY2(std::fabs(m.amplitude / (amplitude * 32767) - 1) < 0.1, qPrintable(found));
    // The tone sounds throughout, without gaps.
    QVERIFY2(m.end - m.begin >= captureRate / 2, qPrintable(found));
}

void TestAudioServer::silenceWhenNothingPlays()
{
    QTest::qWait(300); // what earlier tests played has drained
    AudioRecorder recorder;
    const QVector<qint16> samples = recorder.record(48000, 300);
    QVERIFY2(!samples.isEmpty(), qPrintable(recorder.errorString()));
    const ToneMeasurement m = measureTone(samples, 48000);
    QVERIFY2(!m.valid, qPrintable(describe(m, 48000)));
    QVERIFY2(m.peak < 50, qPrintable(QString::number(m.peak)));
}

void TestAudioServer::finiteToneStartsAndEndsInTheCapture()
{
    const int rate = 48000;
    AudioRecorder recorder;
    QVERIFY2(recorder.start(rate), qPrintable(recorder.errorString()));
    QVERIFY2(recorder.waitForSamples(rate / 10, 3000), qPrintable(recorder.errorString()));

    TonePlayer player;
    QVERIFY2(player.start(659.26, 0.3, 44100, 300), qPrintable(player.errorString()));
    QVERIFY2(recorder.waitForSamples(rate, 5000), qPrintable(recorder.errorString()));
    recorder.stop();
    QCOMPARE(player.samplesPulled(), qint64(44100 * 3 / 10));
    QVERIFY(!player.isPlaying());
    QCOMPARE(player.output()->state(), QAudio::IdleState);

    const ToneMeasurement m = measureTone(recorder.samples(), rate);
    const QString found = describe(m, rate);
    qInfo().noquote() << found;
    QVERIFY2(m.valid, qPrintable(found));
    QVERIFY2(std::fabs(m.frequency - 659.26) <= 0.1, qPrintable(found));
    QVERIFY2(m.begin >= rate / 10, qPrintable(found)); // after the silence captured first
    const int length = m.end - m.begin;
    QVERIFY2(length > rate / 4 && length <= rate * 3 / 10, qPrintable(found));
}

QTEST_GUILESS_MAIN(TestAudioServer)
#include "tst_audioserver.moc"
