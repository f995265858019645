#ifndef FENETRETEST_H
#define FENETRETEST_H

// What the main window's tests share: its controls by name, and its modal messages read and
// closed as they open.

#include "tests/support/Enfant.h"

#include <QMessageBox>
#include <QStringList>
#include <QTimer>

/// Every modal message the window shows in its message box, closed as soon as it opens.
class Messages : public QObject
{
public:
    QStringList textes;
    QStringList details; ///< the informative text under each

    explicit Messages(QWidget *fenetre)
    {
        auto *timer = new QTimer(this);
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [this, fenetre] {
            auto *box = fenetre->findChild<QMessageBox *>(QStringLiteral("message"));
            if (box && box->isVisible()) {
                textes << box->text();
                details << box->informativeText();
                box->done(QMessageBox::Ok);
            }
        });
        timer->start();
    }
};

#endif
