#pragma once

#include <QString>

class QWidget;

// Where every message box of the program goes, and the default display of
// errors that a handler does not catch. Tests put a recorder in its place.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const QString &text) = 0;
    virtual void showError(const QString &text) = 0;
};

class QtMessageSink : public MessageSink {
public:
    void showMessage(const QString &text) override;
    void showError(const QString &text) override;
};
