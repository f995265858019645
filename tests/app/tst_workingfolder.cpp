// Where the program works: in a folder that holds its data; installed and started elsewhere, in the
// user's own folder prepared from the installed data, without ever losing a file of the user's.

#include "app/WorkingFolder.h"

#include <QtTest>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

/// An installed tree: prefix/bin and prefix/share/zib with a few shipped files, read-only as a
/// package installs them.
struct Installed
{
    QTemporaryDir root;
    QString prefix = root.filePath(QStringLiteral("usr"));
    QString bin = prefix + QStringLiteral("/bin");
    QString share = prefix + QStringLiteral("/share/zib");

    Installed()
    {
        QDir().mkpath(bin);
        write(share + QStringLiteral("/figures/diapason_tn.png"), "fork");
        write(share + QStringLiteral("/doc/index.html"), "<html>help</html>");
        write(share + QStringLiteral("/zib_fa.qm"), "fr");
        write(share + QStringLiteral("/zib_en.qm"), "en");
        write(share + QStringLiteral("/interval_lists/liste_defaut.int"), "<intervalList/>");
        write(share + QStringLiteral("/interval_lists/more/pythagore.int"), "<intervalList/>");
        write(share + QStringLiteral("/synth_param/corde.par"), "<modele/>");
        write(share + QStringLiteral("/melodies/gamme.mel"), "<melody/>");
        for (const QString &f : {QStringLiteral("/interval_lists/liste_defaut.int"), QStringLiteral("/synth_param/corde.par")})
            QFile::setPermissions(share + f, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
};

} // namespace

class TestWorkingFolder : public QObject
{
    Q_OBJECT

private slots:
    void choice()
    {
        Installed installed;
        QTemporaryDir elsewhere;
        QTemporaryDir runFolder;
        write(runFolder.filePath(QStringLiteral("figures/diapason_tn.png")), "fork");
        const QString user = elsewhere.filePath(QStringLiteral("home/.local/share/zib"));
        QString error;

        // A folder with the data is where the program works, installed or not.
        QCOMPARE(WorkingFolder::choose(runFolder.path(), installed.bin, QStringLiteral("../share/zib"), user, &error),
                 runFolder.path());
        QVERIFY(!QFileInfo::exists(user));
        // Installed and started in the user's home: the user's folder.
        QCOMPARE(WorkingFolder::choose(elsewhere.path(), installed.bin, QStringLiteral("../share/zib"), user, &error),
                 user);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // Not installed, started elsewhere: beside the program.
        QCOMPARE(WorkingFolder::choose(elsewhere.path(), runFolder.path(), QStringLiteral("../share/zib"), user, &error),
                 runFolder.path());
        // Neither: where it was started.
        QTemporaryDir empty;
        QCOMPARE(WorkingFolder::choose(elsewhere.path(), empty.path(), QStringLiteral("../share/zib"), user, &error),
                 elsewhere.path());
    }

    void userFolderPrepared()
    {
        Installed installed;
        QTemporaryDir home;
        const QString user = home.filePath(QStringLiteral(".local/share/zib"));
        QString error;
        QVERIFY2(WorkingFolder::prepare(user, installed.share, &error), qPrintable(error));
        const QDir u(user);

        for (const QString &folder : WorkingFolder::userFolders())
            QVERIFY2(QFileInfo(u.filePath(folder)).isDir() && QFileInfo(u.filePath(folder)).isWritable(), qPrintable(folder));
        QCOMPARE(read(u.filePath(QStringLiteral("interval_lists/liste_defaut.int"))), QByteArray("<intervalList/>"));
        QCOMPARE(read(u.filePath(QStringLiteral("interval_lists/more/pythagore.int"))), QByteArray("<intervalList/>"));
        QCOMPARE(read(u.filePath(QStringLiteral("melodies/gamme.mel"))), QByteArray("<melody/>"));
        // The copies are the user's to edit, though the installed files are read-only.
        QVERIFY(QFileInfo(u.filePath(QStringLiteral("synth_param/corde.par"))).isWritable());
        QVERIFY(!QFileInfo(u.filePath(QStringLiteral("interval_lists/liste_defaut.int"))).isSymLink());
        // The read-only data is the installed one, read in place.
        for (const QString &entry : WorkingFolder::sharedEntries()) {
            QVERIFY2(QFileInfo(u.filePath(entry)).isSymLink(), qPrintable(entry));
            QCOMPARE(QFileInfo(u.filePath(entry)).symLinkTarget(), QDir(installed.share).filePath(entry));
        }
        QCOMPARE(read(u.filePath(QStringLiteral("doc/index.html"))), QByteArray("<html>help</html>"));
        QVERIFY(WorkingFolder::holdsData(user));
    }

    // Every start prepares the folder again: new shipped files arrive, the user's own stay as they are.
    void userFilesNeverOverwritten()
    {
        Installed installed;
        QTemporaryDir home;
        const QString user = home.filePath(QStringLiteral("zib"));
        QString error;
        QVERIFY(WorkingFolder::prepare(user, installed.share, &error));
        write(user + QStringLiteral("/interval_lists/liste_defaut.int"), "mine");
        write(user + QStringLiteral("/sounds/la.wav"), "RIFF");
        QFile::remove(user + QStringLiteral("/melodies/gamme.mel"));
        write(installed.share + QStringLiteral("/melodies/nouvelle.mel"), "<melody>new</melody>");

        QVERIFY2(WorkingFolder::prepare(user, installed.share, &error), qPrintable(error));
        QCOMPARE(read(user + QStringLiteral("/interval_lists/liste_defaut.int")), QByteArray("mine"));
        QCOMPARE(read(user + QStringLiteral("/sounds/la.wav")), QByteArray("RIFF"));
        QCOMPARE(read(user + QStringLiteral("/melodies/nouvelle.mel")), QByteArray("<melody>new</melody>"));
        // A shipped file the user deleted comes back: it is the program's example.
        QCOMPARE(read(user + QStringLiteral("/melodies/gamme.mel")), QByteArray("<melody/>"));
    }

    // The installation moved (a new prefix): the links follow it; a folder of the user's named like
    // a link stays.
    void linksFollowTheInstallation()
    {
        Installed first;
        Installed second;
        QTemporaryDir home;
        const QString user = home.filePath(QStringLiteral("zib"));
        QString error;
        QVERIFY(WorkingFolder::prepare(user, first.share, &error));
        write(second.share + QStringLiteral("/doc/index.html"), "<html>new help</html>");
        QDir(user).remove(QStringLiteral("zib_en.qm"));
        write(user + QStringLiteral("/zib_en.qm"), "user's own");

        QVERIFY2(WorkingFolder::prepare(user, second.share, &error), qPrintable(error));
        QCOMPARE(QFileInfo(user + QStringLiteral("/doc")).symLinkTarget(), second.share + QStringLiteral("/doc"));
        QCOMPARE(read(user + QStringLiteral("/doc/index.html")), QByteArray("<html>new help</html>"));
        QCOMPARE(read(user + QStringLiteral("/zib_en.qm")), QByteArray("user's own"));
    }

    void installedDataIsFoundRelativeToTheProgram()
    {
        Installed installed;
        QCOMPARE(WorkingFolder::installedData(installed.bin, QStringLiteral("../share/zib")), installed.share);
        QVERIFY(WorkingFolder::installedData(installed.share, QStringLiteral("../share/zib")).isEmpty());
        // The whole tree moved: found at its new place.
        const QString moved = installed.root.filePath(QStringLiteral("opt"));
        QVERIFY(QDir().rename(installed.prefix, moved));
        QCOMPARE(WorkingFolder::installedData(moved + QStringLiteral("/bin"), QStringLiteral("../share/zib")),
                 moved + QStringLiteral("/share/zib"));
    }

    // A folder that cannot be made (here under a plain file, which stops root as well).
    void failureIsReported()
    {
        Installed installed;
        QTemporaryDir home;
        write(home.filePath(QStringLiteral("plain")), "not a folder");
        const QString user = home.filePath(QStringLiteral("plain/zib"));
        QString error;
        QVERIFY(!WorkingFolder::prepare(user, installed.share, &error));
        QVERIFY2(error.contains(user), qPrintable(error));
        // The program still starts, in that folder: the failure is told, not fatal.
        error.clear();
        QCOMPARE(WorkingFolder::choose(home.path(), installed.bin, QStringLiteral("../share/zib"), user, &error), user);
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWorkingFolder)
#include "tst_workingfolder.moc"
