#ifndef CATALOGUES_H
#define CATALOGUES_H

#include <QTranslator>

/// The program's translation catalogues, installed for its lifetime: "zib_en" first, then
/// "zib_fa", which is therefore searched first, so its French texts win over the English ones and
/// leaving zib_fa.qm out gives the English interface. Looked up by bare name in the working
/// directory; a missing catalogue stays empty, silently.
class Catalogues
{
public:
    Catalogues();
    ~Catalogues();
    Catalogues(const Catalogues &) = delete;
    Catalogues &operator=(const Catalogues &) = delete;

private:
    QTranslator m_anglais;
    QTranslator m_francais;
};

#endif
