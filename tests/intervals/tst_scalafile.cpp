// The Scala scale file: what the reader takes from the texts the format allows, what it refuses
// and on which line, that no byte sequence breaks it, what the writer puts in a file, and that
// every shipped list comes back from an export with its cents.

#include "intervals/IntervalListFile.h"
#include "intervals/ScalaFile.h"
#include "intervals/ScalaLines.h"
#include "tests/support/FailedWrite.h"
#include "tests/support/FileSizeLimit.h"

#include <QtTest>

#include <cmath>
#include <random>

Q_DECLARE_METATYPE(Interval)

namespace {

using Cents = QVector<double>;

Interval interval(float cent, float frac, const QString &desc)
{
    Interval i;
    i.cent = cent;
    i.frac = frac;
    i.desc = desc;
    return i;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
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

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

Cents centsOf(const QList<Interval> &intervals)
{
    Cents c;
    for (const Interval &i : intervals)
        c << i.cent;
    return c;
}

QString show(const Cents &c)
{
    QStringList s;
    for (double v : c)
        s << QString::number(v, 'f', 4);
    return s.join(QLatin1Char(' '));
}

} // namespace

class TestScalaFile : public QObject
{
    Q_OBJECT

private slots:
    void lecture_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("description");
        QTest::addColumn<Cents>("cents");           // the unison first
        QTest::addColumn<QStringList>("descs");     // of the pitches after the unison; unchecked when empty

        QTest::newRow("usual") << QByteArray("! usual.scl\n!\nA few pitches\n 3\n!\n 100.0\n 5/4\n 2/1\n")
                               << "A few pitches" << Cents{0, 100, 386.3137, 1200}
                               << QStringList{"100.0", "5/4", "2/1"};
        QTest::newRow("empty description") << QByteArray("!\n\n 1\n 2/1\n") << "" << Cents{0, 1200} << QStringList();
        QTest::newRow("count of 0") << QByteArray("Nothing\n0\n") << "Nothing" << Cents{0} << QStringList();
        QTest::newRow("408.") << QByteArray("d\n1\n408.\n") << "d" << Cents{0, 408} << QStringList{"408."};
        QTest::newRow("-5.0 and .5") << QByteArray("d\n2\n-5.0\n.5\n") << "d" << Cents{0, -5, 0.5} << QStringList();
        QTest::newRow("a bare 5") << QByteArray("d\n1\n5\n") << "d" << Cents{0, 2786.3137} << QStringList{"5"};
        QTest::newRow("10/20") << QByteArray("d\n1\n10/20\n") << "d" << Cents{0, -1200} << QStringList();
        QTest::newRow("trailing text")
            << QByteArray("d\n2\n  5/4   E  \n701.955 cents, fifth\n") << "d" << Cents{0, 386.3137, 701.955}
            << QStringList{"5/4   E", "701.955 cents, fifth"};
        QTest::newRow("DOS line ends") << QByteArray("! dos.scl\r\nDOS\r\n 2\r\n 3/2\r\n 2/1\r\n") << "DOS"
                                       << Cents{0, 701.9550, 1200} << QStringList{"3/2", "2/1"};
        QTest::newRow("comment between pitches")
            << QByteArray("d\n3\n9/8\n! the third\n5/4\n   ! indented\n2/1\n") << "d" << Cents{0, 203.9100, 386.3137, 1200}
            << QStringList();
        QTest::newRow("period of 3/1") << QByteArray("Bohlen-Pierce, part\n3\n27/25\n25/21\n3/1\n")
                                       << "Bohlen-Pierce, part" << Cents{0, 133.2376, 301.8465, 1901.9550}
                                       << QStringList();
        QTest::newRow("tabs and a blank line")
            << QByteArray("\tTabs \t\n\t2\t\n\t6/5\t m3\n\n\t2/1\n") << "Tabs" << Cents{0, 315.6413, 1200}
            << QStringList{"6/5\t m3", "2/1"};
        QTest::newRow("unsorted, lines after the last pitch ignored")
            << QByteArray("d\n2\n2/1\n3/2\nnot a pitch\n") << "d" << Cents{0, 1200, 701.9550} << QStringList();
        QTest::newRow("leading zeros") << QByteArray("d\n1\n0003/0002\n") << "d" << Cents{0, 701.9550} << QStringList();
        QTest::newRow("no end of line") << QByteArray("d\n1\n2/1") << "d" << Cents{0, 1200} << QStringList();
        QTest::newRow("largest terms") << QByteArray("d\n2\n2147483647/2147483646\n2147483647\n") << "d"
                                       << Cents{0, 1200 / std::log(2.0) * std::log1p(1 / 2147483646.0),
                                                1200 * std::log2(2147483647.0)}
                                       << QStringList();
    }
    void lecture()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, description);
        QFETCH(Cents, cents);
        QFETCH(QStringList, descs);
        const ScalaFile::ReadResult r = ScalaFile::parse(text);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.scale.description, description);
        const Cents read = centsOf(r.scale.intervals);
        QCOMPARE(read.size(), cents.size());
        for (int k = 0; k < cents.size(); ++k) {
            // Single precision holds a few units of 10^-4 at 37200 cents.
            const double tolerance = std::max(1e-4, std::fabs(cents[k]) * 2e-7);
            QVERIFY2(std::fabs(read[k] - cents[k]) <= tolerance, qPrintable(show(read) + " / " + show(cents)));
            QVERIFY(std::fabs(std::exp2(cents[k] / 1200) / r.scale.intervals[k].frac - 1) < 1e-6);
        }
        QCOMPARE(r.scale.intervals[0].desc, QStringLiteral("1/1"));
        QCOMPARE(r.scale.intervals[0].frac, 1.0f);
        for (int k = 0; k < descs.size(); ++k)
            QCOMPARE(r.scale.intervals[k + 1].desc, descs[k]);
    }

    // 2^31 − 1 over its neighbour is a size of 8·10^-7 cents: no term overflowed on the way.
    void termesExtremes()
    {
        const ScalaFile::ReadResult r = ScalaFile::parse("d\n2\n2147483647/2147483646\n1/2147483647\n");
        QVERIFY(r.ok);
        QVERIFY(r.scale.intervals[1].cent > 8.0e-7f && r.scale.intervals[1].cent < 8.1e-7f);
        QCOMPARE(r.scale.intervals[1].frac, 1.0f);
        QVERIFY(std::fabs(r.scale.intervals[2].cent + 37200.0f) < 0.01f);
        QVERIFY(r.scale.intervals[2].frac > 0);
    }

    void encodages()
    {
        const QByteArray latin1 = QByteArray("Gamme d'\xE9t\xE9\n1\n5/4 Mi\xB0\n");
        const QByteArray utf8 = QByteArray("Gamme d'\xC3\xA9t\xC3\xA9\n1\n5/4 Mi\xC2\xB0\n");
        for (const QByteArray &bytes : {latin1, utf8, QByteArray("\xEF\xBB\xBF") + utf8}) {
            const ScalaFile::ReadResult r = ScalaFile::parse(bytes);
            QVERIFY(r.ok);
            QCOMPARE(r.scale.description, u("Gamme d'été"));
            QCOMPARE(r.scale.intervals[1].desc, u("5/4 Mi°"));
        }
    }

    void commentaires()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, QStringLiteral("pyth.scl"),
                                       "! pyth.scl\n!\n! Pythagore\nPythagorean\n1\n! au milieu\n3/2\n");
        const ScalaFile::ReadResult r = ScalaFile::read(path);
        QVERIFY(r.ok);
        QCOMPARE(r.scale.comments, (QStringList{QString(), QStringLiteral("Pythagore"), QStringLiteral("au milieu")}));
    }

    void refus_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty file") << QByteArray() << u("Ligne 1 : la description manque");
        QTest::newRow("comments only") << QByteArray("! a\n! b\n") << u("Ligne 3 : la description manque");
        QTest::newRow("missing count") << QByteArray("! x\nDescription\n") << u("Ligne 3 : le nombre de hauteurs manque");
        QTest::newRow("blank count") << QByteArray("Description\n   \n3/2\n") << u("Ligne 2 : le nombre de hauteurs manque");
        QTest::newRow("count not a number") << QByteArray("d\ntwelve\n") << u("Ligne 2 : « twelve » n'est pas un nombre de hauteurs");
        QTest::newRow("negative count") << QByteArray("d\n-1\n") << u("Ligne 2 : « -1 » n'est pas un nombre de hauteurs");
        QTest::newRow("too many pitches") << QByteArray("d\n10001\n") << u("Ligne 2 : trop de hauteurs (au plus 10000)");
        QTest::newRow("fewer pitches") << QByteArray("d\n 3\n100.0\n! c\n2/1\n") << u("Ligne 2 : 3 hauteurs annoncées, 2 trouvées");
        QTest::newRow("a word") << QByteArray("d\n2\n3/2\nabc\n") << u("Ligne 4 : « abc » n'est ni une valeur en cents ni un rapport");
        QTest::newRow("decimal comma") << QByteArray("d\n1\n701,955\n") << u("Ligne 3 : « 701,955 » n'est ni une valeur en cents ni un rapport");
        QTest::newRow("two points") << QByteArray("d\n1\n1.2.3\n") << u("Ligne 3 : « 1.2.3 » n'est ni une valeur en cents ni un rapport");
        QTest::newRow("a point alone") << QByteArray("d\n1\n.\n") << u("Ligne 3 : « . » n'est ni une valeur en cents ni un rapport");
        QTest::newRow("exponent") << QByteArray("d\n1\n1e3\n") << u("Ligne 3 : « 1e3 » n'est ni une valeur en cents ni un rapport");
        QTest::newRow("ratio and cents") << QByteArray("d\n1\n3.0/2\n") << u("Ligne 3 : « 3.0/2 » n'est ni une valeur en cents ni un rapport");
        QTest::newRow("no denominator") << QByteArray("d\n1\n3/\n") << u("Ligne 3 : « 3/ » n'est ni une valeur en cents ni un rapport");
        QTest::newRow("zero ratio") << QByteArray("d\n1\n0/5\n") << u("Ligne 3 : le rapport 0/5 est nul ou négatif");
        QTest::newRow("zero") << QByteArray("d\n1\n0\n") << u("Ligne 3 : le rapport 0 est nul ou négatif");
        QTest::newRow("negative ratio") << QByteArray("d\n1\n-5/4\n") << u("Ligne 3 : le rapport -5/4 est nul ou négatif");
        QTest::newRow("negative denominator") << QByteArray("d\n1\n5/-4\n") << u("Ligne 3 : le rapport 5/-4 est nul ou négatif");
        QTest::newRow("zero denominator") << QByteArray("d\n2\n3/2\n 5/0 E\n") << u("Ligne 4 : le rapport 5/0 a un dénominateur nul");
        QTest::newRow("term of 2^31") << QByteArray("d\n1\n2147483648/2147483647\n") << u("Ligne 3 : un terme du rapport dépasse 2147483647");
        QTest::newRow("forty digits") << QByteArray("d\n1\n3/1234567890123456789012345678901234567890\n")
                                      << u("Ligne 3 : un terme du rapport dépasse 2147483647");
        QTest::newRow("cents too large") << QByteArray("d\n1\n100000.5\n") << u("Ligne 3 : 100000.5 cents dépasse ±100000 cents");
        QTest::newRow("line too long") << QByteArray("d\n1\n2/1 ") + QByteArray(70000, 'x') + "\n"
                                       << u("Ligne 3 : ligne trop longue (plus de 65536 caractères)");
        QTest::newRow("binary") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0\n\xff\xfe\n", 13)
                                << u("Ligne 2 : « ÿþ » n'est pas un nombre de hauteurs");
    }
    void refus()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        const ScalaFile::ReadResult r = ScalaFile::parse(text);
        QVERIFY(!r.ok);
        QCOMPARE(r.error, error);
        QVERIFY(r.scale.intervals.isEmpty());
    }

    void fichiersRefuses()
    {
        QTemporaryDir dir;
        QVERIFY(!ScalaFile::read(dir.filePath(QStringLiteral("absent.scl"))).ok);
        QVERIFY(ScalaFile::read(dir.filePath(QStringLiteral("absent.scl"))).error.startsWith(u("Impossible d'ouvrir le fichier : ")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dossier.scl")));
        QVERIFY(!ScalaFile::read(dir.filePath(QStringLiteral("dossier.scl"))).ok);
        const QString big = writeFile(dir, QStringLiteral("gros.scl"), QByteArray(ScalaLines::kMaxBytes + 1, '\n'));
        QCOMPARE(ScalaFile::read(big).error, u("Le fichier dépasse 4 Mo"));
        // A device that never ends is read no further than the bound.
        const ScalaFile::ReadResult zero = ScalaFile::read(QStringLiteral("/dev/zero"));
        QCOMPARE(zero.error, u("Le fichier dépasse 4 Mo"));
    }

    // Whatever the bytes, the reader answers: a scale of finite sizes, or a message.
    void octetsQuelconques()
    {
        std::mt19937 random(15);
        const QByteArray valid = "! v.scl\n!\nValid\n 4\n!\n 100.0 a\n 5/4\n 3/2 b\n 2/1\n";
        const char alphabet[] = "0123456789./-+! \t\r\nx\xC3\xA9\xFF";
        for (int trial = 0; trial < 4000; ++trial) {
            QByteArray bytes;
            if (trial % 2 == 0) {
                bytes = valid;
                const int changes = 1 + int(random() % 6);
                for (int c = 0; c < changes; ++c) {
                    const int at = int(random() % bytes.size());
                    const char byte = trial % 4 == 0 ? char(random() % 256) : alphabet[random() % (sizeof alphabet - 1)];
                    switch (random() % 3) {
                    case 0: bytes[at] = byte; break;
                    case 1: bytes.insert(at, byte); break;
                    default: bytes.remove(at, 1); break;
                    }
                }
            } else {
                bytes.resize(int(random() % 200));
                for (char &b : bytes)
                    b = char(random() % 256);
            }
            const ScalaFile::ReadResult r = ScalaFile::parse(bytes);
            if (!r.ok) {
                QVERIFY2(r.error.startsWith(u("Ligne ")), qPrintable(r.error));
                continue;
            }
            QVERIFY(!r.scale.intervals.isEmpty());
            for (const Interval &i : r.scale.intervals)
                QVERIFY(std::isfinite(i.cent) && std::isfinite(i.frac) && i.frac > 0);
        }
    }

    void lignesExportees_data()
    {
        QTest::addColumn<Interval>("pitch");
        QTest::addColumn<QString>("line");
        QTest::newRow("just fifth") << interval(701.955f, 1.5f, u("Quinte juste (3/2)")) << u("3/2 Quinte juste (3/2)");
        QTest::newRow("octave") << interval(1200, 2, u("Octave")) << u("2/1 Octave");
        QTest::newRow("3/1") << interval(1901.955f, 3, QString()) << u("3/1");
        QTest::newRow("243/128") << interval(float(1200 * std::log2(243.0 / 128)), 1.89844f, u("Si")) << u("243/128 Si");
        QTest::newRow("tempered semitone") << interval(100, 1.05946f, u("Do♯")) << u("100.000000 Do♯");
        QTest::newRow("tempered fifth") << interval(700, 1.49831f, u("Sol")) << u("700.000000 Sol");
        QTest::newRow("quarter-comma fifth") << interval(696.578f, 1.49535f, u("Sol")) << u("696.578003 Sol");
        // Written with six digits, 15/8 is 0.0013 cent away from its cents: those are kept.
        QTest::newRow("15/8 of a 6-digit list") << interval(1088.27f, 1.875f, u("Si")) << u("1088.270020 Si");
        QTest::newRow("below the unison") << interval(-5, 0.997116f, QString()) << u("-5.000000");
        QTest::newRow("imported ratio kept as written")
            << interval(float(1200 * std::log2(2187.0 / 2048)), float(2187.0 / 2048), u("2187/2048 Do♯"))
            << u("2187/2048 Do♯");
        QTest::newRow("imported cents kept as written") << interval(408, 1.26558f, u("408. Mi")) << u("408. Mi");
        QTest::newRow("a description that begins with another size")
            << interval(400, 1.25992f, u("5/4 E")) << u("400.000000 5/4 E");
        QTest::newRow("line breaks") << interval(1200, 2, u("Do\nsuivant\r")) << u("2/1 Do suivant");
    }
    void lignesExportees()
    {
        QFETCH(Interval, pitch);
        QFETCH(QString, line);
        QCOMPARE(ScalaFile::pitchLine(pitch), line);
    }

    void nomsExportes_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("mapping");
        QTest::newRow("no extension") << "/tmp/a/gamme" << "/tmp/a/gamme.scl" << "/tmp/a/gamme.kbm";
        QTest::newRow(".scl") << "gamme.scl" << "gamme.scl" << "gamme.kbm";
        QTest::newRow(".SCL kept") << "Gamme.SCL" << "Gamme.SCL" << "Gamme.kbm";
        QTest::newRow(".int is no scale") << "liste.int" << "liste.int.scl" << "liste.int.kbm";
    }
    void nomsExportes()
    {
        QFETCH(QString, answer);
        QFETCH(QString, scale);
        QFETCH(QString, mapping);
        QCOMPARE(ScalaFile::withExtension(answer), scale);
        QCOMPARE(ScalaFile::mappingPath(ScalaFile::withExtension(answer)), mapping);
    }

    void fichierExporte()
    {
        QList<Interval> liste = {interval(0, 1, u("Do")), interval(386.314f, 1.25f, u("Mi")),
                                 interval(700, 1.49831f, u("Sol")), interval(1200, 2, u("Do"))};
        const QByteArray bytes = ScalaFile::serialise(u("essai.scl"), u("!Exclamation"), u("Ligne 1\n\nLigne 3"), liste);
        QCOMPARE(QString::fromUtf8(bytes), u("! essai.scl\n!\n! Ligne 1\n!\n! Ligne 3\n!\n !Exclamation\n 3\n!\n"
                                             " 5/4 Mi\n 700.000000 Sol\n 2/1 Do\n"));
        const ScalaFile::ReadResult r = ScalaFile::parse(bytes);
        QVERIFY(r.ok);
        QCOMPARE(r.scale.description, u("!Exclamation"));
        QCOMPARE(r.scale.comments, (QStringList{u("essai.scl"), QString(), u("Ligne 1"), QString(), u("Ligne 3"), QString(),
                                                QString()}));
        // No unison in the list: every interval is a pitch.
        QCOMPARE(ScalaFile::pitches(liste.mid(1)).size(), 3);
        QCOMPARE(QString::fromUtf8(ScalaFile::serialise(u("v.scl"), QString(), QString(), {})),
                 u("! v.scl\n!\n\n 0\n!\n"));
    }

    // Every shipped list, exported then imported, has the same cents within 0.001, in the same
    // order; exported again, the file is the same.
    void listesLivrees_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList shipped = QDir(QStringLiteral("interval_lists")).entryList({QStringLiteral("*.int")}, QDir::Files);
        QVERIFY(shipped.size() >= 11);
        for (const QString &name : shipped)
            QTest::newRow(qPrintable(name)) << QStringLiteral("interval_lists/") + name;
    }
    void listesLivrees()
    {
        QFETCH(QString, path);
        const IntervalListFile::ReadResult list = IntervalListFile::read(path);
        QCOMPARE(list.status, IntervalListFile::ReadStatus::Ok);
        const QList<Interval> &original = list.contents.intervals;
        QTemporaryDir dir;
        const QString scl = dir.filePath(QStringLiteral("export.scl"));
        QString error;
        QVERIFY2(ScalaFile::write(scl, list.contents.title, list.contents.description, original, &error), qPrintable(error));
        const ScalaFile::ReadResult back = ScalaFile::read(scl);
        QVERIFY2(back.ok, qPrintable(back.error));
        QCOMPARE(back.scale.description, list.contents.title);
        QCOMPARE(back.scale.intervals.size(), original.size());
        for (int k = 0; k < original.size(); ++k) {
            QVERIFY2(std::fabs(back.scale.intervals[k].cent - original[k].cent) <= 0.001,
                     qPrintable(QStringLiteral("%1: %2 became %3").arg(original[k].desc).arg(double(original[k].cent), 0, 'f', 6)
                                    .arg(double(back.scale.intervals[k].cent), 0, 'f', 6)));
            // Each description follows its value.
            if (k > 0)
                QVERIFY2(back.scale.intervals[k].desc.endsWith(QLatin1Char(' ') + original[k].desc),
                         qPrintable(back.scale.intervals[k].desc));
        }
        QCOMPARE(ScalaFile::serialise(QStringLiteral("export.scl"), list.contents.title, list.contents.description,
                                      back.scale.intervals),
                 readBytes(scl));
    }

    void ecritureRateeGardeLAncien()
    {
        QTemporaryDir dir;
        const QByteArray old = "! ancien\nAncien\n1\n2/1\n";
        const QString path = writeFile(dir, QStringLiteral("ancien.scl"), old);
        QList<Interval> big;
        for (int k = 0; k < 3000; ++k)
            big << interval(k * 0.4f, 1, u("degré"));
        QString error;
        {
            zibtest::FileSizeLimit limit(4096);
            QVERIFY(!ScalaFile::write(path, u("Nouveau"), QString(), big, &error));
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ancien.scl")});
        error.clear();
        QVERIFY(!ScalaFile::write(dir.filePath(QStringLiteral("absent/l.scl")), u("x"), QString(), big, &error));
        QVERIFY(!error.isEmpty());
    }
    // A full disk at every stage of the file and a folder that cannot be written: the old scale
    // stays byte for byte, nothing is left beside it, the reason is given.
    void ecrituresRatees_data() { zibtest::addFailedWriteRows(); }
    void ecrituresRatees()
    {
        QFETCH(bool, large);
        QList<Interval> liste{interval(0, 1, QString())};
        for (int k = 1; k <= (large ? 4000 : 12); ++k)
            liste << interval(k * 0.3f, 1, u("degré"));
        zibtest::checkFailedWrite(QStringLiteral("gamme.scl"), [&liste](const QString &path) {
            QString error;
            const bool written = ScalaFile::write(path, u("Gamme"), u("une description"), liste, &error);
            return written || error.isEmpty();
        });
    }
};

QTEST_APPLESS_MAIN(TestScalaFile)
#include "tst_scalafile.moc"
