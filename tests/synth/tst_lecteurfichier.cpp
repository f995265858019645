// WAV files played by playFich through the sound server, captured back from what it plays (in
// the test script, the null sink's monitor) and measured independently.

#include "synth/LecteurFichier.h"
#include "synth/SyntheseSave.h"
#include "synth/WavHeader.h"

#include "tests/support/AudioCheck.h"
#include "tests/support/AudioRecorder.h"
#include "tests/support/ToneMeasurement.h"

#include <QtTest>

#include <QPointer>
#include <QSound>
#include <QTemporaryDir>

#include <cmath>

using namespace zibtest;

namespace {

constexpr int kCaptureRate = 48000;

QString describe(const ToneMeasurement &m)
{
    return describeTone(m, kCaptureRate);
}

ToneMeasurement capture(int durationMs)
{
    return listenTone(kCaptureRate, durationMs);
}

} // namespace

class TestLecteurFichier : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void sansSonCourantStopNeFaitRien();
    void joueArreteEtContinue();
    void sonFiniRecommence();
    void enBoucle();
    void sonRemplaceLibereQuandIlFinit();
    void fichierIllisible_data();
    void fichierIllisible();
    void otherLayoutsPlay_data();
    void otherLayoutsPlay();

private:
    QString wav(const QString &nom, float freq, float duree);
    QTemporaryDir m_dir;
};

void TestLecteurFichier::initTestCase()
{
    ZIB_REQUIRE_AUDIO(NeedsOutputAndInput);
    QVERIFY(m_dir.isValid());
}

void TestLecteurFichier::cleanup()
{
    if (audio)
        audio->stop();
    QTest::qWait(300); // what the test played drains from the server
}

// A sine file written by the program's own WAV rendering.
QString TestLecteurFichier::wav(const QString &nom, float freq, float duree)
{
    const QString fichier = m_dir.filePath(nom);
    if (!syntheseSave(freq, duree, 0, 44100.f, &fichier))
        qWarning() << "could not write" << fichier;
    return fichier;
}

void TestLecteurFichier::sansSonCourantStopNeFaitRien()
{
    QVERIFY(!audio);
    QVERIFY(!stopSonSynth());
    QVERIFY(!audio);
}

void TestLecteurFichier::joueArreteEtContinue()
{
    QVERIFY(playFich(wav(QStringLiteral("la.wav"), 440.f, 3.f), false));
    QVERIFY(audio);
    QVERIFY(!audio->isFinished());
    const ToneMeasurement joue = capture(600);
    qInfo().noquote() << describe(joue);
    QVERIFY2(joue.valid && std::fabs(joue.frequency - 440.0) <= 2.0, qPrintable(describe(joue)));

    QVERIFY(stopSonSynth()); // stopped: the button then reads "&Continuer"
    QTest::qWait(300);
    const ToneMeasurement arrete = capture(400);
    QVERIFY2(isSilence(arrete), qPrintable(describe(arrete)));

    QVERIFY(!stopSonSynth()); // played again from its start: "&Stop"
    const ToneMeasurement repris = capture(600);
    QVERIFY2(repris.valid && std::fabs(repris.frequency - 440.0) <= 2.0, qPrintable(describe(repris)));
    QVERIFY(stopSonSynth());
}

void TestLecteurFichier::sonFiniRecommence()
{
    QVERIFY(playFich(wav(QStringLiteral("do.wav"), 523.25f, 0.4f), false));
    QVERIFY(QTest::qWaitFor([] { return audio->isFinished(); }, 3000));
    QTest::qWait(300);
    QVERIFY(isSilence(capture(300)));

    QVERIFY(!stopSonSynth()); // a finished sound starts again
    const ToneMeasurement repris = capture(700);
    QVERIFY2(repris.valid && std::fabs(repris.frequency - 523.25) <= 2.0, qPrintable(describe(repris)));
    const int longueur = repris.end - repris.begin;
    QVERIFY2(longueur <= kCaptureRate * 4 / 10, qPrintable(describe(repris))); // played once
}

void TestLecteurFichier::enBoucle()
{
    QVERIFY(playFich(wav(QStringLiteral("mi.wav"), 329.63f, 0.3f), true));
    QTest::qWait(400);
    const ToneMeasurement m = capture(1000);
    QVERIFY(!audio->isFinished());
    QVERIFY2(m.valid && std::fabs(m.frequency - 329.63) <= 2.0, qPrintable(describe(m)));
    // Far longer than the file: it goes round and round.
    QVERIFY2(m.end - m.begin >= kCaptureRate * 8 / 10, qPrintable(describe(m)));
    QVERIFY(stopSonSynth());
}

void TestLecteurFichier::sonRemplaceLibereQuandIlFinit()
{
    QVERIFY(playFich(wav(QStringLiteral("court.wav"), 440.f, 0.3f), false));
    QPointer<QSound> premier = audio;
    QVERIFY(playFich(wav(QStringLiteral("sol.wav"), 392.f, 2.f), false));
    QVERIFY(audio != premier);
    QVERIFY(premier); // it plays on
    QVERIFY(QTest::qWaitFor([&] { return premier.isNull(); }, 3000));
    QVERIFY(audio && !audio->isFinished());

    // A replaced sound already stopped goes at once.
    QVERIFY(stopSonSynth());
    QPointer<QSound> arrete = audio;
    QVERIFY(playFich(wav(QStringLiteral("court.wav"), 440.f, 0.3f), false));
    QVERIFY(QTest::qWaitFor([&] { return arrete.isNull(); }, 1000));
}

void TestLecteurFichier::fichierIllisible_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("contenu"); // empty: no file at all

    QTest::newRow("missing file") << QStringLiteral("absent.wav") << QByteArray();
    QTest::newRow("text") << QStringLiteral("texte.wav") << QByteArray("not a sound at all\n");
    QTest::newRow("shorter than a header") << QStringLiteral("court.wav") << QByteArray("RIFF");
    QTest::newRow("RIFF but not WAVE") << QStringLiteral("avi.wav") << QByteArray("RIFF\x10\0\0\0AVI LIST", 16);
}

void TestLecteurFichier::fichierIllisible()
{
    QFETCH(QString, nom);
    QFETCH(QByteArray, contenu);

    const QString fichier = m_dir.filePath(QStringLiteral("illisible-") + nom);
    if (!contenu.isEmpty()) {
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(contenu), qint64(contenu.size()));
    }
    QSound *avant = audio;
    QVERIFY(!playFich(fichier, false));
    QCOMPARE(audio, avant);
}

void TestLecteurFichier::otherLayoutsPlay_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("rate");
    QTest::newRow("8-bit mono at 8000 Hz") << 1 << 8 << 8000;
    QTest::newRow("8-bit stereo at 22050 Hz") << 2 << 8 << 22050;
    QTest::newRow("16-bit stereo at 48000 Hz") << 2 << 16 << 48000;
    QTest::newRow("24-bit mono at 44100 Hz") << 1 << 24 << 44100;
    QTest::newRow("32-bit mono at 48000 Hz") << 1 << 32 << 48000;
}

// What the header check lets through beside the program's own files QSound plays: 8-bit
// (unsigned), 24- and 32-bit and stereo PCM, captured back at their pitch.
void TestLecteurFichier::otherLayoutsPlay()
{
    QFETCH(int, channels);
    QFETCH(int, bits);
    QFETCH(int, rate);
    const int frames = rate * 2;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const double v = 0.6 * std::sin(2.0 * M_PI * 440.0 * i / rate);
        for (int c = 0; c < channels; ++c) {
            if (bits == 8) {
                data.append(char(quint8(128 + std::lround(127 * v))));
            } else {
                // The top bits of a 32-bit value, low byte first.
                const qint32 s = qint32(std::lround(2147483647.0 * v));
                for (int k = 4 - bits / 8; k < 4; ++k)
                    data.append(char((s >> (8 * k)) & 0xFF));
            }
        }
    }
    const auto le = [](quint32 v, int bytes) {
        QByteArray b;
        for (int k = 0; k < bytes; ++k)
            b.append(char((v >> (8 * k)) & 0xFF));
        return b;
    };
    const int block = channels * bits / 8;
    QByteArray file = QByteArray("WAVEfmt ") + le(16, 4) + le(1, 2) + le(quint32(channels), 2) + le(quint32(rate), 4)
                      + le(quint32(rate * block), 4) + le(quint32(block), 2) + le(quint32(bits), 2) + "data"
                      + le(quint32(data.size()), 4) + data;
    file.prepend(QByteArray("RIFF") + le(quint32(file.size()), 4));
    const QString path = m_dir.filePath(QStringLiteral("autre-%1-%2-%3.wav").arg(channels).arg(bits).arg(rate));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(file), qint64(file.size()));
    f.close();
    QVERIFY(WavHeader::readFile(path).playable());

    QVERIFY(playFich(path, false));
    const ToneMeasurement m = capture(800);
    QVERIFY2(m.valid && std::fabs(m.frequency - 440.0) <= 2.0, qPrintable(describe(m)));
    QVERIFY(stopSonSynth());
}

QTEST_GUILESS_MAIN(TestLecteurFichier)
#include "tst_lecteurfichier.moc"
