#ifndef DIAPASON_H
#define DIAPASON_H

#include "app/DiapasonUi.h"
#include "app/MainWindow.h"

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QModelIndex;

class AccordeurDlg;
class AudioPlay;
class IntervDlg;
class ListInterv;
class MMod_Dom;
class Modmod;
class MusicalNote;

/// The main window: Frequency 1 from a note or a typed value, Frequency 2 through an interval,
/// the note of Frequency 2, and the tone actions on both.
///
/// Its slots read the controls, call the note, interval and synthesis code and write the results
/// back; the controls themselves are built by DiapasonUi.
class Diapason : public QDialog, public MainWindow
{
    Q_OBJECT

public:
    explicit Diapason(QWidget *parent = nullptr);
    ~Diapason() override;

    /// The note of Frequency 2, shared with the tuner.
    MusicalNote *targetNote() const { return m_targetNote; }

    /// Asks the user for a file name; empty when cancelled. The arguments are the parent window,
    /// the caption, the starting directory and the filter, as for QFileDialog.
    using FilePrompt = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    /// Replace the prompts of the save and open actions (QFileDialog by default).
    void setSavePrompt(FilePrompt prompt) { m_savePrompt = std::move(prompt); }
    void setOpenPrompt(FilePrompt prompt) { m_openPrompt = std::move(prompt); }

    // The main window as the tool windows see it.
    float frequency1() const override;
    void setFrequency1(double hz) override;
    float decimalRatio() const override;
    float duration() const override;
    int waveform() const override;
    int freqEch() const override;
    Modmod *modele() const override { return m_modele; }
    void setModele(Modmod *modele) override { m_modele = modele; }
    void deg2interv(const ListInterv &liste, int k) override;
    const ListInterv *intervalList() const override;
    void openMelodyEditor(QWidget *parent, const ListInterv &liste) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    /// A click in the interval list dialog's tree: an interval becomes the current one.
    void choixInterv(const QModelIndex &index);
    void jouer2();
    void jouer1();
    void jouerFich();
    void togglePlayFich();
    void stopSon();
    void saveFreq1();
    void saveFreq2();
    void cent2frac(const QString &text);
    void decim2Frac(const float &x, int *n, int *d, int prec);
    void frac2cent(const QString &text);
    void majInterv(int unite);
    void newfreq(const QString &text);
    void freqref(int id);
    float calcFreq(float f1);
    void freqNoteOctCor();
    void octaviation(int oct);
    void correction(const QString &text);
    void correcalter(int index);
    void enableParSynth(int index);
    void choixParSynth();
    void volumeChange(int v);
    void setCentRef(int v);
    void clignotLabel7();
    void changeImageOnde(int index);
    void help();
    /// Opens the interval list dialog on the default list, unless one is visible.
    void DegDlg();
    void accordDlg();
    void fraction();
    void griserFrac();
    void degriserFrac();
    void initIntervDlg();
    void about();
    void initAPlay();

private:
    void connectControls();
    void showError(const QString &html);
    void clearError();
    /// The window's message box, modal, with text and, below it, detail (empty: none).
    void showMessage(const QString &text, const QString &detail = QString());
    void writeUnits(float cents);
    /// The interval list dialog's interval field, when a dialog exists, receives text (cents).
    void writeDialogInterval(const QString &text);
    /// Enables or disables the tuners' list target as the interval list dialog opens or closes.
    void tellTunersAboutTheList(bool open);
    /// The press of a play button: stops the tone of player when it sounds, whatever the fields
    /// hold; otherwise checks the frequency it was given, the duration and the model, and starts it.
    void toggleTone(AudioPlay *&player, AudioPlay *other, QPushButton *button, const QString &playText,
                    float freq, const QString &outOfRange, const QString &noModel, bool followsDial);
    void stopTone(AudioPlay *&player, QPushButton *button, const QString &playText);
    /// Renders a frequency to a WAV file and tells the user what they must know.
    void saveTone(float freq, const QString &folder, bool longMessages);

    DiapasonUi m_ui;
    QImage m_forkImage;
    QImage m_waveImage;
    QTimer m_blinkTimer;
    MusicalNote *m_targetNote = nullptr;
    /// The latest tuner opened; null once it is closed (a closed tuner is deleted).
    QPointer<AccordeurDlg> m_tuner;
    Modmod *m_modele = nullptr;
    /// The latest interval list dialog. A closed one is hidden, not deleted, until the next one is
    /// made (see closedWindows).
    QPointer<IntervDlg> m_intervDlg;
    /// The latest model editor opened. A closed one is hidden, not deleted, until the next one is
    /// made (see closedWindows).
    QPointer<MMod_Dom> m_modelEditor;
    /// The models of the model editors that went: the current one, and tones, may still use them.
    std::vector<std::unique_ptr<Modmod>> m_formerModels;
    int m_volume = 0; ///< dB, −50 … 50: gain of the modal renderings
    // The tones of Frequency 1 and 2, children of the window; null when not playing.
    AudioPlay *m_player1 = nullptr;
    AudioPlay *m_player2 = nullptr;
    FilePrompt m_savePrompt;
    FilePrompt m_openPrompt;
    /// True while freqNoteOctCor sets the note controls from Frequency 1: their echoes then only
    /// record the new state and never rewrite the frequency the user typed.
    bool m_respelling = false;
};

#endif
