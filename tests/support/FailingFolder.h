#ifndef ZIBTEST_FAILINGFOLDER_H
#define ZIBTEST_FAILINGFOLDER_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace zibtest {

class FileSizeLimit;

/// A folder in which writes fail the way a user's disk makes them fail, for the tests of the
/// writers: an existing file is put there first, then the folder starts failing, and the test
/// checks that a save leaves that file byte for byte, leaves no temporary file and says so.
///
/// - Full: the file system has only `room` bytes left, so a write stops part-way (ENOSPC). As
///   root where mounting works, the folder is a tmpfs of its own (1 MiB), filled up to `room`
///   (to the page: tmpfs counts 4 KiB pages); elsewhere the process's file size limit
///   (RLIMIT_FSIZE, SIGXFSZ ignored) stands in, files growing past `room` bytes failing.
/// - ReadOnly: nothing can be created or replaced in it. As root where mounting works, the tmpfs
///   remounted read-only, which binds root too; a user who is not root gets a folder of mode
///   0555; root without mounts gets a path under a regular file (no folder there at all).
///
/// Mounts are made in a mount namespace of the test process when it can have one (so that a test
/// that crashes leaves nothing mounted), and are undone when the object goes.
class FailingFolder
{
public:
    enum Failure { Full, ReadOnly };

    explicit FailingFolder(Failure failure);
    ~FailingFolder();
    FailingFolder(const FailingFolder &) = delete;
    FailingFolder &operator=(const FailingFolder &) = delete;

    bool isValid() const { return m_valid; }
    /// How the failure is made, for the test's messages: "tmpfs", "RLIMIT_FSIZE", "mode 0555",
    /// "under a regular file".
    QString how() const { return m_how; }

    /// Where a writer is asked to write name.
    QString filePath(const QString &name) const;

    /// Before fail(): writes bytes as the existing file of that name (under a regular file: that
    /// regular file, which stands where the folder should be). False when it cannot.
    bool put(const QString &name, const QByteArray &bytes);
    /// What the existing file of that name holds now.
    QByteArray existing(const QString &name) const;
    /// The names the folder holds, sorted, the filler of a full tmpfs left out (under a regular
    /// file: the names beside that file).
    QStringList files() const;
    /// What files() holds besides the existing file of that name: what a save left behind.
    QStringList strayFiles(const QString &name) const;

    /// From now on writes fail: after `room` more bytes on a Full folder, at once on a ReadOnly one.
    bool fail(qint64 room = 0);
    /// Writes succeed again; not under a regular file, where no folder can be written (see
    /// healable).
    void heal();
    bool healable() const { return !m_underAFile; }

private:
    bool mountTmpfs();
    QString folder() const;

    Failure m_failure;
    QTemporaryDir m_top;
    bool m_valid = false;
    bool m_mounted = false;
    bool m_underAFile = false;
    QString m_how;
    std::unique_ptr<FileSizeLimit> m_limit;
};

} // namespace zibtest

#endif
