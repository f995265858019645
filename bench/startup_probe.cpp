// The program's start-up, as main() does it, ending as soon as the main window is shown:
// prints "shown" then quits. Timed from outside by bench_startup.

#include "app/Catalogues.h"
#include "app/Diapason.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {

class ShownProbe : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->inherits("Diapason")) {
            std::puts("shown");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ShownProbe probe;
    app.installEventFilter(&probe);
    Catalogues catalogues;
    Diapason fenetre;
    fenetre.show();
    return app.exec();
}
