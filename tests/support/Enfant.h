#ifndef ZIBTEST_ENFANT_H
#define ZIBTEST_ENFANT_H

#include <QObject>
#include <QString>

/// A window's child by its object name; a missing one stops the test program loudly.
template <class T>
T *enfant(QObject *parent, const char *nom)
{
    T *c = parent->findChild<T *>(QLatin1String(nom));
    if (!c)
        qFatal("no child %s", nom);
    return c;
}

/// UTF-8 test strings: the program's texts are French.
inline QString utf8(const char *s)
{
    return QString::fromUtf8(s);
}

#endif
