#ifndef PHYSICALMODEL_H
#define PHYSICALMODEL_H

#include "modal/DampingLaw.h"
#include "modal/Mode.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

/// A modal model generated from the physics of a string or an Euler-Bernoulli bar ("Créer" of the
/// model editor): for N modes, the frequency ratio of each mode to the first, its weight at the
/// point x where the structure is struck and listened to, and its damping rate from a DampingLaw.
///
/// Strings have harmonic modes (k, or 2k − 1 with one free end). Bars follow Euler-Bernoulli
/// theory: the ratio of mode r is β_r²/β_0², β_r the r-th root of the frequency equation of its
/// end conditions (Rayleigh, "The Theory of Sound", vol. 1, §§ 170-174; the roots as tabulated by
/// Blevins, "Formulas for Natural Frequency and Mode Shape", table 8-1), and its weight the mode
/// shape at x. Structures closed on themselves ("sans bord") have every mode twice, as a cosine
/// and a sine pair; the sine member is detuned by 1.002 so that the pair beats instead of merging.
///
/// The point x is first moved to x' = 100·x/101, so that a mode never has a node exactly at the
/// end x = 1.
class PhysicalModel
{
    Q_DECLARE_TR_FUNCTIONS(PhysicalModel)

public:
    /// The vibrating structures, in the order of the editor's list.
    enum Structure {
        StringFixedFixed = 0,
        StringFixedFree = 1,
        StringFreeFree = 2,
        StringRing = 3,
        BarClampedClamped = 4,
        BarClampedPinned = 5,
        BarPinnedPinned = 6,
        BarClampedFree = 7,
        BarPinnedFree = 8,
        BarFreeFree = 9,
        BarRing = 10,
    };
    static constexpr int kStructureCount = 11;
    /// The most modes generation makes (the field's bound): beyond about 110 modes the bars'
    /// hyperbolic terms leave the double range.
    static constexpr int kMaxModes = 100;

    /// Generates the model from the editor's texts: the number of modes N (integer), the point x
    /// and the damping coefficients (already converted: a coefficient that does not convert
    /// counts as 0). Invalid when x does not convert, x > 1, or N is not within 1 … kMaxModes;
    /// x < 0 is not refused. A structure outside 0 … 10 generates empty rows.
    PhysicalModel(int structure, const QString &modes, const QString &point,
                  const DampingLaw &damping);

    bool isValid() const { return m_message.isEmpty(); }

    /// Why the inputs are refused, as the editor shows it: "Invalide(s)", preceded by
    /// "Point de Percussion " when x > 1 and then by "Nombre de modes " when N < 1. Empty when
    /// valid.
    QString message() const { return m_message; }

    /// Rows the editor's table gets: N when 0 ≤ N ≤ kMaxModes, even for an invalid point;
    /// otherwise 0.
    int rowCount() const { return m_rowCount; }

    /// The N modes in table order; empty when invalid.
    const QVector<Mode> &modes() const { return m_modes; }

    /// The structure's identifier, which the editor puts into the model's title.
    QString title() const { return identifier(m_structure); }

    /// The structure's description with N, then the point and the three coefficients, each on a
    /// line of its own.
    QString description() const { return m_description; }

    /// The name shown in the editor's list (translated); empty outside 0 … 10.
    static QString name(int structure);
    /// The identifier written into the title ("cordeFixFix", …); empty outside 0 … 10.
    static QString identifier(int structure);
    /// The picture of the structure, relative to the working directory; empty outside 0 … 10.
    static QString picture(int structure);

    /// Eigenvalue β_r of row r (r ≥ 0) of a bar with listed roots (structures 4, 5, 7, 8, 9), in
    /// single precision: the listed values, then the series (r + 1.5)·π, (r + 0.5)·π or
    /// (r + 1.25)·π. 0 for the other structures.
    static float beta(int structure, int r);

    /// The frequency variable of the damping law for row r: k for the strings (2k − 1 with one
    /// free end), β_r² for the bars with listed roots, (kπ)² for the pinned-pinned bar (whose
    /// roots are exactly kπ), k² for the bar without ends; k numbers the modes, or the pairs of
    /// the structures without ends.
    static float dampingVariable(int structure, int r);

private:
    Mode modeAt(int r, float x) const;

    int m_structure;
    int m_rowCount = 0;
    QString m_message;
    QVector<Mode> m_modes;
    QString m_description;
    DampingLaw m_damping;
};

#endif
