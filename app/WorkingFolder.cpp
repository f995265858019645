#include "app/WorkingFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

bool fail(QString *error, const QString &what)
{
    if (error && error->isEmpty())
        *error = what;
    return false;
}

/// Copies every file of from (its sub-folders too) into to, unless to already has one of that name.
bool copyMissing(const QString &from, const QString &to, QString *error)
{
    bool ok = true;
    if (!QDir().mkpath(to))
        return fail(error, WorkingFolder::tr("impossible de créer le dossier %1").arg(to));
    QDirIterator files(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        QFile file(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !file.copy(target)) {
            ok = fail(error, WorkingFolder::tr("impossible de copier %1 vers %2 (%3)").arg(source, target, file.errorString()));
            continue;
        }
        // Installed files are read-only; the user's copy is theirs to change.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
    return ok;
}

/// Makes link point to target, replacing a link that points elsewhere (an installation that moved);
/// a real file or folder of that name is the user's and stays.
bool linkTo(const QString &target, const QString &link, QString *error)
{
    const QFileInfo existing(link);
    if (existing.isSymLink()) {
        if (existing.symLinkTarget() == QFileInfo(target).absoluteFilePath())
            return true;
        if (!QFile::remove(link))
            return fail(error, WorkingFolder::tr("impossible de remplacer le lien %1").arg(link));
    } else if (existing.exists()) {
        return true;
    }
    if (!QFile::link(target, link))
        return fail(error, WorkingFolder::tr("impossible de lier %1 à %2").arg(link, target));
    return true;
}

} // namespace

const QStringList &WorkingFolder::userFolders()
{
    static const QStringList folders = {QStringLiteral("sounds"), QStringLiteral("melodies"),
                                        QStringLiteral("interval_lists"), QStringLiteral("synth_param")};
    return folders;
}

const QStringList &WorkingFolder::sharedEntries()
{
    static const QStringList entries = {QStringLiteral("figures"), QStringLiteral("doc"), QStringLiteral("zib_en.qm"),
                                        QStringLiteral("zib_fa.qm")};
    return entries;
}

bool WorkingFolder::holdsData(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo::exists(QDir(folder).filePath(QStringLiteral("figures/diapason_tn.png")));
}

QString WorkingFolder::installedData(const QString &programFolder, const QString &dataFromProgram)
{
    if (programFolder.isEmpty() || dataFromProgram.isEmpty())
        return QString();
    const QString share = QDir::cleanPath(QDir(programFolder).filePath(dataFromProgram));
    return holdsData(share) ? share : QString();
}

bool WorkingFolder::prepare(const QString &userFolder, const QString &installed, QString *error)
{
    bool ok = true;
    if (!QDir().mkpath(userFolder))
        return fail(error, WorkingFolder::tr("impossible de créer le dossier %1").arg(userFolder));
    const QDir user(userFolder);
    const QDir shared(installed);
    for (const QString &folder : userFolders())
        ok = copyMissing(shared.filePath(folder), user.filePath(folder), error) && ok;
    for (const QString &entry : sharedEntries()) {
        if (QFileInfo::exists(shared.filePath(entry)))
            ok = linkTo(shared.filePath(entry), user.filePath(entry), error) && ok;
    }
    return ok;
}

QString WorkingFolder::choose(const QString &current, const QString &programFolder, const QString &dataFromProgram,
                              const QString &userFolder, QString *error)
{
    if (holdsData(current))
        return current;
    const QString installed = installedData(programFolder, dataFromProgram);
    if (!installed.isEmpty() && !userFolder.isEmpty()) {
        prepare(userFolder, installed, error);
        return userFolder;
    }
    if (holdsData(programFolder))
        return programFolder;
    return current;
}
