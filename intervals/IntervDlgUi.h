#ifndef INTERVDLGUI_H
#define INTERVDLGUI_H

#include <QCoreApplication>
#include <QString>

class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QTreeView;

class ListView;

/// The widgets of the interval list dialog and their layout. The top of the dialog is left free
/// for the ruler the dialog paints there (y 15 … 61, x 118 … 682).
struct IntervDlgUi
{
    Q_DECLARE_TR_FUNCTIONS(IntervDlgUi)

public:
    QPushButton *nouveauButton = nullptr;
    QPushButton *ouvrirButton = nullptr;
    QPushButton *enregistrerButton = nullptr;
    QPushButton *importerButton = nullptr;   ///< a Scala scale, or the reference of a keyboard mapping
    QPushButton *exporterButton = nullptr;   ///< the list as a Scala scale with its keyboard mapping
    QPushButton *fermerButton = nullptr;
    QPushButton *ajouterButton = nullptr;
    QPushButton *supprimerButton = nullptr;
    QPushButton *jouerListeButton = nullptr;
    QPushButton *melodieButton = nullptr;
    QPushButton *calculerButton = nullptr;
    QPushButton *tableauButton = nullptr;    ///< the temperament chart
    QLineEdit *intervalEdit = nullptr;   ///< cents, 0 … 1300 with 2 decimals
    QLabel *intervalLabel = nullptr;
    QLabel *warningLabel = nullptr;      ///< the blinking over-range warning; keeps its room when hidden
    QLabel *ecartLabel = nullptr;        ///< the justness deviation
    QLabel *fichierLabel = nullptr;
    /// How many intervals of the list lie above the tree's last category; empty when none. Its
    /// room is kept, so that nothing moves when it shows.
    QLabel *horsArbreLabel = nullptr;
    QLabel *titreLabel = nullptr;
    QLineEdit *titreEdit = nullptr;
    QLabel *auteurLabel = nullptr;
    QLineEdit *auteurEdit = nullptr;
    QTextEdit *descriptionEdit = nullptr;
    QComboBox *schemeCombo = nullptr;
    QTreeView *treeView = nullptr;
    QCheckBox *developperCheck = nullptr;
    ListView *listView = nullptr;
    QGroupBox *fichierGroup = nullptr;
    QGroupBox *listeGroup = nullptr;
    QGroupBox *justesseGroup = nullptr;

    /// The warning the interval field shows above 1250 cents; the label keeps room for it.
    static const char *const kWarning;

    /// The justness label's text for a deviation of e cents, two decimals ("-0.00" reads 0.00).
    static QString deviationText(float e);

    /// The text of horsArbreLabel for count intervals above the tree; empty for none.
    static QString outsideTreeText(int count);

    void setupUi(QDialog *dialog);
};

#endif
