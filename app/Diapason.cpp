#include "app/Diapason.h"

#include "app/CalculIntervalle.h"
#include "app/CalculNote.h"
#include "app/MusicalNote.h"
#include "app/globals.h"
#include "intervals/IntervDlg.h"
#include "intervals/ListInterv.h"
#include "melody/MelodyDlg.h"
#include "modal/MMod_Dom.h"
#include "synth/AudioPlay.h"
#include "synth/Generator.h"
#include "synth/LecteurFichier.h"
#include "synth/Modmod.h"
#include "synth/PeakVerdict.h"
#include "synth/SampleRates.h"
#include "synth/SyntheseSave.h"
#include "synth/WaveShapes.h"
#include "tuner/AccordeurDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDial>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTreeView>
#include <QUrl>

#include <cmath>

namespace {

// The fraction field is grey while it shows a fraction computed from the decimal ratio, white once
// the user has typed one.
const QColor kComputedFraction(205, 205, 193);
const QColor kTypedFraction(255, 255, 255);

const char *const kWavePictures[6] = {"figures/sine.png",   "figures/triangle.png", "figures/parabola.png",
                                      "figures/square.png", "figures/ramp.png",     "figures/synthmod.png"};

/// Shortest of plain and exponent notation with at most `digits` significant digits.
QString g(double v, int digits)
{
    if (v == 0)
        v = 0; // no "-0" for a deviation rounded to nothing
    return QString::number(v, 'g', digits);
}

bool isSounding(const AudioPlay *player)
{
    return player && player->state() == QAudio::ActiveState;
}

/// The closed tool windows of class T among window's children, which a new one replaces: a closed
/// interval list dialog or model editor is hidden, not deleted, and every request makes a new one,
/// so that opening and closing them would pile them up. One that still shows a window of its own
/// (a melody editor opened from an interval list dialog, which dies with its dialog) stays.
template <class T>
QList<T *> closedWindows(QWidget *window)
{
    QList<T *> closed;
    for (T *w : window->findChildren<T *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isVisible())
            continue;
        bool showing = false;
        for (const QWidget *child : w->template findChildren<QWidget *>())
            showing = showing || (child->isWindow() && child->isVisible());
        if (!showing)
            closed << w;
    }
    return closed;
}

QString defaultPrompt(bool save, QWidget *parent, const QString &caption, const QString &folder,
                      const QString &filter)
{
    return save ? QFileDialog::getSaveFileName(parent, caption, folder, filter)
                : QFileDialog::getOpenFileName(parent, caption, folder, filter);
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

    m_forkImage.load(QStringLiteral("figures/diapason_tn.png"));
    m_waveImage.load(QStringLiteral("figures/sine.png"));
    m_targetNote = new MusicalNote(440.0f, 440.0f);
    m_savePrompt = [](QWidget *p, const QString &c, const QString &d, const QString &f) {
        return defaultPrompt(true, p, c, d, f);
    };
    m_openPrompt = [](QWidget *p, const QString &c, const QString &d, const QString &f) {
        return defaultPrompt(false, p, c, d, f);
    };

    m_ui.setupUi(this);
    m_ui.forkLabel->setPixmap(QPixmap::fromImage(m_forkImage));
    m_ui.wavePicture->setPixmap(QPixmap::fromImage(m_waveImage));
    m_blinkTimer.setInterval(500);
    connectControls();

    setWindowTitle(tr("ZIB - Diapason Numérique v0.10"));
    setFixedHeight(sizeHint().height());
    setFixedWidth(sizeHint().width());
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint);
}

Diapason::~Diapason()
{
    // Qt's PulseAudio input runs the event loop while it is deleted: the tuners go while this
    // window is still whole, not among the children its base class deletes.
    const QList<AccordeurDlg *> tuners = findChildren<AccordeurDlg *>(QString(), Qt::FindDirectChildrenOnly);
    QList<QPointer<AccordeurDlg>> remaining;
    for (AccordeurDlg *a : tuners)
        remaining << a;
    for (const QPointer<AccordeurDlg> &a : remaining)
        delete a.data();
    delete m_targetNote;
}

void Diapason::connectControls()
{
    connect(&m_blinkTimer, &QTimer::timeout, this, &Diapason::clignotLabel7);
    connect(m_ui.correctionDial, &QDial::valueChanged, this, &Diapason::setCentRef);
    connect(m_ui.freq1Edit, &QLineEdit::textEdited, this, &Diapason::newfreq);
    // On the completed click rather than the press: the click checks the pressed button, which must
    // not undo the respelling (Do flat is checked as Si).
    connect(m_ui.notesGroup, &QButtonGroup::idClicked, this, &Diapason::freqref);
    connect(m_ui.octaveSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Diapason::octaviation);
    connect(m_ui.centsEdit, &QLineEdit::textEdited, this, &Diapason::correction);
    connect(m_ui.alterCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &Diapason::correcalter);
    connect(m_ui.waveCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &Diapason::enableParSynth);
    connect(m_ui.parametersButton, &QPushButton::clicked, this, &Diapason::choixParSynth);
    connect(m_ui.unitsEdit, &QLineEdit::textEdited, this, &Diapason::cent2frac);
    connect(m_ui.decimalEdit, &QLineEdit::textEdited, this, &Diapason::frac2cent);
    connect(m_ui.unitsCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &Diapason::majInterv);
    connect(m_ui.waveCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &Diapason::changeImageOnde);
    connect(m_ui.volumeSlider, &QSlider::valueChanged, this, &Diapason::volumeChange);
    connect(m_ui.play2Button, &QPushButton::clicked, this, &Diapason::jouer2);
    connect(m_ui.play1Button, &QPushButton::clicked, this, &Diapason::jouer1);
    connect(m_ui.stopButton, &QPushButton::clicked, this, &Diapason::stopSon);
    connect(m_ui.openButton, &QPushButton::clicked, this, &Diapason::jouerFich);
    connect(m_ui.save1Button, &QPushButton::clicked, this, &Diapason::saveFreq1);
    connect(m_ui.save2Button, &QPushButton::clicked, this, &Diapason::saveFreq2);
    connect(m_ui.helpButton, &QPushButton::clicked, this, &Diapason::help);
    connect(m_ui.tunerButton, &QPushButton::clicked, this, &Diapason::accordDlg);
    connect(m_ui.fractionEdit, &QLineEdit::textEdited, this, &Diapason::fraction);
    connect(m_ui.listButton, &QPushButton::clicked, this, &Diapason::DegDlg);
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

void Diapason::showError(const QString &html)
{
    m_ui.statusLabel->setText(html);
    m_ui.statusLabel->show();
    m_blinkTimer.start(500);
}

void Diapason::clearError()
{
    m_ui.statusLabel->clear();
    m_ui.statusLabel->show();
    m_blinkTimer.stop();
}

void Diapason::showMessage(const QString &text, const QString &detail)
{
    m_ui.message->setText(text);
    m_ui.message->setInformativeText(detail);
    m_ui.message->exec();
}

// ---- The main window as the tool windows see it

float Diapason::frequency1() const
{
    return m_ui.freq1Edit->text().toFloat();
}

void Diapason::setFrequency1(double hz)
{
    m_ui.freq1Edit->setText(g(hz, 6));
    newfreq(m_ui.freq1Edit->text());
}

float Diapason::decimalRatio() const
{
    return m_ui.decimalEdit->text().toFloat();
}

float Diapason::duration() const
{
    return m_ui.durationEdit->text().toFloat();
}

int Diapason::waveform() const
{
    return m_ui.waveCombo->currentIndex();
}

int Diapason::freqEch() const
{
    return sampleRateAt(m_ui.rateCombo->currentIndex());
}

const ListInterv *Diapason::intervalList() const
{
    return m_intervDlg && m_intervDlg->isVisible() ? &m_intervDlg->liste() : nullptr;
}

void Diapason::openMelodyEditor(QWidget *parent, const ListInterv &liste)
{
    // A closed editor goes with its render, which may hold minutes of sound.
    auto *editor = new MelodyDlg(this, liste, parent ? parent : this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->show();
}

// ---- Interval entry

void Diapason::writeUnits(float cents)
{
    m_ui.unitsEdit->setText(g(centsToUnits(cents, m_ui.unitsCombo->currentIndex()), 6));
}

void Diapason::writeDialogInterval(const QString &text)
{
    if (m_intervDlg)
        m_intervDlg->setIntervalText(text);
}

void Diapason::cent2frac(const QString &text)
{
    const float cents = unitsToCents(text.toFloat(), m_ui.unitsCombo->currentIndex());
    writeDialogInterval(g(cents, 6));
    m_ui.decimalEdit->setText(g(ratioOfCents(cents), 6));
    griserFrac();
    newfreq(m_ui.freq1Edit->text());
}

void Diapason::frac2cent(const QString &text)
{
    const float r = text.toFloat();
    if (text.isEmpty() || !(r > 0))
        return;
    const float cents = centsOfRatio(r);
    writeDialogInterval(g(cents, 6));
    writeUnits(cents);
    griserFrac();
    newfreq(m_ui.freq1Edit->text());
}

void Diapason::fraction()
{
    degriserFrac();
    double r = 1;
    if (!parseFraction(m_ui.fractionEdit->text(), &r))
        return;
    m_ui.decimalEdit->setText(g(r, 6));
    writeUnits(centsOfRatio(r));
    writeDialogInterval(m_ui.unitsEdit->text());
    newfreq(m_ui.freq1Edit->text());
}

void Diapason::majInterv(int unite)
{
    m_ui.unitsEdit->setText(g(ratioInUnits(m_ui.decimalEdit->text().toFloat(), unite), 6));
}

void Diapason::decim2Frac(const float &x, int *n, int *d, int prec)
{
    ::decim2Frac(x, n, d, prec);
}

void Diapason::griserFrac()
{
    int n = 1;
    int d = 0;
    decim2Frac(m_ui.decimalEdit->text().toFloat(), &n, &d, 5);
    m_ui.fractionEdit->setText(QString::number(n) + QLatin1Char('/') + QString::number(d));
    QPalette p = m_ui.fractionEdit->palette();
    p.setColor(QPalette::Base, kComputedFraction);
    m_ui.fractionEdit->setPalette(p);
}

void Diapason::degriserFrac()
{
    QPalette p = m_ui.fractionEdit->palette();
    p.setColor(QPalette::Base, kTypedFraction);
    m_ui.fractionEdit->setPalette(p);
}

void Diapason::deg2interv(const ListInterv &liste, int k)
{
    if (k < 0 || k >= liste.liste.size())
        return;
    const Interval &interval = liste.liste.at(k);
    writeDialogInterval(g(interval.cent, 6));
    writeUnits(interval.cent);
    m_ui.decimalEdit->setText(g(interval.frac, 6));
    griserFrac();
    newfreq(m_ui.freq1Edit->text());
}

// ---- Frequency 1, its note and Frequency 2

float Diapason::calcFreq(float f1)
{
    const float f2 = m_ui.decimalEdit->text().toFloat() * f1;
    if (f2 > 15000 || f2 < 10)
        showError(DiapasonUi::refusedFrequency2());
    else
        clearError();
    return f2;
}

void Diapason::newfreq(const QString &text)
{
    freq1 = text.toDouble();
    if (freq1 < 10 || freq1 > 15000)
        showError(DiapasonUi::refusedFrequency1());
    else
        clearError();
    if (text.isEmpty() || !(freq1 > 10 && freq1 <= 15000))
        return;

    curspos = m_ui.freq1Edit->cursorPosition();
    const float f2 = calcFreq(static_cast<float>(freq1));
    freqNoteOctCor();
    m_ui.freq1Edit->setCursorPosition(curspos);

    m_targetNote->freq = m_ui.freq1Edit->text().toFloat() * m_ui.decimalEdit->text().toFloat();
    m_targetNote->la4 = m_ui.la4Spin->value();
    m_targetNote->setNote();
    m_targetNote->setNomNote();
    m_ui.freq2Edit->setText(g(f2, 4) + QLatin1Char(':') + m_targetNote->nomNote);
    m_ui.freq2Edit->setAlignment(Qt::AlignCenter);
    m_ui.freq1Edit->setCursorPosition(curspos);

    if (m_tuner) {
        m_tuner->setNoteCible(m_targetNote);
        m_tuner->afficheCible();
        m_tuner->calculPrecision();
    }
}

void Diapason::freqNoteOctCor()
{
    int s = 0;
    int oct = 0;
    float c = 0;
    CFreqNoteOctCor(freq1, &s, &oct, &c, m_ui.la4Spin->value());
    cornew = corold = c;
    octnew = oct;

    // The controls below echo into correcalter, setCentRef and octaviation; while they are set
    // from Frequency 1, those echoes must not recompute it from the note (which would round a
    // typed value to 6 digits, or retune it onto the dial's whole cent).
    const bool outer = !m_respelling;
    m_respelling = true;
    const Orthographe o = orthographe(s);
    idNote = o.note;
    if (QAbstractButton *b = m_ui.notesGroup->button(o.note))
        b->setChecked(true);
    m_ui.alterCombo->setCurrentIndex(o.alteration);

    const float c2 = static_cast<float>(std::round(c * 100.0) / 100.0);
    m_ui.freq1Edit->setCursorPosition(curspos);
    m_ui.centsEdit->setText(g(c2, 4));
    m_ui.correctionDial->setValue(static_cast<int>(std::lround(c2)));
    if (c2 < 0)
        cursposcor += 1;
    m_ui.centsEdit->setCursorPosition(cursposcor);
    m_ui.octaveSpin->setValue(oct);
    if (outer)
        m_respelling = false;
}

void Diapason::freqref(int id)
{
    idNote = id;
    freq1 = m_ui.la4Spin->value();
    // The correction the user sees on the dial, not the deviation left by the 6-digit rounding of
    // the previous note: Do then La gives 440 exactly.
    CFreqref(id, octnew, alter, float(m_ui.correctionDial->value()), &freq1);
    m_ui.freq1Edit->setText(g(freq1, 6));
    newfreq(m_ui.freq1Edit->text());
}

void Diapason::correcalter(int index)
{
    alter = (index - 1) * 100.0f;
    if (m_respelling)
        return; // the respelling of Frequency 1: same frequency
    freqref(idNote);
    newfreq(m_ui.freq1Edit->text());
}

void Diapason::octaviation(int oct)
{
    const int previous = octnew;
    octnew = oct;
    if (m_respelling)
        return; // the octave of Frequency 1 itself: a ratio of 1
    freq1 *= std::pow(2.0, oct - previous);
    m_ui.freq1Edit->setText(g(freq1, 6));
    newfreq(m_ui.freq1Edit->text());
}

void Diapason::setCentRef(int v)
{
    m_ui.centsEdit->setText(g(v, 6));
    correction(m_ui.centsEdit->text());
}

void Diapason::correction(const QString &text)
{
    corold = cornew;
    cornew = 0;
    cursposcor = m_ui.centsEdit->cursorPosition();

    bool number = true;
    if (!text.isEmpty()) {
        const float v = text.toFloat(&number);
        if (number)
            cornew = v;
    }
    const float d = cornew - corold;
    // The dial following Frequency 1 shows its whole cent; the frequency stays as given.
    if (number && std::fabs(d) > 0.5f && !m_respelling) {
        if (cornew > -50 && cornew < 50) {
            freq1 *= std::pow(2.0, d / 1200.0);
            m_ui.freq1Edit->setText(g(freq1, 6));
            // The sounding tone follows; the dial's second connection restarts it (rejouer).
            if (isSounding(m_player1) && m_player1->gen)
                m_player1->gen->freq = float(freq1);
            newfreq(m_ui.freq1Edit->text());
            m_ui.correctionDial->setValue(static_cast<int>(std::lround(cornew)));
        } else {
            showMessage(tr("La correction en cent ne doit pas depasser 49 cents"));
            cornew = corold;
            m_ui.centsEdit->setText(g(corold, 6));
            m_ui.correctionDial->setValue(static_cast<int>(std::floor(corold + 0.5f)));
        }
    }
    m_ui.centsEdit->setCursorPosition(cursposcor);
}

// ---- Tones

void Diapason::jouer1()
{
    toggleTone(m_player1, m_player2, m_ui.play1Button, tr("Jouer Freq &1"), frequency1(),
               tr("Fréquence non admise"), tr("Choisir d'abord un modèle de synthèse"), true);
}

void Diapason::jouer2()
{
    toggleTone(m_player2, m_player1, m_ui.play2Button, tr("Jouer Freq &2"), frequency1() * decimalRatio(),
               tr("Fréquence non permise"), tr("Définir d'abord un modèle de synthèse"), false);
}

void Diapason::stopTone(AudioPlay *&player, QPushButton *button, const QString &playText)
{
    player->sortie->stop();
    player->deleteLater();
    player = nullptr;
    button->setText(playText);
}

void Diapason::toggleTone(AudioPlay *&player, AudioPlay *other, QPushButton *button, const QString &playText,
                          float freq, const QString &outOfRange, const QString &noModel, bool followsDial)
{
    // A sounding tone stops on its button whatever the fields hold: the checks are for starting.
    if (isSounding(player)) {
        stopTone(player, button, playText);
        return;
    }
    if (freq > 15000 || freq < 10) {
        showMessage(outOfRange);
        return;
    }
    const float seconds = duration();
    const int shape = waveform();
    if (!(seconds >= 1)) {
        showMessage(tr("Pour jouer ce son en boucle, choisir une durée supérieure ou égale à 1 seconde"));
        m_ui.durationEdit->setText(QStringLiteral("1"));
        return;
    }
    if (shape == WaveShape::Modal && !m_modele) {
        showMessage(noModel);
        return;
    }
    delete player;
    player = nullptr;

    auto *started = new AudioPlay(freqEch());
    started->setParent(this);
    // Two tones together stay below full scale.
    const bool together = isSounding(other);
    if (together)
        started->amplitude = 0.49f;
    if (followsDial)
        connect(m_ui.correctionDial, &QDial::valueChanged, started, &AudioPlay::rejouer);
    const int wholeSeconds = int(std::min(seconds, 120.0f)); // the field's bound; whole seconds loop
    const bool sounds = shape == WaveShape::Modal ? started->jouer(freq, wholeSeconds, m_modele)
                                                  : started->jouer(freq, wholeSeconds, shape);
    if (!sounds) {
        // A silent "&Stop" would pass a failure for a sounding tone.
        delete started;
        showMessage(tr("Impossible de jouer ce son : la sortie audio n'est pas disponible"));
        return;
    }
    if (together) {
        other->amplitude = 0.49f;
        other->rejouer();
    }
    player = started;
    button->setText(tr("&Stop"));
}

void Diapason::jouerFich()
{
    fichson = m_openPrompt(this, tr("Choisir un fichier"), QStringLiteral("./sounds/"), tr("Fichier (*.wav)"));
    if (fichson.isEmpty())
        return;
    m_ui.stopButton->setEnabled(true);
    if (!playFich(fichson, m_ui.loopCheck->isChecked())) {
        showMessage(tr("Problème de lecture du fichier audio"));
        return;
    }
    m_ui.stopButton->setText(tr("&Stop"));
}

void Diapason::stopSon()
{
    if (!fichson.isEmpty())
        togglePlayFich();
}

void Diapason::togglePlayFich()
{
    m_ui.stopButton->setText(stopSonSynth() ? tr("&Continuer") : tr("&Stop"));
}

void Diapason::initAPlay()
{
    // Forgotten players stay children of the window, released with it.
    m_player1 = nullptr;
    m_player2 = nullptr;
}

// ---- Saves

void Diapason::saveFreq1()
{
    saveTone(frequency1(), QStringLiteral("./"), true);
}

void Diapason::saveFreq2()
{
    saveTone(frequency1() * decimalRatio(), QStringLiteral("./sounds/"), false);
}

void Diapason::saveTone(float freq, const QString &folder, bool longMessages)
{
    const float seconds = duration();
    const int shape = waveform();
    const float rate = float(freqEch());
    if (shape == WaveShape::Modal && !m_modele) {
        showMessage(tr("Choisir d'abord un modele de synthèse"));
        return;
    }
    QString name = m_savePrompt(this, tr("Sauvegarder fichier"), folder, QStringLiteral("*.wav"));
    if (name.isEmpty())
        return;
    if (!name.endsWith(QLatin1String(".wav")))
        name += QLatin1String(".wav");

    const QString notWritten = tr("Impossible d'ouvrir le fichier pour écriture");
    // The system's reason (a full disk, a folder that cannot be written), under the message.
    QString reason;
    if (shape != WaveShape::Modal) {
        if (!syntheseSave(freq, seconds, shape, rate, &name, &reason))
            showMessage(notWritten, reason);
        return;
    }

    bool written = false;
    const PeakVerdict verdict =
        judgePeak(syntheseSave(freq, seconds, m_modele, rate, &name, m_volume, &written, &reason));
    switch (verdict.kind) {
    case PeakVerdict::Saturated:
        showMessage(longMessages
                        ? tr("Saturation ! Baisser le volume de %1 dB\nLe fichier n'a pas été enregistré").arg(verdict.decibels)
                        : tr("Saturation ! Baisser le volume de %1 dB").arg(verdict.decibels));
        return;
    case PeakVerdict::Silent:
        if (written)
            showMessage(longMessages ? tr("Le modèle ne sonne pas à cette fréquence\nLe fichier a tout même été  enregistré")
                                     : tr("Le modèle ne sonne pas à cette fréquence"));
        break;
    case PeakVerdict::TooQuiet:
        if (written)
            showMessage(longMessages
                            ? tr("Volume trop faible ! Vous pouvez augmenter le volume de %1 dB\nLe fichier a tout même été  enregistré").arg(verdict.decibels)
                            : tr("Volume trop faible ! Vous pouvez augmenter le volume de %1 dB").arg(verdict.decibels));
        break;
    case PeakVerdict::Fine:
        break;
    }
    if (!written)
        showMessage(notWritten, reason);
}

void Diapason::volumeChange(int v)
{
    m_volume = v;
    m_ui.dbLabel->setText(QStringLiteral("%1 dB").arg(v, 3));
}

// ---- Pictures, help and tool windows

void Diapason::changeImageOnde(int index)
{
    if (index < 0 || index > 5)
        return;
    m_waveImage.load(QString::fromLatin1(kWavePictures[index]));
    m_ui.wavePicture->setPixmap(QPixmap::fromImage(m_waveImage));
}

void Diapason::enableParSynth(int index)
{
    const bool modal = index == WaveShape::Modal;
    m_ui.parametersButton->setEnabled(modal);
    m_ui.volumeGroup->setEnabled(modal);
}

void Diapason::choixParSynth()
{
    // One editor at a time: a new one, empty, unless the last one is still on the screen.
    if (m_modelEditor && m_modelEditor->isVisible())
        return;
    for (MMod_Dom *closed : closedWindows<MMod_Dom>(this)) {
        for (std::unique_ptr<Modmod> &bank : closed->takeBanks())
            m_formerModels.push_back(std::move(bank));
        delete closed;
    }
    m_modelEditor = new MMod_Dom(this, this);
    m_modelEditor->setObjectName(QStringLiteral("modelEditor"));
    m_modelEditor->setModal(false);
    m_modelEditor->show();
}

void Diapason::clignotLabel7()
{
    m_ui.statusLabel->setHidden(!m_ui.statusLabel->isHidden());
}

void Diapason::help()
{
    const QString page = QDir::current().absoluteFilePath(QStringLiteral("doc/index.html"));
    const QString shown = QDir::toNativeSeparators(page);
    if (!QFileInfo::exists(page)) {
        showMessage(tr("La page d'aide est introuvable :\n%1").arg(shown));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        showMessage(tr("Aucun navigateur n'a pu afficher l'aide. Ouvrez cette page avec votre navigateur :\n%1").arg(shown));
}

void Diapason::DegDlg()
{
    if (m_intervDlg && m_intervDlg->isVisible())
        return;
    qDeleteAll(closedWindows<IntervDlg>(this));
    auto *dialog = new IntervDlg(this, this);
    dialog->setObjectName(QStringLiteral("intervDlg"));
    m_intervDlg = dialog;
    dialog->setIntervalText(m_ui.unitsEdit->text());
    dialog->setModal(false);
    if (dialog->loadDom(QStringLiteral("interval_lists/liste_defaut.int")))
        dialog->setplayEnabled();
    dialog->constrListDeg();
    connect(dialog->treeView(), &QTreeView::clicked, this, &Diapason::choixInterv);
    // The tuners may tune to the list while the dialog is open.
    connect(dialog, &QDialog::finished, this, [this] { tellTunersAboutTheList(false); });
    dialog->setSizeGripEnabled(false);
    dialog->show();
    tellTunersAboutTheList(true);
}

void Diapason::tellTunersAboutTheList(bool open)
{
    for (AccordeurDlg *tuner : findChildren<AccordeurDlg *>(QString(), Qt::FindDirectChildrenOnly))
        tuner->setIntervalListOpen(open);
}

void Diapason::choixInterv(const QModelIndex &index)
{
    if (!m_intervDlg)
        return;
    const QModelIndex category = index.parent();
    const ListInterv &liste = m_intervDlg->liste();
    if (liste.liste.isEmpty() || !category.isValid() || category.row() >= ListInterv::kNbCategories ||
        liste.nbCat[category.row()] <= 0)
        return;
    deg2interv(liste, m_intervDlg->modelIndtoDeg(index));
    m_intervDlg->update();
}

void Diapason::initIntervDlg()
{
    m_intervDlg = nullptr;
}

void Diapason::accordDlg()
{
    // A new tuner on every press; the earlier ones stay open until closed.
    auto *tuner = new AccordeurDlg(this);
    tuner->setObjectName(QStringLiteral("accordeur"));
    // Each press makes a new one: a closed tuner is not kept.
    tuner->setAttribute(Qt::WA_DeleteOnClose);
    m_tuner = tuner;
    tuner->setMainWindow(this);
    tuner->setIntervalListOpen(intervalList() != nullptr);
    tuner->setNoteCible(m_targetNote);
    tuner->afficheCible();
    // Its resolution was computed before it had this target.
    tuner->calculPrecision();
    tuner->setModal(false);
    tuner->show();
    tuner->setSizeGripEnabled(false);
}

void Diapason::about()
{
    QMessageBox::about(this, tr("Zib Diapason Numérique v0.10"),
                       tr("ZIB, diapason numérique : notes, intervalles, sons et accordeur."));
}
