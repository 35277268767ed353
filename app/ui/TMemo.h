#pragma once

#include "session/Session.h"

#include <QPlainTextEdit>

// A memo whose lines end in LineBreak (CR LF), as composed statements do, and
// whose text is set only when it differs, so assigning the same text neither
// resets the caret nor reports a change.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget *parent = nullptr) : QPlainTextEdit(parent) {}
    QString Text() const
    {
        QString text = toPlainText();
        text.replace(QLatin1Char('\n'), LineBreak);
        return text;
    }
    void setText(const QString &text)
    {
        if (Text() != text)
            setPlainText(text);
    }
};
