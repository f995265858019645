// The interval list dialog and Scala files, for what the dialog decides: "Importer…" puts a scale
// into the list and its fields or refuses it leaving them as they were, makes a keyboard
// mapping's degree 0 the main window's Frequency 1, says how many intervals the tree leaves out;
// "Exporter…" writes the scale and its mapping, or says which file failed; "Tableau" opens the
// temperament chart, which follows the list, is copied and saved as CSV, and shows its texts
// whole from 9 to 12 points.

#include "IntervDlgFixture.h"
#include "intervals/IntervalListFile.h"
#include "intervals/KeyboardMapping.h"
#include "intervals/ScalaFile.h"
#include "intervals/TemperamentChartDlg.h"
#include "ModalBoxes.h"
#include "tests/support/Enfant.h"
#include "tests/support/FailedWrite.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TextFit.h"

#include <QtTest>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeView>

#include <cmath>

namespace {

const QByteArray kMeantone = "! meantone.scl\n!\n! Pietro Aron, 1523\n! a quarter of a comma\nMeantone, part\n 5\n!\n"
                             " 193.15686 D\n 5/4 E\n 696.57843 G\n 2/1\n 889.73529 A\n";

const QByteArray kMapping12 = "! a440.kbm\n12\n0\n127\n60\n69\n440.0\n12\n0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n";

/// The dialog with the labels of its Scala controls.
struct Dialogue : IntervDlgFixture
{
    QLabel *horsArbre = enfant<QLabel>(&d, "horsArbreLabel");

    void importer(const QString &path)
    {
        openAnswer = path;
        cliquer("importerButton");
    }
    QStringList arbre()
    {
        QStringList rows;
        for (int k = 0; k < modele()->rowCount(); ++k) {
            for (int r = 0; r < modele()->item(k)->rowCount(); ++r)
                rows << modele()->item(k)->child(r)->text();
        }
        return rows;
    }
    QVector<float> cents()
    {
        QVector<float> c;
        for (const Interval &i : d.liste().liste)
            c << i.cent;
        return c;
    }
    TemperamentChartDlg *tableau() { return d.findChild<TemperamentChartDlg *>(QStringLiteral("tableauDlg")); }
};

} // namespace

class TestIntervDlgScala : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    void boutons()
    {
        Dialogue t;
        QMap<QString, QGroupBox *> groupes;
        for (QGroupBox *g : t.d.findChildren<QGroupBox *>())
            groupes.insert(g->title(), g);
        const struct { const char *name; const char *text; const char *group; } buttons[] = {
            {"importerButton", "Importer…", "Fichier"}, {"exporterButton", "Exporter…", "Fichier"},
            {"tableauButton", "Tableau", "Justesse"}};
        for (const auto &b : buttons) {
            auto *button = enfant<QPushButton>(&t.d, b.name);
            QCOMPARE(button->text(), QString::fromUtf8(b.text));
            QVERIFY(button->isEnabled());
            QVERIFY(!button->toolTip().isEmpty());
            QVERIFY2(groupes.value(QString::fromUtf8(b.group))->isAncestorOf(button), b.name);
        }
    }

    void importerUneGamme()
    {
        QTemporaryDir dir;
        Dialogue t;
        ModalBoxes boites;
        t.importer(writeFile(dir.filePath(QStringLiteral("meantone.scl")), kMeantone));
        QCOMPARE(t.prompts, QStringList{QString::fromUtf8("Importer une gamme ou un clavier Scala|./interval_lists/|*.scl ;; *.kbm")});
        QVERIFY(boites.seen.isEmpty());
        QCOMPARE(t.titre->text(), QStringLiteral("Meantone, part"));
        QCOMPARE(t.auteur->text(), QString());
        QCOMPARE(t.description->toPlainText(), QStringLiteral("Pietro Aron, 1523\na quarter of a comma"));
        QCOMPARE(t.fichier->text(), QStringLiteral("Fichier :\t <b>meantone.scl</b>"));
        QCOMPARE(t.d.liste().entete[0], QStringLiteral("Meantone, part"));
        // Sorted by the list; the unison first.
        const QVector<float> cents = t.cents();
        const QVector<double> expected = {0, 193.15686, 386.31371, 696.57843, 889.73529, 1200};
        QCOMPARE(cents.size(), expected.size());
        for (int k = 0; k < expected.size(); ++k)
            QVERIFY2(std::fabs(cents[k] - expected[k]) < 1e-3, qPrintable(QString::number(cents[k])));
        QCOMPARE(t.arbre(), (QStringList{"1/1", "193.15686 D", "5/4 E", "696.57843 G", "889.73529 A", "2/1"}));
        QCOMPARE(t.d.liste().liste[2].frac, 1.25f);
        for (const char *nom : {"jouerListeButton", "melodieButton", "ajouterButton"})
            QVERIFY2(enfant<QPushButton>(&t.d, nom)->isEnabled(), nom);
        QCOMPARE(t.horsArbre->text(), QString());

        // Nothing to lose: the file is on the disk.
        t.cliquer("fermerButton");
        QVERIFY(boites.seen.isEmpty());
        QVERIFY(!t.d.isVisible());
    }

    // A refused file leaves the list, its header fields and the file label as they were, and
    // names the line at fault.
    void importRefuse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing count") << QByteArray("! x\nDescription\n") << QString::fromUtf8("Ligne 3 : le nombre de hauteurs manque");
        QTest::newRow("fewer pitches") << QByteArray("d\n3\n100.0\n2/1\n") << QString::fromUtf8("Ligne 2 : 3 hauteurs annoncées, 2 trouvées");
        QTest::newRow("zero denominator") << QByteArray("d\n1\n3/0 <b>x</b>\n") << QString::fromUtf8("Ligne 3 : le rapport 3/0 a un dénominateur nul");
        QTest::newRow("not a value") << QByteArray("d\n1\n<i>\n") << QString::fromUtf8("Ligne 3 : « &lt;i&gt; » n'est ni une valeur en cents ni un rapport");
    }
    void importRefuse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        Dialogue t;
        ModalBoxes boites;
        QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/liste_defaut.int")));
        const QString titre = t.titre->text(), auteur = t.auteur->text(), desc = t.description->toPlainText();
        const QString label = t.fichier->text();
        const QStringList arbre = t.arbre();
        t.importer(writeFile(dir.filePath(QStringLiteral("mauvais.scl")), bytes));
        QCOMPARE(boites.seen.size(), 1);
        QCOMPARE(boites.seen[0].title, QString::fromUtf8("Erreur à l'importation"));
        QCOMPARE(boites.seen[0].text, QString::fromUtf8("Le fichier <b>mauvais.scl</b> n'a pas été importé.<br/>") + reason);
        QCOMPARE(t.d.liste().liste.size(), 24);
        QCOMPARE(t.arbre(), arbre);
        QCOMPARE(t.titre->text(), titre);
        QCOMPARE(t.auteur->text(), auteur);
        QCOMPARE(t.description->toPlainText(), desc);
        QCOMPARE(t.fichier->text(), label);
    }

    // Above 1250 cents an interval stays in the list, is saved and exported, but the tree leaves
    // it out, and says so without moving anything.
    void horsDeLArbre()
    {
        QTemporaryDir dir;
        Dialogue t;
        ModalBoxes boites;
        t.d.resize(t.d.sizeHint());
        QTest::qWait(20);
        // The header row follows the file's name; the rest stays.
        QList<QWidget *> watched = {t.tree, t.horsArbre, t.description, enfant<QWidget>(&t.d, "listView"),
                                    enfant<QWidget>(&t.d, "intervalEdit"), enfant<QWidget>(&t.d, "fermerButton")};
        for (QGroupBox *g : t.d.findChildren<QGroupBox *>())
            watched << g;
        const auto place = [&] {
            QList<QRect> r;
            for (QWidget *w : watched)
                r << w->geometry();
            return r;
        };
        const QList<QRect> before = place();
        t.importer(writeFile(dir.filePath(QStringLiteral("bp.scl")), "Tritave\n4\n700.0\n3/1\n2/1\n2400.0\n"));
        QCOMPARE(t.d.liste().liste.size(), 5);
        QCOMPARE(t.arbre().size(), 3);
        QCOMPARE(t.horsArbre->text(), QString::fromUtf8("Au-delà de 1250 cents, absents de l'arbre : 2"));
        QVERIFY(t.horsArbre->isVisible());
        QTest::qWait(20);
        QCOMPARE(place(), before);

        t.saveAnswer = dir.filePath(QStringLiteral("bp"));
        t.cliquer("enregistrerButton");
        Dialogue u;
        QVERIFY(u.d.loadDom(dir.filePath(QStringLiteral("bp.int"))));
        QCOMPARE(u.d.liste().liste.size(), 5);
        QCOMPARE(u.horsArbre->text(), t.horsArbre->text());
        QVERIFY(u.d.exportFiles(dir.filePath(QStringLiteral("bp2.scl"))));
        QCOMPARE(ScalaFile::read(dir.filePath(QStringLiteral("bp2.scl"))).scale.intervals.size(), 5);

        t.cliquer("nouveauButton");
        QCOMPARE(t.horsArbre->text(), QString());
    }

    // A440 on key 69 puts degree 0 of the tempered scale at 261.626 Hz: Frequency 1.
    void importerUnClavier()
    {
        QTemporaryDir dir;
        Dialogue t;
        ModalBoxes boites;
        QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/temperament_egal_12.int")));
        const int size = t.d.liste().liste.size();
        t.importer(writeFile(dir.filePath(QStringLiteral("a440.KBM")), kMapping12));
        QVERIFY2(boites.seen.isEmpty(), qPrintable(boites.texts().join(QLatin1Char('\n'))));
        QCOMPARE(t.main.frequencies1.size(), 1);
        QVERIFY(std::fabs(t.main.frequencies1[0] - 261.6255653) < 1e-6);
        QCOMPARE(t.d.liste().liste.size(), size); // the list stays
    }

    void clavierRefuse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a field missing") << QByteArray("12\n0\n127\n60\n69\n") << QString::fromUtf8("Ligne 6 : la fréquence de référence manque");
        QTest::newRow("reference unmapped") << QByteArray("12\n0\n127\n60\n69\n440\n12\n0\n1\n2\n3\n4\n5\n6\n7\n8\nx\n")
                                            << QString::fromUtf8("la note 69 ne joue aucun degré de la gamme");
        QTest::newRow("too low") << QByteArray("12\n0\n127\n60\n60\n8.5\n12\n0\n")
                                 << QString::fromUtf8("la fréquence du degré 0, 8.5 Hz, sort de 10 … 15000 Hz");
        QTest::newRow("too high") << QByteArray("12\n0\n127\n60\n61\n20000\n12\n0\n1\n")
                                  << QString::fromUtf8("la fréquence du degré 0, 18877.5 Hz, sort de 10 … 15000 Hz");
    }
    void clavierRefuse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        Dialogue t;
        ModalBoxes boites;
        QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/temperament_egal_12.int")));
        t.importer(writeFile(dir.filePath(QStringLiteral("m.kbm")), bytes));
        QCOMPARE(boites.seen.size(), 1);
        QCOMPARE(boites.seen[0].title, QString::fromUtf8("Erreur à l'importation"));
        QCOMPARE(boites.seen[0].text, QString::fromUtf8("Le fichier <b>m.kbm</b> n'a pas été importé.<br/>") + reason);
        QVERIFY(t.main.frequencies1.isEmpty());
        QCOMPARE(t.d.liste().liste.size(), 13);
    }

    // The scale and its mapping at Frequency 1, imported again unchanged.
    void exporter()
    {
        QTemporaryDir dir;
        Dialogue t;
        ModalBoxes boites;
        QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/liste_defaut.int")));
        t.main.f1 = 261.6256f;
        t.saveAnswer = dir.filePath(QStringLiteral("usuels"));
        t.cliquer("exporterButton");
        QCOMPARE(t.prompts, QStringList{QStringLiteral("Exporter au format Scala|./interval_lists/|*.scl")});
        QVERIFY2(boites.seen.isEmpty(), qPrintable(boites.texts().join(QLatin1Char('\n'))));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"usuels.kbm", "usuels.scl"}));
        QVERIFY(readBytes(dir.filePath(QStringLiteral("usuels.scl"))).startsWith("! usuels.scl\n"));

        const KeyboardMapping::ReadResult m = KeyboardMapping::read(dir.filePath(QStringLiteral("usuels.kbm")));
        QVERIFY2(m.ok, qPrintable(m.error));
        QCOMPARE(m.mapping.mapSize, 23);
        QCOMPARE(m.mapping.octaveDegree, 23);
        QCOMPARE(m.mapping.middleNote, 60);
        QVERIFY(std::fabs(m.mapping.referenceFrequency - 261.6256) < 1e-4);

        Dialogue u;
        QVERIFY(u.d.importScale(dir.filePath(QStringLiteral("usuels.scl"))));
        QCOMPARE(u.titre->text(), t.titre->text());
        QCOMPARE(u.description->toPlainText(), t.description->toPlainText());
        QCOMPARE(u.cents().size(), t.cents().size());
        for (int k = 0; k < t.cents().size(); ++k)
            QVERIFY(std::fabs(u.cents()[k] - t.cents()[k]) <= 0.001f);
        // The pitches keep their names after their values.
        QCOMPARE(u.d.liste().liste[14].desc, QStringLiteral("3/2 Quinte juste (3/2)"));
        QCOMPARE(u.d.liste().liste[13].desc, QStringLiteral("700.000000 Quinte tempérée"));

        // "scale.SCL" keeps its extension; its mapping goes beside it.
        t.saveAnswer = dir.filePath(QStringLiteral("Grand.SCL"));
        t.cliquer("exporterButton");
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Grand.SCL"))));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Grand.kbm"))));
        // Cancelled: nothing.
        t.saveAnswer.clear();
        t.cliquer("exporterButton");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
    }

    // A failed export says which file and why, and leaves the old one as it was.
    void exportRate()
    {
        QTemporaryDir dir;
        const QByteArray old = "! ancien\nAncien\n1\n2/1\n";
        const QString scl = writeFile(dir.filePath(QStringLiteral("ancien.scl")), old);
        Dialogue t;
        ModalBoxes boites;
        QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/temperament_egal_31.int")));
        t.saveAnswer = scl;
        {
            zibtest::FileSizeLimit limit(512);
            t.cliquer("exporterButton");
        }
        QCOMPARE(boites.seen.size(), 1);
        QCOMPARE(boites.seen[0].name, QStringLiteral("erreurExport"));
        QCOMPARE(boites.seen[0].title, QStringLiteral("Erreur"));
        QVERIFY2(boites.seen[0].text.startsWith(QString::fromUtf8("Le fichier ") + scl + QString::fromUtf8(" n'a pas pu être écrit : ")),
                 qPrintable(boites.seen[0].text));
        QCOMPARE(readBytes(scl), old);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("ancien.kbm"))));

        // Frequency 1 that is no frequency: nothing written.
        t.main.f1 = 0;
        t.saveAnswer = dir.filePath(QStringLiteral("rien"));
        t.cliquer("exporterButton");
        QCOMPARE(boites.seen.size(), 2);
        QCOMPARE(boites.seen[1].text, QString::fromUtf8("Fréquence 1 n'est pas une fréquence : rien n'a été exporté."));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("rien.scl"))));
    }

    // Exporter… and the chart's CSV on a full disk and into a folder that cannot be written: the
    // old file stays byte for byte, nothing is left beside it, the user is told.
    void exportsRates_data() { zibtest::addFailedWriteRows(); }
    void exportsRates()
    {
        QFETCH(bool, large);
        QTemporaryDir source;
        QString list = QStringLiteral("interval_lists/pythagoricien.int");
        if (large) {
            // Beyond 64 KiB in the scale and in the chart: 1100 intervals with long descriptions.
            IntervalListFile::Contents many;
            many.title = QStringLiteral("grande");
            for (int k = 0; k < 1100; ++k)
                many.intervals << Interval{float(k), float(std::exp2(k / 1200.0)), QString(60, QLatin1Char('x'))};
            list = source.filePath(QStringLiteral("grande.int"));
            QString error;
            QVERIFY2(IntervalListFile::write(list, many, &error), qPrintable(error));
        }
        Dialogue t;
        ModalBoxes boites;
        QVERIFY(t.d.loadDom(list));
        const auto clickSaves = [&](const char *button, const char *errorBox) {
            return [&t, &boites, button, errorBox](const QString &path) {
                boites.seen.clear();
                t.saveAnswer = path;
                t.cliquer(button);
                for (const auto &seen : boites.seen)
                    if (seen.name == QLatin1String(errorBox))
                        return false;
                return boites.seen.isEmpty();
            };
        };
        zibtest::checkFailedWrite(QStringLiteral("gamme.scl"), clickSaves("exporterButton", "erreurExport"));
        if (QTest::currentTestFailed())
            return;

        t.cliquer("tableauButton");
        TemperamentChartDlg *chart = t.tableau();
        QVERIFY(chart);
        chart->setSavePrompt([&t](QWidget *, const QString &, const QString &, const QString &) { return t.saveAnswer; });
        zibtest::checkFailedWrite(QStringLiteral("tableau.csv"), [&](const QString &path) {
            boites.seen.clear();
            t.saveAnswer = path;
            QTest::mouseClick(enfant<QPushButton>(chart, "csvButton"), Qt::LeftButton);
            return boites.seen.isEmpty();
        });
    }

    // The scale written but not its mapping (a folder stands where the .kbm would go): the user
    // is told that only the mapping is missing.
    void clavierRate()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("gamme.kbm")));
        Dialogue t;
        ModalBoxes boites;
        QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/pythagoricien.int")));
        t.saveAnswer = dir.filePath(QStringLiteral("gamme.scl"));
        t.cliquer("exporterButton");
        QCOMPARE(boites.seen.size(), 1);
        QCOMPARE(boites.seen[0].name, QStringLiteral("erreurExport"));
        QVERIFY2(boites.seen[0].text.startsWith(QString::fromUtf8("La gamme est écrite, mais le fichier ") +
                                                dir.filePath(QStringLiteral("gamme.kbm")) +
                                                QString::fromUtf8(" n'a pas pu être écrit : ")),
                 qPrintable(boites.seen[0].text));
        QVERIFY(ScalaFile::read(t.saveAnswer).ok);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("gamme.kbm"))).isDir());
    }

    // The chart of the list at Frequency 1; it follows the list while it is open, and Actualiser
    // reads Frequency 1 again.
    void tableau()
    {
        Dialogue t;
        ModalBoxes boites;
        QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/temperament_egal_12.int")));
        QVERIFY(!t.tableau());
        t.cliquer("tableauButton");
        TemperamentChartDlg *chart = t.tableau();
        QVERIFY(chart && chart->isVisible() && !chart->isModal());
        QCOMPARE(chart->windowTitle(), QStringLiteral("ZIB - Tableau de justesse"));
        auto *table = enfant<QTableWidget>(chart, "tableau");
        QCOMPARE(table->rowCount(), 12);
        QCOMPARE(table->columnCount(), 7);
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Quinte 3/2"));
        QCOMPARE(table->horizontalHeaderItem(3)->text(), QStringLiteral("Tierce majeure 5/4"));
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Do\n0.00 c\n440.00 Hz"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Sol\n-1.96 c\n1.49 Hz"));
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("Mi\n13.69 c\n17.46 Hz"));
        QCOMPARE(enfant<QLabel>(chart, "frequenceLabel")->text(), QStringLiteral("Fréquence 1 : 440 Hz"));
        // From green (pure) towards red (25 cents and more).
        const int fifthHue = table->item(0, 1)->background().color().hsvHue();
        const int thirdHue = table->item(0, 3)->background().color().hsvHue();
        QVERIFY2(fifthHue > 100 && fifthHue <= 120, qPrintable(QString::number(fifthHue)));
        QVERIFY2(thirdHue > 40 && thirdHue < 70, qPrintable(QString::number(thirdHue)));

        // Another list: the chart follows.
        QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/mesotonique_quart_comma.int")));
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("Mi\n0.00 c\n0.00 Hz"));
        QVERIFY(table->item(0, 3)->background().color().hsvHue() >= 119);
        QCOMPARE(table->item(8, 1)->text().section(QLatin1Char('\n'), 0, 1), QString::fromUtf8("Mi♭\n35.68 c"));
        QCOMPARE(table->item(8, 1)->background().color().hsvHue(), 0);
        // Frequency 1 changed in the main window: read again on Actualiser.
        t.main.f1 = 220;
        QTest::mouseClick(enfant<QPushButton>(chart, "actualiserButton"), Qt::LeftButton);
        QCOMPARE(enfant<QLabel>(chart, "frequenceLabel")->text(), QStringLiteral("Fréquence 1 : 220 Hz"));
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Do\n0.00 c\n220.00 Hz"));

        // Closing the list dialog closes its chart.
        t.cliquer("fermerButton");
        QVERIFY(!chart->isVisible());
        QVERIFY(boites.seen.isEmpty());
    }

    void copierEtEnregistrer()
    {
        QTemporaryDir dir;
        Dialogue t;
        ModalBoxes boites;
        QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/temperament_egal_12.int")));
        t.cliquer("tableauButton");
        TemperamentChartDlg *chart = t.tableau();
        QApplication::clipboard()->clear();
        QTest::mouseClick(enfant<QPushButton>(chart, "copierButton"), Qt::LeftButton);
        const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(copied.size(), 14);
        QVERIFY2(copied[1].startsWith(QStringLiteral("Do\t0.000\t440.000\tSol\t-1.96\t1.49\t")), qPrintable(copied[1]));

        QString answer = dir.filePath(QStringLiteral("egal"));
        QStringList prompts;
        chart->setSavePrompt([&](QWidget *, const QString &caption, const QString &folder, const QString &filter) {
            prompts << caption + QLatin1Char('|') + folder + QLatin1Char('|') + filter;
            return answer;
        });
        QTest::mouseClick(enfant<QPushButton>(chart, "csvButton"), Qt::LeftButton);
        QCOMPARE(prompts, QStringList{QStringLiteral("Enregistrer le tableau|./|*.csv")});
        const QByteArray csv = readBytes(dir.filePath(QStringLiteral("egal.csv")));
        QVERIFY(csv.startsWith("\xEF\xBB\xBF" "Degr\xC3\xA9,Cents,"));
        QVERIFY(csv.contains("\nDo,0.000,440.000,Sol,-1.96,1.49,"));
        QVERIFY(boites.seen.isEmpty());

        // A failed save leaves the old file and says why.
        {
            zibtest::FileSizeLimit limit(256);
            QTest::mouseClick(enfant<QPushButton>(chart, "csvButton"), Qt::LeftButton);
        }
        QCOMPARE(boites.seen.size(), 1);
        QCOMPARE(boites.seen[0].name, QStringLiteral("erreurCsv"));
        QVERIFY(boites.seen[0].text.startsWith(QString::fromUtf8("Le fichier ") + dir.filePath(QStringLiteral("egal.csv"))));
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("egal.csv"))), csv);
    }

    // The chart's texts, cells and headings whole from 9 to 12 points, with the longest
    // descriptions of the shipped lists; the list dialog's with its new controls.
    void textesEntiers_data()
    {
        zibtest::addFontSizeRows();
    }
    void textesEntiers()
    {
        QFETCH(int, points);
        const zibtest::ApplicationFontSize fontSize(points);
        {
            Dialogue t;
            ModalBoxes boites;
            QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/liste_defaut.int")));
            t.main.f1 = 14999.9f;
            t.cliquer("tableauButton");
            TemperamentChartDlg *chart = t.tableau();
            QTest::qWait(20);
            QStringList cut = zibtest::cutTexts(chart);
            auto *table = enfant<QTableWidget>(chart, "tableau");
            const QFontMetrics fm(table->font());
            for (int r = 0; r < table->rowCount(); ++r) {
                for (int c = 0; c < table->columnCount(); ++c) {
                    const QStringList lines = table->item(r, c)->text().split(QLatin1Char('\n'));
                    int widest = 0;
                    for (const QString &line : lines)
                        widest = std::max(widest, fm.horizontalAdvance(line));
                    if (widest + 6 > table->columnWidth(c) || lines.size() * fm.lineSpacing() > table->rowHeight(r))
                        cut << QStringLiteral("cell %1,%2: %3").arg(r).arg(c).arg(table->item(r, c)->text());
                }
            }
            const QFontMetrics header(table->horizontalHeader()->font());
            for (int c = 0; c < table->columnCount(); ++c) {
                if (header.horizontalAdvance(table->horizontalHeaderItem(c)->text()) + 6 > table->columnWidth(c))
                    cut << table->horizontalHeaderItem(c)->text();
            }
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));

            // The list dialog with the widest text of its new label.
            enfant<QLabel>(&t.d, "horsArbreLabel")->setText(IntervDlgUi::outsideTreeText(ScalaFile::kMaxPitches));
            // At the size it opens at on a desktop, and at the smallest a user can drag it to.
            for (const QSize &size : {t.d.sizeHint().boundedTo(t.d.maximumSize()), t.d.minimumSize()}) {
                t.d.resize(size);
                QTest::qWait(20);
                const QString at = QStringLiteral("%1x%2").arg(t.d.width()).arg(t.d.height());
                QVERIFY2(t.d.width() <= 900 && t.d.height() <= 850, qPrintable(at));
                QStringList dialogCut;
                for (const QString &why : zibtest::cutTexts(&t.d)) {
                    // The user's own title and author scroll in their fields.
                    if (!why.startsWith(QLatin1String("titreEdit")) && !why.startsWith(QLatin1String("auteurEdit")))
                        dialogCut << why;
                }
                QVERIFY2(dialogCut.isEmpty(), qPrintable(at + QLatin1Char('\n') + dialogCut.join(QLatin1Char('\n'))));
            }
        }
    }
};

QTEST_MAIN(TestIntervDlgScala)
#include "tst_intervdlgscala.moc"
