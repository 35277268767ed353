#include "browse/ui/TResultGrid.h"

#include "browse/ui/ResultModel.h"

#include <QHeaderView>

TResultGrid::TResultGrid(QWidget *parent) : QTableView(parent), m_model(new ResultModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(17);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
}

QString TResultGrid::Cells(int column, int row) const
{
    return m_model->Cells(column, row);
}

qint64 TResultGrid::RowCount() const
{
    return m_model->RowCount();
}

int TResultGrid::ColCount() const
{
    return m_model->ColCount();
}
