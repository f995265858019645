// Playing without a sound server: this process points PulseAudio at a socket that does not exist
// before Qt's sound back-end starts, so it finds no output device whatever the machine has.
// Nothing may crash or hang, and every start reports its failure.

#include "synth/AudioPlay.h"
#include "tests/support/Banques.h"
#include "tests/support/SansServeur.h"
#include "synth/Generator.h"
#include "synth/LecteurFichier.h"
#include "synth/Modmod.h"
#include "synth/SyntheseSave.h"

#include <QtTest>

#include <QAudioDeviceInfo>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <memory>

namespace {

// Far more than a failed start takes (a few ms); a start that waits for a server would take longer.
constexpr qint64 kPrompt = 2000;


QByteArray loopOf(const Generator &gen)
{
    return QByteArray(gen.tampon.get(), gen.loopBytes());
}

} // namespace

class TestSansServeur : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void jouerEchoueVite_data();
    void jouerEchoueVite();
    void rejouerSortieArreteeNeRemplitPas();
    void rejouerSansGenerateur();
    void playFichEchoue();
};

void TestSansServeur::initTestCase()
{
    // Qt's ALSA back-end could still reach a sound card directly.
    if (!QAudioDeviceInfo::defaultOutputDevice().isNull())
        QSKIP("this machine has an output device without the sound server");
}

void TestSansServeur::jouerEchoueVite_data()
{
    QTest::addColumn<int>("forme");
    QTest::addColumn<int>("freqEch");

    QTest::newRow("sine at 44100") << 0 << 44100;
    QTest::newRow("square at 22050") << 3 << 22050;
    QTest::newRow("modal at 48000") << 5 << 48000;
    QTest::newRow("rate 0") << 0 << 0;
}

void TestSansServeur::jouerEchoueVite()
{
    QFETCH(int, forme);
    QFETCH(int, freqEch);

    auto modele = zibtest::modeUnique();
    auto player = std::make_unique<AudioPlay>(freqEch);
    QElapsedTimer temps;
    temps.start();
    const bool joue = forme == 5 ? player->jouer(440.f, 1, modele.get()) : player->jouer(440.f, 1, forme);
    QVERIFY(!joue);
    QVERIFY2(temps.elapsed() < kPrompt, qPrintable(QString::number(temps.elapsed())));
    QCOMPARE(player->state(), QAudio::StoppedState);
    QVERIFY(player->gen);
    // A second attempt fails the same way, and the player goes without trouble.
    QVERIFY(!player->jouer(261.63f, 2, 0));
    QCOMPARE(player->state(), QAudio::StoppedState);
    player.reset();
}

void TestSansServeur::rejouerSortieArreteeNeRemplitPas()
{
    AudioPlay player(44100);
    QVERIFY(!player.jouer(440.f, 1, 0));
    Generator *gen = player.gen;
    QVERIFY(gen);
    const QByteArray avant = loopOf(*gen);
    QCOMPARE(avant.size(), 88200);
    gen->start();
    char octets[100];
    QCOMPARE(gen->read(octets, sizeof octets), qint64(sizeof octets));

    gen->freq = 261.63f;
    player.setAmplitude(0.49f);
    player.rejouer();
    QCOMPARE(player.gen, gen);
    QCOMPARE(gen->nbEch, 44100);
    QCOMPARE(gen->amplitude, 1.f);
    QCOMPARE(gen->pos, 100);
    QCOMPARE(loopOf(*gen), avant);
    QCOMPARE(player.state(), QAudio::StoppedState);
}

void TestSansServeur::rejouerSansGenerateur()
{
    AudioPlay player(44100);
    QVERIFY(!player.gen);
    player.rejouer();
    QCOMPARE(player.state(), QAudio::StoppedState);
    QCOMPARE(player.getAmplitude(), 1.f);
}

void TestSansServeur::playFichEchoue()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fichier = dir.filePath(QStringLiteral("la.wav"));
    QVERIFY(syntheseSave(440.f, 1.f, 0, 44100.f, &fichier));

    QElapsedTimer temps;
    temps.start();
    QVERIFY(!playFich(fichier, false));
    QVERIFY(!playFich(fichier, true));
    QVERIFY(temps.elapsed() < kPrompt);
    QVERIFY(!audio);
    QVERIFY(!stopSonSynth());
    QVERIFY(!audio);
}

int main(int argc, char *argv[])
{
    QTemporaryDir sansServeur;
    if (!zibtest::sansServeurDeSon(sansServeur))
        return 1;

    QCoreApplication app(argc, argv);
    TestSansServeur test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sansserveur.moc"
