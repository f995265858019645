#ifndef MMOD_DOMUI_H
#define MMOD_DOMUI_H

#include <QCoreApplication>

class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTextEdit;
class QWidget;

/// The widgets of the model editor and their layout: a grid of the header form and the
/// description above the table of modes, the "Edition" buttons and the group that creates
/// physical models. Sizes given in pixels are least sizes: a control grows to its text in the
/// user's font.
struct MMod_DomUi
{
    Q_DECLARE_TR_FUNCTIONS(MMod_DomUi)

public:
    QLabel *fileLabel = nullptr;   ///< name of the loaded file, elided to its room
    QLineEdit *titleEdit = nullptr;
    QLineEdit *authorEdit = nullptr;
    QLabel *modeCountLabel = nullptr;  ///< number of modes
    QTextEdit *descriptionEdit = nullptr;
    QTableWidget *table = nullptr;    ///< "Fréquence", "Amort.", "Poids"

    QGroupBox *editionGroup = nullptr;
    QPushButton *openButton = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *removeButton = nullptr;
    QPushButton *newButton = nullptr;
    QPushButton *saveButton = nullptr;
    QCheckBox *dampingCheck = nullptr;  ///< "Coeff. Amort": the damping law at synthesis
    QPushButton *selectButton = nullptr;

    QGroupBox *creationGroup = nullptr;
    QComboBox *structureCombo = nullptr;
    QLabel *pictureLabel = nullptr;     ///< the structure's picture, 140 × 40, unscaled
    QLineEdit *modesEdit = nullptr;
    QLineEdit *pointEdit = nullptr;
    QGroupBox *dampingGroup = nullptr;
    QLineEdit *externalEdit = nullptr;
    QLineEdit *hysteresisEdit = nullptr;
    QLineEdit *internalEdit = nullptr;
    QPushButton *applyButton = nullptr;
    QPushButton *createButton = nullptr;
    /// Room kept free in the creation group for the chart the dialog paints (ModeChart).
    QWidget *chartArea = nullptr;

    /// Pixels kept free under the picture for the percussion marker.
    static constexpr int kMarkerRoom = 12;

    void setupUi(QDialog *dialog);
};

#endif
