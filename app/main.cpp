#include "app/Diapason.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // Installed last, "zib_fa" is searched first: its French texts win over the English ones, so
    // leaving zib_fa.qm out gives the English interface. Missing catalogues stay empty, silently.
    QTranslator anglais;
    QTranslator francais;
    anglais.load(QStringLiteral("zib_en"));
    francais.load(QStringLiteral("zib_fa"));
    app.installTranslator(&anglais);
    app.installTranslator(&francais);

    Diapason fenetre;
    fenetre.show();
    return app.exec();
}
