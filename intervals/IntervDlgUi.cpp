#include "intervals/IntervDlgUi.h"

#include "intervals/CategoryScheme.h"
#include "intervals/ListView.h"
#include "intervals/ScalaFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The ruler painted across the top ends at y = 61.
constexpr int kRulerBottom = 64;
// The widest deviation the justness label shows, in cents.
constexpr float kWidestDeviation = -1200;

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

/// Size of a rich text laid out within width pixels (no limit when width is 0) in the font of w.
QSize richTextSize(const QWidget *w, const QString &html, int width)
{
    QTextDocument doc;
    doc.setDefaultFont(w->font());
    doc.setDocumentMargin(0);
    doc.setHtml(html);
    if (width > 0)
        doc.setTextWidth(width);
    return doc.size().toSize() + QSize(2, 2);
}

/// Gives w at least the size least, or more when its contents need it: a minimum set on a widget
/// replaces what its layout or its text asks for, so it must not be less.
void setLeastSize(QWidget *w, const QSize &least)
{
    w->setMinimumSize(least.expandedTo(w->minimumSizeHint()));
}

} // namespace

const char *const IntervDlgUi::kWarning =
    QT_TRANSLATE_NOOP("IntervDlgUi", "<font color=yellow><b>L'intervalle ne doit pas dépasser 1250 cents</b></font>");

QString IntervDlgUi::deviationText(float e)
{
    QString figure = QString::number(double(e), 'f', 2);
    if (figure == QLatin1String("-0.00"))
        figure = QStringLiteral("0.00");
    return tr("Ecart : <font color=red>%1</font> c").arg(figure);
}

QString IntervDlgUi::outsideTreeText(int count)
{
    return count > 0 ? tr("Au-delà de 1250 cents, absents de l'arbre : %1").arg(count) : QString();
}

void IntervDlgUi::setupUi(QDialog *dialog)
{
    nouveauButton = button(tr("Nouveau"), "nouveauButton", dialog);
    nouveauButton->setToolTip(tr("Créer une nouvelle liste à partir d'une liste vide"));
    ouvrirButton = button(tr("Ouvrir"), "ouvrirButton", dialog);
    ouvrirButton->setToolTip(tr("Charger une nouvelle liste à partir d'un fichier"));
    enregistrerButton = button(tr("Enregistrer"), "enregistrerButton", dialog);
    enregistrerButton->setToolTip(tr("Enregistrer la liste dans un fichier"));
    importerButton = button(tr("Importer…"), "importerButton", dialog);
    importerButton->setToolTip(tr("Importer une gamme Scala (.scl), ou la référence d'un clavier Scala (.kbm) "
                                  "comme Fréquence 1"));
    exporterButton = button(tr("Exporter…"), "exporterButton", dialog);
    exporterButton->setToolTip(tr("Exporter la liste en gamme Scala (.scl), avec un clavier (.kbm) qui la joue "
                                  "à Fréquence 1 depuis la note MIDI 60"));
    fermerButton = button(tr("Fermer"), "fermerButton", dialog);
    ajouterButton = button(tr("Ajouter"), "ajouterButton", dialog);
    ajouterButton->setEnabled(false);
    ajouterButton->setToolTip(tr("Ajouter l'intervalle courant à la liste"));
    supprimerButton = button(tr("Supprimer"), "supprimerButton", dialog);
    supprimerButton->setEnabled(false);
    supprimerButton->setToolTip(tr("Supprimer l'intervalle courant"));
    jouerListeButton = button(tr("Jouer Liste"), "jouerListeButton", dialog);
    jouerListeButton->setEnabled(false);
    melodieButton = button(tr("Mélodie"), "melodieButton", dialog);
    melodieButton->setEnabled(false);
    melodieButton->setToolTip(tr("Jouer un fragment mélodique"));
    calculerButton = button(tr("Calculer"), "calculerButton", dialog);
    calculerButton->setMinimumWidth(std::max(90, calculerButton->sizeHint().width()));
    calculerButton->setToolTip(tr("Calculer l'écart à la justesse losqu'on transpose l'intervalle courant"));
    tableauButton = button(tr("Tableau"), "tableauButton", dialog);
    tableauButton->setToolTip(tr("Les quintes, quartes, tierces et sixtes de chaque degré : écart au pur et "
                                 "battements"));

    intervalEdit = new QLineEdit(dialog);
    intervalEdit->setObjectName(QStringLiteral("intervalEdit"));
    intervalEdit->setMinimumWidth(std::max(80, intervalEdit->fontMetrics().horizontalAdvance(QStringLiteral("1300.00")) + 12));
    intervalEdit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto *validator = new QDoubleValidator(0, 1300, 2, intervalEdit);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    intervalEdit->setValidator(validator);
    intervalEdit->setToolTip(tr("Intervalle en Cents, entre 0 et 1200"));
    intervalLabel = new QLabel(tr("Intervalle en cents"), dialog);
    intervalLabel->setObjectName(QStringLiteral("intervalLabel"));

    warningLabel = new QLabel(dialog);
    warningLabel->setObjectName(QStringLiteral("warningLabel"));
    warningLabel->setWordWrap(true);
    const int warningWidth = 150;
    warningLabel->setMinimumSize(warningWidth, richTextSize(warningLabel, tr(kWarning), warningWidth).height());
    // Its blinking must not move the others.
    QSizePolicy keepRoom = warningLabel->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    warningLabel->setSizePolicy(keepRoom);

    ecartLabel = new QLabel(dialog);
    ecartLabel->setObjectName(QStringLiteral("ecartLabel"));
    // Room for the widest deviation before any is shown, so that its group's size holds it.
    const QSize widestDeviation = richTextSize(ecartLabel, deviationText(kWidestDeviation), 0);
    ecartLabel->setMinimumSize(std::max(90, widestDeviation.width()), widestDeviation.height());

    fichierLabel = new QLabel(tr("Fichier  : "), dialog);
    fichierLabel->setObjectName(QStringLiteral("fichierLabel"));
    horsArbreLabel = new QLabel(dialog);
    horsArbreLabel->setObjectName(QStringLiteral("horsArbreLabel"));
    horsArbreLabel->setText(outsideTreeText(ScalaFile::kMaxPitches));
    horsArbreLabel->setMinimumSize(horsArbreLabel->sizeHint());
    horsArbreLabel->clear();
    titreLabel = new QLabel(tr("Titre"), dialog);
    titreEdit = new QLineEdit(dialog);
    titreEdit->setObjectName(QStringLiteral("titreEdit"));
    titreEdit->setMinimumWidth(110);
    auteurLabel = new QLabel(tr("Auteur"), dialog);
    auteurEdit = new QLineEdit(dialog);
    auteurEdit->setObjectName(QStringLiteral("auteurEdit"));
    auteurEdit->setMinimumWidth(110);

    descriptionEdit = new QTextEdit(dialog);
    descriptionEdit->setObjectName(QStringLiteral("descriptionEdit"));
    descriptionEdit->setAcceptRichText(false);
    descriptionEdit->setMinimumSize(250, 150);

    schemeCombo = new QComboBox(dialog);
    schemeCombo->setObjectName(QStringLiteral("schemeCombo"));
    for (int s = 0; s < CategoryScheme::kCount; ++s)
        schemeCombo->addItem(CategoryScheme::at(s).translatedName());
    schemeCombo->setMinimumWidth(std::max(90, schemeCombo->sizeHint().width()));

    treeView = new QTreeView(dialog);
    treeView->setObjectName(QStringLiteral("treeView"));
    treeView->setHeaderHidden(true);
    treeView->setRootIsDecorated(true);
    treeView->setWordWrap(true);
    treeView->setMinimumHeight(300);

    developperCheck = new QCheckBox(tr("Développer"), dialog);
    developperCheck->setObjectName(QStringLiteral("developperCheck"));
    developperCheck->setTristate(false);
    developperCheck->setToolTip(tr("Développer toutes les catégories d'intervalles"));

    listView = new ListView(dialog);
    listView->setObjectName(QStringLiteral("listView"));

    // Left: the interval, the tree beside the circle above the description, the file's header.
    auto *intervalRow = new QGridLayout;
    intervalRow->addWidget(intervalLabel, 0, 0);
    intervalRow->addWidget(intervalEdit, 1, 0);
    intervalRow->addWidget(warningLabel, 0, 1, 2, 1);
    intervalRow->setColumnStretch(2, 1);

    auto *treeGrid = new QGridLayout;
    treeGrid->addWidget(treeView, 0, 0, 2, 1);
    treeGrid->addWidget(listView, 0, 1);
    treeGrid->addWidget(descriptionEdit, 1, 1);

    auto *headerRow = new QHBoxLayout;
    // Title and author take what the file name leaves.
    headerRow->addWidget(fichierLabel);
    headerRow->addWidget(titreLabel);
    headerRow->addWidget(titreEdit, 1);
    headerRow->addWidget(auteurLabel);
    headerRow->addWidget(auteurEdit, 1);

    auto *left = new QVBoxLayout;
    left->addLayout(intervalRow);
    left->addSpacing(15);
    left->addLayout(treeGrid, 1);
    left->addWidget(horsArbreLabel);
    left->addLayout(headerRow);

    // Right, bottom-aligned: the file, list and justness groups, then "Fermer".
    fichierGroup = new QGroupBox(tr("Fichier"), dialog);
    auto *fichierLayout = new QVBoxLayout(fichierGroup);
    fichierLayout->addWidget(nouveauButton);
    fichierLayout->addWidget(ouvrirButton);
    fichierLayout->addWidget(enregistrerButton);
    fichierLayout->addWidget(importerButton);
    fichierLayout->addWidget(exporterButton);
    setLeastSize(fichierGroup, QSize(110, 120));

    listeGroup = new QGroupBox(tr("Liste"), dialog);
    auto *listeLayout = new QVBoxLayout(listeGroup);
    listeLayout->addWidget(ajouterButton);
    listeLayout->addWidget(supprimerButton);
    listeLayout->addWidget(jouerListeButton);
    listeLayout->addWidget(schemeCombo);
    listeLayout->addWidget(developperCheck);
    listeLayout->addWidget(melodieButton);
    setLeastSize(listeGroup, QSize(110, 200));

    justesseGroup = new QGroupBox(tr("Justesse"), dialog);
    auto *justesseLayout = new QVBoxLayout(justesseGroup);
    justesseLayout->addWidget(calculerButton);
    justesseLayout->addWidget(ecartLabel);
    justesseLayout->addWidget(tableauButton);
    setLeastSize(justesseGroup, QSize(110, 0));

    auto *right = new QVBoxLayout;
    right->addSpacing(60);
    right->addStretch(1);
    right->addWidget(fichierGroup);
    right->addWidget(listeGroup);
    right->addWidget(justesseGroup);
    right->addWidget(fermerButton);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);

    auto *main = new QVBoxLayout(dialog);
    QMargins margins = main->contentsMargins();
    margins.setTop(std::max(margins.top(), kRulerBottom));
    main->setContentsMargins(margins);
    main->addLayout(columns);
    // At least 690 pixels wide, and wider when the texts need it: a minimum set on the window
    // itself would let the user shrink it below what its texts need.
    main->addStrut(690);

    dialog->setWindowTitle(tr("ZIB - Edition de liste d'intervalles"));
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    dialog->setMaximumSize(900, 850);
}
