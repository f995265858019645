#include "app/Catalogues.h"
#include "app/Diapason.h"
#include "app/WorkingFolder.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

#ifndef ZIB_DATA_FROM_PROGRAM
#define ZIB_DATA_FROM_PROGRAM "../share/zib"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Names the user's own folder, ~/.local/share/zib.
    QCoreApplication::setApplicationName(QStringLiteral("zib"));
    QString error;
    const QString folder = WorkingFolder::choose(
        QDir::currentPath(), QCoreApplication::applicationDirPath(), QStringLiteral(ZIB_DATA_FROM_PROGRAM),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), &error);
    QDir::setCurrent(folder);

    Catalogues catalogues;
    Diapason fenetre;
    fenetre.show();
    if (!error.isEmpty())
        QMessageBox::warning(&fenetre, QStringLiteral("ZIB"),
                             QCoreApplication::translate("main", "Le dossier de travail %1 n'a pas pu être préparé "
                                                                 "entièrement : %2")
                                 .arg(QDir::toNativeSeparators(folder), error));
    return app.exec();
}
