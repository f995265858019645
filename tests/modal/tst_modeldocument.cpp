// The model parameter document and its ".par" file: cells recorded as the table edits them, the
// optional damping coefficients, saving (once-only instructions, old file kept on failure),
// loading (what is refused and what is tolerated), read back by xmllint as well as by the program.

#include "modal/ModelDocument.h"
#include "synth/Modmod.h"
#include "tests/support/FailedWrite.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/XmlReader.h"

#include <QtTest>

using zibtest::xpath;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(content), qint64(content.size()));
}

/// Three modes, a header and the coefficients, as the editor leaves them before a save.
void fill(ModelDocument &d)
{
    const char *const cells[3][3] = {{"1", "0.5", "1"}, {"2.75654", "1.25", "-0.4"}, {"5.40392", "3", "0.125"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            QVERIFY(d.setValue(r, c, QString::fromLatin1(cells[r][c])));
    d.setHeader(QString::fromUtf8("Barre « libre » & <co>"), QString::fromUtf8("Zoé \"Z\""),
                QString::fromUtf8("Première ligne\nseconde ligne, accentuée"));
    d.setCoefficients(true, QStringLiteral("0.500"), QStringLiteral("0.01"), QStringLiteral("0"));
}

int occurrences(const QByteArray &text, const char *what)
{
    return text.count(what);
}

} // namespace

class TestModelDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void emptyModel();
    void cellValues_data();
    void cellValues();
    void weightTypedFirst();
    void rowBeyondTheModesGetsItsOwnElement();
    void removeMode();
    void coefficientsFollowTheBox();
    void savingTwiceAddsTheInstructionsOnce();
    void readBackAsWritten();
    void otherEncodingsAreSavedAsUtf8_data();
    void otherEncodingsAreSavedAsUtf8();
    void failedSaveKeepsTheOldFile();
    void failedWrites_data();
    void failedWrites();
    void refusedFiles_data();
    void refusedFiles();
    void modeCountDiffersFromTheElements();
    void commentsAndOtherElementsAreSkipped();
    void fileWithoutCoefficients();
    void bank();

private:
    QString tempPath(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};

void TestModelDocument::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(zibtest::haveXmllint(), "xmllint is missing: install Debian's libxml2-utils");
}

void TestModelDocument::emptyModel()
{
    ModelDocument d;
    QCOMPARE(d.nbmod(), 0);
    QCOMPARE(d.partielCount(), 0);
    QVERIFY(d.title().isEmpty());
    QVERIFY(d.author().isEmpty());
    QVERIFY(d.description().isEmpty());
    QString a, b, c;
    QVERIFY(!d.coefficients(&a, &b, &c));
    QVERIFY(d.partiel(0).isNull());
    QCOMPARE(d.mode(0).freq, 0.f);
    const QDomElement modes = d.dom().documentElement().firstChildElement(QStringLiteral("modes"));
    QVERIFY(!modes.isNull());
    QVERIFY(!modes.hasAttribute(QStringLiteral("nbmod")));
}

void TestModelDocument::cellValues_data()
{
    QTest::addColumn<int>("colonne");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("stored");

    QTest::newRow("frequency") << 0 << "2.5" << true << "2.5";
    QTest::newRow("frequency, 6 digits") << 0 << "3.14159265" << true << "3.14159";
    QTest::newRow("frequency, small") << 0 << "0.001" << true << "0.001";
    QTest::newRow("frequency, spaces") << 0 << " 4 " << true << "4";
    QTest::newRow("frequency not a number") << 0 << "abc" << false << "";
    QTest::newRow("frequency 0") << 0 << "0" << false << "";
    QTest::newRow("frequency below 0") << 0 << "-1" << false << "";
    QTest::newRow("frequency empty") << 0 << "" << false << "";
    QTest::newRow("frequency infinite") << 0 << "inf" << false << "";
    QTest::newRow("frequency beyond a float") << 0 << "1e40" << false << "";
    QTest::newRow("frequency with a comma") << 0 << "1,5" << false << "";
    QTest::newRow("damping") << 1 << "2" << true << "2";
    QTest::newRow("damping 0") << 1 << "0" << true << "0";
    QTest::newRow("damping below 0") << 1 << "-0.5" << false << "";
    QTest::newRow("damping not a number") << 1 << "nan" << false << "";
    QTest::newRow("weight below 0") << 2 << "-3" << true << "-3";
    QTest::newRow("weight 0") << 2 << "0" << true << "0";
    QTest::newRow("weight, exponent") << 2 << "1e-7" << true << "1e-07";
    QTest::newRow("weight not a number") << 2 << "abc" << false << "";
    QTest::newRow("weight infinite") << 2 << "-inf" << false << "";
}

void TestModelDocument::cellValues()
{
    QFETCH(int, colonne);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, stored);

    static const char *const attributes[3] = {"freq", "amort", "poids"};
    ModelDocument d;
    QCOMPARE(d.setValue(0, colonne, text), accepted);
    // The row's element exists either way: the replacement goes into it.
    QCOMPARE(d.nbmod(), 1);
    QCOMPARE(d.partielCount(), 1);
    const QDomElement p = d.partiel(0);
    QCOMPARE(p.hasAttribute(QLatin1String(attributes[colonne])), accepted);
    QCOMPARE(p.attribute(QLatin1String(attributes[colonne])), stored);
    if (!accepted) {
        QVERIFY(d.setValue(0, colonne, ModelDocument::replacement(colonne)));
        QCOMPARE(p.attribute(QLatin1String(attributes[colonne])), colonne == 1 ? QStringLiteral("0") : QStringLiteral("1"));
    }
}

void TestModelDocument::weightTypedFirst()
{
    ModelDocument d;
    fill(d);
    QVERIFY(d.setValue(3, ModelDocument::Weight, QStringLiteral("0.75")));
    QCOMPARE(d.nbmod(), 4);
    QCOMPARE(d.partielCount(), 4);
    const QDomNamedNodeMap attributes = d.partiel(3).attributes();
    QCOMPARE(attributes.count(), 1);
    QCOMPARE(d.partiel(3).attribute(QStringLiteral("poids")), QStringLiteral("0.75"));
    // The modes before it are untouched.
    QCOMPARE(d.mode(2).freq, 5.40392f);
}

// A cell typed in the second of two added rows, before the first: the value lands in its own
// element, not in the first row's, and the row between stays an empty element.
void TestModelDocument::rowBeyondTheModesGetsItsOwnElement()
{
    ModelDocument d;
    QVERIFY(d.setValue(0, ModelDocument::Frequency, QStringLiteral("1")));
    QVERIFY(d.setValue(2, ModelDocument::Frequency, QStringLiteral("3")));
    QCOMPARE(d.nbmod(), 3);
    QCOMPARE(d.partielCount(), 3);
    QCOMPARE(d.mode(2).freq, 3.f);
    QVERIFY(!d.partiel(1).hasAttribute(QStringLiteral("freq")));
    QVERIFY(d.setValue(1, ModelDocument::Frequency, QStringLiteral("2")));
    QCOMPARE(d.nbmod(), 3);
    QCOMPARE(d.mode(1).freq, 2.f);
    QVERIFY(d.setValue(-1, 0, QStringLiteral("9")));
    QVERIFY(d.setValue(0, 3, QStringLiteral("9")));
    QCOMPARE(d.partielCount(), 3);
}

void TestModelDocument::removeMode()
{
    ModelDocument d;
    fill(d);
    d.removeMode(1);
    QCOMPARE(d.nbmod(), 2);
    QCOMPARE(d.partielCount(), 2);
    QCOMPARE(d.mode(0).freq, 1.f);
    QCOMPARE(d.mode(1).freq, 5.40392f);
    // A row that never got a mode (added, not typed into) leaves the count alone.
    d.removeMode(2);
    QCOMPARE(d.nbmod(), 2);
    QCOMPARE(d.partielCount(), 2);
    d.removeMode(-1);
    QCOMPARE(d.nbmod(), 2);
    d.removeMode(0);
    d.removeMode(0);
    QCOMPARE(d.nbmod(), 0);
    QCOMPARE(d.partielCount(), 0);
}

void TestModelDocument::coefficientsFollowTheBox()
{
    ModelDocument d;
    fill(d);
    const QDomElement root = d.dom().documentElement();
    QCOMPARE(root.childNodes().item(2).nodeName(), QStringLiteral("amort"));
    QString a, b, c;
    QVERIFY(d.coefficients(&a, &b, &c));
    QCOMPARE(QStringList({a, b, c}), QStringList({"0.500", "0.01", "0"}));

    // Set again in place, not added twice.
    d.setCoefficients(true, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    QCOMPARE(d.dom().elementsByTagName(QStringLiteral("amort")).count(), 1);
    QVERIFY(d.coefficients(&a, &b, &c));
    QCOMPARE(QStringList({a, b, c}), QStringList({"1", "2", "3"}));

    const QString path = tempPath("coefficients.par");
    d.setCoefficients(false, QString(), QString(), QString());
    QVERIFY(!d.coefficients(&a, &b, &c));
    QVERIFY(d.save(path));
    QCOMPARE(xpath(path, QStringLiteral("count(/modele/amort)")), QStringLiteral("0"));
    QCOMPARE(xpath(path, QStringLiteral("count(/modele/*)")), QStringLiteral("2"));

    d.setCoefficients(true, QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"));
    QVERIFY(d.save(path));
    QCOMPARE(xpath(path, QStringLiteral("name(/modele/*[3])")), QStringLiteral("amort"));
    QCOMPARE(xpath(path, QStringLiteral("name(/modele/amort/preceding-sibling::*[1])")), QStringLiteral("modes"));
    QCOMPARE(xpath(path, QStringLiteral("/modele/amort/@coeff1")), QStringLiteral("5"));
}

void TestModelDocument::savingTwiceAddsTheInstructionsOnce()
{
    ModelDocument d;
    fill(d);
    const QString path = tempPath("deux.par");
    QVERIFY(d.save(path));
    const QByteArray first = readAll(path);
    QVERIFY2(first.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<?xml-stylesheet href=\"synthmod.xsl\" type=\"text/xsl\"?>\n<modele>"),
             first.constData());
    QVERIFY(d.save(path));
    const QByteArray second = readAll(path);
    QCOMPARE(occurrences(second, "<?xml "), 1);
    QCOMPARE(occurrences(second, "<?xml-stylesheet"), 1);
    QCOMPARE(second, first);
    QCOMPARE(xpath(path, QStringLiteral("count(/processing-instruction('xml-stylesheet'))")), QStringLiteral("1"));
    // Indented by two spaces.
    QVERIFY(second.contains("\n  <modes nbmod=\"3\">\n    <partiel "));
}

// What is written is what is read: by the program, and by xmllint.
void TestModelDocument::readBackAsWritten()
{
    ModelDocument d;
    fill(d);
    const QString path = tempPath("relu.par");
    QVERIFY(d.save(path));

    QCOMPARE(xpath(path, QStringLiteral("/modele/entete/@titre")), QString::fromUtf8("Barre « libre » & <co>"));
    QCOMPARE(xpath(path, QStringLiteral("/modele/entete/@auteur")), QString::fromUtf8("Zoé \"Z\""));
    QCOMPARE(xpath(path, QStringLiteral("/modele/entete/desc")), QString::fromUtf8("Première ligne\nseconde ligne, accentuée"));
    QCOMPARE(xpath(path, QStringLiteral("/modele/modes/@nbmod")), QStringLiteral("3"));
    QCOMPARE(xpath(path, QStringLiteral("count(/modele/modes/partiel)")), QStringLiteral("3"));
    QCOMPARE(xpath(path, QStringLiteral("/modele/modes/partiel[2]/@freq")), QStringLiteral("2.75654"));
    QCOMPARE(xpath(path, QStringLiteral("/modele/modes/partiel[2]/@amort")), QStringLiteral("1.25"));
    QCOMPARE(xpath(path, QStringLiteral("/modele/modes/partiel[2]/@poids")), QStringLiteral("-0.4"));
    QCOMPARE(xpath(path, QStringLiteral("/modele/amort/@coeff0")), QStringLiteral("0.500"));

    ModelDocument read;
    QCOMPARE(read.load(path), ModelDocument::Loaded);
    QCOMPARE(read.title(), d.title());
    QCOMPARE(read.author(), d.author());
    QCOMPARE(read.description(), d.description());
    QCOMPARE(read.nbmod(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(read.mode(i).freq, d.mode(i).freq);
        QCOMPARE(read.mode(i).amort, d.mode(i).amort);
        QCOMPARE(read.mode(i).poids, d.mode(i).poids);
    }
    QString a, b, c;
    QVERIFY(read.coefficients(&a, &b, &c));
    QCOMPARE(QStringList({a, b, c}), QStringList({"0.500", "0.01", "0"}));
    const QString again = tempPath("relu2.par");
    QVERIFY(read.save(again));
    QCOMPARE(readAll(again), readAll(path));
}

void TestModelDocument::otherEncodingsAreSavedAsUtf8_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::newRow("ISO-8859-1") << QByteArray("ISO-8859-1");
    QTest::newRow("CP949") << QByteArray("CP949");
    QTest::newRow("windows-1252") << QByteArray("windows-1252");
}

// Found by fuzzing the reader: a model read from a file declared in another encoding was saved in
// that encoding, every character it lacks becoming '?'. Saved again, it is UTF-8, declared so,
// and nothing is lost.
void TestModelDocument::otherEncodingsAreSavedAsUtf8()
{
    QFETCH(QByteArray, encoding);
    const QString path = tempPath("encodage.par");
    // Plain ASCII in every one of them; the accents come as character references.
    write(path, "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n<modele><entete titre=\"Zo&#233;\" "
                "auteur=\"&#8364;\"><desc>0.8 s&#8315;&#185; &#171;&#160;corde&#160;&#187;</desc></entete>"
                "<modes nbmod=\"1\"><partiel freq=\"1\" amort=\"0.8\" poids=\"1\"/></modes></modele>\n");
    ModelDocument d;
    QCOMPARE(d.load(path), ModelDocument::Loaded);
    const QString description = QString::fromUtf8("0.8 s\u207B\u00B9 \u00AB\u00A0corde\u00A0\u00BB");
    QCOMPARE(d.description(), description);
    const QString saved = tempPath("encodage-utf8.par");
    QVERIFY(d.save(saved));
    const QByteArray bytes = readAll(saved);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
    QCOMPARE(xpath(saved, QStringLiteral("/modele/entete/desc")), description);
    QCOMPARE(xpath(saved, QStringLiteral("/modele/entete/@titre")), QString::fromUtf8("Zo\u00E9"));
    QCOMPARE(xpath(saved, QStringLiteral("/modele/entete/@auteur")), QString::fromUtf8("\u20AC"));
    ModelDocument again;
    QCOMPARE(again.load(saved), ModelDocument::Loaded);
    QCOMPARE(again.description(), description);
    QCOMPARE(again.author(), QString::fromUtf8("\u20AC"));
}

void TestModelDocument::failedSaveKeepsTheOldFile()
{
    const QString path = tempPath("ancien.par");
    const QByteArray oldContent("<modele>ancien contenu</modele>\n");
    write(path, oldContent);
    ModelDocument d;
    fill(d);
    {
        // The model takes some 500 bytes; 100 may be written.
        zibtest::FileSizeLimit limit(100);
        QVERIFY(!d.save(path));
    }
    QCOMPARE(readAll(path), oldContent);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("ancien.par*")}, QDir::Files), QStringList{"ancien.par"});
    QVERIFY(!d.save(tempPath("pas/de/dossier.par")));
    // Nothing was lost: the next save writes the whole model.
    QVERIFY(d.save(path));
    QCOMPARE(xpath(path, QStringLiteral("/modele/modes/@nbmod")), QStringLiteral("3"));
}

void TestModelDocument::failedWrites_data()
{
    zibtest::addFailedWriteRows();
}

// A full disk at every stage of the file, and a folder that cannot be written.
void TestModelDocument::failedWrites()
{
    QFETCH(bool, large);
    ModelDocument d;
    for (int r = 0; r < (large ? 1500 : 40); ++r) {
        QVERIFY(d.setValue(r, ModelDocument::Frequency, QString::number(1 + r * 0.37)));
        QVERIFY(d.setValue(r, ModelDocument::Damping, QString::number(r * 0.1)));
        QVERIFY(d.setValue(r, ModelDocument::Weight, QString::number(1.0 / (r + 1))));
    }
    zibtest::checkFailedWrite(QStringLiteral("grand.par"), [&d](const QString &path) { return d.save(path); });
}

void TestModelDocument::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("result");

    QTest::newRow("not XML") << QByteArray("freq=1 amort=0") << int(ModelDocument::NotParsed);
    QTest::newRow("cut short") << QByteArray("<modele><entete><desc>x</desc></entete><modes nbmod=\"1\">")
                               << int(ModelDocument::NotParsed);
    QTest::newRow("an interval list") << QByteArray("<intervalList><entete/><modes/></intervalList>")
                                      << int(ModelDocument::NotParsed);
    QTest::newRow("no modes") << QByteArray("<modele><entete><desc/></entete></modele>") << int(ModelDocument::NotParsed);
    QTest::newRow("modes first") << QByteArray("<modele><modes/><entete><desc/></entete></modele>")
                                 << int(ModelDocument::NotParsed);
    QTest::newRow("negative count") << QByteArray("<modele><entete><desc/></entete><modes nbmod=\"-1\"/></modele>")
                                    << int(ModelDocument::NotParsed);
    QTest::newRow("absurd count") << QByteArray("<modele><entete><desc/></entete><modes nbmod=\"2000000000\"/></modele>")
                                  << int(ModelDocument::NotParsed);
    // Found by fuzzing: Qt's parser recursed once per level until the stack overflowed.
    QTest::newRow("nested 60000 deep") << "<modele><entete><desc>" + QByteArray("<a>").repeated(60000)
                                              + QByteArray("</a>").repeated(60000) + "</desc></entete><modes/></modele>"
                                       << int(ModelDocument::NotParsed);
    QTest::newRow("missing file") << QByteArray() << int(ModelDocument::NotOpened);
}

// A refused file leaves the document as it was.
void TestModelDocument::refusedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(int, result);
    const QString path = tempPath("refuse.par");
    QFile::remove(path);
    if (result != ModelDocument::NotOpened)
        write(path, content);
    ModelDocument d;
    fill(d);
    QCOMPARE(int(d.load(path)), result);
    QCOMPARE(d.nbmod(), 3);
    QCOMPARE(d.mode(1).freq, 2.75654f);
    QCOMPARE(d.title(), QString::fromUtf8("Barre « libre » & <co>"));
    QVERIFY(d.setValue(3, 0, QStringLiteral("7")));
    QCOMPARE(d.nbmod(), 4);
}

void TestModelDocument::modeCountDiffersFromTheElements()
{
    const QString path = tempPath("inexact.par");
    write(path, "<modele><entete titre=\"t\" auteur=\"a\"><desc>d</desc></entete>"
                   "<modes nbmod=\"3\"><partiel freq=\"1\" amort=\"2\" poids=\"3\"/>"
                   "<partiel freq=\"2\" amort=\"0\" poids=\"1\"/></modes></modele>");
    ModelDocument d;
    QCOMPARE(d.load(path), ModelDocument::Loaded);
    QCOMPARE(d.nbmod(), 3);
    QCOMPARE(d.partielCount(), 2);
    std::unique_ptr<Modmod> bank(d.createModmod(nullptr));
    QCOMPARE(bank->nbMod, 3);
    QCOMPARE(bank->freq[1], 2.f);
    // The missing mode is silent: 0 for its ratio, damping and weight.
    QCOMPARE(bank->freq[2], 0.f);
    QCOMPARE(bank->amort[2], 0.f);
    QCOMPARE(bank->poids[2], 0.f);
}

void TestModelDocument::commentsAndOtherElementsAreSkipped()
{
    const QString path = tempPath("commentaires.par");
    write(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- un modèle -->\n<modele>\n"
                   "  <!-- en-tête -->\n  <entete titre=\"t\" auteur=\"a\"><desc>d</desc></entete>\n"
                   "  <modes nbmod=\"2\"><!-- premier --><partiel freq=\"1\" amort=\"0\" poids=\"1\"/>\n"
                   "  <note/><partiel freq=\"3\" amort=\"0\" poids=\"1\"/></modes>\n"
                   "  <!-- fin --><amort coeff0=\"1\" coeff1=\"2\" coeff2=\"3\"/>\n</modele>\n");
    ModelDocument d;
    QCOMPARE(d.load(path), ModelDocument::Loaded);
    QCOMPARE(d.title(), QStringLiteral("t"));
    QCOMPARE(d.partielCount(), 2);
    QCOMPARE(d.mode(1).freq, 3.f);
    QString a, b, c;
    QVERIFY(d.coefficients(&a, &b, &c));
    QCOMPARE(c, QStringLiteral("3"));
}

void TestModelDocument::fileWithoutCoefficients()
{
    const QString path = tempPath("sanscoeff.par");
    ModelDocument written;
    fill(written);
    written.setCoefficients(false, QString(), QString(), QString());
    QVERIFY(written.save(path));
    ModelDocument d;
    QCOMPARE(d.load(path), ModelDocument::Loaded);
    QString a = QStringLiteral("x"), b = QStringLiteral("y"), c = QStringLiteral("z");
    QVERIFY(!d.coefficients(&a, &b, &c));
    QCOMPARE(QStringList({a, b, c}), QStringList({"x", "y", "z"}));
}

void TestModelDocument::bank()
{
    ModelDocument d;
    fill(d);
    std::unique_ptr<Modmod> plain(d.createModmod(nullptr));
    QCOMPARE(plain->nbMod, 3);
    QCOMPARE(plain->typeAmort, 0);
    QVERIFY(plain->coeffs.isEmpty());
    QCOMPARE(plain->freq[1], 2.75654f);
    QCOMPARE(plain->amort[1], 1.25f);
    QCOMPARE(plain->poids[1], -0.4f);

    const DampingLaw law(0.5f, 0.01f, 0.0002f);
    std::unique_ptr<Modmod> withLaw(d.createModmod(&law));
    QCOMPARE(withLaw->typeAmort, 1);
    QCOMPARE(withLaw->coeffs, QVector<float>({0.5f, 0.01f, 0.0002f}));
    // At synthesis the law takes the frequency in Hz: mode 2 at 100 Hz is 275.654 Hz.
    withLaw->calcAmort(100.f);
    QVERIFY(std::fabs(withLaw->amort[1] - (0.5f + 0.01f * 275.654f + 0.0002f * 275.654f * 275.654f)) < 1e-3f);

    ModelDocument empty;
    std::unique_ptr<Modmod> none(empty.createModmod(nullptr));
    QCOMPARE(none->nbMod, 0);
}

QTEST_GUILESS_MAIN(TestModelDocument)
#include "tst_modeldocument.moc"
