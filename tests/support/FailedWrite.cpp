#include "tests/support/FailedWrite.h"

#include "tests/support/FailingFolder.h"

#include <QtTest>

namespace zibtest {

namespace {

const QByteArray kOld("the old file, which a failed save must leave as it was\n");

qint64 fileSize(const QString &path)
{
    return QFileInfo(path).size();
}

} // namespace

void addFailedWriteRows()
{
    QTest::addColumn<bool>("large");
    QTest::addColumn<int>("failure");
    QTest::addColumn<double>("fraction"); // of the file's size the full disk has room for
    for (const bool large : {false, true}) {
        const char *size = large ? "large file" : "small file";
        QTest::addRow("%s, disk full at once", size) << large << int(FailingFolder::Full) << 0.0;
        QTest::addRow("%s, disk full half-way", size) << large << int(FailingFolder::Full) << 0.5;
        QTest::addRow("%s, disk full in the last bytes", size) << large << int(FailingFolder::Full) << 1.0;
        QTest::addRow("%s, read-only folder", size) << large << int(FailingFolder::ReadOnly) << 0.0;
    }
}

void checkFailedWrite(const QString &name, const std::function<bool(const QString &path)> &save)
{
    QFETCH(int, failure);
    QFETCH(double, fraction);

    QTemporaryDir healthy;
    QVERIFY(healthy.isValid());
    const QString reference = healthy.filePath(name);
    QVERIFY2(save(reference), "the save fails even where it can write");
    const qint64 size = fileSize(reference);
    QVERIFY(size > 0);

    FailingFolder folder(static_cast<FailingFolder::Failure>(failure));
    QVERIFY(folder.isValid());
    QVERIFY(folder.put(name, kOld));
    // All but one byte: the file is cut in its very last bytes.
    const qint64 room = fraction >= 1.0 ? size - 1 : qint64(fraction * double(size));
    QVERIFY2(folder.fail(room), qPrintable(folder.how()));
    const bool saved = save(folder.filePath(name));
    const QString how = QStringLiteral("%1, %2 bytes to write, room for %3").arg(folder.how()).arg(size).arg(room);
    QVERIFY2(!saved, qPrintable(how + QStringLiteral(": the failed save passed for a success")));
    QVERIFY2(folder.existing(name) == kOld, qPrintable(how + QStringLiteral(": the old file changed")));
    QVERIFY2(folder.strayFiles(name).isEmpty(),
             qPrintable(how + QStringLiteral(": left ") + folder.strayFiles(name).join(QLatin1Char(' '))));
    if (!folder.healable())
        return;

    folder.heal();
    QVERIFY2(save(folder.filePath(name)), qPrintable(how + QStringLiteral(": the save fails once the folder is healed")));
    QCOMPARE(fileSize(folder.filePath(name)), size);
}

} // namespace zibtest
