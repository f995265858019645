#ifndef TEMPERAMENTCHARTDLGUI_H
#define TEMPERAMENTCHARTDLGUI_H

#include <QCoreApplication>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QTableWidget;

/// The widgets of the temperament chart and their layout: Frequency 1 and a legend above the
/// table (a row per degree: the degree, then a column per pure interval), the buttons below it.
struct TemperamentChartDlgUi
{
    Q_DECLARE_TR_FUNCTIONS(TemperamentChartDlgUi)

public:
    QLabel *frequencyLabel = nullptr;
    QLabel *legendLabel = nullptr;
    QTableWidget *table = nullptr;
    QPushButton *actualiserButton = nullptr;
    QPushButton *copierButton = nullptr;
    QPushButton *csvButton = nullptr;
    QPushButton *fermerButton = nullptr;

    /// The frequency label's text for Frequency 1 = hz (6 significant digits).
    static QString frequencyText(double hz);

    void setupUi(QDialog *dialog);
};

#endif
