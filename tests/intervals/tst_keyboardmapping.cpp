// The Scala keyboard mapping: its fields read, its refusals with their lines, the frequency of
// degree 0 it gives a scale, and the mapping the export writes, read back.

#include "intervals/KeyboardMapping.h"
#include "intervals/ScalaFile.h"
#include "tests/support/FailedWrite.h"

#include <QtTest>

#include <cmath>
#include <random>

namespace {

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

/// The pitches above 1/1 of a scale given in Scala's own words.
QList<Interval> scale(const QByteArray &pitchLines, int count)
{
    const ScalaFile::ReadResult r = ScalaFile::parse("s\n" + QByteArray::number(count) + "\n" + pitchLines);
    if (!r.ok)
        qFatal("%s", qPrintable(r.error));
    return ScalaFile::pitches(r.scale.intervals);
}

QList<Interval> equal12()
{
    QByteArray lines;
    for (int k = 1; k <= 12; ++k)
        lines += QByteArray::number(k * 100) + ".0\n";
    return scale(lines, 12);
}

QList<Interval> just12()
{
    return scale("16/15\n9/8\n6/5\n5/4\n4/3\n45/32\n3/2\n8/5\n5/3\n9/5\n15/8\n2/1\n", 12);
}

QByteArray mapping(const QByteArray &fields, const QByteArray &entries)
{
    return "! m.kbm\n! Size of map\n" + fields + "! Mapping\n" + entries;
}

} // namespace

class TestKeyboardMapping : public QObject
{
    Q_OBJECT

private slots:
    void champs()
    {
        const KeyboardMapping::ReadResult r = KeyboardMapping::parse(
            "! a.kbm\r\n!\r\n  12  \r\n 0\r\n127 last\r\n60\r\n\r\n   ! indented comment\r\n69\r\n440.0 Hz\r\n12\r\n"
            "0\r\n1\r\nx\r\n3\r\nX\r\n");
        QVERIFY2(r.ok, qPrintable(r.error));
        const KeyboardMapping &m = r.mapping;
        QCOMPARE(m.mapSize, 12);
        QCOMPARE(m.firstNote, 0);
        QCOMPARE(m.lastNote, 127);
        QCOMPARE(m.middleNote, 60);
        QCOMPARE(m.referenceNote, 69);
        QCOMPARE(m.referenceFrequency, 440.0);
        QCOMPARE(m.octaveDegree, 12);
        QCOMPARE(m.mapping, (QVector<int>{0, 1, -1, 3, -1}));
    }

    void refus_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QByteArray() << u("Ligne 1 : la taille de la table manque");
        QTest::newRow("no frequency") << QByteArray("! m\n12\n0\n127\n60\n69\n") << u("Ligne 7 : la fréquence de référence manque");
        QTest::newRow("no octave degree") << QByteArray("12\n0\n127\n60\n69\n440\n") << u("Ligne 7 : le degré de l'octave manque");
        QTest::newRow("size not a number") << QByteArray("douze\n") << u("Ligne 1 : « douze » n'est pas un nombre entier (la taille de la table)");
        QTest::newRow("negative size") << QByteArray("-1\n") << u("Ligne 1 : la taille de la table vaut -1, hors de 0 … 10000");
        QTest::newRow("note 128") << mapping("12\n0\n128\n", "") << u("Ligne 5 : la dernière note vaut 128, hors de 0 … 127");
        QTest::newRow("last before first") << QByteArray("12\n64\n63\n") << u("Ligne 3 : la dernière note (63) est avant la première (64)");
        QTest::newRow("a fraction of a note") << QByteArray("12\n0\n127\n60.5\n") << u("Ligne 4 : « 60.5 » n'est pas un nombre entier (la note centrale)");
        QTest::newRow("huge reference note") << QByteArray("12\n0\n127\n60\n99999999999999999999\n")
                                             << u("Ligne 5 : la note de référence vaut 99999999999999999999, hors de 0 … 127");
        QTest::newRow("frequency 0") << QByteArray("12\n0\n127\n60\n69\n0.0\n") << u("Ligne 6 : la fréquence de référence vaut 0.0 Hz, hors de 0 … 1000000 Hz");
        QTest::newRow("negative frequency") << QByteArray("12\n0\n127\n60\n69\n-440\n") << u("Ligne 6 : la fréquence de référence vaut -440 Hz, hors de 0 … 1000000 Hz");
        QTest::newRow("frequency a word") << QByteArray("12\n0\n127\n60\n69\nla\n") << u("Ligne 6 : « la » n'est pas une fréquence (la fréquence de référence)");
        QTest::newRow("frequency two points") << QByteArray("12\n0\n127\n60\n69\n4.4.0\n") << u("Ligne 6 : « 4.4.0 » n'est pas une fréquence (la fréquence de référence)");
        QTest::newRow("an entry neither") << QByteArray("2\n0\n127\n60\n60\n440\n2\n0\ny\n") << u("Ligne 9 : « y » n'est ni un degré ni « x »");
        QTest::newRow("negative degree") << QByteArray("2\n0\n127\n60\n60\n440\n2\n-1\n") << u("Ligne 8 : le degré -1 sort de 0 … 1000000");
        QTest::newRow("one entry too many") << QByteArray("2\n0\n127\n60\n60\n440\n2\n0\n1\n2\n") << u("Ligne 10 : entrée de trop : la table en a 2");
        QTest::newRow("entries for a linear map") << QByteArray("0\n0\n127\n60\n60\n440\n0\n0\n") << u("Ligne 8 : entrée de trop : la table en a 0");
        QTest::newRow("line too long") << QByteArray("12 ") + QByteArray(70000, '!') + "\n"
                                       << u("Ligne 1 : ligne trop longue (plus de 65536 caractères)");
    }
    void refus()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        const KeyboardMapping::ReadResult r = KeyboardMapping::parse(text);
        QVERIFY(!r.ok);
        QCOMPARE(r.error, error);
    }

    void octetsQuelconques()
    {
        std::mt19937 random(1523);
        const QByteArray valid = "! v.kbm\n12\n0\n127\n60\n69\n440.0\n12\n0\n1\n2\nx\n4\n5\n6\n7\n8\n9\n10\n11\n";
        for (int trial = 0; trial < 3000; ++trial) {
            QByteArray bytes = valid;
            for (int c = 0; c < 1 + int(random() % 5); ++c) {
                const int at = int(random() % bytes.size());
                const char byte = char(random() % 256);
                if (random() % 2)
                    bytes[at] = byte;
                else
                    bytes.remove(at, 1);
            }
            const KeyboardMapping::ReadResult r = KeyboardMapping::parse(bytes);
            if (!r.ok) {
                QVERIFY2(r.error.startsWith(u("Ligne ")), qPrintable(r.error));
                continue;
            }
            QVERIFY(r.mapping.referenceFrequency > 0 && r.mapping.mapping.size() <= r.mapping.mapSize);
            double hz = 0;
            QString why;
            if (r.mapping.degreeZeroFrequency(equal12(), &hz, &why))
                QVERIFY(std::isfinite(hz) && hz > 0);
            else
                QVERIFY(!why.isEmpty());
        }
    }

    // The frequency of degree 0 from the reference: A4 = 440 Hz on key 69 puts C4 of the
    // tempered scale at 261.626 Hz, of the just one at 264 Hz (440 / (5/3)).
    void degreZero_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("scale");
        QTest::addColumn<double>("hz");
        const QByteArray entries12 = "0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n";
        QTest::newRow("reference on the middle note") << mapping("12\n0\n127\n60\n60\n256.0\n12\n", entries12) << "equal" << 256.0;
        QTest::newRow("A4 440, tempered") << mapping("12\n0\n127\n60\n69\n440.0\n12\n", entries12) << "equal" << 261.6256;
        QTest::newRow("A4 440, just") << mapping("12\n0\n127\n60\n69\n440.0\n12\n", entries12) << "just" << 264.0;
        QTest::newRow("A3 220, a pattern below") << mapping("12\n0\n127\n60\n57\n220.0\n12\n", entries12) << "equal" << 261.6256;
        QTest::newRow("A5, a pattern above") << mapping("12\n0\n127\n60\n81\n880\n12\n", entries12) << "just" << 264.0;
        QTest::newRow("linear map") << mapping("0\n0\n127\n60\n69\n440.0\n0\n", "") << "equal" << 261.6256;
        QTest::newRow("linear map, below") << mapping("0\n0\n127\n60\n48\n130.8128\n0\n", "") << "equal" << 261.6256;
        // Seven keys a pattern: key 69 is the third of the second pattern, degree 4 an octave up.
        QTest::newRow("white keys") << mapping("7\n0\n127\n60\n69\n440\n12\n", "0\n2\n4\n5\n7\n9\n11\n") << "just" << 176.0;
        QTest::newRow("degree beyond the period") << mapping("1\n0\n127\n60\n60\n440\n12\n", "21\n") << "equal" << 440 / std::exp2(1.75);
    }
    void degreZero()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, scale);
        QFETCH(double, hz);
        const KeyboardMapping::ReadResult r = KeyboardMapping::parse(text);
        QVERIFY2(r.ok, qPrintable(r.error));
        double f = 0;
        QString why;
        QVERIFY2(r.mapping.degreeZeroFrequency(scale == QLatin1String("just") ? just12() : equal12(), &f, &why), qPrintable(why));
        QVERIFY2(std::fabs(f - hz) < 1e-3, qPrintable(QString::number(f, 'f', 6)));
    }

    void degreZeroImpossible_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("pitches");
        QTest::addColumn<QString>("why");
        QTest::newRow("unmapped reference") << mapping("12\n0\n127\n60\n62\n440\n12\n", "0\n1\nx\n") << 12
                                            << u("la note 62 ne joue aucun degré de la gamme");
        QTest::newRow("past the entries") << mapping("12\n0\n127\n60\n65\n440\n12\n", "0\n1\n") << 12
                                          << u("la note 65 ne joue aucun degré de la gamme");
        QTest::newRow("a scale of one pitch") << mapping("0\n0\n127\n60\n69\n440\n0\n", "") << 0
                                              << u("la gamme n'a pas de degré 9 : elle a 0 hauteurs");
    }
    void degreZeroImpossible()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, pitches);
        QFETCH(QString, why);
        const KeyboardMapping::ReadResult r = KeyboardMapping::parse(text);
        QVERIFY2(r.ok, qPrintable(r.error));
        double f = -1;
        QString reason;
        QVERIFY(!r.mapping.degreeZeroFrequency(equal12().mid(0, pitches), &f, &reason));
        QCOMPARE(reason, why);
        QCOMPARE(f, -1.0);
    }

    // What the export writes reads back, and plays the scale at the given frequency from key 60.
    void exporte_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::newRow("12") << 12;
        QTest::newRow("none") << 0;
        QTest::newRow("the most a scale has") << ScalaFile::kMaxPitches;
    }
    void exporte()
    {
        QFETCH(int, degrees);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("e.kbm"));
        QString error;
        QVERIFY2(KeyboardMapping::forScale(degrees, 261.6255653).write(path, &error), qPrintable(error));
        const KeyboardMapping::ReadResult r = KeyboardMapping::read(path);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.mapping.mapSize, degrees);
        QCOMPARE(r.mapping.middleNote, 60);
        QCOMPARE(r.mapping.referenceNote, 60);
        QCOMPARE(r.mapping.firstNote, 0);
        QCOMPARE(r.mapping.lastNote, 127);
        QCOMPARE(r.mapping.octaveDegree, degrees);
        QCOMPARE(r.mapping.referenceFrequency, 261.625565);
        QCOMPARE(r.mapping.mapping.size(), degrees);
        for (int k = 0; k < degrees; ++k)
            QCOMPARE(r.mapping.mapping[k], k);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readLine().startsWith("! e.kbm"));
        // Even a name with a line break stays a comment.
        QVERIFY(KeyboardMapping::parse(KeyboardMapping::forScale(degrees, 440).serialise(QStringLiteral("a\nb.kbm"))).ok);

        // Key 61 plays degree 1; the key an octave up plays the period.
        if (degrees == 12) {
            double cents = 0;
            QString why;
            QVERIFY(r.mapping.centsOfKey(61, equal12(), &cents, &why));
            QCOMPARE(cents, 100.0);
            QVERIFY(r.mapping.centsOfKey(72 + 7, equal12(), &cents, &why));
            QCOMPARE(cents, 1900.0);
            QVERIFY(r.mapping.centsOfKey(48, equal12(), &cents, &why));
            QCOMPARE(cents, -1200.0);
        }
    }
    // A reference frequency the reader takes comes back from the export to six significant
    // digits, however small: "0.000000" would be refused (found by fuzzing the reader).
    void frequenceExportee_data()
    {
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QByteArray>("exported");
        QTest::newRow("440") << QByteArray("440") << QByteArray("440.000000");
        QTest::newRow("a few mHz") << QByteArray("0.00123456789") << QByteArray("0.001234568");
        QTest::newRow("a nanohertz") << QByteArray("0.000000001") << QByteArray("0.000000001000000");
        QTest::newRow("rounded up to a power of ten") << QByteArray("0.0000099999999999999") << QByteArray("0.00001000000");
        QTest::newRow("just under a power of ten") << QByteArray("0.0000099999949999999") << QByteArray("0.000009999995");
        QTest::newRow("a half") << QByteArray("0.5") << QByteArray("0.5000000");
        QTest::newRow("the largest") << QByteArray("1000000") << QByteArray("1000000.000000");
    }
    void frequenceExportee()
    {
        QFETCH(QByteArray, written);
        QFETCH(QByteArray, exported);
        const KeyboardMapping::ReadResult r =
            KeyboardMapping::parse("1\n0\n127\n60\n60\n" + written + "\n1\n0\n");
        QVERIFY2(r.ok, qPrintable(r.error));
        const QByteArray file = r.mapping.serialise(QStringLiteral("f.kbm"));
        QVERIFY2(file.contains("\n" + exported + "\n"), file.constData());
        const KeyboardMapping::ReadResult again = KeyboardMapping::parse(file);
        QVERIFY2(again.ok, qPrintable(again.error));
        QVERIFY(qAbs(again.mapping.referenceFrequency - r.mapping.referenceFrequency) <=
                1e-6 * r.mapping.referenceFrequency);
        // What was written once is written again alike.
        QCOMPARE(again.mapping.serialise(QStringLiteral("f.kbm")), file);
    }
    // A full disk and a folder that cannot be written: the old mapping stays byte for byte.
    void ecrituresRatees_data() { zibtest::addFailedWriteRows(); }
    void ecrituresRatees()
    {
        QFETCH(bool, large);
        const KeyboardMapping m = KeyboardMapping::forScale(large ? ScalaFile::kMaxPitches : 12, 440);
        zibtest::checkFailedWrite(QStringLiteral("clavier.kbm"), [&m](const QString &path) {
            QString error;
            const bool written = m.write(path, &error);
            return written || error.isEmpty();
        });
    }
};

QTEST_APPLESS_MAIN(TestKeyboardMapping)
#include "tst_keyboardmapping.moc"
