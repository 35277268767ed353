#include "browse/ResultStore.h"

#include <algorithm>

namespace {

// Rows per block; a block is closed sooner when a column's text grows past
// maxBlockText, so every end offset fits in 32 bits.
constexpr int blockRows = 4096;
constexpr size_t maxBlockText = size_t(1) << 30;

}

void ResultStore::reset(std::vector<std::string> names)
{
    m_names = std::move(names);
    m_blocks.clear();
    m_current = nullptr;
    m_expected.assign(m_names.size(), 0);
    m_rows = 0;
    m_textBytes = 0;
    for (const auto &name : m_names)
        m_textBytes += name.size();
    openBlock();
}

void ResultStore::openBlock()
{
    auto block = std::make_unique<Block>();
    block->firstRow = m_rows;
    block->columns.resize(m_names.size());
    for (size_t c = 0; c < m_names.size(); ++c) {
        block->columns[c].ends = std::make_unique<uint32_t[]>(blockRows);
        if (m_expected[c])
            block->columns[c].text.reserve(m_expected[c]);
    }
    m_current = block.get();
    m_blocks.push_back(std::move(block));
}

void ResultStore::sealBlock()
{
    for (size_t c = 0; c < m_current->columns.size(); ++c) {
        std::string &text = m_current->columns[c].text;
        // The next block is likely much like this one: reserve a little more up front.
        m_expected[c] = text.size() + text.size() / 8 + 64;
        if (text.capacity() > text.size() + text.size() / 16 + 64)
            text.shrink_to_fit();
    }
    openBlock();
}

void ResultStore::endRow()
{
    Block &block = *m_current;
    const int index = block.rows;
    bool full = index + 1 >= blockRows;
    for (size_t c = 0; c < block.columns.size(); ++c) {
        Column &column = block.columns[c];
        const size_t start = index ? column.ends[size_t(index - 1)] : 0;
        if (column.text.size() == start)
            column.text.push_back(' ');
        m_textBytes += column.text.size() - start;
        column.ends[size_t(index)] = uint32_t(column.text.size());
        full = full || column.text.size() >= maxBlockText;
    }
    ++block.rows;
    ++m_rows;
    if (full)
        sealBlock();
}

void ResultStore::discardRow()
{
    Block &block = *m_current;
    for (auto &column : block.columns)
        column.text.resize(block.rows ? column.ends[size_t(block.rows - 1)] : 0);
}

std::string_view ResultStore::value(int column, int64_t row) const
{
    if (column < 0 || column >= columnCount() || row < 0 || row >= m_rows)
        return {};
    // The last block whose first row is at or before the row.
    auto it = std::upper_bound(m_blocks.begin(), m_blocks.end(), row,
                               [](int64_t r, const std::unique_ptr<Block> &b) { return r < b->firstRow; });
    const Block &block = **(it - 1);
    const auto index = size_t(row - block.firstRow);
    const Column &col = block.columns[size_t(column)];
    const size_t start = index ? col.ends[index - 1] : 0;
    return std::string_view(col.text.data() + start, col.ends[index] - start);
}

uint64_t ResultStore::heldBytes() const
{
    uint64_t total = 0;
    for (const auto &block : m_blocks) {
        for (const auto &column : block->columns)
            total += column.text.capacity() + blockRows * sizeof(uint32_t);
    }
    return total;
}
