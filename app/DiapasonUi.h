#ifndef DIAPASONUI_H
#define DIAPASONUI_H

#include <QCoreApplication>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDial;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QSlider;
class QSpinBox;

/// The main window's controls and their layout, apart from its slots.
///
/// The pixel sizes of the controls are least sizes: each control that shows a text is made wide
/// enough for the longest text it can show in the window's font, so that nothing is cut at any
/// font size, and the controls whose text changes (the status label, the buttons that read "&Stop")
/// keep the room of their widest text, so that nothing moves when it changes.
struct DiapasonUi
{
    Q_DECLARE_TR_FUNCTIONS(Diapason)

public:
    /// Creates every control as a child of window, lays them out and sizes them. Connects nothing.
    void setupUi(QDialog *window);

    /// The status label's red texts: Frequency 1, or Frequency 2, outside 10 … 15000 Hz.
    static QString refusedFrequency1();
    static QString refusedFrequency2();

    QLabel *freq1Label = nullptr;
    QLineEdit *freq1Edit = nullptr;
    QLabel *statusLabel = nullptr; ///< red error texts, blinking; its room is reserved
    QPushButton *helpButton = nullptr;
    QButtonGroup *notesGroup = nullptr; ///< ids 1 "Do" … 7 "Si"
    QSpinBox *la4Spin = nullptr;
    QComboBox *alterCombo = nullptr;
    QSpinBox *octaveSpin = nullptr;
    QLabel *creditLabel = nullptr;
    QLabel *forkLabel = nullptr;
    QDial *correctionDial = nullptr;
    QLineEdit *centsEdit = nullptr;
    QComboBox *unitsCombo = nullptr;
    QLineEdit *unitsEdit = nullptr;
    QLineEdit *decimalEdit = nullptr;
    QLineEdit *fractionEdit = nullptr;
    QPushButton *listButton = nullptr;
    QLineEdit *freq2Edit = nullptr;
    QComboBox *waveCombo = nullptr;
    QLabel *wavePicture = nullptr;
    QGroupBox *volumeGroup = nullptr;
    QSlider *volumeSlider = nullptr;
    QLabel *dbLabel = nullptr;
    QPushButton *parametersButton = nullptr;
    QComboBox *rateCombo = nullptr;
    QLineEdit *durationEdit = nullptr;
    QPushButton *tunerButton = nullptr;
    QPushButton *play1Button = nullptr;
    QPushButton *play2Button = nullptr;
    QPushButton *save1Button = nullptr;
    QPushButton *save2Button = nullptr;
    QPushButton *openButton = nullptr;
    QCheckBox *loopCheck = nullptr;
    QPushButton *stopButton = nullptr;
    QMessageBox *message = nullptr; ///< the one message box the slots reuse

private:
    void createReferenceControls(QDialog *window);
    void createIntervalControls(QDialog *window);
    void createAudioControls(QDialog *window);
    void createActionControls(QDialog *window);
    void layOut(QDialog *window);
    void sizeToTexts();
};

#endif
