#include "intervals/TemperamentChartDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

namespace {

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
    table->resizeColumnsToContents();
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
