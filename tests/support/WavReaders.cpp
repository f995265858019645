#include "tests/support/WavReaders.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace zibtest {

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<failed: %1>").arg(QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

} // namespace

void checkWavWithReaders(const QString &path, int rate, qint64 samples, const QString &comment)
{
    const QString soxi = QStandardPaths::findExecutable(QStringLiteral("soxi"));
    QVERIFY2(!soxi.isEmpty(), "soxi is missing: install Debian's sox package");
    QCOMPARE(run(soxi, {QStringLiteral("-c"), path}).trimmed(), QStringLiteral("1"));
    QCOMPARE(run(soxi, {QStringLiteral("-b"), path}).trimmed(), QStringLiteral("16"));
    QCOMPARE(run(soxi, {QStringLiteral("-r"), path}).trimmed(), QString::number(rate));
    QCOMPARE(run(soxi, {QStringLiteral("-s"), path}).trimmed(), QString::number(samples));

    const QString exiftool = QStandardPaths::findExecutable(QStringLiteral("exiftool"));
    QVERIFY2(!exiftool.isEmpty(), "exiftool is missing: install Debian's libimage-exiftool-perl package");
    QCOMPARE(run(exiftool, {QStringLiteral("-b"), QStringLiteral("-Artist"), path}), QStringLiteral("ZIB 0.10"));
    const QString lu = run(exiftool, {QStringLiteral("-b"), QStringLiteral("-Comment"), path});
    QCOMPARE(lu.trimmed(), comment.trimmed());
}

} // namespace zibtest
