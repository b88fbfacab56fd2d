#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QTcpServer>

// A minimal HTTP server on 127.0.0.1 for tests: serves fixed pages and records
// every path that was asked for.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT

public:
    LoopbackHttpServer();

    void setPage(const QString &path, const QByteArray &html);
    // Any other resource: a picture, or a file the browser offers to save.
    void setResource(const QString &path, const QByteArray &body, const QByteArray &contentType,
                     const QByteArray &extraHeaders = {});
    QString url(const QString &path) const;
    const QStringList &requestedPaths() const { return m_requested; }

private:
    void answer(QTcpSocket *socket);

    QTcpServer m_server;
    struct Resource
    {
        QByteArray body;
        QByteArray contentType;
        QByteArray extraHeaders;
    };
    QHash<QString, Resource> m_pages;
    QStringList m_requested;
};
