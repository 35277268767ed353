#include "app/ui/TStringGrid.h"

#include <QHeaderView>

TStringGrid::TStringGrid(int columns, int rows, QWidget *parent) : QTableWidget(rows, columns, parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int column) { emit Click(column, row); });
}

QString TStringGrid::Cells(int column, int row) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

void TStringGrid::setCells(int column, int row, const QString &text)
{
    if (QTableWidgetItem *cell = item(row, column))
        cell->setText(text);
    else
        setItem(row, column, new QTableWidgetItem(text));
}

int TStringGrid::findInColumn(int column, const QString &text) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (Cells(column, row).compare(text, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}
