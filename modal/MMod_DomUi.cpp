#include "modal/MMod_DomUi.h"

#include "app/DecimalValidator.h"
#include "modal/ModeChart.h"
#include "modal/PhysicalModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLineEdit *field(const char *name, const QString &text, const QString &tip, QWidget *parent)
{
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(QLatin1String(name));
    e->setToolTip(tip);
    return e;
}

QPushButton *button(const char *name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

/// Width a line edit needs to show text whole: the text, the edit's frame and margins, the caret.
int lineEditWidth(const QLineEdit *e, const QString &text)
{
    QStyleOptionFrame option;
    option.initFrom(e);
    option.rect = QRect(0, 0, 200, e->sizeHint().height());
    option.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, e);
    const QRect contents = e->style()->subElementRect(QStyle::SE_LineEditContents, &option, e);
    const QMargins margins = e->textMargins();
    const int frame = option.rect.width() - contents.width() + margins.left() + margins.right();
    // QLineEdit keeps 2 pixels on each side of its text, and one more for the caret.
    return e->fontMetrics().horizontalAdvance(text) + frame + 2 * 2 + 1;
}

/// At most `least` pixels wide, or what its longest text needs.
void boundWidth(QLineEdit *e, int least, const QString &longest)
{
    e->setMaximumWidth(std::max(least, lineEditWidth(e, longest)));
}

} // namespace

void MMod_DomUi::setupUi(QDialog *dialog)
{
    // The header and the description.
    fileLabel = new QLabel(dialog);
    fileLabel->setObjectName(QStringLiteral("fichierLabel"));
    // A long file name is elided rather than widening the window.
    fileLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    titleEdit = field("titreEdit", QString(), QString(), dialog);
    authorEdit = field("auteurEdit", QString(), QString(), dialog);
    modeCountLabel = new QLabel(dialog);
    modeCountLabel->setObjectName(QStringLiteral("partielsLabel"));

    descriptionEdit = new QTextEdit(dialog);
    descriptionEdit->setObjectName(QStringLiteral("descEdit"));
    descriptionEdit->setAcceptRichText(false);
    descriptionEdit->setPlainText(tr("Description du modèle"));
    descriptionEdit->setToolTip(tr("Ecrire une description du modèle"));
    descriptionEdit->setMaximumHeight(100);

    table = new QTableWidget(0, 3, dialog);
    table->setObjectName(QStringLiteral("table"));
    table->setHorizontalHeaderLabels({tr("Fréquence"), tr("Amort."), tr("Poids")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setVisible(false);
    table->setSortingEnabled(false);
    // Each column as wide as a generated value of 6 digits, say -0.0998065, or its title.
    const int cellWidth = table->fontMetrics().horizontalAdvance(QStringLiteral("-0.0998065")) + 12;
    table->resizeColumnsToContents();
    int width = 0;
    for (int c = 0; c < 3; ++c) {
        table->setColumnWidth(c, std::max(cellWidth, table->columnWidth(c)));
        width += table->columnWidth(c);
    }
    table->setMinimumWidth(width + 2 * table->frameWidth() +
                           table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table));

    // Edition.
    editionGroup = new QGroupBox(tr("Edition"), dialog);
    editionGroup->setObjectName(QStringLiteral("editionGroup"));
    openButton = button("ouvrirButton", tr("Ouvrir"), editionGroup);
    addButton = button("ajouterButton", tr("Ajouter"), editionGroup);
    addButton->setEnabled(false);
    addButton->setToolTip(tr("Cliquer pour ajouter un mode vibratoire"));
    removeButton = button("supprimerButton", tr("Supprimer"), editionGroup);
    removeButton->setEnabled(false);
    removeButton->setToolTip(tr("Selectionner un mode et cliquer pour supprimer"));
    newButton = button("nouveauButton", tr("Nouveau"), editionGroup);
    saveButton = button("enregistrerButton", tr("Enregistrer"), editionGroup);
    saveButton->setToolTip(tr("Enregistrer le modèle dans un fichier XML"));
    dampingCheck = new QCheckBox(tr("Coeff. Amort"), editionGroup);
    dampingCheck->setObjectName(QStringLiteral("amortCheck"));
    QFont small = dampingCheck->font();
    small.setPointSize(7);
    dampingCheck->setFont(small);
    dampingCheck->setChecked(true);
    selectButton = button("selectionnerButton", tr("Selectionner"), dialog);
    selectButton->setToolTip(tr("Selectionner le modèle courant"));

    auto *editionLayout = new QVBoxLayout(editionGroup);
    for (QWidget *w : {static_cast<QWidget *>(openButton), static_cast<QWidget *>(addButton),
                       static_cast<QWidget *>(removeButton), static_cast<QWidget *>(newButton),
                       static_cast<QWidget *>(saveButton), static_cast<QWidget *>(dampingCheck)})
        editionLayout->addWidget(w);

    // Creation of physical models.
    creationGroup = new QGroupBox(tr("Création de modèles Corde/Tige ou Barre/Poutre"), dialog);
    creationGroup->setObjectName(QStringLiteral("creationGroup"));
    structureCombo = new QComboBox(creationGroup);
    structureCombo->setObjectName(QStringLiteral("structureCombo"));
    for (int i = 0; i < PhysicalModel::kStructureCount; ++i)
        structureCombo->addItem(PhysicalModel::name(i));
    structureCombo->setToolTip(tr("Choisir une structure vibrante dans la liste"));
    pictureLabel = new QLabel(creationGroup);
    pictureLabel->setObjectName(QStringLiteral("imageLabel"));
    pictureLabel->setFixedSize(140, 40);

    modesEdit = field("modesEdit", QStringLiteral("1"), tr("Nombre de modes à créer"), creationGroup);
    modesEdit->setValidator(new DecimalValidator(1, PhysicalModel::kMaxModes, 0, modesEdit));
    pointEdit = field("pointEdit", QStringLiteral("0.3"),
                      tr("Position du point de percussion est un nombre entre 0 et 1"), creationGroup);
    pointEdit->setValidator(new DecimalValidator(0, 1, 2, pointEdit));

    dampingGroup = new QGroupBox(tr("Amortissement"), creationGroup);
    dampingGroup->setObjectName(QStringLiteral("amortGroup"));
    externalEdit = field("externeEdit", QStringLiteral("0"),
                         tr("Amortissement externe, affecte tous les modes de façon uniforme"), dampingGroup);
    externalEdit->setValidator(new DecimalValidator(0, 1000, 3, externalEdit));
    hysteresisEdit = field("hysteresisEdit", QStringLiteral("0"),
                           tr("Amortissement par hystérésis, affecte chaque mode proportionnellement à sa fréquence"),
                           dampingGroup);
    hysteresisEdit->setValidator(new DecimalValidator(0, 10, 3, hysteresisEdit));
    internalEdit = field("interneEdit", QStringLiteral("0"),
                         tr("Amortissement interne (visoélastique), affecte chaque mode proportionnellement au "
                            "carré de sa fréquence"),
                         dampingGroup);
    internalEdit->setValidator(new DecimalValidator(0, 10, 3, internalEdit));
    applyButton = button("appliquerButton", tr("Appliquer"), dampingGroup);
    applyButton->setToolTip(tr("Appliquer les coefficients d'amortissement"));
    createButton = button("creerButton", tr("Créer"), creationGroup);

    chartArea = new QWidget(creationGroup);
    chartArea->setObjectName(QStringLiteral("chartArea"));
    chartArea->setFixedSize(ModeChart::staffFrame().size());

    auto *dampingForm = new QFormLayout;
    dampingForm->addRow(tr("Externe"), externalEdit);
    dampingForm->addRow(tr("Hystérésis"), hysteresisEdit);
    dampingForm->addRow(tr("Interne"), internalEdit);
    auto *dampingLayout = new QVBoxLayout(dampingGroup);
    dampingLayout->addLayout(dampingForm);
    dampingLayout->addWidget(applyButton);

    auto *modesForm = new QFormLayout;
    modesForm->addRow(tr("Modes"), modesEdit);
    modesForm->addRow(tr("Point Perc."), pointEdit);
    auto *leftColumn = new QVBoxLayout;
    leftColumn->addLayout(modesForm);
    leftColumn->addStretch();
    leftColumn->addWidget(chartArea);

    // Under the picture, room for the marker of the percussion point that the dialog paints.
    auto *imageColumn = new QVBoxLayout;
    imageColumn->addWidget(pictureLabel);
    imageColumn->addSpacing(kMarkerRoom);

    auto *creationLayout = new QGridLayout(creationGroup);
    creationLayout->addWidget(structureCombo, 0, 0);
    creationLayout->addLayout(imageColumn, 0, 1);
    creationLayout->addLayout(leftColumn, 1, 0, 2, 1);
    creationLayout->addWidget(dampingGroup, 1, 1);
    creationLayout->addWidget(createButton, 2, 1);

    // The window.
    auto *header = new QFormLayout;
    header->addRow(tr("Fichier :"), fileLabel);
    header->addRow(tr("Titre :"), titleEdit);
    header->addRow(tr("Auteur :"), authorEdit);
    header->addRow(tr("Partiels :"), modeCountLabel);

    auto *editionColumn = new QVBoxLayout;
    editionColumn->addWidget(editionGroup);
    editionColumn->addWidget(selectButton);
    editionColumn->addStretch();

    auto *grid = new QGridLayout(dialog);
    grid->addLayout(header, 0, 0);
    grid->addWidget(descriptionEdit, 0, 1, 1, 2);
    grid->addWidget(table, 1, 0);
    grid->addLayout(editionColumn, 1, 1);
    grid->addWidget(creationGroup, 1, 2);
    // Width to spare goes to the table.
    grid->setColumnStretch(0, 1);

    // Least sizes; each grows to its text in the user's font.
    boundWidth(modesEdit, 60, QStringLiteral("100"));
    boundWidth(pointEdit, 60, QStringLiteral("0.99"));
    boundWidth(externalEdit, 60, QStringLiteral("1000.000"));
    boundWidth(hysteresisEdit, 60, QStringLiteral("10.000"));
    boundWidth(internalEdit, 60, QStringLiteral("10.000"));
    for (QPushButton *b : {applyButton, createButton})
        b->setFixedWidth(std::max(75, b->sizeHint().width()));
    // A group's size hint leaves its title out; its minimum size hint does not.
    const auto wide = [](const QWidget *w) { return std::max(w->sizeHint().width(), w->minimumSizeHint().width()); };
    editionGroup->setMaximumWidth(std::max(100, wide(editionGroup)));
    selectButton->setMaximumWidth(std::max(editionGroup->maximumWidth(), wide(selectButton)));
    creationGroup->setMaximumWidth(std::max(300, wide(creationGroup)));

    dialog->setWindowTitle(tr("ZIB-Edition d'un modèle de synthèse"));
    dialog->setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    dialog->setFixedWidth(std::max(733, dialog->sizeHint().width()));
    dialog->setMaximumHeight(std::max(381, dialog->minimumSizeHint().height()));
}
