// The interval lists shipped in interval_lists/: each one reads back whole, its "number" is right,
// its sizes ascend, and each size in cents is its ratio's 1200·log2 within the rounding of the two
// 6-digit figures. The default list holds the agreed intervals.

#include "intervals/IntervalListFile.h"

#include <QtTest>

#include <cmath>

namespace {

/// Half a unit of the 6th significant digit of v.
double halfUnit(double v)
{
    if (v == 0)
        return 0;
    return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 5);
}

} // namespace

class TestIntervalLists : public QObject
{
    Q_OBJECT

private slots:
    void listes_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList expected = {"liste_defaut.int",        "temperament_egal_12.int", "juste_chromatique.int",
                                      "pythagoricien.int",       "mesotonique_quart_comma.int", "werckmeister_3.int",
                                      "kirnberger_3.int",        "vallotti.int",            "temperament_egal_19.int",
                                      "temperament_egal_31.int", "harmoniques_16.int"};
        const QStringList shipped = QDir(QStringLiteral("interval_lists")).entryList({QStringLiteral("*.int")}, QDir::Files);
        for (const QString &name : expected)
            QVERIFY2(shipped.contains(name), qPrintable(name + QStringLiteral(" is not shipped")));
        for (const QString &name : shipped)
            QTest::newRow(qPrintable(name)) << QStringLiteral("interval_lists/") + name;
    }
    void listes()
    {
        QFETCH(QString, path);
        const IntervalListFile::ReadResult r = IntervalListFile::read(path);
        QCOMPARE(r.status, IntervalListFile::ReadStatus::Ok);
        QVERIFY2(r.numberMatches, qPrintable(r.numberText));
        QVERIFY(!r.contents.title.isEmpty());
        QVERIFY(!r.contents.author.isEmpty());
        QVERIFY(!r.contents.description.isEmpty());
        QVERIFY(r.contents.intervals.size() >= 8);
        QCOMPARE(r.contents.intervals.first().cent, 0.0f);
        QCOMPARE(r.contents.intervals.last().cent, 1200.0f);
        for (int k = 0; k < r.contents.intervals.size(); ++k) {
            const Interval &i = r.contents.intervals[k];
            QVERIFY2(!i.desc.isEmpty(), qPrintable(QString::number(k)));
            if (k > 0)
                QVERIFY2(i.cent > r.contents.intervals[k - 1].cent, qPrintable(i.desc));
            QVERIFY2(i.frac > 0, qPrintable(i.desc));
            const double fromRatio = 1200 * std::log2(double(i.frac));
            // Each figure is off by at most half its last digit; a ratio's error r·ε is
            // 1200/ln 2 · ε/r cents; and a float holds each figure to 1e-7 relative.
            const double tolerance = halfUnit(i.cent) + 1200 / std::log(2.0) * halfUnit(i.frac) / i.frac + 1e-4;
            QVERIFY2(std::fabs(i.cent - fromRatio) <= tolerance,
                     qPrintable(QStringLiteral("%1: cent %2, 1200·log2(frac) %3")
                                    .arg(i.desc).arg(double(i.cent)).arg(fromRatio, 0, 'f', 4)));
        }
    }

    void listeParDefaut()
    {
        const IntervalListFile::ReadResult r = IntervalListFile::read(QStringLiteral("interval_lists/liste_defaut.int"));
        QCOMPARE(r.status, IntervalListFile::ReadStatus::Ok);
        const QVector<double> cents = {0,   100, 1200 * std::log2(16.0 / 15), 200, 1200 * std::log2(9.0 / 8), 300,
                                       1200 * std::log2(6.0 / 5), 1200 * std::log2(5.0 / 4), 400,
                                       1200 * std::log2(4.0 / 3), 500, 1200 * std::log2(45.0 / 32), 600, 700,
                                       1200 * std::log2(3.0 / 2), 800, 1200 * std::log2(8.0 / 5),
                                       1200 * std::log2(5.0 / 3), 900, 1200 * std::log2(16.0 / 9), 1000,
                                       1200 * std::log2(15.0 / 8), 1100, 1200};
        QCOMPARE(r.contents.intervals.size(), cents.size());
        for (int k = 0; k < cents.size(); ++k) {
            QCOMPARE(IntervalListFile::formatNumber(r.contents.intervals[k].cent),
                     IntervalListFile::formatNumber(float(cents[k])));
            const bool tempered = cents[k] == std::round(cents[k] / 100) * 100 && k != 0 && k != 23;
            QCOMPARE(r.contents.intervals[k].desc.contains(QString::fromUtf8("tempéré")), tempered);
        }
        // The just major scale and the tempered one, by degree.
        for (int k : {0, 4, 7, 9, 14, 17, 21, 23})
            QVERIFY(!r.contents.intervals[k].desc.contains(QString::fromUtf8("tempéré")));
        for (int k : {3, 8, 10, 13, 18, 22})
            QVERIFY(r.contents.intervals[k].desc.contains(QString::fromUtf8("tempéré")));
        QCOMPARE(IntervalListFile::formatNumber(r.contents.intervals[14].frac), QStringLiteral("1.5"));
        QCOMPARE(IntervalListFile::formatNumber(r.contents.intervals[13].frac), QStringLiteral("1.49831"));
    }
};

QTEST_APPLESS_MAIN(TestIntervalLists)
#include "tst_intervallists.moc"
