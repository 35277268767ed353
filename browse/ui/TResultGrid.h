#pragma once

#include <QTableView>

class ResultModel;

// The SQL console's result grid: a header row of field names that stays in
// place, then one row per record, read as a string grid (Cells, RowCount
// with the header row counted). Cells are not editable; columns can be
// resized by the user; rows are 17 pixels high.
class TResultGrid : public QTableView {
    Q_OBJECT
public:
    explicit TResultGrid(QWidget *parent = nullptr);

    ResultModel &results() const { return *m_model; }
    QString Cells(int column, int row) const;
    qint64 RowCount() const;
    int ColCount() const;

private:
    ResultModel *m_model;
};
