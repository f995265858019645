#include "melody/NumericItem.h"

#include "melody/MelodyRules.h"

NumericItem::NumericItem(const QString &text)
    : QTableWidgetItem(text, UserType)
{
    setTextAlignment(Qt::AlignCenter);
}

bool NumericItem::operator<(const QTableWidgetItem &other) const
{
    return cellValue(text()) < cellValue(other.text());
}

QTableWidgetItem *NumericItem::clone() const
{
    return new NumericItem(*this);
}
