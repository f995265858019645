#include "tests/support/XmlReader.h"

#include <QProcess>
#include <QStandardPaths>

namespace zibtest {

bool haveXmllint()
{
    return !QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty();
}

QString xpath(const QString &path, const QString &expression)
{
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty())
        return QStringLiteral("<failed: xmllint is missing, install Debian's libxml2-utils>");
    QProcess p;
    p.start(xmllint, {QStringLiteral("--xpath"), QStringLiteral("string(%1)").arg(expression), path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<failed: %1>").arg(QString::fromLocal8Bit(p.readAllStandardError()));
    QString valeur = QString::fromUtf8(p.readAllStandardOutput());
    // xmllint ends its answer with a line break of its own.
    if (valeur.endsWith(QLatin1Char('\n')))
        valeur.chop(1);
    return valeur;
}

} // namespace zibtest
