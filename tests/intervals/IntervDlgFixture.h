#ifndef INTERVDLGFIXTURE_H
#define INTERVDLGFIXTURE_H

// What the tests of the interval list dialog share: files written and read whole, and the dialog
// on a fake main window with its controls and its file prompts answered by the test.

#include "intervals/IntervDlg.h"
#include "tests/support/Enfant.h"
#include "tests/support/FakeMainWindow.h"

#include <QtTest>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QTreeView>

inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

/// A dialog on a fake main window, shown, and the controls every test reads. Each file prompt
/// records its caption, folder and filter in `prompts` and answers saveAnswer or openAnswer.
struct IntervDlgFixture
{
    FakeMainWindow main;
    IntervDlg d{&main};
    QLineEdit *titre = enfant<QLineEdit>(&d, "titreEdit");
    QLineEdit *auteur = enfant<QLineEdit>(&d, "auteurEdit");
    QTextEdit *description = enfant<QTextEdit>(&d, "descriptionEdit");
    QLabel *fichier = enfant<QLabel>(&d, "fichierLabel");
    QTreeView *tree = enfant<QTreeView>(&d, "treeView");
    QString saveAnswer;
    QString openAnswer;
    QStringList prompts;

    IntervDlgFixture()
    {
        d.setSavePrompt([this](QWidget *, const QString &caption, const QString &folder, const QString &filter) {
            prompts << caption + QLatin1Char('|') + folder + QLatin1Char('|') + filter;
            return saveAnswer;
        });
        d.setOpenPrompt([this](QWidget *, const QString &caption, const QString &folder, const QString &filter) {
            prompts << caption + QLatin1Char('|') + folder + QLatin1Char('|') + filter;
            return openAnswer;
        });
        d.show();
    }

    QPushButton *bouton(const char *nom) { return enfant<QPushButton>(&d, nom); }
    void cliquer(const char *nom) { QTest::mouseClick(bouton(nom), Qt::LeftButton); }
    QStandardItemModel *modele() { return qobject_cast<QStandardItemModel *>(tree->model()); }
};

#endif
