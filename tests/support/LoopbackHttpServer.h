#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <functional>

class QTcpSocket;

// A tiny HTTP server on 127.0.0.1 that a test starts itself: each path gets a
// scripted answer; unknown paths get 404. It runs in the test's thread, so it
// answers while the program waits in its own event loop.
class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray headers; // extra header lines, each ending in CR LF
        bool silent = false; // accepts the request and never answers
    };

    LoopbackHttpServer();
    void answer(const QString &path, const Answer &reply) { m_answers[path] = reply; }
    void answer(const QString &path, const QByteArray &body) { m_answers[path] = Answer{200, body, {}, false}; }
    QString url(const QString &path) const;
    // An address on a loopback port nobody listens on.
    static QString closedPortUrl(const QString &path);

    QStringList requested; // paths, in the order asked
    std::function<void()> onRequest; // runs as each request arrives

private:
    void serve(QTcpSocket *socket);

    QTcpServer m_server;
    QMap<QString, Answer> m_answers;
};
