#include "browse/ui/ResultModel.h"

#include <limits>

namespace {

// A cell draws at most this many characters; Cells() gives the whole value.
constexpr qsizetype shownCharacters = 4096;

QString text(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

}

ResultModel::ResultModel(QObject *parent) : QAbstractTableModel(parent) {}

void ResultModel::showBlank(int columns, int rows)
{
    beginResetModel();
    m_loader.stop();
    m_store.clear();
    m_blank = true;
    m_blankColumns = qMax(0, columns);
    m_blankRows = qMax(2, rows);
    m_published = 0;
    endResetModel();
}

void ResultModel::load(TSQLQuery &query)
{
    beginResetModel();
    m_loader.start(query, m_store);
    m_blank = false;
    m_published = 0;
    endResetModel();
}

bool ResultModel::loadStep(std::chrono::steady_clock::duration budget)
{
    try {
        return m_loader.step(budget);
    } catch (...) {
        publish();
        throw;
    }
}

void ResultModel::finishLoad()
{
    while (loadStep(std::chrono::hours(1))) {
    }
    publish();
}

void ResultModel::publish()
{
    const int64_t rows = qMin<int64_t>(m_store.rowCount(), std::numeric_limits<int>::max() - 1);
    if (rows <= m_published)
        return;
    // The empty row that stood for "no records" becomes the first record.
    if (m_published == 0) {
        m_published = 1;
        if (columnCount() > 0)
            emit dataChanged(index(0, 0), index(0, columnCount() - 1));
    }
    if (rows > m_published) {
        beginInsertRows({}, int(m_published), int(rows - 1));
        m_published = rows;
        endInsertRows();
    }
}

int ResultModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    if (m_blank)
        return m_blankRows - 1;
    return int(qMax<int64_t>(1, m_published));
}

int ResultModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_blank ? m_blankColumns : m_store.columnCount();
}

QVariant ResultModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || m_blank || !index.isValid() || index.row() >= m_published)
        return {};
    const std::string_view value = m_store.value(index.column(), index.row());
    if (value.size() > size_t(shownCharacters) * 3) {
        size_t cut = size_t(shownCharacters);
        while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80)
            --cut; // not inside a character
        return text(value.substr(0, cut)) + QChar(0x2026);
    }
    return text(value);
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (m_blank || section < 0 || section >= m_store.columnCount())
        return QString();
    return text(m_store.columnName(section));
}

Qt::ItemFlags ResultModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QString ResultModel::Cells(int column, int row) const
{
    if (m_blank || column < 0 || column >= m_store.columnCount())
        return QString();
    if (row == 0)
        return text(m_store.columnName(column));
    if (row - 1 >= m_published)
        return QString();
    return text(m_store.value(column, row - 1));
}
