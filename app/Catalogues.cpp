#include "app/Catalogues.h"

#include <QCoreApplication>

Catalogues::Catalogues()
{
    // A missing file is no error: the program then shows its French source texts.
    (void)m_anglais.load(QStringLiteral("zib_en"));
    (void)m_francais.load(QStringLiteral("zib_fa"));
    QCoreApplication::installTranslator(&m_anglais);
    QCoreApplication::installTranslator(&m_francais);
}

Catalogues::~Catalogues()
{
    QCoreApplication::removeTranslator(&m_francais);
    QCoreApplication::removeTranslator(&m_anglais);
}
