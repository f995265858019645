#include "app/Catalogues.h"
#include "app/Diapason.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Catalogues catalogues;
    Diapason fenetre;
    fenetre.show();
    return app.exec();
}
