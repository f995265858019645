// The main window opens a new melody editor on a list each time it is asked, as a non-modal
// child of the window that asks; a closed editor goes with its render.

#include "MelodyTest.h"

#include "app/Diapason.h"
#include "melody/MelodyDlg.h"

#include <QtTest>

#include <QGroupBox>
#include <QPointer>
#include <QPushButton>

class TestMelodyOpen : public QObject
{
    Q_OBJECT

private slots:
    void newEditorEachTime()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        Diapason w;
        QDialog parent(&w);
        const ListInterv list = defaultList();
        w.openMelodyEditor(&parent, list);
        w.openMelodyEditor(&parent, steps(5, QStringLiteral("Pentatonique")));
        const QList<MelodyDlg *> editors = parent.findChildren<MelodyDlg *>();
        QCOMPARE(editors.size(), 2);
        for (MelodyDlg *e : editors) {
            QVERIFY(e->isVisible());
            QVERIFY(!e->isModal());
            QCOMPARE(e->windowTitle(), QString::fromUtf8("ZIB 0.10 - Synthèse d'une mélodie"));
        }
        QCOMPARE(editors[0]->nbDeg(), 24);
        QCOMPARE(editors[1]->nbDeg(), 5);
        QCOMPARE(enfant<QGroupBox>(editors[1], "intervallesGroup")->title(),
                 QStringLiteral("Intervalles : Pentatonique"));

        QPointer<MelodyDlg> first = editors[0];
        first->close();
        QTRY_VERIFY(first.isNull());
        QCOMPARE(parent.findChildren<MelodyDlg *>().size(), 1);
    }

    // From the running main window: "Liste", then the interval list dialog's "Mélodie", opens an
    // editor on the default list, a child of that dialog.
    void fromTheIntervalListDialog()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        Diapason w;
        w.show();
        QTest::mouseClick(enfant<QPushButton>(&w, "listeButton"), Qt::LeftButton);
        auto *intervals = enfant<QDialog>(&w, "intervDlg");
        QTRY_VERIFY(intervals->isVisible());
        auto *melody = enfant<QPushButton>(intervals, "melodieButton");
        QVERIFY(melody->isEnabled());
        QTest::mouseClick(melody, Qt::LeftButton);
        const QList<MelodyDlg *> editors = intervals->findChildren<MelodyDlg *>();
        QCOMPARE(editors.size(), 1);
        QVERIFY(editors[0]->isVisible());
        QCOMPARE(editors[0]->windowTitle(), QString::fromUtf8("ZIB 0.10 - Synthèse d'une mélodie"));
        QCOMPARE(editors[0]->nbDeg(), 24);
        QCOMPARE(editors[0]->degres.at(14).frac, 1.5f);
    }
};

QTEST_MAIN(TestMelodyOpen)
#include "tst_melodyopen.moc"
