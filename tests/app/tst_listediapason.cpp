// The main window and its interval list dialog: "Liste" opens one on the default list, a click
// on an interval in its tree drives the interval fields and Frequency 2, the interval typed in
// the main window goes into the dialog's field, and a closed dialog gives way to a new one.

#include "app/Diapason.h"
#include "intervals/IntervDlg.h"
#include "FenetreTest.h"

#include <QtTest>
#include <QLineEdit>
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
