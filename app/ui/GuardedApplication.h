#pragma once

#include <QApplication>

class MessageSink;

// The last line of the default error display: an error that escapes every
// handler is shown through the message sink instead of ending the program.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}
    void setMessageSink(MessageSink *sink) { m_sink = sink; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    MessageSink *m_sink = nullptr;
};
