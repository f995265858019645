#ifndef MELODYTEST_H
#define MELODYTEST_H

// What the melody editor's tests share: a main window that only answers the editor's questions,
// the interval lists the editor is opened on, and the messages it shows, read and closed.

#include "tests/support/FakeMainWindow.h"
#include "intervals/ListInterv.h"
#include "tests/support/Enfant.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPair>
#include <QTimer>

#include <cmath>

/// The default list agreed between developers: the twelve tempered steps and the 5-limit just
/// intervals side by side, 24 degrees sorted by cents.
inline ListInterv defaultList()
{
    const struct { float cent; const char *desc; } rows[] = {
        {0, "unisson"}, {100, "demi-ton tempéré"}, {111.731f, "demi-ton diatonique juste"},
        {200, "ton tempéré"}, {203.910f, "ton majeur juste"}, {300, "tierce mineure tempérée"},
        {315.641f, "tierce mineure juste"}, {386.314f, "tierce majeure juste"}, {400, "tierce majeure tempérée"},
        {498.045f, "quarte juste"}, {500, "quarte tempérée"}, {590.224f, "triton juste"},
        {600, "triton tempéré"}, {700, "quinte tempérée"}, {701.955f, "quinte juste"},
        {800, "sixte mineure tempérée"}, {813.686f, "sixte mineure juste"}, {884.359f, "sixte majeure juste"},
        {900, "sixte majeure tempérée"}, {996.090f, "septième mineure juste"}, {1000, "septième mineure tempérée"},
        {1088.27f, "septième majeure juste"}, {1100, "septième majeure tempérée"}, {1200, "octave"}};
    ListInterv l;
    l.setEnt(QStringLiteral("Liste par défaut"), QString(), QString(), QStringLiteral("ZIB"));
    for (const auto &r : rows)
        l.liste.append({r.cent, std::pow(2.0f, r.cent / 1200.f), QString::fromUtf8(r.desc)});
    return l;
}

/// A list of n degrees 0, 100, … cents titled title.
inline ListInterv steps(int n, const QString &title = QStringLiteral("Gamme"))
{
    ListInterv l;
    l.setEnt(title, QString(), QString(), QString());
    for (int i = 0; i < n; ++i)
        l.liste.append({100.f * i, std::pow(2.0f, i / 12.f), QStringLiteral("degré %1").arg(i)});
    return l;
}

/// Every modal message box, as (title, text), closed as soon as it opens.
class Messages : public QObject
{
public:
    QList<QPair<QString, QString>> shown;

    Messages()
    {
        auto *timer = new QTimer(this);
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && box->isVisible()) {
                shown.append({box->windowTitle(), box->text()});
                box->buttons().isEmpty() ? box->done(0) : box->buttons().first()->click();
            }
        });
        timer->start();
    }

    QStringList texts() const
    {
        QStringList t;
        for (const auto &m : shown)
            t << m.second;
        return t;
    }
};

#endif
