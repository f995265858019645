#include "intervals/TemperamentChartDlgUi.h"

#include "intervals/TemperamentChart.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

QString TemperamentChartDlgUi::frequencyText(double hz)
{
    return tr("Fréquence 1 : %1 Hz").arg(QString::number(hz, 'g', 6));
}

void TemperamentChartDlgUi::setupUi(QDialog *dialog)
{
    frequencyLabel = new QLabel(dialog);
    frequencyLabel->setObjectName(QStringLiteral("frequenceLabel"));
    // Room for the widest frequency, so that nothing moves when it changes.
    frequencyLabel->setText(frequencyText(-88888.8));
    frequencyLabel->setMinimumWidth(frequencyLabel->sizeHint().width());
    frequencyLabel->clear();

    legendLabel = new QLabel(tr("Pour chaque degré pris comme note grave et chaque intervalle pur : le degré "
                                "de la liste le plus proche au-dessus, l'écart au pur en cents et les battements "
                                "par seconde à Fréquence 1. Vert : pur ; rouge : %1 cents d'écart ou plus.")
                                 .arg(TemperamentChart::kFarCents),
                             dialog);
    legendLabel->setObjectName(QStringLiteral("legendeLabel"));
    legendLabel->setWordWrap(true);

    table = new QTableWidget(0, 1 + TemperamentChart::kPureCount, dialog);
    table->setObjectName(QStringLiteral("tableau"));
    QStringList headings = {tr("Degré")};
    for (int j = 0; j < TemperamentChart::kPureCount; ++j)
        headings << TemperamentChart::pureName(j);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table->setWordWrap(false);
    // Every row holds three lines (degree, deviation, beats); the dialog sizes the columns.
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(3 * table->fontMetrics().lineSpacing() + 10);
    table->setMinimumSize(480, 300);

    actualiserButton = button(tr("Actualiser"), "actualiserButton", dialog);
    actualiserButton->setToolTip(tr("Refaire le tableau avec la liste et la Fréquence 1 actuelles"));
    copierButton = button(tr("Copier"), "copierButton", dialog);
    copierButton->setToolTip(tr("Copier le tableau en texte, colonnes séparées par des tabulations"));
    csvButton = button(tr("Enregistrer CSV…"), "csvButton", dialog);
    csvButton->setToolTip(tr("Enregistrer le tableau dans un fichier CSV pour un tableur"));
    fermerButton = button(tr("Fermer"), "fermerButton", dialog);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(actualiserButton);
    buttons->addWidget(copierButton);
    buttons->addWidget(csvButton);
    buttons->addStretch(1);
    buttons->addWidget(fermerButton);

    auto *main = new QVBoxLayout(dialog);
    main->addWidget(frequencyLabel);
    main->addWidget(legendLabel);
    main->addWidget(table, 1);
    main->addLayout(buttons);

    dialog->setWindowTitle(tr("ZIB - Tableau de justesse"));
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    dialog->setSizeGripEnabled(true);
}
