#pragma once

#include "browse/ResultLoader.h"
#include "browse/ResultStore.h"

#include <QAbstractTableModel>

class TSQLQuery;

// The SQL console's grid as a table model over a ResultStore. Values are the
// data layer's text forms (see session/ValueText.h): DECIMAL digit for digit,
// DATE 2026-12-10, TIME 14:03:09.1234, TIMESTAMP 2026-12-10 14:03:09.1234,
// text blobs as text, other blobs "(BLOB)", NULL and empty as one blank.
// Bytes that are not UTF-8 show as replacement characters. The grid of
// the screen is the header row of field names (the view's horizontal header)
// followed by one row per record; a result without records shows one empty
// row. Before any result the grid is a blank of a given shape.
// Rows loaded into the store become visible when they are published, so
// the view learns of them in batches.
class ResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultModel(QObject *parent = nullptr);

    // A blank grid: this many columns and rows (the header row included), no text.
    void showBlank(int columns, int rows);
    // Starts a new result from an open query: its fields become the header.
    void load(TSQLQuery &query);
    // Reads rows for about the given time; true while rows remain. The rows
    // read become visible with publish(); a failure publishes what was read.
    bool loadStep(std::chrono::steady_clock::duration budget);
    // Makes the rows read so far visible.
    void publish();
    // Reads and publishes every remaining row.
    void finishLoad();
    void stopLoad() { m_loader.stop(); }
    bool loading() const { return m_loader.running(); }
    int64_t recordCount() const { return m_published; }
    const ResultStore &store() const { return m_store; }

    // The grid as a string grid reads: row 0 is the header.
    QString Cells(int column, int row) const;
    int64_t RowCount() const { return int64_t(rowCount()) + 1; }
    int ColCount() const { return columnCount(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    ResultStore m_store;
    ResultLoader m_loader;
    bool m_blank = true;
    int m_blankColumns = 1;
    int m_blankRows = 2;
    int64_t m_published = 0;
};
