#ifndef DAMPINGLAW_H
#define DAMPINGLAW_H

#include <QString>
#include <QVector>

/// The three damping coefficients of the model editor: a mode's damping rate, s⁻¹, is
/// external + hysteresis·v + internal·v², where v stands for the mode's frequency. Which variable v
/// is depends on where the law is applied: the mode number or the bar eigenvalue squared when a
/// model is generated, the stored ratio for "Appliquer", the frequency in Hz at synthesis
/// (Modmod::calcAmort, fed by coefficients()).
class DampingLaw
{
public:
    DampingLaw() = default;
    DampingLaw(float external, float hysteresis, float internal)
        : external(external), hysteresis(hysteresis), internal(internal)
    {
    }

    /// The coefficients typed in the editor's fields; a text that does not convert counts as 0.
    static DampingLaw fromTexts(const QString &external, const QString &hysteresis,
                                const QString &internal);

    /// external + hysteresis·v + internal·v², in single precision.
    float rate(float v) const;

    /// The coefficients in increasing powers of the frequency, as Modmod::coeffs takes them.
    QVector<float> coefficients() const { return {external, hysteresis, internal}; }

    float external = 0.0f;    ///< s⁻¹, the same for every mode
    float hysteresis = 0.0f; ///< s⁻¹ per unit of v
    float internal = 0.0f;    ///< s⁻¹ per unit of v² (viscoelastic)
};

#endif
