// The ".int" file: what the writer puts in it, read back by xmllint (an independent XML reader),
// what the reader takes from it, and what a failed write or a bad file leave behind.

#include "intervals/IntervalListFile.h"

#include "tests/support/FailedWrite.h"
#include "tests/support/FileSizeLimit.h"

#include <QtTest>
#include <QDomDocument>
#include <QProcess>

#include <cmath>

Q_DECLARE_METATYPE(Interval)

namespace {

using Contents = IntervalListFile::Contents;
using ReadStatus = IntervalListFile::ReadStatus;

Interval interval(float cent, float frac, const QString &desc)
{
    Interval i;
    i.cent = cent;
    i.frac = frac;
    i.desc = desc;
    return i;
}

/// An interval as the dialog creates it: the ratio 2^(c/1200) in single precision.
Interval created(float cent)
{
    return interval(cent, std::pow(2.0f, cent / 1200.0f), QStringLiteral("Nouvelle Description à éditer"));
}

QString writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

/// xmllint's answer to an XPath expression over the file.
QString xpath(const QString &path, const QString &expression)
{
    QProcess p;
    p.start(QStringLiteral("xmllint"), {QStringLiteral("--xpath"), expression, path});
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("<xmllint failed>");
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

/// Limits the size of the files this process writes, so that a write fails as on a full disk
const char *const kFourOfFive =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<intervalList>\n"
    " <header title=\"T\" author=\"A\"><desc>D</desc></header>\n"
    " <list number=\"5\">\n"
    "  <interval cent=\"0\" frac=\"1\" desc=\"a\"/>\n"
    "  <interval cent=\"200\" frac=\"1.12246\" desc=\"b\"/>\n"
    "  <interval cent=\"701.955\" frac=\"1.5\" desc=\"c\"/>\n"
    "  <interval cent=\"1200\" frac=\"2\" desc=\"d\"/>\n"
    " </list>\n"
    "</intervalList>\n";

} // namespace

class TestIntervalListFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty(),
                 "xmllint is missing (Debian package libxml2-utils)");
    }

    void nombres_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("700 cents") << 700.0f << "700";
        QTest::newRow("its ratio") << std::pow(2.0f, 700.0f / 1200.0f) << "1.49831";
        QTest::newRow("just fifth") << 701.955f << "701.955";
        QTest::newRow("just major seventh") << float(1200 * std::log2(15.0 / 8)) << "1088.27";
        QTest::newRow("unison") << 0.0f << "0";
        QTest::newRow("below the unison") << -21.5063f << "-21.5063";
        QTest::newRow("tempered semitone ratio") << std::pow(2.0f, 1 / 12.0f) << "1.05946";
    }
    void nombres()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(IntervalListFile::formatNumber(value), text);
    }

    void extension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "maliste" << "maliste.int";
        QTest::newRow("upper case is not .int") << "maliste.INT" << "maliste.INT.int";
        QTest::newRow("already .int") << "/tmp/a/maliste.int" << "/tmp/a/maliste.int";
        QTest::newRow(".xml") << "maliste.xml" << "maliste.xml.int";
    }
    void extension()
    {
        QFETCH(QString, name);
        QFETCH(QString, saved);
        QCOMPARE(IntervalListFile::withExtension(name), saved);
    }

    // What the file holds, as another XML reader sees it.
    void ecritureLueParXmllint()
    {
        QTemporaryDir dir;
        Contents c;
        c.title = QStringLiteral("Gamme & co");
        c.author = QStringLiteral("Zarlino \"le Vénitien\"");
        c.description = QStringLiteral("Première ligne\nseconde <ligne>");
        c.intervals << created(0) << created(700) << interval(701.955f, 1.5f, QStringLiteral("Quinte juste <3/2>"));
        const QString path = dir.filePath(QStringLiteral("l.int"));
        QString error;
        QVERIFY2(IntervalListFile::write(path, c, &error), qPrintable(error));

        const QByteArray bytes = readBytes(path);
        QVERIFY2(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<?xml-stylesheet href=\"intervallist.xsl\" type=\"text/xsl\"?>\n"
                                  "<intervalList>\n  <header "),
                 bytes.constData());
        QVERIFY(bytes.contains("\n    <desc>"));
        QVERIFY(bytes.contains("\n    <interval "));
        QCOMPARE(xpath(path, QStringLiteral("name(/processing-instruction()[1])")), QStringLiteral("xml-stylesheet"));
        QCOMPARE(xpath(path, QStringLiteral("count(/intervalList/*)")), QStringLiteral("2"));
        QCOMPARE(xpath(path, QStringLiteral("name(/intervalList/*[1])")), QStringLiteral("header"));
        QCOMPARE(xpath(path, QStringLiteral("string(/intervalList/header/@title)")), c.title);
        QCOMPARE(xpath(path, QStringLiteral("string(/intervalList/header/@author)")), c.author);
        QCOMPARE(xpath(path, QStringLiteral("string(/intervalList/header/desc)")), c.description);
        QCOMPARE(xpath(path, QStringLiteral("string(/intervalList/list/@number)")), QStringLiteral("3"));
        QCOMPARE(xpath(path, QStringLiteral("count(/intervalList/list/interval)")), QStringLiteral("3"));
        QCOMPARE(xpath(path, QStringLiteral("string(/intervalList/list/interval[2]/@cent)")), QStringLiteral("700"));
        QCOMPARE(xpath(path, QStringLiteral("string(/intervalList/list/interval[2]/@frac)")), QStringLiteral("1.49831"));
        QCOMPARE(xpath(path, QStringLiteral("string(/intervalList/list/interval[3]/@desc)")),
                 QStringLiteral("Quinte juste <3/2>"));
        QCOMPARE(xpath(path, QStringLiteral("string(/intervalList/list/interval[1]/@desc)")),
                 QStringLiteral("Nouvelle Description à éditer"));
    }

    void allerRetour_data()
    {
        QTest::addColumn<QList<Interval>>("intervals");
        QTest::addColumn<QString>("description");
        QTest::newRow("empty") << QList<Interval>() << QString();
        QTest::newRow("one") << QList<Interval>{created(700)} << QStringLiteral("une ligne");
        QTest::newRow("several lines, odd signs")
            << QList<Interval>{interval(-50, 0.971532f, QStringLiteral("sous l'unisson")),
                               interval(386.314f, 1.25f, QStringLiteral("Tierce & \"pure\"")),
                               interval(1300, 2.11893f, QString())}
            << QStringLiteral("a\nb\n\n c <d> &");
    }
    void allerRetour()
    {
        QFETCH(QList<Interval>, intervals);
        QFETCH(QString, description);
        QTemporaryDir dir;
        Contents c;
        c.title = QStringLiteral("Titre");
        c.author = QStringLiteral("Auteur");
        c.description = description;
        c.intervals = intervals;
        const QString path = dir.filePath(QStringLiteral("r.int"));
        QString error;
        QVERIFY(IntervalListFile::write(path, c, &error));

        const IntervalListFile::ReadResult r = IntervalListFile::read(path);
        QCOMPARE(r.status, ReadStatus::Ok);
        QVERIFY(r.numberMatches);
        QCOMPARE(r.numberText, QString::number(intervals.size()));
        QCOMPARE(r.contents.title, c.title);
        QCOMPARE(r.contents.author, c.author);
        QCOMPARE(r.contents.description, description);
        QCOMPARE(r.contents.intervals.size(), intervals.size());
        for (int k = 0; k < intervals.size(); ++k) {
            QCOMPARE(IntervalListFile::formatNumber(r.contents.intervals[k].cent),
                     IntervalListFile::formatNumber(intervals[k].cent));
            QCOMPARE(IntervalListFile::formatNumber(r.contents.intervals[k].frac),
                     IntervalListFile::formatNumber(intervals[k].frac));
            QCOMPARE(r.contents.intervals[k].desc, intervals[k].desc);
        }
        if (intervals.isEmpty())
            QCOMPARE(xpath(path, QStringLiteral("count(/intervalList/list/node())")), QStringLiteral("0"));
    }

    void nombreInexact()
    {
        QTemporaryDir dir;
        const IntervalListFile::ReadResult r = IntervalListFile::read(writeFile(dir, "n.int", kFourOfFive));
        QCOMPARE(r.status, ReadStatus::Ok);
        QVERIFY(!r.numberMatches);
        QCOMPARE(r.numberText, QStringLiteral("5"));
        QCOMPARE(r.contents.intervals.size(), 4);
        QCOMPARE(r.contents.intervals[2].cent, 701.955f);
        QCOMPARE(r.contents.intervals[2].frac, 1.5f);
        QCOMPARE(r.contents.intervals[3].desc, QStringLiteral("d"));
        QCOMPARE(r.contents.title, QStringLiteral("T"));
        QCOMPARE(r.contents.author, QStringLiteral("A"));
        QCOMPARE(r.contents.description, QStringLiteral("D"));
    }

    // Comments and processing instructions among the intervals are not intervals of 0 cents.
    void noeudsQuiNeSontPasDesIntervalles()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "c.int",
                                       "<intervalList><header title=\"t\"><desc>d</desc></header>"
                                       "<list number=\"2\"><!-- la quinte --><interval cent=\"700\" frac=\"1.49831\"/>"
                                       "<?note x?>texte<interval cent=\"abc\" frac=\"nan\" desc=\"mauvais\"/>"
                                       "<interval cent=\"inf\" frac=\"1e999\"/></list></intervalList>");
        const IntervalListFile::ReadResult r = IntervalListFile::read(path);
        QCOMPARE(r.status, ReadStatus::Ok);
        QCOMPARE(r.contents.intervals.size(), 3);
        QVERIFY(!r.numberMatches);
        QCOMPARE(r.contents.intervals[0].cent, 700.0f);
        for (int k = 1; k < 3; ++k) {
            QCOMPARE(r.contents.intervals[k].cent, 0.0f);
            QCOMPARE(r.contents.intervals[k].frac, 0.0f);
        }
        QCOMPARE(r.contents.author, QString()); // a missing attribute is empty text
    }

    // Found by position: "list" before "header" is misread, not refused.
    void enteteParPosition()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "p.int",
                                       "<intervalList><list number=\"0\" title=\"du list\"><interval cent=\"5\"/></list>"
                                       "<header title=\"Vrai\" author=\"X\"><desc>d</desc></header></intervalList>");
        const IntervalListFile::ReadResult r = IntervalListFile::read(path);
        QCOMPARE(r.status, ReadStatus::Ok);
        QCOMPARE(r.contents.title, QStringLiteral("du list"));
        QCOMPARE(r.contents.author, QString());
        // The second element, "header", is taken for the list: its "desc" child is one interval,
        // against a "number" that is missing.
        QCOMPARE(r.contents.intervals.size(), 1);
        QVERIFY(!r.numberMatches);
    }

    void mauvaisFichiers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::newRow("not XML") << QByteArray("<intervalList><header>") << int(ReadStatus::NotAList);
        QTest::newRow("empty file") << QByteArray() << int(ReadStatus::NotAList);
        QTest::newRow("another document") << QByteArray("<modele nbmod=\"2\"/>") << int(ReadStatus::NotAList);
        QTest::newRow("binary") << QByteArray("RIFF\0\0\0\0WAVEfmt ", 16) << int(ReadStatus::NotAList);
        // Found by fuzzing: Qt's parser recursed once per level until the stack overflowed.
        QTest::newRow("nested 60000 deep")
            << "<intervalList><header><desc>" + QByteArray("<a>").repeated(60000) + QByteArray("</a>").repeated(60000)
                   + "</desc></header><list/></intervalList>"
            << int(ReadStatus::NotAList);
    }
    void mauvaisFichiers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QTemporaryDir dir;
        QCOMPARE(int(IntervalListFile::read(writeFile(dir, "m.int", bytes)).status), status);
    }

    void fichierAbsentOuIlisible()
    {
        QTemporaryDir dir;
        QCOMPARE(IntervalListFile::read(dir.filePath(QStringLiteral("absent.int"))).status, ReadStatus::Missing);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dossier.int")));
        QCOMPARE(IntervalListFile::read(dir.filePath(QStringLiteral("dossier.int"))).status, ReadStatus::CannotOpen);
    }

    void failedWrites_data() { zibtest::addFailedWriteRows(); }

    // A full disk at every stage of the file, and a folder that cannot be written: the old file
    // stays byte for byte, no temporary file is left, and the error is given.
    void failedWrites()
    {
        QFETCH(bool, large);
        Contents big;
        big.title = QStringLiteral("grande liste");
        for (int k = 0; k < (large ? 1500 : 40); ++k)
            big.intervals << created(k * 0.8f);
        zibtest::checkFailedWrite(QStringLiteral("liste.int"), [&big](const QString &path) {
            QString error;
            const bool written = IntervalListFile::write(path, big, &error);
            if (!written && error.isEmpty())
                qWarning("no error given");
            return written || error.isEmpty();
        });
    }

    // A write that fails half-way (the file size limit stands for a full disk) or cannot start
    // leaves the old file byte for byte and says why.
    void ecritureRateeGardeLAncien()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "ancien.int", kFourOfFive);
        Contents big;
        for (int k = 0; k < 2000; ++k)
            big.intervals << created(k * 0.6f);
        QString error;
        {
            zibtest::FileSizeLimit limit(4096);
            QVERIFY(!IntervalListFile::write(path, big, &error));
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(path), QByteArray(kFourOfFive));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ancien.int")});

        // A small list fails only when its last bytes go out.
        Contents small;
        for (int k = 0; k < 30; ++k)
            small.intervals << created(k * 40.0f);
        error.clear();
        {
            zibtest::FileSizeLimit limit(1024);
            QVERIFY(!IntervalListFile::write(path, small, &error));
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(path), QByteArray(kFourOfFive));

        error.clear();
        QVERIFY(!IntervalListFile::write(dir.filePath(QStringLiteral("absent/l.int")), big, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestIntervalListFile)
#include "tst_intervallistfile.moc"
