// Every tool window opened and closed 200 times from the main window, as a user does it (the
// buttons, Escape, "Fermer"): afterwards the main window holds exactly the objects it held after
// the first time, class by class, and so does the application. Under LeakSanitizer (the sanitized
// run of scripts/test) nothing may leak either.

#include "app/Diapason.h"
#include "FenetreTest.h"

#include <QtTest>

#include <QApplication>
#include <QComboBox>
#include <QLoggingCategory>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

constexpr int kLoops = 200;

/// The objects under root (root excluded), by class name, and the widgets of the application.
QMap<QString, int> census(const QObject *root)
{
    QMap<QString, int> counts;
    for (const QObject *o : root->findChildren<QObject *>())
        ++counts[QString::fromLatin1(o->metaObject()->className())];
    counts[QStringLiteral("(application widgets)")] = QApplication::allWidgets().size();
    counts[QStringLiteral("(top-level widgets)")] = QApplication::topLevelWidgets().size();
    return counts;
}

QString differences(const QMap<QString, int> &before, const QMap<QString, int> &after)
{
    QStringList lines;
    QStringList names = before.keys() + after.keys();
    names.removeDuplicates();
    for (const QString &name : names) {
        if (before.value(name) != after.value(name))
            lines << QStringLiteral("%1: %2 -> %3").arg(name).arg(before.value(name)).arg(after.value(name));
    }
    return lines.join(QStringLiteral("; "));
}

/// The deferred deletions (closed windows with WA_DeleteOnClose, players) done.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

/// The visible window of that object name under root; null when there is none.
template <class T>
T *visibleWindow(QObject *root, const QString &name)
{
    for (T *w : root->findChildren<T *>(name))
        if (w->isVisible())
            return w;
    return nullptr;
}

} // namespace

class TestWindowLoops : public QObject
{
    Q_OBJECT

    Diapason *m_window = nullptr;

    void click(QWidget *parent, const char *name) { QTest::mouseClick(enfant<QPushButton>(parent, name), Qt::LeftButton); }

    /// Opens the window (tuner, interval list, model editor, melody editor), checks that it shows,
    /// and closes it as a user does.
    bool openAndClose(const QString &which)
    {
        if (which == QLatin1String("tuner")) {
            click(m_window, "accordeurButton");
            QDialog *d = visibleWindow<QDialog>(m_window, QStringLiteral("accordeur"));
            if (!d)
                return false;
            QTest::keyClick(d, Qt::Key_Escape);
        } else if (which == QLatin1String("interval list")) {
            click(m_window, "listeButton");
            QDialog *d = visibleWindow<QDialog>(m_window, QStringLiteral("intervDlg"));
            if (!d)
                return false;
            click(d, "fermerButton");
            if (d->isVisible())
                return false;
        } else if (which == QLatin1String("model editor")) {
            click(m_window, "parametresButton");
            QDialog *d = visibleWindow<QDialog>(m_window, QStringLiteral("modelEditor"));
            if (!d)
                return false;
            QTest::keyClick(d, Qt::Key_Escape);
            if (d->isVisible())
                return false;
        } else {
            // "Mélodie" in the interval list dialog, the dialog staying open.
            QDialog *list = visibleWindow<QDialog>(m_window, QStringLiteral("intervDlg"));
            if (!list)
                return false;
            click(list, "melodieButton");
            QDialog *melody = nullptr;
            for (QDialog *d : list->findChildren<QDialog *>())
                if (d->isVisible() && d->inherits("MelodyDlg"))
                    melody = d;
            if (!melody)
                return false;
            QTest::keyClick(melody, Qt::Key_Escape);
            if (melody->isVisible())
                return false;
        }
        settle();
        return true;
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    }

    void init()
    {
        m_window = new Diapason;
        m_window->show();
        // "Paramètres" is for the synthesis.
        enfant<QComboBox>(m_window, "formeCombo")->setCurrentIndex(5);
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
        settle();
    }

    // A melody editor left open when its interval list dialog closes dies with that dialog, so the
    // dialog is not deleted by the next "Liste" while the editor shows; it goes once it is closed.
    void melodyEditorOutlivesItsClosedList()
    {
        click(m_window, "listeButton");
        QPointer<QDialog> list = visibleWindow<QDialog>(m_window, QStringLiteral("intervDlg"));
        QVERIFY(list);
        click(list, "melodieButton");
        QPointer<QDialog> melody;
        for (QDialog *d : list->findChildren<QDialog *>())
            if (d->isVisible() && d->inherits("MelodyDlg"))
                melody = d;
        QVERIFY(melody);
        click(list, "fermerButton");
        QVERIFY(!list->isVisible());

        click(m_window, "listeButton");
        settle();
        QVERIFY(list);
        QVERIFY(melody && melody->isVisible());
        QCOMPARE(m_window->findChildren<QDialog *>(QStringLiteral("intervDlg"), Qt::FindDirectChildrenOnly).size(), 2);
        // Still usable: "Nouveau" empties its notes.
        click(melody, "nouveauButton");

        QTest::keyClick(melody, Qt::Key_Escape);
        settle();
        QVERIFY(!melody);
        click(visibleWindow<QDialog>(m_window, QStringLiteral("intervDlg")), "fermerButton");
        click(m_window, "listeButton");
        QVERIFY(!list);
        QCOMPARE(m_window->findChildren<QDialog *>(QStringLiteral("intervDlg"), Qt::FindDirectChildrenOnly).size(), 1);
    }

    // The model a closed editor selected stays the main window's when a new editor replaces that
    // one: "synthèse" still renders with it (a bank deleted with its editor would be read freed).
    void selectedModelOutlivesItsEditor()
    {
        click(m_window, "parametresButton");
        QPointer<QDialog> editor = visibleWindow<QDialog>(m_window, QStringLiteral("modelEditor"));
        QVERIFY(editor);
        click(editor, "creerButton");
        click(editor, "selectionnerButton");
        QVERIFY(m_window->modele());
        QTest::keyClick(editor, Qt::Key_Escape);
        click(m_window, "parametresButton");
        settle();
        QVERIFY(!editor);
        QTest::keyClick(visibleWindow<QDialog>(m_window, QStringLiteral("modelEditor")), Qt::Key_Escape);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("modele.wav"));
        m_window->setSavePrompt([&path](QWidget *, const QString &, const QString &, const QString &) { return path; });
        Messages messages(m_window);
        click(m_window, "sauv1Button");
        QVERIFY2(QFileInfo(path).size() > 44100, qPrintable(messages.textes.join(QLatin1Char('|'))));
    }

    void openAndClose_data()
    {
        QTest::addColumn<QString>("which");
        // "Accordeur", "Liste", "Paramètres", and "Mélodie" in the interval list dialog.
        for (const char *which : {"tuner", "interval list", "model editor", "melody editor"})
            QTest::newRow(which) << QString::fromLatin1(which);
    }

    void openAndClose()
    {
        QFETCH(QString, which);
        if (which == QLatin1String("melody editor"))
            click(m_window, "listeButton");
        QVERIFY(openAndClose(which));
        const QMap<QString, int> first = census(m_window);
        for (int i = 1; i < kLoops; ++i)
            QVERIFY2(openAndClose(which), qPrintable(QStringLiteral("time %1").arg(i + 1)));
        const QMap<QString, int> last = census(m_window);
        QVERIFY2(first == last, qPrintable(differences(first, last)));
    }
};

QTEST_MAIN(TestWindowLoops)
#include "tst_windowloops.moc"
