// The main window's tones through the real sound server: pressed as a user presses them, captured
// back from what the server plays (in the test script, the null sink's monitor) and measured
// independently of the program.

#include "app/Diapason.h"
#include "synth/AudioPlay.h"
#include "synth/LecteurFichier.h"
#include "synth/SyntheseSave.h"
#include "FenetreTest.h"

#include "tests/support/AudioCheck.h"
#include "tests/support/AudioRecorder.h"
#include "tests/support/ToneMeasurement.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSound>

#include <cmath>

using namespace zibtest;

namespace {

constexpr int kCapture = 48000;

/// What the server plays during the next durationMs.
ToneMeasurement ecouter(int durationMs = 600)
{
    return listenTone(kCapture, durationMs);
}

bool silence(int durationMs = 400)
{
    return isSilence(listenTone(kCapture, durationMs));
}

double cents(double f, double reference)
{
    return 1200 * std::log2(f / reference);
}

QString decrire(const ToneMeasurement &m)
{
    return describeTone(m, kCapture);
}

struct Fenetre
{
    Diapason w;
    QString reponse;

    Fenetre()
    {
        w.setOpenPrompt([this](QWidget *, const QString &, const QString &, const QString &) { return reponse; });
        w.show();
    }

    QPushButton *bouton(const char *nom) { return enfant<QPushButton>(&w, nom); }
    void cliquer(const char *nom) { QTest::mouseClick(bouton(nom), Qt::LeftButton); }
    QList<AudioPlay *> joueurs() { return w.findChildren<AudioPlay *>(); }
};

} // namespace

class TestJouer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZIB_REQUIRE_AUDIO(NeedsOutputAndInput); }

    void cleanup()
    {
        if (audio)
            audio->stop();
        QTest::qWait(100);
    }

    // "Jouer Freq 1" sounds at 440 Hz, follows the dial while it sounds, and stops on the next press.
    void frequence1SuitLeDial()
    {
        Fenetre f;
        f.cliquer("jouer1Button");
        QCOMPARE(f.bouton("jouer1Button")->text(), QStringLiteral("&Stop"));
        const ToneMeasurement la = ecouter();
        QVERIFY2(la.valid && std::fabs(la.frequency - 440) < 2, qPrintable(decrire(la)));

        auto *dial = enfant<QDial>(&f.w, "correctionDial");
        for (int k = 0; k < 20; ++k)
            dial->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(enfant<QLineEdit>(&f.w, "freq1Edit")->text(), QStringLiteral("445.113"));
        QTest::qWait(150);
        const ToneMeasurement haut = ecouter();
        QVERIFY2(haut.valid, qPrintable(decrire(haut)));
        QVERIFY2(std::fabs(cents(haut.frequency, la.frequency) - 20) < 1, qPrintable(decrire(haut)));

        f.cliquer("jouer1Button");
        QCOMPARE(f.bouton("jouer1Button")->text(), QStringLiteral("Jouer Freq &1"));
        QTest::qWait(150);
        QVERIFY(silence());
    }

    // Two tones together at 0.49 each stay below full scale; the one left keeps 0.49.
    void deuxFrequencesEnsemble()
    {
        Fenetre f;
        enfant<QLineEdit>(&f.w, "decimalEdit")->setText(QStringLiteral("1.5"));
        f.cliquer("jouer1Button");
        f.cliquer("jouer2Button");
        QCOMPARE(f.bouton("jouer2Button")->text(), QStringLiteral("&Stop"));
        QCOMPARE(f.joueurs().size(), 2);
        for (AudioPlay *j : f.joueurs())
            QCOMPARE(j->amplitude, 0.49f);
        QTest::qWait(150);
        AudioRecorder enregistreur;
        const QVector<qint16> ensemble = enregistreur.record(kCapture, 500);
        const int pic = peakLevel(ensemble, 0, ensemble.size());
        QVERIFY2(pic > 20000 && pic < 32700, qPrintable(QString::number(pic)));

        f.cliquer("jouer1Button");
        QCOMPARE(f.bouton("jouer1Button")->text(), QStringLiteral("Jouer Freq &1"));
        QTest::qWait(150);
        QTRY_COMPARE(f.joueurs().size(), 1);
        QCOMPARE(f.joueurs().first()->amplitude, 0.49f);
        const ToneMeasurement quinte = ecouter();
        QVERIFY2(quinte.valid && std::fabs(quinte.frequency - 660) < 2, qPrintable(decrire(quinte)));
        QVERIFY2(std::fabs(quinte.amplitude - 0.49 * 32767) < 0.06 * 32767, qPrintable(decrire(quinte)));
        f.cliquer("jouer2Button");
        QCOMPARE(f.bouton("jouer2Button")->text(), QStringLiteral("Jouer Freq &2"));
    }

    // A sounding tone stops on its button whatever the fields hold: the checks are for starting.
    void leTonSArreteToujours_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("forme");
        QTest::addColumn<bool>("refuseDeJouer");
        for (const char *bouton : {"jouer1Button", "jouer2Button"}) {
            const QString b = QLatin1String(bouton);
            QTest::addRow("%s, Frequency 1 emptied", bouton) << b << "freq1Edit" << "" << 0 << true;
            QTest::addRow("%s, Frequency 1 out of range", bouton) << b << "freq1Edit" << "9" << 0 << true;
            QTest::addRow("%s, duration under 1 s", bouton) << b << "dureeEdit" << "0.5" << 0 << true;
            QTest::addRow("%s, synthesis without a model", bouton) << b << "" << "" << 5 << true;
            // Frequency 2 bounds only its own tone.
            QTest::addRow("%s, Frequency 2 out of range", bouton)
                << b << "decimalEdit" << "100" << 0 << (b == QLatin1String("jouer2Button"));
        }
    }

    void leTonSArreteToujours()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, champ);
        QFETCH(QString, texte);
        QFETCH(int, forme);
        QFETCH(bool, refuseDeJouer);
        Fenetre f;
        Messages messages(&f.w);
        auto *b = f.bouton(qPrintable(bouton));
        const QString jouer = b->text();
        f.cliquer(qPrintable(bouton));
        QCOMPARE(b->text(), QStringLiteral("&Stop"));
        QVERIFY2(ecouter(300).valid, "no tone");

        if (!champ.isEmpty()) {
            auto *e = enfant<QLineEdit>(&f.w, qPrintable(champ));
            e->setFocus();
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Backspace);
            QTest::keyClicks(e, texte);
            QCOMPARE(e->text(), texte);
        }
        if (forme)
            enfant<QComboBox>(&f.w, "formeCombo")->setCurrentIndex(forme);
        f.cliquer(qPrintable(bouton));
        QCOMPARE(b->text(), jouer);
        QVERIFY2(messages.textes.isEmpty(), qPrintable(messages.textes.join(QLatin1Char('|'))));
        QTest::qWait(150);
        QVERIFY(silence());
        QTRY_VERIFY(f.joueurs().isEmpty());

        // Pressed again, it starts only when the fields allow it, and says why not.
        f.cliquer(qPrintable(bouton));
        if (refuseDeJouer) {
            QTRY_COMPARE(messages.textes.size(), 1);
            QCOMPARE(b->text(), jouer);
        } else {
            QCOMPARE(b->text(), QStringLiteral("&Stop"));
            f.cliquer(qPrintable(bouton));
            QCOMPARE(b->text(), jouer);
        }
    }

    // "Ouvrir" plays a WAV file; "Stop" and "Continuer" toggle it.
    void fichierStopContinuer()
    {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("la330.wav"));
        QVERIFY(syntheseSave(330.f, 4.f, 0, 44100.f, &fichier));
        Fenetre f;
        f.reponse = fichier;
        f.cliquer("ouvrirButton");
        auto *stop = f.bouton("stopButton");
        QVERIFY(stop->isEnabled());
        QCOMPARE(stop->text(), QStringLiteral("&Stop"));
        const ToneMeasurement joue = ecouter();
        QVERIFY2(joue.valid && std::fabs(joue.frequency - 330) < 2, qPrintable(decrire(joue)));

        f.cliquer("stopButton");
        QCOMPARE(stop->text(), QStringLiteral("&Continuer"));
        QTest::qWait(200);
        QVERIFY(silence());

        f.cliquer("stopButton");
        QCOMPARE(stop->text(), QStringLiteral("&Stop"));
        const ToneMeasurement repris = ecouter();
        QVERIFY2(repris.valid && std::fabs(repris.frequency - 330) < 2, qPrintable(decrire(repris)));
        f.cliquer("stopButton");
        QCOMPARE(stop->text(), QStringLiteral("&Continuer"));
    }
};

QTEST_MAIN(TestJouer)
#include "tst_jouer.moc"
