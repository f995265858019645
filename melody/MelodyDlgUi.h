#ifndef MELODYDLGUI_H
#define MELODYDLGUI_H

#include <QCoreApplication>

class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QTableWidget;
class QTextEdit;
class QWidget;
class ScaleView;
class ScoreView;

/// The widgets of the melody editor and their layout: a grid of three rows and three columns,
/// notes table, notes buttons and score on top; the scale strip and the melody's header under
/// the table, the synthesis fields under the buttons, the envelope group under the score.
/// Every control gets an object name, the name of its member.
struct MelodyDlgUi
{
    Q_DECLARE_TR_FUNCTIONS(MelodyDlg)

public:
    /// Least sizes, pixels: the controls grow to their texts in larger fonts.
    static constexpr int kButtonWidth = 72;
    static constexpr int kTableWidth = 320;
    static constexpr int kColumnWidth = 50;
    static constexpr int kWindowWidth = 762;

    QTableWidget *tablNotes = nullptr;
    QPushButton *nouveauButton = nullptr;
    QPushButton *ouvrirButton = nullptr;
    QPushButton *enregisterButton = nullptr; ///< "Enregister": the melody file
    QPushButton *ajouterButton = nullptr;
    QPushButton *supprimerButton = nullptr;
    QScrollArea *scoreArea = nullptr;
    ScoreView *score = nullptr;
    QSlider *zoomSlider = nullptr;

    QGroupBox *intervallesGroup = nullptr;
    ScaleView *scale = nullptr;
    QGroupBox *melodieGroup = nullptr;
    QLabel *fichierLabel = nullptr;
    QLabel *titreLabel = nullptr;
    QLineEdit *titreEdit = nullptr;
    QLabel *auteurLabel = nullptr;
    QLineEdit *auteurEdit = nullptr;
    QTextEdit *descriptionEdit = nullptr;

    QLabel *tempoLabel = nullptr;
    QLineEdit *tempoEdit = nullptr;
    QLabel *freqRefLabel = nullptr;
    QLineEdit *freqRefEdit = nullptr;
    QLabel *formeLabel = nullptr;
    QComboBox *formeCombo = nullptr;
    QLabel *fechLabel = nullptr;
    QComboBox *fechCombo = nullptr;
    QPushButton *synthButton = nullptr;
    QPushButton *wavButton = nullptr; ///< "Enregistrer": the rendered sound

    QGroupBox *enveloppeGroup = nullptr;
    QTableWidget *tablEnv = nullptr;
    QPushButton *envNouveauButton = nullptr;
    QPushButton *envAjouterButton = nullptr;
    QPushButton *envSupprimerButton = nullptr;
    /// The place of the envelope drawing, which the dialog paints itself: an empty widget of
    /// the drawing's size in the envelope group.
    QWidget *envelopeArea = nullptr;

    void setupUi(QDialog *dialog);

    /// Headers of the notes table, their font, the least widths of its columns.
    void setNotesHeaders();
    void setEnvelopeHeaders();
};

#endif
