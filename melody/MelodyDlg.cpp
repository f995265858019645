#include "melody/MelodyDlg.h"

#include "app/MainWindow.h"
#include "melody/EnvelopeGeometry.h"
#include "melody/MelodyDocument.h"
#include "melody/MelodyFile.h"
#include "melody/MelodyRender.h"
#include "melody/NumericItem.h"
#include "melody/ScaleView.h"
#include "melody/ScoreGeometry.h"
#include "melody/ScoreView.h"
#include "melody/WaveExport.h"
#include "synth/SampleRates.h"
#include "synth/SyntheseSave.h"
#include "synth/WaveShapes.h"

#include <QComboBox>
#include <QDomDocument>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace {

const QColor kGrey(106, 104, 100);

// Marks a degree spin box that holds no degree of the list (an illegal degree read from a file)
// until the user sets one: the check before a render or a save refuses its note.
const char *const kIllegalDegree = "illegalDegree";

QString g6(double v)
{
    return QString::number(v, 'g', 6);
}

QString fileDialogPrompt(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                         bool save)
{
    return save ? QFileDialog::getSaveFileName(parent, caption, dir, filter)
                : QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

void setBase(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, colour);
    widget->setPalette(p);
}

// Removes the selected rows of table, each range from its bottom row up.
void removeSelectedRows(QTableWidget *table)
{
    QList<QTableWidgetSelectionRange> ranges = table->selectedRanges();
    std::sort(ranges.begin(), ranges.end(), [](const QTableWidgetSelectionRange &a, const QTableWidgetSelectionRange &b) {
        return a.topRow() > b.topRow();
    });
    for (const QTableWidgetSelectionRange &range : ranges)
        for (int r = range.bottomRow(); r >= range.topRow(); --r)
            table->removeRow(r);
}

} // namespace

MelodyDlg::MelodyDlg(MainWindow *main, const ListInterv &liste, QWidget *parent)
    : QDialog(parent), m_main(main), m_liste(liste)
{
    m_ui.setupUi(this);
    m_openPrompt = [](QWidget *p, const QString &c, const QString &d, const QString &f) {
        return fileDialogPrompt(p, c, d, f, false);
    };
    m_savePrompt = [](QWidget *p, const QString &c, const QString &d, const QString &f) {
        return fileDialogPrompt(p, c, d, f, true);
    };
    m_ui.score->tabl = m_ui.tablNotes;
    connectWidgets();
    init();
}

MelodyDlg::~MelodyDlg()
{
    qDeleteAll(enveloppe);
}

void MelodyDlg::connectWidgets()
{
    connect(m_ui.nouveauButton, &QPushButton::clicked, this, &MelodyDlg::newScore);
    connect(m_ui.ouvrirButton, &QPushButton::clicked, this, &MelodyDlg::open);
    connect(m_ui.enregisterButton, &QPushButton::clicked, this, &MelodyDlg::saveMelody);
    connect(m_ui.ajouterButton, &QPushButton::clicked, this, &MelodyDlg::addNote);
    connect(m_ui.supprimerButton, &QPushButton::clicked, this, &MelodyDlg::remNote);
    connect(m_ui.synthButton, &QPushButton::clicked, this, &MelodyDlg::synthNotes);
    connect(m_ui.wavButton, &QPushButton::clicked, this, &MelodyDlg::saveWave);
    connect(m_ui.envNouveauButton, &QPushButton::clicked, this, &MelodyDlg::newEnv);
    connect(m_ui.envAjouterButton, &QPushButton::clicked, this, &MelodyDlg::addPoint);
    connect(m_ui.envSupprimerButton, &QPushButton::clicked, this, &MelodyDlg::remPoint);
    connect(m_ui.tablNotes, &QTableWidget::itemChanged, this, &MelodyDlg::updTabl);
    connect(m_ui.tablEnv, &QTableWidget::itemChanged, this, &MelodyDlg::updateEnv);
    connect(m_ui.tablEnv, &QTableWidget::itemClicked, this, &MelodyDlg::rowSelected);
    // The selected note is outlined in yellow, however it became current.
    connect(m_ui.tablNotes, &QTableWidget::currentCellChanged, m_ui.score, [this] { m_ui.score->update(); });
    connect(m_ui.scoreArea->horizontalScrollBar(), &QScrollBar::valueChanged, this, &MelodyDlg::beginDate);
    connect(m_ui.scoreArea->verticalScrollBar(), &QScrollBar::valueChanged, this, &MelodyDlg::beginInterv);
    connect(m_ui.zoomSlider, &QSlider::valueChanged, this, [this](int k) { scaleUpdate(k); });
    // A Return that commits a cell must not also press the default button.
    m_ui.tablNotes->installEventFilter(this);
    m_ui.tablEnv->installEventFilter(this);
}

void MelodyDlg::warn(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

// ---- accessors

QString MelodyDlg::cellText(int row, int column) const
{
    const QTableWidgetItem *item = m_ui.tablNotes->item(row, column);
    return item ? item->text() : QString();
}

float MelodyDlg::date(int row) const
{
    return cellValue(cellText(row, 0));
}

float MelodyDlg::dur(int row) const
{
    return cellValue(cellText(row, 3));
}

float MelodyDlg::ampl(int row) const
{
    return cellValue(cellText(row, 4));
}

QSpinBox *MelodyDlg::spinAt(int row, int column) const
{
    return qobject_cast<QSpinBox *>(m_ui.tablNotes->cellWidget(row, column));
}

int MelodyDlg::deg(int row) const
{
    const QSpinBox *spin = spinAt(row, 1);
    return spin ? spin->value() : 0;
}

int MelodyDlg::oct(int row) const
{
    const QSpinBox *spin = spinAt(row, 2);
    return spin ? spin->value() : 0;
}

int MelodyDlg::rowOf(const QWidget *widget, int column) const
{
    for (int r = 0; r < m_ui.tablNotes->rowCount(); ++r)
        if (m_ui.tablNotes->cellWidget(r, column) == widget)
            return r;
    return -1;
}

QVector<NoteRow> MelodyDlg::noteRows() const
{
    QVector<NoteRow> rows;
    for (int r = 0; r < m_ui.tablNotes->rowCount(); ++r) {
        const QSpinBox *degree = spinAt(r, 1);
        const bool illegal = degree && degree->property(kIllegalDegree).toBool();
        rows.append({cellText(r, 0), cellText(r, 3), cellText(r, 4), illegal ? -1 : deg(r), oct(r)});
    }
    return rows;
}

bool MelodyDlg::validParam(QString s, paramType t) const
{
    return ::validParam(s, t, nbDeg());
}

// ---- settings

void MelodyDlg::init()
{
    freqRef = m_ui.freqRefEdit->text().toFloat();
    if (const ListInterv *current = m_main ? m_main->intervalList() : nullptr)
        m_liste = *current;
    degres = m_liste.liste;
    m_ui.intervallesGroup->setTitle(tr("Intervalles") + QStringLiteral(" : ") + m_liste.entete[0]);
    m_ui.scale->degres = &degres;
    m_ui.score->degres = &degres;
    m_ui.scale->update();
    forme = m_ui.formeCombo->currentIndex();
    if (forme == WaveShape::Modal) {
        if (Modmod *current = m_main ? m_main->modele() : nullptr)
            modele = current;
        else
            warn(tr("ZIB"), tr("Attention : un modèle de synthèse doit être défini auparavant"));
    }
    fitToTexts();
}

void MelodyDlg::freqEch()
{
    const int index = m_ui.fechCombo->currentIndex();
    if (index >= 0 && index < int(kSampleRates.size()))
        fEch = kSampleRates[index];
}

void MelodyDlg::fitToTexts()
{
    QTableWidget *table = m_ui.tablNotes;
    const QFontMetrics metrics(table->font());
    // The texts of a cell and of a degree spin box, with the cell's margins.
    const int margins = 12;
    int widest = 0;
    for (int d = 0; d < degres.size(); ++d)
        widest = std::max(widest, metrics.horizontalAdvance(
                                      QStringLiteral("%1: (%2)").arg(d).arg(roundHalfAway(degres[d].cent))));
    const int columns[5] = {metrics.horizontalAdvance(QStringLiteral("1000.25")), widest,
                            metrics.horizontalAdvance(QStringLiteral("-2")),
                            metrics.horizontalAdvance(QStringLiteral("10.25")),
                            metrics.horizontalAdvance(QStringLiteral("0.125"))};
    int total = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth()
                + table->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < 5; ++c) {
        const int w = std::max(table->columnWidth(c), columns[c] + margins);
        if (c < 4)
            table->setColumnWidth(c, w);
        total += w;
    }
    table->setMinimumWidth(std::max(MelodyDlgUi::kTableWidth, total));
    setFixedWidth(std::max(MelodyDlgUi::kWindowWidth, sizeHint().width()));
}

// ---- notes

void MelodyDlg::newScore()
{
    {
        const QSignalBlocker blocker(m_ui.tablNotes);
        m_ui.tablNotes->setRowCount(0);
        m_ui.setNotesHeaders();
    }
    fitToTexts();
    m_ui.ajouterButton->setEnabled(true);
    ScoreView *score = m_ui.score;
    score->octMin = 0;
    score->octMax = 0;
    score->hauteur = ScoreGeometry::kOctaveHeight;
    connect(m_ui.tablNotes, &QTableWidget::itemClicked, this, &MelodyDlg::noteSelected, Qt::UniqueConnection);
    score->degres = &degres;
    setDuration();
    refreshScore();
    m_ui.synthButton->setEnabled(true);
}

QSpinBox *MelodyDlg::newDegreeSpin(bool named)
{
    auto *spin = new QSpinBox(m_ui.tablNotes);
    if (named) {
        spin->setObjectName(QStringLiteral("spinDegre"));
        spin->installEventFilter(this);
    }
    spin->setFocusPolicy(Qt::ClickFocus);
    spin->setRange(0, std::max(0, nbDeg() - 1));
    spin->setFrame(false);
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, [this, spin] {
        const int r = rowOf(spin, 1);
        if (r >= 0)
            updDegre(r);
    });
    return spin;
}

QSpinBox *MelodyDlg::newOctaveSpin(bool named, int value)
{
    auto *spin = new QSpinBox(m_ui.tablNotes);
    if (named)
        spin->setObjectName(QStringLiteral("spinOct"));
    spin->installEventFilter(this);
    spin->setFocusPolicy(Qt::ClickFocus);
    spin->setRange(kMinOctave, kMaxOctave);
    spin->setValue(value);
    spin->setFrame(false);
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin->setAlignment(Qt::AlignCenter);
    connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, [this, spin] {
        const int r = rowOf(spin, 2);
        if (r >= 0)
            updOct(r);
    });
    return spin;
}

void MelodyDlg::showDegree(QSpinBox *spin, int d)
{
    spin->setProperty(kIllegalDegree, false);
    if (d >= 0 && d < nbDeg()) {
        spin->setSuffix(QStringLiteral(": (%1)").arg(roundHalfAway(degres[d].cent)));
        spin->setToolTip(degres[d].desc);
        setBase(spin, Qt::white);
    } else {
        // No degree to describe (the list became empty): the note is marked and refused later.
        spin->setSuffix(QStringLiteral(": (?)"));
        spin->setToolTip(QString());
        setBase(spin, Qt::red);
    }
}

void MelodyDlg::addNote()
{
    QTableWidget *table = m_ui.tablNotes;
    const int r = table->rowCount() == 0 ? 0 : std::max(table->currentRow(), -1) + 1;
    {
        const QSignalBlocker blocker(table);
        table->insertRow(r);
        const float s = r > 0 ? date(r - 1) + dur(r - 1) : 0.0f;
        table->setItem(r, 0, new NumericItem(g6(double(s))));
        for (const auto &cell : {qMakePair(4, pAmpl), qMakePair(3, pDur)}) {
            auto *item = new NumericItem(cell.first == 4 ? QStringLiteral("1") : QStringLiteral("0"));
            if (!validParam(item->text(), cell.second))
                item->setBackground(Qt::red);
            table->setItem(r, cell.first, item);
        }
        QSpinBox *degree = newDegreeSpin(false);
        degree->setValue(0);
        showDegree(degree, 0);
        table->setCellWidget(r, 1, degree);
        table->setCellWidget(r, 2, newOctaveSpin(false, 0));
    }
}

void MelodyDlg::remNote()
{
    removeSelectedRows(m_ui.tablNotes);
    m_ui.supprimerButton->setEnabled(false);
    setDuration();
    refreshScore();
}

void MelodyDlg::noteSelected(QTableWidgetItem *item)
{
    const int r = item->row();
    const int z = m_ui.zoomSlider->value();
    m_ui.supprimerButton->setEnabled(true);
    ScoreView *score = m_ui.score;
    ScoreGeometry g;
    g.octMin = score->octMin;
    g.octMax = score->octMax;
    g.hauteur = score->hauteur;
    const int d = deg(r);
    const float cents = d >= 0 && d < nbDeg() ? degres[d].cent : 0.0f;
    const QPoint p = g.notePoint(date(r), z, oct(r), cents);
    m_ui.scoreArea->ensureVisible(p.x(), p.y(), 100, 40);
    m_ui.scale->degreSel = d;
    m_ui.scale->update();
    score->update();
}

void MelodyDlg::updDegre(int row)
{
    QSpinBox *spin = spinAt(row, 1);
    if (!spin)
        return;
    showDegree(spin, spin->value());
    m_ui.score->update();
}

void MelodyDlg::updOct(int row)
{
    ScoreView *score = m_ui.score;
    const int o = oct(row);
    if (o > score->octMax) {
        score->octMax = o;
    } else if (o < score->octMin) {
        score->octMin = o;
    } else {
        QVector<int> octaves;
        for (int r = 0; r < m_ui.tablNotes->rowCount(); ++r)
            octaves.append(oct(r));
        octaveRange(octaves, &score->octMin, &score->octMax);
    }
    score->hauteur = ScoreGeometry::drawingHeight(score->octMin, score->octMax);
    resizeScore();
    score->update();
}

void MelodyDlg::updTabl(QTableWidgetItem *item)
{
    QTableWidget *table = m_ui.tablNotes;
    {
        // The handler's own corrections of the cell are no new entries.
        const QSignalBlocker blocker(table);
        const int r = item->row();
        const QString text = item->text();
        const QString title = tr("Traitement de partition");
        const QString invalid = tr(" de la note %1 n'est pas valide : %2 !").arg(r + 1).arg(text);
        switch (item->column()) {
        case 3:
            if (validParam(text, pDur)) {
                item->setBackground(Qt::white);
                item->setTextAlignment(Qt::AlignCenter);
            } else {
                warn(title, tr("La durée") + invalid);
                item->setText(QString());
                item->setBackground(Qt::red);
            }
            break;
        case 4:
            if (validParam(text, pAmpl)) {
                item->setBackground(Qt::white);
            } else {
                warn(title, tr("L'amplitude") + invalid);
                delete table->takeItem(r, 4);
            }
            break;
        case 0:
            if (validParam(text, pDate)) {
                item->setBackground(Qt::white);
                item->setTextAlignment(Qt::AlignCenter);
                table->sortItems(0, Qt::AscendingOrder);
            } else {
                warn(title, tr("La date") + invalid);
                item->setText(QString());
                item->setBackground(Qt::red);
            }
            break;
        default:
            break;
        }
    }
    setDuration();
    refreshScore();
    m_ui.enregisterButton->setEnabled(true);
}

void MelodyDlg::setDuration()
{
    duree = melodyLength(noteRows());
}

void MelodyDlg::refreshScore()
{
    ScoreView *score = m_ui.score;
    score->duree = duree;
    score->tabl = m_ui.tablNotes;
    score->degres = &degres;
    score->nbNotes = m_ui.tablNotes->rowCount();
    resizeScore();
    score->update();
}

void MelodyDlg::resizeScore()
{
    ScoreView *score = m_ui.score;
    score->setFixedSize(ScoreGeometry::widgetWidth(score->duree, score->echelle), score->hauteur + 3);
}

bool MelodyDlg::updateScore()
{
    QTableWidget *table = m_ui.tablNotes;
    if (table->rowCount() == 0)
        return false;
    {
        const QSignalBlocker blocker(table);
        table->sortItems(0, Qt::AscendingOrder);
    }
    const ScoreFault fault = checkScore(noteRows(), nbDeg());
    const QString title = tr("Traitement de partition");
    const QString invalid = tr(" de la note %1 n'est pas valide !").arg(fault.row + 1);
    switch (fault.kind) {
    case ScoreFault::Date:
        warn(title, tr("Date") + invalid);
        break;
    case ScoreFault::Degree:
        warn(title, tr("Degré") + invalid);
        break;
    case ScoreFault::Duration:
        warn(title, tr("Durée") + invalid);
        break;
    case ScoreFault::Octave:
        warn(title, tr("Transposition")
                        + tr(" en octave de la note %1 (date %2) n'est pas valide : %3 !")
                              .arg(fault.row + 1)
                              .arg(fault.date, fault.value));
        break;
    case ScoreFault::Amplitude:
        warn(title, tr("Amplitude") + tr(" de la note %1 n'est pas valide : %2 !").arg(fault.row + 1).arg(fault.value));
        break;
    default:
        break;
    }
    return fault.ok();
}

// ---- envelope

void MelodyDlg::newEnv()
{
    {
        const QSignalBlocker blocker(m_ui.tablEnv);
        m_ui.tablEnv->clear();
        m_ui.tablEnv->setRowCount(0);
        m_ui.setEnvelopeHeaders();
    }
    m_ui.envAjouterButton->setEnabled(true);
    update();
}

void MelodyDlg::addPoint()
{
    m_ui.tablEnv->insertRow(m_ui.tablEnv->rowCount());
}

void MelodyDlg::remPoint()
{
    removeSelectedRows(m_ui.tablEnv);
    m_ui.envSupprimerButton->setEnabled(false);
    update();
}

void MelodyDlg::rowSelected()
{
    m_ui.envSupprimerButton->setEnabled(true);
}

void MelodyDlg::updateEnv(QTableWidgetItem *item)
{
    QTableWidget *table = m_ui.tablEnv;
    const QSignalBlocker blocker(table);
    const int r = item->row();
    const int c = item->column();
    bool number = false;
    const float v = item->text().toFloat(&number);
    const QString title = tr("Définition de l'enveloppe");
    const auto refuse = [&](const QString &text) {
        warn(title, text);
        delete table->takeItem(r, c);
    };
    const auto sortAndRepaint = [&] {
        table->sortItems(0, Qt::AscendingOrder);
        update();
    };

    if (!number || !std::isfinite(v)) {
        refuse(tr("Entrée invalide : entrer un nombre positif !"));
        return;
    }
    if (c == 0) {
        if (!(v >= 0.0f && v <= 1.0f)) {
            refuse(tr("La date doite être un nombre entre 0 et 1 !"));
            return;
        }
        for (int i = 0; i < table->rowCount(); ++i) {
            const QTableWidgetItem *other = table->item(i, 0);
            if (i != r && other && !other->text().isEmpty() && cellValue(other->text()) == v) {
                refuse(tr("Cette date existe déjà !"));
                sortAndRepaint();
                return;
            }
        }
        table->setCurrentCell(r, 1);
        item->setTextAlignment(Qt::AlignCenter);
        sortAndRepaint();
        return;
    }
    if (v < 0.0f) {
        refuse(tr("Entrée invalide : entrer un nombre positif !"));
        sortAndRepaint();
        return;
    }
    const QTableWidgetItem *time = table->item(r, 0);
    if (!time || time->text().isEmpty()) {
        refuse(tr("Définir d'abord la date !"));
        return;
    }
    item->setTextAlignment(Qt::AlignCenter);
    sortAndRepaint();
}

void MelodyDlg::updPointEnv()
{
    qDeleteAll(enveloppe);
    enveloppe.clear();
    QTableWidget *table = m_ui.tablEnv;
    if (table->rowCount() == 0)
        return;
    {
        const QSignalBlocker blocker(table);
        table->sortItems(0, Qt::AscendingOrder);
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        const QTableWidgetItem *time = table->item(r, 0);
        const QTableWidgetItem *gain = table->item(r, 1);
        if (!time || !gain || time->text().isEmpty() || gain->text().isEmpty())
            continue;
        enveloppe.append(new Point{cellValue(time->text()), cellValue(gain->text())});
    }
}

// ---- scrolling, zoom, wheel

void MelodyDlg::beginDate(int v)
{
    ScoreView *score = m_ui.score;
    score->debutDate = v;
    const float t = float(score->echelle) * float(v) / float(ScoreGeometry::kBeatWidth);
    int i = 0;
    while (i < m_ui.tablNotes->rowCount() && date(i) < t)
        ++i;
    m_ui.tablNotes->verticalScrollBar()->setValue(i);
    score->update();
}

void MelodyDlg::beginInterv(int v)
{
    m_ui.score->debutInterv = v;
    m_ui.score->update();
}

void MelodyDlg::scaleUpdate(const int &k)
{
    m_ui.score->echelle = k;
    resizeScore();
    m_ui.score->update();
}

bool MelodyDlg::eventFilter(QObject *obj, QEvent *ev)
{
    if (ev->type() == QEvent::Wheel) {
        const QString name = obj->objectName();
        const int column = m_ui.tablNotes->currentColumn();
        if ((name == QLatin1String("spinDegre") && column != 1) || (name == QLatin1String("spinOct") && column != 2)) {
            QCoreApplication::sendEvent(m_ui.tablNotes->viewport(), ev);
            return true;
        }
    }
    if (ev->type() == QEvent::KeyPress && (obj == m_ui.tablNotes || obj == m_ui.tablEnv)) {
        const int key = static_cast<QKeyEvent *>(ev)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QDialog::eventFilter(obj, ev);
}

// ---- the envelope drawing

void MelodyDlg::paintEvent(QPaintEvent *)
{
    EnvelopeGeometry g;
    g.origin = m_ui.envelopeArea->mapTo(this, QPoint(0, 0));
    QPainter p(this);
    p.fillRect(g.box(), kGrey);
    p.setPen(QPen(Qt::white, 1, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin));
    p.drawLines(g.grid());

    QVector<QPair<QString, QString>> rows;
    const QTableWidget *table = m_ui.tablEnv;
    for (int r = 0; r < table->rowCount(); ++r) {
        const QTableWidgetItem *time = table->item(r, 0);
        const QTableWidgetItem *gain = table->item(r, 1);
        rows.append({time ? time->text() : QString(), gain ? gain->text() : QString()});
    }
    const QPolygon line = g.polyline(rows);
    if (line.isEmpty())
        return;
    p.setPen(QPen(Qt::red, 2, Qt::SolidLine));
    p.drawPolyline(line);
}

// ---- the melody file

void MelodyDlg::open()
{
    const QString name = m_openPrompt(this, tr("Fichier musique"), QStringLiteral("./melodies/"),
                                      QStringLiteral("*.mel ;; *.xml ;; *.*"));
    if (name.isEmpty())
        return;
    loadDom(name);
    m_ui.fichierLabel->setText(tr("Fichier de mélodie : ") + name.section(QLatin1Char('/'), -1));
    m_ui.enregisterButton->setEnabled(true);
    m_ui.synthButton->setEnabled(true);
    m_ui.wavButton->setEnabled(false);
}

void MelodyDlg::loadDom(QString name)
{
    MelodyDocument melody;
    switch (readMelodyFile(name, &melody)) {
    case MelodyReadStatus::Missing:
        warn(tr("Erreur à l'ouverture de la liste par défaut"),
             tr("Le document XML de liste d'intervalle par défaut n'a pas pu être ouvert. Vérifiez que le "
                "fichier <b>%1</b> existe et est placé dans le répertoire des listes d'intervalles. <br/>Sinon, "
                "vous pouvez utiliser une liste vide ou charger un autre fichier.")
                 .arg(name));
        return;
    case MelodyReadStatus::Unreadable:
        warn(tr("Erreur à l'ouverture du document XML"),
             tr("Le document XML de liste d'intervalle n'a pas pu être ouvert. Vérifiez que le nom est le bon "
                "et que le document est bien placé"));
        return;
    case MelodyReadStatus::Malformed:
        warn(tr("Erreur à l'ouverture du document XML"),
             tr("Le document XML n'a pas pu être attribué à l'objet QDomDocument."));
        return;
    case MelodyReadStatus::Ok:
        break;
    }

    QTableWidget *notes = m_ui.tablNotes;
    QTableWidget *env = m_ui.tablEnv;
    int lo = 0;
    int hi = 0;
    {
        const QSignalBlocker notesBlocker(notes);
        const QSignalBlocker envBlocker(env);
        m_ui.titreEdit->setText(melody.title);
        m_ui.auteurEdit->setText(melody.composer);
        m_ui.descriptionEdit->setPlainText(melody.description);

        env->setRowCount(0);
        env->setRowCount(melody.points.size());
        for (int r = 0; r < melody.points.size(); ++r) {
            const MelodyDocument::EnvelopePoint &point = melody.points[r];
            env->setItem(r, 0, new NumericItem(point.time.isEmpty() ? QString() : g6(double(cellValue(point.time)))));
            env->setItem(r, 1, new NumericItem(point.ampl));
        }
        m_ui.envAjouterButton->setEnabled(true);

        init();

        notes->setRowCount(0);
        notes->setRowCount(melody.notes.size());
        for (int r = 0; r < melody.notes.size(); ++r) {
            const MelodyDocument::Note &note = melody.notes[r];
            auto *date = new NumericItem(g6(double(cellValue(note.date))));
            if (!validParam(note.date, pDate)) {
                date->setBackground(Qt::red);
                date->setToolTip(tr("Date invalide. Une date est nombre flottant entre 0 et %2").arg(int(kMaxDate)));
            }
            notes->setItem(r, 0, date);
            auto *duration = new NumericItem(note.dur);
            if (!validParam(note.dur, pDur))
                duration->setBackground(Qt::red);
            notes->setItem(r, 3, duration);
            auto *amplitude = new NumericItem(note.ampl);
            if (!validParam(note.ampl, pAmpl))
                amplitude->setBackground(Qt::red);
            notes->setItem(r, 4, amplitude);

            QSpinBox *degree = newDegreeSpin(true);
            if (validParam(note.deg, pDeg)) {
                degree->setValue(note.deg.toInt());
                showDegree(degree, degree->value());
            } else {
                degree->setProperty(kIllegalDegree, true);
                setBase(degree, Qt::red);
                degree->setToolTip(tr("Degré illégal %1 dépassant le nombre de degrés dans la liste").arg(note.deg));
            }
            notes->setCellWidget(r, 1, degree);

            const int octave = note.oct.toInt();
            lo = std::min(lo, scoreOctave(octave));
            hi = std::max(hi, scoreOctave(octave));
            notes->setCellWidget(r, 2, newOctaveSpin(true, octave));
        }
        notes->sortItems(0, Qt::AscendingOrder);
        notes->setCurrentCell(0, 0);
    }
    connect(notes, &QTableWidget::itemClicked, this, &MelodyDlg::noteSelected, Qt::UniqueConnection);

    update();
    setDuration();
    ScoreView *score = m_ui.score;
    score->octMin = lo;
    score->octMax = hi;
    score->hauteur = ScoreGeometry::drawingHeight(lo, hi);
    refreshScore();
    m_ui.ajouterButton->setEnabled(true);
}

void MelodyDlg::saveMelody()
{
    if (m_ui.tablNotes->rowCount() == 0) {
        warn(tr("Enregistrement de la partition"), tr("Pas de note à enregistrer"));
        return;
    }
    QString name = m_savePrompt(this, tr("Enregistrer Fichier de paramètres"), QStringLiteral("./melodies"),
                                QStringLiteral("*.mel"));
    if (name.isEmpty())
        return;
    writeDom(name);
}

bool MelodyDlg::createDom(QDomDocument *doc)
{
    MelodyDocument melody;
    melody.title = m_ui.titreEdit->text();
    melody.composer = m_ui.auteurEdit->text();
    melody.description = m_ui.descriptionEdit->toPlainText();
    updPointEnv();
    for (const Point *point : qAsConst(enveloppe))
        melody.points.append({g6(double(point->time)), g6(double(point->ampl))});
    if (!updateScore())
        return false;
    for (int r = 0; r < m_ui.tablNotes->rowCount(); ++r)
        melody.notes.append({g6(double(date(r))), QString::number(deg(r)), QString::number(oct(r)),
                             g6(double(dur(r))), g6(double(ampl(r)))});
    *doc = melodyDom(melody);
    return true;
}

void MelodyDlg::writeDom(QString &name)
{
    QDomDocument doc;
    if (!createDom(&doc))
        return;
    QString error;
    if (writeMelodyFile(name, doc, &error))
        return;
    QMessageBox box(QMessageBox::Critical, tr("Erreur"), tr("Impossible d'ouvrir le fichier pour écriture"),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("message"));
    box.addButton(error, QMessageBox::AcceptRole);
    box.exec();
}

// ---- synthesis

void MelodyDlg::synthNote(int row, float *buf)
{
    MelodyRender render;
    render.tempo = tempo;
    render.freqRef = freqRef;
    render.fEch = fEch;
    render.forme = forme;
    render.modele = modele;
    const int d = deg(row);
    const MelodyRender::Note note{date(row), dur(row), ampl(row), d >= 0 && d < nbDeg() ? degres[d].cent : 0.0f,
                                  oct(row)};
    render.synthNote(note, buf, render.noteLength(note.dur));
}

void MelodyDlg::synthNotes()
{
    const QString title = tr("Synthèse de la mélodie");
    bool number = false;
    const float t = m_ui.tempoEdit->text().toFloat(&number);
    if (!number || !(t >= 30.0f && t <= 300.0f)) {
        warn(title, tr("Le tempo doit être compris entre 30 et 300 battements par minute."));
        return;
    }
    tempo = t;
    init();
    if (!(freqRef >= 20.0f && freqRef <= 10000.0f)) {
        warn(title, tr("La fréquence de référence doit être comprise entre 20 et 10000 Hz."));
        return;
    }
    if (forme == WaveShape::Modal && !modele)
        return;
    freqEch();
    if (!updateScore())
        return;
    setDuration();
    updPointEnv();

    MelodyRender render;
    render.tempo = tempo;
    render.freqRef = freqRef;
    render.fEch = fEch;
    render.forme = forme;
    render.modele = modele;
    render.duree = duree;
    for (const Point *point : qAsConst(enveloppe))
        render.enveloppe.append(*point);
    for (int r = 0; r < m_ui.tablNotes->rowCount(); ++r) {
        // A note without date was not checked: it does not sound.
        if (cellText(r, 0).isEmpty())
            continue;
        const int d = deg(r);
        render.notes.append({date(r), dur(r), ampl(r), degres[d].cent, oct(r)});
    }

    constexpr int kSteps = 1000;
    QProgressDialog progress(tr("Synthèse de la mélodie…"), tr("Annuler"), 0, kSteps, this);
    progress.setObjectName(QStringLiteral("progress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setValue(0);
    std::unique_ptr<qint16[]> samples;
    qint64 count = 0;
    qint64 written = 0;
    const MelodyRender::Outcome outcome =
        render.render(&samples, &count, &written, [&progress](qint64 done, qint64 total) {
            progress.setValue(total > 0 ? int(kSteps * done / total) : kSteps);
            return !progress.wasCanceled();
        });
    progress.reset();
    if (outcome == MelodyRender::Outcome::OutOfMemory) {
        warn(title, tr("Mémoire insuffisante pour synthétiser cette mélodie."));
        return;
    }
    if (outcome != MelodyRender::Outcome::Done)
        return;
    tampon = std::move(samples);
    nbEchMix = int(written);
    m_ui.wavButton->setEnabled(true);
}

void MelodyDlg::saveWave()
{
    const QString chosen = m_savePrompt(this, tr("Choisir un nom fichier"), QStringLiteral("./sounds/"),
                                        tr("Fichier (*.wav)"));
    if (chosen.isEmpty())
        return;
    const QString name = wavFileName(chosen);
    QString comment = wavComment(m_ui.tempoEdit->text(), m_ui.freqRefEdit->text(), m_ui.intervallesGroup->title(),
                                 m_ui.formeCombo->currentIndex());
    QString reason;
    if (writeWavFile(name, nbEchMix, float(fEch), tampon.get(), &comment, &reason))
        return;
    QMessageBox box(QMessageBox::Critical, tr("Erreur"),
                    tr("Le fichier son <b>%1</b> n'a pas pu être écrit : vérifiez que le dossier existe et accepte "
                       "l'écriture.")
                        .arg(name.toHtmlEscaped()),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("message"));
    // The system's reason: a full disk is not a missing folder.
    box.setInformativeText(reason);
    box.exec();
}
