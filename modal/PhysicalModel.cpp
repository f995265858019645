#include "modal/PhysicalModel.h"

#include <cmath>
#include <cstdio>

namespace {

struct StructureInfo
{
    const char *name;
    const char *identifier;
    const char *picture;
    const char *description;
};

const StructureInfo kStructures[PhysicalModel::kStructureCount] = {
    {QT_TRANSLATE_NOOP("PhysicalModel", "Corde Fixe-Fixe"), "cordeFixFix", "figures/cordeApAp.png",
     QT_TRANSLATE_NOOP("PhysicalModel", "Modèle de corde/tige avec des extrémités Fixe-Fixe à %1 partiels.")},
    {QT_TRANSLATE_NOOP("PhysicalModel", "Corde Fixe-Libre"), "cordeFixLib", "figures/cordeApLib.png",
     QT_TRANSLATE_NOOP("PhysicalModel", "Modèle de corde Appuyée-Libre à %1 partiels.")},
    {QT_TRANSLATE_NOOP("PhysicalModel", "Corde Libre-Libre"), "cordeLibLib", "figures/cordeLibLib.png",
     QT_TRANSLATE_NOOP("PhysicalModel", "Modèle de corde/tige Libre-Libre à %1 partiels.")},
    {QT_TRANSLATE_NOOP("PhysicalModel", "Corde sans bord"), "cordeSansBord", "figures/cordeSansBord.png",
     QT_TRANSLATE_NOOP("PhysicalModel", "Modèle de corde/tige Sans Bord (périodique) à %1 partiels. "
                                        "Attention les modes sont doublés.")},
    {QT_TRANSLATE_NOOP("PhysicalModel", "Barre Enc-Enc"), "barreEE", "figures/barreEncEnc.png",
     QT_TRANSLATE_NOOP("PhysicalModel", "Modèle de barre Encastrée-Encastrée (Euler-Bernoulli) à %1 partiels.")},
    {QT_TRANSLATE_NOOP("PhysicalModel", "Barre Enc-App"), "barreEncApp", "figures/barreEncAp.png",
     QT_TRANSLATE_NOOP("PhysicalModel", "Modèle de barre (Euler-Bernoulli) Encastrée-Appuyée à %1 partiels.")},
    {QT_TRANSLATE_NOOP("PhysicalModel", "Barre App-App"), "barreApAp", "figures/barreApAp.png",
     QT_TRANSLATE_NOOP("PhysicalModel", "Modèle de barre Appuyée-Appuyée à %1 partiels.")},
    {QT_TRANSLATE_NOOP("PhysicalModel", "Barre Enc-lib"), "barreEncLib", "figures/barreEncLib.png",
     QT_TRANSLATE_NOOP("PhysicalModel", "Modèle de barre (Euler-Bernoulli) aux extrémités Encastrée-Libre à %1 partiels.")},
    {QT_TRANSLATE_NOOP("PhysicalModel", "Barre App-lib"), "barreAppLib", "figures/barreApLib.png",
     QT_TRANSLATE_NOOP("PhysicalModel", "Modèle de barre (Euler-Bernoulli) aux extrémités Appuyée-Libre à %1 partiels.")},
    {QT_TRANSLATE_NOOP("PhysicalModel", "Barre lib-lib"), "barreLibLib", "figures/barreLibLib.png",
     QT_TRANSLATE_NOOP("PhysicalModel", "Modèle de barre (Euler-Bernoulli) aux extrémités libre-libre à %1 partiels.")},
    {QT_TRANSLATE_NOOP("PhysicalModel", "Barre sans bord"), "BarreSansBord", "figures/barreSansBord.png",
     QT_TRANSLATE_NOOP("PhysicalModel", "Modèle de Barre/Poutre Sans Bord (périodique) à %1 partiels. "
                                        "Attention les modes sont doublés.")},
};

// First roots of the bars' frequency equations; the series takes over after them.
const float kFreeOrClamped[5] = {4.730041f, 7.853205f, 10.995608f, 14.137165f, 17.278761f};
const float kClampedFree[5] = {1.875104f, 4.694091f, 7.854757f, 10.995541f, 14.137168f};
const float kPinnedAndClampedOrFree[2] = {3.926602f, 7.068583f};

constexpr float kPi = float(M_PI);
constexpr double kSqrt2 = 1.4142135623730951;
// The sine member of a pair, detuned so that the two beat.
constexpr float kDetune = 1.002f;

bool validStructure(int structure)
{
    return structure >= 0 && structure < PhysicalModel::kStructureCount;
}

QString general(double v)
{
    return QString::number(v, 'g', 6);
}

// The bars' mode shapes hold hyperbolic terms that reach e^β (about 1e137 for the 100th mode)
// and nearly cancel: evaluated as written, in single precision, they overflow from the 27th mode
// of a free-free bar and lose every digit well before. Scaled by e^−β they stay exact.

/// R = (sinh β + a)/(cosh β + b), |a|, |b| ≤ 1, numerator and denominator divided by e^β/2.
double hyperbolicRatio(double beta, double a, double b)
{
    const double e = std::exp(-beta);
    return (1.0 - e * e + 2.0 * a * e) / (1.0 + e * e + 2.0 * b * e);
}

/// sinh y − R·cosh y for that R and y ≤ β, written e^y·(1 − R)/2 − e^−y·(1 + R)/2 with
/// 1 − R = (e^−β + b − a)/(cosh β + b), so that the two large terms never meet.
double sinhLessRatioCosh(double y, double beta, double a, double b)
{
    const double e = std::exp(-beta);
    const double r = hyperbolicRatio(beta, a, b);
    return std::exp(y - beta) * (e + b - a) / (1.0 + e * e + 2.0 * b * e) - std::exp(-y) * (1.0 + r) / 2.0;
}

/// Clamped shape (sinh y − sin y) − R·(cosh y − cos y), R = (sinh β + a)/(cosh β + b).
double clampedShape(double y, double beta, double a, double b)
{
    return sinhLessRatioCosh(y, beta, a, b) - std::sin(y) + hyperbolicRatio(beta, a, b) * std::cos(y);
}

/// Free shape (sinh y + sin y) + [(sin β − sinh β)/(cosh β − cos β)]·(cosh y + cos y).
double freeShape(double y, double beta)
{
    const double a = -std::sin(beta);
    const double b = -std::cos(beta);
    return sinhLessRatioCosh(y, beta, a, b) + std::sin(y) - hyperbolicRatio(beta, a, b) * std::cos(y);
}

/// Pinned-free shape [sinh y + (sinh β / sin β)·sin y] / √norm with
/// norm = (cosh 2β − 1)/2 + sinh²β·(1 − cos 2β) = sinh²β·(2 − cos 2β), evaluated as
/// [sinh y / sinh β + sin y / sin β] / √(2 − cos 2β).
double pinnedFreeShape(double y, double beta, int r)
{
    const double sinhB = std::sinh(beta);
    const double norm = sinhB * sinhB * (2.0 - std::cos(2.0 * beta));
    std::printf("i %d, norm %f\n", r, norm);
    const double e2 = std::exp(-2.0 * beta);
    const double ratio = (std::exp(y - beta) - std::exp(-y - beta)) / (1.0 - e2);
    return (ratio + std::sin(y) / std::sin(beta)) / std::sqrt(2.0 - std::cos(2.0 * beta));
}

} // namespace

PhysicalModel::PhysicalModel(int structure, const QString &modes, const QString &point,
                             const DampingLaw &damping)
    : m_structure(structure), m_damping(damping)
{
    bool pointOk = false;
    const float x = point.toFloat(&pointOk);
    // A whole number, "12" or "12." as the field may hold it; anything else counts as 0.
    bool countOk = false;
    const double count = modes.toDouble(&countOk);
    const int n = countOk && count == std::floor(count) && std::fabs(count) <= 1e6 ? int(count) : 0;

    QString message = tr("Invalide(s)");
    bool valid = pointOk && std::isfinite(x);
    if (pointOk && x > 1.0f) {
        message = tr("Point de Percussion ") + message;
        valid = false;
    }
    if (n < 1 || n > kMaxModes) {
        message = tr("Nombre de modes ") + message;
        valid = false;
    }
    m_rowCount = n >= 0 && n <= kMaxModes ? n : 0;
    if (!valid) {
        m_message = message;
        return;
    }

    m_modes.reserve(n);
    for (int r = 0; r < n; ++r)
        m_modes.append(modeAt(r, x));

    if (!validStructure(structure))
        return;
    m_description = tr(kStructures[structure].description).arg(n) + tr("\nPoints d'excitation et d'écoute à %2").arg(general(x)) +
                    tr("\nCoefficients d'amortissement %3, %4 et %5")
                        .arg(general(damping.external), general(damping.hysteresis),
                             general(damping.internal));
}

Mode PhysicalModel::modeAt(int r, float x) const
{
    Mode m;
    if (!validStructure(m_structure))
        return m;
    const float xPrime = float(100.0 * double(x) / 101.0);
    const float k = float(r + 1);
    // Structures without ends: row r holds the cosine (even r) or the sine member of pair p.
    const float p = float(r / 2 + 1);
    const bool sineMember = r % 2 == 1;

    switch (m_structure) {
    case StringFixedFixed:
        m.freq = k;
        m.poids = float(std::sin(double(k) * M_PI * double(xPrime)));
        break;
    case StringFixedFree: {
        // Mode n = 2k − 1 is sin(n·π·x/2) along the string: every mode has its antinode at the
        // free end.
        const float n = 2.0f * k - 1.0f;
        m.freq = n;
        m.poids = float(std::sin(double(n) * M_PI * 100.0 * double(x) / 201.0));
        break;
    }
    case StringFreeFree:
        m.freq = k;
        m.poids = float(kSqrt2 * std::cos(double(k) * M_PI * double(xPrime)));
        break;
    case StringRing:
    case BarRing: {
        const float base = m_structure == StringRing ? p : p * p;
        m.freq = sineMember ? kDetune * base : base;
        const double angle = 2.0 * double(p) * M_PI * double(xPrime);
        m.poids = float(kSqrt2 * (sineMember ? std::sin(angle) : std::cos(angle)));
        break;
    }
    case BarPinnedPinned:
        m.freq = k * k;
        m.poids = float(std::sin(double(k) * M_PI * 100.0 * double(x) / 101.0));
        break;
    default: {
        const float b = beta(m_structure, r);
        const float b0 = beta(m_structure, 0);
        m.freq = b * b / (b0 * b0);
        const double y = double(b) * double(xPrime);
        const double bd = double(b);
        switch (m_structure) {
        case BarClampedClamped:
        case BarClampedPinned:
            m.poids = float(clampedShape(y, bd, -std::sin(bd), -std::cos(bd)));
            break;
        case BarClampedFree:
            m.poids = float(clampedShape(y, bd, std::sin(bd), std::cos(bd)));
            break;
        case BarPinnedFree:
            m.poids = float(pinnedFreeShape(y, bd, r));
            break;
        default:
            m.poids = float(freeShape(y, bd));
            break;
        }
        break;
    }
    }
    m.amort = m_damping.rate(dampingVariable(m_structure, r));
    return m;
}

float PhysicalModel::beta(int structure, int r)
{
    if (r < 0)
        return 0.0f;
    switch (structure) {
    case BarFreeFree:
    case BarClampedClamped:
        return r < 5 ? kFreeOrClamped[r] : (float(r) + 1.5f) * kPi;
    case BarClampedFree:
        return r < 5 ? kClampedFree[r] : (float(r) + 0.5f) * kPi;
    case BarClampedPinned:
    case BarPinnedFree:
        return r < 2 ? kPinnedAndClampedOrFree[r] : (float(r) + 1.25f) * kPi;
    default:
        return 0.0f;
    }
}

float PhysicalModel::dampingVariable(int structure, int r)
{
    const float k = float(r + 1);
    const float p = float(r / 2 + 1);
    switch (structure) {
    case StringFixedFixed:
    case StringFreeFree:
        return k;
    case StringFixedFree:
        return 2.0f * k - 1.0f;
    case StringRing:
        return p;
    case BarRing:
        return p * p;
    case BarPinnedPinned:
        return (k * kPi) * (k * kPi);
    default: {
        const float b = beta(structure, r);
        return b * b;
    }
    }
}

QString PhysicalModel::name(int structure)
{
    return validStructure(structure) ? tr(kStructures[structure].name) : QString();
}

QString PhysicalModel::identifier(int structure)
{
    return validStructure(structure) ? QString::fromLatin1(kStructures[structure].identifier) : QString();
}

QString PhysicalModel::picture(int structure)
{
    return validStructure(structure) ? QString::fromLatin1(kStructures[structure].picture) : QString();
}
