#include "intervals/ListWalk.h"

QVector<int> ListWalk::treeRows(const int *nbCat)
{
    QVector<int> rows;
    int position = 0;
    for (int k = 0; k < 8; ++k) {
        rows << -1;
        for (int r = 0; r < nbCat[k]; ++r)
            rows << position++;
    }
    return rows;
}

ListWalk::ListWalk(const QVector<int> &rows, int lastPosition)
    : m_rows(rows), m_lastPosition(lastPosition)
{
}

bool ListWalk::step()
{
    if (m_rows.isEmpty())
        return true;
    if (position() == m_lastPosition || m_row >= m_rows.size() - 1)
        m_downwards = false;
    m_row = m_downwards ? m_row + 1 : qMax(0, m_row - 1);
    return !m_downwards && (position() == 0 || m_row == 0);
}
