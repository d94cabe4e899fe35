#include "ReplyServer.h"

#include <QTcpSocket>

ReplyServer::ReplyServer(QByteArray response) : m_response(std::move(response)) {
    m_server.listen(QHostAddress::LocalHost);
    QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                m_request += socket->readAll();
                if (!m_request.contains("\r\n\r\n") || m_response.isNull()) return;
                socket->write(m_response);
                socket->disconnectFromHost();
            });
        }
    });
}

QByteArray HttpResponse(const QByteArray& status, const QByteArray& body) {
    return "HTTP/1.0 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}
