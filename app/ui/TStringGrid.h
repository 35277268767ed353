#pragma once

#include <QTableWidget>

// A grid of text cells addressed as (column, row), not editable by the user.
// Click runs for a user's click on a cell.
class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    TStringGrid(int columns, int rows, QWidget *parent = nullptr);
    QString Cells(int column, int row) const;
    void setCells(int column, int row, const QString &text);
    int RowCount() const { return rowCount(); }
    void setRowCount(int rows) { QTableWidget::setRowCount(rows); }
    int ColCount() const { return columnCount(); }
    // The row of the cell in the given column equal to text, or else the first
    // equal ignoring letter case; -1 if none.
    int findInColumn(int column, const QString &text) const;

signals:
    void Click(int column, int row);
};
