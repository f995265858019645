#ifndef EDITORTEST_H
#define EDITORTEST_H

// What the model editor's tests share: its controls by name, typing into its table as a user
// does, and its message boxes read and closed as they open.

#include "modal/MMod_Dom.h"
#include "tests/support/Enfant.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

/// Every message box shown by a window (modal or not), recorded as "title|text" and closed as soon
/// as it shows.
class MessageWatcher : public QObject
{
public:
    QStringList shown;

    explicit MessageWatcher(QWidget *window)
    {
        auto *timer = new QTimer(this);
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [this, window] {
            for (QMessageBox *box : window->findChildren<QMessageBox *>()) {
                if (box->isVisible()) {
                    shown << box->windowTitle() + QLatin1Char('|') + box->text();
                    box->done(QMessageBox::Ok);
                }
            }
        });
        timer->start();
    }

    /// Waits for the boxes that do not block to be shown.
    void settle() { QTest::qWait(30); }
};

/// One model editor and its controls.
struct Editor
{
    MMod_Dom d;
    QLabel *fileLabel = enfant<QLabel>(&d, "fichierLabel");
    QLineEdit *titleEdit = enfant<QLineEdit>(&d, "titreEdit");
    QLineEdit *authorEdit = enfant<QLineEdit>(&d, "auteurEdit");
    QLabel *modeCount = enfant<QLabel>(&d, "partielsLabel");
    QTextEdit *description = enfant<QTextEdit>(&d, "descEdit");
    QTableWidget *table = enfant<QTableWidget>(&d, "table");
    QPushButton *openButton = enfant<QPushButton>(&d, "ouvrirButton");
    QPushButton *addButton = enfant<QPushButton>(&d, "ajouterButton");
    QPushButton *removeButton = enfant<QPushButton>(&d, "supprimerButton");
    QPushButton *newButton = enfant<QPushButton>(&d, "nouveauButton");
    QPushButton *saveButton = enfant<QPushButton>(&d, "enregistrerButton");
    QCheckBox *dampingCheck = enfant<QCheckBox>(&d, "amortCheck");
    QPushButton *selectButton = enfant<QPushButton>(&d, "selectionnerButton");
    QComboBox *structure = enfant<QComboBox>(&d, "structureCombo");
    QLabel *picture = enfant<QLabel>(&d, "imageLabel");
    QLineEdit *modes = enfant<QLineEdit>(&d, "modesEdit");
    QLineEdit *point = enfant<QLineEdit>(&d, "pointEdit");
    QLineEdit *externalEdit = enfant<QLineEdit>(&d, "externeEdit");
    QLineEdit *hysteresisEdit = enfant<QLineEdit>(&d, "hysteresisEdit");
    QLineEdit *internalEdit = enfant<QLineEdit>(&d, "interneEdit");
    QPushButton *applyButton = enfant<QPushButton>(&d, "appliquerButton");
    QPushButton *createButton = enfant<QPushButton>(&d, "creerButton");
    MessageWatcher messages{&d};
    QString saveAnswer;
    QString openAnswer;
    int prompts = 0;

    explicit Editor(MainWindow *mainWindow = nullptr) : d(mainWindow)
    {
        d.setSavePrompt([this](QWidget *, const QString &, const QString &, const QString &) {
            ++prompts;
            return saveAnswer;
        });
        d.setOpenPrompt([this](QWidget *, const QString &, const QString &, const QString &) {
            ++prompts;
            return openAnswer;
        });
        d.show();
    }

    static void click(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton); }

    /// Types text, one key a character; accented letters as a keyboard layout that has them sends
    /// them (QTest's own keyClicks knows only ASCII).
    static void typeKeys(QWidget *w, const QString &text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(w, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    /// Replaces a field's text keystroke by keystroke.
    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        typeKeys(field, text);
    }

    /// "Créer" for a structure, a number of modes and a point typed into their fields.
    void create(int structureIndex, const QString &n, const QString &x)
    {
        structure->setCurrentIndex(structureIndex);
        type(modes, n);
        type(point, x);
        click(createButton);
    }

    /// Types text into a cell: select it, F2, the keys, Enter.
    void typeCell(int row, int column, const QString &text) { typeIntoCell(table, row, column, text); }

    /// The same in any table.
    static void typeIntoCell(QTableWidget *table, int row, int column, const QString &text)
    {
        // The editor of an earlier cell is deleted later: let it go first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        table->setFocus();
        table->setCurrentCell(row, column);
        QTest::keyClick(table->viewport(), Qt::Key_F2);
        QLineEdit *editor = nullptr;
        for (QLineEdit *e : table->viewport()->findChildren<QLineEdit *>())
            if (e->isVisible())
                editor = e;
        QVERIFY(editor);
        editor->selectAll();
        typeKeys(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = table->item(row, column);
        return item ? item->text() : QString();
    }
};

#endif
