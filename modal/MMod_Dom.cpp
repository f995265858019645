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

MMod_Dom::MMod_Dom(MainWindow *mainWindow, QWidget *parent)
    : QDialog(parent), m_mainWindow(mainWindow)
{
    m_savePrompt = [](QWidget *parent, const QString &title, const QString &folder, const QString &filter) {
        return QFileDialog::getSaveFileName(parent, title, folder, filter);
    };
    m_openPrompt = [](QWidget *parent, const QString &title, const QString &folder, const QString &filter) {
        return QFileDialog::getOpenFileName(parent, title, folder, filter);
    };

    m_ui.setupUi(this);
    m_image.load(QStringLiteral("figures/cordeApAp.png"));
    m_ui.pictureLabel->setPixmap(QPixmap::fromImage(m_image));
    connectWidgets();
}

MMod_Dom::~MMod_Dom() = default;

void MMod_Dom::connectWidgets()
{
    connect(m_ui.saveButton, &QPushButton::clicked, this, &MMod_Dom::writeDom);
    connect(m_ui.table, &QTableWidget::cellChanged, this, &MMod_Dom::updateDom);
    connect(m_ui.openButton, &QPushButton::clicked, this, &MMod_Dom::loadDom);
    connect(m_ui.addButton, &QPushButton::clicked, this, &MMod_Dom::addRow);
    connect(m_ui.newButton, &QPushButton::clicked, this, &MMod_Dom::newDom);
    connect(m_ui.removeButton, &QPushButton::clicked, this, &MMod_Dom::remRow);
    connect(m_ui.createButton, &QPushButton::clicked, this, &MMod_Dom::creerModele);
    connect(m_ui.structureCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MMod_Dom::changeImageObj);
    connect(m_ui.applyButton, &QPushButton::clicked, this, &MMod_Dom::amortAppliquer);
    connect(m_ui.selectButton, &QPushButton::clicked, this, &MMod_Dom::modeleAppliquer);
    connect(m_ui.table, &QTableWidget::itemClicked, this, &MMod_Dom::rowSelected);
    // A row added and not yet typed into has no item to click: its cells select it all the same.
    connect(m_ui.table, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (!m_ui.table->item(row, column))
            selectRow(row);
    });
    connect(m_ui.dampingCheck, &QCheckBox::stateChanged, this, &MMod_Dom::setTypeAmort);
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
    return m_ui.pictureLabel->mapTo(this, QPoint(12, m_ui.pictureLabel->height() + MMod_DomUi::kMarkerRoom - 2)) -
           QPoint(ModeChart::kMarkerLeft, ModeChart::kMarkerBase);
}

DampingLaw MMod_Dom::dampingLaw() const
{
    return DampingLaw::fromTexts(m_ui.externalEdit->text(), m_ui.hysteresisEdit->text(),
                                 m_ui.internalEdit->text());
}

void MMod_Dom::setCell(int row, int column, const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    m_ui.table->setItem(row, column, item);
}

void MMod_Dom::showFileName(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    m_ui.fileLabel->setToolTip(name);
    m_ui.fileLabel->setText(
        m_ui.fileLabel->fontMetrics().elidedText(name, Qt::ElideMiddle, m_ui.fileLabel->width()));
}

void MMod_Dom::showModeCount()
{
    m_ui.modeCountLabel->setText(m_document ? QString::number(m_document->nbmod()) : QString());
}

void MMod_Dom::warn(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

void MMod_Dom::inform(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
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
    const QString name = m_savePrompt(this, tr("Enregistrer Fichier de paramètres"), QStringLiteral("./synth_param/"),
                                      QStringLiteral("*.par"));
    if (name.isEmpty())
        return;
    if (!m_document->save(name)) {
        warn(QMessageBox::Critical, tr("Erreur"), tr("Le modèle n'a pas été enregistré"));
        return;
    }
    showFileName(name);
}

void MMod_Dom::updateDom(int ligne, int colonne)
{
    if (!m_document)
        return;
    const QTableWidgetItem *item = m_ui.table->item(ligne, colonne);
    const QString text = item ? item->text() : QString();
    if (!m_document->setValue(ligne, colonne, text)) {
        switch (colonne) {
        case ModelDocument::Frequency:
            warn(QMessageBox::Warning, tr("Fréquence illégale"),
                 tr("Les fréquences doivent être des nombres strictement positifs"));
            break;
        case ModelDocument::Damping:
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
    const QString name = m_openPrompt(this, tr("Fichier de paramètres"), QStringLiteral("./synth_param/"),
                                      QStringLiteral("*.par;;*.xml;;*.*"));
    if (name.isEmpty())
        return;
    // Read aside: a file that fails leaves the model, its table and its fields as they were.
    auto read = std::make_unique<ModelDocument>();
    switch (read->load(name)) {
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
    m_document = std::move(read);
    m_ui.addButton->setEnabled(true);
    m_ui.removeButton->setEnabled(false);

    m_ui.titleEdit->setText(m_document->title());
    m_ui.descriptionEdit->setPlainText(m_document->description());
    m_ui.authorEdit->setText(m_document->author());
    showFileName(name);

    const int n = m_document->nbmod();
    showModeCount();
    // Rows the file leaves without a mode stay empty, not filled with the previous model's.
    m_ui.table->setRowCount(0);
    m_ui.table->setRowCount(n);
    const int count = m_document->partielCount();
    for (int i = 0; i < std::min(n, count); ++i) {
        const QDomElement p = m_document->partiel(i);
        setCell(i, ModelDocument::Frequency, p.attribute(QStringLiteral("freq")));
        setCell(i, ModelDocument::Damping, p.attribute(QStringLiteral("amort")));
        setCell(i, ModelDocument::Weight, p.attribute(QStringLiteral("poids")));
    }
    if (count != n)
        inform(tr("Nombre de modes inexact"));

    QString external, hysteresis, internal;
    if (m_document->coefficients(&external, &hysteresis, &internal)) {
        m_ui.externalEdit->setText(external);
        m_ui.hysteresisEdit->setText(hysteresis);
        m_ui.internalEdit->setText(internal);
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
    m_ui.titleEdit->clear();
    m_ui.authorEdit->clear();
    m_ui.descriptionEdit->clear();
    m_ui.fileLabel->clear();
    m_ui.fileLabel->setToolTip(QString());
    showModeCount();
    m_ui.addButton->setEnabled(true);
    m_ui.removeButton->setEnabled(false);
    update();
}

void MMod_Dom::remRow()
{
    const int row = m_ui.table->currentRow();
    if (!m_document || row < 0)
        return;
    m_ui.table->removeRow(row);
    m_document->removeMode(row);
    showModeCount();
    m_ui.removeButton->setEnabled(false);
    update();
}

void MMod_Dom::creerModele()
{
    newDom();
    const PhysicalModel model(m_ui.structureCombo->currentIndex(), m_ui.modesEdit->text(), m_ui.pointEdit->text(),
                              dampingLaw());
    m_ui.table->setRowCount(model.rowCount());
    m_ui.addButton->setEnabled(true);
    if (!model.isValid()) {
        inform(model.message());
        return;
    }
    m_ui.titleEdit->setText(model.title());
    const QVector<Mode> &modes = model.modes();
    for (int i = 0; i < modes.size(); ++i) {
        setCell(i, ModelDocument::Frequency, Mode::text(modes[i].freq));
        setCell(i, ModelDocument::Damping, Mode::text(modes[i].amort));
        setCell(i, ModelDocument::Weight, Mode::text(modes[i].poids));
    }
    m_ui.descriptionEdit->setPlainText(model.description());
}

void MMod_Dom::updateEntete()
{
    if (m_document)
        m_document->setHeader(m_ui.titleEdit->text(), m_ui.authorEdit->text(), m_ui.descriptionEdit->toPlainText());
}

void MMod_Dom::updAmort()
{
    if (m_document)
        m_document->setCoefficients(m_ui.dampingCheck->isChecked(), m_ui.externalEdit->text(),
                                    m_ui.hysteresisEdit->text(), m_ui.internalEdit->text());
}

void MMod_Dom::changeImageObj(int index)
{
    if (index >= 0 && index < PhysicalModel::kStructureCount)
        m_image.load(PhysicalModel::picture(index));
    m_ui.pictureLabel->setPixmap(QPixmap::fromImage(m_image));
}

void MMod_Dom::rowSelected(QTableWidgetItem *item)
{
    if (item)
        selectRow(item->row());
}

void MMod_Dom::selectRow(int row)
{
    m_ui.removeButton->setEnabled(true);
    m_ui.table->setCurrentCell(row, 0);
    update();
}

void MMod_Dom::amortAppliquer()
{
    if (!m_document)
        return;
    const DampingLaw law = dampingLaw();
    const int n = std::min(m_document->nbmod(), m_ui.table->rowCount());
    for (int i = 0; i < n; ++i)
        setCell(i, ModelDocument::Damping, Mode::text(law.rate(m_document->mode(i).freq)));
    if (m_modmod)
        m_modmod->typeAmort = 1;
}

void MMod_Dom::modeleAppliquer()
{
    if (!m_document)
        return;
    const bool withLaw = m_ui.dampingCheck->isChecked();
    const DampingLaw law = dampingLaw();
    m_banks.emplace_back(m_document->createModmod(withLaw ? &law : nullptr));
    m_modmod = m_banks.back().get();
    if (withLaw)
        qDebug() << "coeffExt " << m_ui.externalEdit->text() << "coeffHist " << m_ui.hysteresisEdit->text();
    if (m_mainWindow)
        m_mainWindow->setModele(m_modmod);
}

std::vector<std::unique_ptr<Modmod>> MMod_Dom::takeBanks()
{
    m_modmod = nullptr;
    return std::move(m_banks);
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
    const QPen red(Qt::red, 2);
    p.setPen(red);
    for (int i : ModeChart::drawn(modes)) {
        const QPointF foot = ModeChart::foot(modes[i].freq);
        p.drawLine(foot, foot - QPointF(0, ModeChart::lineLength(modes[i].poids)));
    }
    const int current = m_ui.table->currentRow();
    if (current >= 0 && current < modes.size() && ModeChart::placeable(modes[current].freq)) {
        const QPointF foot = ModeChart::foot(modes[current].freq);
        p.setPen(QPen(Qt::yellow, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(foot.x() - 2, foot.y() - 13, 4, 14));
    }

    // The percussion point under the structure.
    p.resetTransform();
    p.translate(markerOffset());
    p.setPen(red);
    const int x = ModeChart::markerX(m_ui.pointEdit->text().toDouble());
    const int base = ModeChart::kMarkerBase;
    p.drawLine(x, base, x, base - 5);
    p.drawLine(x - 3, base - 5, x - 1, base - 9);
    p.drawLine(x - 1, base - 9, x + 2, base - 5);
}
