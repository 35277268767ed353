#pragma once

#include <QComboBox>

// A drop-down whose Change runs only for the user, and only when the choice
// really changes: picking another item (re-picking the one shown runs
// nothing), or each keystroke typed into an editable one. Items and the
// selected item set by the program run nothing.
class TComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TComboBox(QWidget *parent = nullptr);
    void setTypable(bool typable);
    int ItemIndex() const { return currentIndex(); }
    void setItemIndex(int index);
    QString Text() const { return currentText(); }

signals:
    void Change();

private:
    QString m_reported; // the text as the last Change left it
    bool m_moved = false; // the current item changed since the last Change or setItemIndex
};
