#include "tuner/AccordeurDlg.h"

#include "app/MainWindow.h"
#include "intervals/ListInterv.h"
#include "intervals/NearestDegree.h"
#include "tuner/Analyseur.h"
#include "tuner/PreciseDetector.h"
#include "tuner/VuMetre.h"

#include <QAudioInput>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDial>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Offered first when the device lists it: the rate the autocorrelation needs to be fine enough.
const int kFechPreferee = 44100;

const int kPrecise = 3; // index of "Précise" in the method list

// The deviation to a tenth of a cent, rounded half up: "+3.9", "-12.0", "±0.0".
QString tenthsOfCent(float cents)
{
    const int tenths = int(std::floor(10.0f * cents + 0.5f));
    const QString magnitude = QString::number(std::abs(tenths) / 10.0, 'f', 1);
    if (tenths > 0)
        return QLatin1Char('+') + magnitude;
    if (tenths < 0)
        return QLatin1Char('-') + magnitude;
    return QChar(0x00B1) + magnitude;
}

QAudioFormat captureFormat(int rate)
{
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setSampleType(QAudioFormat::SignedInt);
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setCodec(QStringLiteral("audio/pcm"));
    return format;
}

int defaultInputIndex(const QList<QAudioDeviceInfo> &entrees)
{
    const QAudioDeviceInfo defaut = QAudioDeviceInfo::defaultInputDevice();
    if (defaut.isNull())
        return 0;
    const int i = entrees.indexOf(defaut);
    return i < 0 ? 0 : i;
}

} // namespace

AccordeurDlg::AccordeurDlg(QWidget *parent)
    : AccordeurDlg(QAudioDeviceInfo::availableDevices(QAudio::AudioInput), parent)
{
}

AccordeurDlg::AccordeurDlg(const QList<QAudioDeviceInfo> &entrees, QWidget *parent)
    : QDialog(parent), m_noteDetectee(0.0f, 440.0f), m_ownTarget(0.0f, 440.0f),
      m_noteCible(&m_ownTarget)
{
    setWindowTitle(tr("ZIB 0.10 - Accordeur"));
    createWidgets();
    for (const QAudioDeviceInfo &entree : entrees)
        m_deviceBox->addItem(entree.deviceName(), QVariant::fromValue(entree));
    layOut();

    const int index = defaultInputIndex(entrees);
    m_deviceBox->setCurrentIndex(index);
    initializeAudio(index);
    connectWidgets();
    setFixedSize(sizeHint());
}

AccordeurDlg::~AccordeurDlg()
{
    // The input writes into the analyser: it goes first. Qt's PulseAudio input runs the event
    // loop while it is deleted, so a parent must delete this window before its own destruction
    // starts (the main window does).
    releaseInput();
}

void AccordeurDlg::createWidgets()
{
    m_vuMetre = new VuMetre(this);
    m_vuMetre->setObjectName(QStringLiteral("vuMetre"));

    m_boutonAnalyse = new QPushButton(tr("Analyse"), this);
    m_boutonAnalyse->setObjectName(QStringLiteral("boutonAnalyse"));
    m_boutonAnalyse->setToolTip(tr("Analyser le signal à l'entrée du microphone.\nLa détection ne se "
                                   "déclenche que si le niveau du signal dépasse le niveau du bruit plancher"));

    m_methodeBox = new QComboBox(this);
    m_methodeBox->setObjectName(QStringLiteral("methodeBox"));
    m_methodeBox->addItems({tr("Autocorrélation"), tr("Cepstre"), tr("HPS"), tr("Précise")});
    m_methodeBox->setToolTip(tr("Algorithmes de detection : Autocorrélation (méthode temporelle), Cepstre "
                                "et HPS (méthodes spectrales)"));

    m_fenetreBox = new QComboBox(this);
    m_fenetreBox->setObjectName(QStringLiteral("fenetreBox"));
    m_fenetreBox->addItems({tr("Rectangulaire"), tr("Hann"), tr("Hamming"), tr("Blackman")});
    m_fenetreBox->setToolTip(tr("Fenêtres temporelles utilisées dans les méthodes spectrales (Cpestre et "
                                "HPS) pour minimiser les distorsions du spectre"));

    m_nbPointsBox = new QComboBox(this);
    m_nbPointsBox->setObjectName(QStringLiteral("nbPointsBox"));
    m_nbPointsBox->addItems({QStringLiteral("512"), QStringLiteral("1024"), QStringLiteral("2048"),
                             QStringLiteral("4096"), QStringLiteral("8192")});
    m_nbPointsBox->setToolTip(
        tr("Nombre d'échantillons utilisés dans l'analyse ou taille de la fenêtre temporelle.\nDans les "
           "méthodes spectrales (cepstre et HPS), le choix des valeurs élévées augmente la résolution,\n"
           "mais alourdit les calculs (valeurs recommandées 4048 ou plus).\nPour l'autocorrélation, ce "
           "nombre détermine la fréquence la plus basse détectable, alors que la résolution\nne dépend "
           "que de la fréquence d'échantillonnage (valeur recommandée 2024).\nVoir la résolution et les "
           "fréquences Min-Max"));

    m_deviceBox = new QComboBox(this);
    m_deviceBox->setObjectName(QStringLiteral("deviceBox"));
    m_deviceBox->setToolTip(tr("Choisir un système audio parmi ceux disponibles"));

    m_fechBox = new QComboBox(this);
    m_fechBox->setObjectName(QStringLiteral("fechBox"));
    m_fechBox->setToolTip(
        tr("Fréquence d'échantillonage du signal :\n- Pour l'autocorrélation, prendre des valeurs élevées "
           "(valeurs recommandées 44100 ou plus).\n- Pour les méthodes spectrales, le choix des valeurs "
           "élevées diminue la résolution,\nsauf si on choisit aussi un grand nombre de points."));

    m_aiguille = new QDial(this);
    m_aiguille->setObjectName(QStringLiteral("aiguille"));
    m_aiguille->setRange(-49, 50);
    m_aiguille->setSingleStep(1);
    m_aiguille->setNotchesVisible(true);
    m_aiguille->setNotchTarget(2.0);
    m_aiguille->setFixedWidth(75);
    m_aiguille->setEnabled(false);
    m_aiguille->setValue(12);
    m_aiguille->setToolTip(tr("Si la note détectée est proche de la notre cible,\nl'aiguille devient rouge "
                              "et indique la différence en cents entre les deux valeurs"));

    m_lcd = new QLCDNumber(this);
    m_lcd->setObjectName(QStringLiteral("lcd"));
    m_lcd->setSegmentStyle(QLCDNumber::Flat);
    m_lcd->setDigitCount(7);
    QPalette rouge = m_lcd->palette();
    rouge.setColor(QPalette::WindowText, Qt::red);
    m_lcd->setPalette(rouge);

    const QString tirets = QStringLiteral("---");
    m_labelNote = new QLabel(tirets, this);
    m_labelNote->setObjectName(QStringLiteral("labelNote"));
    m_labelNote->setMinimumSize(widestReadingSize());
    m_labelEcart = new QLabel(tirets, this);
    m_labelEcart->setObjectName(QStringLiteral("labelEcart"));
    // The widest deviation: a pitch eleven octaves and a half from the target.
    m_labelEcart->setMinimumWidth(m_labelEcart->fontMetrics().horizontalAdvance(QStringLiteral("-11 oct-599.9")) + 4);
    m_labelEcart->setAlignment(Qt::AlignCenter);
    m_labelCible = new QLabel(tirets, this);
    m_labelCible->setObjectName(QStringLiteral("labelCible"));
    m_labelCible->setWordWrap(true);
    m_labelCible->setScaledContents(true);
    m_labelCible->setAlignment(Qt::AlignCenter);
    QFont police = m_labelCible->font();
    police.setPointSize(12);
    m_labelCible->setFont(police);
    // Two lines, the widest name Frequency 2 can have (10 … 15000 Hz, octaves −1 … 9) above the
    // widest frequency: the window does not grow when the target changes.
    const QFontMetrics cibleMetrics(police);
    int largeurCible = 80;
    MusicalNote nom(0.0f, 440.0f);
    for (int semitone = 0; semitone < 12; ++semitone) {
        nom.freq = 8.1758f * std::pow(2.0f, semitone / 12.0f); // octave −1
        nom.setNote();
        nom.ecart = -49.0f;
        nom.setNomNote();
        largeurCible = std::max(largeurCible, cibleMetrics.horizontalAdvance(nom.nomNote) + 4);
    }
    largeurCible = std::max(largeurCible, cibleMetrics.horizontalAdvance(QStringLiteral("14999.9")) + 4);
    m_labelCible->setFixedWidth(largeurCible);
    m_labelCible->setMinimumHeight(2 * cibleMetrics.lineSpacing() + 2);
    QPalette cible = m_labelCible->palette();
    cible.setColor(QPalette::WindowText, Qt::red);
    m_labelCible->setPalette(cible);
    m_labelCible->setToolTip(tr("Note cible définie dans la fenêtre de dialogue prinipale : fréquence 2"));

    m_listTargetCheck = new QCheckBox(tr("Cible : liste d'intervalles"), this);
    m_listTargetCheck->setObjectName(QStringLiteral("listTargetCheck"));
    m_listTargetCheck->setEnabled(false);
    m_listTargetCheck->setToolTip(tr("Mesurer l'écart au degré le plus proche de la liste d'intervalles ouverte,\n"
                                     "joué sur Fréquence 1, au lieu de Fréquence 2"));

    m_labelResolution = new QLabel(this);
    m_labelResolution->setObjectName(QStringLiteral("labelResolution"));
    m_labelResolution->setFixedWidth(80);
    m_labelMinMax = new QLabel(this);
    m_labelMinMax->setObjectName(QStringLiteral("labelMinMax"));
    // 80 pixels, or what the widest range takes in this font: the window does not grow later.
    const int largeurPlage = m_labelMinMax->fontMetrics().horizontalAdvance(QStringLiteral("000 - 00000 Hz")) + 4;
    m_labelMinMax->setFixedWidth(std::max(80, largeurPlage));

    m_bruitSlider = new QSlider(Qt::Horizontal, this);
    m_bruitSlider->setObjectName(QStringLiteral("bruitSlider"));
    m_bruitSlider->setFixedWidth(250);
    m_bruitSlider->setRange(0, 50);
    m_bruitSlider->setTickPosition(QSlider::TicksAbove);
    m_bruitSlider->setTickInterval(5);
    m_bruitSlider->setValue(5);
    m_bruitSlider->setToolTip(
        tr("Déterminer le niveau minimum du signal pour le distinguer du bruit.\nL'analyse ne se déclenche "
           "que si le niveau du signal à l'entrée du microphone dépasse le niveau du bruit.\nChoisir un "
           "niveau élevé, en fonction du niveau du signal capté en entrée."));
}

void AccordeurDlg::layOut()
{
    m_paramGroup = new QGroupBox(tr("Paramètres d'Analyse"), this);
    m_paramGroup->setObjectName(QStringLiteral("paramGroup"));
    auto *paramForm = new QFormLayout(m_paramGroup);
    paramForm->addRow(tr("Méthode de détection"), m_methodeBox);
    paramForm->addRow(tr("Fenêtre"), m_fenetreBox);
    paramForm->addRow(tr("Nombre de points"), m_nbPointsBox);
    paramForm->addRow(tr("Résolution (cents)"), m_labelResolution);
    paramForm->addRow(tr("Fréquences Min-Max"), m_labelMinMax);

    m_entreeGroup = new QGroupBox(tr("Entrée Audio"), this);
    m_entreeGroup->setObjectName(QStringLiteral("entreeGroup"));
    auto *entreeForm = new QFormLayout(m_entreeGroup);
    entreeForm->addRow(tr("Système (driver)"), m_deviceBox);
    entreeForm->addRow(tr("Freq Ech (Hz)"), m_fechBox);

    auto *bruitGroup = new QGroupBox(tr("Bruit Plancher"), this);
    auto *bruitLayout = new QVBoxLayout(bruitGroup);
    bruitLayout->addWidget(m_bruitSlider);
    bruitLayout->addWidget(m_vuMetre);

    auto *gauche = new QVBoxLayout;
    gauche->addWidget(m_paramGroup);
    gauche->addWidget(m_entreeGroup);
    gauche->addWidget(bruitGroup);

    auto *noteGroup = new QGroupBox(tr("Note Détectée"), this);
    auto *noteLayout = new QVBoxLayout(noteGroup);
    noteLayout->addWidget(m_lcd);
    noteLayout->addWidget(m_labelNote, 0, Qt::AlignHCenter);

    auto *accordageGroup = new QGroupBox(tr("Accordage"), this);
    auto *accordageLayout = new QVBoxLayout(accordageGroup);
    accordageLayout->addWidget(m_listTargetCheck);
    accordageLayout->addWidget(m_labelCible, 0, Qt::AlignHCenter);
    accordageLayout->addWidget(m_aiguille, 0, Qt::AlignHCenter);
    accordageLayout->addWidget(m_labelEcart, 0, Qt::AlignHCenter);

    auto *droite = new QVBoxLayout;
    droite->addWidget(noteGroup);
    droite->addWidget(accordageGroup);
    droite->addWidget(m_boutonAnalyse, 0, Qt::AlignHCenter);

    auto *principal = new QHBoxLayout(this);
    principal->addLayout(gauche);
    principal->addLayout(droite);
}

void AccordeurDlg::connectWidgets()
{
    connect(m_deviceBox, qOverload<int>(&QComboBox::activated), this, &AccordeurDlg::deviceChanged);
    // Only the user's choice: refilling the list for another device must not switch the rate.
    connect(m_fechBox, qOverload<int>(&QComboBox::activated), this, &AccordeurDlg::fechChanged);
    connect(m_nbPointsBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &AccordeurDlg::nbPChanged);
    connect(m_boutonAnalyse, &QPushButton::clicked, this, &AccordeurDlg::toggleSuspend);
    connect(m_methodeBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &AccordeurDlg::setMethode);
    connect(m_fenetreBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &AccordeurDlg::setFenType);
    connect(m_bruitSlider, &QSlider::valueChanged, this, &AccordeurDlg::setNoiseFloor);
    connect(m_listTargetCheck, &QCheckBox::toggled, this, &AccordeurDlg::listTargetToggled);
}

void AccordeurDlg::setNoteCible(MusicalNote *note)
{
    m_noteCible = note;
}

void AccordeurDlg::afficheCible()
{
    if (targetsList()) {
        // A description is the user's free text: it is shortened to the label, whole in the tooltip.
        const QString name = m_listTargetName.isEmpty() ? QStringLiteral("---") : m_listTargetName;
        const QString shown = m_labelCible->fontMetrics().elidedText(name, Qt::ElideRight, m_labelCible->width());
        m_labelCible->setText(shown + QLatin1Char('\n') +
                              (m_listTargetFrequency > 0 ? QString::number(double(m_listTargetFrequency), 'g', 6)
                                                         : QStringLiteral("---")));
        m_labelCible->setToolTip(name);
        return;
    }
    m_labelCible->setToolTip(tr("Note cible définie dans la fenêtre de dialogue prinipale : fréquence 2"));
    if (!m_noteCible) {
        m_labelCible->setText(QStringLiteral("---"));
        return;
    }
    m_noteCible->setNomNote();
    m_labelCible->setText(m_noteCible->nomNote + QLatin1Char('\n') +
                          QString::number(double(m_noteCible->freq), 'g', 6));
}

void AccordeurDlg::calculPrecision()
{
    const int fech = m_analyseur->fech;
    const int n = m_analyseur->nbPoints;
    float r = 0.0f;
    switch (m_methodeBox->currentIndex()) {
    case 0: {
        if (fech <= 0) {
            m_labelResolution->setText(QStringLiteral("---"));
            return;
        }
        const float cible = m_noteCible ? m_noteCible->freq : 0.0f;
        r = 1200.0f * std::log(cible / float(fech) + 1.0f) / 0.6931472f;
        break;
    }
    case 1:
    case 2:
        if (fech <= 0 || n <= 0) {
            m_labelResolution->setText(QStringLiteral("---"));
            return;
        }
        r = float(fech) / float(n);
        break;
    case kPrecise:
        r = 0.1f;
        break;
    default:
        break;
    }
    m_labelResolution->setText(std::isfinite(r) ? QString::number(double(r), 'f', 1) : QStringLiteral("---"));
}

void AccordeurDlg::calcMinMaxFreq()
{
    const int fech = m_analyseur->fech;
    const int n = m_analyseur->nbPoints;
    if (fech <= 0 || n <= 0) {
        m_labelMinMax->setText(QStringLiteral("---"));
        return;
    }
    const bool periods = precise();
    const double lowest = periods ? PreciseDetector::lowestFrequency(n, fech) : double(fech) / n;
    const double highest = periods ? PreciseDetector::highestFrequency(n, fech) : fech * 0.5;
    m_labelMinMax->setText(QString::number(lowest, 'f', 0) + QStringLiteral(" - ") +
                           QString::number(highest, 'f', 0) + QStringLiteral(" Hz"));
}

void AccordeurDlg::refreshDisplay()
{
    m_vuMetre->setLevel(m_analyseur->level);
    m_vuMetre->update();
}

void AccordeurDlg::notified()
{
    if (!m_audioInput)
        return;
    qDebug() << "nbp necessaire" << m_analyseur->nbPoints;
    qDebug() << "nbp lu" << m_audioInput->processedUSecs() * 0.008;
    qDebug() << "audio buffer size" << m_audioInput->bufferSize();
    qDebug() << "m_sample size" << m_format.sampleSize();
}

void AccordeurDlg::toggleSuspend()
{
    if (!m_audioInput) {
        showInputUnavailable();
        return;
    }
    switch (m_audioInput->state()) {
    case QAudio::StoppedState:
        qDebug() << "status: stopped, start()";
        m_analyseur->start();
        m_audioInput->start(m_analyseur);
        // No server, a device that vanished, a format it refuses: the input stops at once.
        if (m_audioInput->state() == QAudio::StoppedState) {
            m_analyseur->stop();
            showInputUnavailable();
            return;
        }
        m_capturing = true;
        m_boutonAnalyse->setText(tr("Stop"));
        m_paramGroup->setEnabled(false);
        m_entreeGroup->setEnabled(false);
        break;
    case QAudio::ActiveState:
        qDebug() << "status: Active, stop()";
        stopCapture();
        break;
    case QAudio::IdleState:
        // An idle input is still capturing as far as the user can tell: "Stop" must stop it.
        qDebug() << "status: IdleState";
        stopCapture();
        break;
    default:
        stopCapture();
        break;
    }
}

void AccordeurDlg::stopCapture()
{
    if (m_audioInput)
        m_audioInput->stop();
    showCaptureStopped();
    holdReading();
}

void AccordeurDlg::showCaptureStopped()
{
    m_capturing = false;
    m_boutonAnalyse->setText(tr("Analyse"));
    m_paramGroup->setEnabled(true);
    m_entreeGroup->setEnabled(true);
}

void AccordeurDlg::showInputUnavailable()
{
    m_labelNote->setText(tr("<font color=red>Pas d'entrée audio</font>"));
}

void AccordeurDlg::stateChanged(QAudio::State state)
{
    qDebug() << "state = " << state;
    // The server went away or the device failed mid-capture: give the controls back.
    if (m_capturing && state == QAudio::StoppedState && m_audioInput &&
        m_audioInput->error() != QAudio::NoError) {
        m_analyseur->stop();
        showCaptureStopped();
        showInputUnavailable();
    }
}

void AccordeurDlg::done(int r)
{
    if (m_capturing)
        stopCapture();
    QDialog::done(r);
}

void AccordeurDlg::deviceChanged(int index)
{
    m_analyseur->stop();
    showCaptureStopped();
    releaseInput();
    initializeAudio(index);
}

void AccordeurDlg::fechChanged(int index)
{
    configureInput(m_fechBox->itemText(index).toInt());
}

void AccordeurDlg::initializeAudio(int index)
{
    m_device = index >= 0 && index < m_deviceBox->count()
                   ? m_deviceBox->itemData(index).value<QAudioDeviceInfo>()
                   : QAudioDeviceInfo();
    m_fechBox->clear();
    const QList<int> rates = m_device.supportedSampleRates();
    for (int rate : rates) {
        qDebug() << "fech" << rate;
        m_fechBox->addItem(QString::number(rate));
    }
    const int preferee = m_fechBox->findText(QString::number(kFechPreferee));
    m_fechBox->setCurrentIndex(preferee >= 0 ? preferee : 0);
    configureInput(m_fechBox->currentText().toInt());
}

void AccordeurDlg::configureInput(int rate)
{
    releaseInput();
    if (m_analyseur) {
        m_analyseur->stop();
        delete m_analyseur;
        m_analyseur = nullptr;
    }

    qDebug() << "dans init fech" << rate;
    m_format = captureFormat(rate);
    // A device that lists no rate cannot be opened (Qt's ALSA back-end lists such devices).
    const bool utilisable = !m_device.isNull() && rate > 0;
    if (utilisable && !m_device.isFormatSupported(m_format)) {
        m_format = m_device.nearestFormat(m_format);
        qWarning() << "Default format not supported - trying to use nearest :";
        qWarning() << "fech" << m_format.sampleRate();
        qWarning() << "byteOrder" << m_format.byteOrder();
        qWarning() << "sample Type" << m_format.sampleType();
        qWarning() << "channels" << m_format.channelCount();
        qWarning() << "sampleSize()" << m_format.sampleSize();
    }

    m_analyseur = new Analyseur(m_format, this);
    connect(m_analyseur, &Analyseur::update, this, &AccordeurDlg::refreshDisplay);
    connect(m_analyseur, &Analyseur::analysee, this, &AccordeurDlg::setFreq);
    connect(m_analyseur, &Analyseur::belowNoiseFloor, this, &AccordeurDlg::holdReading);
    m_analyseur->nbPoints = m_nbPointsBox->currentText().toInt();
    // The nearest format may have another rate: the pitch is measured at the rate captured.
    m_analyseur->fech = m_format.sampleRate() > 0 ? m_format.sampleRate() : 0;
    m_analyseur->methode = m_methodeBox->currentIndex();
    m_analyseur->fenType = m_fenetreBox->currentIndex();
    m_analyseur->minLevel = float(m_bruitSlider->value()) / 50.0f;

    calculPrecision();
    calcMinMaxFreq();
    if (utilisable && m_format.isValid())
        createAudioInput();
}

void AccordeurDlg::createAudioInput()
{
    releaseInput();
    m_audioInput = new QAudioInput(m_device, m_format, this);
    m_audioInput->setNotifyInterval(500);
    qDebug() << "notify intervalle " << m_audioInput->notifyInterval();
    connect(m_audioInput, &QAudioInput::notify, this, &AccordeurDlg::notified);
    connect(m_audioInput, &QAudioInput::stateChanged, this, &AccordeurDlg::stateChanged);
}

void AccordeurDlg::releaseInput()
{
    if (!m_audioInput)
        return;
    if (m_audioInput->state() != QAudio::StoppedState) {
        qDebug() << "m_audioInput state " << m_audioInput->state();
        m_audioInput->stop();
    }
    m_audioInput->disconnect(this);
    delete m_audioInput;
    m_audioInput = nullptr;
}

void AccordeurDlg::nbPChanged(int index)
{
    if (index < 0 || index > 4)
        return;
    m_analyseur->nbPoints = 512 << index;
    calcMinMaxFreq();
    calculPrecision();
}

void AccordeurDlg::setMethode(int index)
{
    m_analyseur->methode = index;
    // Another method's reading is not held in its place.
    m_preciseReading = false;
    m_readingHeld = false;
    scaleNeedle();
    // The resolution and the range depend on the method.
    calculPrecision();
    calcMinMaxFreq();
}

void AccordeurDlg::setFenType(int index)
{
    m_analyseur->fenType = index;
}

void AccordeurDlg::setFreq()
{
    const float f = m_analyseur->freq;
    // 0 Hz: the detector found no pitch; "Précise" keeps its last reading.
    if (!(f > 0.0f) && precise() && m_preciseReading) {
        holdReading();
        return;
    }
    m_preciseReading = precise() && f > 0.0f;
    m_readingHeld = false;
    m_lcd->display(double(f));
    m_noteDetectee.freq = f;
    m_noteDetectee.setNote();
    m_noteDetectee.setNomNote();
    m_labelNote->setText(m_noteDetectee.nomNote.isEmpty() ? QStringLiteral("---")
                                                          : noteMarkup(m_noteDetectee, precise(), false));
    if (targetsList())
        updateListTarget();
    ecartCible();
}

bool AccordeurDlg::targetsList() const
{
    return m_listTargetCheck->isChecked() && m_listTargetCheck->isEnabled() && m_mainWindow &&
           m_mainWindow->intervalList();
}

void AccordeurDlg::setIntervalListOpen(bool open)
{
    if (!open)
        m_listTargetCheck->setChecked(false);
    m_listTargetCheck->setEnabled(open);
    afficheCible();
}

void AccordeurDlg::listTargetToggled()
{
    m_listTargetName.clear();
    m_listTargetFrequency = 0.0f;
    if (targetsList() && m_noteDetectee.freq > 0)
        updateListTarget();
    afficheCible();
    ecartCible();
}

void AccordeurDlg::updateListTarget()
{
    const ListInterv *list = m_mainWindow->intervalList();
    const NearestDegree nearest = NearestDegree::find(*list, m_mainWindow->frequency1(), m_noteDetectee.freq);
    if (nearest.index < 0) {
        m_listTargetName.clear();
        m_listTargetFrequency = 0.0f;
    } else {
        const Interval &degree = list->liste.at(nearest.index);
        m_listTargetName = degree.desc.isEmpty() ? QString::number(double(degree.cent), 'g', 6) : degree.desc;
        m_listTargetFrequency = float(nearest.frequency);
    }
    afficheCible();
}

float AccordeurDlg::targetFrequency() const
{
    if (targetsList())
        return m_listTargetFrequency;
    return m_noteCible ? m_noteCible->freq : 0.0f;
}

void AccordeurDlg::holdReading()
{
    if (!m_preciseReading || !precise())
        return;
    m_readingHeld = true;
    m_labelNote->setText(noteMarkup(m_noteDetectee, true, true));
}

QString AccordeurDlg::noteMarkup(const MusicalNote &note, bool tenths, bool held)
{
    QString name = note.nomNote;
    if (tenths) {
        MusicalNote withoutCents = note;
        withoutCents.ecart = 0.0f;
        withoutCents.setNomNote();
        name = withoutCents.nomNote + tenthsOfCent(note.ecart);
    }
    return readingMarkup(name, held);
}

QString AccordeurDlg::readingMarkup(const QString &name, bool held)
{
    if (!held)
        return QStringLiteral("<font size=5>") + name + QStringLiteral("</font>");
    return QStringLiteral("<font size=5 color=#808080>") + name + QStringLiteral("</font> <font color=#808080>") +
           tr("(figée)") + QStringLiteral("</font>");
}

QSize AccordeurDlg::widestReadingSize()
{
    // A reading made of the widest of each part, in the label's font: the note's name and sign
    // among the twelve of "Précise" (octaves 0 … 8, 25 to about 5500 Hz), the widest digit for the
    // octave and the cents, the widest sign of the deviation. No reading is wider.
    const QFontMetrics metrics(m_labelNote->font());
    const auto widest = [&metrics](const QStringList &candidates) {
        QString best;
        for (const QString &c : candidates)
            if (best.isEmpty() || metrics.horizontalAdvance(c) > metrics.horizontalAdvance(best))
                best = c;
        return best;
    };
    QStringList names;
    MusicalNote note(0.0f, 440.0f);
    for (int semitone = 0; semitone < 12; ++semitone) {
        note.freq = 261.6256f * std::pow(2.0f, semitone / 12.0f);
        note.setNote();
        note.ecart = 0.0f;
        note.setNomNote();
        names << note.nomNote.left(note.nomNote.size() - 1); // without the octave
    }
    QStringList digits;
    for (char d = '0'; d <= '9'; ++d)
        digits << QString(QLatin1Char(d));
    const QString digit = widest(digits);
    const QString sign = widest({QStringLiteral("+"), QStringLiteral("-"), QString(QChar(0x00B1))});
    const QString name = widest(names) + digit + sign + digit + digit + QLatin1Char('.') + digit;
    m_labelNote->setText(readingMarkup(name, true));
    // The widths were compared in the label's own size, the reading is drawn larger: a character
    // more covers what the hinting of the larger size adds.
    const QSize size(m_labelNote->sizeHint().width() + metrics.averageCharWidth(), m_labelNote->sizeHint().height());
    m_labelNote->setText(QStringLiteral("---"));
    return size;
}

void AccordeurDlg::ecartCible()
{
    const float cible = targetFrequency();
    if (cible == 0.0f) {
        if (targetsList())
            m_labelEcart->setText(QStringLiteral("---"));
        return;
    }
    const float detectee = m_noteDetectee.freq;
    const float c = 1200.0f * std::log2(detectee / cible);
    // No pitch, or a target that is no frequency: no deviation to show.
    if (!(detectee > 0.0f) || !(cible > 0.0f) || !std::isfinite(c)) {
        m_labelEcart->setText(QStringLiteral("---"));
        setNeedleColour(palette().color(QPalette::Button));
        return;
    }
    const float o = c / 1200.0f;
    const int oct = int(std::floor(o + 0.5f));
    const float r = c - 1200.0f * float(oct);
    m_labelEcart->setText(QString::number(oct) + QStringLiteral(" oct") +
                          (r > 0 ? QStringLiteral("+") : QString()) + QString::number(double(r), 'f', 1));
    if (oct == 0 && c >= -50.0f && c <= 50.0f) {
        // "Précise" moves the needle by tenths of a cent.
        const float scale = precise() ? 10.0f : 1.0f;
        m_aiguille->setValue(int(std::floor(scale * c + 0.5f)));
        setNeedleColour(Qt::red);
    } else {
        setNeedleColour(palette().color(QPalette::Button));
    }
}

bool AccordeurDlg::precise() const
{
    return m_methodeBox->currentIndex() == kPrecise;
}

void AccordeurDlg::scaleNeedle()
{
    const int scale = precise() ? 10 : 1;
    if (m_aiguille->maximum() == 50 * scale)
        return;
    const int value = m_aiguille->value();
    // Tenths to cents rounds half up, as the deviation does.
    const int shown = scale == 10 ? 10 * value : int(std::floor(value / 10.0 + 0.5));
    m_aiguille->setRange(-49 * scale, 50 * scale);
    m_aiguille->setSingleStep(scale);
    // The dial spaces its notches by its steps: scaled alike, they stay where they were.
    m_aiguille->setPageStep(10 * scale);
    m_aiguille->setValue(shown);
}

void AccordeurDlg::setNeedleColour(const QColor &colour)
{
    QPalette p = m_aiguille->palette();
    p.setColor(QPalette::Button, colour);
    m_aiguille->setPalette(p);
}

void AccordeurDlg::setNoiseFloor(int v)
{
    m_analyseur->minLevel = float(v) / 50.0f;
    m_vuMetre->setNoiseFloor(v / 50.0);
    m_vuMetre->update();
}
