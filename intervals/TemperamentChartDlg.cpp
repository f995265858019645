#include "intervals/TemperamentChartDlg.h"

#include <QApplication>
#include <QHash>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace {

/// Widens each column of table to its heading and its widest line of text. The view's own
/// sizing asks the delegate about every cell, a second for ten thousand degrees. Here a degree's
/// name is measured once, and of the lines of figures (deviations, beats, all of one form, whose
/// digits are as wide as each other) only the longest.
void fitColumns(QTableWidget *table)
{
    const QFontMetrics metrics(table->font());
    // The text margins of a cell, as the item delegate draws it, and a little air.
    const int margins = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1) + 6;
    QHash<QString, int> names;
    for (int c = 0; c < table->columnCount(); ++c) {
        int width = table->horizontalHeader()->sectionSizeHint(c);
        int longest[2] = {0, 0};
        for (int r = 0; r < table->rowCount(); ++r) {
            const QStringList lines = table->item(r, c)->text().split(QLatin1Char('\n'));
            auto known = names.constFind(lines.first());
            if (known == names.constEnd())
                known = names.insert(lines.first(), metrics.horizontalAdvance(lines.first()));
            width = std::max(width, known.value() + margins);
            for (int k = 1; k < lines.size() && k <= 2; ++k) {
                if (lines[k].size() >= longest[k - 1]) {
                    longest[k - 1] = lines[k].size();
                    width = std::max(width, metrics.horizontalAdvance(lines[k]) + margins);
                }
            }
        }
        table->setColumnWidth(c, width);
    }
}

/// Green for a pure interval through yellow to red at farness 1; light, so the text reads on it.
QColor colourOf(double farness)
{
    return QColor::fromHsvF((1 - farness) / 3, 0.4, 1.0);
}

} // namespace

TemperamentChartDlg::TemperamentChartDlg(QWidget *parent)
    : QDialog(parent)
{
    m_ui.setupUi(this);
    m_savePrompt = [](QWidget *p, const QString &caption, const QString &folder, const QString &filter) {
        return QFileDialog::getSaveFileName(p, caption, folder, filter);
    };
    connect(m_ui.actualiserButton, &QPushButton::clicked, this, &TemperamentChartDlg::refreshRequested);
    connect(m_ui.copierButton, &QPushButton::clicked, this, &TemperamentChartDlg::copy);
    connect(m_ui.csvButton, &QPushButton::clicked, this, &TemperamentChartDlg::saveCsv);
    connect(m_ui.fermerButton, &QPushButton::clicked, this, &TemperamentChartDlg::close);
}

QString TemperamentChartDlg::cellText(const TemperamentChart &chart, const TemperamentChart::Cell &cell)
{
    return chart.rows.at(cell.upper).desc + QLatin1Char('\n') +
           tr("%1 c").arg(TemperamentChart::twoDecimals(cell.deviation)) + QLatin1Char('\n') +
           tr("%1 Hz").arg(TemperamentChart::twoDecimals(cell.beats));
}

void TemperamentChartDlg::setChart(const TemperamentChart &chart)
{
    // Half a second for the ten thousand degrees of the largest scale: the cursor says so.
    const bool slow = chart.rows.size() > 2000;
    if (slow)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    m_chart = chart;
    m_ui.frequencyLabel->setText(TemperamentChartDlgUi::frequencyText(chart.frequency1));
    QTableWidget *table = m_ui.table;
    table->clearContents();
    table->setRowCount(chart.rows.size());
    for (int r = 0; r < chart.rows.size(); ++r) {
        const TemperamentChart::Row &row = chart.rows.at(r);
        auto *degree = new QTableWidgetItem(row.desc + QLatin1Char('\n') + tr("%1 c").arg(QString::number(row.cents, 'f', 2)) +
                                            QLatin1Char('\n') + tr("%1 Hz").arg(QString::number(row.frequency, 'f', 2)));
        table->setItem(r, 0, degree);
        for (int j = 0; j < TemperamentChart::kPureCount; ++j) {
            const TemperamentChart::Cell &cell = row.cells[j];
            auto *item = new QTableWidgetItem(cellText(chart, cell));
            item->setTextAlignment(Qt::AlignCenter);
            item->setBackground(colourOf(TemperamentChart::farness(cell.deviation)));
            item->setForeground(Qt::black);
            item->setToolTip(tr("%1 → %2 : %3 c, pur %4 c")
                                 .arg(row.desc, chart.rows.at(cell.upper).desc, QString::number(cell.size, 'f', 2),
                                      QString::number(TemperamentChart::pureCents(TemperamentChart::kPure[j].p,
                                                                                  TemperamentChart::kPure[j].q),
                                                      'f', 2)));
            table->setItem(r, 1 + j, item);
        }
    }
    fitColumns(table);
    if (slow)
        QApplication::restoreOverrideCursor();
}

void TemperamentChartDlg::copy()
{
    QApplication::clipboard()->setText(m_chart.toDelimited(QLatin1Char('\t')));
}

bool TemperamentChartDlg::saveCsv()
{
    QString name = m_savePrompt(this, tr("Enregistrer le tableau"), QStringLiteral("./"), QStringLiteral("*.csv"));
    if (name.isEmpty())
        return false;
    if (!name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        name += QLatin1String(".csv");
    QString error;
    if (m_chart.writeCsv(name, &error))
        return true;
    QMessageBox box(QMessageBox::Critical, tr("Erreur"), tr("Le fichier %1 n'a pas pu être écrit : %2").arg(name, error),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("erreurCsv"));
    box.exec();
    return false;
}
