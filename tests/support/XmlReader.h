#ifndef ZIBTEST_XMLREADER_H
#define ZIBTEST_XMLREADER_H

#include <QString>

namespace zibtest {

/// The string value of an XPath 1.0 expression over an XML file, as xmllint (Debian's
/// libxml2-utils) reads it: a reader independent of Qt's. A missing xmllint, or a file it cannot
/// read, gives a text starting with "<failed" that no check will accept.
QString xpath(const QString &path, const QString &expression);

/// True when xmllint is installed.
bool haveXmllint();

} // namespace zibtest

#endif
