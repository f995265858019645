#ifndef TEMPERAMENTCHARTDLG_H
#define TEMPERAMENTCHARTDLG_H

#include "intervals/TemperamentChart.h"
#include "intervals/TemperamentChartDlgUi.h"

#include <QDialog>

#include <functional>

/// The temperament chart of an interval list: for each degree as the lower note and each pure
/// interval, the nearest degree above, its deviation from pure and its beats at Frequency 1, on
/// a colour from green (pure) to red (TemperamentChart::kFarCents or more). Copied as text or
/// saved as CSV; "Actualiser" asks its owner for a new chart.
class TemperamentChartDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TemperamentChartDlg(QWidget *parent = nullptr);

    /// Shows chart: Frequency 1, a row per degree, a column per pure interval.
    void setChart(const TemperamentChart &chart);
    const TemperamentChart &chart() const { return m_chart; }

    /// Asks the user for a file name; empty when cancelled (parent, caption, folder, filter, as
    /// for QFileDialog).
    using FilePrompt = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;
    void setSavePrompt(FilePrompt prompt) { m_savePrompt = std::move(prompt); }

    /// The text of a cell: the upper degree, the deviation in cents, the beats in Hz, a line each.
    static QString cellText(const TemperamentChart &chart, const TemperamentChart::Cell &cell);

signals:
    void refreshRequested();

public slots:
    /// Puts the chart on the clipboard as text, fields split by tabulations.
    void copy();
    /// Asks for a file name (".csv" added when missing) and writes the chart there. True when
    /// written; otherwise, unless cancelled, a box says why and an existing file is left as it was.
    bool saveCsv();

private:
    TemperamentChartDlgUi m_ui;
    TemperamentChart m_chart;
    FilePrompt m_savePrompt;
};

#endif
