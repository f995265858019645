#ifndef CATEGORYSCHEME_H
#define CATEGORYSCHEME_H

#include <QString>

/// One way of sorting intervals into the eight categories of the list dialog's tree: the text of
/// the scheme combo, the categories' upper bounds in whole cents (the `bornes` of ListInterv) and
/// the categories' labels. The texts are French source texts of the "IntervDlg" context; the
/// label and name functions return them translated.
struct CategoryScheme
{
    static constexpr int kCount = 2;

    const char *name;
    int bornes[8];
    const char *labels[8];

    /// Scheme 0 "Do-Ré-Mi..." (bounds at the natural notes) or 1 "0-50-250..." (seconds, thirds,
    /// …, centred on the tempered sizes); any other index gives scheme 0.
    static const CategoryScheme &at(int index);

    QString translatedName() const;
    /// The label of category k (0 … 7); empty outside.
    QString label(int k) const;
};

#endif
