#include "intervals/CategoryScheme.h"

#include <QCoreApplication>

namespace {

const CategoryScheme kSchemes[CategoryScheme::kCount] = {
    {QT_TRANSLATE_NOOP("IntervDlg", "Do-Ré-Mi..."),
     {200, 400, 500, 700, 900, 1100, 1200, 1250},
     {QT_TRANSLATE_NOOP("IntervDlg", "Do-Ré [0-200["), QT_TRANSLATE_NOOP("IntervDlg", "Ré-Mi [200;400["),
      QT_TRANSLATE_NOOP("IntervDlg", "Mi-Fa [400;500["), QT_TRANSLATE_NOOP("IntervDlg", "Fa-Sol [500;700["),
      QT_TRANSLATE_NOOP("IntervDlg", "Sol-La [700;900["), QT_TRANSLATE_NOOP("IntervDlg", "La-Si [1000;1100["),
      QT_TRANSLATE_NOOP("IntervDlg", "Si-Do [1100;1200["), QT_TRANSLATE_NOOP("IntervDlg", "Do-Re [1200;1250]")}},
    {QT_TRANSLATE_NOOP("IntervDlg", "0-50-250..."),
     {50, 250, 450, 650, 750, 950, 1150, 1250},
     {QT_TRANSLATE_NOOP("IntervDlg", "Micro-Tons [0;50["), QT_TRANSLATE_NOOP("IntervDlg", "Secondes [50,250["),
      QT_TRANSLATE_NOOP("IntervDlg", "Tierces [250,450["), QT_TRANSLATE_NOOP("IntervDlg", "Quartes [450,650["),
      QT_TRANSLATE_NOOP("IntervDlg", "Quintes [650,750["), QT_TRANSLATE_NOOP("IntervDlg", "Sixte [750,950["),
      QT_TRANSLATE_NOOP("IntervDlg", "Septième [950,1150["),
      QT_TRANSLATE_NOOP("IntervDlg", "Octave [1150,1250]")}},
};

} // namespace

const CategoryScheme &CategoryScheme::at(int index)
{
    return kSchemes[index >= 0 && index < kCount ? index : 0];
}

QString CategoryScheme::translatedName() const
{
    return QCoreApplication::translate("IntervDlg", name);
}

QString CategoryScheme::label(int k) const
{
    if (k < 0 || k >= 8)
        return QString();
    return QCoreApplication::translate("IntervDlg", labels[k]);
}
