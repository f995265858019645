// Every action that plays or captures, from the main window, with no sound server: this process
// points PulseAudio at a socket that does not exist before Qt's sound back-end starts, so that it
// finds no device whatever the machine has. "Jouer Freq 1" and "2" (a waveform and the synthesis),
// "Ouvrir" on a WAV file, "Jouer Liste" in the interval list dialog and "Analyse" in the tuner each
// give a French message within a second, and each window goes on working: the same action gives
// the same message again, the note buttons still compute, a save still writes.
// Where Qt's ALSA back-end still reaches a sound card the test skips.

#include "app/Diapason.h"
#include "synth/SyntheseSave.h"
#include "tests/support/Banques.h"
#include "tests/support/Enfant.h"
#include "tests/support/SansServeur.h"

#include <QtTest>

#include <QApplication>
#include <QAudioDeviceInfo>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

namespace {

constexpr qint64 kPromptMs = 1000;

/// Every modal message box of the application, its text kept, with the time it took to come
/// since the last start(); closed as soon as it shows.
class Boxes : public QObject
{
public:
    QStringList texts;
    qint64 lastDelay = -1; ///< ms from start() to the last box

    Boxes()
    {
        auto *timer = new QTimer(this);
        timer->setInterval(2);
        connect(timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && box->isVisible()) {
                lastDelay = m_clock.elapsed();
                texts << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        timer->start();
    }

    void start()
    {
        texts.clear();
        lastDelay = -1;
        m_clock.start();
    }

private:
    QElapsedTimer m_clock;
};

void click(QWidget *parent, const char *name)
{
    QTest::mouseClick(enfant<QPushButton>(parent, name), Qt::LeftButton);
}

} // namespace

class TestNoServer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        if (!QAudioDeviceInfo::defaultOutputDevice().isNull() || !QAudioDeviceInfo::defaultInputDevice().isNull())
            QSKIP("this machine has a sound device without the sound server");
        QVERIFY(m_dir.isValid());
    }

    void tones_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("waveform");
        QTest::newRow("Jouer Freq 1, sinus") << "jouer1Button" << 0;
        QTest::newRow("Jouer Freq 2, carré") << "jouer2Button" << 3;
        QTest::newRow("Jouer Freq 1, synthèse") << "jouer1Button" << 5;
        QTest::newRow("Jouer Freq 2, synthèse") << "jouer2Button" << 5;
    }

    void tones()
    {
        QFETCH(QString, button);
        QFETCH(int, waveform);
        const auto model = zibtest::modeUnique();
        Diapason w;
        w.setModele(model.get());
        w.show();
        Boxes boxes;
        enfant<QComboBox>(&w, "formeCombo")->setCurrentIndex(waveform);
        auto *play = enfant<QPushButton>(&w, qPrintable(button));
        const QString text = play->text();
        for (int attempt = 0; attempt < 2; ++attempt) {
            boxes.start();
            QTest::mouseClick(play, Qt::LeftButton);
            QCOMPARE(boxes.texts,
                     QStringList{QString::fromUtf8("Impossible de jouer ce son : la sortie audio n'est pas disponible")});
            QVERIFY2(boxes.lastDelay >= 0 && boxes.lastDelay < kPromptMs, qPrintable(QString::number(boxes.lastDelay)));
            QCOMPARE(play->text(), text);
        }
        stillWorks(&w);
    }

    void soundFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("la.wav"));
        QVERIFY(syntheseSave(440.f, 1.f, 0, 44100.f, &path));
        Diapason w;
        w.setOpenPrompt([&path](QWidget *, const QString &, const QString &, const QString &) { return path; });
        w.show();
        Boxes boxes;
        for (const bool loop : {false, true}) {
            enfant<QCheckBox>(&w, "boucleCheck")->setChecked(loop);
            boxes.start();
            click(&w, "ouvrirButton");
            QCOMPARE(boxes.texts, QStringList{QString::fromUtf8("Problème de lecture du fichier audio")});
            QVERIFY2(boxes.lastDelay >= 0 && boxes.lastDelay < kPromptMs, qPrintable(QString::number(boxes.lastDelay)));
        }
        // "&Stop" has nothing to stop and says nothing.
        boxes.start();
        click(&w, "stopButton");
        QVERIFY(boxes.texts.isEmpty());
        stillWorks(&w);
    }

    void intervalList()
    {
        Diapason w;
        w.show();
        // Steps of 10 ms: the first tone is asked for at once.
        enfant<QLineEdit>(&w, "dureeEdit")->setText(QStringLiteral("0.01"));
        click(&w, "listeButton");
        auto *list = w.findChild<QDialog *>(QStringLiteral("intervDlg"));
        QVERIFY(list && list->isVisible());
        auto *play = enfant<QPushButton>(list, "jouerListeButton");
        QVERIFY(play->isEnabled());
        Boxes boxes;
        for (int attempt = 0; attempt < 2; ++attempt) {
            boxes.start();
            QTest::mouseClick(play, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!boxes.texts.isEmpty(), 2 * kPromptMs);
            QCOMPARE(boxes.texts,
                     QStringList{QString::fromUtf8("Impossible de jouer la liste : la sortie audio n'est pas disponible")});
            QVERIFY2(boxes.lastDelay < kPromptMs, qPrintable(QString::number(boxes.lastDelay)));
            QCOMPARE(play->text(), QStringLiteral("Jouer Liste"));
            // The playback stopped: no later step asks again.
            QTest::qWait(50);
            QCOMPARE(boxes.texts.size(), 1);
        }
        // The dialog still edits its list.
        const int count = list->findChild<QTreeView *>(QStringLiteral("treeView"))->model()->rowCount();
        QCOMPARE(count, 8);
        click(list, "nouveauButton");
        QVERIFY(!play->isEnabled());
        stillWorks(&w);
    }

    void tuner()
    {
        Diapason w;
        w.show();
        click(&w, "accordeurButton");
        auto *tuner = w.findChild<QDialog *>(QStringLiteral("accordeur"));
        QVERIFY(tuner && tuner->isVisible());
        auto *analyse = enfant<QPushButton>(tuner, "boutonAnalyse");
        auto *note = enfant<QLabel>(tuner, "labelNote");
        for (int attempt = 0; attempt < 2; ++attempt) {
            note->clear();
            QElapsedTimer clock;
            clock.start();
            QTest::mouseClick(analyse, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(note->text().contains(QString::fromUtf8("Pas d'entrée audio")), 2 * kPromptMs);
            QVERIFY2(clock.elapsed() < kPromptMs, qPrintable(QString::number(clock.elapsed())));
            QCOMPARE(analyse->text(), QStringLiteral("Analyse"));
            QVERIFY(enfant<QGroupBox>(tuner, "paramGroup")->isEnabled());
            QVERIFY(enfant<QGroupBox>(tuner, "entreeGroup")->isEnabled());
        }
        // Its parameters still change; the main window still computes.
        auto *points = enfant<QComboBox>(tuner, "nbPointsBox");
        points->setCurrentIndex(4);
        QCOMPARE(points->currentText(), QStringLiteral("8192"));
        stillWorks(&w);
    }

private:
    /// The main window still computes a note and still saves a tone.
    void stillWorks(Diapason *w)
    {
        QTest::mouseClick(w->findChildren<QRadioButton *>().at(4), Qt::LeftButton); // "Sol"
        QCOMPARE(enfant<QLineEdit>(w, "freq1Edit")->text(), QStringLiteral("391.995"));
        const QString path = m_dir.filePath(QStringLiteral("apres.wav"));
        QFile::remove(path);
        w->setSavePrompt([&path](QWidget *, const QString &, const QString &, const QString &) { return path; });
        enfant<QComboBox>(w, "formeCombo")->setCurrentIndex(0);
        click(w, "sauv1Button");
        QVERIFY(QFileInfo(path).size() > 0);
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir noServer;
    if (!zibtest::sansServeurDeSon(noServer))
        return 1;
    QApplication app(argc, argv);
    TestNoServer test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_noserver.moc"
