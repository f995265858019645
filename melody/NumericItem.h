#ifndef NUMERICITEM_H
#define NUMERICITEM_H

#include <QTableWidgetItem>

/// A cell of the melody editor's tables: its text as typed, centred, ordered by its value as a
/// number (a text that is no number counts as 0), so that sorting by date puts 10 after 2.
class NumericItem : public QTableWidgetItem
{
public:
    explicit NumericItem(const QString &text = QString());

    bool operator<(const QTableWidgetItem &other) const override;
    QTableWidgetItem *clone() const override;
};

#endif
