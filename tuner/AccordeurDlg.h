#ifndef ACCORDEURDLG_H
#define ACCORDEURDLG_H

#include "app/MusicalNote.h"

#include <QAudio>
#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QDialog>
#include <QList>

class QAudioInput;
class QCheckBox;
class QComboBox;
class QDial;
class QGroupBox;
class QLabel;
class QLCDNumber;
class QPushButton;
class QSlider;

class Analyseur;
class MainWindow;
class VuMetre;

/// The tuner window: captures an audio input into an Analyseur, shows the detected frequency,
/// its note and its deviation from a target note on a needle, and the input level on a VuMetre.
///
/// Capture asks for 16-bit signed little-endian mono at the chosen rate, or the device's nearest
/// format. A device that lists no sample rate, or no device at all, leaves the window without an
/// audio input: "Analyse" then only says so in the note label.
///
/// With the method "Précise" (index 3) the readings go to a tenth of a cent: the note label shows
/// the deviation with one decimal, the needle moves by tenths (its range is then −490 … 500), and
/// every reading is shown as measured, without smoothing. When a buffer brings no pitch (the sound
/// stopped, fell below the noise floor, or is noise) or the capture stops, the last reading stays,
/// greyed and marked "(figée)", until the next one.
///
/// With "Cible : liste d'intervalles" checked (it is enabled while an interval list dialog is
/// open), the target is no longer Frequency 2 but the degree of that list, on Frequency 1 as its
/// tonic and in any octave, nearest to each detected pitch: a temperament is tuned note by note.
class AccordeurDlg : public QDialog
{
    Q_OBJECT

public:
    /// A tuner on the platform's input devices; the default input device is selected.
    explicit AccordeurDlg(QWidget *parent = nullptr);
    /// A tuner offering these input devices (in this order) instead of the platform's.
    explicit AccordeurDlg(const QList<QAudioDeviceInfo> &entrees, QWidget *parent = nullptr);
    ~AccordeurDlg() override;

    /// The current analyser: replaced whenever the device or the sample rate changes.
    Analyseur *analyseur() const { return m_analyseur; }
    /// The current audio input; null when the device cannot capture.
    QAudioInput *audioInput() const { return m_audioInput; }
    /// The capture format: the requested one, or the device's nearest.
    const QAudioFormat &format() const { return m_format; }
    const MusicalNote &noteDetectee() const { return m_noteDetectee; }
    /// True while the window shows a reading of "Précise" that no longer follows the sound.
    bool readingHeld() const { return m_readingHeld; }
    /// True from a successful "Analyse" until "Stop" or the end of the capture.
    bool capturing() const { return m_capturing; }

    /// Closing the window stops the capture.
    void done(int r) override;

    /// The main window whose Frequency 1 and interval list the list target reads (not owned).
    void setMainWindow(MainWindow *mainWindow) { m_mainWindow = mainWindow; }
    /// True while the list target is checked, enabled and has a list to read.
    bool targetsList() const;

public slots:
    /// The note the deviation is measured against (not owned; it must outlive its use here, or
    /// be replaced first). Null: no target.
    void setNoteCible(MusicalNote *note);
    /// Target label: the target's name, a line break and its frequency in Hz (6 digits).
    void afficheCible();
    /// Resolution label, one decimal: in cents between adjacent lags at the target frequency
    /// for the autocorrelation, 1200·log2(1 + f/fech); in Hz per bin (fech/N) for the spectral
    /// methods; the step of the readings, 0.1 cent, for "Précise".
    void calculPrecision();
    /// Range label "fech/N - fech/2 Hz", whole hertz; for "Précise" the range of periods it
    /// searches (PreciseDetector::lowestFrequency … highestFrequency).
    void calcMinMaxFreq();
    /// Whether an interval list dialog is open: enables "Cible : liste d'intervalles", or
    /// unchecks and disables it and goes back to Frequency 2.
    void setIntervalListOpen(bool open);

private slots:
    void refreshDisplay();
    void notified();
    void toggleSuspend();
    void stateChanged(QAudio::State state);
    void deviceChanged(int index);
    void fechChanged(int index);
    void createAudioInput();
    void initializeAudio(int index);
    void nbPChanged(int index);
    void setMethode(int index);
    void setFenType(int index);
    void setFreq();
    void ecartCible();
    void setNoiseFloor(int v);
    /// A buffer without a pitch, or the end of the capture: "Précise" keeps its last reading,
    /// marked as held.
    void holdReading();
    void listTargetToggled();

private:
    void createWidgets();
    void layOut();
    void connectWidgets();
    /// Builds the format, the analyser and the audio input of the current device at rate Hz.
    void configureInput(int rate);
    /// Stops and deletes the audio input, if any.
    void releaseInput();
    void stopCapture();
    void showCaptureStopped();
    void showInputUnavailable();
    void setNeedleColour(const QColor &colour);
    bool precise() const;
    /// Needle in cents (−49 … 50), or in tenths of a cent (−490 … 500) for "Précise", keeping
    /// the position it shows.
    void scaleNeedle();
    /// The note label's text for note: its name with whole cents, or with tenths of a cent,
    /// greyed and marked when held.
    static QString noteMarkup(const MusicalNote &note, bool tenths, bool held);
    static QString readingMarkup(const QString &name, bool held);
    /// The frequency the deviation is measured against: the list's nearest degree when it is the
    /// target, otherwise the target note's; 0 without a target.
    float targetFrequency() const;
    /// Finds the list's degree nearest to the detected pitch.
    void updateListTarget();
    /// Size of the widest reading of "Précise", held, in the label's font: the label keeps it
    /// from the start, so a reading never widens the fixed-size window.
    QSize widestReadingSize();

    VuMetre *m_vuMetre = nullptr;
    QPushButton *m_boutonAnalyse = nullptr;
    QComboBox *m_methodeBox = nullptr;
    QComboBox *m_fenetreBox = nullptr;
    QComboBox *m_nbPointsBox = nullptr;
    QComboBox *m_deviceBox = nullptr;
    QComboBox *m_fechBox = nullptr;
    QDial *m_aiguille = nullptr;
    QLabel *m_labelNote = nullptr;
    QLabel *m_labelEcart = nullptr;
    QLabel *m_labelCible = nullptr;
    QCheckBox *m_listTargetCheck = nullptr;
    QLabel *m_labelResolution = nullptr;
    QLabel *m_labelMinMax = nullptr;
    QLCDNumber *m_lcd = nullptr;
    QSlider *m_bruitSlider = nullptr;
    QGroupBox *m_paramGroup = nullptr;
    QGroupBox *m_entreeGroup = nullptr;
    QAudioDeviceInfo m_device;
    Analyseur *m_analyseur = nullptr;
    QAudioFormat m_format;
    QAudioInput *m_audioInput = nullptr;
    MusicalNote m_noteDetectee;
    MainWindow *m_mainWindow = nullptr;
    /// The list's degree nearest to the last detection: its description and frequency (Hz, 0
    /// before a detection).
    QString m_listTargetName;
    float m_listTargetFrequency = 0.0f;
    /// The target until the main window gives its own; notes are named against A4 = 440 Hz.
    MusicalNote m_ownTarget;
    MusicalNote *m_noteCible = nullptr;
    bool m_capturing = false;
    bool m_readingHeld = false;
    /// The reading shown comes from "Précise": only such a reading can be held.
    bool m_preciseReading = false;
};

#endif
