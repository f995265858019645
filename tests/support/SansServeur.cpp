#include "tests/support/SansServeur.h"

#include <QFile>
#include <QTemporaryDir>

namespace zibtest {

bool sansServeurDeSon(const QTemporaryDir &dossier)
{
    if (!dossier.isValid())
        return false;
    QFile conf(dossier.filePath(QStringLiteral("client.conf")));
    if (!conf.open(QIODevice::WriteOnly) || conf.write("autospawn = no\n") < 0)
        return false;
    conf.close();
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(dossier.filePath(QStringLiteral("absent"))));
    qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(conf.fileName()));
    return true;
}

} // namespace zibtest
