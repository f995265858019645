// The main window and its interval list dialog: "Liste" opens one on the default list, a click
// on an interval in its tree drives the interval fields and Frequency 2, the interval typed in
// the main window goes into the dialog's field, a closed dialog gives way to a new one, and a
// keyboard mapping imported there sets Frequency 1 as if it had been typed.

#include "app/Diapason.h"
#include "intervals/IntervDlg.h"
#include "FenetreTest.h"

#include <QtTest>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>

namespace {

struct Fenetre
{
    Diapason w;

    Fenetre() { w.show(); }

    QLineEdit *champ(const char *nom) { return enfant<QLineEdit>(&w, nom); }
    QList<IntervDlg *> dialogues() { return w.findChildren<IntervDlg *>(); }
    IntervDlg *ouvrir()
    {
        QTest::mouseClick(enfant<QPushButton>(&w, "listeButton"), Qt::LeftButton);
        IntervDlg *d = w.findChild<IntervDlg *>(QStringLiteral("intervDlg"));
        for (IntervDlg *x : dialogues())
            if (x->isVisible())
                d = x;
        return d;
    }
    /// Clicks the item of row r under category k of the dialog's tree.
    void cliquer(IntervDlg *d, int k, int r)
    {
        QTreeView *tree = d->treeView();
        tree->expandAll();
        const QModelIndex c = tree->model()->index(k, 0);
        const QModelIndex index = r < 0 ? c : tree->model()->index(r, 0, c);
        tree->scrollTo(index);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
    }
};

} // namespace

class TestListeDiapason : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    void ouvreLaListeParDefaut()
    {
        Fenetre f;
        QVERIFY(!f.w.intervalList());
        QTest::keyClicks(f.champ("unitesEdit"), QStringLiteral("12"));
        IntervDlg *d = f.ouvrir();
        QVERIFY(d && d->isVisible() && !d->isModal());
        QCOMPARE(d->windowTitle(), QString::fromUtf8("ZIB - Edition de liste d'intervalles"));
        QCOMPARE(d->liste().liste.size(), 24);
        QCOMPARE(f.w.intervalList(), &d->liste());
        QCOMPARE(enfant<QLineEdit>(d, "intervalEdit")->text(), QStringLiteral("012"));
        for (const char *nom : {"jouerListeButton", "melodieButton", "ajouterButton"})
            QVERIFY2(enfant<QPushButton>(d, nom)->isEnabled(), nom);

        // A second press while it is open leaves one dialog.
        f.ouvrir();
        QCOMPARE(f.dialogues().size(), 1);
    }

    // The just fifth, position 14, is row 1 of "Sol-La [700;900[" (category 4).
    void clicDansLArbre()
    {
        Fenetre f;
        IntervDlg *d = f.ouvrir();
        const QString avant = f.champ("freq2Edit")->text();
        f.cliquer(d, 4, -1); // a category changes nothing
        QCOMPARE(f.champ("freq2Edit")->text(), avant);
        QCOMPARE(f.champ("decimalEdit")->text(), QStringLiteral("1"));

        f.cliquer(d, 4, 1);
        QCOMPARE(f.champ("unitesEdit")->text(), QStringLiteral("701.955"));
        QCOMPARE(f.champ("decimalEdit")->text(), QStringLiteral("1.5"));
        QCOMPARE(f.champ("fractionEdit")->text(), QStringLiteral("3/2"));
        QVERIFY2(f.champ("freq2Edit")->text().startsWith(QStringLiteral("660:")), qPrintable(f.champ("freq2Edit")->text()));
        QCOMPARE(enfant<QLineEdit>(d, "intervalEdit")->text(), QStringLiteral("701.955"));
        QVERIFY(enfant<QPushButton>(d, "supprimerButton")->isEnabled());

        f.cliquer(d, 4, 0); // the tempered fifth
        QCOMPARE(f.champ("decimalEdit")->text(), QStringLiteral("1.49831"));
        QVERIFY2(f.champ("freq2Edit")->text().startsWith(QStringLiteral("659.3:")), qPrintable(f.champ("freq2Edit")->text()));
    }

    void leChampDuDialogueSuit()
    {
        Fenetre f;
        IntervDlg *d = f.ouvrir();
        QLineEdit *cents = enfant<QLineEdit>(d, "intervalEdit");
        f.champ("unitesEdit")->clear();
        QTest::keyClicks(f.champ("unitesEdit"), QStringLiteral("702"));
        QCOMPARE(cents->text(), QStringLiteral("702"));
        f.champ("decimalEdit")->clear();
        QTest::keyClicks(f.champ("decimalEdit"), QStringLiteral("1.25"));
        QCOMPARE(cents->text(), QStringLiteral("386.314"));
        QLineEdit *fraction = f.champ("fractionEdit");
        fraction->selectAll();
        QTest::keyClicks(fraction, QStringLiteral("4/3"));
        QCOMPARE(cents->text(), f.champ("unitesEdit")->text());
        QCOMPARE(cents->text(), QStringLiteral("498.045"));
    }

    // Closed, it only hides; the next press opens a new one on the default list again.
    // Frequency 1 set from outside recomputes as a typed one: Frequency 2, the note, the octave.
    void frequence1Posee()
    {
        Fenetre f;
        QTest::keyClicks(f.champ("decimalEdit"), QStringLiteral(".5"));
        f.w.setFrequency1(261.6255653);
        QCOMPARE(f.champ("freq1Edit")->text(), QStringLiteral("261.626"));
        QCOMPARE(f.w.frequency1(), 261.626f);
        QVERIFY2(f.champ("freq2Edit")->text().startsWith(QStringLiteral("392.4:")), qPrintable(f.champ("freq2Edit")->text()));
        QCOMPARE(enfant<QButtonGroup>(&f.w, "notesGroup")->checkedId(), 1); // Do
        QCOMPARE(enfant<QSpinBox>(&f.w, "octaveSpin")->value(), 4);
        QCOMPARE(enfant<QLabel>(&f.w, "statusLabel")->text(), QString());

        // Refused as a typed 5 Hz is: shown, reported, nothing recomputed.
        f.w.setFrequency1(5);
        QCOMPARE(f.champ("freq1Edit")->text(), QStringLiteral("5"));
        QVERIFY(enfant<QLabel>(&f.w, "statusLabel")->text().contains(QString::fromUtf8("Fréquence non permise")));
        QVERIFY(f.champ("freq2Edit")->text().startsWith(QStringLiteral("392.4:")));
    }

    // "Importer…" a mapping with A4 = 415 Hz on key 69: the tempered list's degree 0, C4, is
    // 246.76 Hz in the main window, a Si3 for its La 4 at 440 Hz.
    void clavierImporte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("baroque.kbm"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("! baroque.kbm\n12\n0\n127\n60\n69\n415.0\n12\n0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n");
        file.close();
        Fenetre f;
        IntervDlg *d = f.ouvrir();
        QVERIFY(d->loadDom(QStringLiteral("interval_lists/temperament_egal_12.int")));
        d->setOpenPrompt([&](QWidget *, const QString &, const QString &, const QString &) { return path; });
        QTest::mouseClick(enfant<QPushButton>(d, "importerButton"), Qt::LeftButton);
        QCOMPARE(f.champ("freq1Edit")->text(), QStringLiteral("246.76"));
        QVERIFY2(f.champ("freq2Edit")->text().startsWith(QStringLiteral("246.8:")), qPrintable(f.champ("freq2Edit")->text()));
        QCOMPARE(enfant<QButtonGroup>(&f.w, "notesGroup")->checkedId(), 7);
        QCOMPARE(enfant<QSpinBox>(&f.w, "octaveSpin")->value(), 3);

        // The list then plays over it: a click on the fifth, Sol, gives 369.7 Hz.
        f.cliquer(d, 4, 0);
        QVERIFY2(f.champ("freq2Edit")->text().startsWith(QStringLiteral("369.7:")), qPrintable(f.champ("freq2Edit")->text()));
    }

    void fermePuisRouvre()
    {
        Fenetre f;
        Messages messages(&f.w);
        IntervDlg *d = f.ouvrir();
        QTest::mouseClick(enfant<QPushButton>(d, "nouveauButton"), Qt::LeftButton);
        QCOMPARE(d->liste().liste.size(), 0);
        QTest::mouseClick(enfant<QPushButton>(d, "fermerButton"), Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QVERIFY(!f.w.intervalList());
        QPointer<IntervDlg> closed = d;
        IntervDlg *e = f.ouvrir();
        // The closed dialog, hidden, goes when the new one comes.
        QVERIFY(!closed);
        QVERIFY(e && e->isVisible());
        QCOMPARE(e->liste().liste.size(), 24);
        QCOMPARE(f.w.intervalList(), &e->liste());
    }
};

QTEST_MAIN(TestListeDiapason)
#include "tst_listediapason.moc"
