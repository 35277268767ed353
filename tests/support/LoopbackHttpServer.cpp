#include "tests/support/LoopbackHttpServer.h"

#include <QTcpSocket>
#include <QtTest>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

}

LoopbackHttpServer::LoopbackHttpServer()
{
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("loopback server: %s", qPrintable(m_server.errorString()));
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

QString LoopbackHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

QString LoopbackHttpServer::closedPortUrl(const QString &path)
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        qFatal("loopback server: %s", qPrintable(probe.errorString()));
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path);
}

void LoopbackHttpServer::serve(QTcpSocket *socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = words.size() > 1 ? QString::fromLatin1(words[1]) : QString();
    requested << path;
    if (onRequest)
        onRequest();
    const Answer reply = m_answers.value(path, Answer{404, "no such document", {}, false});
    if (reply.silent)
        return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    head += "Content-Type: text/xml\r\nContent-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    head += "Connection: close\r\n" + reply.headers + "\r\n";
    socket->write(head + reply.body);
    socket->disconnectFromHost();
}
