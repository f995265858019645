#ifndef MODALBOXES_H
#define MODALBOXES_H

// Message boxes answered as they open: each one's title and text are kept, and it is closed with
// the button the test chose (its default button otherwise).

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

class ModalBoxes : public QObject
{
public:
    struct Seen
    {
        QString name;   ///< object name
        QString title;
        QString text;
        QStringList buttons;
    };
    QList<Seen> seen;
    /// The text of the button to press in the next boxes; the default one when empty or absent.
    QString answer;

    ModalBoxes()
    {
        auto *timer = new QTimer(this);
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [this] { poll(); });
        timer->start();
    }

    QStringList texts() const
    {
        QStringList t;
        for (const Seen &s : seen)
            t << s.text;
        return t;
    }

private:
    void poll()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box || !box->isVisible() || !box->isModal())
                continue;
            Seen s{box->objectName(), box->windowTitle(), box->text(), {}};
            QAbstractButton *press = box->defaultButton();
            for (QAbstractButton *b : box->buttons()) {
                s.buttons << b->text();
                if (!answer.isEmpty() && QString(b->text()).remove(QLatin1Char('&')) == answer)
                    press = b;
            }
            if (!press && !box->buttons().isEmpty())
                press = box->buttons().first();
            seen << s;
            if (press)
                press->click();
            else
                box->done(0);
        }
    }
};

#endif
