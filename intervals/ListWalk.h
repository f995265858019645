#ifndef LISTWALK_H
#define LISTWALK_H

#include <QVector>

/// The road of the list playback through the rows of the category tree: down from the first row
/// to the last interval of the list, then back up to the first interval.
///
/// The rows are those of the tree with every category expanded, top to bottom: each category row
/// followed by the rows of its intervals. A row holds the list position of its interval, or −1
/// for a category.
class ListWalk
{
public:
    /// The tree's rows for these category counts (eight of them): category k, then positions
    /// nbCat[0] + … + nbCat[k−1] onward, nbCat[k] of them.
    static QVector<int> treeRows(const int *nbCat);

    /// A walk over rows whose last list position is lastPosition, standing on row 0, downwards.
    ListWalk(const QVector<int> &rows, int lastPosition);

    /// Moves one row: the direction turns upwards on the row of lastPosition (or on the last row,
    /// when that position has no row). True when the walk has ended: going upwards, it reached
    /// position 0 (or the first row).
    bool step();

    int row() const { return m_row; }
    /// The list position of the current row; −1 on a category.
    int position() const { return m_rows.value(m_row, -1); }
    bool downwards() const { return m_downwards; }

private:
    QVector<int> m_rows;
    int m_lastPosition;
    int m_row = 0;
    bool m_downwards = true;
};

#endif
