#include "melody/MelodyDlgUi.h"

#include "melody/EnvelopeGeometry.h"
#include "melody/ScaleView.h"
#include "melody/ScoreView.h"
#include "melody/NumericItem.h"
#include "synth/SampleRates.h"

#include <QComboBox>
#include <QDialog>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kGrey(106, 104, 100);

template <class T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = named(new QPushButton(text, parent), name);
    b->setMinimumWidth(std::max(MelodyDlgUi::kButtonWidth, b->sizeHint().width()));
    b->setAutoDefault(false);
    return b;
}

/// Standard-notation decimals with a point, whatever the desktop's locale.
QDoubleValidator *decimals(double bottom, double top, int places, QObject *parent)
{
    auto *v = new QDoubleValidator(bottom, top, places, parent);
    v->setNotation(QDoubleValidator::StandardNotation);
    v->setLocale(QLocale::c());
    return v;
}

/// A field as wide as its least width or its longest text, whichever is more.
void fitField(QLineEdit *edit, int least, const QString &longest)
{
    const int text = edit->fontMetrics().horizontalAdvance(longest);
    // The frame and the text margins of a line edit.
    const int chrome = 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
    edit->setFixedWidth(std::max(least, text + chrome));
}

} // namespace

void MelodyDlgUi::setNotesHeaders()
{
    tablNotes->setHorizontalHeaderLabels({tr("Date"), tr("Degré"), tr("Octave"), tr("Durée"), tr("Ampl.")});
    QFont font(QStringLiteral("Courrier"), 8);
    font.setBold(true);
    tablNotes->horizontalHeader()->setFont(font);
    const QFontMetrics metrics(font);
    for (int c = 0; c < tablNotes->columnCount(); ++c) {
        const QString header = tablNotes->horizontalHeaderItem(c)->text();
        tablNotes->setColumnWidth(c, std::max(kColumnWidth, metrics.horizontalAdvance(header) + 12));
    }
}

void MelodyDlgUi::setEnvelopeHeaders()
{
    tablEnv->setHorizontalHeaderLabels({tr("Date"), tr("Amplitude")});
}

void MelodyDlgUi::setupUi(QDialog *dialog)
{
    dialog->setWindowTitle(tr("ZIB 0.10 - Synthèse d'une mélodie"));
    dialog->setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint);

    // Notes: the table, its buttons, the score.
    tablNotes = named(new QTableWidget(0, 5, dialog), "tablNotes");
    tablNotes->setItemPrototype(new NumericItem);
    tablNotes->setMinimumWidth(kTableWidth);
    tablNotes->setSelectionBehavior(QAbstractItemView::SelectRows);
    tablNotes->horizontalHeader()->setStretchLastSection(true);
    tablNotes->setSortingEnabled(false);
    setNotesHeaders();

    nouveauButton = button(tr("Nouveau"), "nouveauButton", dialog);
    nouveauButton->setToolTip(tr("Créer une nouvelle mélodie"));
    ouvrirButton = button(tr("Ouvrir"), "ouvrirButton", dialog);
    ouvrirButton->setToolTip(tr("Ouvrir un fichier de mélodie"));
    enregisterButton = button(tr("Enregister"), "enregisterButton", dialog);
    enregisterButton->setEnabled(false);
    ajouterButton = button(tr("Ajouter"), "ajouterButton", dialog);
    ajouterButton->setEnabled(false);
    supprimerButton = button(tr("Supprimer"), "supprimerButton", dialog);
    supprimerButton->setEnabled(false);

    scoreArea = named(new QScrollArea(dialog), "scoreArea");
    QPalette grey = scoreArea->palette();
    grey.setColor(QPalette::Base, kGrey);
    grey.setColor(QPalette::Window, kGrey);
    scoreArea->setPalette(grey);
    scoreArea->setBackgroundRole(QPalette::Base);
    scoreArea->viewport()->setBackgroundRole(QPalette::Base);
    scoreArea->setMinimumSize(kTableWidth, 204);
    scoreArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    score = named(new ScoreView(dialog), "score");
    scoreArea->setWidget(score);
    zoomSlider = named(new QSlider(Qt::Horizontal, scoreArea), "zoomSlider");
    zoomSlider->setRange(1, 4);
    zoomSlider->setValue(1);
    scoreArea->setCornerWidget(zoomSlider);

    // The intervals and the melody's header.
    intervallesGroup = named(new QGroupBox(tr("Intervalles"), dialog), "intervallesGroup");
    scale = named(new ScaleView(intervallesGroup), "scale");
    auto *scaleLayout = new QHBoxLayout(intervallesGroup);
    scaleLayout->addWidget(scale, 0, Qt::AlignCenter);

    melodieGroup = named(new QGroupBox(tr("Mélodie"), dialog), "melodieGroup");
    fichierLabel = named(new QLabel(tr("Fichier de mélodie : "), melodieGroup), "fichierLabel");
    titreLabel = named(new QLabel(tr("Titre"), melodieGroup), "titreLabel");
    titreEdit = named(new QLineEdit(melodieGroup), "titreEdit");
    auteurLabel = named(new QLabel(tr("Auteur"), melodieGroup), "auteurLabel");
    auteurEdit = named(new QLineEdit(melodieGroup), "auteurEdit");
    descriptionEdit = named(new QTextEdit(melodieGroup), "descriptionEdit");
    descriptionEdit->setPlainText(tr("Description"));
    descriptionEdit->setMinimumHeight(std::max(50, 2 * descriptionEdit->fontMetrics().lineSpacing() + 8));
    descriptionEdit->setMaximumHeight(descriptionEdit->minimumHeight());
    auto *melodieLayout = new QGridLayout(melodieGroup);
    melodieLayout->addWidget(fichierLabel, 0, 0, 1, 2);
    melodieLayout->addWidget(titreLabel, 1, 0);
    melodieLayout->addWidget(titreEdit, 1, 1);
    melodieLayout->addWidget(auteurLabel, 2, 0);
    melodieLayout->addWidget(auteurEdit, 2, 1);
    melodieLayout->addWidget(descriptionEdit, 3, 0, 1, 2);
    // A least size set on a group replaces what its layout asks for: never less than that.
    melodieGroup->setMinimumSize(QSize(kTableWidth, 155).expandedTo(melodieGroup->minimumSizeHint()));

    // The synthesis fields.
    tempoLabel = named(new QLabel(tr("Tempo (bpm)"), dialog), "tempoLabel");
    tempoEdit = named(new QLineEdit(QStringLiteral("60"), dialog), "tempoEdit");
    tempoEdit->setValidator(decimals(30, 300, 2, tempoEdit));
    tempoEdit->setToolTip(tr("Ajuster le tempo en battement par minute"));
    fitField(tempoEdit, kButtonWidth, QStringLiteral("300.00"));
    freqRefLabel = named(new QLabel(tr("Fréq. de Réf."), dialog), "freqRefLabel");
    freqRefEdit = named(new QLineEdit(QStringLiteral("440"), dialog), "freqRefEdit");
    freqRefEdit->setValidator(decimals(20, 10000, 3, freqRefEdit));
    freqRefEdit->setToolTip(tr("Fréquence de référence limitée à l'intervalle [50;1000] Hz"));
    fitField(freqRefEdit, kButtonWidth, QStringLiteral("10000.000"));
    formeLabel = named(new QLabel(tr("Forme d'onde"), dialog), "formeLabel");
    formeCombo = named(new QComboBox(dialog), "formeCombo");
    formeCombo->addItems({tr("sinus"), tr("triangle"), tr("parabole"), tr("carré"), tr("rampe"), tr("synthèse")});
    formeCombo->setCurrentIndex(0);
    formeCombo->setMinimumWidth(std::max(kButtonWidth, formeCombo->sizeHint().width()));
    formeCombo->setToolTip(tr("Forme du signal : sinus, triangle, parabole, etc."));
    fechLabel = named(new QLabel(tr("Fréq. Ech."), dialog), "fechLabel");
    fechCombo = named(new QComboBox(dialog), "fechCombo");
    for (const int rate : kSampleRates)
        fechCombo->addItem(QString::number(rate));
    fechCombo->setCurrentIndex(kDefaultSampleRateIndex);
    fechCombo->setMinimumWidth(std::max(kButtonWidth, fechCombo->sizeHint().width()));
    fechCombo->setToolTip(tr("Fréquence d'échantillonnage"));
    synthButton = button(tr("Synthétiser"), "synthButton", dialog);
    synthButton->setToolTip(tr("Synthétiser le son"));
    synthButton->setDefault(true);
    synthButton->setEnabled(false);
    wavButton = button(tr("Enregistrer"), "wavButton", dialog);
    wavButton->setToolTip(tr("Enregistrer le rendu sonore sous format wav"));
    wavButton->setEnabled(false);

    // The envelope: its table, its buttons and the place of its drawing.
    enveloppeGroup = named(new QGroupBox(tr("Enveloppe"), dialog), "enveloppeGroup");
    tablEnv = named(new QTableWidget(0, 2, enveloppeGroup), "tablEnv");
    tablEnv->setItemPrototype(new NumericItem);
    tablEnv->setSelectionBehavior(QAbstractItemView::SelectRows);
    tablEnv->horizontalHeader()->setStretchLastSection(true);
    tablEnv->setSortingEnabled(false);
    tablEnv->setFixedHeight(std::max(89, 3 * tablEnv->fontMetrics().lineSpacing() + 30));
    setEnvelopeHeaders();
    envNouveauButton = button(tr("Nouveau"), "envNouveauButton", enveloppeGroup);
    envAjouterButton = button(tr("Ajouter"), "envAjouterButton", enveloppeGroup);
    envAjouterButton->setEnabled(false);
    envSupprimerButton = button(tr("Supprimer"), "envSupprimerButton", enveloppeGroup);
    envSupprimerButton->setEnabled(false);
    envelopeArea = named(new QWidget(enveloppeGroup), "envelopeArea");
    // The zero line and the right edge are drawn one pixel past the 294 × 65 box.
    envelopeArea->setFixedSize(EnvelopeGeometry::kWidth + 1, EnvelopeGeometry::kHeight + 1);

    auto *envButtons = new QVBoxLayout;
    envButtons->addWidget(envNouveauButton);
    envButtons->addWidget(envAjouterButton);
    envButtons->addWidget(envSupprimerButton);
    envButtons->addStretch();
    auto *envTop = new QHBoxLayout;
    envTop->addWidget(tablEnv, 1);
    envTop->addLayout(envButtons);
    auto *envLayout = new QVBoxLayout(enveloppeGroup);
    envLayout->addLayout(envTop);
    envLayout->addWidget(envelopeArea, 0, Qt::AlignHCenter);
    envLayout->addStretch();
    enveloppeGroup->setMinimumSize(QSize(kTableWidth, 215).expandedTo(enveloppeGroup->minimumSizeHint()));

    // The grid.
    auto *notesButtons = new QVBoxLayout;
    for (QPushButton *b : {nouveauButton, ouvrirButton, enregisterButton, ajouterButton, supprimerButton})
        notesButtons->addWidget(b);
    notesButtons->addStretch();

    auto *fields = new QVBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{tempoLabel, tempoEdit, freqRefLabel, freqRefEdit, formeLabel,
                                                       formeCombo, fechLabel, fechCombo})
        fields->addWidget(w);
    fields->addStretch();
    fields->addWidget(synthButton);
    fields->addWidget(wavButton);

    auto *grid = new QGridLayout(dialog);
    grid->addWidget(tablNotes, 0, 0);
    grid->addLayout(notesButtons, 0, 1);
    grid->addWidget(scoreArea, 0, 2);
    grid->addWidget(intervallesGroup, 1, 0);
    grid->addWidget(melodieGroup, 2, 0);
    grid->addLayout(fields, 1, 1, 2, 1);
    grid->addWidget(enveloppeGroup, 1, 2, 2, 1);
    grid->setRowStretch(0, 1);
}
