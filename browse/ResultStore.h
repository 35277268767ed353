#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A query result held as text, column by column: the values of a column are
// UTF-8 bytes laid end to end, with one end offset per value. Rows are kept
// in blocks so the store grows without copying what it already holds, and a
// finished block keeps no spare capacity: the memory is the text plus four
// bytes per value. A NULL or empty value is stored as one blank.
class ResultStore {
public:
    ResultStore() = default;
    ResultStore(const ResultStore &) = delete;
    ResultStore &operator=(const ResultStore &) = delete;

    // Starts a new result with these field names and no rows.
    void reset(std::vector<std::string> names);
    void clear() { reset({}); }

    int columnCount() const { return int(m_names.size()); }
    int64_t rowCount() const { return m_rows; }
    const std::string &columnName(int column) const { return m_names[size_t(column)]; }
    std::string_view value(int column, int64_t row) const;

    // Appending a row: append each column's bytes to valueBuffer(column) in
    // column order, then call endRow().
    std::string &valueBuffer(int column) { return m_current->columns[size_t(column)].text; }
    void endRow();
    // Drops what was appended since the last endRow (a row that failed half way).
    void discardRow();

    // Bytes of the values' text (header included), as a reader of the result would count them.
    uint64_t textBytes() const { return m_textBytes; }
    // Bytes held for the values: text, offsets and spare capacity.
    uint64_t heldBytes() const;

private:
    struct Column {
        std::string text;
        std::unique_ptr<uint32_t[]> ends;
    };
    struct Block {
        int64_t firstRow = 0;
        int rows = 0;
        std::vector<Column> columns;
    };
    void openBlock();
    void sealBlock();

    std::vector<std::string> m_names;
    std::vector<std::unique_ptr<Block>> m_blocks;
    Block *m_current = nullptr;
    std::vector<size_t> m_expected; // capacity to reserve per column, from the last block
    int64_t m_rows = 0;
    uint64_t m_textBytes = 0;
};
