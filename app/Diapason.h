#ifndef DIAPASON_H
#define DIAPASON_H

#include "app/MainWindow.h"

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QTimer>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDial;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QModelIndex;
class QPushButton;
class QSlider;
class QSpinBox;

class AccordeurDlg;
class IntervDlg;
class AudioPlay;
class ListInterv;
class Modmod;
class MusicalNote;

/// The main window: Frequency 1 from a note or a typed value, Frequency 2 through an interval,
/// the note of Frequency 2, and the tone actions on both.
class Diapason : public QDialog, public MainWindow
{
    Q_OBJECT

public:
    explicit Diapason(QWidget *parent = nullptr);
    ~Diapason() override;

    /// The note of Frequency 2, shared with the tuner.
    MusicalNote *noteCible() const { return m_noteCible; }

    /// Asks the user for a file name; empty when cancelled. The arguments are the parent window,
    /// the caption, the starting directory and the filter, as for QFileDialog.
    using DemandeFichier =
        std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    /// Replace the prompts of the save and open actions (QFileDialog by default).
    void setDemandeSauvegarde(DemandeFichier demande) { m_demandeSauvegarde = std::move(demande); }
    void setDemandeOuverture(DemandeFichier demande) { m_demandeOuverture = std::move(demande); }

    // The main window as the tool windows see it.
    float frequency1() const override;
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
    void creerControles();
    void disposerControles();
    void connecterControles();
    void afficherErreur(const QString &html);
    void effacerErreur();
    void montrerMessage(const QString &text);
    void ecrireUnites(float cents);
    /// Starts a tone of freq Hz in joueur, or stops it when it sounds: the press of a play button.
    void basculerTon(AudioPlay *&joueur, AudioPlay *autre, QPushButton *bouton,
                     const QString &texteJouer, float freq, const QString &sansModele,
                     bool suitLaCorrection);
    /// Renders a frequency to a WAV file and reports what the user must know.
    void sauvegarder(float freq, const QString &dossier, bool messagesLongs);

    QImage m_imageDiapason;
    QImage m_imageOnde;
    QTimer m_clignotement;
    MusicalNote *m_noteCible = nullptr;
    /// The latest tuner opened; null once it is closed (a closed tuner is deleted).
    QPointer<AccordeurDlg> m_accordeur;
    Modmod *m_modele = nullptr;
    /// The latest interval list dialog; a closed one is only hidden.
    QPointer<IntervDlg> m_intervDlg;
    int m_volume = 0; ///< dB, −50 … 50: gain of the modal renderings
    // The tones of Frequency 1 and 2, children of the window; null when not playing.
    AudioPlay *m_player1 = nullptr;
    AudioPlay *m_player2 = nullptr;
    DemandeFichier m_demandeSauvegarde;
    DemandeFichier m_demandeOuverture;

    QLabel *m_freq1Label = nullptr;
    QLineEdit *m_freq1Edit = nullptr;
    QLabel *m_label7 = nullptr;
    QPushButton *m_aideButton = nullptr;
    QButtonGroup *m_notesGroup = nullptr;
    QSpinBox *m_la4Spin = nullptr;
    QComboBox *m_alterCombo = nullptr;
    QSpinBox *m_octaveSpin = nullptr;
    QLabel *m_creditLabel = nullptr;
    QLabel *m_diapasonLabel = nullptr;
    QDial *m_correctionDial = nullptr;
    QLineEdit *m_centsEdit = nullptr;
    QComboBox *m_unitesCombo = nullptr;
    QLineEdit *m_unitesEdit = nullptr;
    QLineEdit *m_decimalEdit = nullptr;
    QLineEdit *m_fractionEdit = nullptr;
    QPushButton *m_listeButton = nullptr;
    QLineEdit *m_freq2Edit = nullptr;
    QComboBox *m_formeCombo = nullptr;
    QLabel *m_ondeLabel = nullptr;
    QGroupBox *m_volumeGroup = nullptr;
    QSlider *m_volumeSlider = nullptr;
    QLabel *m_dbLabel = nullptr;
    QPushButton *m_parametresButton = nullptr;
    QComboBox *m_fechCombo = nullptr;
    QLineEdit *m_dureeEdit = nullptr;
    QPushButton *m_accordeurButton = nullptr;
    QPushButton *m_jouer1Button = nullptr;
    QPushButton *m_jouer2Button = nullptr;
    QPushButton *m_sauv1Button = nullptr;
    QPushButton *m_sauv2Button = nullptr;
    QPushButton *m_ouvrirButton = nullptr;
    QCheckBox *m_boucleCheck = nullptr;
    QPushButton *m_stopButton = nullptr;
    QMessageBox *m_message = nullptr;
};

#endif
