// The temperament chart: the fifths and thirds of equal temperament and of quarter-comma meantone
// from the shipped lists, with their beats; which degree is the nearest in small lists; and the
// table of text it is copied and saved as.

#include "intervals/IntervalListFile.h"
#include "intervals/TemperamentChart.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(Interval)

namespace {

Interval interval(float cent, const QString &desc)
{
    Interval i;
    i.cent = cent;
    i.frac = float(std::exp2(cent / 1200.0));
    i.desc = desc;
    return i;
}

QList<Interval> shipped(const char *name)
{
    const IntervalListFile::ReadResult r = IntervalListFile::read(QStringLiteral("interval_lists/") + QLatin1String(name));
    if (r.status != IntervalListFile::ReadStatus::Ok)
        qFatal("interval_lists/%s is missing", name);
    return r.contents.intervals;
}

// The columns of the pure intervals.
constexpr int Fifth = 0, Fourth = 1, MajorThird = 2, MinorThird = 3, MajorSixth = 4, MinorSixth = 5;

} // namespace

class TestTemperamentChart : public QObject
{
    Q_OBJECT

private slots:
    // The fifth on A at 440 Hz: −1.96 cents, 3 × 440 against 2 × 659.255, 1.49 beats a second.
    void egal12()
    {
        const TemperamentChart chart = TemperamentChart::compute(shipped("temperament_egal_12.int"), 440);
        QCOMPARE(chart.rows.size(), 12); // the octave is degree 0 again
        QCOMPARE(chart.rows[0].desc, QStringLiteral("Do"));
        const TemperamentChart::Cell &fifth = chart.rows[0].cells[Fifth];
        QCOMPARE(fifth.upper, 7);
        QCOMPARE(TemperamentChart::twoDecimals(fifth.deviation), QStringLiteral("-1.96"));
        QCOMPARE(TemperamentChart::twoDecimals(fifth.beats), QStringLiteral("1.49"));
        QVERIFY(std::fabs(fifth.beats - std::fabs(3 * 440 - 2 * 659.2551)) < 1e-3);

        for (int r = 0; r < 12; ++r) {
            const TemperamentChart::Row &row = chart.rows[r];
            const double f = 440 * std::exp2(r / 12.0);
            QVERIFY(std::fabs(row.frequency - f) < 1e-3);
            const struct { int column; int semitones; int p; int q; const char *deviation; } expected[] = {
                {Fifth, 7, 3, 2, "-1.96"},      {Fourth, 5, 4, 3, "1.96"},       {MajorThird, 4, 5, 4, "13.69"},
                {MinorThird, 3, 6, 5, "-15.64"}, {MajorSixth, 9, 5, 3, "15.64"}, {MinorSixth, 8, 8, 5, "-13.69"}};
            for (const auto &e : expected) {
                const TemperamentChart::Cell &cell = row.cells[e.column];
                QCOMPARE(cell.upper, (r + e.semitones) % 12);
                QCOMPARE(TemperamentChart::twoDecimals(cell.deviation), QLatin1String(e.deviation));
                // The coinciding partials of f and the tempered note above it.
                const double beats = std::fabs(e.q * f * std::exp2(e.semitones / 12.0) - e.p * f);
                QVERIFY2(std::fabs(cell.beats - beats) < 1e-3 * beats,
                         qPrintable(QStringLiteral("row %1 column %2: %3 against %4").arg(r).arg(e.column).arg(cell.beats).arg(beats)));
            }
        }
        // A major third beats faster than a fifth: 17.46 Hz on A.
        QCOMPARE(TemperamentChart::twoDecimals(chart.rows[0].cells[MajorThird].beats), QStringLiteral("17.46"));
    }

    // Pure thirds from Mi♭ to Sol♯: eight of the twelve major thirds are pure; the four others
    // are diminished fourths, 41.06 cents wide; eleven fifths are narrowed by a quarter comma,
    // and the wolf Sol♯–Mi♭ is 35.68 cents wide.
    void mesotonique()
    {
        const TemperamentChart chart = TemperamentChart::compute(shipped("mesotonique_quart_comma.int"), 440);
        QCOMPARE(chart.rows.size(), 12);
        QStringList thirds;
        QStringList fifths;
        int narrowed = 0;
        // A quarter of the syntonic comma; the list's six digits move the last of its decimals.
        const double quarterComma = 1200 * std::log2(81.0 / 80) / 4;
        for (const TemperamentChart::Row &row : chart.rows) {
            thirds << TemperamentChart::twoDecimals(row.cells[MajorThird].deviation);
            fifths << TemperamentChart::twoDecimals(row.cells[Fifth].deviation);
            narrowed += std::fabs(row.cells[Fifth].deviation + quarterComma) < 0.005;
        }
        QCOMPARE(thirds.count(QStringLiteral("0.00")), 8);
        QCOMPARE(thirds.count(QStringLiteral("41.06")), 4);
        QCOMPARE(narrowed, 11);
        QCOMPARE(fifths.count(QStringLiteral("35.68")), 1);
        const int wolf = fifths.indexOf(QStringLiteral("35.68"));
        QCOMPARE(chart.rows[wolf].desc, QString::fromUtf8("Sol♯"));
        QCOMPARE(chart.rows[chart.rows[wolf].cells[Fifth].upper].desc, QString::fromUtf8("Mi♭"));
        // A pure third does not beat.
        QVERIFY(chart.rows[0].cells[MajorThird].beats < 0.01);
        QCOMPARE(chart.rows[chart.rows[0].cells[MajorThird].upper].desc, QStringLiteral("Mi"));
    }

    void plusProche_data()
    {
        QTest::addColumn<QList<Interval>>("liste");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("upper");
        QTest::addColumn<double>("deviation");
        const QString a = QStringLiteral("a"), b = QStringLiteral("b"), c = QStringLiteral("c");
        QTest::newRow("one degree: the unison") << QList<Interval>{interval(0, a)} << 0 << Fifth << 0 << -701.955;
        // Both 0 and 100 lie below the fifth: the nearer, 100, is 601.955 under.
        QTest::newRow("the unison is not the octave") << QList<Interval>{interval(0, a), interval(100, b)} << 0 << Fifth << 1 << -601.955;
        QTest::newRow("across the octave") << QList<Interval>{interval(0, a), interval(500, b), interval(1000, c)} << 2 << Fifth
                                           << 1 << -1.955;
        QTest::newRow("the nearer above") << QList<Interval>{interval(0, a), interval(690, b), interval(710, c)} << 0 << Fifth << 2
                                          << 8.045;
        QTest::newRow("the nearer below") << QList<Interval>{interval(0, a), interval(690, b), interval(714, c)} << 0 << Fifth << 1
                                          << -11.955;
        QTest::newRow("folded: 1901.955 is a fifth") << QList<Interval>{interval(0, a), interval(1901.955f, b)} << 0 << Fifth << 1 << 0.0;
        QTest::newRow("folded: below the unison") << QList<Interval>{interval(-498.045f, b), interval(0, a)} << 0 << Fifth << 1 << 0.0;
    }
    void plusProche()
    {
        QFETCH(QList<Interval>, liste);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, upper);
        QFETCH(double, deviation);
        const TemperamentChart chart = TemperamentChart::compute(liste, 440);
        QCOMPARE(chart.rows[row].cells[column].upper, upper);
        QVERIFY2(std::fabs(chart.rows[row].cells[column].deviation - deviation) < 1e-3,
                 qPrintable(QString::number(chart.rows[row].cells[column].deviation, 'f', 4)));
    }

    void degres()
    {
        // The octave and a size a hair off it are the unison again, named by the first.
        const TemperamentChart chart = TemperamentChart::compute(
            {interval(0, QStringLiteral("Do")), interval(700, QStringLiteral("Sol")), interval(1200, QStringLiteral("Do'")),
             interval(1200.0003f, QStringLiteral("Do''")), interval(-500, QStringLiteral("Sol,"))},
            100);
        QCOMPARE(chart.rows.size(), 2);
        QCOMPARE(chart.rows[0].desc, QStringLiteral("Do"));
        QCOMPARE(chart.rows[1].desc, QStringLiteral("Sol"));
        QVERIFY(std::fabs(chart.rows[1].frequency - 100 * std::exp2(700 / 1200.0)) < 1e-9);
        QVERIFY(TemperamentChart::compute({}, 440).rows.isEmpty());
    }

    void couleurs_data()
    {
        QTest::addColumn<double>("deviation");
        QTest::addColumn<double>("farness");
        QTest::newRow("pure") << 0.0 << 0.0;
        QTest::newRow("half way") << -12.5 << 0.5;
        QTest::newRow("at the end") << 25.0 << 1.0;
        QTest::newRow("the wolf") << 35.68 << 1.0;
    }
    void couleurs()
    {
        QFETCH(double, deviation);
        QFETCH(double, farness);
        QCOMPARE(TemperamentChart::farness(deviation), farness);
    }

    void texte()
    {
        const TemperamentChart chart = TemperamentChart::compute(
            {interval(0, QStringLiteral("Do, \"grave\"")), interval(700, QStringLiteral("Sol"))}, 440);
        const QStringList csv = chart.toDelimited(QLatin1Char(',')).split(QLatin1Char('\n'));
        QCOMPARE(csv.size(), 4); // heading, two degrees, the end of the last line
        QCOMPARE(csv[0].section(QLatin1Char(','), 0, 5),
                 QString::fromUtf8("Degré,Cents,Fréquence (Hz),Quinte 3/2 : degré,Quinte 3/2 : écart (c),Quinte 3/2 : battements (Hz)"));
        QCOMPARE(csv[0].count(QLatin1Char(',')), 3 + 3 * 6 - 1);
        QVERIFY2(csv[1].startsWith(QStringLiteral("\"Do, \"\"grave\"\"\",0.000,440.000,Sol,-1.96,1.49,")), qPrintable(csv[1]));
        QVERIFY2(csv[2].startsWith(QStringLiteral("Sol,700.000,659.255,")), qPrintable(csv[2]));
        QCOMPARE(csv[3], QString());

        const QStringList tab = chart.toDelimited(QLatin1Char('\t')).split(QLatin1Char('\n'));
        QVERIFY2(tab[1].startsWith(QStringLiteral("\"Do, \"\"grave\"\"\"\t0.000\t440.000\tSol\t-1.96\t1.49\t")), qPrintable(tab[1]));
        QCOMPARE(tab[2].split(QLatin1Char('\t')).size(), 3 + 3 * 6);
    }
};

QTEST_APPLESS_MAIN(TestTemperamentChart)
#include "tst_temperamentchart.moc"
