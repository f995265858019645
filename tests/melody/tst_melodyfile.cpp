// The melody file: what the writer produces, what the permissive reader makes of hand-written
// files, and the failures that leave everything as it was.

#include "melody/MelodyFile.h"

#include "tests/support/FailedWrite.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray melody(const char *music, const char *header = "<header title=\"T\" composer=\"C\"/>")
{
    return QByteArray("<melody>") + header + "<music>" + music + "</music></melody>";
}

MelodyDocument parsed(const QByteArray &xml)
{
    MelodyDocument doc;
    if (parseMelody(xml, &doc) != MelodyReadStatus::Ok)
        qFatal("not parsed: %s", xml.constData());
    return doc;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestMelodyFile : public QObject
{
    Q_OBJECT

private slots:
    void writtenDocument();
    void writeThenRead();
    void missingAttributes_data();
    void missingAttributes();
    void missingDatesFollowOn();
    void commentsAndAttributeOrder();
    void headerAndPointsAnywhere();
    void readFailures();
    void failedWriteKeepsTheFile();
    void tooDeepIsMalformed();
    void failedWrites_data();
    void failedWrites();
};

// The declaration, the stylesheet, and the two levels of the root, indented by 2.
void TestMelodyFile::writtenDocument()
{
    MelodyDocument m;
    m.title = QStringLiteral("Air");
    m.composer = QStringLiteral("Anonyme");
    m.description = QStringLiteral("ligne 1\nligne 2");
    m.points = {{QStringLiteral("0.5"), QStringLiteral("1")}};
    m.notes = {{QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("-1"), QStringLiteral("1.33333"),
                QStringLiteral("0.8")}};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("air.mel"));
    QVERIFY(writeMelodyFile(path, melodyDom(m)));
    const QString text = QString::fromUtf8(readAll(path));
    QVERIFY2(text.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                            "<?xml-stylesheet href=\"melody.xsl\" type=\"text/xsl\"?>\n<melody>\n"
                                            "  <header ")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("\n    <description>ligne 1\nligne 2</description>\n")));
    QVERIFY(text.contains(QStringLiteral("\n  <music>\n    <note ")));

    // An independent look at the elements.
    QDomDocument doc;
    QVERIFY(doc.setContent(text));
    const QDomElement root = doc.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("melody"));
    QCOMPARE(root.childNodes().count(), 2);
    const QDomElement header = root.firstChildElement();
    QCOMPARE(header.tagName(), QStringLiteral("header"));
    QCOMPARE(header.attribute(QStringLiteral("title")), QStringLiteral("Air"));
    QCOMPARE(header.attribute(QStringLiteral("composer")), QStringLiteral("Anonyme"));
    QCOMPARE(header.firstChildElement().tagName(), QStringLiteral("description"));
    const QDomElement point = header.firstChildElement(QStringLiteral("enveloppe")).firstChildElement();
    QCOMPARE(point.tagName(), QStringLiteral("point"));
    QCOMPARE(point.attribute(QStringLiteral("time")), QStringLiteral("0.5"));
    const QDomElement note = root.lastChildElement().firstChildElement();
    QCOMPARE(root.lastChildElement().tagName(), QStringLiteral("music"));
    QCOMPARE(note.attribute(QStringLiteral("deg")), QStringLiteral("3"));
    QCOMPARE(note.attribute(QStringLiteral("oct")), QStringLiteral("-1"));
    QCOMPARE(note.attribute(QStringLiteral("dur")), QStringLiteral("1.33333"));
}

void TestMelodyFile::writeThenRead()
{
    MelodyDocument m;
    m.title = QString::fromUtf8("Gamme « juste »");
    m.composer = QStringLiteral("Z & B <test>");
    m.description = QString::fromUtf8("Pour la liste par défaut\navec deux lignes");
    m.points = {{QStringLiteral("0"), QStringLiteral("0.2")}, {QStringLiteral("0.1"), QStringLiteral("1")},
                {QStringLiteral("1"), QStringLiteral("0.2")}};
    for (int i = 0; i < 5; ++i)
        m.notes.append({QString::number(i * 0.5), QString::number(i), QString::number(i - 2), QStringLiteral("0.5"),
                        QStringLiteral("1")});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sans extension"));
    QVERIFY(writeMelodyFile(path, melodyDom(m)));
    QVERIFY(QFile::exists(path));

    MelodyDocument back;
    QCOMPARE(readMelodyFile(path, &back), MelodyReadStatus::Ok);
    QCOMPARE(back.title, m.title);
    QCOMPARE(back.composer, m.composer);
    QCOMPARE(back.description, m.description);
    QCOMPARE(back.points.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(back.points[i].time, m.points[i].time);
        QCOMPARE(back.points[i].ampl, m.points[i].ampl);
    }
    QCOMPARE(back.notes.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(back.notes[i].date, m.notes[i].date);
        QCOMPARE(back.notes[i].deg, m.notes[i].deg);
        QCOMPARE(back.notes[i].oct, m.notes[i].oct);
        QCOMPARE(back.notes[i].dur, m.notes[i].dur);
        QCOMPARE(back.notes[i].ampl, m.notes[i].ampl);
    }
}

void TestMelodyFile::missingAttributes_data()
{
    QTest::addColumn<QByteArray>("note");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("deg");
    QTest::addColumn<QString>("oct");
    QTest::addColumn<QString>("dur");
    QTest::addColumn<QString>("ampl");

    QTest::newRow("complete") << QByteArray("<note date=\"2\" deg=\"4\" oct=\"1\" dur=\"0.5\" ampl=\"0.3\"/>") << "2"
                              << "4" << "1" << "0.5" << "0.3";
    QTest::newRow("empty") << QByteArray("<note/>") << "0" << "?" << "0" << "1" << "1";
    QTest::newRow("without deg") << QByteArray("<note date=\"1\" oct=\"3\"/>") << "1" << "?" << "3" << "1" << "1";
    QTest::newRow("date 2000 kept") << QByteArray("<note date=\"2000\" deg=\"7\"/>") << "2000" << "7" << "0" << "1"
                                    << "1";
    // Any node but a comment is a note, whatever its name.
    QTest::newRow("another name") << QByteArray("<n deg=\"1\"/>") << "0" << "1" << "0" << "1" << "1";
}

void TestMelodyFile::missingAttributes()
{
    QFETCH(QByteArray, note);
    const MelodyDocument doc = parsed(melody(note.constData()));
    QCOMPARE(doc.notes.size(), 1);
    QTEST(doc.notes[0].date, "date");
    QTEST(doc.notes[0].deg, "deg");
    QTEST(doc.notes[0].oct, "oct");
    QTEST(doc.notes[0].dur, "dur");
    QTEST(doc.notes[0].ampl, "ampl");
}

// A note without date starts where the previous one ends, with 6 significant digits.
void TestMelodyFile::missingDatesFollowOn()
{
    const MelodyDocument doc = parsed(melody("<note dur=\"1.5\"/><note/><note date=\"10\" dur=\"0.333333\"/>"
                                             "<note/><note dur=\"abc\"/><note/>"));
    QCOMPARE(doc.notes.size(), 6);
    QCOMPARE(doc.notes[0].date, QStringLiteral("0"));
    QCOMPARE(doc.notes[1].date, QStringLiteral("1.5"));
    QCOMPARE(doc.notes[2].date, QStringLiteral("10"));
    QCOMPARE(doc.notes[3].date, QStringLiteral("10.3333"));
    // A duration that is no number counts as 0.
    QCOMPARE(doc.notes[5].date, doc.notes[4].date);
}

void TestMelodyFile::commentsAndAttributeOrder()
{
    const MelodyDocument doc = parsed(melody("<!-- first --><note ampl=\"0.5\" dur=\"2\" oct=\"-1\" deg=\"2\" date=\"1\"/>"
                                             "<!-- between --><!-- twice --><note date=\"4\"/><!-- last -->"));
    QCOMPARE(doc.notes.size(), 2);
    QCOMPARE(doc.notes[0].date, QStringLiteral("1"));
    QCOMPARE(doc.notes[0].deg, QStringLiteral("2"));
    QCOMPARE(doc.notes[0].oct, QStringLiteral("-1"));
    QCOMPARE(doc.notes[0].dur, QStringLiteral("2"));
    QCOMPARE(doc.notes[0].ampl, QStringLiteral("0.5"));
    QCOMPARE(doc.notes[1].date, QStringLiteral("4"));
}

// The header and the first point are found anywhere; the points are the first one and its
// following siblings; the notes are in the root's second child, whatever its name.
void TestMelodyFile::headerAndPointsAnywhere()
{
    const QByteArray xml = "<melody><a><b><header title=\"Loin\" composer=\"X\"/><description>D</description>"
                           "<point time=\"0.2\" ampl=\"1\"/><point ampl=\"0.5\"/><p time=\"0.9\"/></b></a>"
                           "<musique><note deg=\"1\"/></musique><music><note/><note/></music></melody>";
    const MelodyDocument doc = parsed(xml);
    QCOMPARE(doc.title, QStringLiteral("Loin"));
    QCOMPARE(doc.composer, QStringLiteral("X"));
    QCOMPARE(doc.description, QStringLiteral("D"));
    QCOMPARE(doc.points.size(), 3);
    QCOMPARE(doc.points[1].time, QString());
    QCOMPARE(doc.points[1].ampl, QStringLiteral("0.5"));
    QCOMPARE(doc.points[2].time, QStringLiteral("0.9"));
    QCOMPARE(doc.points[2].ampl, QString());
    QCOMPARE(doc.notes.size(), 1);
    QCOMPARE(doc.notes[0].deg, QStringLiteral("1"));

    const MelodyDocument bare = parsed("<melody/>");
    QVERIFY(bare.title.isEmpty());
    QVERIFY(bare.points.isEmpty());
    QVERIFY(bare.notes.isEmpty());
}

void TestMelodyFile::readFailures()
{
    QTemporaryDir dir;
    MelodyDocument doc;
    doc.title = QStringLiteral("avant");
    QCOMPARE(readMelodyFile(dir.filePath(QStringLiteral("absent.mel")), &doc), MelodyReadStatus::Missing);

    const QString broken = dir.filePath(QStringLiteral("broken.mel"));
    QFile f(broken);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<melody><header></melody>");
    f.close();
    QCOMPARE(readMelodyFile(broken, &doc), MelodyReadStatus::Malformed);

    // A folder exists but cannot be read as a file.
    QCOMPARE(readMelodyFile(dir.path(), &doc), MelodyReadStatus::Unreadable);
    QCOMPARE(doc.title, QStringLiteral("avant"));
}

void TestMelodyFile::failedWriteKeepsTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("garde.mel"));
    MelodyDocument m;
    m.title = QStringLiteral("premier");
    QVERIFY(writeMelodyFile(path, melodyDom(m)));
    const QByteArray before = readAll(path);
    QVERIFY(!before.isEmpty());

    // A disk that takes no more than a few hundred bytes per file, for root too: the long
    // document cannot be written whole.
    for (int i = 0; i < 200; ++i)
        m.notes.append({QString::number(i), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"),
                        QStringLiteral("1")});
    m.title = QStringLiteral("second");
    struct rlimit old;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = rlim_t(before.size() + 100);
    const sighandler_t handler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = writeMelodyFile(path, melodyDom(m), &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("garde.mel")});

    QVERIFY(!writeMelodyFile(dir.filePath(QStringLiteral("absent/x.mel")), melodyDom(m), &error));
    QVERIFY(!error.isEmpty());
}

// Found by fuzzing: Qt's parser recursed once per level until the stack overflowed.
void TestMelodyFile::tooDeepIsMalformed()
{
    MelodyDocument doc;
    doc.title = QStringLiteral("avant");
    const QByteArray deep = QByteArray("<a>").repeated(60000) + QByteArray("</a>").repeated(60000);
    const QByteArray header = "<header title=\"T\"><description>" + deep + "</description></header>";
    QCOMPARE(parseMelody(melody("<note/>", header.constData()), &doc), MelodyReadStatus::Malformed);
    QCOMPARE(doc.title, QStringLiteral("avant"));
    // Nesting a file of the program's own never reaches is still read.
    const QByteArray shallow = "<header title=\"T\"><description>" + QByteArray("<b>").repeated(100) + "x" +
                               QByteArray("</b>").repeated(100) + "</description></header>";
    QCOMPARE(parseMelody(melody("<note/>", shallow.constData()), &doc), MelodyReadStatus::Ok);
    QCOMPARE(doc.description, QStringLiteral("x"));
}

void TestMelodyFile::failedWrites_data()
{
    zibtest::addFailedWriteRows();
}

// A full disk at every stage of the file, and a folder that cannot be written.
void TestMelodyFile::failedWrites()
{
    QFETCH(bool, large);
    MelodyDocument m;
    m.title = QStringLiteral("longue");
    for (int i = 0; i < (large ? 1500 : 40); ++i)
        m.notes.append({QString::number(i * 0.5), QString::number(i % 7), QStringLiteral("0"), QStringLiteral("0.5"),
                        QStringLiteral("0.8")});
    const QDomDocument doc = melodyDom(m);
    zibtest::checkFailedWrite(QStringLiteral("air.mel"), [&doc](const QString &path) {
        QString error;
        const bool written = writeMelodyFile(path, doc, &error);
        return written || error.isEmpty();
    });
}

QTEST_GUILESS_MAIN(TestMelodyFile)
#include "tst_melodyfile.moc"
