// The main window driven as a user drives it: typing into its fields, pressing the note buttons,
// turning the dial and the octave, and reading every control back.

#include "app/Diapason.h"
#include "app/MusicalNote.h"
#include "app/globals.h"
#include "intervals/ListInterv.h"
#include "FenetreTest.h"
#include "tests/support/TextFit.h"

#include <QtTest>
#include <QClipboard>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDial>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

#include <cmath>

namespace {

/// The controls of one main window, by the names the window gives them.
struct Fenetre
{
    Diapason w;
    QLineEdit *freq1 = enfant<QLineEdit>(&w, "freq1Edit");
    QLabel *statut = enfant<QLabel>(&w, "statusLabel");
    QButtonGroup *notes = enfant<QButtonGroup>(&w, "notesGroup");
    QSpinBox *la4 = enfant<QSpinBox>(&w, "la4Spin");
    QComboBox *alteration = enfant<QComboBox>(&w, "alterCombo");
    QSpinBox *octave = enfant<QSpinBox>(&w, "octaveSpin");
    QDial *dial = enfant<QDial>(&w, "correctionDial");
    QLineEdit *cents = enfant<QLineEdit>(&w, "centsEdit");
    QLineEdit *decimal = enfant<QLineEdit>(&w, "decimalEdit");
    QLineEdit *unites = enfant<QLineEdit>(&w, "unitesEdit");
    QComboBox *unitesCombo = enfant<QComboBox>(&w, "unitesCombo");
    QLineEdit *fraction = enfant<QLineEdit>(&w, "fractionEdit");
    QLineEdit *freq2 = enfant<QLineEdit>(&w, "freq2Edit");
    QComboBox *forme = enfant<QComboBox>(&w, "formeCombo");
    QPushButton *parametres = enfant<QPushButton>(&w, "parametresButton");
    QGroupBox *volume = enfant<QGroupBox>(&w, "volumeGroup");

    Fenetre() { w.show(); }

    /// Pastes a new Frequency 1 over the whole field: one edit, no intermediate values.
    void collerFreq1(const QString &texte)
    {
        QGuiApplication::clipboard()->setText(texte);
        freq1->setFocus();
        freq1->selectAll();
        QTest::keyClick(freq1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(freq1->text(), texte);
    }

    /// Replaces the Frequency 1 text keystroke by keystroke: every intermediate value is computed.
    void taperFreq1(const QString &texte)
    {
        freq1->setFocus();
        freq1->selectAll();
        QTest::keyClick(freq1, Qt::Key_Backspace);
        QTest::keyClicks(freq1, texte);
    }

    /// Replaces a field's text keystroke by keystroke.
    static void taper(QLineEdit *champ, const QString &texte)
    {
        champ->setFocus();
        champ->selectAll();
        QTest::keyClick(champ, Qt::Key_Backspace);
        QTest::keyClicks(champ, texte);
    }

    bool fractionGrise() const { return fraction->palette().color(QPalette::Base) == QColor(205, 205, 193); }

    void presserNote(int id) { QTest::mouseClick(notes->button(id), Qt::LeftButton); }
};

class EnregistreurUrl : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void ouvrir(const QUrl &url) { urls << url; }
};

} // namespace

class TestDiapason : public QObject
{
    Q_OBJECT

private slots:
    void etatInitial();
    void controlesDuTableau_data();
    void controlesDuTableau();
    void disposition();

    void notesPressees_data();
    void notesPressees();
    void respellingDoBemol();
    void frequenceTapee_data();
    void frequenceTapee();
    void frappe445();
    void bornesDeFrequence1_data();
    void bornesDeFrequence1();
    void octaveHorsBornesPuisRetour_data();
    void octaveHorsBornesPuisRetour();
    void dialRetunesFrequency1();
    void correctionRefusee();
    void frequence2HorsBornes();
    void clignotement();
    void syntheseActiveParametres();
    void aide();
    void echapNeFermePas();

    void intervalleEnUnites_data();
    void intervalleEnUnites();
    void intervalleDecimal_data();
    void intervalleDecimal();
    void changementDUnite();
    void fractionTapee_data();
    void fractionTapee();
    void saisiesIlisiblesIgnorees();
    void intervalleDUneListe();

    void textsFitAtEveryFontSize_data();
    void textsFitAtEveryFontSize();
    void nothingMovesWhileTheStatusBlinks();
    void typedFrequencyStaysAsTyped_data();
    void typedFrequencyStaysAsTyped();
    void noTypedFrequencyMoves();
    void typedKeyByKey_data();
    void typedKeyByKey();
    void notePressUsesTheDialsCorrection_data();
    void notePressUsesTheDialsCorrection();
    void outOfRangeTextCannotBeTyped_data();
    void outOfRangeTextCannotBeTyped();
};

void TestDiapason::etatInitial()
{
    Fenetre f;
    QCOMPARE(f.w.windowTitle(), utf8("ZIB - Diapason Numérique v0.10"));
    QCOMPARE(f.w.minimumSize(), f.w.maximumSize());
    QCOMPARE(f.freq1->text(), QStringLiteral("440"));
    QCOMPARE(f.notes->checkedId(), 6);
    QCOMPARE(f.la4->value(), 440);
    QCOMPARE(f.alteration->currentIndex(), 1);
    QCOMPARE(f.octave->value(), 4);
    QCOMPARE(f.dial->value(), 0);
    QCOMPARE(f.cents->text(), QStringLiteral("0"));
    QCOMPARE(f.freq2->text(), QStringLiteral("440.0:La 4"));
    QVERIFY(f.statut->text().isEmpty());
    QCOMPARE(f.w.targetNote()->freq, 440.f);
    QCOMPARE(f.w.targetNote()->note, 6);
    QVERIFY(f.w.targetNote()->nomNote.isEmpty());
    QCOMPARE(freq1, 440.0);
    QCOMPARE(idNote, 6);
    QCOMPARE(octnew, 4);

    auto *jouer1 = enfant<QPushButton>(&f.w, "jouer1Button");
    QVERIFY(jouer1->isDefault());
    QVERIFY(!f.parametres->isEnabled());
    QVERIFY(!f.volume->isEnabled());
    QVERIFY(!enfant<QPushButton>(&f.w, "stopButton")->isEnabled());
    QVERIFY(!enfant<QCheckBox>(&f.w, "boucleCheck")->isChecked());
    QCOMPARE(enfant<QComboBox>(&f.w, "fechCombo")->currentText(), QStringLiteral("44100"));
    QCOMPARE(f.forme->count(), 6);
    QCOMPARE(f.forme->itemText(5), utf8("synthèse"));
}

void TestDiapason::controlesDuTableau_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("bulle");

    QTest::newRow("freq1") << "freq1Edit" << "440" << utf8("Fréquence 1 (référence) de 10 à 17000 Hz");
    QTest::newRow("aide") << "aideButton" << "&Aide" << "";
    QTest::newRow("la4") << "la4Spin" << "" << utf8("Frequence de reference pour La4 de 435 à 445");
    QTest::newRow("alter") << "alterCombo" << utf8("bécarre") << utf8("Choisir une altération : bémol, bécarre, dièze");
    QTest::newRow("octave") << "octaveSpin" << "" << utf8("Choisir l'octave entre -2 et 10");
    QTest::newRow("dial") << "correctionDial" << "" << utf8("Correction par pas de 1 cent");
    QTest::newRow("cents") << "centsEdit" << "0" << utf8("Correction de -49 à +49 cents");
    QTest::newRow("unites") << "unitesCombo" << "En cents" << utf8("Choix de l'unité de mesure pour les intervalles");
    QTest::newRow("unitesEdit") << "unitesEdit" << "0" << utf8("Intervalle en cents, en savarts ou commas");
    QTest::newRow("decimal") << "decimalEdit" << "1" << utf8("Intervalle sous forme décimal : exemple 1.5 pour la quinte");
    QTest::newRow("fraction") << "fractionEdit" << "1/1" << "";
    QTest::newRow("liste") << "listeButton" << "Liste" << utf8("Cliquer pour choisir un degré dans une liste");
    QTest::newRow("freq2") << "freq2Edit" << "440.0:La 4" << utf8("Freq 2 = Freq 1 + Intervalle ");
    QTest::newRow("forme") << "formeCombo" << "sinus" << utf8("Forme du signal : sinus, triangle, parabole, etc.");
    QTest::newRow("volume") << "volumeSlider" << "" << utf8("Augmenter ou diminuer l'amplitude.\nAttention le changement de volume n'a d'effet que pour les enregistrements");
    QTest::newRow("dB") << "dbLabel" << "  0 dB" << "";
    QTest::newRow("parametres") << "parametresButton" << utf8("Paramètres") << utf8("Actif dans le cas d'une synthèse modale");
    QTest::newRow("fech") << "fechCombo" << "44100" << utf8("Fréquence d'échantillonnage");
    QTest::newRow("duree") << "dureeEdit" << "1" << utf8("Durée du son enregistré, de 0.01 à 120 secondes");
    QTest::newRow("accordeur") << "accordeurButton" << "Accordeur" << "";
    QTest::newRow("jouer1") << "jouer1Button" << "Jouer Freq &1" << "";
    QTest::newRow("jouer2") << "jouer2Button" << "Jouer Freq &2" << "";
    QTest::newRow("sauv1") << "sauv1Button" << utf8("Sauv. Fréq 1") << utf8("Enregistrer Fréq. 1 dans un fichier");
    QTest::newRow("sauv2") << "sauv2Button" << utf8("Sauv. Fréq 2") << utf8("Enregistrer Fréq. 2 dans un fichier");
    QTest::newRow("ouvrir") << "ouvrirButton" << "&Ouvrir" << "";
    QTest::newRow("boucle") << "boucleCheck" << "En boucle" << "Pour jouer le fichier en boucle";
    QTest::newRow("stop") << "stopButton" << "&Stop" << "";
}

void TestDiapason::controlesDuTableau()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    QFETCH(QString, bulle);
    Fenetre f;
    QWidget *c = f.w.findChild<QWidget *>(nom);
    QVERIFY2(c, qPrintable(nom));
    QCOMPARE(c->toolTip(), bulle);
    if (texte.isEmpty())
        return;
    QString lu;
    if (auto *e = qobject_cast<QLineEdit *>(c))
        lu = e->text();
    else if (auto *b = qobject_cast<QAbstractButton *>(c))
        lu = b->text();
    else if (auto *l = qobject_cast<QLabel *>(c))
        lu = l->text();
    else if (auto *cb = qobject_cast<QComboBox *>(c))
        lu = cb->currentText();
    QCOMPARE(lu, texte);
}

void TestDiapason::disposition()
{
    Fenetre f;
    QCOMPARE(f.la4->minimum(), 430);
    QCOMPARE(f.la4->maximum(), 450);
    QCOMPARE(f.octave->minimum(), -2);
    QCOMPARE(f.octave->maximum(), 10);
    QCOMPARE(f.dial->minimum(), -49);
    QCOMPARE(f.dial->maximum(), 49);
    QVERIFY(f.dial->notchesVisible());
    QCOMPARE(f.dial->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(f.dial->width(), 75);
    QVERIFY(f.cents->isReadOnly());
    QVERIFY(f.freq2->isReadOnly());
    QVERIFY(f.freq2->width() >= 82);
    QCOMPARE(f.freq2->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(enfant<QLineEdit>(&f.w, "fractionEdit")->inputMask(), QStringLiteral("000009/d00000"));
    auto *slider = enfant<QSlider>(&f.w, "volumeSlider");
    QCOMPARE(slider->minimum(), -50);
    QCOMPARE(slider->maximum(), 50);
    QCOMPARE(slider->tickInterval(), 20);
    QCOMPARE(enfant<QLabel>(&f.w, "ondeLabel")->size(), QSize(90, 40));
    QVERIFY(!enfant<QLabel>(&f.w, "ondeLabel")->pixmap(Qt::ReturnByValue).isNull());

    const QStringList notes = {"Do", utf8("Ré"), "Mi", "Fa", "Sol", "La", "Si"};
    for (int id = 1; id <= 7; ++id)
        QCOMPARE(f.notes->button(id)->text(), notes[id - 1]);
    QVERIFY(f.notes->exclusive());

    // Validators: a point as decimal separator whatever the locale; bounds of each field.
    int pos = 0;
    QString s = QStringLiteral("440.125");
    QCOMPARE(f.freq1->validator()->validate(s, pos), QValidator::Acceptable);
    s = QStringLiteral("440.1255");
    QVERIFY(f.freq1->validator()->validate(s, pos) != QValidator::Acceptable);
    s = QStringLiteral("16000");
    QCOMPARE(f.freq1->validator()->validate(s, pos), QValidator::Acceptable);
    s = QStringLiteral("0.000001");
    QCOMPARE(f.decimal->validator()->validate(s, pos), QValidator::Acceptable);
    s = QStringLiteral("-20000");
    QCOMPARE(enfant<QLineEdit>(&f.w, "unitesEdit")->validator()->validate(s, pos), QValidator::Acceptable);
    s = QStringLiteral("0.001");
    QVERIFY(enfant<QLineEdit>(&f.w, "dureeEdit")->validator()->validate(s, pos) != QValidator::Acceptable);
}

void TestDiapason::notesPressees_data()
{
    QTest::addColumn<bool>("alterationDabord");
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("alterIndex");
    QTest::addColumn<QString>("freq1Texte");
    QTest::addColumn<QString>("freq2Texte");
    QTest::addColumn<int>("noteCochee");
    QTest::addColumn<int>("alterFinale");
    QTest::addColumn<int>("octaveFinale");

    QTest::newRow("Do") << false << 1 << 1 << "261.626" << utf8("261.6:Do♮4") << 1 << 1 << 4;
    QTest::newRow("Sol") << false << 5 << 1 << "391.995" << utf8("392:Sol♮4") << 5 << 1 << 4;
    QTest::newRow("bémol, then Si") << true << 7 << 0 << "466.164" << utf8("466.2:Si♭4") << 7 << 0 << 4;
    QTest::newRow("Do, then dièze") << false << 1 << 2 << "277.183" << utf8("277.2:Do♯4") << 1 << 2 << 4;
    // The sharp takes the dial's correction, not the +0.0023 cents left by the 6-digit rounding
    // of Mi4 (329.628).
    QTest::newRow("Mi, then dièze: Fa") << false << 3 << 2 << "349.228" << utf8("349.2:Fa♮4") << 4 << 1 << 4;
    QTest::newRow("Ré, then bémol: Do dièze") << false << 2 << 0 << "277.183" << utf8("277.2:Do♯4") << 1 << 2 << 4;
    QTest::newRow("Do, then bémol: Si3") << false << 1 << 0 << "246.942" << utf8("246.9:Si♮3") << 7 << 1 << 3;
    QTest::newRow("bémol, then Do: Si3") << true << 1 << 0 << "246.942" << utf8("246.9:Si♮3") << 7 << 1 << 3;
}

void TestDiapason::notesPressees()
{
    QFETCH(bool, alterationDabord);
    QFETCH(int, note);
    QFETCH(int, alterIndex);
    QFETCH(QString, freq1Texte);
    QFETCH(QString, freq2Texte);
    QFETCH(int, noteCochee);
    QFETCH(int, alterFinale);
    QFETCH(int, octaveFinale);
    Fenetre f;
    if (alterationDabord) {
        f.alteration->setCurrentIndex(alterIndex);
        f.presserNote(note);
    } else {
        f.presserNote(note);
        f.alteration->setCurrentIndex(alterIndex);
    }
    QCOMPARE(f.freq1->text(), freq1Texte);
    QCOMPARE(f.freq2->text(), freq2Texte);
    QCOMPARE(f.notes->checkedId(), noteCochee);
    QCOMPARE(f.alteration->currentIndex(), alterFinale);
    QCOMPARE(f.octave->value(), octaveFinale);
    QCOMPARE(f.dial->value(), 0);
    QCOMPARE(f.cents->text(), QStringLiteral("0"));
    QVERIFY(f.statut->text().isEmpty());
    QCOMPARE(QString::number(freq1, 'g', 6), freq1Texte);
    QCOMPARE(idNote, noteCochee);
    QCOMPARE(octnew, octaveFinale);
}

// A flat chosen first stays for the next note pressed: "Do" then lands on Si natural, octave 3,
// and its button is the one left checked.
void TestDiapason::respellingDoBemol()
{
    Fenetre f;
    f.alteration->setCurrentIndex(0);
    QCOMPARE(f.freq1->text(), QStringLiteral("415.305"));
    f.presserNote(1);
    QCOMPARE(f.freq1->text(), QStringLiteral("246.942"));
    QCOMPARE(f.notes->checkedId(), 7);
    QCOMPARE(f.alteration->currentIndex(), 1);
    QCOMPARE(f.octave->value(), 3);
    QCOMPARE(f.freq2->text(), utf8("246.9:Si♮3"));
    QCOMPARE(octnew, 3);
    QCOMPARE(idNote, 7);
    QCOMPARE(alter, 0.f);
}

void TestDiapason::frequenceTapee_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("alter");
    QTest::addColumn<int>("octave");
    QTest::addColumn<int>("dial");
    QTest::addColumn<QString>("cents");
    QTest::addColumn<QString>("freq2");

    // When the dial moves, the cents display shows its whole cents, across an octave too.
    QTest::newRow("445") << "445" << 6 << 1 << 4 << 20 << "20" << utf8("445:La♮4+20");
    QTest::newRow("660") << "660" << 3 << 1 << 5 << 2 << "2" << utf8("660:Mi♮5+2");
    QTest::newRow("659.255") << "659.255" << 3 << 1 << 5 << 0 << "0" << utf8("659.3:Mi♮5");
    QTest::newRow("1318.51") << "1318.51" << 3 << 1 << 6 << 0 << "0" << utf8("1319:Mi♮6");
    QTest::newRow("12345.6") << "12345.6" << 5 << 1 << 9 << -28 << "-28" << utf8("1.235e+04:Sol♮9-28");
    QTest::newRow("430") << "430" << 6 << 1 << 4 << -40 << "-40" << utf8("430:La♮4-40");
    QTest::newRow("10.001") << "10.001" << 3 << 0 << -1 << 49 << "49" << utf8("10:Mi♭-1+49");
    QTest::newRow("15000") << "15000" << 7 << 0 << 9 << 10 << "10" << utf8("1.5e+04:Si♭9+10");
}

void TestDiapason::frequenceTapee()
{
    QFETCH(QString, texte);
    QFETCH(int, note);
    QFETCH(int, alter);
    QFETCH(int, octave);
    QFETCH(int, dial);
    QFETCH(QString, cents);
    QFETCH(QString, freq2);
    Fenetre f;
    f.collerFreq1(texte);
    QCOMPARE(f.notes->checkedId(), note);
    QCOMPARE(f.alteration->currentIndex(), alter);
    QCOMPARE(f.octave->value(), octave);
    QCOMPARE(f.dial->value(), dial);
    QCOMPARE(f.cents->text(), cents);
    QCOMPARE(f.freq2->text(), freq2);
    QVERIFY(f.statut->text().isEmpty());
    QCOMPARE(freq1, texte.toDouble());
    QCOMPARE(f.w.targetNote()->freq, texte.toFloat());
}

// From 440, the user selects the last digit and types 5: the dial moves from 0 to 20 and the
// cents display shows the dial's whole cents.
void TestDiapason::frappe445()
{
    Fenetre f;
    f.freq1->setFocus();
    f.freq1->setCursorPosition(3);
    QTest::keyClick(f.freq1, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(f.freq1, QStringLiteral("5"));
    QCOMPARE(f.freq1->text(), QStringLiteral("445"));
    QCOMPARE(f.notes->checkedId(), 6);
    QCOMPARE(f.alteration->currentIndex(), 1);
    QCOMPARE(f.octave->value(), 4);
    QCOMPARE(f.dial->value(), 20);
    QCOMPARE(f.cents->text(), QStringLiteral("20"));
    QCOMPARE(cornew, 20.f);
    QCOMPARE(f.freq1->cursorPosition(), 3);
    QCOMPARE(f.freq2->text(), utf8("445:La♮4+20"));
}

void TestDiapason::bornesDeFrequence1_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("refusee");
    QTest::addColumn<bool>("recalculee");

    QTest::newRow("10 is silent") << "10" << false << false;
    QTest::newRow("9.999 refused") << "9.999" << true << false;
    QTest::newRow("15000.1 refused") << "15000.1" << true << false;
    QTest::newRow("16000 refused") << "16000" << true << false;
    QTest::newRow("10.001 accepted") << "10.001" << false << true;
    QTest::newRow("15000 accepted") << "15000" << false << true;
}

void TestDiapason::bornesDeFrequence1()
{
    QFETCH(QString, texte);
    QFETCH(bool, refusee);
    QFETCH(bool, recalculee);
    Fenetre f;
    f.presserNote(5); // a known state to compare against: Sol4
    const QString freq2Avant = f.freq2->text();
    f.collerFreq1(texte);
    QCOMPARE(f.statut->text().contains(utf8("Fréquence non permise")), refusee);
    QCOMPARE(f.statut->text().isEmpty(), !refusee);
    QCOMPARE(f.freq2->text() != freq2Avant, recalculee);
    if (!recalculee) {
        QCOMPARE(f.notes->checkedId(), 5);
        QCOMPARE(f.w.targetNote()->note, 5);
    }
}

void TestDiapason::octaveHorsBornesPuisRetour_data()
{
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("octaveRefusee");
    QTest::addColumn<QString>("texteRefuse");
    QTest::addColumn<QString>("texteRetour");

    QTest::newRow("Do-2") << 1 << -2 << "4.08791" << "261.626";
    QTest::newRow("Si10") << 7 << 10 << "31608.5" << "493.883";
}

void TestDiapason::octaveHorsBornesPuisRetour()
{
    QFETCH(int, note);
    QFETCH(int, octaveRefusee);
    QFETCH(QString, texteRefuse);
    QFETCH(QString, texteRetour);
    Fenetre f;
    f.presserNote(note);
    const QString freq2Valide = f.freq2->text();
    f.octave->setValue(octaveRefusee);
    QCOMPARE(f.freq1->text(), texteRefuse);
    QVERIFY(f.statut->text().contains(utf8("Fréquence non permise")));
    QCOMPARE(f.freq2->text(), freq2Valide);
    QCOMPARE(octnew, octaveRefusee);

    f.octave->setValue(4);
    QCOMPARE(f.freq1->text(), texteRetour);
    QVERIFY(f.statut->text().isEmpty());
    QCOMPARE(f.freq2->text(), freq2Valide);
}

void TestDiapason::dialRetunesFrequency1()
{
    Fenetre f;
    for (int k = 0; k < 20; ++k)
        f.dial->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(f.dial->value(), 20);
    QCOMPARE(f.freq1->text(), QStringLiteral("445.113"));
    QCOMPARE(f.cents->text(), QStringLiteral("20"));
    QCOMPARE(f.notes->checkedId(), 6);
    QCOMPARE(f.freq2->text(), utf8("445.1:La♮4+20"));
    QVERIFY(std::fabs(cornew - 20) < 0.01);

    f.dial->setValue(-5);
    QCOMPARE(f.freq1->text(), QStringLiteral("438.731"));
    QCOMPARE(f.cents->text(), QStringLiteral("-5"));
}

void TestDiapason::correctionRefusee()
{
    Fenetre f;
    f.dial->setValue(12);
    const QString freq1Avant = f.freq1->text();
    const float correctionAvant = cornew;
    Messages messages(&f.w);
    QVERIFY(QMetaObject::invokeMethod(&f.w, "correction", Q_ARG(QString, QStringLiteral("60"))));
    QCOMPARE(messages.textes, QStringList{QStringLiteral("La correction en cent ne doit pas depasser 49 cents")});
    QCOMPARE(f.freq1->text(), freq1Avant);
    QCOMPARE(f.cents->text(), QString::number(correctionAvant, 'g', 6));
    QCOMPARE(f.dial->value(), 12);
    QCOMPARE(cornew, correctionAvant);
}

void TestDiapason::frequence2HorsBornes()
{
    Fenetre f;
    f.decimal->setText(QStringLiteral("40"));
    f.taperFreq1(QStringLiteral("400"));
    QVERIFY(f.statut->text().contains(utf8("Fréquence 2 non permise")));
    // The rest of the recomputation still takes place.
    QCOMPARE(f.freq2->text(), utf8("1.6e+04:Si♮9+21"));
}

void TestDiapason::clignotement()
{
    Fenetre f;
    f.taperFreq1(QStringLiteral("9"));
    QVERIFY(f.statut->text().contains(utf8("Fréquence non permise")));
    QVERIFY(f.statut->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(f.statut->isHidden(), 1500);
    QTRY_VERIFY_WITH_TIMEOUT(!f.statut->isHidden(), 1500);
    f.taperFreq1(QStringLiteral("440"));
    QVERIFY(f.statut->text().isEmpty());
    QTest::qWait(700);
    QVERIFY(!f.statut->isHidden()); // blinking stopped
}

void TestDiapason::syntheseActiveParametres()
{
    Fenetre f;
    for (int i : {5, 2, 5, 0}) {
        f.forme->setCurrentIndex(i);
        QCOMPARE(f.parametres->isEnabled(), i == 5);
        QCOMPARE(f.volume->isEnabled(), i == 5);
    }
}

void TestDiapason::aide()
{
    EnregistreurUrl enregistreur;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &enregistreur, "ouvrir");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &enregistreur, "ouvrir");
    Fenetre f;
    Messages messages(&f.w);
    auto *aide = enfant<QPushButton>(&f.w, "aideButton");

    QTest::mouseClick(aide, Qt::LeftButton);
    QCOMPARE(enregistreur.urls.size(), 1);
    QVERIFY(enregistreur.urls[0].isLocalFile());
    QVERIFY(enregistreur.urls[0].toLocalFile().endsWith(QLatin1String("/doc/index.html")));
    QVERIFY(QFile::exists(enregistreur.urls[0].toLocalFile()));
    QVERIFY(messages.textes.isEmpty());

    // Without the help page beside the program: the user is told where it should be, and no web
    // page stands in for it.
    QTemporaryDir ailleurs;
    const QString ici = QDir::currentPath();
    QDir::setCurrent(ailleurs.path());
    QTest::mouseClick(aide, Qt::LeftButton);
    QDir::setCurrent(ici);
    QCOMPARE(enregistreur.urls.size(), 1);
    QCOMPARE(messages.textes.size(), 1);
    QVERIFY(messages.textes[0].startsWith(utf8("La page d'aide est introuvable")));
    QVERIFY(messages.textes[0].contains(QDir::toNativeSeparators(QDir(ailleurs.path()).absoluteFilePath("doc/index.html"))));

    // No program to show it: the user is told where the page is, to open it by hand.
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QTest::mouseClick(aide, Qt::LeftButton);
    QCOMPARE(messages.textes.size(), 2);
    QVERIFY(messages.textes[1].startsWith(utf8("Aucun navigateur n'a pu afficher l'aide")));
    QVERIFY(messages.textes[1].contains(QDir::toNativeSeparators(QDir::current().absoluteFilePath("doc/index.html"))));
}

// Escape would close the main window, and with it the program.
void TestDiapason::echapNeFermePas()
{
    Fenetre f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.w));
    QTest::keyClick(&f.w, Qt::Key_Escape);
    QVERIFY(f.w.isVisible());
    QCOMPARE(f.w.result(), int(QDialog::Rejected)); // nothing was done either way
    f.freq1->setFocus();
    QTest::keyClick(f.freq1, Qt::Key_Escape);
    QVERIFY(f.w.isVisible());
}

void TestDiapason::intervalleEnUnites_data()
{
    QTest::addColumn<int>("unite");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<QString>("freq2");

    QTest::newRow("700 cents") << 0 << "700" << "1.49831" << "442/295" << utf8("659.3:Mi♮5");
    QTest::newRow("702 cents") << 0 << "702" << "1.50004" << "18725/12483" << utf8("660:Mi♮5+2");
    QTest::newRow("-1200 cents") << 0 << "-1200" << "0.5" << "1/2" << utf8("220:La♮3");
    QTest::newRow("0 cents") << 0 << "0" << "1" << "1/1" << utf8("440:La♮4");
    QTest::newRow("301.03 savarts") << 1 << "301.03" << "2" << "2/1" << utf8("880:La♮5");
    QTest::newRow("a comma") << 2 << "1" << "1.01364" << "223/220" << utf8("446:La♮4+23");
}

void TestDiapason::intervalleEnUnites()
{
    QFETCH(int, unite);
    QFETCH(QString, texte);
    QFETCH(QString, decimal);
    QFETCH(QString, fraction);
    QFETCH(QString, freq2);
    Fenetre f;
    f.unitesCombo->setCurrentIndex(unite);
    Fenetre::taper(f.unites, texte);
    QCOMPARE(f.unites->text(), texte);
    QCOMPARE(f.decimal->text(), decimal);
    QCOMPARE(f.fraction->text(), fraction);
    QVERIFY(f.fractionGrise());
    QCOMPARE(f.freq2->text(), freq2);
}

void TestDiapason::intervalleDecimal_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("cents");
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<QString>("freq2");

    QTest::newRow("fifth") << "1.5" << "701.955" << "3/2" << utf8("660:Mi♮5+2");
    QTest::newRow("third") << "1.25" << "386.314" << "5/4" << utf8("550:Do♯5-14");
    QTest::newRow("octave") << "2" << "1200" << "2/1" << utf8("880:La♮5");
    QTest::newRow("semitone") << "1.059463" << "99.9999" << "196/185" << utf8("466.2:Si♭4");
}

void TestDiapason::intervalleDecimal()
{
    QFETCH(QString, texte);
    QFETCH(QString, cents);
    QFETCH(QString, fraction);
    QFETCH(QString, freq2);
    Fenetre f;
    Fenetre::taper(f.decimal, texte);
    QCOMPARE(f.unites->text(), cents);
    QCOMPARE(f.fraction->text(), fraction);
    QVERIFY(f.fractionGrise());
    QCOMPARE(f.freq2->text(), freq2);
}

void TestDiapason::changementDUnite()
{
    Fenetre f;
    Fenetre::taper(f.decimal, QStringLiteral("1.5"));
    const QString freq2 = f.freq2->text();
    const QStringList attendus = {QStringLiteral("176.091"), QStringLiteral("29.9213"), QStringLiteral("701.955")};
    for (int i = 0; i < 3; ++i) {
        f.unitesCombo->setCurrentIndex((i + 1) % 3);
        QCOMPARE(f.unites->text(), attendus[i]);
        QCOMPARE(f.decimal->text(), QStringLiteral("1.5"));
        QCOMPARE(f.freq2->text(), freq2);
    }

    Fenetre::taper(f.decimal, QStringLiteral("2"));
    f.unitesCombo->setCurrentIndex(1);
    QCOMPARE(f.unites->text(), QStringLiteral("301.03"));
    f.unitesCombo->setCurrentIndex(0);
    QCOMPARE(f.unites->text(), QStringLiteral("1200"));
}

void TestDiapason::fractionTapee_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("cents");
    QTest::addColumn<QString>("freq2");
    QTest::newRow("5/4") << "5/4" << "1.25" << "386.314" << utf8("550:Do♯5-14");
    QTest::newRow("3/2") << "3/2" << "1.5" << "701.955" << utf8("660:Mi♮5+2");
    QTest::newRow("six digits each side") << "999999/999998" << "1" << "0.00173124" << utf8("440:La♮4");
}

void TestDiapason::fractionTapee()
{
    QFETCH(QString, texte);
    QFETCH(QString, decimal);
    QFETCH(QString, cents);
    QFETCH(QString, freq2);
    Fenetre f;
    Fenetre::taper(f.fraction, texte);
    QCOMPARE(f.fraction->text(), texte);
    QCOMPARE(f.decimal->text(), decimal);
    QCOMPARE(f.unites->text(), cents);
    QVERIFY(!f.fractionGrise());
    QCOMPARE(f.freq2->text(), freq2);
}

// Text that cannot be a ratio leaves the interval and Frequency 2 as they were.
void TestDiapason::saisiesIlisiblesIgnorees()
{
    Fenetre f;
    Fenetre::taper(f.decimal, QStringLiteral("1.5"));
    const auto etat = [&f] {
        return QStringList{f.unites->text(), f.fraction->text(), f.freq2->text(), QString::number(freq1)};
    };
    const QStringList avant = etat();

    Fenetre::taper(f.decimal, QString()); // empty
    QCOMPARE(etat(), avant);
    Fenetre::taper(f.decimal, QStringLiteral("."));
    QCOMPARE(etat().mid(2), avant.mid(2));
    Fenetre::taper(f.decimal, QStringLiteral("1.5"));

    // The field's mask keeps the bar: a lone numerator reads "3/".
    for (const char *fraction : {"0/4", "3/0", "/4", "3"}) {
        f.fraction->setFocus();
        f.fraction->selectAll();
        QTest::keyClick(f.fraction, Qt::Key_Delete);
        QTest::keyClicks(f.fraction, QString::fromLatin1(fraction));
        QCOMPARE(f.decimal->text(), QStringLiteral("1.5"));
        QCOMPARE(f.freq2->text(), avant[2]);
    }
}

void TestDiapason::intervalleDUneListe()
{
    const int bornes[8] = {200, 400, 500, 700, 900, 1100, 1200, 1250};
    ListInterv liste;
    for (const auto &c : {std::make_pair(701.955f, 1.5f), std::make_pair(386.314f, 1.25f)}) {
        Interval i;
        i.cent = c.first;
        i.frac = c.second;
        liste.addInterv(&i, bornes);
    }
    Fenetre f;
    f.w.deg2interv(liste, 1);
    QCOMPARE(f.unites->text(), QStringLiteral("701.955"));
    QCOMPARE(f.decimal->text(), QStringLiteral("1.5"));
    QCOMPARE(f.fraction->text(), QStringLiteral("3/2"));
    QVERIFY(f.fractionGrise());
    QCOMPARE(f.freq2->text(), utf8("660:Mi♮5+2"));

    f.unitesCombo->setCurrentIndex(1);
    f.w.deg2interv(liste, 0);
    QCOMPARE(f.unites->text(), QStringLiteral("96.9101"));
    QCOMPARE(f.fraction->text(), QStringLiteral("5/4"));

    for (int horsListe : {-1, 2}) {
        f.w.deg2interv(liste, horsListe);
        QCOMPARE(f.decimal->text(), QStringLiteral("1.25"));
    }
}

namespace {

/// A frequency, to 3 decimals, whose deviation from the nearest tempered note is cents.
QString frequencyWithDeviation(int semitonesFromA4, double cents)
{
    return QString::number(440.0 * std::pow(2.0, (semitonesFromA4 * 100 + cents) / 1200), 'f', 3);
}

} // namespace

void TestDiapason::textsFitAtEveryFontSize_data()
{
    zibtest::addFontSizeRows();
}

// Every control with the widest text it can show, the window sized once at its start.
void TestDiapason::textsFitAtEveryFontSize()
{
    QFETCH(int, points);
    const zibtest::ApplicationFontSize fontSize(points);
    Fenetre f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.w));
    const auto whole = [&f](const char *state) {
        const QStringList cut = zibtest::cutTexts(&f.w);
        return cut.isEmpty() ? true : (qWarning("%s: %s", state, qPrintable(cut.join(QLatin1String("; ")))), false);
    };
    QVERIFY(whole("at start"));

    f.collerFreq1(QStringLiteral("12345.6"));
    QCOMPARE(f.freq2->text(), utf8("1.235e+04:Sol♮9-28"));
    QVERIFY(whole("12345.6 Hz"));

    // The cents display at its widest: a deviation that rounds beyond the dial's last notch.
    f.collerFreq1(frequencyWithDeviation(0, -49.4));
    f.collerFreq1(frequencyWithDeviation(0, -49.99));
    QCOMPARE(f.cents->text(), QStringLiteral("-49.99"));
    QVERIFY(whole("-49.99 cents"));

    // Frequency 2 at both ends of what it can reach, refused in the status label.
    Fenetre::taper(f.decimal, QStringLiteral("0.000001"));
    f.collerFreq1(QStringLiteral("12.345"));
    QVERIFY(f.freq2->text().startsWith(QLatin1String("1.234e-05:")));
    QVERIFY(f.statut->text().contains(utf8("Fréquence 2 non permise")));
    QVERIFY(whole("Frequency 2 at 1.2e-05 Hz"));
    Fenetre::taper(f.decimal, QStringLiteral("120"));
    f.collerFreq1(QStringLiteral("14999.999"));
    QVERIFY(f.freq2->text().startsWith(QLatin1String("1.8e+06:")));
    QVERIFY(whole("Frequency 2 at 1.8e+06 Hz"));

    f.taperFreq1(QStringLiteral("15999.999"));
    QVERIFY(f.statut->text().contains(utf8("Fréquence non permise")));
    Fenetre::taper(f.unites, QStringLiteral("-19999.999"));
    Fenetre::taper(f.decimal, QStringLiteral("119.999999"));
    Fenetre::taper(f.fraction, QStringLiteral("999999/999999"));
    Fenetre::taper(enfant<QLineEdit>(&f.w, "dureeEdit"), QStringLiteral("119.99"));
    f.forme->setCurrentIndex(5);
    enfant<QSlider>(&f.w, "volumeSlider")->setValue(-50);
    QCOMPARE(enfant<QLabel>(&f.w, "dbLabel")->text(), QStringLiteral("-50 dB"));
    QVERIFY(whole("widest fields"));

    // The buttons' other texts: a tone playing, a file stopped.
    for (const char *name : {"jouer1Button", "jouer2Button"})
        enfant<QPushButton>(&f.w, name)->setText(QStringLiteral("&Stop"));
    enfant<QPushButton>(&f.w, "stopButton")->setText(QStringLiteral("&Continuer"));
    QVERIFY(whole("buttons"));
    QCOMPARE(f.w.size(), f.w.minimumSize()); // the window did not grow to make room
}

void TestDiapason::nothingMovesWhileTheStatusBlinks()
{
    Fenetre f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.w));
    const auto before = zibtest::geometries(&f.w);
    const auto unmoved = [&] {
        const QStringList moved = zibtest::movedWidgets(before, zibtest::geometries(&f.w));
        return moved.isEmpty() ? true : (qWarning("moved: %s", qPrintable(moved.join(QLatin1String(", ")))), false);
    };
    for (const char *refused : {"9", "15000.5"}) {
        f.taperFreq1(QString::fromLatin1(refused));
        QVERIFY(!f.statut->text().isEmpty());
        QVERIFY(unmoved());
        QTRY_VERIFY_WITH_TIMEOUT(f.statut->isHidden(), 1500);
        QVERIFY(unmoved());
        QTRY_VERIFY_WITH_TIMEOUT(!f.statut->isHidden(), 1500);
        QVERIFY(unmoved());
    }
    Fenetre::taper(f.decimal, QStringLiteral("100"));
    f.taperFreq1(QStringLiteral("440"));
    QVERIFY(f.statut->text().contains(utf8("Fréquence 2 non permise")));
    QVERIFY(unmoved());
    Fenetre::taper(f.decimal, QStringLiteral("1"));
    QVERIFY(f.statut->text().isEmpty());
    QVERIFY(unmoved());
}

void TestDiapason::typedFrequencyStaysAsTyped_data()
{
    QTest::addColumn<QString>("texte");
    // The two-decimal deviation rounds up to a half cent, which the dial rounds to the next cent.
    QTest::newRow("440.126") << "440.126";
    // Deviations beyond the dial's last notch, either side.
    QTest::newRow("49.7 cents") << frequencyWithDeviation(0, 49.7);
    QTest::newRow("-49.8 cents") << frequencyWithDeviation(3, -49.8);
    // Seven digits across an octave.
    QTest::newRow("1234.567") << "1234.567";
    QTest::newRow("15.001") << "15.001";
    // Deviations just under each half cent, and at the edges of the dial, over four octaves.
    for (int semitone = -36; semitone <= 12; semitone += 7)
        for (double cents : {0.496, 1.4996, -0.497, 48.4999, 49.499, 49.9, -49.5, -49.99})
            QTest::addRow("%+d semitones %+.4f cents", semitone, cents) << frequencyWithDeviation(semitone, cents);
}

// Whatever the deviation of a typed Frequency 1, the field, the frequency and Frequency 2 keep it.
void TestDiapason::typedFrequencyStaysAsTyped()
{
    QFETCH(QString, texte);
    Fenetre f;
    f.collerFreq1(texte);
    QCOMPARE(f.freq1->text(), texte);
    QCOMPARE(freq1, texte.toDouble());
    QCOMPARE(f.w.targetNote()->freq, texte.toFloat());
    // Frequency 2 is the single-precision product with the ratio 1.
    QVERIFY(f.freq2->text().startsWith(QString::number(double(texte.toFloat()), 'g', 4) + QLatin1Char(':')));
}

// Every frequency from 20 to 2000 Hz in steps of 0.037 Hz, pasted over the field: none of them is
// moved by the respelling of the note controls.
void TestDiapason::noTypedFrequencyMoves()
{
    Fenetre f;
    QStringList moved;
    for (int step = 0; 20.0 + 0.037 * step <= 2000.0; ++step) {
        const QString text = QString::number(20.0 + 0.037 * step, 'f', 3);
        QGuiApplication::clipboard()->setText(text);
        f.freq1->setFocus();
        f.freq1->selectAll();
        QTest::keyClick(f.freq1, Qt::Key_V, Qt::ControlModifier);
        if (f.freq1->text() != text || freq1 != text.toDouble())
            moved << text + QStringLiteral(" -> ") + f.freq1->text();
    }
    QVERIFY2(moved.isEmpty(), qPrintable(QStringLiteral("%1 moved: ").arg(moved.size()) + moved.mid(0, 10).join(QLatin1String(", "))));
}

void TestDiapason::typedKeyByKey_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("dial");
    QTest::addColumn<QString>("cents");
    QTest::addColumn<int>("octave");
    // "44" on the way is Fa1: the octave comes back to 4 after the dial has reached 20.
    QTest::newRow("445") << "445" << 20 << "20" << 4;
    QTest::newRow("660") << "660" << 2 << "2" << 5;
    QTest::newRow("440.126") << "440.126" << 1 << "1" << 4;
    // The last digit leaves the dial where it was: the display keeps two decimals.
    QTest::newRow("1234.567") << "1234.567" << -14 << "-13.88" << 6;
}

void TestDiapason::typedKeyByKey()
{
    QFETCH(QString, texte);
    QFETCH(int, dial);
    QFETCH(QString, cents);
    QFETCH(int, octave);
    Fenetre f;
    f.taperFreq1(texte);
    QCOMPARE(f.freq1->text(), texte);
    QCOMPARE(freq1, texte.toDouble());
    QCOMPARE(f.dial->value(), dial);
    QCOMPARE(f.cents->text(), cents);
    QCOMPARE(f.octave->value(), octave);
    QVERIFY(f.statut->text().isEmpty());
}

void TestDiapason::notePressUsesTheDialsCorrection_data()
{
    QTest::addColumn<QList<int>>("avant");
    QTest::newRow("from start") << QList<int>{};
    QTest::newRow("after Do") << QList<int>{1};
    QTest::newRow("after Mi, Sol, Ré") << QList<int>{3, 5, 2};
    QTest::newRow("after Si, Fa, Do, Mi") << QList<int>{7, 4, 1, 3};
    QTest::newRow("after Do in octave -1") << QList<int>{-1, 1};
    QTest::newRow("after Sol in octave 8") << QList<int>{8, 5};
}

// With the dial at 0, the notes land on their tempered frequencies whatever was pressed before:
// the 6-digit rounding of one note does not leak into the next as a correction. A negative entry
// of the table is an octave to set first, 8 too.
void TestDiapason::notePressUsesTheDialsCorrection()
{
    QFETCH(QList<int>, avant);
    Fenetre f;
    for (int pressed : avant) {
        if (pressed < 1 || pressed > 7)
            f.octave->setValue(pressed);
        else
            f.presserNote(pressed);
    }
    f.octave->setValue(4);
    QCOMPARE(f.dial->value(), 0);
    f.presserNote(1);
    QCOMPARE(f.freq1->text(), QStringLiteral("261.626"));
    f.presserNote(6);
    QCOMPARE(f.freq1->text(), QStringLiteral("440"));
    f.alteration->setCurrentIndex(0);
    QCOMPARE(f.freq1->text(), QStringLiteral("415.305"));
    f.presserNote(7);
    QCOMPARE(f.freq1->text(), QStringLiteral("466.164"));
    QCOMPARE(f.cents->text(), QStringLiteral("0"));
}

void TestDiapason::outOfRangeTextCannotBeTyped_data()
{
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("frappe");
    QTest::addColumn<QString>("reste");
    QTest::newRow("Frequency 1 above 16000") << "freq1Edit" << "99999" << "9999";
    QTest::newRow("Frequency 1, 16000 is the top") << "freq1Edit" << "160001" << "16000";
    QTest::newRow("Frequency 1, 4 decimals") << "freq1Edit" << "440.1234" << "440.123";
    QTest::newRow("Frequency 1, a comma") << "freq1Edit" << "1,5" << "15";
    QTest::newRow("Frequency 1, no sign") << "freq1Edit" << "-440" << "440";
    QTest::newRow("Frequency 1, no exponent") << "freq1Edit" << "4e2" << "42";
    QTest::newRow("duration above 120") << "dureeEdit" << "999" << "99";
    QTest::newRow("duration, 3 decimals") << "dureeEdit" << "1.505" << "1.50";
    QTest::newRow("decimal ratio above 120") << "decimalEdit" << "999" << "99";
    QTest::newRow("decimal ratio, a comma") << "decimalEdit" << "1,5" << "15";
    QTest::newRow("decimal ratio, 7 decimals") << "decimalEdit" << "0.0000001" << "0.000000";
    QTest::newRow("units below -20000") << "unitesEdit" << "-99999" << "-9999";
    QTest::newRow("units above 20000") << "unitesEdit" << "30000" << "3000";
}

void TestDiapason::outOfRangeTextCannotBeTyped()
{
    QFETCH(QString, champ);
    QFETCH(QString, frappe);
    QFETCH(QString, reste);
    Fenetre f;
    auto *e = enfant<QLineEdit>(&f.w, qPrintable(champ));
    Fenetre::taper(e, frappe);
    QCOMPARE(e->text(), reste);
}

QTEST_MAIN(TestDiapason)
#include "tst_diapason.moc"
