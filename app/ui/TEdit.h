#pragma once

#include <QLineEdit>

// An edit whose Change runs at once, nested inside whatever changes the text,
// whenever the text really changes: typed, or assigned by the program.
// Assigning the text it already holds runs nothing; Clear() runs Change even
// when the edit was empty; ClearQuietly() empties it without running Change.
// Exit runs when the focus moves on to another control (not when the window
// itself loses the focus).
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget *parent = nullptr);
    void Clear();
    void ClearQuietly();
    // Shows one "*" per character in place of the text.
    void setMasked();

signals:
    void Change();
    void Exit();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
