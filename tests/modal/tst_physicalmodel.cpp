// Models generated from the physics of strings and bars: ratios, weights and damping rates of the
// rows, the inputs refused, and the bars' weights against their mode-shape formulas.

#include "modal/PhysicalModel.h"

#include <QtTest>

#include <cmath>

namespace {

/// Expected (Fréquence, Amort., Poids) of each row; NaN where the case does not check a column.
using Rows = QVector<QVector<double>>;

constexpr double kAny = std::numeric_limits<double>::quiet_NaN();

QVector<double> frequencies(const PhysicalModel &m)
{
    QVector<double> f;
    for (const Mode &mode : m.modes())
        f << mode.freq;
    return f;
}

/// The bars' shapes as their formulas write them, in double precision: exact enough while
/// sinh y stays below about 1e10.
double directShape(int structure, double y, double b)
{
    switch (structure) {
    case PhysicalModel::BarClampedClamped:
    case PhysicalModel::BarClampedPinned: {
        const double r = (std::sinh(b) - std::sin(b)) / (std::cosh(b) - std::cos(b));
        return (std::sinh(y) - std::sin(y)) - r * (std::cosh(y) - std::cos(y));
    }
    case PhysicalModel::BarClampedFree: {
        const double r = (std::sinh(b) + std::sin(b)) / (std::cosh(b) + std::cos(b));
        return (std::sinh(y) - std::sin(y)) - r * (std::cosh(y) - std::cos(y));
    }
    case PhysicalModel::BarPinnedFree: {
        const double norm = (std::cosh(2 * b) - 1) / 2 + std::sinh(b) * std::sinh(b) * (1 - std::cos(2 * b));
        return (std::sinh(y) + std::sinh(b) / std::sin(b) * std::sin(y)) / std::sqrt(norm);
    }
    default: {
        const double r = (std::sin(b) - std::sinh(b)) / (std::cosh(b) - std::cos(b));
        return (std::sinh(y) + std::sin(y)) + r * (std::cosh(y) + std::cos(y));
    }
    }
}

} // namespace

Q_DECLARE_METATYPE(Rows)

class TestPhysicalModel : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void barEigenvalues_data();
    void barEigenvalues();
    void refusedInputs_data();
    void refusedInputs();
    void barWeightsFollowTheirShapes_data();
    void barWeightsFollowTheirShapes();
    void hundredModesStayFiniteAndBounded_data();
    void hundredModesStayFiniteAndBounded();
    void freeEndOfAStringIsAnAntinode();
    void description();
    void structures_data();
    void structures();
};

void TestPhysicalModel::rows_data()
{
    QTest::addColumn<int>("structure");
    QTest::addColumn<QString>("modes");
    QTest::addColumn<QString>("point");
    QTest::addColumn<float>("external");
    QTest::addColumn<float>("hysteresis");
    QTest::addColumn<float>("internal");
    QTest::addColumn<Rows>("expected");

    QTest::newRow("string fixed-fixed, 3 at 0.3")
        << int(PhysicalModel::StringFixedFixed) << "3" << "0.3" << 0.f << 0.f << 0.f
        << Rows{{1, 0, 0.803497}, {2, 0, 0.956658}, {3, 0, 0.335517}};
    QTest::newRow("string fixed-fixed, damping 1 0.5 0.1")
        << int(PhysicalModel::StringFixedFixed) << "3" << "0.3" << 1.f << 0.5f << 0.1f
        << Rows{{1, 1.6, kAny}, {2, 2.4, kAny}, {3, 3.4, kAny}};
    QTest::newRow("string fixed-free: odd modes, damping on 2k - 1")
        << int(PhysicalModel::StringFixedFree) << "3" << "0.3" << 0.f << 1.f << 0.f
        << Rows{{1, 1, kAny}, {3, 3, kAny}, {5, 5, kAny}};
    QTest::newRow("string free-free")
        << int(PhysicalModel::StringFreeFree) << "2" << "0.3" << 0.f << 0.f << 0.f
        << Rows{{1, 0, 0.841894}, {2, 0, -0.41184}};
    QTest::newRow("string without ends: pairs, the sine detuned")
        << int(PhysicalModel::StringRing) << "5" << "0.3" << 0.f << 1.f << 0.f
        << Rows{{1, 1, -0.41184}, {1.002, 1, 1.352918}, {2, 2, -1.174346}, {2.004, 2, -0.787979}, {3, 3, 1.095813}};
    QTest::newRow("bar free-free, 7: the listed roots then (r + 1.5)π")
        << int(PhysicalModel::BarFreeFree) << "7" << "0.3" << 0.f << 0.f << 0.f
        << Rows{{1, 0, kAny}, {2.75654, 0, kAny}, {5.40392, 0, kAny}, {8.93295, 0, kAny},
                {13.3443, 0, kAny}, {18.6379, 0, kAny}, {24.8138, 0, kAny}};
    QTest::newRow("bar clamped-clamped, damping on β² itself")
        << int(PhysicalModel::BarClampedClamped) << "2" << "0.3" << 0.f << 1.f << 0.f
        << Rows{{1, 22.3733, kAny}, {2.75654, 61.6728, kAny}};
    QTest::newRow("bar clamped-free")
        << int(PhysicalModel::BarClampedFree) << "5" << "0.3" << 0.f << 0.f << 0.f
        << Rows{{1, 0, kAny}, {6.26689, 0, kAny}, {17.5475, 0, kAny}, {34.3861, 0, kAny}, {56.8426, 0, kAny}};
    QTest::newRow("bar clamped-pinned")
        << int(PhysicalModel::BarClampedPinned) << "5" << "0.3" << 0.f << 0.f << 0.f
        << Rows{{1, 0, kAny}, {3.24064, 0, kAny}, {6.76134, 0, kAny}, {11.5623, 0, kAny}, {17.6435, 0, kAny}};
    QTest::newRow("bar pinned-free, internal damping on β⁴")
        << int(PhysicalModel::BarPinnedFree) << "2" << "0.3" << 0.f << 0.f << 1.f
        << Rows{{1, 237.721, kAny}, {3.24064, 2496.49, kAny}};
    QTest::newRow("bar pinned-pinned: k², damping on (kπ)²")
        << int(PhysicalModel::BarPinnedPinned) << "3" << "0.3" << 0.f << 1.f << 0.f
        << Rows{{1, 9.8696, 0.803497}, {4, 39.4784, 0.956658}, {9, 88.8264, 0.335517}};
    QTest::newRow("bar without ends, 5: k² pairs, damping on k⁴")
        << int(PhysicalModel::BarRing) << "5" << "0.3" << 0.f << 0.f << 1.f
        << Rows{{1, 1, -0.41184}, {1.002, 1, 1.352918}, {4, 16, -1.174346}, {4.008, 16, -0.787979}, {9, 81, 1.095813}};
    QTest::newRow("a point below 0 is not refused")
        << int(PhysicalModel::StringFixedFixed) << "1" << "-0.3" << 0.f << 0.f << 0.f
        << Rows{{1, 0, -0.803497}};
}

void TestPhysicalModel::rows()
{
    QFETCH(int, structure);
    QFETCH(QString, modes);
    QFETCH(QString, point);
    QFETCH(float, external);
    QFETCH(float, hysteresis);
    QFETCH(float, internal);
    QFETCH(Rows, expected);

    const PhysicalModel m(structure, modes, point, DampingLaw(external, hysteresis, internal));
    QVERIFY(m.isValid());
    QCOMPARE(m.rowCount(), expected.size());
    QCOMPARE(m.modes().size(), expected.size());
    for (int r = 0; r < expected.size(); ++r) {
        const Mode &mode = m.modes().at(r);
        const double got[3] = {mode.freq, mode.amort, mode.poids};
        for (int c = 0; c < 3; ++c) {
            const double want = expected[r][c];
            if (std::isnan(want))
                continue;
            QVERIFY2(std::fabs(got[c] - want) <= 2e-5 * std::max(1.0, std::fabs(want)),
                     qPrintable(QStringLiteral("row %1 column %2: %3, expected %4").arg(r).arg(c).arg(got[c], 0, 'g', 9).arg(want)));
        }
    }
}

void TestPhysicalModel::barEigenvalues_data()
{
    QTest::addColumn<int>("structure");
    QTest::addColumn<QVector<double>>("betas");

    QTest::newRow("free-free") << int(PhysicalModel::BarFreeFree)
                               << QVector<double>{4.730041, 7.853205, 10.995608, 14.137165, 17.278761, 20.4204, 23.5619};
    QTest::newRow("clamped-clamped") << int(PhysicalModel::BarClampedClamped)
                                     << QVector<double>{4.730041, 7.853205, 10.995608, 14.137165, 17.278761, 20.4204};
    QTest::newRow("clamped-free") << int(PhysicalModel::BarClampedFree)
                                  << QVector<double>{1.875104, 4.694091, 7.854757, 10.995541, 14.137168, 17.27876};
    QTest::newRow("pinned-free") << int(PhysicalModel::BarPinnedFree)
                                 << QVector<double>{3.926602, 7.068583, 10.2102, 13.3518};
    QTest::newRow("clamped-pinned") << int(PhysicalModel::BarClampedPinned)
                                    << QVector<double>{3.926602, 7.068583, 10.2102, 13.3518, 16.4934};
    QTest::newRow("strings have none") << int(PhysicalModel::StringFixedFixed) << QVector<double>{0, 0};
    QTest::newRow("nor the pinned-pinned bar") << int(PhysicalModel::BarPinnedPinned) << QVector<double>{0};
}

void TestPhysicalModel::barEigenvalues()
{
    QFETCH(int, structure);
    QFETCH(QVector<double>, betas);
    for (int r = 0; r < betas.size(); ++r)
        QVERIFY2(std::fabs(PhysicalModel::beta(structure, r) - betas[r]) < 1e-4,
                 qPrintable(QStringLiteral("β_%1 = %2").arg(r).arg(PhysicalModel::beta(structure, r), 0, 'g', 9)));
    if (betas.first() > 0) {
        // The ratios are the eigenvalues squared over the first one's square.
        const PhysicalModel m(structure, QString::number(betas.size()), QStringLiteral("0.5"), DampingLaw());
        const QVector<double> f = frequencies(m);
        for (int r = 0; r < betas.size(); ++r)
            QVERIFY(std::fabs(f[r] - betas[r] * betas[r] / (betas[0] * betas[0])) < 2e-5 * f[r]);
    }
}

void TestPhysicalModel::refusedInputs_data()
{
    QTest::addColumn<QString>("modes");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("rows");

    QTest::newRow("both") << "0" << "1.5" << "Nombre de modes Point de Percussion Invalide(s)" << 0;
    QTest::newRow("point above 1") << "3" << "1.5" << "Point de Percussion Invalide(s)" << 3;
    QTest::newRow("point just above 1") << "2" << "1.01" << "Point de Percussion Invalide(s)" << 2;
    QTest::newRow("empty point") << "3" << "" << "Invalide(s)" << 3;
    QTest::newRow("point not a number") << "4" << "abc" << "Invalide(s)" << 4;
    QTest::newRow("no modes") << "0" << "0.3" << "Nombre de modes Invalide(s)" << 0;
    QTest::newRow("empty mode count") << "" << "0.3" << "Nombre de modes Invalide(s)" << 0;
    QTest::newRow("negative mode count") << "-2" << "0.3" << "Nombre de modes Invalide(s)" << 0;
    QTest::newRow("beyond the field's 100") << "101" << "0.3" << "Nombre de modes Invalide(s)" << 0;
    QTest::newRow("1 mode at point 1") << "1" << "1" << "" << 1;
    QTest::newRow("100 modes at point 0") << "100" << "0" << "" << 100;
}

void TestPhysicalModel::refusedInputs()
{
    QFETCH(QString, modes);
    QFETCH(QString, point);
    QFETCH(QString, message);
    QFETCH(int, rows);
    for (int s = 0; s < PhysicalModel::kStructureCount; ++s) {
        const PhysicalModel m(s, modes, point, DampingLaw(1, 1, 1));
        QCOMPARE(m.message(), message);
        QCOMPARE(m.isValid(), message.isEmpty());
        QCOMPARE(m.rowCount(), rows);
        QCOMPARE(m.modes().size(), message.isEmpty() ? rows : 0);
        if (!m.isValid())
            QVERIFY(m.description().isEmpty());
    }
}

void TestPhysicalModel::barWeightsFollowTheirShapes_data()
{
    QTest::addColumn<int>("structure");
    for (int s : {PhysicalModel::BarClampedClamped, PhysicalModel::BarClampedPinned, PhysicalModel::BarClampedFree,
                  PhysicalModel::BarPinnedFree, PhysicalModel::BarFreeFree})
        QTest::newRow(qPrintable(PhysicalModel::identifier(s))) << s;
}

// Where the shapes can still be evaluated as written (the first 7 modes, up to the far end), the
// weights are those shapes at x' = 100·x/101.
void TestPhysicalModel::barWeightsFollowTheirShapes()
{
    QFETCH(int, structure);
    for (const char *point : {"0", "0.05", "0.3", "0.77", "1"}) {
        const float x = QString::fromLatin1(point).toFloat();
        const PhysicalModel m(structure, QStringLiteral("7"), QString::fromLatin1(point), DampingLaw());
        QVERIFY(m.isValid());
        for (int r = 0; r < 7; ++r) {
            const double b = PhysicalModel::beta(structure, r);
            const double want = directShape(structure, b * double(100.0f * x / 101.0f), b);
            const double got = m.modes().at(r).poids;
            QVERIFY2(std::fabs(got - want) < 1e-5 * std::max(1.0, std::fabs(want)),
                     qPrintable(QStringLiteral("x %1 row %2: %3, shape %4").arg(point).arg(r).arg(got).arg(want)));
        }
    }
}

void TestPhysicalModel::hundredModesStayFiniteAndBounded_data()
{
    QTest::addColumn<int>("structure");
    for (int s = 0; s < PhysicalModel::kStructureCount; ++s)
        QTest::newRow(qPrintable(PhysicalModel::identifier(s))) << s;
}

// Evaluated as written in single precision, the bars' hyperbolic terms overflow from the 27th mode
// (cosh 89.5 > 3.4e38) and cancel into noise long before: every weight must stay a mode shape's
// value, a few units at most, and every damping rate a finite number.
void TestPhysicalModel::hundredModesStayFiniteAndBounded()
{
    QFETCH(int, structure);
    for (const char *point : {"0.3", "0.99", "1"}) {
        const PhysicalModel m(structure, QStringLiteral("100"), QString::fromLatin1(point), DampingLaw(1, 1, 1));
        QCOMPARE(m.modes().size(), 100);
        float previous = 0;
        for (int r = 0; r < 100; ++r) {
            const Mode &mode = m.modes().at(r);
            QVERIFY2(std::isfinite(mode.poids) && std::fabs(mode.poids) <= 3.0f,
                     qPrintable(QStringLiteral("x %1 row %2: weight %3").arg(point).arg(r).arg(mode.poids)));
            QVERIFY(std::isfinite(mode.amort) && mode.amort > 0);
            QVERIFY(mode.freq > previous);
            previous = mode.freq;
        }
    }
}

// A free end moves with every mode: struck at the end, each mode of the fixed-free string has its
// full weight there.
void TestPhysicalModel::freeEndOfAStringIsAnAntinode()
{
    const PhysicalModel m(PhysicalModel::StringFixedFree, QStringLiteral("5"), QStringLiteral("1"), DampingLaw());
    for (int r = 0; r < 5; ++r)
        QVERIFY2(std::fabs(std::fabs(m.modes().at(r).poids) - 1.0f) < 0.01f,
                 qPrintable(QStringLiteral("mode %1: %2").arg(m.modes().at(r).freq).arg(m.modes().at(r).poids)));
    // At its fixed end nothing moves.
    const PhysicalModel fixedEnd(PhysicalModel::StringFixedFree, QStringLiteral("5"), QStringLiteral("0"), DampingLaw());
    for (const Mode &mode : fixedEnd.modes())
        QCOMPARE(mode.poids, 0.f);
}

void TestPhysicalModel::description()
{
    const PhysicalModel m(PhysicalModel::StringFixedFixed, QStringLiteral("3"), QStringLiteral("0.3"), DampingLaw(1, 0.5f, 0.1f));
    QCOMPARE(m.title(), QStringLiteral("cordeFixFix"));
    QCOMPARE(m.description(), QString::fromUtf8("Modèle de corde/tige avec des extrémités Fixe-Fixe à 3 partiels."
                                                "\nPoints d'excitation et d'écoute à 0.3"
                                                "\nCoefficients d'amortissement 1, 0.5 et 0.1"));
    const PhysicalModel bar(PhysicalModel::BarRing, QStringLiteral("12"), QStringLiteral("0.25"), DampingLaw(2.5f, 0, 0.004f));
    QCOMPARE(bar.title(), QStringLiteral("BarreSansBord"));
    QCOMPARE(bar.description(), QString::fromUtf8("Modèle de Barre/Poutre Sans Bord (périodique) à 12 partiels. "
                                                    "Attention les modes sont doublés."
                                                    "\nPoints d'excitation et d'écoute à 0.25"
                                                    "\nCoefficients d'amortissement 2.5, 0 et 0.004"));
}

void TestPhysicalModel::structures_data()
{
    QTest::addColumn<int>("structure");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("picture");

    const char *const rows[11][3] = {
        {"Corde Fixe-Fixe", "cordeFixFix", "cordeApAp"},   {"Corde Fixe-Libre", "cordeFixLib", "cordeApLib"},
        {"Corde Libre-Libre", "cordeLibLib", "cordeLibLib"}, {"Corde sans bord", "cordeSansBord", "cordeSansBord"},
        {"Barre Enc-Enc", "barreEE", "barreEncEnc"},       {"Barre Enc-App", "barreEncApp", "barreEncAp"},
        {"Barre App-App", "barreApAp", "barreApAp"},       {"Barre Enc-lib", "barreEncLib", "barreEncLib"},
        {"Barre App-lib", "barreAppLib", "barreApLib"},     {"Barre lib-lib", "barreLibLib", "barreLibLib"},
        {"Barre sans bord", "BarreSansBord", "barreSansBord"}};
    for (int s = 0; s < 11; ++s)
        QTest::newRow(rows[s][1]) << s << rows[s][0] << rows[s][1]
                                  << QStringLiteral("figures/%1.png").arg(QLatin1String(rows[s][2]));
    QTest::newRow("below") << -1 << "" << "" << "";
    QTest::newRow("above") << 11 << "" << "" << "";
}

void TestPhysicalModel::structures()
{
    QFETCH(int, structure);
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QFETCH(QString, picture);
    QCOMPARE(PhysicalModel::name(structure), name);
    QCOMPARE(PhysicalModel::identifier(structure), identifier);
    QCOMPARE(PhysicalModel::picture(structure), picture);
    if (!picture.isEmpty())
        QVERIFY2(QFile::exists(picture), qPrintable(picture));
    else
        QVERIFY(PhysicalModel(structure, QStringLiteral("2"), QStringLiteral("0.3"), DampingLaw()).modes().size() == 2);
}

QTEST_GUILESS_MAIN(TestPhysicalModel)
#include "tst_physicalmodel.moc"
