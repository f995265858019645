#include "app/DecimalValidator.h"

DecimalValidator::DecimalValidator(double bottom, double top, int decimals, QObject *parent)
    : QValidator(parent), m_bottom(bottom), m_top(top), m_decimals(decimals)
{
}

QValidator::State DecimalValidator::validate(QString &input, int &) const
{
    if (input.isEmpty())
        return Intermediate;

    // Shape: an optional minus (only where the range has negative numbers), digits, at most one
    // point, at most m_decimals digits after it.
    int start = 0;
    const bool negative = input.at(0) == QLatin1Char('-');
    if (negative) {
        if (m_bottom >= 0)
            return Invalid;
        start = 1;
    }
    int point = -1;
    for (int i = start; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (c == QLatin1Char('.')) {
            if (point >= 0)
                return Invalid;
            point = i;
        } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return Invalid;
        }
    }
    if (point >= 0 && input.size() - point - 1 > m_decimals)
        return Invalid;
    if (input.size() - start - (point >= 0 ? 1 : 0) == 0)
        return Intermediate; // "-", "." or "-."

    const double value = input.toDouble();
    if (value >= m_bottom && value <= m_top)
        return Acceptable;
    // More digits only take a value further from zero.
    if (value > m_top && m_top >= 0)
        return Invalid;
    if (value < m_bottom && m_bottom <= 0)
        return Invalid;
    return Intermediate;
}
