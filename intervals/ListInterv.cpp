#include "intervals/ListInterv.h"

#include <algorithm>
#include <cmath>

namespace {

/// Ascending cents; a NaN size sorts last, so the ordering stays strict and weak.
bool bySize(const Interval &a, const Interval &b)
{
    if (std::isnan(a.cent))
        return false;
    return std::isnan(b.cent) || a.cent < b.cent;
}

} // namespace

ListInterv::ListInterv()
    : nbCat{}
{
}

void ListInterv::setEnt(const QString &a, const QString &b, const QString &c, const QString &d)
{
    entete = {a, d, b, c};
}

int ListInterv::categorie(float cent, const int *bornes)
{
    for (int k = 0; k < kNbCategories - 1; ++k) {
        if (cent < bornes[k])
            return k;
    }
    return cent <= bornes[kNbCategories - 1] ? kNbCategories - 1 : -1;
}

void ListInterv::addInterv(const Interval *interval, const int *bornes)
{
    const float c = interval->cent;
    const auto place = std::find_if(liste.begin(), liste.end(), [c](const Interval &i) { return i.cent > c; });
    liste.insert(place, *interval);
    const int k = categorie(interval->cent, bornes);
    if (k >= 0)
        ++nbCat[k];
}

void ListInterv::remInterv(int index, const int *bornes)
{
    if (index < 0 || index >= liste.size())
        return;
    const int k = categorie(liste.at(index).cent, bornes);
    liste.removeAt(index);
    if (k >= 0)
        --nbCat[k];
}

void ListInterv::setList(const QList<Interval> &list, const int *bornes)
{
    liste = list;
    classInterv(bornes);
}

void ListInterv::classInterv(const int *bornes)
{
    std::fill(std::begin(nbCat), std::end(nbCat), 0);
    std::stable_sort(liste.begin(), liste.end(), bySize);
    for (const Interval &i : liste) {
        const int k = categorie(i.cent, bornes);
        if (k >= 0)
            ++nbCat[k];
    }
}
