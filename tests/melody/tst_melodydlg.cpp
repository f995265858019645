// The melody editor as a user drives it: its controls, the note and envelope cells typed key by
// key with the one message each refusal gives, the octave range and the length of the score,
// the wheel over the spin boxes, the melody files opened and saved, the synthesis with its
// refusals and its cancellation, the WAV file read back by soxi and exiftool, and every text
// fitting in fonts of 9 to 12 points.

#include "MelodyTest.h"

#include "melody/MelodyDlg.h"
#include "melody/MelodyRules.h"
#include "melody/ScaleView.h"
#include "melody/ScoreView.h"
#include "synth/WaveShapes.h"
#include "tests/support/TextFit.h"
#include "tests/support/Banques.h"
#include "tests/support/FailedWrite.h"
#include "tests/support/WavReaders.h"

#include <QtTest>

#include <QComboBox>
#include <QDomDocument>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>
#include <QValidator>

namespace {

const QString kNoteTitle = QStringLiteral("Traitement de partition");
const QString kEnvTitle = utf8("Définition de l'enveloppe");

/// An editor on a list, with its controls and answers ready for its file prompts.
struct Editor
{
    FakeMainWindow main;
    ListInterv list;
    MelodyDlg d;
    QString openAnswer;
    QString saveAnswer;
    QStringList prompts; ///< caption | directory | filter of every prompt

    QTableWidget *notes = enfant<QTableWidget>(&d, "tablNotes");
    QTableWidget *env = enfant<QTableWidget>(&d, "tablEnv");
    QPushButton *nouveau = enfant<QPushButton>(&d, "nouveauButton");
    QPushButton *ouvrir = enfant<QPushButton>(&d, "ouvrirButton");
    QPushButton *enregister = enfant<QPushButton>(&d, "enregisterButton");
    QPushButton *ajouter = enfant<QPushButton>(&d, "ajouterButton");
    QPushButton *supprimer = enfant<QPushButton>(&d, "supprimerButton");
    QPushButton *synth = enfant<QPushButton>(&d, "synthButton");
    QPushButton *wav = enfant<QPushButton>(&d, "wavButton");
    QPushButton *envNouveau = enfant<QPushButton>(&d, "envNouveauButton");
    QPushButton *envAjouter = enfant<QPushButton>(&d, "envAjouterButton");
    QPushButton *envSupprimer = enfant<QPushButton>(&d, "envSupprimerButton");
    QLineEdit *tempo = enfant<QLineEdit>(&d, "tempoEdit");
    QLineEdit *freqRef = enfant<QLineEdit>(&d, "freqRefEdit");
    QComboBox *forme = enfant<QComboBox>(&d, "formeCombo");
    QComboBox *fech = enfant<QComboBox>(&d, "fechCombo");
    QLabel *fichier = enfant<QLabel>(&d, "fichierLabel");
    QLineEdit *titre = enfant<QLineEdit>(&d, "titreEdit");
    QLineEdit *auteur = enfant<QLineEdit>(&d, "auteurEdit");
    QTextEdit *description = enfant<QTextEdit>(&d, "descriptionEdit");
    ScoreView *score = enfant<ScoreView>(&d, "score");
    ScaleView *scale = enfant<ScaleView>(&d, "scale");
    QScrollArea *scoreArea = enfant<QScrollArea>(&d, "scoreArea");
    QSlider *zoom = enfant<QSlider>(&d, "zoomSlider");
    QGroupBox *intervalles = enfant<QGroupBox>(&d, "intervallesGroup");

    explicit Editor(const ListInterv &l = defaultList())
        : list(l), d(&main, list)
    {
        const auto prompt = [this](bool save) {
            return [this, save](QWidget *, const QString &caption, const QString &dir, const QString &filter) {
                prompts << caption + QLatin1Char('|') + dir + QLatin1Char('|') + filter;
                return save ? saveAnswer : openAnswer;
            };
        };
        d.setOpenPrompt(prompt(false));
        d.setSavePrompt(prompt(true));
        d.show();
        QApplication::setActiveWindow(&d);
    }

    QString text(int row, int column) const
    {
        const QTableWidgetItem *item = notes->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }

    QSpinBox *spin(int row, int column) const { return qobject_cast<QSpinBox *>(notes->cellWidget(row, column)); }

    /// Opens the file at path through "Ouvrir".
    void open(const QString &path)
    {
        openAnswer = path;
        ouvrir->click();
    }

    /// "Nouveau", then n notes by "Ajouter", each after the last one.
    void newNotes(int n)
    {
        nouveau->click();
        for (int i = 0; i < n; ++i) {
            notes->setCurrentCell(notes->rowCount() - 1, 0);
            ajouter->click();
        }
    }
};

/// Types text into a cell as a user does: the cell's editor, its text replaced, then Return.
void typeInto(QTableWidget *table, int row, int column, const QString &text)
{
    // A message box closed just before took the activation away.
    QApplication::setActiveWindow(table->window());
    const QModelIndex index = table->model()->index(row, column);
    table->setCurrentIndex(index);
    table->edit(index);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY2(editor, "no line edit opened on the cell");
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The cell takes the text once the event loop runs.
    QTest::qWait(20);
}

/// A melody file of the given notes (the inside of its music element).
QString melodyFile(const QTemporaryDir &dir, const QString &name, const QByteArray &music,
                   const QByteArray &points = QByteArray())
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<melody><header title=\"Essai\" composer=\"Moi\">"
            "<description>Deux\nlignes</description><enveloppe>" + points + "</enveloppe></header><music>"
            + music + "</music></melody>\n");
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestMelodyDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void controls();
    void tooltips_data();
    void tooltips();
    void layout();
    void buttonStates();

    void addNoteDates();
    void noteCells_data();
    void noteCells();
    void refusedAmplitudeStopsSynthesis();
    void envelopeCells_data();
    void envelopeCells();
    void envelopePoints();
    void octaveRange();
    void durationAndZoom();
    void sampleRate();
    void selectionAndRemoval();
    void wheelOverSpinBoxes();

    void openShippedMelodyAndRender();
    void saveAndReopen();
    void permissiveLoading();
    void absurdOctaveInAFile();
    void loadFailuresKeepTheMelody();
    void invalidNoteKeepsTheFile();
    void saveWithoutNotes();
    void failedWrites_data();
    void failedWrites();

    void synthesisRefusals_data();
    void synthesisRefusals();
    void modalSynthesis();
    void shortenedList();
    void wavFileNames_data();
    void wavFileNames();
    void wavWriteFailure();
    void cancelledRenderKeepsThePrevious();

    void textsFit_data();
    void textsFit();
};

void TestMelodyDlg::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QLocale::setDefault(QLocale::c());
}

void TestMelodyDlg::controls()
{
    Editor e;
    QCOMPARE(e.d.windowTitle(), utf8("ZIB 0.10 - Synthèse d'une mélodie"));
    QVERIFY(!e.d.isModal());
    QVERIFY(e.d.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(e.d.minimumWidth(), e.d.maximumWidth());
    QVERIFY(e.d.width() >= 762);

    const QStringList formes{QStringLiteral("sinus"), QStringLiteral("triangle"), QStringLiteral("parabole"),
                             utf8("carré"), QStringLiteral("rampe"), utf8("synthèse")};
    QCOMPARE(e.forme->count(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(e.forme->itemText(i), formes[i]);
    QCOMPARE(e.forme->currentIndex(), 0);
    const QStringList rates{QStringLiteral("22050"), QStringLiteral("32000"), QStringLiteral("44100"),
                            QStringLiteral("48000")};
    QCOMPARE(e.fech->count(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(e.fech->itemText(i), rates[i]);
    QCOMPARE(e.fech->currentIndex(), 2);

    QCOMPARE(e.tempo->text(), QStringLiteral("60"));
    QCOMPARE(e.freqRef->text(), QStringLiteral("440"));
    const auto *tempoValidator = qobject_cast<const QDoubleValidator *>(e.tempo->validator());
    QVERIFY(tempoValidator);
    QCOMPARE(tempoValidator->bottom(), 30.0);
    QCOMPARE(tempoValidator->top(), 300.0);
    QCOMPARE(tempoValidator->decimals(), 2);
    const auto *refValidator = qobject_cast<const QDoubleValidator *>(e.freqRef->validator());
    QVERIFY(refValidator);
    QCOMPARE(refValidator->bottom(), 20.0);
    QCOMPARE(refValidator->top(), 10000.0);
    QCOMPARE(refValidator->decimals(), 3);
    // Typed key by key, the fields refuse what their ranges exclude.
    e.tempo->clear();
    QTest::keyClicks(e.tempo, QStringLiteral("1000"));
    QCOMPARE(e.tempo->text(), QStringLiteral("100"));
    e.tempo->clear();
    QTest::keyClicks(e.tempo, QStringLiteral("12.345"));
    QCOMPARE(e.tempo->text(), QStringLiteral("12.34"));

    QCOMPARE(e.fichier->text(), utf8("Fichier de mélodie : "));
    QVERIFY(e.titre->text().isEmpty());
    QVERIFY(e.auteur->text().isEmpty());
    QCOMPARE(e.description->toPlainText(), QStringLiteral("Description"));
    QVERIFY(e.description->height() >= 50);

    QCOMPARE(e.notes->columnCount(), 5);
    const QStringList headers{QStringLiteral("Date"), utf8("Degré"), QStringLiteral("Octave"), utf8("Durée"),
                              QStringLiteral("Ampl.")};
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(e.notes->horizontalHeaderItem(c)->text(), headers[c]);
        QVERIFY(e.notes->columnWidth(c) >= 50);
    }
    QCOMPARE(e.notes->horizontalHeader()->font().family(), QStringLiteral("Courrier"));
    QCOMPARE(e.notes->horizontalHeader()->font().pointSize(), 8);
    QVERIFY(e.notes->horizontalHeader()->font().bold());
    QVERIFY(e.notes->horizontalHeader()->stretchLastSection());
    QCOMPARE(e.notes->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!e.notes->isSortingEnabled());
    QVERIFY(e.notes->width() >= 320);
    QCOMPARE(e.env->columnCount(), 2);
    QCOMPARE(e.env->horizontalHeaderItem(0)->text(), QStringLiteral("Date"));
    QCOMPARE(e.env->horizontalHeaderItem(1)->text(), QStringLiteral("Amplitude"));
    QVERIFY(e.env->height() >= 89);

    QCOMPARE(e.zoom->minimum(), 1);
    QCOMPARE(e.zoom->maximum(), 4);
    QCOMPARE(e.zoom->value(), 1);
    QCOMPARE(e.zoom->orientation(), Qt::Horizontal);
    QCOMPARE(e.scoreArea->cornerWidget(), e.zoom);
    QCOMPARE(e.scoreArea->widget(), e.score);
    QVERIFY(e.scoreArea->width() >= 320 && e.scoreArea->height() >= 204);
    QCOMPARE(e.scoreArea->palette().color(QPalette::Base), QColor(106, 104, 100));
    QCOMPARE(e.scale->size(), QSize(300, 32));
    QCOMPARE(e.intervalles->title(), utf8("Intervalles : Liste par défaut"));
    QCOMPARE(e.d.degres.size(), 24);
    QCOMPARE(e.d.nbDeg(), 24);
    QCOMPARE(e.d.fEch, 44100);
    QCOMPARE(e.d.forme, 0);
    QCOMPARE(e.d.freqRef, 440.f);
    QVERIFY(!e.d.modele);
    QVERIFY(!e.d.tampon);
    QCOMPARE(e.d.nbEchMix, 0);
    QVERIFY(e.d.enveloppe.isEmpty());
    QVERIFY(e.synth->isDefault());
    for (QPushButton *b : e.d.findChildren<QPushButton *>())
        QVERIFY2(b->width() >= 72, qPrintable(b->text()));
}

void TestMelodyDlg::tooltips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");

    QTest::newRow("Nouveau") << "nouveauButton" << utf8("Créer une nouvelle mélodie");
    QTest::newRow("Ouvrir") << "ouvrirButton" << utf8("Ouvrir un fichier de mélodie");
    QTest::newRow("Synthétiser") << "synthButton" << utf8("Synthétiser le son");
    QTest::newRow("Enregistrer") << "wavButton" << utf8("Enregistrer le rendu sonore sous format wav");
    QTest::newRow("tempo") << "tempoEdit" << utf8("Ajuster le tempo en battement par minute");
    QTest::newRow("reference") << "freqRefEdit" << utf8("Fréquence de référence limitée à l'intervalle [50;1000] Hz");
    QTest::newRow("waveform") << "formeCombo" << utf8("Forme du signal : sinus, triangle, parabole, etc.");
    QTest::newRow("rate") << "fechCombo" << utf8("Fréquence d'échantillonnage");
}

void TestMelodyDlg::tooltips()
{
    QFETCH(QString, name);
    Editor e;
    auto *w = e.d.findChild<QWidget *>(name);
    QVERIFY(w);
    QTEST(w->toolTip(), "tip");
}

// Notes table, its buttons and the score on top; under the table the intervals and the melody,
// under the buttons the synthesis fields, under the score the envelope.
void TestMelodyDlg::layout()
{
    Editor e;
    auto at = [&](QWidget *w) { return w->mapTo(&e.d, QPoint(0, 0)); };
    auto *melodie = enfant<QGroupBox>(&e.d, "melodieGroup");
    auto *enveloppe = enfant<QGroupBox>(&e.d, "enveloppeGroup");
    QCOMPARE(melodie->title(), utf8("Mélodie"));
    QCOMPARE(enveloppe->title(), QStringLiteral("Enveloppe"));
    QVERIFY(melodie->width() >= 320 && melodie->height() >= 155);
    QVERIFY(enveloppe->width() >= 320 && enveloppe->height() >= 215);
    QVERIFY(at(e.notes).x() < at(e.nouveau).x());
    QVERIFY(at(e.nouveau).x() < at(e.scoreArea).x());
    QVERIFY(at(e.nouveau).y() < at(e.ouvrir).y());
    QVERIFY(at(e.ouvrir).y() < at(e.enregister).y());
    QVERIFY(at(e.enregister).y() < at(e.ajouter).y());
    QVERIFY(at(e.ajouter).y() < at(e.supprimer).y());
    QVERIFY(at(e.intervalles).y() > at(e.notes).y() + e.notes->height() - 1);
    QVERIFY(at(melodie).y() > at(e.intervalles).y());
    QVERIFY(at(e.tempo).y() > at(e.supprimer).y());
    QVERIFY(at(e.tempo).y() < at(e.freqRef).y() && at(e.freqRef).y() < at(e.forme).y()
            && at(e.forme).y() < at(e.fech).y() && at(e.fech).y() < at(e.synth).y()
            && at(e.synth).y() < at(e.wav).y());
    QVERIFY(at(enveloppe).x() >= at(e.scoreArea).x());
    QVERIFY(at(enveloppe).y() > at(e.scoreArea).y());
    QVERIFY(enveloppe->isAncestorOf(e.env) && enveloppe->isAncestorOf(e.envNouveau));
    QVERIFY(e.intervalles->isAncestorOf(e.scale));
    QVERIFY(melodie->isAncestorOf(e.titre) && melodie->isAncestorOf(e.description) && melodie->isAncestorOf(e.fichier));
    // The envelope buttons stack at the right of its table.
    QVERIFY(at(e.envNouveau).x() > at(e.env).x());
    QVERIFY(at(e.envNouveau).y() < at(e.envAjouter).y() && at(e.envAjouter).y() < at(e.envSupprimer).y());
}

void TestMelodyDlg::buttonStates()
{
    Editor e;
    QVERIFY(e.nouveau->isEnabled());
    QVERIFY(e.ouvrir->isEnabled());
    QVERIFY(e.envNouveau->isEnabled());
    for (QPushButton *b : {e.enregister, e.ajouter, e.supprimer, e.synth, e.wav, e.envAjouter, e.envSupprimer})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));

    e.nouveau->click();
    QVERIFY(e.ajouter->isEnabled());
    QVERIFY(e.synth->isEnabled());
    QVERIFY(!e.enregister->isEnabled());
    e.ajouter->click();
    typeInto(e.notes, 0, 3, QStringLiteral("1"));
    QVERIFY(e.enregister->isEnabled());
    e.synth->click();
    QVERIFY(e.wav->isEnabled());
    QVERIFY(e.d.tampon);

    e.envNouveau->click();
    QVERIFY(e.envAjouter->isEnabled());
    e.envAjouter->click();
    QCOMPARE(e.env->rowCount(), 1);
    typeInto(e.env, 0, 0, QStringLiteral("0.5"));
    QTest::mouseClick(e.env->viewport(), Qt::LeftButton, {}, e.env->visualItemRect(e.env->item(0, 0)).center());
    QVERIFY(e.envSupprimer->isEnabled());
    e.envSupprimer->click();
    QCOMPARE(e.env->rowCount(), 0);
    QVERIFY(!e.envSupprimer->isEnabled());

    // Opening a file leaves no sound to save.
    QTemporaryDir dir;
    e.open(melodyFile(dir, QStringLiteral("a.mel"), "<note deg=\"1\"/>"));
    QVERIFY(!e.wav->isEnabled());
    QVERIFY(e.enregister->isEnabled());
    QVERIFY(e.synth->isEnabled());
    QVERIFY(e.ajouter->isEnabled());
    QVERIFY(e.envAjouter->isEnabled());
    QCOMPARE(e.fichier->text(), utf8("Fichier de mélodie : a.mel"));
}

// The first note starts at 0 with degree 0, octave 0, duration "0", amplitude "1"; a note added
// after one at date 2 lasting 1.5 starts at 3.5.
void TestMelodyDlg::addNoteDates()
{
    Editor e;
    Messages messages;
    e.nouveau->click();
    e.ajouter->click();
    QCOMPARE(e.notes->rowCount(), 1);
    QCOMPARE(e.text(0, 0), QStringLiteral("0"));
    QCOMPARE(e.text(0, 3), QStringLiteral("0"));
    QCOMPARE(e.text(0, 4), QStringLiteral("1"));
    QCOMPARE(e.spin(0, 1)->value(), 0);
    QCOMPARE(e.spin(0, 1)->suffix(), QStringLiteral(": (0)"));
    QCOMPARE(e.spin(0, 1)->toolTip(), QStringLiteral("unisson"));
    QCOMPARE(e.spin(0, 1)->buttonSymbols(), QAbstractSpinBox::NoButtons);
    QVERIFY(!e.spin(0, 1)->hasFrame());
    QCOMPARE(e.spin(0, 1)->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(e.spin(0, 1)->maximum(), 23);
    QCOMPARE(e.spin(0, 2)->value(), 0);
    QCOMPARE(e.spin(0, 2)->minimum(), -2);
    QCOMPARE(e.spin(0, 2)->maximum(), 2);
    QVERIFY(e.spin(0, 1)->objectName().isEmpty());
    QCOMPARE(e.notes->item(0, 0)->textAlignment(), int(Qt::AlignCenter));

    typeInto(e.notes, 0, 0, QStringLiteral("2"));
    typeInto(e.notes, 0, 3, QStringLiteral("1.5"));
    e.notes->setCurrentCell(0, 0);
    e.ajouter->click();
    QCOMPARE(e.notes->rowCount(), 2);
    QCOMPARE(e.text(1, 0), QStringLiteral("3.5"));
    QVERIFY(messages.shown.isEmpty());

    // A new degree shows its size and description.
    e.spin(1, 1)->setValue(14);
    QCOMPARE(e.spin(1, 1)->suffix(), QStringLiteral(": (702)"));
    QCOMPARE(e.spin(1, 1)->toolTip(), QStringLiteral("quinte juste"));
}

void TestMelodyDlg::noteCells_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("left");    // the cell's text afterwards, "<none>" for no item

    QTest::newRow("date abc") << 0 << "abc" << "La date de la note 1 n'est pas valide : abc !" << "";
    QTest::newRow("date 1000") << 0 << "1000" << "" << "1000";
    QTest::newRow("date 1000.5") << 0 << "1000.5" << "La date de la note 1 n'est pas valide : 1000.5 !" << "";
    QTest::newRow("duration 10") << 3 << "10" << "" << "10";
    QTest::newRow("duration 10.5") << 3 << "10.5" << utf8("La durée de la note 1 n'est pas valide : 10.5 !") << "";
    QTest::newRow("amplitude 0.5") << 4 << "0.5" << "" << "0.5";
    QTest::newRow("amplitude 1.2") << 4 << "1.2" << "L'amplitude de la note 1 n'est pas valide : 1.2 !" << "<none>";
}

void TestMelodyDlg::noteCells()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, left);
    Editor e;
    e.newNotes(1);
    Messages messages;
    typeInto(e.notes, 0, column, typed);
    if (message.isEmpty()) {
        QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
    } else {
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].first, kNoteTitle);
        QCOMPARE(messages.shown[0].second, message);
    }
    QCOMPARE(e.text(0, column), left);
    if (QTableWidgetItem *item = e.notes->item(0, column)) {
        const QColor background = item->background().color();
        QCOMPARE(background, message.isEmpty() ? QColor(Qt::white) : QColor(Qt::red));
    }
    // Return committed the cell and rendered nothing: the default button was not pressed.
    QVERIFY(!e.d.tampon);
    QVERIFY(e.enregister->isEnabled());
}

// The refused amplitude leaves an empty cell; "Synthétiser" then stops without a word.
void TestMelodyDlg::refusedAmplitudeStopsSynthesis()
{
    Editor e;
    e.newNotes(1);
    typeInto(e.notes, 0, 3, QStringLiteral("1"));
    Messages messages;
    typeInto(e.notes, 0, 4, QStringLiteral("1.2"));
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(!e.notes->item(0, 4));
    e.synth->click();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(!e.d.tampon);
    QVERIFY(!e.wav->isEnabled());
    // Typed again, the cell is accepted and the melody renders.
    typeInto(e.notes, 0, 4, QStringLiteral("0.7"));
    QCOMPARE(e.text(0, 4), QStringLiteral("0.7"));
    e.synth->click();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(e.d.tampon);
    QCOMPARE(e.d.nbEchMix, 44100);
}

void TestMelodyDlg::envelopeCells_data()
{
    QTest::addColumn<QString>("setup");  // "time,ampl" typed first into row 0, row 1 gets the entry
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("date 0.5") << "" << 0 << "0.5" << "";
    QTest::newRow("date 1.5") << "" << 0 << "1.5" << utf8("La date doite être un nombre entre 0 et 1 !");
    QTest::newRow("date -0.1") << "" << 0 << "-0.1" << utf8("La date doite être un nombre entre 0 et 1 !");
    QTest::newRow("date abc") << "" << 0 << "abc" << utf8("Entrée invalide : entrer un nombre positif !");
    QTest::newRow("date twice") << "0.5" << 0 << "0.5" << utf8("Cette date existe déjà !");
    QTest::newRow("amplitude without date") << "" << 1 << "1" << utf8("Définir d'abord la date !");
    QTest::newRow("amplitude -0.1") << "0.5" << 1 << "-0.1" << utf8("Entrée invalide : entrer un nombre positif !");
    QTest::newRow("amplitude 3") << "0.5" << 1 << "3" << "";
    QTest::newRow("amplitude nan") << "0.5" << 1 << "nan" << utf8("Entrée invalide : entrer un nombre positif !");
}

void TestMelodyDlg::envelopeCells()
{
    QFETCH(QString, setup);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Editor e;
    e.envNouveau->click();
    e.envAjouter->click();
    int row = 0;
    if (!setup.isEmpty()) {
        if (column == 0) {
            typeInto(e.env, 0, 0, setup);
            e.envAjouter->click();
            row = 1;
        } else {
            typeInto(e.env, 0, 0, setup);
        }
    }
    Messages messages;
    typeInto(e.env, row, column, typed);
    if (message.isEmpty()) {
        QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
        QVERIFY(e.env->item(row, column));
        QCOMPARE(e.env->item(row, column)->text(), typed);
    } else {
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].first, kEnvTitle);
        QCOMPARE(messages.shown[0].second, message);
        // The refused cell is gone, whichever row it ended in after sorting.
        for (int r = 0; r < e.env->rowCount(); ++r) {
            const QTableWidgetItem *item = e.env->item(r, column);
            QVERIFY(!item || item->text() != typed || (setup == typed && r != row));
        }
    }
}

// The table keeps its points sorted; updPointEnv reads the complete rows in that order.
void TestMelodyDlg::envelopePoints()
{
    Editor e;
    Messages messages;
    e.envNouveau->click();
    for (int i = 0; i < 4; ++i)
        e.envAjouter->click();
    typeInto(e.env, 0, 0, QStringLiteral("0.8"));
    typeInto(e.env, 0, 1, QStringLiteral("0.4"));
    typeInto(e.env, 1, 0, QStringLiteral("0.1"));
    // After sorting the row of 0.1 is first; its amplitude goes in its own row.
    const int r01 = e.env->findItems(QStringLiteral("0.1"), Qt::MatchExactly).first()->row();
    typeInto(e.env, r01, 1, QStringLiteral("1"));
    QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
    e.d.updPointEnv();
    QCOMPARE(e.d.enveloppe.size(), 2);
    QCOMPARE(e.d.envTime(0), 0.1f);
    QCOMPARE(e.d.envAmpl(0), 1.0f);
    QCOMPARE(e.d.envTime(1), 0.8f);
    QCOMPARE(e.d.envAmpl(1), 0.4f);
    // The rows without both cells sort to the top and are skipped.
    QCOMPARE(e.env->rowCount(), 4);
}

// Notes at octaves 1 and 2 only: octaves 0 to 2 shown, 306 pixels and a fixed height of 309.
void TestMelodyDlg::octaveRange()
{
    Editor e;
    e.newNotes(2);
    e.spin(0, 2)->setValue(1);
    e.spin(1, 2)->setValue(2);
    QCOMPARE(e.score->octMin, 0);
    QCOMPARE(e.score->octMax, 2);
    QCOMPARE(e.score->hauteur, 306);
    QCOMPARE(e.score->height(), 309);
    QCOMPARE(e.score->minimumHeight(), 309);
    // Back to 0: the range shrinks to what the notes use, always with octave 0.
    e.spin(1, 2)->setValue(0);
    QCOMPARE(e.score->octMax, 1);
    QCOMPARE(e.score->hauteur, 204);
    e.spin(0, 2)->setValue(-2);
    QCOMPARE(e.score->octMin, -2);
    QCOMPARE(e.score->hauteur, (e.score->octMax + 3) * 102);
    e.spin(0, 2)->setValue(0);
    QCOMPARE(e.score->octMin, 0);
    QCOMPARE(e.score->octMax, 0);
    QCOMPARE(e.score->height(), 105);
}

// Rows (0, 2) and (1, 1): 2 beats, 320 pixels at zoom 1 and 160 at zoom 2.
void TestMelodyDlg::durationAndZoom()
{
    Editor e;
    e.newNotes(2);
    typeInto(e.notes, 0, 3, QStringLiteral("2"));
    typeInto(e.notes, 1, 0, QStringLiteral("1"));
    typeInto(e.notes, 1, 3, QStringLiteral("1"));
    QCOMPARE(e.d.duree, 2.f);
    QCOMPARE(e.score->duree, 2.f);
    QCOMPARE(e.score->nbNotes, 2);
    QCOMPARE(e.score->width(), 320);
    e.zoom->setValue(2);
    QCOMPARE(e.score->echelle, 2);
    QCOMPARE(e.score->width(), 160);
    // A date typed later moves its note into date order.
    typeInto(e.notes, 0, 0, QStringLiteral("5"));
    QCOMPARE(e.text(0, 0), QStringLiteral("1"));
    QCOMPARE(e.text(1, 0), QStringLiteral("5"));
    QCOMPARE(e.text(1, 3), QStringLiteral("2"));
    QCOMPARE(e.d.duree, 7.f);
    QCOMPARE(e.score->width(), 640);
}

void TestMelodyDlg::sampleRate()
{
    Editor e;
    for (const auto &r : {qMakePair(3, 48000), qMakePair(0, 22050), qMakePair(1, 32000), qMakePair(2, 44100)}) {
        e.fech->setCurrentIndex(r.first);
        e.d.freqEch();
        QCOMPARE(e.d.fEch, r.second);
    }
    e.fech->setCurrentIndex(-1);
    e.d.freqEch();
    QCOMPARE(e.d.fEch, 44100);
}

// A click on a note enables "Supprimer" and frames its degree on the strip; "Supprimer" removes
// the selected rows.
void TestMelodyDlg::selectionAndRemoval()
{
    Editor e;
    e.newNotes(3);
    e.spin(1, 1)->setValue(14);
    QTest::mouseClick(e.notes->viewport(), Qt::LeftButton, {}, e.notes->visualItemRect(e.notes->item(1, 0)).center());
    QVERIFY(e.supprimer->isEnabled());
    QCOMPARE(e.scale->degreSel, 14);
    QCOMPARE(e.notes->currentRow(), 1);
    e.notes->selectRow(1);
    e.supprimer->click();
    QCOMPARE(e.notes->rowCount(), 2);
    QVERIFY(!e.supprimer->isEnabled());
    QCOMPARE(e.spin(0, 1)->value(), 0);
    QCOMPARE(e.spin(1, 1)->value(), 0);
    QCOMPARE(e.score->nbNotes, 2);
}

// Over a loaded note's spin box the wheel scrolls the table, unless the spin box's column is
// current.
void TestMelodyDlg::wheelOverSpinBoxes()
{
    QTemporaryDir dir;
    QByteArray music;
    for (int i = 0; i < 40; ++i)
        music += "<note deg=\"5\" oct=\"0\" dur=\"0.5\"/>";
    Editor e;
    e.open(melodyFile(dir, QStringLiteral("long.mel"), music));
    QCOMPARE(e.notes->rowCount(), 40);
    QSpinBox *degree = e.spin(1, 1);
    QCOMPARE(degree->objectName(), QStringLiteral("spinDegre"));
    QCOMPARE(e.spin(1, 2)->objectName(), QStringLiteral("spinOct"));
    auto wheel = [](QWidget *w) {
        QWheelEvent ev(QPointF(5, 5), QPointF(w->mapToGlobal(QPoint(5, 5))), QPoint(), QPoint(0, -120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w, &ev);
    };
    e.notes->setCurrentCell(0, 0);
    QScrollBar *bar = e.notes->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    wheel(degree);
    QVERIFY(bar->value() > 0);
    QCOMPARE(degree->value(), 5);

    bar->setValue(0);
    e.notes->setCurrentCell(1, 1);
    wheel(degree);
    QCOMPARE(degree->value(), 4);
    QCOMPARE(bar->value(), 0);

    QSpinBox *octave = e.spin(1, 2);
    wheel(octave);
    QCOMPARE(octave->value(), 0);
    QVERIFY(bar->value() > 0);
}

// A shipped melody opens on the default list, renders and is saved as a WAV that sox reads.
void TestMelodyDlg::openShippedMelodyAndRender()
{
    Editor e;
    Messages messages;
    e.open(QStringLiteral("melodies/au_clair_de_la_lune.mel"));
    QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
    QCOMPARE(e.prompts.value(0), QStringLiteral("Fichier musique|./melodies/|*.mel ;; *.xml ;; *.*"));
    QCOMPARE(e.titre->text(), QStringLiteral("Au clair de la lune"));
    QVERIFY(e.description->toPlainText().contains(QStringLiteral("liste_defaut.int")));
    QCOMPARE(e.notes->rowCount(), 33);
    QCOMPARE(e.env->rowCount(), 3);
    QCOMPARE(e.score->octMin, -1);
    QCOMPARE(e.score->octMax, 0);
    QCOMPARE(e.d.duree, 24.f);
    QCOMPARE(e.score->width(), 24 * 160);
    for (int r = 0; r < e.notes->rowCount(); ++r)
        QCOMPARE(e.spin(r, 1)->palette().color(QPalette::Base), QColor(Qt::white));

    e.fech->setCurrentIndex(3);
    e.synth->click();
    QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
    QVERIFY(e.wav->isEnabled());
    QCOMPARE(e.d.nbEchMix, 24 * 48000);
    QTemporaryDir dir;
    e.saveAnswer = dir.filePath(QStringLiteral("lune"));
    e.wav->click();
    QCOMPARE(e.prompts.last(), QStringLiteral("Choisir un nom fichier|./sounds/|Fichier (*.wav)"));
    zibtest::checkWavWithReaders(dir.filePath(QStringLiteral("lune.wav")), 48000, 24 * 48000,
                                 utf8("Tempo : 60\nFrequence de reference : 440\nIntervalles : Liste par défaut\n"
                                      "Forme d'onde : 0"));
    QVERIFY(messages.shown.isEmpty());

    // Every shipped melody opens without a red cell on the default list and renders.
    for (const QString &name : QDir(QStringLiteral("melodies")).entryList({QStringLiteral("*.mel")})) {
        Editor other;
        other.open(QStringLiteral("melodies/") + name);
        for (int r = 0; r < other.notes->rowCount(); ++r)
            for (int c : {0, 3, 4})
                QVERIFY2(other.notes->item(r, c)->background().color() != QColor(Qt::red), qPrintable(name));
        other.synth->click();
        QVERIFY2(other.d.tampon, qPrintable(name));
        QVERIFY(other.description->toPlainText().contains(QStringLiteral("liste_defaut.int")));
    }
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(QDir(QStringLiteral("melodies")).entryList({QStringLiteral("*.mel")}).size() >= 2);
}

// A melody typed note by note, saved, closed and reopened is unchanged.
void TestMelodyDlg::saveAndReopen()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("essai"));
    {
        Editor e;
        Messages messages;
        e.newNotes(3);
        for (int r = 0; r < 3; ++r) {
            typeInto(e.notes, r, 3, QStringLiteral("0.5"));
            typeInto(e.notes, r, 4, QStringLiteral("0.%1").arg(r + 5));
        }
        // Each date typed sorts the table: the last row first.
        typeInto(e.notes, 2, 0, QStringLiteral("1.333333"));
        typeInto(e.notes, 1, 0, QStringLiteral("0.5"));
        e.spin(1, 1)->setValue(7);
        e.spin(2, 2)->setValue(-1);
        QTest::keyClicks(e.titre, QStringLiteral("Essai"));
        e.auteur->insert(utf8("Élève")); // QTest types ASCII only
        e.description->setPlainText(QStringLiteral("ligne 1\nligne 2"));
        e.envNouveau->click();
        e.envAjouter->click();
        typeInto(e.env, 0, 0, QStringLiteral("0.25"));
        typeInto(e.env, 0, 1, QStringLiteral("1"));
        e.saveAnswer = path;
        e.enregister->click();
        QCOMPARE(e.prompts.last(), QStringLiteral("Enregistrer Fichier de paramètres|./melodies|*.mel"));
        QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
    }
    QVERIFY(QFile::exists(path));
    QDomDocument doc;
    QVERIFY(doc.setContent(readAll(path)));
    QCOMPARE(doc.documentElement().lastChildElement().childNodes().count(), 3);

    Editor e;
    e.open(path);
    QCOMPARE(e.fichier->text(), utf8("Fichier de mélodie : essai"));
    QCOMPARE(e.titre->text(), QStringLiteral("Essai"));
    QCOMPARE(e.auteur->text(), utf8("Élève"));
    QCOMPARE(e.description->toPlainText(), QStringLiteral("ligne 1\nligne 2"));
    QCOMPARE(e.notes->rowCount(), 3);
    QCOMPARE(e.text(0, 0), QStringLiteral("0"));
    QCOMPARE(e.text(1, 0), QStringLiteral("0.5"));
    QCOMPARE(e.text(2, 0), QStringLiteral("1.33333"));
    QCOMPARE(e.spin(1, 1)->value(), 7);
    QCOMPARE(e.spin(1, 1)->suffix(), QStringLiteral(": (386)"));
    QCOMPARE(e.spin(2, 2)->value(), -1);
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(e.text(r, 3), QStringLiteral("0.5"));
        QCOMPARE(e.text(r, 4), QStringLiteral("0.%1").arg(r + 5));
    }
    QCOMPARE(e.env->rowCount(), 1);
    QCOMPARE(e.env->item(0, 0)->text(), QStringLiteral("0.25"));
    QCOMPARE(e.env->item(0, 1)->text(), QStringLiteral("1"));
    QCOMPARE(e.score->octMin, -1);
}

// Found by fuzzing the reader: an octave of 1560563774 made the score's height overflow. The
// score now reaches 10 octaves either way at most; the spin boxes still show their bounds and the
// notes stay invalid for the check.
void TestMelodyDlg::absurdOctaveInAFile()
{
    QTemporaryDir dir;
    Editor e(steps(7));
    Messages messages;
    e.open(melodyFile(dir, QStringLiteral("o.mel"),
                      "<note deg=\"1\" oct=\"01560563774\"/><note deg=\"2\" oct=\"-2147483648\"/>"));
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(e.notes->rowCount(), 2);
    QCOMPARE(e.spin(0, 2)->value(), 2);
    QCOMPARE(e.spin(1, 2)->value(), -2);
    QCOMPARE(e.score->octMax, kMaxScoreOctave);
    QCOMPARE(e.score->octMin, -kMaxScoreOctave);
    QCOMPARE(e.score->hauteur, (2 * kMaxScoreOctave + 1) * 102);
    QVERIFY(!e.score->grab().isNull());
}

// The reading rules as the tables show them.
void TestMelodyDlg::permissiveLoading()
{
    QTemporaryDir dir;
    Editor e(steps(7));
    Messages messages;
    e.open(melodyFile(dir, QStringLiteral("p.mel"),
                      "<note deg=\"7\" dur=\"0.5\"/><!-- a comment --><note deg=\"2\" oct=\"3\"/>"
                      "<note/><note date=\"2000\" deg=\"1\"/><note deg=\"1\" ampl=\"1.5\" dur=\"12\"/>"));
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(e.notes->rowCount(), 5);
    // deg 7 of 7: a red spin box at 0 whose tooltip names the degree read.
    QCOMPARE(e.text(0, 0), QStringLiteral("0"));
    QCOMPARE(e.spin(0, 1)->value(), 0);
    QCOMPARE(e.spin(0, 1)->palette().color(QPalette::Base), QColor(Qt::red));
    QCOMPARE(e.spin(0, 1)->toolTip(), utf8("Degré illégal 7 dépassant le nombre de degrés dans la liste"));
    // oct 3: the spin box shows 2 and the score reaches octave 3.
    QCOMPARE(e.text(1, 0), QStringLiteral("0.5"));
    QCOMPARE(e.spin(1, 2)->value(), 2);
    QCOMPARE(e.score->octMax, 3);
    QCOMPARE(e.score->hauteur, 4 * 102);
    QCOMPARE(e.spin(1, 1)->suffix(), QStringLiteral(": (200)"));
    QCOMPARE(e.spin(1, 1)->toolTip(), utf8("degré 2"));
    // No attribute at all: after the previous note, 1 beat of amplitude 1, degree "?".
    QCOMPARE(e.text(2, 0), QStringLiteral("1.5"));
    QCOMPARE(e.text(2, 3), QStringLiteral("1"));
    QCOMPARE(e.text(2, 4), QStringLiteral("1"));
    QCOMPARE(e.spin(2, 1)->toolTip(), utf8("Degré illégal ? dépassant le nombre de degrés dans la liste"));
    QCOMPARE(e.spin(2, 2)->value(), 0);
    // date 2000: red, explained.
    QCOMPARE(e.text(3, 0), QStringLiteral("2000"));
    QCOMPARE(e.notes->item(3, 0)->background().color(), QColor(Qt::red));
    QCOMPARE(e.notes->item(3, 0)->toolTip(), QStringLiteral("Date invalide. Une date est nombre flottant entre 0 et 1000"));
    // The last note follows it at 2001, out of range in duration and amplitude too.
    QCOMPARE(e.text(4, 0), QStringLiteral("2001"));
    QCOMPARE(e.notes->item(4, 3)->background().color(), QColor(Qt::red));
    QCOMPARE(e.notes->item(4, 4)->background().color(), QColor(Qt::red));
    QVERIFY(e.notes->item(2, 3)->background().color() != QColor(Qt::red));
    QCOMPARE(e.notes->currentRow(), 0);

    // The check names the first faulty note in date order: the illegal degree of note 1, although
    // its spin box shows 0.
    e.synth->click();
    QCOMPARE(messages.texts(), QStringList{utf8("Degré de la note 1 n'est pas valide !")});
    QVERIFY(!e.d.tampon);

    // A loaded spin box turned by the user loses its red mark.
    e.spin(0, 1)->setValue(3);
    QCOMPARE(e.spin(0, 1)->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(e.spin(0, 1)->suffix(), QStringLiteral(": (300)"));
    e.synth->click();
    QCOMPARE(messages.texts().last(), utf8("Degré de la note 3 n'est pas valide !"));
    e.spin(2, 1)->setValue(1);
    e.synth->click();
    QCOMPARE(messages.texts().last(), utf8("Date de la note 4 n'est pas valide !"));
    QCOMPARE(messages.shown.size(), 3);
}

void TestMelodyDlg::loadFailuresKeepTheMelody()
{
    QTemporaryDir dir;
    Editor e;
    e.open(melodyFile(dir, QStringLiteral("bon.mel"), "<note deg=\"3\"/><note deg=\"4\"/>", "<point time=\"0.5\" ampl=\"1\"/>"));
    QCOMPARE(e.notes->rowCount(), 2);

    const QString broken = dir.filePath(QStringLiteral("casse.mel"));
    QFile f(broken);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<melody><header title=\"X\"><music></melody>");
    f.close();

    struct Case { QString path; QString title; QString start; };
    const QList<Case> cases{
        {dir.filePath(QStringLiteral("absent.mel")), utf8("Erreur à l'ouverture de la liste par défaut"),
         utf8("Le document XML de liste d'intervalle par défaut n'a pas pu être ouvert. Vérifiez que le fichier <b>")
             + dir.filePath(QStringLiteral("absent.mel")) + QStringLiteral("</b> existe")},
        {broken, utf8("Erreur à l'ouverture du document XML"),
         utf8("Le document XML n'a pas pu être attribué à l'objet QDomDocument.")},
        {dir.path(), utf8("Erreur à l'ouverture du document XML"),
         utf8("Le document XML de liste d'intervalle n'a pas pu être ouvert. Vérifiez que le nom est le bon")},
    };
    for (const Case &c : cases) {
        Messages messages;
        e.open(c.path);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].first, c.title);
        QVERIFY2(messages.shown[0].second.startsWith(c.start), qPrintable(messages.shown[0].second));
        QCOMPARE(e.notes->rowCount(), 2);
        QCOMPARE(e.spin(1, 1)->value(), 4);
        QCOMPARE(e.env->rowCount(), 1);
        QCOMPARE(e.titre->text(), QStringLiteral("Essai"));
    }
}

// A note that fails the check is named, and the file of that name keeps its bytes.
void TestMelodyDlg::invalidNoteKeepsTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("garde.mel"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("contenu d'avant\n");
    f.close();

    Editor e;
    e.newNotes(2);
    typeInto(e.notes, 0, 3, QStringLiteral("1"));
    typeInto(e.notes, 1, 3, QStringLiteral("1"));
    Messages messages;
    typeInto(e.notes, 1, 4, QStringLiteral("2"));
    QCOMPARE(messages.shown.size(), 1);
    e.saveAnswer = path;
    e.enregister->click();
    // The empty amplitude refuses silently; a date out of range is named.
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(readAll(path), QByteArray("contenu d'avant\n"));

    typeInto(e.notes, 1, 4, QStringLiteral("1"));
    e.spin(0, 2)->setValue(1);
    e.d.degres.removeLast(); // degree 23 of a shortened list
    e.spin(1, 1)->setMaximum(30);
    e.spin(1, 1)->setValue(23);
    e.enregister->click();
    QCOMPARE(messages.shown.size(), 2);
    QCOMPARE(messages.shown[1].second, utf8("Degré de la note 2 n'est pas valide !"));
    QCOMPARE(readAll(path), QByteArray("contenu d'avant\n"));

    // Valid again, the file is replaced.
    e.spin(1, 1)->setValue(2);
    e.enregister->click();
    QCOMPARE(messages.shown.size(), 2);
    QVERIFY(readAll(path).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));

    // A folder that does not exist: the error box, the system's reason on its button.
    e.saveAnswer = dir.filePath(QStringLiteral("absent/x.mel"));
    e.enregister->click();
    QCOMPARE(messages.shown.size(), 3);
    QCOMPARE(messages.shown[2].first, QStringLiteral("Erreur"));
    QCOMPARE(messages.shown[2].second, utf8("Impossible d'ouvrir le fichier pour écriture"));
}

void TestMelodyDlg::failedWrites_data()
{
    zibtest::addFailedWriteRows();
}

// "Enregister" (the melody) and "Enregistrer" (its sound) on a full disk and into a folder that
// cannot be written: the old file stays, nothing is left behind, the user is told.
void TestMelodyDlg::failedWrites()
{
    QFETCH(bool, large);
    QTemporaryDir dir;
    QByteArray music;
    const int notes = large ? 600 : 2;
    for (int i = 0; i < notes; ++i)
        music += QByteArray("<note date=\"") + QByteArray::number(i * 0.01) + "\" deg=\"" + QByteArray::number(i % 24) +
                 "\" oct=\"0\" dur=\"" + (large ? "2" : "0.01") + "\" ampl=\"0.5\"/>";
    Editor e;
    e.open(melodyFile(dir, QStringLiteral("source.mel"), music));
    QCOMPARE(e.notes->rowCount(), notes);
    Messages messages;
    e.synth->click();
    QVERIFY2(e.wav->isEnabled(), qPrintable(messages.texts().join(QLatin1Char('|'))));

    const struct { QPushButton *button; const char *name; const char *error; } saves[] = {
        {e.enregister, "air.mel", "Impossible d'ouvrir le fichier pour écriture"},
        {e.wav, "air.wav", "n'a pas pu être écrit"},
    };
    for (const auto &save : saves) {
        messages.shown.clear();
        zibtest::checkFailedWrite(QString::fromLatin1(save.name), [&](const QString &path) {
            e.saveAnswer = path;
            const int before = messages.shown.size();
            save.button->click();
            return messages.shown.size() == before;
        });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].first, QStringLiteral("Erreur"));
        QVERIFY2(messages.shown[0].second.contains(utf8(save.error)), qPrintable(messages.shown[0].second));
    }
}

void TestMelodyDlg::saveWithoutNotes()
{
    Editor e;
    e.nouveau->click();
    Messages messages;
    e.saveAnswer = QStringLiteral("/tmp/never.mel");
    e.d.saveMelody();
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].first, QStringLiteral("Enregistrement de la partition"));
    QCOMPARE(messages.shown[0].second, utf8("Pas de note à enregistrer"));
    QVERIFY(e.prompts.isEmpty());
}

void TestMelodyDlg::synthesisRefusals_data()
{
    QTest::addColumn<QString>("tempo");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty tempo") << "" << "440" << "Le tempo doit être compris entre 30 et 300 battements par minute.";
    QTest::newRow("tempo 3") << "3" << "440" << "Le tempo doit être compris entre 30 et 300 battements par minute.";
    QTest::newRow("tempo 29.99") << "29.99" << "440" << "Le tempo doit être compris entre 30 et 300 battements par minute.";
    QTest::newRow("empty reference") << "60" << "" << "La fréquence de référence doit être comprise entre 20 et 10000 Hz.";
    QTest::newRow("reference 2") << "60" << "2" << "La fréquence de référence doit être comprise entre 20 et 10000 Hz.";
    QTest::newRow("tempo 300") << "300" << "20" << "";
    QTest::newRow("tempo 30") << "30" << "10000" << "";
}

void TestMelodyDlg::synthesisRefusals()
{
    QFETCH(QString, tempo);
    QFETCH(QString, reference);
    QFETCH(QString, message);
    Editor e;
    e.newNotes(1);
    typeInto(e.notes, 0, 3, QStringLiteral("1"));
    Messages messages;
    e.tempo->clear();
    QTest::keyClicks(e.tempo, tempo);
    e.freqRef->clear();
    QTest::keyClicks(e.freqRef, reference);
    QTest::keyClick(e.freqRef, Qt::Key_Return); // the default button
    if (message.isEmpty()) {
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(e.d.tampon);
        QCOMPARE(e.d.nbEchMix, int(std::lround(60.0 / tempo.toDouble() * 44100)));
    } else {
        QCOMPARE(messages.texts(), QStringList{utf8(message.toUtf8().constData())});
        QCOMPARE(messages.shown[0].first, utf8("Synthèse de la mélodie"));
        QVERIFY(!e.d.tampon);
        QVERIFY(!e.wav->isEnabled());
    }
}

// "synthèse" warns and renders nothing without a model; with one, each note strikes it.
void TestMelodyDlg::modalSynthesis()
{
    Editor e;
    e.newNotes(1);
    typeInto(e.notes, 0, 3, QStringLiteral("1"));
    Messages messages;
    e.forme->setCurrentIndex(WaveShape::Modal);
    e.synth->click();
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].first, QStringLiteral("ZIB"));
    QCOMPARE(messages.shown[0].second, utf8("Attention : un modèle de synthèse doit être défini auparavant"));
    QVERIFY(!e.d.tampon);

    auto bank = zibtest::modeUnique();
    e.main.model = bank.get();
    e.synth->click();
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(e.d.modele, bank.get());
    QVERIFY(e.d.tampon);
    QCOMPARE(bank->nbActif, 1);
    int peak = 0;
    for (int k = 0; k < e.d.nbEchMix; ++k)
        peak = std::max(peak, std::abs(int(e.d.tampon[k])));
    QCOMPARE(peak, 32760);

    // synthNote alone: the 440 Hz sine of the one mode, 44100 samples.
    std::vector<float> buf(44100);
    e.d.synthNote(0, buf.data());
    int changes = 0;
    for (size_t k = 1; k < buf.size(); ++k)
        changes += (buf[k - 1] < 0) != (buf[k] < 0);
    QVERIFY(std::abs(changes - 880) <= 2);
}

// The degrees are copied again at each synthesis: a note beyond a shortened list is refused.
void TestMelodyDlg::shortenedList()
{
    Editor e(steps(12, QStringLiteral("Chromatique")));
    e.newNotes(2);
    typeInto(e.notes, 0, 3, QStringLiteral("1"));
    typeInto(e.notes, 1, 3, QStringLiteral("1"));
    e.spin(1, 1)->setValue(11);
    const ListInterv shorter = steps(7, QStringLiteral("Diatonique"));
    e.main.list = &shorter;
    Messages messages;
    e.synth->click();
    QCOMPARE(messages.texts(), QStringList{utf8("Degré de la note 2 n'est pas valide !")});
    QCOMPARE(e.intervalles->title(), QStringLiteral("Intervalles : Diatonique"));
    QCOMPARE(e.d.nbDeg(), 7);
    QVERIFY(!e.d.tampon);
}

void TestMelodyDlg::wavFileNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("file");

    QTest::newRow("air") << "air" << "air.wav";
    QTest::newRow("air.wav") << "air.wav" << "air.wav";
    QTest::newRow("air.WAV") << "air.WAV" << "air.WAV.wav";
}

// The name typed, the extension added when it is not ".wav", and the comment of four lines.
void TestMelodyDlg::wavFileNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, file);
    Editor e(steps(5, QStringLiteral("Gamme")));
    e.newNotes(1);
    typeInto(e.notes, 0, 3, QStringLiteral("0.5"));
    e.fech->setCurrentIndex(0);
    e.synth->click();
    QVERIFY(e.d.tampon);
    QTemporaryDir dir;
    e.saveAnswer = dir.filePath(typed);
    e.wav->click();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{file});
    zibtest::checkWavWithReaders(dir.filePath(file), 22050, 11025,
                                 QStringLiteral("Tempo : 60\nFrequence de reference : 440\nIntervalles : Gamme\n"
                                                "Forme d'onde : 0"));
}

// A WAV that cannot be written says so; no file appears.
void TestMelodyDlg::wavWriteFailure()
{
    Editor e;
    e.newNotes(1);
    typeInto(e.notes, 0, 3, QStringLiteral("0.5"));
    e.synth->click();
    QTemporaryDir dir;
    e.saveAnswer = dir.filePath(QStringLiteral("absent/air"));
    Messages messages;
    e.wav->click();
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].first, QStringLiteral("Erreur"));
    QVERIFY(messages.shown[0].second.contains(QStringLiteral("absent/air.wav")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("absent/air.wav"))));
}

// A long render shows its progress; cancelled, it leaves the previous render and the buttons.
void TestMelodyDlg::cancelledRenderKeepsThePrevious()
{
    Editor e;
    e.newNotes(1);
    typeInto(e.notes, 0, 3, QStringLiteral("1"));
    e.synth->click();
    QVERIFY(e.d.tampon);
    const qint16 *previous = e.d.tampon.get();

    // 20 notes of 10 beats at tempo 30 and 48000 Hz on a bank of 200 modes: seconds of work.
    QTemporaryDir dir;
    QByteArray music;
    for (int i = 0; i < 20; ++i)
        music += "<note dur=\"10\" deg=\"" + QByteArray::number(i % 24) + "\" oct=\"-2\"/>";
    e.open(melodyFile(dir, QStringLiteral("longue.mel"), music));
    e.wav->setEnabled(true); // as it was after the first render
    std::vector<float> ratios;
    for (int i = 0; i < 200; ++i)
        ratios.push_back(1.0f + 0.01f * float(i));
    auto bank = zibtest::banque(ratios);
    e.main.model = bank.get();
    e.forme->setCurrentIndex(WaveShape::Modal);
    e.tempo->setText(QStringLiteral("30"));
    e.fech->setCurrentIndex(3);

    Messages messages;
    bool shown = false;
    QTimer cancel;
    cancel.setInterval(20);
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        auto *progress = e.d.findChild<QProgressDialog *>(QStringLiteral("progress"));
        if (progress && progress->isVisible()) {
            shown = true;
            progress->cancel();
        }
    });
    cancel.start();
    QElapsedTimer clock;
    clock.start();
    e.synth->click();
    QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
    QVERIFY(shown);
    QCOMPARE(bank->nbActif, 200);
    QVERIFY2(clock.elapsed() < 8000, "the render did not stop when cancelled");
    QCOMPARE(e.d.tampon.get(), previous);
    QCOMPARE(e.d.nbEchMix, 44100);
    QVERIFY(e.wav->isEnabled());
}

void TestMelodyDlg::textsFit_data()
{
    zibtest::addFontSizeRows();
}

// With its longest texts, every label, button, combo and field of the window holds its text.
void TestMelodyDlg::textsFit()
{
    QFETCH(int, points);
    const zibtest::ApplicationFontSize fontSize(points);
    {
        Editor e(defaultList());
        e.tempo->setText(QStringLiteral("300.00"));
        e.freqRef->setText(QStringLiteral("10000.000"));
        e.newNotes(2);
        e.spin(1, 1)->setValue(23);
        e.spin(1, 2)->setValue(-2);
        typeInto(e.notes, 0, 0, QStringLiteral("1000"));
        typeInto(e.notes, 1, 3, QStringLiteral("10"));
        typeInto(e.notes, 1, 4, QStringLiteral("0.75"));
        e.open(QStringLiteral("melodies/au_clair_de_la_lune.mel"));
        e.open(QString()); // the label keeps the file's name
        QApplication::processEvents();
        QCOMPARE(e.d.width(), std::max(762, e.d.sizeHint().width()));
        QVERIFY(e.d.width() >= e.d.minimumSizeHint().width());
        // The checks below hold at the smallest size a user can drag the window to, too.
        e.d.resize(e.d.minimumSize());
        QTest::qWait(20);
        const QStringList cut = zibtest::cutTexts(&e.d);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("; "))));

        for (QLabel *l : e.d.findChildren<QLabel *>()) {
            if (!l->isVisible() || l->text().isEmpty() || l->inherits("QMessageBox"))
                continue;
            QVERIFY2(l->width() >= l->sizeHint().width() && l->height() >= l->sizeHint().height(),
                     qPrintable(QStringLiteral("%1 pt: %2").arg(points).arg(l->text())));
        }
        for (QPushButton *b : e.d.findChildren<QPushButton *>())
            QVERIFY2(b->width() >= b->sizeHint().width() && b->height() >= b->sizeHint().height(),
                     qPrintable(QStringLiteral("%1 pt: %2").arg(points).arg(b->text())));
        for (QComboBox *c : e.d.findChildren<QComboBox *>()) {
            for (int i = 0; i < c->count(); ++i) {
                const int text = c->fontMetrics().horizontalAdvance(c->itemText(i));
                QStyleOptionComboBox option;
                option.initFrom(c);
                const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, c);
                QVERIFY2(text <= field.width(), qPrintable(QStringLiteral("%1 pt: %2").arg(points).arg(c->itemText(i))));
            }
        }
        for (QLineEdit *l : {e.tempo, e.freqRef})
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width() - 4,
                     qPrintable(QStringLiteral("%1 pt: %2").arg(points).arg(l->text())));
        for (QGroupBox *g : e.d.findChildren<QGroupBox *>())
            QVERIFY2(g->width() >= g->minimumSizeHint().width(), qPrintable(g->title()));
        // The cells: the widest degree, the date, the duration and the amplitude.
        for (int r = 0; r < e.notes->rowCount(); ++r) {
            QSpinBox *degree = e.spin(r, 1);
            const int text = degree->fontMetrics().horizontalAdvance(degree->text());
            QVERIFY2(text <= e.notes->columnWidth(1) - 4, qPrintable(QStringLiteral("%1 pt: %2").arg(points).arg(degree->text())));
            for (int c : {0, 3}) {
                const QString t = e.text(r, c);
                QVERIFY2(e.notes->fontMetrics().horizontalAdvance(t) <= e.notes->columnWidth(c) - 4,
                         qPrintable(QStringLiteral("%1 pt: %2").arg(points).arg(t)));
            }
        }
        QVERIFY(e.scale->size() == QSize(300, 32));
    }
}

QTEST_MAIN(TestMelodyDlg)
#include "tst_melodydlg.moc"
