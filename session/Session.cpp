#include "session/Session.h"

QString MaskPassword(const QString &password)
{
    return QString(password.toUcs4().size(), QLatin1Char('*'));
}

TSQLConnection &Session::connection()
{
    if (!SessionConnection)
        SessionConnection = std::make_unique<TSQLConnection>();
    return *SessionConnection;
}
