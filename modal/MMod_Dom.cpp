#include "modal/MMod_Dom.h"

#include "app/MainWindow.h"
#include "modal/ModeChart.h"
#include "modal/ModelDocument.h"
#include "modal/PhysicalModel.h"
#include "synth/Modmod.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

#include <algorithm>

namespace {

// One label per semitone of the staff's octave.
const char *const kNotes[13] = {
    QT_TRANSLATE_NOOP("MMod_Dom", "Do"), "", QT_TRANSLATE_NOOP("MMod_Dom", "Ré"), "",
    QT_TRANSLATE_NOOP("MMod_Dom", "Mi"), QT_TRANSLATE_NOOP("MMod_Dom", "Fa"), "",
    QT_TRANSLATE_NOOP("MMod_Dom", "Sol"), "", QT_TRANSLATE_NOOP("MMod_Dom", "La"), "",
    QT_TRANSLATE_NOOP("MMod_Dom", "Si"), QT_TRANSLATE_NOOP("MMod_Dom", "Do")};

QVector<Mode> modesOf(const ModelDocument *document)
{
    QVector<Mode> modes;
    if (!document)
        return modes;
    for (int i = 0; i < document->partielCount(); ++i)
        modes.append(document->mode(i));
    return modes;
}

} // namespace

MMod_Dom::MMod_Dom(MainWindow *fenetre, QWidget *parent)
    : QDialog(parent), m_fenetre(fenetre)
{
    m_demandeSauvegarde = [](QWidget *parent, const QString &titre, const QString &dossier,
                             const QString &filtre) {
        return QFileDialog::getSaveFileName(parent, titre, dossier, filtre);
    };
    m_demandeOuverture = [](QWidget *parent, const QString &titre, const QString &dossier,
                            const QString &filtre) {
        return QFileDialog::getOpenFileName(parent, titre, dossier, filtre);
    };

    m_ui.setupUi(this);
    m_image.load(QStringLiteral("figures/cordeApAp.png"));
    m_ui.imageLabel->setPixmap(QPixmap::fromImage(m_image));
    connectWidgets();
}

MMod_Dom::~MMod_Dom() = default;

void MMod_Dom::connectWidgets()
{
    connect(m_ui.enregistrerButton, &QPushButton::clicked, this, &MMod_Dom::writeDom);
    connect(m_ui.table, &QTableWidget::cellChanged, this, &MMod_Dom::updateDom);
    connect(m_ui.ouvrirButton, &QPushButton::clicked, this, &MMod_Dom::loadDom);
    connect(m_ui.ajouterButton, &QPushButton::clicked, this, &MMod_Dom::addRow);
    connect(m_ui.nouveauButton, &QPushButton::clicked, this, &MMod_Dom::newDom);
    connect(m_ui.supprimerButton, &QPushButton::clicked, this, &MMod_Dom::remRow);
    connect(m_ui.creerButton, &QPushButton::clicked, this, &MMod_Dom::creerModele);
    connect(m_ui.structureCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MMod_Dom::changeImageObj);
    connect(m_ui.appliquerButton, &QPushButton::clicked, this, &MMod_Dom::amortAppliquer);
    connect(m_ui.selectionnerButton, &QPushButton::clicked, this, &MMod_Dom::modeleAppliquer);
    connect(m_ui.table, &QTableWidget::itemClicked, this, &MMod_Dom::rowSelected);
    // A row added and not yet typed into has no item to click: its cells select it all the same.
    connect(m_ui.table, &QTableWidget::cellClicked, this, [this](int ligne, int colonne) {
        if (!m_ui.table->item(ligne, colonne))
            selectRow(ligne);
    });
    connect(m_ui.amortCheck, &QCheckBox::stateChanged, this, &MMod_Dom::setTypeAmort);
    // The frame and the marker follow the keyboard and the typing as well.
    connect(m_ui.table, &QTableWidget::currentCellChanged, this, [this] { update(); });
    connect(m_ui.pointEdit, &QLineEdit::textChanged, this, [this] { update(); });
}

QPoint MMod_Dom::chartOffset() const
{
    return m_ui.chartArea->mapTo(this, QPoint(0, 0)) - ModeChart::staffFrame().topLeft();
}

QPoint MMod_Dom::markerOffset() const
{
    // Under the structure, whose ends the pictures draw about 20 and 130 pixels from their left:
    // the point 0 is 12 pixels in, the point 1 at 139; the marker's tip just below the picture.
    return m_ui.imageLabel->mapTo(this, QPoint(12, m_ui.imageLabel->height() + MMod_DomUi::kMarkerRoom - 2)) -
           QPoint(ModeChart::kMarkerLeft, ModeChart::kMarkerBase);
}

DampingLaw MMod_Dom::dampingLaw() const
{
    return DampingLaw::fromTexts(m_ui.externeEdit->text(), m_ui.hysteresisEdit->text(),
                                 m_ui.interneEdit->text());
}

void MMod_Dom::setCell(int ligne, int colonne, const QString &texte)
{
    auto *item = new QTableWidgetItem(texte);
    item->setTextAlignment(Qt::AlignCenter);
    m_ui.table->setItem(ligne, colonne, item);
}

void MMod_Dom::showFileName(const QString &chemin)
{
    const QString nom = chemin.mid(chemin.lastIndexOf(QLatin1Char('/')) + 1);
    m_ui.fichierLabel->setToolTip(nom);
    m_ui.fichierLabel->setText(
        m_ui.fichierLabel->fontMetrics().elidedText(nom, Qt::ElideMiddle, m_ui.fichierLabel->width()));
}

void MMod_Dom::showModeCount()
{
    m_ui.partielsLabel->setText(m_document ? QString::number(m_document->nbmod()) : QString());
}

void MMod_Dom::warn(QMessageBox::Icon icon, const QString &titre, const QString &texte)
{
    QMessageBox box(icon, titre, texte, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

void MMod_Dom::inform(const QString &texte)
{
    auto *box = new QMessageBox(QMessageBox::Information, windowTitle(), texte, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("information"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void MMod_Dom::writeDom()
{
    if (!m_document)
        return;
    updateEntete();
    updAmort();
    const QString nom = m_demandeSauvegarde(this, tr("Enregistrer Fichier de paramètres"),
                                            QStringLiteral("./synth_param/"), QStringLiteral("*.par"));
    if (nom.isEmpty())
        return;
    if (!m_document->save(nom)) {
        warn(QMessageBox::Critical, tr("Erreur"), tr("Le modèle n'a pas été enregistré"));
        return;
    }
    showFileName(nom);
}

void MMod_Dom::updateDom(int ligne, int colonne)
{
    if (!m_document)
        return;
    const QTableWidgetItem *item = m_ui.table->item(ligne, colonne);
    const QString texte = item ? item->text() : QString();
    if (!m_document->setValue(ligne, colonne, texte)) {
        switch (colonne) {
        case ModelDocument::Frequence:
            warn(QMessageBox::Warning, tr("Fréquence illégale"),
                 tr("Les fréquences doivent être des nombres strictement positifs"));
            break;
        case ModelDocument::Amortissement:
            warn(QMessageBox::Warning, tr("Amortissement illégal"),
                 tr("Les amortissements doivent être positifs ou nuls"));
            break;
        default:
            warn(QMessageBox::Warning, tr("Poids illégal"), tr("Les poids  doivent être des nombres décimaux"));
            break;
        }
        // Raises the cell change again, which records the replacement.
        setCell(ligne, colonne, ModelDocument::replacement(colonne));
    }
    showModeCount();
    update();
}

void MMod_Dom::loadDom()
{
    const QString nom = m_demandeOuverture(this, tr("Fichier de paramètres"), QStringLiteral("./synth_param/"),
                                           QStringLiteral("*.par;;*.xml;;*.*"));
    if (nom.isEmpty())
        return;
    // Read aside: a file that fails leaves the model, its table and its fields as they were.
    auto lu = std::make_unique<ModelDocument>();
    switch (lu->load(nom)) {
    case ModelDocument::NotOpened:
        warn(QMessageBox::Warning, tr("Erreur à l'ouverture du document XML"),
             tr("Le document XML n'a pas pu être ouvert. Vérifiez que le nom est le bon et que le document "
                "est bien placé"));
        return;
    case ModelDocument::NotParsed:
        warn(QMessageBox::Warning, tr("Erreur à l'ouverture du document XML"),
             tr("Le document XML n'a pas pu être attribué à l'objet QDomDocument."));
        return;
    case ModelDocument::Loaded:
        break;
    }
    m_document = std::move(lu);
    m_ui.ajouterButton->setEnabled(true);
    m_ui.supprimerButton->setEnabled(false);

    m_ui.titreEdit->setText(m_document->titre());
    m_ui.descEdit->setPlainText(m_document->description());
    m_ui.auteurEdit->setText(m_document->auteur());
    showFileName(nom);

    const int n = m_document->nbmod();
    showModeCount();
    // Rows the file leaves without a mode stay empty, not filled with the previous model's.
    m_ui.table->setRowCount(0);
    m_ui.table->setRowCount(n);
    const int lus = m_document->partielCount();
    for (int i = 0; i < std::min(n, lus); ++i) {
        const QDomElement p = m_document->partiel(i);
        setCell(i, ModelDocument::Frequence, p.attribute(QStringLiteral("freq")));
        setCell(i, ModelDocument::Amortissement, p.attribute(QStringLiteral("amort")));
        setCell(i, ModelDocument::Poids, p.attribute(QStringLiteral("poids")));
    }
    if (lus != n)
        inform(tr("Nombre de modes inexact"));

    QString externe, hysteresis, interne;
    if (m_document->coefficients(&externe, &hysteresis, &interne)) {
        m_ui.externeEdit->setText(externe);
        m_ui.hysteresisEdit->setText(hysteresis);
        m_ui.interneEdit->setText(interne);
    }
    update();
}

void MMod_Dom::addRow()
{
    m_ui.table->insertRow(m_ui.table->rowCount());
}

void MMod_Dom::newDom()
{
    m_document = std::make_unique<ModelDocument>();
    m_ui.table->setRowCount(0);
    m_ui.table->setHorizontalHeaderLabels({tr("Fréquence"), tr("Amort."), tr("Poids")});
    m_ui.titreEdit->clear();
    m_ui.auteurEdit->clear();
    m_ui.descEdit->clear();
    m_ui.fichierLabel->clear();
    m_ui.fichierLabel->setToolTip(QString());
    showModeCount();
    m_ui.ajouterButton->setEnabled(true);
    m_ui.supprimerButton->setEnabled(false);
    update();
}

void MMod_Dom::remRow()
{
    const int ligne = m_ui.table->currentRow();
    if (!m_document || ligne < 0)
        return;
    m_ui.table->removeRow(ligne);
    m_document->removeMode(ligne);
    showModeCount();
    m_ui.supprimerButton->setEnabled(false);
    update();
}

void MMod_Dom::creerModele()
{
    newDom();
    const PhysicalModel modele(m_ui.structureCombo->currentIndex(), m_ui.modesEdit->text(),
                               m_ui.pointEdit->text(), dampingLaw());
    m_ui.table->setRowCount(modele.rowCount());
    m_ui.ajouterButton->setEnabled(true);
    if (!modele.isValid()) {
        inform(modele.message());
        return;
    }
    m_ui.titreEdit->setText(modele.titre());
    const QVector<Mode> &modes = modele.modes();
    for (int i = 0; i < modes.size(); ++i) {
        setCell(i, ModelDocument::Frequence, Mode::text(modes[i].freq));
        setCell(i, ModelDocument::Amortissement, Mode::text(modes[i].amort));
        setCell(i, ModelDocument::Poids, Mode::text(modes[i].poids));
    }
    m_ui.descEdit->setPlainText(modele.description());
}

void MMod_Dom::updateEntete()
{
    if (m_document)
        m_document->setEntete(m_ui.titreEdit->text(), m_ui.auteurEdit->text(), m_ui.descEdit->toPlainText());
}

void MMod_Dom::updAmort()
{
    if (m_document)
        m_document->setCoefficients(m_ui.amortCheck->isChecked(), m_ui.externeEdit->text(),
                                    m_ui.hysteresisEdit->text(), m_ui.interneEdit->text());
}

void MMod_Dom::changeImageObj(int index)
{
    if (index >= 0 && index < PhysicalModel::kStructureCount)
        m_image.load(PhysicalModel::picture(index));
    m_ui.imageLabel->setPixmap(QPixmap::fromImage(m_image));
}

void MMod_Dom::rowSelected(QTableWidgetItem *item)
{
    if (item)
        selectRow(item->row());
}

void MMod_Dom::selectRow(int ligne)
{
    m_ui.supprimerButton->setEnabled(true);
    m_ui.table->setCurrentCell(ligne, 0);
    update();
}

void MMod_Dom::amortAppliquer()
{
    if (!m_document)
        return;
    const DampingLaw loi = dampingLaw();
    const int n = std::min(m_document->nbmod(), m_ui.table->rowCount());
    for (int i = 0; i < n; ++i)
        setCell(i, ModelDocument::Amortissement, Mode::text(loi.rate(m_document->mode(i).freq)));
    if (m_modmod)
        m_modmod->typeAmort = 1;
}

void MMod_Dom::modeleAppliquer()
{
    if (!m_document)
        return;
    const bool avecLoi = m_ui.amortCheck->isChecked();
    const DampingLaw loi = dampingLaw();
    m_banks.emplace_back(m_document->createModmod(avecLoi ? &loi : nullptr));
    m_modmod = m_banks.back().get();
    if (avecLoi)
        qDebug() << "coeffExt " << m_ui.externeEdit->text() << "coeffHist " << m_ui.hysteresisEdit->text();
    if (m_fenetre)
        m_fenetre->setModele(m_modmod);
}

void MMod_Dom::setTypeAmort(int etat)
{
    if (!m_modmod)
        return;
    if (etat == Qt::Unchecked)
        m_modmod->typeAmort = 0;
    else if (etat == Qt::Checked)
        m_modmod->typeAmort = 1;
}

void MMod_Dom::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    p.translate(chartOffset());

    // The staff: one line per octave, a tick and a label per semitone.
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setBrush(Qt::black);
    for (int o = 0; o < ModeChart::kLines; ++o)
        p.drawLine(ModeChart::kLeft, ModeChart::lineY(o), ModeChart::kRight, ModeChart::lineY(o));
    p.setFont(QFont(QStringLiteral("Arial"), 6));
    for (int i = 0; i <= 12; ++i) {
        const int x = ModeChart::kLeft + ModeChart::kSemitone * i;
        for (int o = 0; o < ModeChart::kLines; ++o)
            p.drawLine(x, ModeChart::lineY(o) - 5, x, ModeChart::lineY(o));
        if (*kNotes[i])
            p.drawText(QRect(QPoint(x - 11, 330), QPoint(x + 12, 338)), Qt::AlignCenter | Qt::TextDontClip,
                       tr(kNotes[i]));
    }

    // The modes, each a line whose length grows with its weight.
    const QVector<Mode> modes = modesOf(m_document.get());
    const QPen rouge(Qt::red, 2);
    p.setPen(rouge);
    for (int i : ModeChart::drawn(modes)) {
        const QPointF pied = ModeChart::foot(modes[i].freq);
        p.drawLine(pied, pied - QPointF(0, ModeChart::lineLength(modes[i].poids)));
    }
    const int courante = m_ui.table->currentRow();
    if (courante >= 0 && courante < modes.size() && ModeChart::placeable(modes[courante].freq)) {
        const QPointF pied = ModeChart::foot(modes[courante].freq);
        p.setPen(QPen(Qt::yellow, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(pied.x() - 2, pied.y() - 13, 4, 14));
    }

    // The percussion point under the structure.
    p.resetTransform();
    p.translate(markerOffset());
    p.setPen(rouge);
    const int x = ModeChart::markerX(m_ui.pointEdit->text().toDouble());
    const int base = ModeChart::kMarkerBase;
    p.drawLine(x, base, x, base - 5);
    p.drawLine(x - 3, base - 5, x - 1, base - 9);
    p.drawLine(x - 1, base - 9, x + 2, base - 5);
}
