#include "loopbackhttpserver.h"

#include <QTcpSocket>

using namespace Qt::StringLiterals;

LoopbackHttpServer::LoopbackHttpServer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

void LoopbackHttpServer::setPage(const QString &path, const QByteArray &html)
{
    setResource(path, html, "text/html; charset=utf-8");
}

void LoopbackHttpServer::setResource(const QString &path, const QByteArray &body,
                                     const QByteArray &contentType,
                                     const QByteArray &extraHeaders)
{
    m_pages.insert(path, {body, contentType, extraHeaders});
}

QString LoopbackHttpServer::url(const QString &path) const
{
    return u"http://127.0.0.1:%1%2"_s.arg(m_server.serverPort()).arg(path);
}

void LoopbackHttpServer::answer(QTcpSocket *socket)
{
    const QByteArray request = socket->readAll();
    if (!request.contains("\r\n\r\n"))
        return; // the rest of the header is still on its way
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString path =
        requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString();
    m_requested.append(path);

    const bool found = m_pages.contains(path);
    const Resource resource = found ? m_pages.value(path)
                                    : Resource{"<html>not found</html>",
                                               "text/html; charset=utf-8", {}};
    const QByteArray &body = resource.body;
    QByteArray response = found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n";
    response += "Content-Type: " + resource.contentType + "\r\nConnection: close\r\n";
    response += resource.extraHeaders;
    response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    socket->write(response);
    socket->disconnectFromHost();
}
