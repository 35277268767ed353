#pragma once

#include <QListWidget>

// A list box whose Click runs only for the user: a mouse click on an item or
// a keyboard move of the selection. Items, the selected item and the
// selection set by the program run nothing.
class TListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TListBox(QWidget *parent = nullptr);

    void setMultiSelect(bool multi);
    bool multiSelect() const { return selectionMode() == QAbstractItemView::MultiSelection; }
    // The selected row in single selection, -1 when none.
    int ItemIndex() const;
    void setItemIndex(int row);
    // Selected items: -1 in single selection, where the count is not available.
    int SelCount() const;
    QStringList Items() const;
    void setItems(const QStringList &items);
    // Selects the item equal to text, or else the first equal ignoring letter
    // case; -1 when none.
    int selectText(const QString &text);

signals:
    void Click();

protected:
    void keepSingleSelection(const QList<QListWidgetItem *> &before);
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
