// Takes the screenshots of the README and of the metainfo: each window of the program as a user
// first opens it, in the program's own run folder. Run it through scripts/screenshots, which
// starts it on a virtual X display:
//     scripts/screenshots            (writes screenshots/*.png)

#include "app/Catalogues.h"
#include "app/Diapason.h"
#include "melody/MelodyDlg.h"
#include "modal/MMod_Dom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTimer>

namespace {

/// Lets the windows show and paint.
void settle(int ms = 300)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QDialog *newestDialog(QWidget *parent, const char *className)
{
    QDialog *found = nullptr;
    for (QDialog *d : parent->findChildren<QDialog *>()) {
        if (d->inherits(className) && d->isVisible())
            found = d;
    }
    return found;
}

bool save(QWidget *window, const QString &folder, const char *name)
{
    if (!window) {
        qWarning("no window for %s", name);
        return false;
    }
    window->raise();
    settle();
    const bool ok = window->grab().save(QDir(folder).filePath(QLatin1String(name)));
    qInfo("%s %s", ok ? "wrote" : "could not write", name);
    return ok;
}

void click(QWidget *window, const char *name)
{
    if (auto *button = window->findChild<QAbstractButton *>(QLatin1String(name)))
        button->click();
    else
        qWarning("no button %s", name);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots")).absolutePath();
    if (argc > 2)
        QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(folder);
    Catalogues catalogues;

    Diapason main;
    main.show();
    settle();
    // A fifth above A4: the window as it reads after a first interval.
    auto *decimal = main.findChild<QLineEdit *>(QStringLiteral("decimalEdit"));
    decimal->setText(QStringLiteral("1.5"));
    QMetaObject::invokeMethod(decimal, "textEdited", Q_ARG(QString, decimal->text()));
    bool ok = save(&main, folder, "main-window.png");

    click(&main, "accordeurButton");
    ok = save(newestDialog(&main, "AccordeurDlg"), folder, "tuner.png") && ok;

    click(&main, "listeButton");
    QDialog *intervals = newestDialog(&main, "IntervDlg");
    ok = save(intervals, folder, "interval-list.png") && ok;

    // The model editor on the shipped glockenspiel bar.
    main.findChild<QComboBox *>(QStringLiteral("formeCombo"))->setCurrentIndex(5);
    click(&main, "parametresButton");
    auto *models = qobject_cast<MMod_Dom *>(newestDialog(&main, "MMod_Dom"));
    if (models) {
        models->setOpenPrompt([](QWidget *, const QString &, const QString &, const QString &) {
            return QStringLiteral("synth_param/glockenspiel.par");
        });
        click(models, "ouvrirButton");
    }
    ok = save(models, folder, "model-editor.png") && ok;

    // The melody editor on the shipped tune.
    if (intervals)
        click(intervals, "melodieButton");
    auto *melody = intervals ? qobject_cast<MelodyDlg *>(newestDialog(intervals, "MelodyDlg")) : nullptr;
    if (melody) {
        melody->setOpenPrompt([](QWidget *, const QString &, const QString &, const QString &) {
            return QStringLiteral("melodies/au_clair_de_la_lune.mel");
        });
        click(melody, "ouvrirButton");
    }
    ok = save(melody, folder, "melody.png") && ok;

    return ok ? 0 : 1;
}
