#include "tests/support/FailingFolder.h"

#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace zibtest {

namespace {

const QString kFiller = QStringLiteral(".filler");
constexpr unsigned long kMountFlags = MS_NOSUID | MS_NODEV | MS_NOEXEC;

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

/// Free bytes of the file system holding path; −1 when unknown.
qint64 freeBytes(const QString &path)
{
    struct statvfs s;
    if (statvfs(native(path).constData(), &s) != 0)
        return -1;
    return qint64(s.f_bavail) * qint64(s.f_frsize);
}

/// Appends zeros to path until it holds bytes more, or the file system is full.
bool fill(const QString &path, qint64 bytes)
{
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return false;
    static const char zeros[65536] = {};
    while (bytes > 0) {
        const ssize_t n = ::write(fd, zeros, size_t(std::min<qint64>(bytes, sizeof zeros)));
        if (n <= 0)
            break;
        bytes -= n;
    }
    ::close(fd);
    return true;
}

} // namespace

FailingFolder::FailingFolder(Failure failure)
    : m_failure(failure)
{
    if (!m_top.isValid() || !QDir(m_top.path()).mkdir(QStringLiteral("d")))
        return;
    // ZIBTEST_NO_MOUNT=1 tries the fallbacks of a machine where mounting is not allowed.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("ZIBTEST_NO_MOUNT") && mountTmpfs()) {
        m_how = QStringLiteral("tmpfs");
    } else if (failure == Full) {
        m_how = QStringLiteral("RLIMIT_FSIZE");
    } else if (geteuid() != 0) {
        m_how = QStringLiteral("mode 0555");
    } else {
        // Root writes through any mode: no folder at all, a regular file where it should be.
        m_underAFile = true;
        m_how = QStringLiteral("under a regular file");
    }
    m_valid = true;
}

FailingFolder::~FailingFolder()
{
    heal();
    if (m_mounted)
        umount2(native(folder()).constData(), MNT_DETACH);
}

bool FailingFolder::mountTmpfs()
{
    // A namespace of this process's own, when it may have one: what it mounts nobody else sees,
    // and it goes with the process whatever happens to the test.
    if (unshare(CLONE_NEWNS) == 0)
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
    m_mounted = mount("tmpfs", native(folder()).constData(), "tmpfs", kMountFlags, "size=1m,mode=0700") == 0;
    return m_mounted;
}

QString FailingFolder::folder() const
{
    return m_top.filePath(QStringLiteral("d"));
}

QString FailingFolder::filePath(const QString &name) const
{
    if (m_underAFile)
        return folder() + QLatin1Char('/') + name;
    return QDir(folder()).filePath(name);
}

bool FailingFolder::put(const QString &name, const QByteArray &bytes)
{
    if (m_underAFile && QFileInfo(folder()).isDir() && !QDir(m_top.path()).rmdir(QStringLiteral("d")))
        return false;
    QFile file(m_underAFile ? folder() : filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray FailingFolder::existing(const QString &name) const
{
    QFile file(m_underAFile ? folder() : filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FailingFolder::files() const
{
    const QString where = m_underAFile ? m_top.path() : folder();
    QStringList names = QDir(where).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                              QDir::Name);
    names.removeAll(kFiller);
    return names;
}

QStringList FailingFolder::strayFiles(const QString &name) const
{
    QStringList names = files();
    names.removeAll(m_underAFile ? QStringLiteral("d") : name);
    return names;
}

bool FailingFolder::fail(qint64 room)
{
    if (!m_valid)
        return false;
    if (m_failure == Full) {
        if (!m_mounted) {
            m_limit = std::make_unique<FileSizeLimit>(rlim_t(std::max<qint64>(room, 0)));
            return true;
        }
        const qint64 free = freeBytes(folder());
        if (free < 0 || !fill(QDir(folder()).filePath(kFiller), free - std::max<qint64>(room, 0)))
            return false;
        return freeBytes(folder()) <= room;
    }
    if (m_mounted)
        return mount(nullptr, native(folder()).constData(), nullptr, MS_REMOUNT | MS_RDONLY | kMountFlags, nullptr) == 0;
    if (m_underAFile)
        return QFileInfo(folder()).isFile();
    return chmod(native(folder()).constData(), 0555) == 0;
}

void FailingFolder::heal()
{
    m_limit.reset();
    if (m_mounted && m_failure == ReadOnly)
        mount(nullptr, native(folder()).constData(), nullptr, MS_REMOUNT | kMountFlags, nullptr);
    if (m_mounted && m_failure == Full)
        QFile::remove(QDir(folder()).filePath(kFiller));
    if (!m_mounted && !m_underAFile && m_failure == ReadOnly)
        chmod(native(folder()).constData(), 0700);
}

} // namespace zibtest
