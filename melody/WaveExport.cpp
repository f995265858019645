#include "melody/WaveExport.h"

QString wavFileName(const QString &name)
{
    const QString extension = QStringLiteral(".wav");
    return name.endsWith(extension, Qt::CaseSensitive) ? name : name + extension;
}

QString wavComment(const QString &tempo, const QString &freqRef, const QString &intervalsTitle,
                   int forme)
{
    return QStringLiteral("Tempo : ") + tempo + QStringLiteral("\nFrequence de reference : ") + freqRef
           + QLatin1Char('\n') + intervalsTitle + QStringLiteral("\nForme d'onde : %1").arg(forme);
}
