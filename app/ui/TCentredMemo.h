#pragma once

#include <QStringList>
#include <QTextEdit>

// A read-only, borderless memo whose lines are centred: the text of the
// About and update message screens.
class TCentredMemo : public QTextEdit {
    Q_OBJECT
public:
    explicit TCentredMemo(QWidget *parent = nullptr);
    void setLines(const QStringList &lines);
    QStringList lines() const;
};
