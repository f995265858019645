// The model editor as a user drives it: its controls, the cell checks and their warnings, rows
// added, selected and removed, models generated, saved, loaded and selected for the main window,
// the chart painted into an image, and its texts in fonts of 9 to 12 points.

#include "EditorTest.h"

#include "tests/support/FakeMainWindow.h"
#include "modal/ModeChart.h"
#include "modal/ModelDocument.h"
#include "modal/PhysicalModel.h"
#include "synth/Modmod.h"
#include "tests/support/FailedWrite.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TextFit.h"

#include <QHeaderView>

#include <memory>

namespace {

QString utf8s(const char *s)
{
    return QString::fromUtf8(s);
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage render(QWidget &w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    w.render(&image);
    return image;
}

/// Whether a pixel has a pure colour (each channel full or none), within the few levels a screen
/// of 6 bits a channel loses.
bool isColour(const QImage &image, int x, int y, QRgb colour)
{
    if (!image.rect().contains(x, y))
        return false;
    const QRgb p = image.pixel(x, y);
    return std::abs(qRed(p) - qRed(colour)) < 8 && std::abs(qGreen(p) - qGreen(colour)) < 8 &&
           std::abs(qBlue(p) - qBlue(colour)) < 8;
}

/// The longest run of pixels of a colour in the columns x − 1 … x + 1, from y upwards at most 20.
int runAbove(const QImage &image, QPointF foot, QRgb colour)
{
    int longest = 0;
    for (int x = int(std::floor(foot.x())) - 1; x <= int(std::floor(foot.x())) + 1; ++x) {
        int run = 0;
        for (int y = int(foot.y()) + 2; y >= int(foot.y()) - 20; --y) {
            if (isColour(image, x, y, colour))
                longest = std::max(longest, ++run);
            else
                run = 0;
        }
    }
    return longest;
}

int countColour(const QImage &image, const QRect &area, QRgb colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += isColour(image, x, y, colour);
    return n;
}

const QString kMarimba = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<modele><entete titre=\"Lame\" auteur=\"Moi\">"
    "<desc>Une lame</desc></entete><modes nbmod=\"3\"><partiel freq=\"1\" amort=\"2\" poids=\"1\"/>"
    "<partiel freq=\"4\" amort=\"5\" poids=\"0.6\"/><partiel freq=\"10\" amort=\"10\" poids=\"0.35\"/>"
    "</modes><amort coeff0=\"1.5\" coeff1=\"0.004\" coeff2=\"0\"/></modele>\n");

} // namespace

class TestMMod_Dom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void controls();
    void tooltips_data();
    void tooltips();
    void fieldsTakeWhatTheyMay_data();
    void fieldsTakeWhatTheyMay();
    void layout();
    void textsFit_data();
    void textsFit();

    void withoutDocument();
    void cellChecks_data();
    void cellChecks();
    void weightTypedFirst();
    void selectAndRemove();
    void create();
    void createRefused_data();
    void createRefused();
    void picture();
    void applyDamping();
    void select_data();
    void select();
    void dampingBoxSwitchesTheBank();

    void saveAndOpen();
    void savingTwice();
    void failedSave();
    void failedWrites_data();
    void failedWrites();
    void failedOpen_data();
    void failedOpen();
    void openInexact();
    void openBadValues();
    void openWithoutCoefficients();
    void fileNameLabel();
    void shippedModels_data();
    void shippedModels();

    void chartPositions();
    void chartStopsAtSixtyFour();
    void chartLineLengths();

private:
    QTemporaryDir m_dir;
    QFont m_font;
};

void TestMMod_Dom::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_font = QApplication::font();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestMMod_Dom::cleanup()
{
    QApplication::setFont(m_font);
}

void TestMMod_Dom::controls()
{
    Editor e;
    QCOMPARE(e.d.windowTitle(), utf8s("ZIB-Edition d'un modèle de synthèse"));
    QVERIFY(!e.d.isModal());
    QVERIFY(e.d.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(e.d.minimumWidth(), e.d.maximumWidth());
    QVERIFY(e.d.width() >= 733);
    QVERIFY(e.d.maximumHeight() >= 381);
    QVERIFY(e.d.height() <= e.d.maximumHeight());
    QVERIFY(!e.d.document());
    QVERIFY(!e.d.modmod());

    QCOMPARE(e.description->toPlainText(), utf8s("Description du modèle"));
    QVERIFY(e.description->maximumHeight() <= 100);
    QVERIFY(!e.addButton->isEnabled());
    QVERIFY(!e.removeButton->isEnabled());
    QVERIFY(e.dampingCheck->isChecked());
    QCOMPARE(e.dampingCheck->font().pointSize(), 7);
    QCOMPARE(e.modes->text(), QStringLiteral("1"));
    QCOMPARE(e.point->text(), QStringLiteral("0.3"));
    for (QLineEdit *c : {e.externalEdit, e.hysteresisEdit, e.internalEdit})
        QCOMPARE(c->text(), QStringLiteral("0"));

    const QStringList structures{"Corde Fixe-Fixe", "Corde Fixe-Libre", "Corde Libre-Libre", "Corde sans bord",
                                 "Barre Enc-Enc",   "Barre Enc-App",    "Barre App-App",     "Barre Enc-lib",
                                 "Barre App-lib",   "Barre lib-lib",    "Barre sans bord"};
    QCOMPARE(e.structure->count(), 11);
    for (int i = 0; i < 11; ++i)
        QCOMPARE(e.structure->itemText(i), structures[i]);
    QCOMPARE(e.structure->currentIndex(), 0);
    QCOMPARE(e.picture->size(), QSize(140, 40));
    QCOMPARE(e.picture->pixmap(Qt::ReturnByValue).toImage(), QImage(QStringLiteral("figures/cordeApAp.png")).convertToFormat(e.picture->pixmap(Qt::ReturnByValue).toImage().format()));
    QVERIFY(!e.picture->hasScaledContents());

    QCOMPARE(e.table->columnCount(), 3);
    QCOMPARE(e.table->rowCount(), 0);
    const QStringList titles{utf8s("Fréquence"), "Amort.", "Poids"};
    for (int c = 0; c < 3; ++c)
        QCOMPARE(e.table->horizontalHeaderItem(c)->text(), titles[c]);
    QCOMPARE(e.table->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(e.table->horizontalHeader()->stretchLastSection());
    QVERIFY(!e.table->verticalHeader()->isVisible());
    QVERIFY(!e.table->isSortingEnabled());
    QVERIFY(e.applyButton->width() >= 75);
    QVERIFY(e.createButton->width() >= 75);
    for (QLineEdit *c : {e.externalEdit, e.hysteresisEdit, e.internalEdit, e.modes, e.point})
        QVERIFY(c->maximumWidth() >= 60);
}

void TestMMod_Dom::tooltips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");

    QTest::newRow("description") << "descEdit" << utf8s("Ecrire une description du modèle");
    QTest::newRow("add") << "ajouterButton" << utf8s("Cliquer pour ajouter un mode vibratoire");
    QTest::newRow("remove") << "supprimerButton" << utf8s("Selectionner un mode et cliquer pour supprimer");
    QTest::newRow("save") << "enregistrerButton" << utf8s("Enregistrer le modèle dans un fichier XML");
    QTest::newRow("select") << "selectionnerButton" << utf8s("Selectionner le modèle courant");
    QTest::newRow("apply") << "appliquerButton" << utf8s("Appliquer les coefficients d'amortissement");
    QTest::newRow("structure") << "structureCombo" << utf8s("Choisir une structure vibrante dans la liste");
    QTest::newRow("modes") << "modesEdit" << utf8s("Nombre de modes à créer");
    QTest::newRow("point") << "pointEdit" << utf8s("Position du point de percussion est un nombre entre 0 et 1");
    QTest::newRow("external") << "externeEdit"
                              << utf8s("Amortissement externe, affecte tous les modes de façon uniforme");
    QTest::newRow("hysteresis") << "hysteresisEdit"
                                << utf8s("Amortissement par hystérésis, affecte chaque mode proportionnellement à sa fréquence");
    QTest::newRow("internal") << "interneEdit"
                              << utf8s("Amortissement interne (visoélastique), affecte chaque mode proportionnellement "
                                       "au carré de sa fréquence");
}

void TestMMod_Dom::tooltips()
{
    QFETCH(QString, name);
    QFETCH(QString, tip);
    Editor e;
    QWidget *w = e.d.findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->toolTip(), tip);
}

void TestMMod_Dom::fieldsTakeWhatTheyMay_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("modes") << "modesEdit" << "100" << "100";
    QTest::newRow("modes beyond 100") << "modesEdit" << "150" << "15";
    QTest::newRow("modes, letters") << "modesEdit" << "1a2" << "12";
    QTest::newRow("point") << "pointEdit" << "0.45" << "0.45";
    QTest::newRow("point, 2 decimals") << "pointEdit" << "0.456" << "0.45";
    QTest::newRow("point, no sign") << "pointEdit" << "-0.5" << "0.5";
    QTest::newRow("point, no letters") << "pointEdit" << "0.x5" << "0.5";
    QTest::newRow("external") << "externeEdit" << "1000" << "1000";
    QTest::newRow("external, 3 decimals") << "externeEdit" << "2.5005" << "2.500";
    QTest::newRow("hysteresis") << "hysteresisEdit" << "0.004" << "0.004";
    QTest::newRow("internal, no exponent") << "interneEdit" << "1e-" << "1";
}

void TestMMod_Dom::fieldsTakeWhatTheyMay()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Editor e;
    auto *field = enfant<QLineEdit>(&e.d, qPrintable(name));
    Editor::type(field, typed);
    QCOMPARE(field->text(), shown);
}

// Header and description on top; below, the table, the edition buttons with "Selectionner" under
// them, and the creation group, left to right.
void TestMMod_Dom::layout()
{
    Editor e;
    auto *edition = enfant<QGroupBox>(&e.d, "editionGroup");
    auto *creation = enfant<QGroupBox>(&e.d, "creationGroup");
    auto *damping = enfant<QGroupBox>(&e.d, "amortGroup");
    QCOMPARE(edition->title(), QStringLiteral("Edition"));
    QCOMPARE(creation->title(), utf8s("Création de modèles Corde/Tige ou Barre/Poutre"));
    QCOMPARE(damping->title(), QStringLiteral("Amortissement"));
    auto where = [&](QWidget *w) { return QRect(w->mapTo(&e.d, QPoint(0, 0)), w->size()); };

    QVERIFY(where(e.titleEdit).bottom() < where(e.table).top());
    QVERIFY(where(e.titleEdit).top() > where(e.fileLabel).top());
    QVERIFY(where(e.authorEdit).top() > where(e.titleEdit).top());
    QVERIFY(where(e.modeCount).top() > where(e.authorEdit).top());
    QVERIFY(where(e.description).left() > where(e.titleEdit).right());
    QVERIFY(where(e.table).right() < where(edition).left());
    QVERIFY(where(edition).right() < where(creation).left());
    QVERIFY(where(e.selectButton).top() > where(edition).bottom());
    QVERIFY(!edition->isAncestorOf(e.selectButton));
    QList<QWidget *> buttons{e.openButton, e.addButton, e.removeButton, e.newButton, e.saveButton, e.dampingCheck};
    for (int i = 0; i < buttons.size(); ++i) {
        QVERIFY(edition->isAncestorOf(buttons[i]));
        if (i > 0)
            QVERIFY(where(buttons[i]).top() > where(buttons[i - 1]).top());
    }
    for (QWidget *w : {static_cast<QWidget *>(e.structure), static_cast<QWidget *>(e.picture),
                       static_cast<QWidget *>(e.modes), static_cast<QWidget *>(e.point),
                       static_cast<QWidget *>(e.createButton)})
        QVERIFY(creation->isAncestorOf(w));
    for (QWidget *w : {e.externalEdit, e.hysteresisEdit, e.internalEdit})
        QVERIFY(damping->isAncestorOf(w));
    QVERIFY(damping->isAncestorOf(e.applyButton));
    QVERIFY(where(e.picture).left() > where(e.structure).right());
    QVERIFY(where(e.modes).top() > where(e.structure).bottom());
    QVERIFY(where(damping).left() > where(e.modes).right());
    QVERIFY(where(e.createButton).top() > where(damping).bottom());
    QVERIFY(where(e.point).top() > where(e.modes).top());
    // The chart has its own room: the staff under the two fields, the marker under the picture.
    const QRect staff = ModeChart::staffFrame().translated(e.d.chartOffset());
    QVERIFY(creation->geometry().contains(staff));
    for (QWidget *w : creation->findChildren<QWidget *>())
        if (w->isVisible() && w->objectName() != QLatin1String("chartArea"))
            QVERIFY2(!where(w).intersects(staff), qPrintable(w->objectName()));
    const QPoint marker = QPoint(ModeChart::markerX(0.5), ModeChart::kMarkerBase - 9) + e.d.markerOffset();
    QVERIFY(marker.y() > where(e.picture).bottom());
    QVERIFY(where(e.picture).contains(QPoint(marker.x(), where(e.picture).center().y())));
}

void TestMMod_Dom::textsFit_data()
{
    zibtest::addFontSizeRows();
}

// Every label, button, check box, list and number field shows its longest text whole, every
// control lies inside the window, and the table shows its three columns whole.
void TestMMod_Dom::textsFit()
{
    QFETCH(int, points);
    const zibtest::ApplicationFontSize fontSize(points);
    Editor e;
    QVERIFY(QTest::qWaitForWindowExposed(&e.d));
    e.create(9, QStringLiteral("100"), QStringLiteral("0.3"));
    e.modeCount->setText(QStringLiteral("100"));
    const QList<QPair<QLineEdit *, QString>> longest{{e.modes, "100"},           {e.point, "0.99"},
                                                     {e.externalEdit, "1000.000"}, {e.hysteresisEdit, "10.000"},
                                                     {e.internalEdit, "10.000"}};
    for (const auto &field : longest)
        field.first->setText(field.second);
    // At the smallest size a user can drag the window to.
    e.d.resize(e.d.minimumSize());
    QTest::qWait(20);
    const QStringList cut = zibtest::cutTexts(&e.d);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("; "))));
    QVERIFY(e.d.width() >= 733);

    const QRect window = e.d.rect();
    for (QWidget *w : e.d.findChildren<QWidget *>()) {
        if (w->isVisible() && !qobject_cast<QMessageBox *>(w->window()) &&
            (w->parentWidget() == &e.d || qobject_cast<QGroupBox *>(w->parentWidget())))
            QVERIFY2(window.contains(QRect(w->mapTo(&e.d, QPoint(0, 0)), w->size())), qPrintable(w->objectName()));
    }
    int columnsWidth = 0;
    for (int c = 0; c < 3; ++c)
        columnsWidth += e.table->columnWidth(c);
    QVERIFY(columnsWidth <= e.table->viewport()->width());
    for (int r = 0; r < e.table->rowCount(); ++r)
        for (int c = 0; c < 3; ++c)
            QVERIFY2(e.table->fontMetrics().horizontalAdvance(e.cell(r, c)) + 4 <= e.table->columnWidth(c),
                     qPrintable(e.cell(r, c)));
}

// Without a document "Enregistrer" and "Selectionner" do nothing.
void TestMMod_Dom::withoutDocument()
{
    FakeMainWindow mainWindow;
    Editor e(&mainWindow);
    e.saveAnswer = m_dir.filePath(QStringLiteral("rien.par"));
    Editor::click(e.saveButton);
    Editor::click(e.selectButton);
    Editor::click(e.applyButton);
    QCOMPARE(e.prompts, 0);
    QVERIFY(mainWindow.models.isEmpty());
    QVERIFY(!e.d.modmod());
    QVERIFY(!QFile::exists(e.saveAnswer));
    e.messages.settle();
    QVERIFY(e.messages.shown.isEmpty());
}

void TestMMod_Dom::cellChecks_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("stored");

    const QString frequencyWarning = utf8s("Fréquence illégale|Les fréquences doivent être des nombres strictement positifs");
    const QString damping = utf8s("Amortissement illégal|Les amortissements doivent être positifs ou nuls");
    const QString poids = utf8s("Poids illégal|Les poids  doivent être des nombres décimaux");
    QTest::newRow("frequency abc") << 0 << "abc" << frequencyWarning << "1" << "1";
    QTest::newRow("frequency 0") << 0 << "0" << frequencyWarning << "1" << "1";
    QTest::newRow("frequency -2") << 0 << "-2" << frequencyWarning << "1" << "1";
    QTest::newRow("frequency 2.5") << 0 << "2.5" << "" << "2.5" << "2.5";
    QTest::newRow("damping -0.5") << 1 << "-0.5" << damping << "0" << "0";
    QTest::newRow("damping 0") << 1 << "0" << "" << "0" << "0";
    QTest::newRow("damping 3.25") << 1 << "3.25" << "" << "3.25" << "3.25";
    QTest::newRow("weight -3") << 2 << "-3" << "" << "-3" << "-3";
    QTest::newRow("weight x") << 2 << "x" << poids << "1" << "1";
    QTest::newRow("weight, many digits") << 2 << "0.1234567" << "" << "0.1234567" << "0.123457";
}

// A cell typed by the user: a refused value is warned about and replaced, in the table and in
// the document.
void TestMMod_Dom::cellChecks()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, warning);
    QFETCH(QString, cell);
    QFETCH(QString, stored);
    static const char *const attributes[3] = {"freq", "amort", "poids"};

    Editor e;
    e.create(0, QStringLiteral("2"), QStringLiteral("0.3"));
    e.typeCell(1, column, typed);
    e.messages.settle();
    QCOMPARE(e.messages.shown, warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(e.cell(1, column), cell);
    QCOMPARE(e.d.document()->partiel(1).attribute(QLatin1String(attributes[column])), stored);
    QCOMPARE(e.d.document()->nbmod(), 2);
    QCOMPARE(e.table->item(1, column)->textAlignment(), int(Qt::AlignCenter));
}

void TestMMod_Dom::weightTypedFirst()
{
    Editor e;
    Editor::click(e.newButton);
    QVERIFY(e.addButton->isEnabled());
    QCOMPARE(e.modeCount->text(), QStringLiteral("0"));
    Editor::click(e.addButton);
    QCOMPARE(e.table->rowCount(), 1);
    QCOMPARE(e.d.document()->nbmod(), 0);
    e.typeCell(0, 2, QStringLiteral("0.5"));
    QCOMPARE(e.d.document()->nbmod(), 1);
    QCOMPARE(e.d.document()->partiel(0).attributes().count(), 1);
    QCOMPARE(e.d.document()->partiel(0).attribute(QStringLiteral("poids")), QStringLiteral("0.5"));
    QCOMPARE(e.modeCount->text(), QStringLiteral("1"));

    // Two rows added, the second typed into first: each value in its own mode.
    Editor::click(e.addButton);
    Editor::click(e.addButton);
    e.typeCell(2, 0, QStringLiteral("3"));
    e.typeCell(1, 0, QStringLiteral("2"));
    QCOMPARE(e.d.document()->nbmod(), 3);
    QCOMPARE(e.d.document()->mode(1).freq, 2.f);
    QCOMPARE(e.d.document()->mode(2).freq, 3.f);
    e.messages.settle();
    QVERIFY(e.messages.shown.isEmpty());
}

void TestMMod_Dom::selectAndRemove()
{
    Editor e;
    e.create(0, QStringLiteral("3"), QStringLiteral("0.3"));
    QVERIFY(!e.removeButton->isEnabled());
    const QRect ligne = e.table->visualItemRect(e.table->item(1, 2));
    QTest::mouseClick(e.table->viewport(), Qt::LeftButton, {}, ligne.center());
    QVERIFY(e.removeButton->isEnabled());
    QCOMPARE(e.table->currentRow(), 1);
    QCOMPARE(e.table->currentColumn(), 0);
    QCOMPARE(e.table->selectionModel()->selectedRows().size(), 1);
    Editor::click(e.removeButton);
    QVERIFY(!e.removeButton->isEnabled());
    QCOMPARE(e.table->rowCount(), 2);
    QCOMPARE(e.cell(0, 0), QStringLiteral("1"));
    QCOMPARE(e.cell(1, 0), QStringLiteral("3"));
    QCOMPARE(e.d.document()->nbmod(), 2);
    QCOMPARE(e.d.document()->partielCount(), 2);
    QCOMPARE(e.d.document()->mode(1).freq, 3.f);
    QCOMPARE(e.modeCount->text(), QStringLiteral("2"));

    // A row added and removed before it was typed into leaves the modes alone.
    Editor::click(e.addButton);
    QTest::mouseClick(e.table->viewport(), Qt::LeftButton, {},
                      e.table->visualRect(e.table->model()->index(2, 1)).center());
    QVERIFY(e.removeButton->isEnabled());
    QCOMPARE(e.table->currentRow(), 2);
    Editor::click(e.removeButton);
    QCOMPARE(e.table->rowCount(), 2);
    QCOMPARE(e.d.document()->nbmod(), 2);
}

void TestMMod_Dom::create()
{
    Editor e;
    e.externalEdit->setText(QStringLiteral("1"));
    e.hysteresisEdit->setText(QStringLiteral("0.5"));
    e.internalEdit->setText(QStringLiteral("0.1"));
    e.fileLabel->setText(QStringLiteral("ancien.par"));
    e.create(0, QStringLiteral("3"), QStringLiteral("0.3"));
    e.messages.settle();
    QVERIFY(e.messages.shown.isEmpty());
    QVERIFY(e.addButton->isEnabled());
    QVERIFY(e.fileLabel->text().isEmpty());
    QCOMPARE(e.titleEdit->text(), QStringLiteral("cordeFixFix"));
    QVERIFY(e.authorEdit->text().isEmpty());
    QCOMPARE(e.description->toPlainText(), utf8s("Modèle de corde/tige avec des extrémités Fixe-Fixe à 3 partiels."
                                          "\nPoints d'excitation et d'écoute à 0.3"
                                          "\nCoefficients d'amortissement 1, 0.5 et 0.1"));
    const char *const cells[3][3] = {{"1", "1.6", "0.803497"}, {"2", "2.4", "0.956658"}, {"3", "3.4", "0.335517"}};
    QCOMPARE(e.table->rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(e.cell(r, c), QLatin1String(cells[r][c]));
            QCOMPARE(e.table->item(r, c)->textAlignment(), int(Qt::AlignCenter));
        }
    const ModelDocument *d = e.d.document();
    QCOMPARE(d->nbmod(), 3);
    QCOMPARE(d->partiel(2).attribute(QStringLiteral("poids")), QStringLiteral("0.335517"));
    QCOMPARE(d->partiel(1).attribute(QStringLiteral("amort")), QStringLiteral("2.4"));
    QCOMPARE(e.modeCount->text(), QStringLiteral("3"));

    // A second "Créer" replaces the model.
    e.create(10, QStringLiteral("5"), QStringLiteral("0.3"));
    QCOMPARE(e.d.document()->nbmod(), 5);
    const QStringList frequencies{"1", "1.002", "4", "4.008", "9"};
    for (int r = 0; r < 5; ++r)
        QCOMPARE(e.cell(r, 0), frequencies[r]);
    QCOMPARE(e.titleEdit->text(), QStringLiteral("BarreSansBord"));
}

void TestMMod_Dom::createRefused_data()
{
    QTest::addColumn<QString>("modes");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("rows");

    QTest::newRow("both") << "0" << "1.5" << "Nombre de modes Point de Percussion Invalide(s)" << 0;
    QTest::newRow("no point") << "4" << "" << "Invalide(s)" << 4;
    QTest::newRow("no modes") << "" << "0.3" << "Nombre de modes Invalide(s)" << 0;
}

// Refused inputs: the message does not block, the document is empty, the table has N empty rows.
void TestMMod_Dom::createRefused()
{
    QFETCH(QString, modes);
    QFETCH(QString, point);
    QFETCH(QString, message);
    QFETCH(int, rows);
    Editor e;
    e.create(0, QStringLiteral("2"), QStringLiteral("0.3"));
    // The fields' validators keep such values from the keyboard; whatever they hold is converted.
    e.modes->setText(modes);
    e.point->setText(point);
    Editor::click(e.createButton);
    e.messages.settle();
    QCOMPARE(e.messages.shown, QStringList{utf8s("ZIB-Edition d'un modèle de synthèse|") + message});
    QCOMPARE(e.table->rowCount(), rows);
    for (int r = 0; r < rows; ++r)
        QVERIFY(!e.table->item(r, 0));
    QCOMPARE(e.d.document()->nbmod(), 0);
    QCOMPARE(e.d.document()->partielCount(), 0);
    QVERIFY(e.titleEdit->text().isEmpty());
    QVERIFY(e.addButton->isEnabled());
}

void TestMMod_Dom::picture()
{
    Editor e;
    for (int i = 10; i >= 0; --i) {
        e.structure->setCurrentIndex(i);
        const QImage expected = QImage(PhysicalModel::picture(i));
        QVERIFY(!expected.isNull());
        QCOMPARE(e.picture->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32),
                 expected.convertToFormat(QImage::Format_ARGB32));
    }
    QVERIFY(!e.picture->hasScaledContents());
}

// "Appliquer" takes the stored ratio as its frequency variable, for a bar as for a string, and
// switches a bank already selected to the damping law.
void TestMMod_Dom::applyDamping()
{
    FakeMainWindow mainWindow;
    Editor e(&mainWindow);
    e.dampingCheck->setChecked(false);
    e.create(9, QStringLiteral("2"), QStringLiteral("0.3"));
    Editor::click(e.selectButton);
    QCOMPARE(e.d.modmod()->typeAmort, 0);
    e.externalEdit->setText(QStringLiteral("1"));
    e.hysteresisEdit->setText(QStringLiteral("0.5"));
    e.internalEdit->setText(QStringLiteral("0.1"));
    Editor::click(e.applyButton);
    QCOMPARE(e.cell(0, 1), QStringLiteral("1.6"));
    QCOMPARE(e.cell(1, 1), QStringLiteral("3.13812")); // 1 + 0.5·2.75654 + 0.1·2.75654²
    QCOMPARE(e.d.document()->partiel(1).attribute(QStringLiteral("amort")), QStringLiteral("3.13812"));
    QCOMPARE(e.table->item(1, 1)->textAlignment(), int(Qt::AlignCenter));
    QCOMPARE(e.d.modmod()->typeAmort, 1);
}

void TestMMod_Dom::select_data()
{
    QTest::addColumn<bool>("law");
    QTest::newRow("Coeff. Amort checked") << true;
    QTest::newRow("unchecked") << false;
}

void TestMMod_Dom::select()
{
    QFETCH(bool, law);
    FakeMainWindow mainWindow;
    Editor e(&mainWindow);
    e.dampingCheck->setChecked(law);
    e.create(0, QStringLiteral("3"), QStringLiteral("0.3"));
    e.externalEdit->setText(QStringLiteral("2"));
    e.hysteresisEdit->setText(QStringLiteral("0.01"));
    e.internalEdit->setText(QStringLiteral("0.001"));
    Editor::click(e.selectButton);
    QCOMPARE(mainWindow.models.size(), 1);
    Modmod *first = mainWindow.models.first();
    QCOMPARE(first, e.d.modmod());
    QCOMPARE(first->nbMod, 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(first->freq[i], float(i + 1));
        QCOMPARE(first->amort[i], 0.f);
        QCOMPARE(first->poids[i], e.cell(i, 2).toFloat());
    }
    QCOMPARE(first->typeAmort, law ? 1 : 0);
    QCOMPARE(first->coeffs, law ? QVector<float>({2, 0.01f, 0.001f}) : QVector<float>());

    // The next "Selectionner" replaces the model; the first one stays whole for the tones that
    // may still use it.
    e.typeCell(0, 0, QStringLiteral("1.5"));
    Editor::click(e.selectButton);
    QCOMPARE(mainWindow.models.size(), 2);
    QVERIFY(mainWindow.models[1] != first);
    QCOMPARE(mainWindow.models[1]->freq[0], 1.5f);
    QCOMPARE(first->freq[0], 1.f);
    QCOMPARE(first->nbMod, 3);
}

void TestMMod_Dom::dampingBoxSwitchesTheBank()
{
    Editor e;
    e.dampingCheck->setChecked(true);
    Editor::click(e.dampingCheck); // unchecked, no bank yet: nothing to switch
    QVERIFY(!e.d.modmod());
    e.create(0, QStringLiteral("2"), QStringLiteral("0.3"));
    Editor::click(e.selectButton);
    QCOMPARE(e.d.modmod()->typeAmort, 0);
    Editor::click(e.dampingCheck);
    QCOMPARE(e.d.modmod()->typeAmort, 1);
    Editor::click(e.dampingCheck);
    QCOMPARE(e.d.modmod()->typeAmort, 0);
}

void TestMMod_Dom::saveAndOpen()
{
    const QString path = m_dir.filePath(QStringLiteral("barre.par"));
    {
        Editor e;
        e.externalEdit->setText(QStringLiteral("0.500"));
        e.hysteresisEdit->setText(QStringLiteral("0.02"));
        e.create(9, QStringLiteral("4"), QStringLiteral("0.25"));
        Editor::type(e.titleEdit, utf8s("Glockenspiel à l'essai"));
        Editor::type(e.authorEdit, QStringLiteral("Z"));
        e.description->setPlainText(utf8s("Deux lignes\net des accents : é à"));
        e.saveAnswer = path;
        Editor::click(e.saveButton);
        QCOMPARE(e.prompts, 1);
        QCOMPARE(e.fileLabel->text(), QStringLiteral("barre.par"));
    }
    QVERIFY(readFile(path).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?xml-stylesheet"));

    Editor e;
    Editor::click(e.newButton);
    e.openAnswer = path;
    Editor::click(e.openButton);
    e.messages.settle();
    QVERIFY(e.messages.shown.isEmpty());
    QCOMPARE(e.titleEdit->text(), utf8s("Glockenspiel à l'essai"));
    QCOMPARE(e.authorEdit->text(), QStringLiteral("Z"));
    QCOMPARE(e.description->toPlainText(), utf8s("Deux lignes\net des accents : é à"));
    QCOMPARE(e.fileLabel->text(), QStringLiteral("barre.par"));
    QCOMPARE(e.modeCount->text(), QStringLiteral("4"));
    QCOMPARE(e.table->rowCount(), 4);
    QCOMPARE(e.cell(1, 0), QStringLiteral("2.75654"));
    QCOMPARE(e.externalEdit->text(), QStringLiteral("0.500"));
    QCOMPARE(e.hysteresisEdit->text(), QStringLiteral("0.02"));
    QCOMPARE(e.internalEdit->text(), QStringLiteral("0"));
    QVERIFY(e.addButton->isEnabled());
    QCOMPARE(e.table->item(3, 2)->textAlignment(), int(Qt::AlignCenter));
}

void TestMMod_Dom::savingTwice()
{
    const QString path = m_dir.filePath(QStringLiteral("deux.par"));
    Editor e;
    e.create(0, QStringLiteral("2"), QStringLiteral("0.3"));
    e.saveAnswer = path;
    Editor::click(e.saveButton);
    const QByteArray first = readFile(path);
    Editor::click(e.saveButton);
    QCOMPARE(readFile(path), first);
    QCOMPARE(first.count("<?xml-stylesheet"), 1);
    QVERIFY(first.contains("<amort "));

    // Unchecked, the coefficients leave the file; checked again, they come back after the modes.
    e.dampingCheck->setChecked(false);
    Editor::click(e.saveButton);
    QVERIFY(!readFile(path).contains("<amort "));
    e.dampingCheck->setChecked(true);
    Editor::click(e.saveButton);
    QVERIFY(readFile(path).contains("</modes>\n  <amort "));

    // A cancelled prompt writes nothing.
    QFile::remove(path);
    e.saveAnswer.clear();
    Editor::click(e.saveButton);
    QVERIFY(!QFile::exists(path));
}

void TestMMod_Dom::failedSave()
{
    const QString path = m_dir.filePath(QStringLiteral("garde.par"));
    writeFile(path, "<modele>ancien</modele>");
    Editor e;
    e.create(0, QStringLiteral("20"), QStringLiteral("0.3"));
    e.saveAnswer = path;
    {
        zibtest::FileSizeLimit limit(200);
        Editor::click(e.saveButton);
    }
    e.messages.settle();
    QCOMPARE(e.messages.shown, QStringList{utf8s("Erreur|Le modèle n'a pas été enregistré")});
    QCOMPARE(readFile(path), QByteArray("<modele>ancien</modele>"));
    QVERIFY(e.fileLabel->text().isEmpty());
}

void TestMMod_Dom::failedWrites_data()
{
    zibtest::addFailedWriteRows();
}

// "Enregistrer" on a full disk and into a folder that cannot be written, for a model of 20 modes
// and one of 1500: the old file stays, nothing is left behind, the user is told.
void TestMMod_Dom::failedWrites()
{
    QFETCH(bool, large);
    QByteArray model("<modele><entete titre=\"grand\"><desc>x</desc></entete><modes nbmod=\"1500\">");
    for (int i = 0; i < 1500; ++i)
        model += "<partiel freq=\"" + QByteArray::number(1 + i * 0.37) + "\" amort=\"0.5\" poids=\"1\"/>";
    model += "</modes></modele>";
    const QString source = m_dir.filePath(QStringLiteral("source.par"));
    writeFile(source, model);
    Editor e;
    if (large) {
        e.openAnswer = source;
        Editor::click(e.openButton);
        QCOMPARE(e.table->rowCount(), 1500);
    } else {
        e.create(0, QStringLiteral("20"), QStringLiteral("0.3"));
    }
    e.messages.settle();
    e.messages.shown.clear();
    zibtest::checkFailedWrite(QStringLiteral("modele.par"), [&](const QString &path) {
        e.saveAnswer = path;
        const int before = e.messages.shown.size();
        Editor::click(e.saveButton);
        e.messages.settle();
        return e.messages.shown.size() == before;
    });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(e.messages.shown, QStringList{utf8s("Erreur|Le modèle n'a pas été enregistré")});
}

void TestMMod_Dom::failedOpen_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");

    const QString title = utf8s("Erreur à l'ouverture du document XML|");
    QTest::newRow("missing") << QByteArray() << title + utf8s("Le document XML n'a pas pu être ouvert. Vérifiez que le "
                                                               "nom est le bon et que le document est bien placé");
    QTest::newRow("not XML") << QByteArray("{\"modes\": 3}")
                             << title + utf8s("Le document XML n'a pas pu être attribué à l'objet QDomDocument.");
    QTest::newRow("not a model") << QByteArray("<intervalList/>")
                                 << title + utf8s("Le document XML n'a pas pu être attribué à l'objet QDomDocument.");
}

// A file that fails leaves the model, the table and the fields: "Selectionner" then plays what the
// table shows.
void TestMMod_Dom::failedOpen()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(QStringLiteral("mauvais.par"));
    QFile::remove(path);
    if (!content.isEmpty())
        writeFile(path, content);

    FakeMainWindow mainWindow;
    Editor e(&mainWindow);
    e.create(9, QStringLiteral("3"), QStringLiteral("0.3"));
    Editor::type(e.titleEdit, QStringLiteral("garde"));
    e.openAnswer = path;
    Editor::click(e.openButton);
    e.messages.settle();
    QCOMPARE(e.messages.shown, QStringList{message});
    QCOMPARE(e.titleEdit->text(), QStringLiteral("garde"));
    QCOMPARE(e.table->rowCount(), 3);
    QCOMPARE(e.cell(1, 0), QStringLiteral("2.75654"));
    Editor::click(e.selectButton);
    QCOMPARE(mainWindow.models.size(), 1);
    QCOMPARE(mainWindow.models[0]->nbMod, 3);
    QCOMPARE(mainWindow.models[0]->freq[1], 2.75654f);

    // A cancelled prompt changes nothing either.
    e.openAnswer.clear();
    Editor::click(e.openButton);
    QCOMPARE(e.table->rowCount(), 3);
}

void TestMMod_Dom::openInexact()
{
    const QString path = m_dir.filePath(QStringLiteral("inexact.par"));
    writeFile(path, "<modele><entete titre=\"t\" auteur=\"a\"><desc>d</desc></entete><modes nbmod=\"3\">"
                       "<partiel freq=\"1\" amort=\"2\" poids=\"3\"/><partiel freq=\"2\" amort=\"0\" poids=\"1\"/>"
                       "</modes></modele>");
    FakeMainWindow mainWindow;
    Editor e(&mainWindow);
    e.create(0, QStringLiteral("5"), QStringLiteral("0.3"));
    e.openAnswer = path;
    Editor::click(e.openButton);
    e.messages.settle();
    QCOMPARE(e.messages.shown, QStringList{utf8s("ZIB-Edition d'un modèle de synthèse|Nombre de modes inexact")});
    QCOMPARE(e.table->rowCount(), 3);
    QCOMPARE(e.cell(1, 0), QStringLiteral("2"));
    // The row the file leaves without a mode is empty, not the previous model's.
    QVERIFY(e.cell(2, 0).isEmpty());
    QCOMPARE(e.modeCount->text(), QStringLiteral("3"));
    Editor::click(e.selectButton);
    QCOMPARE(mainWindow.models[0]->nbMod, 3);
    QCOMPARE(mainWindow.models[0]->freq[2], 0.f);

    // More elements than the count: the others are left out, with the same message.
    writeFile(path, "<modele><entete titre=\"t\" auteur=\"a\"><desc>d</desc></entete><modes nbmod=\"1\">"
                       "<partiel freq=\"1\" amort=\"2\" poids=\"3\"/><partiel freq=\"2\" amort=\"0\" poids=\"1\"/>"
                       "</modes></modele>");
    e.messages.shown.clear();
    Editor::click(e.openButton);
    e.messages.settle();
    QCOMPARE(e.messages.shown.size(), 1);
    QCOMPARE(e.table->rowCount(), 1);
}

// Values refused while loading are warned about and replaced, in the table and the document.
void TestMMod_Dom::openBadValues()
{
    const QString path = m_dir.filePath(QStringLiteral("valeurs.par"));
    writeFile(path, "<modele><entete titre=\"t\" auteur=\"a\"><desc>d</desc></entete><modes nbmod=\"2\">"
                       "<partiel freq=\"abc\" amort=\"-1\" poids=\"0.5\"/><partiel freq=\"2.000000\" amort=\"0\" poids=\"z\"/>"
                       "</modes></modele>");
    Editor e;
    e.openAnswer = path;
    Editor::click(e.openButton);
    e.messages.settle();
    QCOMPARE(e.messages.shown.size(), 3);
    QVERIFY(e.messages.shown[0].startsWith(utf8s("Fréquence illégale|")));
    QVERIFY(e.messages.shown[1].startsWith(utf8s("Amortissement illégal|")));
    QVERIFY(e.messages.shown[2].startsWith(utf8s("Poids illégal|")));
    QCOMPARE(e.cell(0, 0), QStringLiteral("1"));
    QCOMPARE(e.cell(0, 1), QStringLiteral("0"));
    QCOMPARE(e.cell(1, 2), QStringLiteral("1"));
    // Values are shown as stored, and kept in the float format.
    QCOMPARE(e.cell(1, 0), QStringLiteral("2.000000"));
    const ModelDocument *d = e.d.document();
    QCOMPARE(d->partiel(0).attribute(QStringLiteral("freq")), QStringLiteral("1"));
    QCOMPARE(d->partiel(0).attribute(QStringLiteral("amort")), QStringLiteral("0"));
    QCOMPARE(d->partiel(1).attribute(QStringLiteral("freq")), QStringLiteral("2"));
    QCOMPARE(d->partiel(1).attribute(QStringLiteral("poids")), QStringLiteral("1"));
}

void TestMMod_Dom::openWithoutCoefficients()
{
    const QString path = m_dir.filePath(QStringLiteral("sanscoeff.par"));
    writeFile(path, "<modele><entete titre=\"t\" auteur=\"a\"><desc>d</desc></entete><modes nbmod=\"1\">"
                       "<partiel freq=\"1\" amort=\"2\" poids=\"3\"/></modes></modele>");
    Editor e;
    e.externalEdit->setText(QStringLiteral("7"));
    e.dampingCheck->setChecked(false);
    e.openAnswer = path;
    Editor::click(e.openButton);
    QCOMPARE(e.externalEdit->text(), QStringLiteral("7"));
    QVERIFY(!e.dampingCheck->isChecked());

    // Coefficients in the file fill the fields, and leave the box as it is.
    writeFile(path, kMarimba.toUtf8());
    Editor::click(e.openButton);
    QCOMPARE(e.externalEdit->text(), QStringLiteral("1.5"));
    QCOMPARE(e.hysteresisEdit->text(), QStringLiteral("0.004"));
    QVERIFY(!e.dampingCheck->isChecked());
}

void TestMMod_Dom::fileNameLabel()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("un/dossier"));
    const QString path = m_dir.filePath(QStringLiteral("un/dossier/bar.par"));
    writeFile(path, kMarimba.toUtf8());
    Editor e;
    e.openAnswer = path;
    Editor::click(e.openButton);
    QCOMPARE(e.fileLabel->text(), QStringLiteral("bar.par"));

    const QString longName = m_dir.filePath(QStringLiteral("un/dossier/") + QString(120, QLatin1Char('m')) + QStringLiteral(".par"));
    writeFile(longName, kMarimba.toUtf8());
    e.openAnswer = longName;
    Editor::click(e.openButton);
    QVERIFY(e.fileLabel->fontMetrics().horizontalAdvance(e.fileLabel->text()) <= e.fileLabel->width());
    QVERIFY(e.fileLabel->toolTip().endsWith(QStringLiteral("mmm.par")));
    QVERIFY(e.d.width() >= 733 && e.d.width() == e.d.minimumWidth());
}

void TestMMod_Dom::shippedModels_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("modes");
    QTest::addColumn<float>("fundamental");

    QTest::newRow("string") << "corde_pincee.par" << 30 << 220.f;
    QTest::newRow("glockenspiel") << "glockenspiel.par" << 8 << 880.f;
    QTest::newRow("kalimba") << "kalimba.par" << 5 << 440.f;
    QTest::newRow("marimba") << "marimba.par" << 3 << 220.f;
}

// The models beside the program open without a message, say what they are, keep the damping law
// they were made with, and ring, decaying, as soon as they are selected.
void TestMMod_Dom::shippedModels()
{
    QFETCH(QString, file);
    QFETCH(int, modes);
    QFETCH(float, fundamental);
    FakeMainWindow mainWindow;
    Editor e(&mainWindow);
    e.openAnswer = QStringLiteral("synth_param/") + file;
    QVERIFY(QFile::exists(e.openAnswer));
    Editor::click(e.openButton);
    e.messages.settle();
    QVERIFY2(e.messages.shown.isEmpty(), qPrintable(e.messages.shown.join(QLatin1Char('\n'))));
    QVERIFY(!e.titleEdit->text().isEmpty());
    QVERIFY(!e.authorEdit->text().isEmpty());
    QVERIFY(e.description->toPlainText().size() > 40);
    QCOMPARE(e.table->rowCount(), modes);
    QCOMPARE(e.d.document()->partielCount(), modes);
    for (QLineEdit *c : {e.externalEdit, e.hysteresisEdit, e.internalEdit})
        QVERIFY2(c->hasAcceptableInput(), qPrintable(c->text()));
    QVERIFY(e.externalEdit->text().toFloat() > 0);

    // As the window starts, with the law in Hz; at the model's reference fundamental it agrees
    // with the table.
    QVERIFY(e.dampingCheck->isChecked());
    Editor::click(e.selectButton);
    Modmod *m = mainWindow.models.value(0);
    QVERIFY(m);
    QCOMPARE(m->typeAmort, 1);
    m->normalise(std::sqrt(2 * float(M_PI) * fundamental));
    m->initialiseImp(48000);
    m->oscils(fundamental, 48000);
    QVERIFY(m->nbActif >= 3);
    for (int i = 0; i < m->nbActif; ++i)
        QVERIFY(std::fabs(m->amort[i] - e.cell(i, 1).toFloat()) <= 1e-3f * m->amort[i] + 1e-3f);
    std::vector<float> sound(48000 * 2);
    m->actualiseBloc(sound.data(), int(sound.size()));
    auto level = [&](int start) {
        double s = 0;
        for (int k = start; k < start + 4800; ++k)
            s += double(sound[k]) * sound[k];
        return std::sqrt(s / 4800);
    };
    QVERIFY(level(0) > 0.01);
    QVERIFY(level(86400) < 0.5 * level(0));
}

// The chart painted into an image: ratio 2.75654 on the second line from the bottom near x = 491,
// the current mode framed in yellow, the marker of the point 0.3 at x = 616.
void TestMMod_Dom::chartPositions()
{
    const QString path = m_dir.filePath(QStringLiteral("chart.par"));
    writeFile(path, "<modele><entete><desc/></entete><modes nbmod=\"2\">"
                       "<partiel freq=\"1\" amort=\"0\" poids=\"1\"/><partiel freq=\"2.75654\" amort=\"0\" poids=\"1\"/>"
                       "</modes></modele>");
    Editor e;
    e.openAnswer = path;
    Editor::click(e.openButton);
    const QPoint offset = e.d.chartOffset();
    QImage image = render(e.d);

    // The staff.
    for (int o = 0; o < 6; ++o)
        QVERIFY(isColour(image, 500 + offset.x(), 325 - 15 * o + offset.y(), qRgb(0, 0, 0)));
    const QPointF mode2 = QPointF(491.1, 310) + offset;
    QVERIFY(runAbove(image, mode2, qRgb(255, 0, 0)) >= 10);
    QVERIFY(runAbove(image, QPointF(430, 325) + offset, qRgb(255, 0, 0)) >= 10);
    // Nothing red on the lowest line at that place.
    QCOMPARE(countColour(image, QRect(QPoint(489, 314) + offset, QSize(5, 12)), qRgb(255, 0, 0)), 0);
    QCOMPARE(countColour(image, image.rect(), qRgb(255, 255, 0)), 0);

    const QPoint m = QPoint(616, ModeChart::kMarkerBase - 2) + e.d.markerOffset();
    QVERIFY(isColour(image, m.x(), m.y(), qRgb(255, 0, 0)) || isColour(image, m.x() - 1, m.y(), qRgb(255, 0, 0)));
    QCOMPARE(countColour(image, QRect(m.x() - 30, m.y() - 2, 20, 5), qRgb(255, 0, 0)), 0);

    // Row 2 is current: its line is framed.
    e.table->setCurrentCell(1, 0);
    image = render(e.d);
    const QRect frame = QRectF(mode2.x() - 2, mode2.y() - 13, 4, 14).toAlignedRect().adjusted(-1, -1, 1, 1);
    QVERIFY(countColour(image, frame, qRgb(255, 255, 0)) >= 20);

    // The marker follows the point as it is typed.
    Editor::type(e.point, QStringLiteral("1"));
    image = render(e.d);
    const QPoint m1 = QPoint(705, ModeChart::kMarkerBase - 2) + e.d.markerOffset();
    QVERIFY(isColour(image, m1.x(), m1.y(), qRgb(255, 0, 0)) || isColour(image, m1.x() - 1, m1.y(), qRgb(255, 0, 0)));
}

void TestMMod_Dom::chartStopsAtSixtyFour()
{
    const QString path = m_dir.filePath(QStringLiteral("haut.par"));
    writeFile(path, "<modele><entete><desc/></entete><modes nbmod=\"2\">"
                       "<partiel freq=\"70\" amort=\"0\" poids=\"1\"/><partiel freq=\"3\" amort=\"0\" poids=\"1\"/>"
                       "</modes></modele>");
    Editor e;
    e.openAnswer = path;
    Editor::click(e.openButton);
    e.table->setCurrentCell(1, 0);
    const QImage image = render(e.d);
    const QRect staff = ModeChart::staffFrame().translated(e.d.chartOffset());
    QCOMPARE(countColour(image, staff, qRgb(255, 0, 0)), 0);
    // The current mode 3 is framed even so: the frame asks only for a ratio below 64.
    QVERIFY(countColour(image, staff, qRgb(255, 255, 0)) > 0);
}

void TestMMod_Dom::chartLineLengths()
{
    const QString path = m_dir.filePath(QStringLiteral("poids.par"));
    writeFile(path, "<modele><entete><desc/></entete><modes nbmod=\"3\">"
                       "<partiel freq=\"1.25\" amort=\"0\" poids=\"0\"/><partiel freq=\"1.5\" amort=\"0\" poids=\"-1\"/>"
                       "<partiel freq=\"1.75\" amort=\"0\" poids=\"1000\"/></modes></modele>");
    Editor e;
    e.openAnswer = path;
    Editor::click(e.openButton);
    const QImage image = render(e.d);
    const QPoint d = e.d.chartOffset();
    const int zero = runAbove(image, ModeChart::foot(1.25f) + d, qRgb(255, 0, 0));
    const int one = runAbove(image, ModeChart::foot(1.5f) + d, qRgb(255, 0, 0));
    const int thousand = runAbove(image, ModeChart::foot(1.75f) + d, qRgb(255, 0, 0));
    QVERIFY2(zero >= 5 && zero <= 7, qPrintable(QString::number(zero)));
    QCOMPARE(one - zero, 5);
    QCOMPARE(thousand - zero, 10);
}

QTEST_MAIN(TestMMod_Dom)
#include "tst_mmod_dom.moc"
