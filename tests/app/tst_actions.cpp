// The main window's tone actions that need no sound device: saves (names, messages, dB figures,
// files read back by soxi), the checks made before a tone plays, the file player's refusals, the
// waveform picture and the volume label.

#include "app/Diapason.h"
#include "tests/support/Banques.h"
#include "synth/Modmod.h"
#include "FenetreTest.h"
#include "tests/support/FailedWrite.h"
#include "tests/support/SansServeur.h"
#include "tests/support/WavReaders.h"

#include <QtTest>
#include <QAudioOutput>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>

namespace {

struct Fenetre
{
    Diapason w;
    QTemporaryDir dossier;
    QString reponse;        // what the save and open prompts answer
    QStringList questions;  // caption|directory|filter of each prompt
    Messages messages{&w};

    Fenetre()
    {
        const auto demande = [this](QWidget *, const QString &titre, const QString &dir, const QString &filtre) {
            questions << titre + QLatin1Char('|') + dir + QLatin1Char('|') + filtre;
            return reponse;
        };
        w.setSavePrompt(demande);
        w.setOpenPrompt(demande);
        w.show();
    }

    QString chemin(const QString &nom) const { return dossier.filePath(nom); }
    void cliquer(const char *bouton) { QTest::mouseClick(enfant<QPushButton>(&w, bouton), Qt::LeftButton); }
    void choisirForme(int i) { enfant<QComboBox>(&w, "formeCombo")->setCurrentIndex(i); }
    void volume(int db) { enfant<QSlider>(&w, "volumeSlider")->setValue(db); }
    void duree(const QString &texte) { enfant<QLineEdit>(&w, "dureeEdit")->setText(texte); }
};

} // namespace

class TestActions : public QObject
{
    Q_OBJECT

    QTemporaryDir m_sansServeur;

private slots:
    void initTestCase()
    {
        // These cases never reach a sound device: no server is needed, and none is used, so that
        // nothing of theirs reaches the captures of the sound tests running beside them.
        QVERIFY(zibtest::sansServeurDeSon(m_sansServeur));
    }

    void extensionWav_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("ecrit");
        QTest::newRow("no extension") << "la" << "la.wav";
        QTest::newRow(".wav kept") << "la.wav" << "la.wav";
        QTest::newRow("upper case is not .wav") << "la.WAV" << "la.WAV.wav";
        QTest::newRow("other extension") << "la.txt" << "la.txt.wav";
    }

    void extensionWav()
    {
        QFETCH(QString, tape);
        QFETCH(QString, ecrit);
        Fenetre f;
        f.reponse = f.chemin(tape);
        f.cliquer("sauv1Button");
        QVERIFY(QFile::exists(f.chemin(ecrit)));
        QCOMPARE(QDir(f.dossier.path()).entryList(QDir::Files).size(), 1);
        QVERIFY(f.messages.textes.isEmpty());
    }

    void questionsPosees()
    {
        Fenetre f;
        f.cliquer("sauv1Button");
        f.cliquer("sauv2Button");
        QCOMPARE(f.questions, (QStringList{QStringLiteral("Sauvegarder fichier|./|*.wav"),
                                           QStringLiteral("Sauvegarder fichier|./sounds/|*.wav")}));
        // Cancelled: nothing written, nothing said.
        QVERIFY(QDir(f.dossier.path()).entryList(QDir::Files).isEmpty());
        QVERIFY(f.messages.textes.isEmpty());
    }

    void fichierRelu_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<int>("forme");
        QTest::addColumn<int>("fechIndex");
        QTest::addColumn<QString>("duree");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<int>("fe");
        QTest::addColumn<int>("echantillons");
        QTest::addColumn<QString>("frequence");

        QTest::newRow("Freq 1 sine") << "sauv1Button" << 0 << 2 << "1" << "1" << 44100 << 44100 << "440";
        QTest::newRow("Freq 1 square 1.5 s at 22050") << "sauv1Button" << 3 << 0 << "1.5" << "1" << 22050 << 33075 << "440";
        QTest::newRow("Freq 2 fifth, 0.01 s at 48000") << "sauv2Button" << 1 << 3 << "0.01" << "1.5" << 48000 << 480 << "660";
        QTest::newRow("Freq 2 ramp at 32000") << "sauv2Button" << 4 << 1 << "2" << "2" << 32000 << 64000 << "880";
    }

    // The duration is passed unrounded; the comment names the frequency that was rendered.
    void fichierRelu()
    {
        QFETCH(QString, bouton);
        QFETCH(int, forme);
        QFETCH(int, fechIndex);
        QFETCH(QString, duree);
        QFETCH(QString, decimal);
        QFETCH(int, fe);
        QFETCH(int, echantillons);
        QFETCH(QString, frequence);
        Fenetre f;
        f.choisirForme(forme);
        enfant<QComboBox>(&f.w, "fechCombo")->setCurrentIndex(fechIndex);
        f.duree(duree);
        enfant<QLineEdit>(&f.w, "decimalEdit")->setText(decimal);
        f.reponse = f.chemin(QStringLiteral("son.wav"));
        f.cliquer(qPrintable(bouton));
        zibtest::checkWavWithReaders(f.reponse, fe, echantillons,
                                     QStringLiteral("Fondamental Frequency : %1 Wave Shape %2").arg(frequence).arg(forme));
    }

    void modeleManquant()
    {
        Fenetre f;
        f.choisirForme(5);
        f.reponse = f.chemin(QStringLiteral("x.wav"));
        f.cliquer("sauv1Button");
        f.cliquer("sauv2Button");
        const QString texte = QString::fromUtf8("Choisir d'abord un modele de synthèse");
        QCOMPARE(f.messages.textes, (QStringList{texte, texte}));
        QVERIFY(f.questions.isEmpty());
        QVERIFY(!QFile::exists(f.reponse));
    }

    void volumeModal_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<int>("db");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("ecrit");

        const QString faible1 = QString::fromUtf8("Volume trop faible ! Vous pouvez augmenter le volume de 16 dB\nLe fichier a tout même été  enregistré");
        const QString faible2 = QString::fromUtf8("Volume trop faible ! Vous pouvez augmenter le volume de 16 dB");
        const QString sature1 = QString::fromUtf8("Saturation ! Baisser le volume de 3 dB\nLe fichier n'a pas été enregistré");
        const QString sature2 = QString::fromUtf8("Saturation ! Baisser le volume de 3 dB");
        QTest::newRow("peak 5000, Freq 1") << "sauv1Button" << -14 << faible1 << true;
        QTest::newRow("peak 5000, Freq 2") << "sauv2Button" << -14 << faible2 << true;
        QTest::newRow("peak 40000, Freq 1") << "sauv1Button" << 4 << sature1 << false;
        QTest::newRow("peak 40000, Freq 2") << "sauv2Button" << 4 << sature2 << false;
        QTest::newRow("peak 25000") << "sauv1Button" << 0 << QString() << true;
    }

    // One undamped mode of ratio 1 rings with amplitude 1: a rendering at v dB peaks at about
    // 25000·10^(v/20).
    void volumeModal()
    {
        QFETCH(QString, bouton);
        QFETCH(int, db);
        QFETCH(QString, message);
        QFETCH(bool, ecrit);
        const auto modele = zibtest::modeUnique();
        Fenetre f;
        f.w.setModele(modele.get());
        f.choisirForme(5);
        f.volume(db);
        f.reponse = f.chemin(QStringLiteral("modal.wav"));
        f.cliquer(qPrintable(bouton));
        QCOMPARE(f.messages.textes, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(QFile::exists(f.reponse), ecrit);
        if (ecrit)
            zibtest::checkWavWithReaders(f.reponse, 44100, 44100, QStringLiteral("Frequence Fondamentale : 440"));
    }

    void ecritureImpossible_data()
    {
        QTest::addColumn<int>("forme");
        QTest::newRow("sine") << 0;
        QTest::newRow("synthesis") << 5;
    }

    // A name in a folder that does not exist: the user is told, and nothing passes for success.
    void ecritureImpossible()
    {
        QFETCH(int, forme);
        const auto modele = zibtest::modeUnique();
        Fenetre f;
        f.w.setModele(modele.get());
        f.choisirForme(forme);
        f.reponse = f.chemin(QStringLiteral("absent/son.wav"));
        f.cliquer("sauv1Button");
        QCOMPARE(f.messages.textes, QStringList{QString::fromUtf8("Impossible d'ouvrir le fichier pour écriture")});
    }

    void failedWrites_data() { zibtest::addFailedWriteRows(); }

    // "Sauv. Fréq 1" with a waveform and "Sauv. Fréq 2" with the synthesis, on a full disk and
    // into a folder that cannot be written: the old file stays, nothing is left behind, and the
    // user is told, with the system's reason under the message.
    void failedWrites()
    {
        QFETCH(bool, large);
        const auto modele = zibtest::modeUnique();
        for (const auto &save : {std::make_pair("sauv1Button", 0), std::make_pair("sauv2Button", 5)}) {
            Fenetre f;
            f.w.setModele(modele.get());
            f.choisirForme(save.second);
            f.duree(large ? QStringLiteral("1.5") : QStringLiteral("0.02"));
            zibtest::checkFailedWrite(QStringLiteral("son.wav"), [&](const QString &path) {
                f.reponse = path;
                const int before = f.messages.textes.size();
                f.cliquer(save.first);
                return f.messages.textes.size() == before;
            });
            if (QTest::currentTestFailed())
                return;
            QCOMPARE(f.messages.textes, QStringList{QString::fromUtf8("Impossible d'ouvrir le fichier pour écriture")});
            QVERIFY2(!f.messages.details.first().isEmpty(), save.first);
        }
    }

    void etiquetteVolume_data()
    {
        QTest::addColumn<int>("db");
        QTest::addColumn<QString>("texte");
        QTest::newRow("0") << 0 << "  0 dB";
        QTest::newRow("-5") << -5 << " -5 dB";
        QTest::newRow("-50") << -50 << "-50 dB";
        QTest::newRow("50") << 50 << " 50 dB";
        QTest::newRow("7") << 7 << "  7 dB";
    }

    void etiquetteVolume()
    {
        QFETCH(int, db);
        QFETCH(QString, texte);
        Fenetre f;
        f.choisirForme(5);
        f.volume(1);
        f.volume(db);
        QCOMPARE(enfant<QLabel>(&f.w, "dbLabel")->text(), texte);
    }

    void imageDeLOnde()
    {
        Fenetre f;
        auto *label = enfant<QLabel>(&f.w, "ondeLabel");
        const char *images[6] = {"sine", "triangle", "parabola", "square", "ramp", "synthmod"};
        for (int i : {3, 5, 0, 1, 4, 2}) {
            f.choisirForme(i);
            const QImage attendue(QStringLiteral("figures/%1.png").arg(QLatin1String(images[i])));
            QVERIFY2(!attendue.isNull(), images[i]);
            QCOMPARE(label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32),
                     attendue.convertToFormat(QImage::Format_ARGB32));
        }
    }

    void refusAvantDeJouer_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("freq1");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("duree");
        QTest::addColumn<int>("forme");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("dureeApres");

        const QString boucle = QString::fromUtf8("Pour jouer ce son en boucle, choisir une durée supérieure ou égale à 1 seconde");
        QTest::newRow("0.5 s") << "jouer1Button" << "440" << "1" << "0.5" << 0 << boucle << "1";
        QTest::newRow("0.99 s, Freq 2") << "jouer2Button" << "440" << "1" << "0.99" << 0 << boucle << "1";
        QTest::newRow("9 Hz") << "jouer1Button" << "9" << "1" << "1" << 0 << QString::fromUtf8("Fréquence non admise") << "1";
        QTest::newRow("15001 Hz") << "jouer1Button" << "15001" << "1" << "1" << 0 << QString::fromUtf8("Fréquence non admise") << "1";
        QTest::newRow("Freq 2 at 20000 Hz") << "jouer2Button" << "10000" << "2" << "1" << 0 << QString::fromUtf8("Fréquence non permise") << "1";
        QTest::newRow("Freq 2 at 9 Hz") << "jouer2Button" << "18" << "0.5" << "1" << 0 << QString::fromUtf8("Fréquence non permise") << "1";
        QTest::newRow("no model, Freq 1") << "jouer1Button" << "440" << "1" << "1.9" << 5 << QString::fromUtf8("Choisir d'abord un modèle de synthèse") << "1.9";
        QTest::newRow("no model, Freq 2") << "jouer2Button" << "440" << "1" << "2" << 5 << QString::fromUtf8("Définir d'abord un modèle de synthèse") << "2";
    }

    // Refused before any sound: the message, the duration reset only for the loop message, and the
    // button still offering to play.
    void refusAvantDeJouer()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, freq1);
        QFETCH(QString, decimal);
        QFETCH(QString, duree);
        QFETCH(int, forme);
        QFETCH(QString, message);
        QFETCH(QString, dureeApres);
        Fenetre f;
        enfant<QLineEdit>(&f.w, "freq1Edit")->setText(freq1);
        enfant<QLineEdit>(&f.w, "decimalEdit")->setText(decimal);
        f.duree(duree);
        f.choisirForme(forme);
        auto *b = enfant<QPushButton>(&f.w, qPrintable(bouton));
        const QString texte = b->text();
        f.cliquer(qPrintable(bouton));
        QCOMPARE(f.messages.textes, QStringList{message});
        QCOMPARE(enfant<QLineEdit>(&f.w, "dureeEdit")->text(), dureeApres);
        QCOMPARE(b->text(), texte);
    }

    void sansServeur_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<int>("forme");
        QTest::newRow("Freq 1 sine") << "jouer1Button" << 0;
        QTest::newRow("Freq 2 square") << "jouer2Button" << 3;
        QTest::newRow("Freq 1 synthesis") << "jouer1Button" << 5;
    }

    // No sound server here: the user is told, the button still offers to play, no player is left.
    void sansServeur()
    {
        QFETCH(QString, bouton);
        QFETCH(int, forme);
        const auto modele = zibtest::modeUnique();
        Fenetre f;
        f.w.setModele(modele.get());
        f.choisirForme(forme);
        auto *b = enfant<QPushButton>(&f.w, qPrintable(bouton));
        const QString texte = b->text();
        QElapsedTimer chrono;
        chrono.start();
        f.cliquer(qPrintable(bouton));
        QVERIFY(chrono.elapsed() < 2000);
        QCOMPARE(f.messages.textes,
                 QStringList{QString::fromUtf8("Impossible de jouer ce son : la sortie audio n'est pas disponible")});
        QCOMPARE(b->text(), texte);
        QVERIFY(f.w.findChildren<QAudioOutput *>().isEmpty());
    }

    void ouvrirUnFichier_data()
    {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("stopActif");
        QTest::newRow("cancelled") << QString() << QStringList() << false;
        QTest::newRow("not a WAV file") << "texte.wav" << QStringList{QString::fromUtf8("Problème de lecture du fichier audio")} << true;
        QTest::newRow("missing file") << "absent.wav" << QStringList{QString::fromUtf8("Problème de lecture du fichier audio")} << true;
    }

    void ouvrirUnFichier()
    {
        QFETCH(QString, reponse);
        QFETCH(QStringList, messages);
        QFETCH(bool, stopActif);
        Fenetre f;
        QFile texte(f.chemin(QStringLiteral("texte.wav")));
        QVERIFY(texte.open(QIODevice::WriteOnly));
        texte.write("pas un son, juste du texte assez long pour passer pour un en-tete");
        texte.close();
        f.reponse = reponse.isEmpty() ? QString() : f.chemin(reponse);
        f.cliquer("ouvrirButton");
        QCOMPARE(f.questions, QStringList{QStringLiteral("Choisir un fichier|./sounds/|Fichier (*.wav)")});
        QCOMPARE(f.messages.textes, messages);
        QCOMPARE(enfant<QPushButton>(&f.w, "stopButton")->isEnabled(), stopActif);
    }

    void frequenceDEchantillonnage()
    {
        Fenetre f;
        auto *combo = enfant<QComboBox>(&f.w, "fechCombo");
        const int attendues[4] = {22050, 32000, 44100, 48000};
        for (int i = 0; i < 4; ++i) {
            combo->setCurrentIndex(i);
            QCOMPARE(f.w.freqEch(), attendues[i]);
        }
        combo->setCurrentIndex(-1);
        QCOMPARE(f.w.freqEch(), 44100);
    }
};

QTEST_MAIN(TestActions)
#include "tst_actions.moc"
