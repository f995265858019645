#include "intervals/ListInterv.h"

#include <QtTest>

#include <limits>

namespace {

const int kBornes[8] = {200, 400, 500, 700, 900, 1100, 1200, 1250};

Interval iv(float cent, const char *desc = "")
{
    Interval i;
    i.cent = cent;
    i.frac = std::pow(2.f, cent / 1200.f);
    i.desc = QString::fromUtf8(desc);
    return i;
}

QList<int> comptes(const ListInterv &l)
{
    return QList<int>(std::begin(l.nbCat), std::end(l.nbCat));
}

QList<float> cents(const ListInterv &l)
{
    QList<float> c;
    for (const Interval &i : l.liste)
        c << i.cent;
    return c;
}

} // namespace

class TestListInterv : public QObject
{
    Q_OBJECT

private slots:
    void nouvelleListe()
    {
        ListInterv l;
        QVERIFY(l.liste.isEmpty());
        QCOMPARE(comptes(l), QList<int>({0, 0, 0, 0, 0, 0, 0, 0}));
        for (const QString &s : l.entete)
            QVERIFY(s.isEmpty());
    }

    void entete()
    {
        ListInterv l;
        l.setEnt(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"));
        QCOMPARE(l.entete[0], QStringLiteral("a"));
        QCOMPARE(l.entete[1], QStringLiteral("d"));
        QCOMPARE(l.entete[2], QStringLiteral("b"));
        QCOMPARE(l.entete[3], QStringLiteral("c"));
    }

    void categorie_data()
    {
        QTest::addColumn<float>("cent");
        QTest::addColumn<int>("categorie");
        QTest::newRow("unison") << 0.f << 0;
        QTest::newRow("below the unison") << -50.f << 0;
        QTest::newRow("far below") << -5000.f << 0;
        QTest::newRow("199.9") << 199.9f << 0;
        QTest::newRow("200 is not below 200") << 200.f << 1;
        QTest::newRow("major third") << 386.314f << 1;
        QTest::newRow("fourth") << 498.045f << 2;
        QTest::newRow("700 is not below 700") << 700.f << 4;
        QTest::newRow("just fifth") << 701.955f << 4;
        QTest::newRow("octave") << 1200.f << 7;
        QTest::newRow("1250 counted") << 1250.f << 7;
        QTest::newRow("1250.5 not counted") << 1250.5f << -1;
        QTest::newRow("NaN not counted") << std::numeric_limits<float>::quiet_NaN() << -1;
    }

    void categorie()
    {
        QFETCH(float, cent);
        QFETCH(int, categorie);
        QCOMPARE(ListInterv::categorie(cent, kBornes), categorie);

        ListInterv l;
        const Interval i = iv(cent);
        l.addInterv(&i, kBornes);
        QList<int> attendu({0, 0, 0, 0, 0, 0, 0, 0});
        if (categorie >= 0)
            attendu[categorie] = 1;
        QCOMPARE(comptes(l), attendu);
        QCOMPARE(l.liste.size(), 1); // counted or not, it stays in the list
    }

    void egauxDansLOrdreDInsertion()
    {
        ListInterv l;
        const Interval a = iv(386.3f, "premier"), b = iv(203.9f), c = iv(386.3f, "second");
        l.addInterv(&a, kBornes);
        l.addInterv(&b, kBornes);
        l.addInterv(&c, kBornes);
        QCOMPARE(cents(l), (QList<float>{203.9f, 386.3f, 386.3f}));
        QCOMPARE(l.liste[1].desc, QStringLiteral("premier"));
        QCOMPARE(l.liste[2].desc, QStringLiteral("second"));
        QCOMPARE(comptes(l), (QList<int>{0, 3, 0, 0, 0, 0, 0, 0}));
    }

    void retrait_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<float>>("reste");
        QTest::addColumn<QList<int>>("compte");
        const QList<float> tout = {100.f, 701.955f, 1200.f, 1300.f};
        QTest::newRow("-1 does nothing") << -1 << tout << QList<int>{1, 0, 0, 0, 1, 0, 0, 1};
        QTest::newRow("size does nothing") << 4 << tout << QList<int>{1, 0, 0, 0, 1, 0, 0, 1};
        QTest::newRow("last of a category") << 1 << QList<float>{100.f, 1200.f, 1300.f}
                                            << QList<int>{1, 0, 0, 0, 0, 0, 0, 1};
        QTest::newRow("first") << 0 << QList<float>{701.955f, 1200.f, 1300.f} << QList<int>{0, 0, 0, 0, 1, 0, 0, 1};
        QTest::newRow("uncounted") << 3 << QList<float>{100.f, 701.955f, 1200.f} << QList<int>{1, 0, 0, 0, 1, 0, 0, 1};
    }

    void retrait()
    {
        QFETCH(int, index);
        QFETCH(QList<float>, reste);
        QFETCH(QList<int>, compte);
        ListInterv l;
        for (float c : {1300.f, 1200.f, 701.955f, 100.f}) {
            const Interval i = iv(c);
            l.addInterv(&i, kBornes);
        }
        l.remInterv(index, kBornes);
        QCOMPARE(cents(l), reste);
        QCOMPARE(comptes(l), compte);
    }

    void setListCommeAjoutsUnParUn()
    {
        QList<Interval> desordre;
        QRandomGenerator hasard(1234);
        for (int k = 0; k < 40; ++k)
            desordre << iv(float(hasard.bounded(-200, 1400)), qPrintable(QString::number(k)));
        desordre << iv(701.955f, "a") << iv(701.955f, "b"); // equal sizes keep their order

        ListInterv unParUn;
        for (const Interval &i : desordre)
            unParUn.addInterv(&i, kBornes);
        ListInterv enBloc;
        enBloc.setList(desordre, kBornes);

        QVERIFY(std::is_sorted(enBloc.liste.begin(), enBloc.liste.end(),
                               [](const Interval &a, const Interval &b) { return a.cent < b.cent; }));
        QCOMPARE(comptes(enBloc), comptes(unParUn));
        QCOMPARE(enBloc.liste.size(), unParUn.liste.size());
        for (int k = 0; k < enBloc.liste.size(); ++k)
            QCOMPARE(enBloc.liste[k].desc, unParUn.liste[k].desc);

        int total = 0;
        for (int n : comptes(enBloc))
            total += n;
        const int horsCategorie = std::count_if(desordre.begin(), desordre.end(),
                                                [](const Interval &i) { return i.cent > 1250; });
        QCOMPARE(total + horsCategorie, desordre.size());
    }

    void reclassementAvecDAutresBornes()
    {
        ListInterv l;
        for (float c : {100.f, 250.f, 700.f}) {
            const Interval i = iv(c);
            l.addInterv(&i, kBornes);
        }
        const int autres[8] = {150, 300, 450, 600, 750, 900, 1050, 1200};
        l.classInterv(autres);
        QCOMPARE(comptes(l), (QList<int>{1, 1, 0, 0, 1, 0, 0, 0}));
    }

    void nanSortLast()
    {
        ListInterv l;
        QList<Interval> avecNan = {iv(500.f), iv(std::numeric_limits<float>::quiet_NaN()), iv(100.f)};
        l.setList(avecNan, kBornes);
        QCOMPARE(l.liste[0].cent, 100.f);
        QCOMPARE(l.liste[1].cent, 500.f);
        QVERIFY(std::isnan(l.liste[2].cent));
        QCOMPARE(comptes(l), (QList<int>{1, 0, 0, 1, 0, 0, 0, 0}));
    }
};

QTEST_APPLESS_MAIN(TestListInterv)
#include "tst_listinterv.moc"
