#pragma once

#include <QHash>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// Answers every request on 127.0.0.1 with the current canned response, or not at all.
class CannedHttpServer : public QObject {
public:
    QByteArray response;
    bool silent = false;
    QStringList requestLines;

    CannedHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            }
        });
    }

    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/defs/media-policies.json")
                        .arg(m_server.serverPort()));
    }

    void answer(int status, const QByteArray &reason, const QByteArray &body)
    {
        response = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason +
                   "\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
        if (status != 204)
            response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        response += "\r\n" + body;
    }

private:
    void serve(QTcpSocket *socket)
    {
        QByteArray &pending = m_pending[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n"))
            return;
        requestLines.append(QString::fromLatin1(pending.left(pending.indexOf("\r\n"))));
        pending.clear();
        if (silent)
            return;
        socket->write(response);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_pending;
};
