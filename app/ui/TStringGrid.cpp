#include "app/ui/TStringGrid.h"

#include "session/SqlText.h"

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
    return int(indexOfName(rowCount(), [this, column](qsizetype row) { return Cells(column, int(row)); }, text));
}
