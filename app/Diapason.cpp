#include "app/Diapason.h"

#include "app/CalculIntervalle.h"
#include "app/CalculNote.h"
#include "app/MusicalNote.h"
#include "app/globals.h"
#include "intervals/ListInterv.h"
#include "melody/MelodyDlg.h"
#include "synth/AudioPlay.h"
#include "synth/Generator.h"
#include "synth/LecteurFichier.h"
#include "synth/Modmod.h"
#include "synth/SampleRates.h"
#include "synth/SyntheseSave.h"
#include "tuner/AccordeurDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDial>
#include <QDir>
#include <QDoubleValidator>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char *const kPageProjet = "https://zib.example.org/";

// The fraction field is grey while it shows a fraction computed from the decimal ratio, white once
// the user has typed one.
const QColor kFractionCalculee(205, 205, 193);
const QColor kFractionTapee(255, 255, 255);

const char *const kImagesOnde[6] = {"figures/sine.png",   "figures/triangle.png", "figures/parabola.png",
                                    "figures/square.png", "figures/ramp.png",     "figures/synthmod.png"};

// Below this peak a modal rendering is worth raising.
const float kPicFaible = 10000.0f;

/// A power ratio in whole decibels, rounded half up; bounded so that an absurd peak cannot
/// overflow the conversion.
int decibels(double rapport)
{
    const double db = std::floor(20 * std::log10(rapport) + 0.5);
    return db > 0 ? int(std::min(db, 999.0)) : 0;
}

/// Shortest of plain and exponent notation with at most `digits` significant digits.
QString g(double v, int digits)
{
    if (v == 0)
        v = 0; // no "-0" for a deviation rounded to nothing
    return QString::number(v, 'g', digits);
}

/// Standard-notation decimals, always with a point, whatever the desktop's locale.
QDoubleValidator *decimalValidator(double bottom, double top, int decimals, QObject *parent)
{
    auto *v = new QDoubleValidator(bottom, top, decimals, parent);
    v->setNotation(QDoubleValidator::StandardNotation);
    v->setLocale(QLocale::c());
    return v;
}

QPushButton *boutonMain(const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setMaximumWidth(85);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace

Diapason::Diapason(QWidget *parent)
    : QDialog(parent)
{
    // The shared note state starts with the window's controls: La natural, octave 4, 440 Hz.
    freq1 = 440.0;
    idNote = 6;
    octnew = 4;
    alter = 0;
    cornew = 0;
    corold = 0;
    curspos = 0;
    cursposcor = 0;

    m_imageDiapason.load(QStringLiteral("figures/diapason_tn.png"));
    m_imageOnde.load(QStringLiteral("figures/sine.png"));
    m_noteCible = new MusicalNote(440.0f, 440.0f);
    m_demandeSauvegarde = [](QWidget *parent, const QString &titre, const QString &dossier,
                             const QString &filtre) {
        return QFileDialog::getSaveFileName(parent, titre, dossier, filtre);
    };
    m_demandeOuverture = [](QWidget *parent, const QString &titre, const QString &dossier,
                            const QString &filtre) {
        return QFileDialog::getOpenFileName(parent, titre, dossier, filtre);
    };

    creerControles();
    disposerControles();
    connecterControles();

    setWindowTitle(tr("ZIB - Diapason Numérique v0.10"));
    setFixedHeight(sizeHint().height());
    setFixedWidth(sizeHint().width());
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint);
}

Diapason::~Diapason()
{
    // Qt's PulseAudio input runs the event loop while it is deleted: the tuners go while this
    // window is still whole, not among the children its base class deletes.
    const QList<AccordeurDlg *> accordeurs = findChildren<AccordeurDlg *>(QString(), Qt::FindDirectChildrenOnly);
    QList<QPointer<AccordeurDlg>> restants;
    for (AccordeurDlg *a : accordeurs)
        restants << a;
    for (const QPointer<AccordeurDlg> &a : restants)
        delete a.data();
    delete m_noteCible;
}

void Diapason::creerControles()
{
    m_freq1Edit = new QLineEdit(QStringLiteral("440"), this);
    m_freq1Edit->setObjectName(QStringLiteral("freq1Edit"));
    m_freq1Edit->setValidator(decimalValidator(10, 16000, 3, this));
    m_freq1Edit->setMaximumWidth(60);
    m_freq1Edit->setToolTip(tr("Fréquence 1 (référence) de 10 à 17000 Hz"));
    m_freq1Label = new QLabel(tr("&Fréquence 1 "), this);
    m_freq1Label->setBuddy(m_freq1Edit);
    m_freq1Label->setFixedHeight(40);

    m_label7 = new QLabel(this);
    m_label7->setObjectName(QStringLiteral("statusLabel"));
    m_label7->setFixedHeight(40);
    m_label7->setWordWrap(true);

    m_aideButton = new QPushButton(tr("&Aide"), this);
    m_aideButton->setObjectName(QStringLiteral("aideButton"));
    m_aideButton->setMaximumWidth(85);

    m_notesGroup = new QButtonGroup(this);
    m_notesGroup->setObjectName(QStringLiteral("notesGroup"));
    m_notesGroup->setExclusive(true);
    const char *const noms[7] = {QT_TR_NOOP("Do"), QT_TR_NOOP("Ré"), QT_TR_NOOP("Mi"),
                                 QT_TR_NOOP("Fa"), QT_TR_NOOP("Sol"), QT_TR_NOOP("La"),
                                 QT_TR_NOOP("Si")};
    for (int id = 1; id <= 7; ++id)
        m_notesGroup->addButton(new QRadioButton(tr(noms[id - 1]), this), id);
    m_notesGroup->button(6)->setChecked(true);

    m_la4Spin = new QSpinBox(this);
    m_la4Spin->setObjectName(QStringLiteral("la4Spin"));
    m_la4Spin->setRange(430, 450);
    m_la4Spin->setSingleStep(1);
    m_la4Spin->setValue(440);
    m_la4Spin->setMaximumWidth(70);
    m_la4Spin->setToolTip(tr("Frequence de reference pour La4 de 435 à 445"));

    m_alterCombo = new QComboBox(this);
    m_alterCombo->setObjectName(QStringLiteral("alterCombo"));
    m_alterCombo->addItems({tr("bémol"), tr("bécarre"), tr("dièze")});
    m_alterCombo->setCurrentIndex(1);
    m_alterCombo->setMaximumWidth(70);
    m_alterCombo->setToolTip(tr("Choisir une altération : bémol, bécarre, dièze"));

    m_octaveSpin = new QSpinBox(this);
    m_octaveSpin->setObjectName(QStringLiteral("octaveSpin"));
    m_octaveSpin->setRange(-2, 10);
    m_octaveSpin->setValue(4);
    m_octaveSpin->setMaximumWidth(70);
    m_octaveSpin->setToolTip(tr("Choisir l'octave entre -2 et 10"));

    m_creditLabel = new QLabel(tr("<small><i>ZIB, le diapason<br>numérique</i></small>"), this);
    m_diapasonLabel = new QLabel(this);
    m_diapasonLabel->setFixedSize(50, 60);
    m_diapasonLabel->setPixmap(QPixmap::fromImage(m_imageDiapason));

    m_correctionDial = new QDial(this);
    m_correctionDial->setObjectName(QStringLiteral("correctionDial"));
    m_correctionDial->setRange(-49, 49);
    m_correctionDial->setSingleStep(1);
    m_correctionDial->setNotchesVisible(true);
    m_correctionDial->setFocusPolicy(Qt::StrongFocus);
    m_correctionDial->setFixedWidth(75);
    m_correctionDial->setToolTip(tr("Correction par pas de 1 cent"));

    m_centsEdit = new QLineEdit(QStringLiteral("0"), this);
    m_centsEdit->setObjectName(QStringLiteral("centsEdit"));
    m_centsEdit->setReadOnly(true);
    m_centsEdit->setAlignment(Qt::AlignCenter);
    m_centsEdit->setMaximumWidth(40);
    m_centsEdit->setToolTip(tr("Correction de -49 à +49 cents"));

    m_unitesCombo = new QComboBox(this);
    m_unitesCombo->setObjectName(QStringLiteral("unitesCombo"));
    m_unitesCombo->addItems({tr("En cents"), tr("En savarts"), tr("En commas")});
    m_unitesCombo->setToolTip(tr("Choix de l'unité de mesure pour les intervalles"));

    m_unitesEdit = new QLineEdit(QStringLiteral("0"), this);
    m_unitesEdit->setObjectName(QStringLiteral("unitesEdit"));
    m_unitesEdit->setValidator(decimalValidator(-20000, 20000, 3, this));
    m_unitesEdit->setFixedWidth(81);
    m_unitesEdit->setToolTip(tr("Intervalle en cents, en savarts ou commas"));

    m_decimalEdit = new QLineEdit(QStringLiteral("1"), this);
    m_decimalEdit->setObjectName(QStringLiteral("decimalEdit"));
    m_decimalEdit->setValidator(decimalValidator(1e-6, 120, 6, this));
    m_decimalEdit->setFixedWidth(81);
    m_decimalEdit->setToolTip(tr("Intervalle sous forme décimal : exemple 1.5 pour la quinte"));

    m_fractionEdit = new QLineEdit(this);
    m_fractionEdit->setObjectName(QStringLiteral("fractionEdit"));
    m_fractionEdit->setInputMask(QStringLiteral("000009/d00000"));
    m_fractionEdit->setText(QStringLiteral("1/1"));
    m_fractionEdit->setFixedWidth(81);

    m_listeButton = new QPushButton(tr("Liste"), this);
    m_listeButton->setObjectName(QStringLiteral("listeButton"));
    m_listeButton->setCursor(Qt::PointingHandCursor);
    m_listeButton->setMaximumWidth(81);
    m_listeButton->setToolTip(tr("Cliquer pour choisir un degré dans une liste"));

    m_freq2Edit = new QLineEdit(QStringLiteral("440.0:La 4"), this);
    m_freq2Edit->setObjectName(QStringLiteral("freq2Edit"));
    m_freq2Edit->setReadOnly(true);
    QPalette rouge = m_freq2Edit->palette();
    rouge.setColor(QPalette::Text, Qt::red);
    rouge.setColor(QPalette::Base, palette().color(QPalette::Button));
    m_freq2Edit->setPalette(rouge);
    m_freq2Edit->setFixedWidth(82);
    m_freq2Edit->setToolTip(tr("Freq 2 = Freq 1 + Intervalle "));

    m_formeCombo = new QComboBox(this);
    m_formeCombo->setObjectName(QStringLiteral("formeCombo"));
    m_formeCombo->addItems({tr("sinus"), tr("triangle"), tr("parabole"), tr("carré"), tr("rampe"),
                            tr("synthèse")});
    m_formeCombo->setMaximumWidth(90);
    m_formeCombo->setToolTip(tr("Forme du signal : sinus, triangle, parabole, etc."));

    m_ondeLabel = new QLabel(this);
    m_ondeLabel->setObjectName(QStringLiteral("ondeLabel"));
    m_ondeLabel->setFixedSize(90, 40);
    m_ondeLabel->setPixmap(QPixmap::fromImage(m_imageOnde));

    m_volumeGroup = new QGroupBox(tr("Volume"), this);
    m_volumeGroup->setObjectName(QStringLiteral("volumeGroup"));
    m_volumeGroup->setAlignment(Qt::AlignHCenter);
    m_volumeGroup->setEnabled(false);
    m_volumeSlider = new QSlider(Qt::Vertical, m_volumeGroup);
    m_volumeSlider->setObjectName(QStringLiteral("volumeSlider"));
    m_volumeSlider->setRange(-50, 50);
    m_volumeSlider->setValue(0);
    m_volumeSlider->setTickPosition(QSlider::TicksRight);
    m_volumeSlider->setTickInterval(20);
    m_volumeSlider->setFixedSize(10, 45);
    m_volumeSlider->setToolTip(tr("Augmenter ou diminuer l'amplitude.\nAttention le changement de "
                                  "volume n'a d'effet que pour les enregistrements"));
    m_dbLabel = new QLabel(QStringLiteral("  0 dB"), m_volumeGroup);
    m_dbLabel->setObjectName(QStringLiteral("dbLabel"));
    m_dbLabel->setFixedWidth(35);
    QFont petite = m_dbLabel->font();
    petite.setPointSizeF(petite.pointSizeF() * 0.8); // "-50 dB" in 35 pixels
    m_dbLabel->setFont(petite);

    m_parametresButton = new QPushButton(tr("Paramètres"), this);
    m_parametresButton->setObjectName(QStringLiteral("parametresButton"));
    m_parametresButton->setEnabled(false);
    m_parametresButton->setDefault(false);
    m_parametresButton->setAutoDefault(false);
    m_parametresButton->setFixedWidth(90);
    m_parametresButton->setToolTip(tr("Actif dans le cas d'une synthèse modale"));

    m_fechCombo = new QComboBox(this);
    m_fechCombo->setObjectName(QStringLiteral("fechCombo"));
    for (int rate : kSampleRates)
        m_fechCombo->addItem(QString::number(rate));
    m_fechCombo->setCurrentIndex(kDefaultSampleRateIndex);
    m_fechCombo->setToolTip(tr("Fréquence d'échantillonnage"));

    m_dureeEdit = new QLineEdit(QStringLiteral("1"), this);
    m_dureeEdit->setObjectName(QStringLiteral("dureeEdit"));
    m_dureeEdit->setValidator(decimalValidator(0.01, 120, 2, this));
    m_dureeEdit->setFixedWidth(35);
    m_dureeEdit->setToolTip(tr("Durée du son enregistré, de 0.01 à 120 secondes"));

    m_accordeurButton = new QPushButton(tr("Accordeur"), this);
    m_accordeurButton->setObjectName(QStringLiteral("accordeurButton"));
    m_jouer1Button = boutonMain(tr("Jouer Freq &1"), this);
    m_jouer1Button->setObjectName(QStringLiteral("jouer1Button"));
    m_jouer1Button->setDefault(true);
    m_jouer2Button = boutonMain(tr("Jouer Freq &2"), this);
    m_jouer2Button->setObjectName(QStringLiteral("jouer2Button"));
    m_sauv1Button = boutonMain(tr("Sauv. Fréq 1"), this);
    m_sauv1Button->setObjectName(QStringLiteral("sauv1Button"));
    m_sauv1Button->setToolTip(tr("Enregistrer Fréq. 1 dans un fichier"));
    m_sauv2Button = boutonMain(tr("Sauv. Fréq 2"), this);
    m_sauv2Button->setObjectName(QStringLiteral("sauv2Button"));
    m_sauv2Button->setToolTip(tr("Enregistrer Fréq. 2 dans un fichier"));
    m_ouvrirButton = boutonMain(tr("&Ouvrir"), this);
    m_ouvrirButton->setObjectName(QStringLiteral("ouvrirButton"));
    m_boucleCheck = new QCheckBox(tr("En boucle"), this);
    m_boucleCheck->setObjectName(QStringLiteral("boucleCheck"));
    m_boucleCheck->setToolTip(tr("Pour jouer le fichier en boucle"));
    m_stopButton = boutonMain(tr("&Stop"), this);
    m_stopButton->setObjectName(QStringLiteral("stopButton"));
    m_stopButton->setEnabled(false);

    m_message = new QMessageBox(this);
    m_message->setObjectName(QStringLiteral("message"));

    m_clignotement.setInterval(500);
}

void Diapason::disposerControles()
{
    // Column 1: the reference frequency and its note.
    auto *referenceGroup = new QGroupBox(tr("Fréquence de référence"), this);
    auto *referenceLayout = new QVBoxLayout(referenceGroup);

    auto *freq1Row = new QHBoxLayout;
    freq1Row->addWidget(m_freq1Label);
    freq1Row->addWidget(m_freq1Edit);
    freq1Row->addWidget(m_label7);
    freq1Row->addWidget(m_aideButton);
    referenceLayout->addLayout(freq1Row);

    auto *notesBox = new QGroupBox(tr("Notes musicales"), referenceGroup);
    notesBox->setFixedSize(300, 70);
    auto *notesLayout = new QHBoxLayout(notesBox);
    // Seven names in 300 pixels: no room for the style's default spacing.
    notesLayout->setSpacing(0);
    notesLayout->setContentsMargins(4, 0, 4, 0);
    for (QAbstractButton *b : m_notesGroup->buttons())
        notesLayout->addWidget(b);
    referenceLayout->addWidget(notesBox);
    referenceLayout->addSpacing(10);

    auto *noteForm = new QFormLayout;
    noteForm->addRow(tr("Diapason La 4"), m_la4Spin);
    noteForm->addRow(tr("Altération"), m_alterCombo);
    noteForm->addRow(tr("Octave"), m_octaveSpin);
    auto *creditRow = new QHBoxLayout;
    creditRow->addWidget(m_creditLabel);
    creditRow->addWidget(m_diapasonLabel);
    auto *noteColumn = new QVBoxLayout;
    noteColumn->addLayout(noteForm);
    noteColumn->addLayout(creditRow);

    auto *ecartGroup = new QGroupBox(tr("Ecart en Cents"), referenceGroup);
    auto *ecartLayout = new QVBoxLayout(ecartGroup);
    ecartLayout->setSpacing(-10);
    ecartLayout->setContentsMargins(0, 0, 0, 0);
    ecartLayout->addWidget(m_correctionDial);
    ecartLayout->addWidget(m_centsEdit);
    ecartGroup->setMinimumHeight(90);

    auto *noteRow = new QHBoxLayout;
    noteRow->addLayout(noteColumn);
    noteRow->addWidget(ecartGroup);
    referenceLayout->addLayout(noteRow);

    // Column 2: the interval and the audio parameters.
    auto *intervalleGroup = new QGroupBox(tr("Intervalle Freq1-Freq2"), this);
    auto *intervalleForm = new QFormLayout(intervalleGroup);
    intervalleForm->addRow(m_unitesCombo, m_unitesEdit);
    intervalleForm->addRow(tr("En décimal"), m_decimalEdit);
    intervalleForm->addRow(tr("En fraction"), m_fractionEdit);
    intervalleForm->addRow(tr("Liste d'intervalles"), m_listeButton);
    intervalleForm->addRow(tr("Fréquence 2"), m_freq2Edit);

    auto *audioGroup = new QGroupBox(tr("Paramètres Audio"), this);
    auto *audioLayout = new QVBoxLayout(audioGroup);
    auto *volumeLayout = new QHBoxLayout(m_volumeGroup);
    volumeLayout->addWidget(m_volumeSlider);
    volumeLayout->addWidget(m_dbLabel);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Forme du Signal"), audioGroup), 0, 0);
    grid->addWidget(m_formeCombo, 0, 1);
    grid->addWidget(m_volumeGroup, 1, 0, 2, 1);
    grid->addWidget(m_ondeLabel, 1, 1);
    grid->addWidget(m_parametresButton, 2, 1);
    grid->setVerticalSpacing(2);
    audioLayout->addLayout(grid);
    auto *fechRow = new QHBoxLayout;
    fechRow->addWidget(new QLabel(tr("Fe"), audioGroup));
    fechRow->addWidget(m_fechCombo);
    auto *dureeLabel = new QLabel(tr("&Durée"), audioGroup);
    dureeLabel->setBuddy(m_dureeEdit);
    fechRow->addWidget(dureeLabel);
    fechRow->addWidget(m_dureeEdit);
    audioLayout->addLayout(fechRow);

    auto *column2 = new QVBoxLayout;
    column2->addWidget(intervalleGroup);
    column2->addWidget(audioGroup);

    // Column 3: the actions.
    auto *accorderGroup = new QGroupBox(tr("Accorder"), this);
    auto *accorderLayout = new QVBoxLayout(accorderGroup);
    accorderLayout->addWidget(m_accordeurButton);
    accorderLayout->addWidget(m_jouer1Button);
    accorderLayout->addWidget(m_jouer2Button);
    auto *enregistrerGroup = new QGroupBox(tr("Enregistrer"), this);
    auto *enregistrerLayout = new QVBoxLayout(enregistrerGroup);
    enregistrerLayout->addWidget(m_sauv1Button);
    enregistrerLayout->addWidget(m_sauv2Button);
    auto *fichierGroup = new QGroupBox(tr("Ecouter Fichier"), this);
    auto *fichierLayout = new QVBoxLayout(fichierGroup);
    fichierLayout->addWidget(m_ouvrirButton);
    fichierLayout->addWidget(m_boucleCheck);
    fichierLayout->addWidget(m_stopButton);
    auto *column3 = new QVBoxLayout;
    column3->addWidget(accorderGroup);
    column3->addWidget(enregistrerGroup);
    column3->addWidget(fichierGroup);
    column3->addStretch();

    auto *main = new QHBoxLayout(this);
    main->addWidget(referenceGroup);
    main->addLayout(column2);
    main->addLayout(column3);
}

void Diapason::connecterControles()
{
    connect(&m_clignotement, &QTimer::timeout, this, &Diapason::clignotLabel7);
    connect(m_correctionDial, &QDial::valueChanged, this, &Diapason::setCentRef);
    connect(m_freq1Edit, &QLineEdit::textEdited, this, &Diapason::newfreq);
    // On the completed click rather than the press: the click checks the pressed button, which must
    // not undo the respelling (Do flat is checked as Si).
    connect(m_notesGroup, &QButtonGroup::idClicked, this, &Diapason::freqref);
    connect(m_octaveSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Diapason::octaviation);
    connect(m_centsEdit, &QLineEdit::textEdited, this, &Diapason::correction);
    connect(m_alterCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Diapason::correcalter);
    connect(m_formeCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Diapason::enableParSynth);
    connect(m_unitesEdit, &QLineEdit::textEdited, this, &Diapason::cent2frac);
    connect(m_decimalEdit, &QLineEdit::textEdited, this, &Diapason::frac2cent);
    connect(m_unitesCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &Diapason::majInterv);
    connect(m_formeCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Diapason::changeImageOnde);
    connect(m_volumeSlider, &QSlider::valueChanged, this, &Diapason::volumeChange);
    connect(m_jouer2Button, &QPushButton::clicked, this, &Diapason::jouer2);
    connect(m_jouer1Button, &QPushButton::clicked, this, &Diapason::jouer1);
    connect(m_stopButton, &QPushButton::clicked, this, &Diapason::stopSon);
    connect(m_ouvrirButton, &QPushButton::clicked, this, &Diapason::jouerFich);
    connect(m_sauv1Button, &QPushButton::clicked, this, &Diapason::saveFreq1);
    connect(m_sauv2Button, &QPushButton::clicked, this, &Diapason::saveFreq2);
    connect(m_aideButton, &QPushButton::clicked, this, &Diapason::help);
    connect(m_accordeurButton, &QPushButton::clicked, this, &Diapason::accordDlg);
    connect(m_fractionEdit, &QLineEdit::textEdited, this, &Diapason::fraction);
}

void Diapason::keyPressEvent(QKeyEvent *event)
{
    // Escape would close the main window, and with it the program.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Diapason::afficherErreur(const QString &html)
{
    m_label7->setText(html);
    m_label7->show();
    m_clignotement.start(500);
}

void Diapason::effacerErreur()
{
    m_label7->clear();
    m_label7->show();
    m_clignotement.stop();
}

void Diapason::montrerMessage(const QString &text)
{
    m_message->setText(text);
    m_message->exec();
}

void Diapason::ecrireUnites(float cents)
{
    m_unitesEdit->setText(g(cents / centsParUnite(m_unitesCombo->currentIndex()), 6));
}

void Diapason::cent2frac(const QString &text)
{
    const float c = float(text.toFloat() * centsParUnite(m_unitesCombo->currentIndex()));
    const float r = std::pow(2.0f, c / 1200.0f);
    m_decimalEdit->setText(g(r, 6));
    griserFrac();
    newfreq(m_freq1Edit->text());
}

void Diapason::frac2cent(const QString &text)
{
    const float r = text.toFloat();
    if (text.isEmpty() || !(r > 0))
        return;
    const float c = float(1200.0 * std::log(r) / std::log(2.0));
    ecrireUnites(c);
    griserFrac();
    newfreq(m_freq1Edit->text());
}

void Diapason::fraction()
{
    degriserFrac();
    const QString texte = m_fractionEdit->text();
    const int barre = texte.indexOf(QLatin1Char('/'));
    const QString p = barre < 0 ? texte : texte.left(barre);
    const QString q = barre < 0 ? QStringLiteral("1") : texte.mid(texte.lastIndexOf(QLatin1Char('/')) + 1);
    bool qNombre = false;
    const int numerateur = p.toInt();
    const int denominateur = q.toInt(&qNombre);
    if (p.isEmpty() || q.isEmpty() || !qNombre || denominateur == 0 || numerateur == 0)
        return;

    const double r = double(numerateur) / denominateur;
    m_decimalEdit->setText(g(r, 6));
    ecrireUnites(float(1200.0 * std::log2(r)));
    newfreq(m_freq1Edit->text());
}

void Diapason::majInterv(int unite)
{
    const float r = m_decimalEdit->text().toFloat();
    float valeur = std::log(r) * 1200.0f / std::log(2.0f);
    if (unite == 1)
        valeur = std::log(r) * 1000.0f / std::log(10.0f);
    else if (unite == 2)
        valeur = float(std::log(r) * 1200.0f / std::log(2.0f) / kCentsParComma);
    m_unitesEdit->setText(g(valeur, 6));
}

void Diapason::decim2Frac(const float &x, int *n, int *d, int prec)
{
    ::decim2Frac(x, n, d, prec);
}

void Diapason::griserFrac()
{
    int n = 1;
    int d = 0;
    decim2Frac(m_decimalEdit->text().toFloat(), &n, &d, 5);
    m_fractionEdit->setText(QString::number(n) + QLatin1Char('/') + QString::number(d));
    QPalette p = m_fractionEdit->palette();
    p.setColor(QPalette::Base, kFractionCalculee);
    m_fractionEdit->setPalette(p);
}

void Diapason::degriserFrac()
{
    QPalette p = m_fractionEdit->palette();
    p.setColor(QPalette::Base, kFractionTapee);
    m_fractionEdit->setPalette(p);
}

void Diapason::deg2interv(const ListInterv &liste, int k)
{
    if (k < 0 || k >= liste.liste.size())
        return;
    const Interval &intervalle = liste.liste.at(k);
    ecrireUnites(intervalle.cent);
    m_decimalEdit->setText(g(intervalle.frac, 6));
    griserFrac();
    newfreq(m_freq1Edit->text());
}

float Diapason::calcFreq(float f1)
{
    const float f2 = m_decimalEdit->text().toFloat() * f1;
    if (f2 > 15000 || f2 < 10)
        afficherErreur(tr("<font color=red><b>Fréquence 2 non permise</b></font>"));
    else
        effacerErreur();
    return f2;
}

void Diapason::newfreq(const QString &text)
{
    freq1 = text.toDouble();
    if (freq1 < 10 || freq1 > 15000)
        afficherErreur(tr("<font color=red><b>Fréquence non permise</b></font>"));
    else
        effacerErreur();
    if (text.isEmpty() || !(freq1 > 10 && freq1 <= 15000))
        return;

    curspos = m_freq1Edit->cursorPosition();
    const float f2 = calcFreq(static_cast<float>(freq1));
    freqNoteOctCor();
    m_freq1Edit->setCursorPosition(curspos);

    m_noteCible->freq = m_freq1Edit->text().toFloat() * m_decimalEdit->text().toFloat();
    m_noteCible->la4 = m_la4Spin->value();
    m_noteCible->setNote();
    m_noteCible->setNomNote();
    m_freq2Edit->setText(g(f2, 4) + QLatin1Char(':') + m_noteCible->nomNote);
    m_freq2Edit->setAlignment(Qt::AlignCenter);
    m_freq1Edit->setCursorPosition(curspos);

    if (m_accordeur) {
        m_accordeur->setNoteCible(m_noteCible);
        m_accordeur->afficheCible();
        m_accordeur->calculPrecision();
    }
}

void Diapason::freqNoteOctCor()
{
    int s = 0;
    int oct = 0;
    float c = 0;
    CFreqNoteOctCor(freq1, &s, &oct, &c, m_la4Spin->value());
    cornew = corold = c;
    octnew = oct;

    const Orthographe o = orthographe(s);
    idNote = o.note;
    if (QAbstractButton *b = m_notesGroup->button(o.note))
        b->setChecked(true);
    m_alterCombo->setCurrentIndex(o.alteration);

    const float c2 = static_cast<float>(std::round(c * 100.0) / 100.0);
    m_freq1Edit->setCursorPosition(curspos);
    m_centsEdit->setText(g(c2, 4));
    m_correctionDial->setValue(static_cast<int>(std::lround(c2)));
    if (c2 < 0)
        cursposcor += 1;
    m_centsEdit->setCursorPosition(cursposcor);
    m_octaveSpin->setValue(oct);
}

void Diapason::freqref(int id)
{
    idNote = id;
    freq1 = m_la4Spin->value();
    CFreqref(id, octnew, alter, cornew, &freq1);
    m_freq1Edit->setText(g(freq1, 6));
    newfreq(m_freq1Edit->text());
}

void Diapason::correcalter(int index)
{
    alter = (index - 1) * 100.0f;
    freqref(idNote);
    newfreq(m_freq1Edit->text());
}

void Diapason::octaviation(int oct)
{
    const int precedente = octnew;
    octnew = oct;
    freq1 *= std::pow(2.0, oct - precedente);
    m_freq1Edit->setText(g(freq1, 6));
    newfreq(m_freq1Edit->text());
}

void Diapason::setCentRef(int v)
{
    m_centsEdit->setText(g(v, 6));
    correction(m_centsEdit->text());
}

void Diapason::correction(const QString &text)
{
    corold = cornew;
    cornew = 0;
    cursposcor = m_centsEdit->cursorPosition();

    bool nombre = true;
    if (!text.isEmpty()) {
        const float v = text.toFloat(&nombre);
        if (nombre)
            cornew = v;
    }
    const float d = cornew - corold;
    if (nombre && std::fabs(d) > 0.5f) {
        if (cornew > -50 && cornew < 50) {
            freq1 *= std::pow(2.0, d / 1200.0);
            m_freq1Edit->setText(g(freq1, 6));
            // The sounding tone follows; the dial's second connection restarts it (rejouer).
            if (m_player1 && m_player1->state() == QAudio::ActiveState && m_player1->gen)
                m_player1->gen->freq = float(freq1);
            newfreq(m_freq1Edit->text());
            m_correctionDial->setValue(static_cast<int>(std::lround(cornew)));
        } else {
            montrerMessage(tr("La correction en cent ne doit pas depasser 49 cents"));
            cornew = corold;
            m_centsEdit->setText(g(corold, 6));
            m_correctionDial->setValue(static_cast<int>(std::floor(corold + 0.5f)));
        }
    }
    m_centsEdit->setCursorPosition(cursposcor);
}

int Diapason::freqEch() const
{
    return sampleRateAt(m_fechCombo->currentIndex());
}

float Diapason::frequency1() const
{
    return m_freq1Edit->text().toFloat();
}

float Diapason::decimalRatio() const
{
    return m_decimalEdit->text().toFloat();
}

float Diapason::duration() const
{
    return m_dureeEdit->text().toFloat();
}

int Diapason::waveform() const
{
    return m_formeCombo->currentIndex();
}

const ListInterv *Diapason::intervalList() const
{
    return nullptr;
}

void Diapason::openMelodyEditor(QWidget *parent, const ListInterv &liste)
{
    // A closed editor goes with its render, which may hold minutes of sound.
    auto *editeur = new MelodyDlg(this, liste, parent ? parent : this);
    editeur->setAttribute(Qt::WA_DeleteOnClose);
    editeur->show();
}

void Diapason::jouer1()
{
    const float f = m_freq1Edit->text().toFloat();
    if (f > 15000 || f < 10) {
        montrerMessage(tr("Fréquence non admise"));
        return;
    }
    basculerTon(m_player1, m_player2, m_jouer1Button, tr("Jouer Freq &1"), f,
                tr("Choisir d'abord un modèle de synthèse"), true);
}

void Diapason::jouer2()
{
    const float f = m_freq1Edit->text().toFloat() * m_decimalEdit->text().toFloat();
    if (f > 15000 || f < 10) {
        montrerMessage(tr("Fréquence non permise"));
        return;
    }
    basculerTon(m_player2, m_player1, m_jouer2Button, tr("Jouer Freq &2"), f,
                tr("Définir d'abord un modèle de synthèse"), false);
}

void Diapason::basculerTon(AudioPlay *&joueur, AudioPlay *autre, QPushButton *bouton,
                           const QString &texteJouer, float freq, const QString &sansModele,
                           bool suitLaCorrection)
{
    const float duree = m_dureeEdit->text().toFloat();
    const int forme = m_formeCombo->currentIndex();
    if (!(duree >= 1)) {
        montrerMessage(tr("Pour jouer ce son en boucle, choisir une durée supérieure ou égale à 1 seconde"));
        m_dureeEdit->setText(QStringLiteral("1"));
        return;
    }
    if (forme == 5 && !m_modele) {
        montrerMessage(sansModele);
        return;
    }
    if (joueur && joueur->state() == QAudio::ActiveState) {
        joueur->sortie->stop();
        joueur->deleteLater();
        joueur = nullptr;
        bouton->setText(texteJouer);
        return;
    }
    delete joueur;
    joueur = nullptr;

    auto *nouveau = new AudioPlay(freqEch());
    nouveau->setParent(this);
    // Two tones together stay below full scale.
    const bool ensemble = autre && autre->state() == QAudio::ActiveState;
    if (ensemble)
        nouveau->amplitude = 0.49f;
    if (suitLaCorrection)
        connect(m_correctionDial, &QDial::valueChanged, nouveau, &AudioPlay::rejouer);
    const int secondes = int(std::min(duree, 120.0f)); // the field's bound; whole seconds loop
    const bool sonne = forme == 5 ? nouveau->jouer(freq, secondes, m_modele)
                                  : nouveau->jouer(freq, secondes, forme);
    if (!sonne) {
        // A silent "&Stop" would pass a failure for a sounding tone.
        delete nouveau;
        montrerMessage(tr("Impossible de jouer ce son : la sortie audio n'est pas disponible"));
        return;
    }
    if (ensemble) {
        autre->amplitude = 0.49f;
        autre->rejouer();
    }
    joueur = nouveau;
    bouton->setText(tr("&Stop"));
}

void Diapason::jouerFich()
{
    fichson = m_demandeOuverture(this, tr("Choisir un fichier"), QStringLiteral("./sounds/"),
                                 tr("Fichier (*.wav)"));
    if (fichson.isEmpty())
        return;
    m_stopButton->setEnabled(true);
    if (!playFich(fichson, m_boucleCheck->isChecked())) {
        montrerMessage(tr("Problème de lecture du fichier audio"));
        return;
    }
    m_stopButton->setText(tr("&Stop"));
}

void Diapason::stopSon()
{
    if (!fichson.isEmpty())
        togglePlayFich();
}

void Diapason::togglePlayFich()
{
    m_stopButton->setText(stopSonSynth() ? tr("&Continuer") : tr("&Stop"));
}

void Diapason::initAPlay()
{
    // Forgotten players stay children of the window, released with it.
    m_player1 = nullptr;
    m_player2 = nullptr;
}

void Diapason::saveFreq1()
{
    sauvegarder(m_freq1Edit->text().toFloat(), QStringLiteral("./"), true);
}

void Diapason::saveFreq2()
{
    sauvegarder(m_freq1Edit->text().toFloat() * m_decimalEdit->text().toFloat(),
                QStringLiteral("./sounds/"), false);
}

void Diapason::sauvegarder(float freq, const QString &dossier, bool messagesLongs)
{
    const float duree = m_dureeEdit->text().toFloat();
    const int forme = m_formeCombo->currentIndex();
    const float fe = float(freqEch());
    if (forme == 5 && !m_modele) {
        montrerMessage(tr("Choisir d'abord un modele de synthèse"));
        return;
    }
    QString nom = m_demandeSauvegarde(this, tr("Sauvegarder fichier"), dossier, QStringLiteral("*.wav"));
    if (nom.isEmpty())
        return;
    if (!nom.endsWith(QLatin1String(".wav")))
        nom += QLatin1String(".wav");

    const QString echec = tr("Impossible d'ouvrir le fichier pour écriture");
    if (forme != 5) {
        if (!syntheseSave(freq, duree, forme, fe, &nom))
            montrerMessage(echec);
        return;
    }

    bool ecrit = false;
    const float pic = syntheseSave(freq, duree, m_modele, fe, &nom, m_volume, &ecrit);
    if (pic > kSaturationPeak) {
        const int db = decibels(pic / kSaturationPeak) + 1;
        montrerMessage(messagesLongs
                           ? tr("Saturation ! Baisser le volume de %1 dB\nLe fichier n'a pas été enregistré").arg(db)
                           : tr("Saturation ! Baisser le volume de %1 dB").arg(db));
    } else if (!ecrit) {
        montrerMessage(echec);
    } else if (!(pic > 0)) {
        // No mode sounds at this fundamental: no figure of dB would help.
        montrerMessage(messagesLongs ? tr("Le modèle ne sonne pas à cette fréquence\nLe fichier a tout même été  enregistré")
                                     : tr("Le modèle ne sonne pas à cette fréquence"));
    } else if (pic < kPicFaible) {
        const int db = decibels(kSaturationPeak / pic);
        montrerMessage(messagesLongs
                           ? tr("Volume trop faible ! Vous pouvez augmenter le volume de %1 dB\nLe fichier a tout même été  enregistré").arg(db)
                           : tr("Volume trop faible ! Vous pouvez augmenter le volume de %1 dB").arg(db));
    }
}

void Diapason::volumeChange(int v)
{
    m_volume = v;
    m_dbLabel->setText(QStringLiteral("%1 dB").arg(v, 3));
}

void Diapason::changeImageOnde(int index)
{
    if (index < 0 || index > 5)
        return;
    m_imageOnde.load(QString::fromLatin1(kImagesOnde[index]));
    m_ondeLabel->setPixmap(QPixmap::fromImage(m_imageOnde));
}

void Diapason::enableParSynth(int index)
{
    const bool synthese = index == 5;
    m_parametresButton->setEnabled(synthese);
    m_volumeGroup->setEnabled(synthese);
}

void Diapason::clignotLabel7()
{
    m_label7->setHidden(!m_label7->isHidden());
}

void Diapason::help()
{
    const QString page = QDir::current().absoluteFilePath(QStringLiteral("doc/index.html"));
    if (QFileInfo::exists(page) && QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        return;
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kPageProjet)));
}

void Diapason::accordDlg()
{
    // A new tuner on every press; the earlier ones stay open until closed.
    auto *accordeur = new AccordeurDlg(this);
    accordeur->setObjectName(QStringLiteral("accordeur"));
    // Each press makes a new one: a closed tuner is not kept.
    accordeur->setAttribute(Qt::WA_DeleteOnClose);
    m_accordeur = accordeur;
    accordeur->setNoteCible(m_noteCible);
    accordeur->afficheCible();
    // Its resolution was computed before it had this target.
    accordeur->calculPrecision();
    accordeur->setModal(false);
    accordeur->show();
    accordeur->setSizeGripEnabled(false);
}

void Diapason::about()
{
    QMessageBox::about(this, tr("Zib Diapason Numérique v0.10"),
                       tr("ZIB, diapason numérique : notes, intervalles, sons et accordeur."));
}
