#include "app/ui/TListBox.h"

#include "session/SqlText.h"

#include <QKeyEvent>
#include <QMouseEvent>

TListBox::TListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void TListBox::setMultiSelect(bool multi)
{
    setSelectionMode(multi ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
}

int TListBox::ItemIndex() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return -1;
    return row(selected.first());
}

void TListBox::setItemIndex(int index)
{
    clearSelection();
    if (index >= 0 && index < count()) {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
}

int TListBox::SelCount() const
{
    if (!multiSelect())
        return -1;
    return int(selectedItems().size());
}

QStringList TListBox::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << item(i)->text();
    return items;
}

void TListBox::setItems(const QStringList &items)
{
    clear();
    addItems(items);
}

int TListBox::selectText(const QString &text)
{
    const int i = int(indexOfName(count(), [this](qsizetype row) { return item(int(row))->text(); }, text));
    if (i >= 0)
        setItemIndex(i);
    return i;
}

void TListBox::keepSingleSelection(const QList<QListWidgetItem *> &before)
{
    // A single-selection list box cannot be emptied by the user (a click
    // beside the items, Ctrl with a click or the space bar).
    if (!multiSelect() && selectedItems().isEmpty() && !before.isEmpty())
        setCurrentItem(before.first(), QItemSelectionModel::ClearAndSelect);
}

void TListBox::mousePressEvent(QMouseEvent *event)
{
    const QList<QListWidgetItem *> before = selectedItems();
    const bool onItem = itemAt(event->position().toPoint()) != nullptr;
    QListWidget::mousePressEvent(event);
    keepSingleSelection(before);
    if (event->button() == Qt::LeftButton && onItem)
        emit Click();
}

void TListBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QList<QListWidgetItem *> before = selectedItems();
    QListWidget::mouseReleaseEvent(event);
    keepSingleSelection(before);
}

void TListBox::keyPressEvent(QKeyEvent *event)
{
    const QList<QListWidgetItem *> before = selectedItems();
    QListWidget::keyPressEvent(event);
    keepSingleSelection(before);
    if (selectedItems() != before)
        emit Click();
}
