#include "intervals/IntervDlg.h"

#include "app/MainWindow.h"
#include "intervals/CategoryScheme.h"
#include "intervals/IntervalListFile.h"
#include "intervals/Justesse.h"
#include "intervals/KeyboardMapping.h"
#include "intervals/ListView.h"
#include "intervals/ScalaFile.h"
#include "intervals/TemperamentChart.h"
#include "intervals/TemperamentChartDlg.h"
#include "synth/AudioPlay.h"
#include "synth/WaveShapes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QTreeView>

#include <cmath>

namespace {

// The ruler: one octave over 552 pixels from x = 130, 46 pixels a semitone.
constexpr int kRulerLeft = 130;
constexpr double kRulerPixelsPerCent = 552.0 / 1200.0;

int rulerX(float cents)
{
    return int(kRulerLeft + kRulerPixelsPerCent * cents);
}

// The frequencies a list step may sound, Hz.
constexpr float kLowestFrequency = 10;
constexpr float kHighestFrequency = 15000;
// The file name label shows about this many characters of a name before shortening it.
constexpr int kFileNameChars = 24;

} // namespace

IntervDlg::IntervDlg(MainWindow *mainWindow, QWidget *parent)
    : QDialog(parent), m_main(mainWindow)
{
    m_ui.setupUi(this);
    m_msgBox = new QMessageBox(this);
    m_msgBox->setObjectName(QStringLiteral("message"));
    m_savePrompt = [](QWidget *parent, const QString &titre, const QString &dossier, const QString &filtre) {
        return QFileDialog::getSaveFileName(parent, titre, dossier, filtre);
    };
    m_openPrompt = [](QWidget *parent, const QString &titre, const QString &dossier, const QString &filtre) {
        return QFileDialog::getOpenFileName(parent, titre, dossier, filtre);
    };

    m_timerClignot.setInterval(500);
    m_timerArret.setSingleShot(true);
    connect(&m_timerClignot, &QTimer::timeout, this, &IntervDlg::clignotLabel4);
    connect(&m_timerSon, &QTimer::timeout, this, &IntervDlg::sonSuivant);
    connect(&m_timerArret, &QTimer::timeout, this, &IntervDlg::sonStop);

    connect(m_ui.nouveauButton, &QPushButton::clicked, this, &IntervDlg::newlist);
    connect(m_ui.ouvrirButton, &QPushButton::clicked, this, &IntervDlg::loadFile);
    connect(m_ui.enregistrerButton, &QPushButton::clicked, this, &IntervDlg::choixFichInterv);
    connect(m_ui.importerButton, &QPushButton::clicked, this, &IntervDlg::importScala);
    connect(m_ui.exporterButton, &QPushButton::clicked, this, &IntervDlg::exportScala);
    connect(m_ui.tableauButton, &QPushButton::clicked, this, &IntervDlg::showChart);
    connect(m_ui.fermerButton, &QPushButton::clicked, this, &IntervDlg::fermer);
    connect(m_ui.ajouterButton, &QPushButton::clicked, this, &IntervDlg::newInterv);
    connect(m_ui.supprimerButton, &QPushButton::clicked, this, &IntervDlg::removeInterv);
    connect(m_ui.jouerListeButton, &QPushButton::clicked, this, &IntervDlg::jouerListe);
    connect(m_ui.melodieButton, &QPushButton::clicked, this, &IntervDlg::playPhraseDlg);
    connect(m_ui.calculerButton, &QPushButton::clicked, this, &IntervDlg::traitEcartJustesse);
    connect(m_ui.intervalEdit, &QLineEdit::textChanged, this, &IntervDlg::clignotLabel4);
    connect(m_ui.schemeCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &IntervDlg::reloadModel);
    connect(m_ui.developperCheck, &QCheckBox::stateChanged, this, &IntervDlg::expAll);
    connect(m_ui.treeView, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        modelIndtoDeg(index);
        update();
    });

    setBornes();
    constrListDeg();
}

IntervDlg::~IntervDlg()
{
    stopPlayback();
}

void IntervDlg::setIntervalText(const QString &text)
{
    m_ui.intervalEdit->setText(text);
}

// --- The file --------------------------------------------------------------------------------

bool IntervDlg::createDom(QDomDocument *doc)
{
    return IntervalListFile::createDom(doc, m_liste.liste);
}

void IntervDlg::intervToDom(const Interval &interval, QDomDocument *doc)
{
    IntervalListFile::intervToDom(interval, doc);
}

void IntervDlg::updateHead(QDomDocument *doc)
{
    IntervalListFile::updateHead(doc, m_ui.titreEdit->text(), m_ui.auteurEdit->text(),
                                 m_ui.descriptionEdit->toPlainText(), m_liste.liste.size());
}

bool IntervDlg::writeToXMLFile(const QString &path)
{
    IntervalListFile::Contents contents;
    contents.title = m_ui.titreEdit->text();
    contents.author = m_ui.auteurEdit->text();
    contents.description = m_ui.descriptionEdit->toPlainText();
    contents.intervals = m_liste.liste;
    QString error;
    if (IntervalListFile::write(path, contents, &error))
        return true;
    QMessageBox box(QMessageBox::Critical, tr("Erreur"), tr("Impossible d'ouvrir le fichier pour écriture"),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("erreurEcriture"));
    box.addButton(error, QMessageBox::AcceptRole);
    box.exec();
    return false;
}

bool IntervDlg::choixFichInterv()
{
    const QString name = m_savePrompt(this, tr("Sauvegarder un Intervalle"), QStringLiteral("./interval_lists/"),
                                      QStringLiteral("*.int ;; *.xml "));
    if (name.isEmpty())
        return false;
    // A failed write keeps the flag: closing must still ask.
    if (!writeToXMLFile(IntervalListFile::withExtension(name)))
        return false;
    m_modifie = false;
    return true;
}

void IntervDlg::loadFile()
{
    const QString name = m_openPrompt(this, tr("Fichier d'intervalles"), QStringLiteral("./interval_lists/"),
                                      QStringLiteral("*.int ;; *.xml ;; *.*"));
    if (!name.isEmpty() && loadDom(name))
        setplayEnabled();
    m_ui.jouerListeButton->setEnabled(true);
    m_ui.melodieButton->setEnabled(true);
}

bool IntervDlg::loadDom(const QString &path)
{
    const IntervalListFile::ReadResult read = IntervalListFile::read(path);
    using Status = IntervalListFile::ReadStatus;
    if (read.status == Status::Missing) {
        warn(tr("Erreur à l'ouverture de la liste par défaut"),
             tr("Le document XML de liste d'intervalle par défaut n'a pas pu être ouvert. Vérifiez que le fichier "
                "<b>%1</b> existe et est placé dans le répertoire des listes d'intervalles. <br/>Sinon, vous pouvez "
                "utiliser une liste vide ou charger un autre fichier.")
                 .arg(path.toHtmlEscaped()));
        return false;
    }
    showFileName(path);
    if (read.status == Status::CannotOpen) {
        warn(tr("Erreur à l'ouverture du document XML"),
             tr("Le document XML de liste d'intervalle n'a pas pu être ouvert. Vérifiez que le nom est le bon et que "
                "le document est bien placé"));
        return false;
    }
    if (read.status == Status::NotAList) {
        warn(tr("Erreur à l'ouverture du document XML"),
             tr("Le document XML n'a pas pu être attribué à l'objet QDomDocument."));
        return false;
    }

    replaceList(read.contents.title, read.contents.author, read.contents.description, read.contents.intervals);

    if (!read.numberMatches) {
        auto *box = new QMessageBox(QMessageBox::Information, windowTitle(),
                                    tr("L'attribut nombre d'intervalles est inexact %1").arg(read.numberText),
                                    QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("nombreInexact"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    }
    return true;
}

void IntervDlg::showFileName(const QString &path)
{
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    // A long name is shortened in its middle, keeping its extension, so that the window keeps
    // within its largest width; the tool tip holds the whole path.
    QFont bold = m_ui.fichierLabel->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QString shown = metrics.elidedText(fileName, Qt::ElideMiddle, metrics.averageCharWidth() * kFileNameChars);
    m_ui.fichierLabel->setText(tr("Fichier :\t ") + QStringLiteral("<b>") + shown.toHtmlEscaped() +
                               QStringLiteral("</b>"));
    m_ui.fichierLabel->setToolTip(QDir::toNativeSeparators(path));
}

void IntervDlg::replaceList(const QString &title, const QString &author, const QString &description,
                            const QList<Interval> &intervals)
{
    stopPlayback();
    m_ui.titreEdit->setText(title);
    m_ui.descriptionEdit->setPlainText(description);
    m_ui.auteurEdit->setText(author);
    // A title longer than its field shows its beginning, not its end.
    m_ui.titreEdit->setCursorPosition(0);
    m_ui.auteurEdit->setCursorPosition(0);
    m_liste = ListInterv();
    m_liste.setEnt(title, QString(), author, QString());
    m_modifie = false;
    m_liste.setList(intervals, m_bornes);
    constrListDeg();
    if (m_ui.listView->courant >= m_liste.liste.size())
        m_ui.listView->courant = 0;
    update();
}

// --- Scala files -----------------------------------------------------------------------------

void IntervDlg::importScala()
{
    const QString name = m_openPrompt(this, tr("Importer une gamme ou un clavier Scala"),
                                      QStringLiteral("./interval_lists/"), QStringLiteral("*.scl ;; *.kbm"));
    if (name.isEmpty())
        return;
    if (name.endsWith(QLatin1String(".kbm"), Qt::CaseInsensitive))
        importKeyboardMapping(name);
    else
        importScale(name);
}

bool IntervDlg::importScale(const QString &path)
{
    const ScalaFile::ReadResult read = ScalaFile::read(path);
    if (!read.ok) {
        warn(tr("Erreur à l'importation"), tr("Le fichier <b>%1</b> n'a pas été importé.<br/>%2")
                                               .arg(QFileInfo(path).fileName().toHtmlEscaped(), read.error.toHtmlEscaped()));
        return false;
    }
    replaceList(read.scale.description, QString(), read.scale.comments.join(QLatin1Char('\n')).trimmed(),
                read.scale.intervals);
    showFileName(path);
    setplayEnabled();
    return true;
}

bool IntervDlg::importKeyboardMapping(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName().toHtmlEscaped();
    const auto refuse = [&](const QString &why) {
        warn(tr("Erreur à l'importation"),
             tr("Le fichier <b>%1</b> n'a pas été importé.<br/>%2").arg(fileName, why.toHtmlEscaped()));
        return false;
    };
    const KeyboardMapping::ReadResult read = KeyboardMapping::read(path);
    if (!read.ok)
        return refuse(read.error);
    double hz = 0;
    QString why;
    if (!read.mapping.degreeZeroFrequency(ScalaFile::pitches(m_liste.liste), &hz, &why))
        return refuse(why);
    // As the main window takes a typed frequency.
    if (!(hz > kLowestFrequency && hz <= kHighestFrequency))
        return refuse(tr("la fréquence du degré 0, %1 Hz, sort de %2 … %3 Hz")
                          .arg(QString::number(hz, 'g', 6))
                          .arg(double(kLowestFrequency))
                          .arg(double(kHighestFrequency)));
    m_main->setFrequency1(hz);
    return true;
}

void IntervDlg::exportScala()
{
    const QString name = m_savePrompt(this, tr("Exporter au format Scala"), QStringLiteral("./interval_lists/"),
                                      QStringLiteral("*.scl"));
    if (!name.isEmpty())
        exportFiles(ScalaFile::withExtension(name));
}

bool IntervDlg::exportFiles(const QString &sclPath)
{
    const auto refuse = [&](const QString &text) {
        QMessageBox box(QMessageBox::Critical, tr("Erreur"), text, QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("erreurExport"));
        box.exec();
        return false;
    };
    const double f1 = m_main->frequency1();
    if (!(f1 > 0))
        return refuse(tr("Fréquence 1 n'est pas une fréquence : rien n'a été exporté."));
    QString error;
    if (!ScalaFile::write(sclPath, m_ui.titreEdit->text(), m_ui.descriptionEdit->toPlainText(), m_liste.liste, &error))
        return refuse(tr("Le fichier %1 n'a pas pu être écrit : %2").arg(sclPath, error));
    const QString kbmPath = ScalaFile::mappingPath(sclPath);
    const KeyboardMapping mapping = KeyboardMapping::forScale(ScalaFile::pitches(m_liste.liste).size(), f1);
    if (!mapping.write(kbmPath, &error))
        return refuse(tr("La gamme est écrite, mais le fichier %1 n'a pas pu être écrit : %2").arg(kbmPath, error));
    return true;
}

// --- The temperament chart ------------------------------------------------------------------

void IntervDlg::showChart()
{
    if (!m_chart) {
        m_chart = new TemperamentChartDlg(this);
        m_chart->setObjectName(QStringLiteral("tableauDlg"));
        m_chart->setModal(false);
        connect(m_chart, &TemperamentChartDlg::refreshRequested, this, &IntervDlg::refreshChart);
    }
    refreshChart();
    m_chart->show();
    m_chart->raise();
    m_chart->activateWindow();
}

void IntervDlg::refreshChart()
{
    if (m_chart)
        m_chart->setChart(TemperamentChart::compute(m_liste.liste, m_main->frequency1()));
}

// --- The tree ------------------------------------------------------------------------------

void IntervDlg::setBornes()
{
    const CategoryScheme &scheme = CategoryScheme::at(m_ui.schemeCombo->currentIndex());
    std::copy(std::begin(scheme.bornes), std::end(scheme.bornes), m_bornes);
}

void IntervDlg::reloadModel()
{
    setBornes();
    m_liste.classInterv(m_bornes);
    constrListDeg();
    update();
}

void IntervDlg::constrListDeg()
{
    const CategoryScheme &scheme = CategoryScheme::at(m_ui.schemeCombo->currentIndex());
    auto *modele = new QStandardItemModel(ListInterv::kNbCategories, 1, this);
    QFont bold = m_ui.treeView->font();
    bold.setBold(true);
    int position = 0;
    for (int k = 0; k < ListInterv::kNbCategories; ++k) {
        auto *category = new QStandardItem(scheme.label(k));
        category->setEditable(false);
        category->setCheckable(true);
        category->setCheckState(Qt::Checked);
        category->setUserTristate(false);
        category->setBackground(Qt::green);
        category->setFont(bold);
        QList<QStandardItem *> children;
        children.reserve(m_liste.nbCat[k]);
        for (int r = 0; r < m_liste.nbCat[k]; ++r, ++position) {
            auto *child = new QStandardItem(m_liste.liste.at(position).desc);
            child->setCheckable(true);
            child->setCheckState(Qt::Checked);
            child->setUserTristate(false);
            child->setEditable(true);
            children << child;
        }
        category->appendRows(children);
        modele->setItem(k, 0, category);
    }

    QStandardItemModel *old = m_modele;
    m_modele = modele;
    m_ui.treeView->setModel(m_modele);
    delete old;
    connect(m_modele, &QStandardItemModel::itemChanged, this, &IntervDlg::editInterv);
    connect(m_ui.treeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { currentChanged(current); });
    if (m_ui.developperCheck->isChecked())
        m_ui.treeView->expandAll();
    m_ui.listView->setSource(&m_liste, m_modele);

    int inTree = 0;
    for (int k = 0; k < ListInterv::kNbCategories; ++k)
        inTree += m_liste.nbCat[k];
    m_ui.horsArbreLabel->setText(IntervDlgUi::outsideTreeText(m_liste.liste.size() - inTree));
    if (m_chart && m_chart->isVisible())
        refreshChart();
}

int IntervDlg::modelIndtoDeg(const QModelIndex &index)
{
    m_ui.supprimerButton->setEnabled(true);
    const QModelIndex category = index.parent();
    if (!index.isValid() || !category.isValid() || category.row() >= ListInterv::kNbCategories)
        return -1;
    int position = index.row();
    for (int k = 0; k < category.row(); ++k)
        position += m_liste.nbCat[k];
    return position;
}

QModelIndex IntervDlg::indexOfRow(int row) const
{
    int r = 0;
    for (int k = 0; k < ListInterv::kNbCategories; ++k) {
        const QModelIndex category = m_modele->index(k, 0);
        if (r == row)
            return category;
        ++r;
        const int children = m_modele->rowCount(category);
        if (row < r + children)
            return m_modele->index(row - r, 0, category);
        r += children;
    }
    return QModelIndex();
}

void IntervDlg::currentChanged(const QModelIndex &current)
{
    const QModelIndex category = current.parent();
    if (category.isValid()) {
        int position = current.row();
        for (int k = 0; k < category.row(); ++k)
            position += m_liste.nbCat[k];
        m_ui.listView->courant = position;
    }
    update();
}

void IntervDlg::setplayEnabled()
{
    if (m_liste.liste.isEmpty())
        return;
    m_ui.melodieButton->setEnabled(true);
    m_ui.jouerListeButton->setEnabled(true);
    m_ui.ajouterButton->setEnabled(true);
}

void IntervDlg::newInterv()
{
    const QString text = m_ui.intervalEdit->text();
    bool number = false;
    const float c = text.toFloat(&number);
    if (text.isEmpty() || !number || c > 1200) {
        message(tr("La valeur en Cent est non valide"));
        return;
    }
    const bool exists = std::any_of(m_liste.liste.cbegin(), m_liste.liste.cend(),
                                    [c](const Interval &i) { return i.cent == c; });
    if (exists) {
        QMessageBox question(QMessageBox::Question, tr("Attention !"), tr("Cet interval existe déjà dans la liste !"),
                             QMessageBox::NoButton, this);
        question.setObjectName(QStringLiteral("attention"));
        question.setInformativeText(tr("L'enregistrer à nouveau ?"));
        QPushButton *oui = question.addButton(tr("Oui"), QMessageBox::AcceptRole);
        QPushButton *non = question.addButton(tr("Non"), QMessageBox::RejectRole);
        question.setDefaultButton(non);
        question.move(pos());
        question.exec();
        if (question.clickedButton() != oui)
            return;
    }
    Interval interval;
    interval.cent = c;
    interval.frac = std::pow(2.0f, c / 1200.0f);
    interval.desc = tr("Nouvelle Description à éditer");
    addInterv(&interval);
}

void IntervDlg::addInterv(Interval *interval)
{
    m_liste.addInterv(interval, m_bornes);
    constrListDeg();
    setplayEnabled();
    m_modifie = true;
    update();
}

void IntervDlg::removeInterv()
{
    remInterv(modelIndtoDeg(m_ui.treeView->currentIndex()));
}

void IntervDlg::remInterv(int p)
{
    if (p < 0 || p >= m_liste.liste.size())
        return;
    // The rows the playback walks are about to change.
    stopPlayback();
    m_liste.remInterv(p, m_bornes);
    constrListDeg();
    if (m_liste.liste.isEmpty()) {
        m_ui.jouerListeButton->setEnabled(false);
        m_ui.melodieButton->setEnabled(false);
    }
    if (m_ui.listView->courant >= m_liste.liste.size())
        m_ui.listView->courant = 0;
    m_modifie = true;
    update();
}

void IntervDlg::editInterv(QStandardItem *item)
{
    if (item->parent() && !m_cascading) {
        const int p = modelIndtoDeg(item->index());
        // A renamed interval is a modified list: closing must not lose the new name.
        if (p >= 0 && p < m_liste.liste.size() && m_liste.liste[p].desc != item->text()) {
            m_liste.liste[p].desc = item->text();
            m_modifie = true;
        }
    }
    updCheckState(item);
}

void IntervDlg::updCheckState(QStandardItem *item)
{
    qDebug() << "dans check";
    if (!item->parent()) {
        const Qt::CheckState state = item->checkState();
        qDebug("hasChildren i = %d, state %d \n", item->row(), int(state));
        if (state == Qt::PartiallyChecked)
            return;
        m_cascading = true;
        for (int r = 0; r < item->rowCount(); ++r)
            item->child(r)->setCheckState(state);
        m_cascading = false;
        item->setCheckState(state);
    } else if (!m_cascading) {
        QStandardItem *category = item->parent();
        int sum = 0;
        for (int r = 0; r < category->rowCount(); ++r)
            sum += int(category->child(r)->checkState());
        category->setCheckState(sum == 0 ? Qt::Unchecked
                                         : sum == 2 * category->rowCount() ? Qt::Checked : Qt::PartiallyChecked);
    }
    update();
}

void IntervDlg::expAll(int state)
{
    if (state == 0)
        m_ui.treeView->collapseAll();
    else
        m_ui.treeView->expandAll();
}

void IntervDlg::newlist()
{
    stopPlayback();
    m_liste = ListInterv();
    constrListDeg();
    m_ui.listView->courant = 0;
    m_ui.titreEdit->clear();
    m_ui.auteurEdit->clear();
    m_ui.descriptionEdit->clear();
    m_ui.ajouterButton->setEnabled(true);
    m_ui.jouerListeButton->setEnabled(false);
    m_ui.melodieButton->setEnabled(false);
    m_modifie = false;
    update();
}

// --- Warning and justness -------------------------------------------------------------------

void IntervDlg::clignotLabel4()
{
    const bool tick = sender() == &m_timerClignot;
    if (m_ui.intervalEdit->text().toFloat() > 1250) {
        m_ui.warningLabel->setText(IntervDlgUi::tr(IntervDlgUi::kWarning));
        if (!m_timerClignot.isActive())
            m_timerClignot.start();
        // An edit shows the warning at once; the ticks blink it.
        m_ui.warningLabel->setVisible(tick ? !m_ui.warningLabel->isVisible() : true);
    } else {
        m_ui.warningLabel->clear();
        m_ui.warningLabel->show();
        m_timerClignot.stop();
    }
}

float IntervDlg::calcEcartJustesse(int p, float t) const
{
    return ::calcEcartJustesse(m_liste.liste, p, t);
}

void IntervDlg::traitEcartJustesse()
{
    const int p = modelIndtoDeg(m_ui.treeView->currentIndex());
    if (p < 0)
        return;
    m_ui.ecartLabel->setText(IntervDlgUi::deviationText(calcEcartJustesse(p, m_ui.listView->transposition())));
}

// --- Playback ------------------------------------------------------------------------------

int IntervDlg::stepMs() const
{
    // At least a millisecond: a duration that is not a number must not spin.
    return std::max(1, int(std::floor(m_main->duration() * 1000.0 + 0.5)));
}

void IntervDlg::jouerListe()
{
    // Playing: the button is "&Stop". The step timer counts too, since between two tones (a
    // category, a frequency refused) there is no tone to stop.
    if ((m_son && m_son->state() == QAudio::ActiveState) || m_timerSon.isActive()) {
        stopPlayback();
        return;
    }
    releaseTone();
    if (m_liste.liste.isEmpty())
        return;
    m_walk = ListWalk(ListWalk::treeRows(m_liste.nbCat), m_liste.liste.size() - 1);
    m_ui.treeView->expandAll();
    m_ui.treeView->setCurrentIndex(indexOfRow(0));
    m_timerArret.stop();
    m_timerSon.start(stepMs());
    m_ui.jouerListeButton->setText(tr("&Stop"));
}

void IntervDlg::sonSuivant()
{
    const bool ended = m_walk.step();
    const QModelIndex index = indexOfRow(m_walk.row());
    m_ui.treeView->setCurrentIndex(index);
    m_ui.treeView->scrollTo(index);
    if (ended) {
        m_timerSon.stop();
        m_timerArret.start(1000);
    }
    m_timerSon.setInterval(stepMs());

    const int p = m_walk.position();
    const QStandardItem *item = m_modele->itemFromIndex(index);
    if (p < 0 || !item || item->checkState() != Qt::Checked) {
        // Categories and unchecked intervals are passed at once, in silence.
        if (m_son && m_son->state() == QAudio::ActiveState)
            m_son->sortie->stop();
        if (m_timerSon.isActive())
            m_timerSon.setInterval(1);
        return;
    }

    choixInterv(index);
    const float f = m_main->frequency1() * m_main->decimalRatio();
    if (m_son && m_son->state() == QAudio::ActiveState)
        m_son->sortie->stop();
    if (f >= kLowestFrequency && f <= kHighestFrequency) {
        startTone(f);
        return;
    }
    // The playback goes on with the next row once the message is read.
    const bool stepping = m_timerSon.isActive();
    m_timerSon.stop();
    message(tr("Fréquence illégale"));
    if (stepping)
        m_timerSon.start();
}

bool IntervDlg::startTone(float f)
{
    const int forme = m_main->waveform();
    if (forme == WaveShape::Modal && !m_main->modele()) {
        stopPlayback();
        message(tr("Définir d'abord un modèle de synthèse"));
        return false;
    }
    releaseTone();
    m_son = new AudioPlay(m_main->freqEch());
    m_son->setParent(this);
    const bool sounds = forme == WaveShape::Modal ? m_son->jouer(f, 1, m_main->modele()) : m_son->jouer(f, 1, forme);
    if (!sounds) {
        // A "&Stop" over silence would pass a failure for a playing list.
        stopPlayback();
        message(tr("Impossible de jouer la liste : la sortie audio n'est pas disponible"));
        return false;
    }
    m_ui.jouerListeButton->setText(tr("&Stop"));
    return true;
}

void IntervDlg::choixInterv(const QModelIndex &index)
{
    m_main->deg2interv(m_liste, modelIndtoDeg(index));
    update();
}

void IntervDlg::releaseTone()
{
    delete m_son;
    m_son = nullptr;
}

void IntervDlg::sonStop()
{
    releaseTone();
    m_ui.jouerListeButton->setText(tr("Jouer Liste"));
}

void IntervDlg::stopPlayback()
{
    m_timerSon.stop();
    m_timerArret.stop();
    sonStop();
}

int IntervDlg::message(const QString &str)
{
    m_msgBox->setText(str);
    m_msgBox->move(300, 200);
    return m_msgBox->exec();
}

int IntervDlg::warn(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("avertissement"));
    return box.exec();
}

// --- Melody and closing ---------------------------------------------------------------------

void IntervDlg::playPhraseDlg()
{
    if (!m_liste.liste.isEmpty())
        m_main->openMelodyEditor(this, m_liste);
}

void IntervDlg::fermer()
{
    close();
}

bool IntervDlg::confirmClose()
{
    if (!m_modifie)
        return true;
    QMessageBox question(QMessageBox::Question, windowTitle(), tr("La liste a été modifiée"),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("fermeture"));
    question.setInformativeText(tr("Fermer sans enregistrer ?"));
    switch (question.exec()) {
    case QMessageBox::Save:
        // A cancelled or failed save keeps the dialog and its list.
        return choixFichInterv();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void IntervDlg::done(int r)
{
    if (!confirmClose())
        return;
    stopPlayback();
    m_timerClignot.stop();
    if (m_chart)
        m_chart->close();
    m_liste = ListInterv();
    constrListDeg();
    m_modifie = false;
    QDialog::done(r);
}

// --- The ruler --------------------------------------------------------------------------------

void IntervDlg::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    drawRuler(p);
}

void IntervDlg::drawRuler(QPainter &p)
{
    p.setFont(QFont(QStringLiteral("Arial"), 7));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawRect(QRect(QPoint(130, 25), QPoint(681, 48)));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1, Qt::DashLine));
    p.drawLine(130, 37, 682, 37);
    for (int k = 0; k < 12; ++k) {
        const int x0 = 118 + 46 * k;
        p.setPen(QPen(Qt::white, 1));
        p.drawLine(x0 + 12, 25, x0 + 12, 49);
        p.drawLine(x0 + 35, 31, x0 + 35, 43);
        p.setPen(QPen(Qt::black, 1));
        p.drawText(QRect(QPoint(x0, 15), QPoint(x0 + 23, 23)), Qt::AlignHCenter | Qt::TextDontClip,
                   ListView::noteLabel(k));
        p.drawText(QRect(QPoint(x0, 53), QPoint(x0 + 23, 61)), Qt::AlignHCenter | Qt::TextDontClip,
                   QString::number(100 * k));
    }

    const QVector<bool> checked = ListView::checkedPositions(m_liste, m_modele);
    p.setPen(QPen(Qt::red, 2, Qt::SolidLine));
    for (int k = 0; k < checked.size(); ++k) {
        if (checked[k]) {
            const int x = rulerX(m_liste.liste[k].cent);
            p.drawLine(x, 28, x, 46);
        }
    }

    const QModelIndex current = m_ui.treeView->currentIndex();
    if (!current.parent().isValid())
        return;
    int position = current.row();
    for (int k = 0; k < current.parent().row(); ++k)
        position += m_liste.nbCat[k];
    if (position >= m_liste.liste.size())
        return;
    m_ui.listView->courant = position;
    const int x = rulerX(m_liste.liste[position].cent);
    p.setPen(QPen(Qt::yellow, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(x - 2, 28, 4, 18);
    fleche(x, &p);
}

void IntervDlg::fleche(int x, QPainter *painter)
{
    painter->drawLine(x, 53, x, 46);
    painter->drawLine(x, 21, x, 28);
}
