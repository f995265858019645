#ifndef MODE_H
#define MODE_H

#include <QString>

#include <cmath>

/// One vibration mode of a model, as a row of the model editor's table and a `partiel` element
/// of its file.
struct Mode
{
    float freq = 0.0f;  ///< frequency as a ratio to the fundamental, > 0 in a valid model
    float amort = 0.0f; ///< damping rate, s⁻¹, ≥ 0
    float poids = 0.0f; ///< weight at the point struck and listened to, any sign

    /// A value as the editor writes it into a cell: whole numbers as integers, others in the
    /// general format with 6 significant digits.
    static QString text(float v)
    {
        const double d = double(v);
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 6);
    }
};

#endif
