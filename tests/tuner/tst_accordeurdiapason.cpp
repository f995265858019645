// The tuners the main window opens: a new one on every press of "Accordeur", all kept open, and
// only the latest one follows Frequency 2.

#include "app/Diapason.h"
#include "tests/support/Enfant.h"
#include "app/MusicalNote.h"
#include "tuner/AccordeurDlg.h"
#include "tuner/Analyseur.h"

#include <QtTest>

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>

namespace {

struct Fenetre
{
    Diapason w;
    QPushButton *accordeur = enfant<QPushButton>(&w, "accordeurButton");
    QLineEdit *freq1 = enfant<QLineEdit>(&w, "freq1Edit");
    QLineEdit *decimal = enfant<QLineEdit>(&w, "decimalEdit");

    Fenetre() { w.show(); }

    /// Presses "Accordeur" and returns the tuner it opened.
    AccordeurDlg *ouvrir()
    {
        const QList<AccordeurDlg *> avant = w.findChildren<AccordeurDlg *>();
        QTest::mouseClick(accordeur, Qt::LeftButton);
        for (AccordeurDlg *d : w.findChildren<AccordeurDlg *>()) {
            if (!avant.contains(d))
                return d;
        }
        return nullptr;
    }

    /// Replaces a field's text as one edit.
    static void coller(QLineEdit *champ, const QString &texte)
    {
        QGuiApplication::clipboard()->setText(texte);
        champ->setFocus();
        champ->selectAll();
        QTest::keyClick(champ, Qt::Key_V, Qt::ControlModifier);
    }
};

QString cible(AccordeurDlg *d)
{
    return enfant<QLabel>(d, "labelCible")->text();
}

} // namespace

class TestAccordeurDiapason : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void unNouvelAccordeurParPression();
    void seulLeDernierSuitFrequence2();
    void accordeurFermeOublie();
    void memeNoteQueLaFenetre();
};

void TestAccordeurDiapason::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestAccordeurDiapason::unNouvelAccordeurParPression()
{
    Fenetre f;
    AccordeurDlg *premier = f.ouvrir();
    QVERIFY(premier);
    AccordeurDlg *second = f.ouvrir();
    QVERIFY(second);
    QVERIFY(premier != second);
    QVERIFY(premier->isVisible());
    QVERIFY(second->isVisible());
    QVERIFY(!second->isModal());
    QVERIFY(!second->isSizeGripEnabled());
    QCOMPARE(second->parent(), &f.w);
    QCOMPARE(second->windowTitle(), QStringLiteral("ZIB 0.10 - Accordeur"));
    // The target is Frequency 2: La 4 at 440 Hz, with the resolution at that target.
    QCOMPARE(cible(second), utf8("La♮4\n440"));
    QCOMPARE(cible(premier), utf8("La♮4\n440"));
    QCOMPARE(enfant<QLabel>(second, "labelResolution")->text().isEmpty(), false);
    QVERIFY(enfant<QLabel>(second, "labelResolution")->text() != QStringLiteral("0.0"));
}

// Frequency 2 = Frequency 1 × the decimal ratio; each change renames the target of the latest tuner.
void TestAccordeurDiapason::seulLeDernierSuitFrequence2()
{
    Fenetre f;
    AccordeurDlg *premier = f.ouvrir();
    AccordeurDlg *second = f.ouvrir();
    Fenetre::coller(f.freq1, QStringLiteral("445"));
    QCOMPARE(cible(second), utf8("La♮4+20\n445"));
    QCOMPARE(cible(premier), utf8("La♮4\n440"));

    Fenetre::coller(f.decimal, QStringLiteral("1.5"));
    QCOMPARE(cible(second), utf8("Mi♮5+22\n667.5"));
    QCOMPARE(cible(premier), utf8("La♮4\n440"));

    // The deviation of a detection follows the new target at once: 441 against 667.5 Hz is
    // 1200·log2(441/667.5) = −717.6 cents, one octave down and +482.4.
    second->analyseur()->freq = 441.0f;
    emit second->analyseur()->analysee();
    QCOMPARE(enfant<QLabel>(second, "labelEcart")->text(), QStringLiteral("-1 oct+482.4"));
}

// A closed tuner is deleted; Frequency 2 changes afterwards touch none (AddressSanitizer would
// see it), and the next press opens a fresh one that follows.
void TestAccordeurDiapason::accordeurFermeOublie()
{
    Fenetre f;
    AccordeurDlg *premier = f.ouvrir();
    QPointer<AccordeurDlg> second = f.ouvrir();
    second->close();
    QTRY_VERIFY(second.isNull());
    Fenetre::coller(f.freq1, QStringLiteral("445"));
    QCOMPARE(cible(premier), utf8("La♮4\n440"));
    AccordeurDlg *troisieme = f.ouvrir();
    QCOMPARE(cible(troisieme), utf8("La♮4+20\n445"));
    Fenetre::coller(f.freq1, QStringLiteral("440"));
    QCOMPARE(cible(troisieme), utf8("La♮4\n440"));
}

// The tuner reads the window's own note: no copy.
void TestAccordeurDiapason::memeNoteQueLaFenetre()
{
    Fenetre f;
    AccordeurDlg *d = f.ouvrir();
    f.w.targetNote()->freq = 880.0f;
    f.w.targetNote()->setNote();
    d->afficheCible();
    QCOMPARE(cible(d), utf8("La♮5\n880"));
}

QTEST_MAIN(TestAccordeurDiapason)
#include "tst_accordeurdiapason.moc"
