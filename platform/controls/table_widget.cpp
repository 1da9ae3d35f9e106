// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/table_widget.h"

#include <QHeaderView>
#include <QTableWidget>

#include "platform/windows/qt_convert.h"

QWidget* CreateTable(const UnitTemplate& look, QWidget* parent)
{
    auto* table = new QTableWidget(0, int(look.items.size()), parent);
    QStringList headers;
    for (const std::string& header : look.items)
        headers << ToQString(header);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setWordWrap(true);
    table->setFont(ToQFont(look.font.value_or(Font{})));
    table->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    ShowTableRows(table, look);
    return table;
}

void ShowTableRows(QWidget* widget, const UnitTemplate& look)
{
    auto* table = static_cast<QTableWidget*>(widget);
    const QStringList rows = ToQString(look.text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList cells = rows[row].split(QLatin1Char('\t'));
        for (int column = 0; column < table->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(column < cells.size() ? cells[column] : QString());
            item->setData(Qt::AccessibleDescriptionRole, table->horizontalHeaderItem(column)->text());
            table->setItem(row, column, item);
        }
    }
    table->resizeRowsToContents();
    // The keyboard starts on the first cell, so the first key already reads one.
    if (table->rowCount() > 0 && !table->currentIndex().isValid())
        table->setCurrentCell(0, 0);
}
