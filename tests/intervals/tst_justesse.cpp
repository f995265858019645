// The justness of a transposed interval: where it lands against the nearest interval of the list.

#include "intervals/Justesse.h"

#include <QtTest>

Q_DECLARE_METATYPE(Interval)

namespace {

QList<Interval> list(std::initializer_list<float> cents)
{
    QList<Interval> l;
    for (float c : cents) {
        Interval i;
        i.cent = c;
        l << i;
    }
    return l;
}

} // namespace

class TestJustesse : public QObject
{
    Q_OBJECT

private slots:
    void ecart_data()
    {
        QTest::addColumn<QList<Interval>>("liste");
        QTest::addColumn<int>("p");
        QTest::addColumn<float>("t");
        QTest::addColumn<float>("ecart");
        const QList<Interval> quinteEtTon = list({203.91f, 701.955f});
        QTest::newRow("fifth on a fifth lands on the tone") << quinteEtTon << 1 << 701.955f << 0.0f;
        // Tempered scale: a just third above the tempered fifth, 1086.31, is 13.69 below 1100.
        const QList<Interval> tempere = list({0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200});
        QTest::newRow("just third on a tempered fifth") << tempere << 7 << 386.314f << -13.686f;
        QTest::newRow("fourth on the unison") << tempere << 0 << 498.045f << -1.955f;
        QTest::newRow("folded over the octave") << tempere << 10 << 701.955f << 1.955f;
        QTest::newRow("exactly on an interval") << tempere << 5 << 700.0f << 0.0f;
        // Halfway between 100 and 200: the later one wins.
        QTest::newRow("tie goes to the later") << list({0, 100, 200, 300}) << 0 << 150.0f << -50.0f;
        // Halfway between the last two: the last one must be strictly nearer.
        QTest::newRow("tie with the last keeps the earlier") << list({0, 100, 200}) << 0 << 150.0f << 50.0f;
        QTest::newRow("nearest is the last") << list({0, 100, 200}) << 0 << 190.0f << -10.0f;
        // x negative: the remainder keeps the sign, m = -100, against 0 at the start.
        QTest::newRow("below the unison") << list({-300, 0, 500}) << 0 << 200.0f << -100.0f;
        QTest::newRow("far below the list") << list({1300, 1400}) << 0 << -50.0f << 1200.0f;
        QTest::newRow("one interval") << list({500}) << 0 << 701.955f << -498.045f;
    }
    void ecart()
    {
        QFETCH(QList<Interval>, liste);
        QFETCH(int, p);
        QFETCH(float, t);
        QFETCH(float, ecart);
        QVERIFY2(std::fabs(calcEcartJustesse(liste, p, t) - ecart) < 1e-3f,
                 qPrintable(QString::number(calcEcartJustesse(liste, p, t))));
    }

    void positionHorsListe()
    {
        const QList<Interval> l = list({0, 700});
        QCOMPARE(calcEcartJustesse(l, -1, 700), 0.0f);
        QCOMPARE(calcEcartJustesse(l, 2, 700), 0.0f);
        QCOMPARE(calcEcartJustesse(QList<Interval>(), 0, 700), 0.0f);
    }
};

QTEST_APPLESS_MAIN(TestJustesse)
#include "tst_justesse.moc"
