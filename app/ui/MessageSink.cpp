#include "app/ui/MessageSink.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageSink::showMessage(const QString &text)
{
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}

void QtMessageSink::showError(const QString &text)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
}
