#include "app/ui/GuardedApplication.h"

#include "app/ui/MessageSink.h"
#include "session/DbError.h"

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError &error) {
        if (m_sink)
            m_sink->showError(error.text());
    } catch (const std::exception &error) {
        if (m_sink)
            m_sink->showError(QString::fromUtf8(error.what()));
    }
    return false;
}
