#ifndef DECIMALVALIDATOR_H
#define DECIMALVALIDATOR_H

#include <QValidator>

/// Decimals in standard notation with a point, whatever the desktop's locale, bounded so that
/// nothing outside [bottom, top] can be committed.
///
/// Text that typing more digits can still bring into the range is Intermediate (an empty field,
/// "-", ".", a positive value below a positive bottom: "9" on the way to "90"), so the fields
/// still show their messages while the user types. Text that no further digit can bring back is
/// Invalid and never reaches the field: a value above top ("99999" for Frequency 1), below a
/// negative bottom, more decimals than allowed, a comma, an exponent, a sign the range excludes.
class DecimalValidator : public QValidator
{
    Q_OBJECT

public:
    DecimalValidator(double bottom, double top, int decimals, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    double bottom() const { return m_bottom; }
    double top() const { return m_top; }
    int decimals() const { return m_decimals; }

private:
    double m_bottom;
    double m_top;
    int m_decimals;
};

#endif
