#include "modal/MMod_DomUi.h"

#include "modal/ModeChart.h"
#include "modal/PhysicalModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QIntValidator>
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

/// Standard-notation decimals with a point, whatever the desktop's locale.
QDoubleValidator *decimals(double bottom, double top, int places, QObject *parent)
{
    auto *v = new QDoubleValidator(bottom, top, places, parent);
    v->setNotation(QDoubleValidator::StandardNotation);
    v->setLocale(QLocale::c());
    return v;
}

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
    const QMargins marges = e->textMargins();
    const int cadre = option.rect.width() - contents.width() + marges.left() + marges.right();
    // QLineEdit keeps 2 pixels on each side of its text, and one more for the caret.
    return e->fontMetrics().horizontalAdvance(text) + cadre + 2 * 2 + 1;
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
    fichierLabel = new QLabel(dialog);
    fichierLabel->setObjectName(QStringLiteral("fichierLabel"));
    // A long file name is elided rather than widening the window.
    fichierLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    titreEdit = field("titreEdit", QString(), QString(), dialog);
    auteurEdit = field("auteurEdit", QString(), QString(), dialog);
    partielsLabel = new QLabel(dialog);
    partielsLabel->setObjectName(QStringLiteral("partielsLabel"));

    descEdit = new QTextEdit(dialog);
    descEdit->setObjectName(QStringLiteral("descEdit"));
    descEdit->setAcceptRichText(false);
    descEdit->setPlainText(tr("Description du modèle"));
    descEdit->setToolTip(tr("Ecrire une description du modèle"));
    descEdit->setMaximumHeight(100);

    table = new QTableWidget(0, 3, dialog);
    table->setObjectName(QStringLiteral("table"));
    table->setHorizontalHeaderLabels({tr("Fréquence"), tr("Amort."), tr("Poids")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setVisible(false);
    table->setSortingEnabled(false);
    // Each column as wide as a generated value of 6 digits, say -0.0998065, or its title.
    const int valeur = table->fontMetrics().horizontalAdvance(QStringLiteral("-0.0998065")) + 12;
    table->resizeColumnsToContents();
    int largeur = 0;
    for (int c = 0; c < 3; ++c) {
        table->setColumnWidth(c, std::max(valeur, table->columnWidth(c)));
        largeur += table->columnWidth(c);
    }
    table->setMinimumWidth(largeur + 2 * table->frameWidth() +
                           table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table));

    // Edition.
    editionGroup = new QGroupBox(tr("Edition"), dialog);
    editionGroup->setObjectName(QStringLiteral("editionGroup"));
    ouvrirButton = button("ouvrirButton", tr("Ouvrir"), editionGroup);
    ajouterButton = button("ajouterButton", tr("Ajouter"), editionGroup);
    ajouterButton->setEnabled(false);
    ajouterButton->setToolTip(tr("Cliquer pour ajouter un mode vibratoire"));
    supprimerButton = button("supprimerButton", tr("Supprimer"), editionGroup);
    supprimerButton->setEnabled(false);
    supprimerButton->setToolTip(tr("Selectionner un mode et cliquer pour supprimer"));
    nouveauButton = button("nouveauButton", tr("Nouveau"), editionGroup);
    enregistrerButton = button("enregistrerButton", tr("Enregistrer"), editionGroup);
    enregistrerButton->setToolTip(tr("Enregistrer le modèle dans un fichier XML"));
    amortCheck = new QCheckBox(tr("Coeff. Amort"), editionGroup);
    amortCheck->setObjectName(QStringLiteral("amortCheck"));
    QFont petite = amortCheck->font();
    petite.setPointSize(7);
    amortCheck->setFont(petite);
    amortCheck->setChecked(true);
    selectionnerButton = button("selectionnerButton", tr("Selectionner"), dialog);
    selectionnerButton->setToolTip(tr("Selectionner le modèle courant"));

    auto *editionLayout = new QVBoxLayout(editionGroup);
    for (QWidget *w : {static_cast<QWidget *>(ouvrirButton), static_cast<QWidget *>(ajouterButton),
                       static_cast<QWidget *>(supprimerButton), static_cast<QWidget *>(nouveauButton),
                       static_cast<QWidget *>(enregistrerButton), static_cast<QWidget *>(amortCheck)})
        editionLayout->addWidget(w);

    // Creation of physical models.
    creationGroup = new QGroupBox(tr("Création de modèles Corde/Tige ou Barre/Poutre"), dialog);
    creationGroup->setObjectName(QStringLiteral("creationGroup"));
    structureCombo = new QComboBox(creationGroup);
    structureCombo->setObjectName(QStringLiteral("structureCombo"));
    for (int i = 0; i < PhysicalModel::kStructureCount; ++i)
        structureCombo->addItem(PhysicalModel::name(i));
    structureCombo->setToolTip(tr("Choisir une structure vibrante dans la liste"));
    imageLabel = new QLabel(creationGroup);
    imageLabel->setObjectName(QStringLiteral("imageLabel"));
    imageLabel->setFixedSize(140, 40);

    modesEdit = field("modesEdit", QStringLiteral("1"), tr("Nombre de modes à créer"), creationGroup);
    modesEdit->setValidator(new QIntValidator(1, PhysicalModel::kMaxModes, modesEdit));
    pointEdit = field("pointEdit", QStringLiteral("0.3"),
                      tr("Position du point de percussion est un nombre entre 0 et 1"), creationGroup);
    pointEdit->setValidator(decimals(0, 1, 2, pointEdit));

    amortGroup = new QGroupBox(tr("Amortissement"), creationGroup);
    amortGroup->setObjectName(QStringLiteral("amortGroup"));
    externeEdit = field("externeEdit", QStringLiteral("0"),
                        tr("Amortissement externe, affecte tous les modes de façon uniforme"), amortGroup);
    externeEdit->setValidator(decimals(0, 1000, 3, externeEdit));
    hysteresisEdit = field("hysteresisEdit", QStringLiteral("0"),
                           tr("Amortissement par hystérésis, affecte chaque mode proportionnellement à sa fréquence"),
                           amortGroup);
    hysteresisEdit->setValidator(decimals(0, 10, 3, hysteresisEdit));
    interneEdit = field("interneEdit", QStringLiteral("0"),
                        tr("Amortissement interne (visoélastique), affecte chaque mode proportionnellement au "
                           "carré de sa fréquence"),
                        amortGroup);
    interneEdit->setValidator(decimals(0, 10, 3, interneEdit));
    appliquerButton = button("appliquerButton", tr("Appliquer"), amortGroup);
    appliquerButton->setToolTip(tr("Appliquer les coefficients d'amortissement"));
    creerButton = button("creerButton", tr("Créer"), creationGroup);

    chartArea = new QWidget(creationGroup);
    chartArea->setObjectName(QStringLiteral("chartArea"));
    chartArea->setFixedSize(ModeChart::staffFrame().size());

    auto *amortForm = new QFormLayout;
    amortForm->addRow(tr("Externe"), externeEdit);
    amortForm->addRow(tr("Hystérésis"), hysteresisEdit);
    amortForm->addRow(tr("Interne"), interneEdit);
    auto *amortLayout = new QVBoxLayout(amortGroup);
    amortLayout->addLayout(amortForm);
    amortLayout->addWidget(appliquerButton);

    auto *modesForm = new QFormLayout;
    modesForm->addRow(tr("Modes"), modesEdit);
    modesForm->addRow(tr("Point Perc."), pointEdit);
    auto *leftColumn = new QVBoxLayout;
    leftColumn->addLayout(modesForm);
    leftColumn->addStretch();
    leftColumn->addWidget(chartArea);

    // Under the picture, room for the marker of the percussion point that the dialog paints.
    auto *imageColumn = new QVBoxLayout;
    imageColumn->addWidget(imageLabel);
    imageColumn->addSpacing(kMarkerRoom);

    auto *creationLayout = new QGridLayout(creationGroup);
    creationLayout->addWidget(structureCombo, 0, 0);
    creationLayout->addLayout(imageColumn, 0, 1);
    creationLayout->addLayout(leftColumn, 1, 0, 2, 1);
    creationLayout->addWidget(amortGroup, 1, 1);
    creationLayout->addWidget(creerButton, 2, 1);

    // The window.
    auto *enTete = new QFormLayout;
    enTete->addRow(tr("Fichier :"), fichierLabel);
    enTete->addRow(tr("Titre :"), titreEdit);
    enTete->addRow(tr("Auteur :"), auteurEdit);
    enTete->addRow(tr("Partiels :"), partielsLabel);

    auto *editionColumn = new QVBoxLayout;
    editionColumn->addWidget(editionGroup);
    editionColumn->addWidget(selectionnerButton);
    editionColumn->addStretch();

    auto *grid = new QGridLayout(dialog);
    grid->addLayout(enTete, 0, 0);
    grid->addWidget(descEdit, 0, 1, 1, 2);
    grid->addWidget(table, 1, 0);
    grid->addLayout(editionColumn, 1, 1);
    grid->addWidget(creationGroup, 1, 2);
    // Width to spare goes to the table.
    grid->setColumnStretch(0, 1);

    // Least sizes; each grows to its text in the user's font.
    boundWidth(modesEdit, 60, QStringLiteral("100"));
    boundWidth(pointEdit, 60, QStringLiteral("0.99"));
    boundWidth(externeEdit, 60, QStringLiteral("1000.000"));
    boundWidth(hysteresisEdit, 60, QStringLiteral("10.000"));
    boundWidth(interneEdit, 60, QStringLiteral("10.000"));
    for (QPushButton *b : {appliquerButton, creerButton})
        b->setFixedWidth(std::max(75, b->sizeHint().width()));
    // A group's size hint leaves its title out; its minimum size hint does not.
    const auto wide = [](const QWidget *w) { return std::max(w->sizeHint().width(), w->minimumSizeHint().width()); };
    editionGroup->setMaximumWidth(std::max(100, wide(editionGroup)));
    selectionnerButton->setMaximumWidth(std::max(editionGroup->maximumWidth(), wide(selectionnerButton)));
    creationGroup->setMaximumWidth(std::max(300, wide(creationGroup)));

    dialog->setWindowTitle(tr("ZIB-Edition d'un modèle de synthèse"));
    dialog->setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    dialog->setFixedWidth(std::max(733, dialog->sizeHint().width()));
    dialog->setMaximumHeight(std::max(381, dialog->minimumSizeHint().height()));
}
