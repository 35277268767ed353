#pragma once

#include <QPlainTextEdit>

// A memo whose text is set only when it differs, so assigning the same text
// neither resets the caret nor reports a change.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget *parent = nullptr) : QPlainTextEdit(parent) {}
    QString Text() const { return toPlainText(); }
    void setText(const QString &text)
    {
        if (toPlainText() != text)
            setPlainText(text);
    }
};
