// The tuner window without an audio device: its controls, the labels it computes, the needle and
// the deviation shown for a detected frequency, and what it does when there is nothing to capture.
// Detections are injected as the analyser reports them: its freq, then analysee().

#include "tuner/AccordeurDlg.h"
#include "tests/support/Enfant.h"
#include "tuner/Analyseur.h"
#include "tuner/VuMetre.h"
#include "tests/support/TextFit.h"

#include <QtTest>

#include <cmath>

#include <QComboBox>
#include <QDial>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSlider>

namespace {

/// A tuner without any input device, and its controls.
struct Accordeur
{
    AccordeurDlg d{QList<QAudioDeviceInfo>()};
    QComboBox *methode = enfant<QComboBox>(&d, "methodeBox");
    QComboBox *fenetre = enfant<QComboBox>(&d, "fenetreBox");
    QComboBox *points = enfant<QComboBox>(&d, "nbPointsBox");
    QComboBox *device = enfant<QComboBox>(&d, "deviceBox");
    QComboBox *fech = enfant<QComboBox>(&d, "fechBox");
    QDial *aiguille = enfant<QDial>(&d, "aiguille");
    QLabel *note = enfant<QLabel>(&d, "labelNote");
    QLabel *ecart = enfant<QLabel>(&d, "labelEcart");
    QLabel *cible = enfant<QLabel>(&d, "labelCible");
    QLabel *resolution = enfant<QLabel>(&d, "labelResolution");
    QLabel *minMax = enfant<QLabel>(&d, "labelMinMax");
    QLCDNumber *lcd = enfant<QLCDNumber>(&d, "lcd");
    QSlider *bruit = enfant<QSlider>(&d, "bruitSlider");
    QPushButton *bouton = enfant<QPushButton>(&d, "boutonAnalyse");
    VuMetre *vuMetre = enfant<VuMetre>(&d, "vuMetre");

    Accordeur() { d.show(); }

    /// What the analyser reports after a detection of f Hz.
    void detecter(float f)
    {
        d.analyseur()->freq = f;
        emit d.analyseur()->analysee();
    }

    bool aiguilleRouge() const { return aiguille->palette().color(QPalette::Button) == QColor(Qt::red); }
    bool aiguilleCouleurDuDialogue() const
    {
        return aiguille->palette().color(QPalette::Button) == d.palette().color(QPalette::Button);
    }
};

/// Picks an entry of a list as the user does.
void choisir(QComboBox *liste, const QString &texte)
{
    const int i = liste->findText(texte);
    QVERIFY2(i >= 0, qPrintable(texte));
    liste->setCurrentIndex(i);
    emit liste->activated(i);
}

} // namespace

class TestAccordeurDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void controles();
    void infobulles_data();
    void infobulles();
    void disposition();

    void ecart_data();
    void ecart();
    void sansHauteurDetectee();
    void cibleNulle();
    void noteDetectee();
    void cible();

    void precise_data();
    void precise();
    void lectureFigee();
    void aiguilleEnDixiemes();
    void policesDe9A12Points_data();
    void policesDe9A12Points();
    void wholeWindowAtEveryFontSize_data();
    void wholeWindowAtEveryFontSize();

    void huitMillePoints();
    void plageDeFrequences_data();
    void plageDeFrequences();
    void plageDeFrequencesPrecise_data();
    void plageDeFrequencesPrecise();
    void resolution_data();
    void resolution();
    void parametresVersLAnalyseur();
    void plancherEtNiveau();

    void sansEntree();
    void entreeNulle();
};

void TestAccordeurDlg::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestAccordeurDlg::controles()
{
    Accordeur a;
    QCOMPARE(a.d.windowTitle(), QStringLiteral("ZIB 0.10 - Accordeur"));
    QCOMPARE(a.d.minimumSize(), a.d.maximumSize());
    QVERIFY(!a.d.isModal());

    const QStringList methodes{utf8("Autocorrélation"), QStringLiteral("Cepstre"), QStringLiteral("HPS"),
                               utf8("Précise")};
    const QStringList fenetres{QStringLiteral("Rectangulaire"), QStringLiteral("Hann"), QStringLiteral("Hamming"),
                               QStringLiteral("Blackman")};
    const QStringList points{QStringLiteral("512"), QStringLiteral("1024"), QStringLiteral("2048"),
                             QStringLiteral("4096"), QStringLiteral("8192")};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(a.methode->itemText(i), methodes[i]);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(a.fenetre->itemText(i), fenetres[i]);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(a.points->itemText(i), points[i]);
    QCOMPARE(a.methode->count(), 4);
    QCOMPARE(a.fenetre->count(), 4);
    QCOMPARE(a.points->count(), 5);
    QCOMPARE(a.methode->currentIndex(), 0);
    QCOMPARE(a.fenetre->currentIndex(), 0);
    QCOMPARE(a.points->currentIndex(), 0);

    QCOMPARE(a.bruit->orientation(), Qt::Horizontal);
    QCOMPARE(a.bruit->width(), 250);
    QCOMPARE(a.bruit->minimum(), 0);
    QCOMPARE(a.bruit->maximum(), 50);
    QCOMPARE(a.bruit->tickPosition(), QSlider::TicksAbove);
    QCOMPARE(a.bruit->tickInterval(), 5);
    QCOMPARE(a.bruit->value(), 5);

    QCOMPARE(a.aiguille->minimum(), -49);
    QCOMPARE(a.aiguille->maximum(), 50);
    QCOMPARE(a.aiguille->singleStep(), 1);
    QVERIFY(a.aiguille->notchesVisible());
    QCOMPARE(a.aiguille->notchTarget(), 2.0);
    QCOMPARE(a.aiguille->width(), 75);
    QVERIFY(!a.aiguille->isEnabled());
    QCOMPARE(a.aiguille->value(), 12);

    QCOMPARE(a.lcd->segmentStyle(), QLCDNumber::Flat);
    QCOMPARE(a.lcd->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(a.note->text(), QStringLiteral("---"));
    QCOMPARE(a.ecart->text(), QStringLiteral("---"));
    QVERIFY(a.cible->wordWrap());
    QVERIFY(a.cible->hasScaledContents());
    QCOMPARE(a.cible->alignment(), Qt::AlignCenter);
    QVERIFY(a.cible->width() >= 80); // or what its widest name needs
    QCOMPARE(a.cible->font().pointSize(), 12);
    QCOMPARE(a.cible->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(a.resolution->width(), 80);
    // Wide enough for the widest range.
    QVERIFY(a.minMax->width() >= 80);
    QVERIFY(a.minMax->fontMetrics().horizontalAdvance(QStringLiteral("172 - 24000 Hz")) <= a.minMax->contentsRect().width());
    QCOMPARE(a.bouton->text(), QStringLiteral("Analyse"));

    QCOMPARE(a.vuMetre->size(), QSize(250, 20));
    QCOMPARE(a.vuMetre->level(), 0.0);
    QCOMPARE(a.vuMetre->noiseFloor(), 0.1);
    QCOMPARE(a.d.analyseur()->minLevel, 0.1f);
    QCOMPARE(a.d.analyseur()->nbPoints, 512);
    QCOMPARE(a.d.analyseur()->methode, 0);
    QCOMPARE(a.d.analyseur()->fenType, 0);
}

void TestAccordeurDlg::infobulles_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");

    QTest::newRow("button") << "boutonAnalyse"
                            << utf8("Analyser le signal à l'entrée du microphone.\nLa détection ne se déclenche que si "
                                    "le niveau du signal dépasse le niveau du bruit plancher");
    QTest::newRow("devices") << "deviceBox" << utf8("Choisir un système audio parmi ceux disponibles");
    QTest::newRow("rates") << "fechBox"
                           << utf8("Fréquence d'échantillonage du signal :\n- Pour l'autocorrélation, prendre des "
                                   "valeurs élevées (valeurs recommandées 44100 ou plus).\n- Pour les méthodes "
                                   "spectrales, le choix des valeurs élevées diminue la résolution,\nsauf si on "
                                   "choisit aussi un grand nombre de points.");
    QTest::newRow("target") << "labelCible"
                            << utf8("Note cible définie dans la fenêtre de dialogue prinipale : fréquence 2");
    QTest::newRow("methods") << "methodeBox"
                             << utf8("Algorithmes de detection : Autocorrélation (méthode temporelle), Cepstre et "
                                     "HPS (méthodes spectrales)");
    QTest::newRow("windows") << "fenetreBox"
                             << utf8("Fenêtres temporelles utilisées dans les méthodes spectrales (Cpestre et HPS) "
                                     "pour minimiser les distorsions du spectre");
    QTest::newRow("noise floor") << "bruitSlider"
                                 << utf8("Déterminer le niveau minimum du signal pour le distinguer du bruit.\n"
                                         "L'analyse ne se déclenche que si le niveau du signal à l'entrée du "
                                         "microphone dépasse le niveau du bruit.\nChoisir un niveau élevé, en "
                                         "fonction du niveau du signal capté en entrée.");
    QTest::newRow("needle") << "aiguille"
                            << utf8("Si la note détectée est proche de la notre cible,\nl'aiguille devient rouge et "
                                    "indique la différence en cents entre les deux valeurs");
    QTest::newRow("points") << "nbPointsBox"
                            << utf8("Nombre d'échantillons utilisés dans l'analyse ou taille de la fenêtre "
                                    "temporelle.\nDans les méthodes spectrales (cepstre et HPS), le choix des valeurs "
                                    "élévées augmente la résolution,\nmais alourdit les calculs (valeurs "
                                    "recommandées 4048 ou plus).\nPour l'autocorrélation, ce nombre détermine la "
                                    "fréquence la plus basse détectable, alors que la résolution\nne dépend que de "
                                    "la fréquence d'échantillonnage (valeur recommandée 2024).\nVoir la résolution "
                                    "et les fréquences Min-Max");
}

void TestAccordeurDlg::infobulles()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    Accordeur a;
    QWidget *w = a.d.findChild<QWidget *>(nom);
    QVERIFY(w);
    QCOMPARE(w->toolTip(), texte);
}

// Left: the analysis parameters, the audio input and the noise floor, top to bottom; right: the
// detected note above the tuning group, then the button.
void TestAccordeurDlg::disposition()
{
    Accordeur a;
    QMap<QString, QGroupBox *> groupes;
    for (QGroupBox *g : a.d.findChildren<QGroupBox *>())
        groupes.insert(g->title(), g);
    const QStringList titres{utf8("Paramètres d'Analyse"), utf8("Entrée Audio"), utf8("Bruit Plancher"),
                             utf8("Note Détectée"), utf8("Accordage")};
    for (const QString &t : titres)
        QVERIFY2(groupes.contains(t), qPrintable(t));
    auto haut = [&](const char *t) { return groupes.value(utf8(t))->geometry().top(); };
    auto gauche = [&](const char *t) { return groupes.value(utf8(t))->geometry().left(); };
    QVERIFY(haut("Paramètres d'Analyse") < haut("Entrée Audio"));
    QVERIFY(haut("Entrée Audio") < haut("Bruit Plancher"));
    QVERIFY(haut("Note Détectée") < haut("Accordage"));
    QVERIFY(gauche("Paramètres d'Analyse") < gauche("Note Détectée"));
    QVERIFY(haut("Accordage") < a.bouton->geometry().top());

    QVERIFY(groupes.value(utf8("Paramètres d'Analyse"))->isAncestorOf(a.methode));
    QVERIFY(groupes.value(utf8("Paramètres d'Analyse"))->isAncestorOf(a.minMax));
    QVERIFY(groupes.value(utf8("Entrée Audio"))->isAncestorOf(a.device));
    QVERIFY(groupes.value(utf8("Entrée Audio"))->isAncestorOf(a.fech));
    QVERIFY(groupes.value(utf8("Bruit Plancher"))->isAncestorOf(a.vuMetre));
    QVERIFY(a.bruit->geometry().top() < a.vuMetre->geometry().top());
    QVERIFY(groupes.value(utf8("Note Détectée"))->isAncestorOf(a.lcd));
    QVERIFY(a.lcd->geometry().top() < a.note->geometry().top());
    QVERIFY(groupes.value(utf8("Accordage"))->isAncestorOf(a.aiguille));
    QVERIFY(a.cible->geometry().top() < a.aiguille->geometry().top());
    QVERIFY(a.aiguille->geometry().top() < a.ecart->geometry().top());
}

// The deviation of a detection from the target, after a first detection of 445 Hz has put the
// needle at 20 in red. Cents by 1200·log2(D/T): 445/440 19.56, 460/440 76.96, 430/440 −39.80,
// 441/440 3.93, 1700/440 2339.95 (2 octaves −60.05).
void TestAccordeurDlg::ecart_data()
{
    QTest::addColumn<float>("detectee");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("aiguille");
    QTest::addColumn<bool>("rouge");

    QTest::newRow("445 Hz") << 445.f << "0 oct+19.6" << 20 << true;
    QTest::newRow("880 Hz: an octave, needle unmoved") << 880.f << "1 oct0.0" << 20 << false;
    QTest::newRow("460 Hz: too far, needle unmoved") << 460.f << "0 oct+77.0" << 20 << false;
    QTest::newRow("430 Hz") << 430.f << "0 oct-39.8" << -40 << true;
    QTest::newRow("441 Hz") << 441.f << "0 oct+3.9" << 4 << true;
    QTest::newRow("440 Hz") << 440.f << "0 oct0.0" << 0 << true;
    QTest::newRow("220 Hz") << 220.f << "-1 oct0.0" << 20 << false;
    QTest::newRow("1700 Hz") << 1700.f << "2 oct-60.0" << 20 << false;
    // The edges of the red band, ±50 cents: inside, the needle goes to the whole cent (the dial
    // stops at −49); outside, it stays where it was.
    const auto at = [](double cents) { return float(440.0 * std::pow(2.0, cents / 1200.0)); };
    QTest::newRow("+49.6 cents") << at(49.6) << "0 oct+49.6" << 50 << true;
    QTest::newRow("-49.6 cents") << at(-49.6) << "0 oct-49.6" << -49 << true;
    QTest::newRow("+50.5 cents") << at(50.5) << "0 oct+50.5" << 20 << false;
    QTest::newRow("-50.5 cents") << at(-50.5) << "0 oct-50.5" << 20 << false;
}

void TestAccordeurDlg::ecart()
{
    QFETCH(float, detectee);
    QFETCH(QString, texte);
    QFETCH(int, aiguille);
    QFETCH(bool, rouge);

    Accordeur a;
    MusicalNote cible(440.f, 440.f);
    a.d.setNoteCible(&cible);
    a.detecter(445.f);
    QCOMPARE(a.aiguille->value(), 20);
    QVERIFY(a.aiguilleRouge());

    a.detecter(detectee);
    QCOMPARE(a.ecart->text(), texte);
    QCOMPARE(a.aiguille->value(), aiguille);
    if (rouge) {
        QVERIFY(a.aiguilleRouge());
    } else {
        QVERIFY(a.aiguilleCouleurDuDialogue());
        QVERIFY(!a.aiguilleRouge());
    }
    // Red for every colour group: the needle is disabled, so it is drawn with the disabled one.
    const QPalette p = a.aiguille->palette();
    QCOMPARE(p.color(QPalette::Disabled, QPalette::Button) == QColor(Qt::red), rouge);
    QCOMPARE(p.color(QPalette::Inactive, QPalette::Button) == QColor(Qt::red), rouge);
    QCOMPARE(a.lcd->value(), double(detectee));
}

// A detector that found no pitch reports 0 Hz: no note, no deviation, the needle stays.
void TestAccordeurDlg::sansHauteurDetectee()
{
    Accordeur a;
    MusicalNote cible(440.f, 440.f);
    a.d.setNoteCible(&cible);
    a.detecter(445.f);
    a.detecter(0.f);
    QCOMPARE(a.note->text(), QStringLiteral("---"));
    QCOMPARE(a.ecart->text(), QStringLiteral("---"));
    QCOMPARE(a.aiguille->value(), 20);
    QVERIFY(a.aiguilleCouleurDuDialogue());
    QCOMPARE(a.lcd->value(), 0.0);
}

// A target of 0 Hz, or none, disables the deviation display.
void TestAccordeurDlg::cibleNulle()
{
    Accordeur a;
    MusicalNote zero(0.f, 440.f);
    a.d.setNoteCible(&zero);
    a.detecter(445.f);
    QCOMPARE(a.ecart->text(), QStringLiteral("---"));
    QCOMPARE(a.aiguille->value(), 12);
    a.d.setNoteCible(nullptr);
    a.detecter(300.f);
    QCOMPARE(a.ecart->text(), QStringLiteral("---"));
    a.d.afficheCible();
    QCOMPARE(a.cible->text(), QStringLiteral("---"));
    a.d.calculPrecision();
}

// Detected notes are named against A4 = 440 Hz, with their deviation in whole cents.
void TestAccordeurDlg::noteDetectee()
{
    Accordeur a;
    a.detecter(441.f);
    QCOMPARE(a.note->text(), utf8("<font size=5>La♮4+4</font>"));
    a.detecter(261.63f);
    QCOMPARE(a.note->text(), utf8("<font size=5>Do♮4</font>"));
    a.detecter(466.16f);
    QCOMPARE(a.note->text(), utf8("<font size=5>Si♭4</font>"));
    QCOMPARE(a.d.noteDetectee().freq, 466.16f);
}

void TestAccordeurDlg::cible()
{
    Accordeur a;
    MusicalNote cible(445.f, 440.f);
    a.d.setNoteCible(&cible);
    a.d.afficheCible();
    QCOMPARE(a.cible->text(), utf8("La♮4+20\n445"));
    cible.freq = 466.1637615f;
    cible.setNote();
    a.d.afficheCible();
    QCOMPARE(a.cible->text(), utf8("Si♭4\n466.164"));
}

// "Précise" reads to a tenth of a cent: the note label with one decimal (±0.0 in tune), the
// deviation, and the needle in tenths, after a first reading of 445 Hz (19.56 cents: 196). Each
// reading is shown as measured, however far from the one before. Cents by 1200·log2(D/T):
// 441.5/440 5.892, 436.2/440 −15.016, 880.5/440 1200.98; the notes against their tempered
// pitch: 82.41/82.4069 +0.065, 466.16/466.1638 −0.014, 27.5 = La♮0.
void TestAccordeurDlg::precise_data()
{
    QTest::addColumn<float>("detectee");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("ecart");
    QTest::addColumn<int>("aiguille");
    QTest::addColumn<bool>("rouge");

    QTest::newRow("441.5 Hz") << 441.5f << utf8("La♮4+5.9") << "0 oct+5.9" << 59 << true;
    QTest::newRow("440 Hz: in tune") << 440.f << utf8("La♮4±0.0") << "0 oct0.0" << 0 << true;
    QTest::newRow("436.2 Hz") << 436.2f << utf8("La♮4-15.0") << "0 oct-15.0" << -150 << true;
    QTest::newRow("440.01 Hz: 0.04 cents") << 440.01f << utf8("La♮4±0.0") << "0 oct+0.0" << 0 << true;
    QTest::newRow("440.03 Hz: 0.12 cents") << 440.03f << utf8("La♮4+0.1") << "0 oct+0.1" << 1 << true;
    QTest::newRow("880.5 Hz: an octave, needle unmoved") << 880.5f << utf8("La♮5+1.0") << "1 oct+1.0" << 196 << false;
    QTest::newRow("low E, 82.41 Hz") << 82.41f << utf8("Mi♮2+0.1") << "-2 oct-499.9" << 196 << false;
    QTest::newRow("466.16 Hz") << 466.16f << utf8("Si♭4±0.0") << "0 oct+100.0" << 196 << false;
    QTest::newRow("27.5 Hz") << 27.5f << utf8("La♮0±0.0") << "-4 oct0.0" << 196 << false;
}

void TestAccordeurDlg::precise()
{
    QFETCH(float, detectee);
    QFETCH(QString, note);
    QFETCH(QString, ecart);
    QFETCH(int, aiguille);
    QFETCH(bool, rouge);

    Accordeur a;
    a.methode->setCurrentIndex(3);
    MusicalNote cible(440.f, 440.f);
    a.d.setNoteCible(&cible);
    a.detecter(445.f);
    QCOMPARE(a.note->text(), utf8("<font size=5>La♮4+19.6</font>"));
    QCOMPARE(a.aiguille->value(), 196);

    a.detecter(detectee);
    QCOMPARE(a.note->text(), QStringLiteral("<font size=5>") + note + QStringLiteral("</font>"));
    QCOMPARE(a.ecart->text(), ecart);
    QCOMPARE(a.aiguille->value(), aiguille);
    QCOMPARE(a.aiguilleRouge(), rouge);
    QCOMPARE(a.lcd->value(), double(detectee));
    QVERIFY(!a.d.readingHeld());
}

// "Précise" keeps its last reading, greyed and marked, through a buffer below the noise floor or
// without a pitch; the next reading replaces it. The other methods show "---" for no pitch and
// hold nothing, and a reading of another method is not held by "Précise".
void TestAccordeurDlg::lectureFigee()
{
    Accordeur a;
    MusicalNote cible(440.f, 440.f);
    a.d.setNoteCible(&cible);
    a.methode->setCurrentIndex(3);
    const QString figee = utf8("<font size=5 color=#808080>La♮4+5.9</font> <font color=#808080>(figée)</font>");

    // Nothing to hold yet.
    emit a.d.analyseur()->belowNoiseFloor();
    QCOMPARE(a.note->text(), QStringLiteral("---"));
    QVERIFY(!a.d.readingHeld());

    a.detecter(441.5f);
    emit a.d.analyseur()->belowNoiseFloor();
    QVERIFY(a.d.readingHeld());
    QCOMPARE(a.note->text(), figee);
    QCOMPARE(a.ecart->text(), QStringLiteral("0 oct+5.9"));
    QCOMPARE(a.aiguille->value(), 59);
    QCOMPARE(a.lcd->value(), 441.5);

    a.detecter(440.f);
    QVERIFY(!a.d.readingHeld());
    QCOMPARE(a.note->text(), utf8("<font size=5>La♮4±0.0</font>"));

    // A buffer above the floor without a pitch (noise): the reading stays, held.
    a.detecter(441.5f);
    a.detecter(0.f);
    QVERIFY(a.d.readingHeld());
    QCOMPARE(a.note->text(), figee);
    QCOMPARE(a.lcd->value(), 441.5);
    QCOMPARE(a.d.noteDetectee().freq, 441.5f);
    QCOMPARE(a.ecart->text(), QStringLiteral("0 oct+5.9"));

    // Another method: no pitch is no pitch, and its readings are never held.
    a.methode->setCurrentIndex(0);
    QVERIFY(!a.d.readingHeld());
    a.detecter(441.f);
    QCOMPARE(a.note->text(), utf8("<font size=5>La♮4+4</font>"));
    emit a.d.analyseur()->belowNoiseFloor();
    QCOMPARE(a.note->text(), utf8("<font size=5>La♮4+4</font>"));
    a.methode->setCurrentIndex(3);
    a.detecter(0.f);
    QCOMPARE(a.note->text(), QStringLiteral("---"));
    QVERIFY(!a.d.readingHeld());
}

// "Précise" moves the needle by tenths: its range and steps scale by ten, and the position it
// shows stays where it was when the method changes.
void TestAccordeurDlg::aiguilleEnDixiemes()
{
    Accordeur a;
    const int notches = a.aiguille->notchSize();
    a.methode->setCurrentIndex(3);
    QCOMPARE(a.aiguille->minimum(), -490);
    QCOMPARE(a.aiguille->maximum(), 500);
    QCOMPARE(a.aiguille->singleStep(), 10);
    QCOMPARE(a.aiguille->pageStep(), 100);
    QCOMPARE(a.aiguille->value(), 120);
    QCOMPARE(a.aiguille->notchSize(), 10 * notches);

    MusicalNote cible(440.f, 440.f);
    a.d.setNoteCible(&cible);
    a.detecter(438.f); // −7.89 cents
    QCOMPARE(a.aiguille->value(), -79);
    a.methode->setCurrentIndex(2);
    QCOMPARE(a.aiguille->minimum(), -49);
    QCOMPARE(a.aiguille->maximum(), 50);
    QCOMPARE(a.aiguille->singleStep(), 1);
    QCOMPARE(a.aiguille->pageStep(), 10);
    QCOMPARE(a.aiguille->value(), -8);
    QCOMPARE(a.aiguille->notchSize(), notches);
    a.methode->setCurrentIndex(1);
    QCOMPARE(a.aiguille->value(), -8);
}

// In the user's font, 9 to 12 points: every method fits its list, and every reading of
// "Précise", held or not, fits the note label without widening it or the window.
void TestAccordeurDlg::policesDe9A12Points_data()
{
    QTest::addColumn<int>("points");
    for (int p = 9; p <= 12; ++p)
        QTest::addRow("%d points", p) << p;
}

void TestAccordeurDlg::policesDe9A12Points()
{
    QFETCH(int, points);
    const zibtest::ApplicationFontSize fontSize(points);
    {
        Accordeur a;
        QCOMPARE(a.d.font().pointSize(), points);
        for (int i = 0; i < a.methode->count(); ++i) {
            const int texte = a.methode->fontMetrics().horizontalAdvance(a.methode->itemText(i));
            QVERIFY2(texte < a.methode->width() - 16, qPrintable(a.methode->itemText(i)));
        }
        QVERIFY(a.methode->sizeHint().width() <= a.methode->width());
        a.methode->setCurrentIndex(3);
        QApplication::processEvents();
        const QSize taille = a.d.size();
        const QRect place = a.note->geometry();
        MusicalNote cible(440.f, 440.f);
        a.d.setNoteCible(&cible);
        for (int octave = 0; octave <= 8; ++octave) {
            for (int demiton = 0; demiton < 12; ++demiton) {
                for (float cents : {-49.9f, -0.04f, 49.9f}) {
                    const float demitons = float((octave - 4) * 12 + demiton - 9) + cents / 100;
                    const float f = 440.0f * std::pow(2.0f, demitons / 12);
                    a.detecter(f);
                    emit a.d.analyseur()->belowNoiseFloor();
                    QApplication::processEvents();
                    QVERIFY2(a.note->sizeHint().width() <= a.note->width(), qPrintable(a.note->text()));
                    QCOMPARE(a.note->geometry(), place);
                    QCOMPARE(a.d.size(), taille);
                }
            }
        }
        QVERIFY(a.note->text().contains(utf8("Si♮8+49.9")));
    }
}

void TestAccordeurDlg::wholeWindowAtEveryFontSize_data()
{
    QTest::addColumn<int>("points");
    for (int p : {9, 11, 12})
        QTest::addRow("%d points", p) << p;
}

// Every text of the window whole, with the widest of each: the targets Frequency 2 can name
// (10 to 15000 Hz), deviations of eleven octaves and a half, every method's labels, the list
// target's check box; the window keeps its size.
void TestAccordeurDlg::wholeWindowAtEveryFontSize()
{
    QFETCH(int, points);
    const zibtest::ApplicationFontSize fontSize(points);
    {
        Accordeur a;
        QVERIFY(QTest::qWaitForWindowExposed(&a.d));
        const QSize size = a.d.size();
        const auto whole = [&a](const QString &state) {
            const QStringList cut = zibtest::cutTexts(&a.d);
            if (!cut.isEmpty())
                qWarning("%s: %s", qPrintable(state), qPrintable(cut.join(QLatin1String("; "))));
            return cut.isEmpty();
        };
        QVERIFY(whole(QStringLiteral("at start")));
        MusicalNote target(440.f, 440.f);
        a.d.setNoteCible(&target);
        QStringList deviations;
        for (int method = 0; method < a.methode->count(); ++method) {
            a.methode->setCurrentIndex(method);
            for (double f = 10.0; f <= 15000.0; f *= std::pow(2.0, 1.0 / 12)) {
                for (double cents : {-49.4, 49.4}) {
                    target.freq = float(f * std::pow(2.0, cents / 1200));
                    target.setNote();
                    a.d.afficheCible();
                    a.d.calculPrecision();
                    QVERIFY(whole(QStringLiteral("target %1").arg(a.cible->text())));
                }
            }
            for (float detected : {5.4f, 24000.f, 441.f}) {
                for (float far : {10.f, 15000.f, 440.f}) {
                    target.freq = far;
                    target.setNote();
                    a.d.afficheCible();
                    a.detecter(detected);
                    QVERIFY(whole(QStringLiteral("deviation %1").arg(a.ecart->text())));
                    deviations << a.ecart->text();
                }
            }
        }
        QVERIFY(deviations.contains(QStringLiteral("-11 oct-527.7")));
        QVERIFY(deviations.contains(QStringLiteral("11 oct+274.6")));
        QCOMPARE(a.d.size(), size);
    }
}

void TestAccordeurDlg::huitMillePoints()
{
    Accordeur a;
    a.points->setCurrentIndex(4);
    QCOMPARE(a.points->currentText(), QStringLiteral("8192"));
    QCOMPARE(a.d.analyseur()->nbPoints, 8192);
    a.points->setCurrentIndex(1);
    QCOMPARE(a.d.analyseur()->nbPoints, 1024);
}

// fech/N and fech/2 in whole hertz, rounded: 44100/4096 = 10.77, 48000/512 = 93.75,
// 22050/8192 = 2.69.
void TestAccordeurDlg::plageDeFrequences_data()
{
    QTest::addColumn<int>("fech");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("texte");

    QTest::newRow("44100, 4096") << 44100 << 3 << "11 - 22050 Hz";
    QTest::newRow("48000, 512") << 48000 << 0 << "94 - 24000 Hz";
    QTest::newRow("22050, 8192") << 22050 << 4 << "3 - 11025 Hz";
    QTest::newRow("8000, 1024") << 8000 << 1 << "8 - 4000 Hz";
}

// "Précise": the periods it searches, at most 2N/3 samples and 1/25 s, at least fech/5000
// samples: 44100/1764, 44100/341, 48000/1365, and 44100/8, 48000/9.
void TestAccordeurDlg::plageDeFrequencesPrecise_data()
{
    QTest::addColumn<int>("fech");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("texte");

    QTest::newRow("44100, 8192") << 44100 << 4 << "25 - 5513 Hz";
    QTest::newRow("44100, 512") << 44100 << 0 << "129 - 5513 Hz";
    QTest::newRow("48000, 2048") << 48000 << 2 << "35 - 5333 Hz";
}

void TestAccordeurDlg::plageDeFrequencesPrecise()
{
    QFETCH(int, fech);
    QFETCH(int, index);
    QFETCH(QString, texte);
    Accordeur a;
    a.d.analyseur()->fech = fech;
    a.points->setCurrentIndex(index);
    a.methode->setCurrentIndex(3);
    QCOMPARE(a.minMax->text(), texte);
    // Back to the other methods' range.
    a.methode->setCurrentIndex(0);
    QCOMPARE(a.minMax->text(), QStringLiteral("%1 - %2 Hz").arg(qRound(double(fech) / (512 << index))).arg(fech / 2));
}

void TestAccordeurDlg::plageDeFrequences()
{
    QFETCH(int, fech);
    QFETCH(int, index);
    QFETCH(QString, texte);
    Accordeur a;
    // No device: no rate, no range.
    QCOMPARE(a.minMax->text(), QStringLiteral("---"));
    a.d.analyseur()->fech = fech;
    a.points->setCurrentIndex(index);
    a.d.calcMinMaxFreq();
    QCOMPARE(a.minMax->text(), texte);
}

// Autocorrelation: the cents between adjacent lags at the target, 1200·log2(1 + f/fech)
// (440 Hz at 44100 Hz: 17.19; 660 Hz: 25.72); spectral methods: the bin width fech/N in Hz.
void TestAccordeurDlg::resolution_data()
{
    QTest::addColumn<QString>("methode");
    QTest::addColumn<float>("cible");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("texte");

    QTest::newRow("autocorrelation, 440 Hz") << utf8("Autocorrélation") << 440.f << 3 << "17.2";
    QTest::newRow("autocorrelation, 660 Hz") << utf8("Autocorrélation") << 660.f << 0 << "25.7";
    QTest::newRow("cepstrum, 4096") << QStringLiteral("Cepstre") << 440.f << 3 << "10.8";
    QTest::newRow("HPS, 8192") << QStringLiteral("HPS") << 440.f << 4 << "5.4";
    QTest::newRow("HPS, 512") << QStringLiteral("HPS") << 440.f << 0 << "86.1";
    QTest::newRow("precise: the step of its readings") << utf8("Précise") << 440.f << 2 << "0.1";
}

void TestAccordeurDlg::resolution()
{
    QFETCH(QString, methode);
    QFETCH(float, cible);
    QFETCH(int, points);
    QFETCH(QString, texte);
    Accordeur a;
    MusicalNote note(cible, 440.f);
    a.d.setNoteCible(&note);
    a.d.analyseur()->fech = 44100;
    a.points->setCurrentIndex(points);
    a.methode->setCurrentIndex(a.methode->findText(methode));
    a.d.calculPrecision();
    QCOMPARE(a.resolution->text(), texte);
}

void TestAccordeurDlg::parametresVersLAnalyseur()
{
    Accordeur a;
    a.methode->setCurrentIndex(2);
    a.fenetre->setCurrentIndex(3);
    a.bruit->setValue(25);
    QCOMPARE(a.d.analyseur()->methode, 2);
    QCOMPARE(a.d.analyseur()->fenType, 3);
    QCOMPARE(a.d.analyseur()->minLevel, 0.5f);
    a.bruit->setValue(50);
    QCOMPARE(a.d.analyseur()->minLevel, 1.0f);
    QCOMPARE(a.vuMetre->noiseFloor(), 1.0);
}

// The meter follows the analyser's level at every chunk, and the slider's floor.
void TestAccordeurDlg::plancherEtNiveau()
{
    Accordeur a;
    a.d.analyseur()->level = 0.37;
    emit a.d.analyseur()->update();
    QCOMPARE(a.vuMetre->level(), 0.37);
    a.bruit->setValue(10);
    QCOMPARE(a.vuMetre->noiseFloor(), 0.2);
}

// No input device at all: the window works as far as it can, and "Analyse" says there is no input.
void TestAccordeurDlg::sansEntree()
{
    Accordeur a;
    QCOMPARE(a.device->count(), 0);
    QCOMPARE(a.fech->count(), 0);
    QVERIFY(!a.d.audioInput());
    QCOMPARE(a.resolution->text(), QStringLiteral("---"));
    QTest::mouseClick(a.bouton, Qt::LeftButton);
    QCOMPARE(a.bouton->text(), QStringLiteral("Analyse"));
    QVERIFY(!a.d.capturing());
    QVERIFY(a.note->text().contains(utf8("Pas d'entrée audio")));
    QVERIFY(enfant<QGroupBox>(&a.d, "paramGroup")->isEnabled());
    QVERIFY(enfant<QGroupBox>(&a.d, "entreeGroup")->isEnabled());

    // The window still computes what it can.
    MusicalNote cible(440.f, 440.f);
    a.d.setNoteCible(&cible);
    a.detecter(445.f);
    QCOMPARE(a.ecart->text(), QStringLiteral("0 oct+19.6"));
    a.points->setCurrentIndex(4);
    a.methode->setCurrentIndex(1);
    a.d.close();
}

// An entry that names no device (Qt lists one without a sound server) has no rate: nothing opens.
void TestAccordeurDlg::entreeNulle()
{
    AccordeurDlg d(QList<QAudioDeviceInfo>{QAudioDeviceInfo()});
    auto *device = enfant<QComboBox>(&d, "deviceBox");
    QCOMPARE(device->count(), 1);
    QCOMPARE(enfant<QComboBox>(&d, "fechBox")->count(), 0);
    QVERIFY(!d.audioInput());
    choisir(device, QString());
    QVERIFY(d.analyseur());
    QTest::mouseClick(enfant<QPushButton>(&d, "boutonAnalyse"), Qt::LeftButton);
    QVERIFY(!d.capturing());
    QCOMPARE(enfant<QLabel>(&d, "labelMinMax")->text(), QStringLiteral("---"));
}

QTEST_MAIN(TestAccordeurDlg)
#include "tst_accordeurdlg.moc"
