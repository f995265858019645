#ifndef LISTINTERV_H
#define LISTINTERV_H

#include "intervals/Interval.h"

#include <QList>
#include <QString>

#include <array>

/// An interval list (a scale, a temperament): a header, the intervals in ascending order of cents,
/// and how many of them fall in each of eight size categories.
///
/// Categories are given by eight increasing upper bounds in whole cents (`bornes`), owned by the
/// caller and passed to every operation: an interval of c cents falls in the first category k of
/// 0 … 6 with c < bornes[k], otherwise in category 7 when c ≤ bornes[7]; above bornes[7] it stays in
/// the list, last, but is not counted. Since the list is sorted, the intervals of category k start
/// at position nbCat[0] + … + nbCat[k−1].
class ListInterv
{
public:
    static constexpr int kNbCategories = 8;

    ListInterv();

    /// Header: first = a, second = d, third = b, fourth = c (the title goes first, the author fourth).
    void setEnt(const QString &a, const QString &b, const QString &c, const QString &d);

    /// Inserts a copy after every interval of the same or smaller size, and counts it.
    void addInterv(const Interval *interval, const int *bornes);

    /// Removes the interval at index and uncounts it; an index outside the list does nothing.
    void remInterv(int index, const int *bornes);

    /// Replaces the whole list, then sorts and recounts it.
    void setList(const QList<Interval> &list, const int *bornes);

    /// Sorts the list by cents (equal sizes keep their order) and recounts every category.
    void classInterv(const int *bornes);

    /// The category of a size in cents, or −1 above the last bound (or for NaN).
    static int categorie(float cent, const int *bornes);

    std::array<QString, 4> entete;
    QList<Interval> liste;
    int nbCat[kNbCategories];
};

#endif
