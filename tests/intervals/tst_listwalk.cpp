// The list playback's road through the category tree, and the category schemes that shape it.

#include "intervals/CategoryScheme.h"
#include "intervals/ListInterv.h"
#include "intervals/ListWalk.h"

#include <QtTest>

namespace {

/// The list positions the walk sounds (interval rows), and whether it ended, step by step.
QList<int> positionsHeard(const int *nbCat, int size, int maxSteps = 1000)
{
    ListWalk walk(ListWalk::treeRows(nbCat), size - 1);
    QList<int> heard;
    for (int k = 0; k < maxSteps; ++k) {
        const bool ended = walk.step();
        if (walk.position() >= 0)
            heard << walk.position();
        if (ended)
            return heard;
    }
    heard << -99; // never ended
    return heard;
}

} // namespace

class TestListWalk : public QObject
{
    Q_OBJECT

private slots:
    void lignesDeLArbre()
    {
        const int nbCat[8] = {2, 0, 1, 0, 0, 0, 0, 1};
        QCOMPARE(ListWalk::treeRows(nbCat), (QVector<int>{-1, 0, 1, -1, -1, 2, -1, -1, -1, -1, -1, 3}));
    }

    void allerRetour_data()
    {
        QTest::addColumn<QVector<int>>("counts");
        QTest::addColumn<QList<int>>("heard");
        QTest::newRow("three in one category") << QVector<int>{0, 0, 0, 0, 3, 0, 0, 0} << QList<int>{0, 1, 2, 1, 0};
        QTest::newRow("three in three categories")
            << QVector<int>{1, 0, 1, 0, 0, 0, 0, 1} << QList<int>{0, 1, 2, 1, 0};
        QTest::newRow("one interval") << QVector<int>{0, 0, 1, 0, 0, 0, 0, 0} << QList<int>{0};
        QTest::newRow("first category") << QVector<int>{2, 0, 0, 0, 0, 0, 0, 0} << QList<int>{0, 1, 0};
        QTest::newRow("last category") << QVector<int>{0, 0, 0, 0, 0, 0, 0, 2} << QList<int>{0, 1, 0};
    }
    void allerRetour()
    {
        QFETCH(QVector<int>, counts);
        QFETCH(QList<int>, heard);
        int size = 0;
        for (int n : counts)
            size += n;
        QCOMPARE(positionsHeard(counts.constData(), size), heard);
    }

    // Intervals above the last bound have no row: the walk turns at the last row and still ends.
    void intervallesHorsCategorie()
    {
        const int nbCat[8] = {0, 1, 0, 0, 0, 0, 0, 0};
        QCOMPARE(positionsHeard(nbCat, 3), (QList<int>{0, 0}));
        const int aucun[8] = {};
        QCOMPARE(positionsHeard(aucun, 2), QList<int>());
    }

    void schemas_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<float>("cent");
        QTest::addColumn<QString>("label");
        QTest::newRow("701.96, notes") << 0 << 701.96f << QString::fromUtf8("Sol-La [700;900[");
        QTest::newRow("701.96, sizes") << 1 << 701.96f << QStringLiteral("Quintes [650,750[");
        QTest::newRow("unison, notes") << 0 << 0.0f << QString::fromUtf8("Do-Ré [0-200[");
        QTest::newRow("quarter tone, sizes") << 1 << 49.9f << QStringLiteral("Micro-Tons [0;50[");
        QTest::newRow("octave, notes") << 0 << 1200.0f << QStringLiteral("Do-Re [1200;1250]");
        QTest::newRow("octave, sizes") << 1 << 1200.0f << QStringLiteral("Octave [1150,1250]");
        QTest::newRow("minor seventh, sizes") << 1 << 996.09f << QString::fromUtf8("Septième [950,1150[");
        QTest::newRow("1000 cents, notes") << 0 << 1000.0f << QStringLiteral("La-Si [1000;1100[");
    }
    void schemas()
    {
        QFETCH(int, scheme);
        QFETCH(float, cent);
        QFETCH(QString, label);
        const CategoryScheme &s = CategoryScheme::at(scheme);
        QCOMPARE(s.label(ListInterv::categorie(cent, s.bornes)), label);
    }

    void nomsDesSchemas()
    {
        QCOMPARE(CategoryScheme::at(0).translatedName(), QString::fromUtf8("Do-Ré-Mi..."));
        QCOMPARE(CategoryScheme::at(1).translatedName(), QStringLiteral("0-50-250..."));
        QCOMPARE(&CategoryScheme::at(7), &CategoryScheme::at(0));
        QCOMPARE(CategoryScheme::at(0).label(8), QString());
        for (int s = 0; s < CategoryScheme::kCount; ++s)
            for (int k = 1; k < 8; ++k)
                QVERIFY(CategoryScheme::at(s).bornes[k] > CategoryScheme::at(s).bornes[k - 1]);
    }
};

QTEST_APPLESS_MAIN(TestListWalk)
#include "tst_listwalk.moc"
