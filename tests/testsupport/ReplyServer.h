#pragma once

#include <QByteArray>
#include <QTcpServer>

// A one-page web server on the loopback: answers every request with the given response,
// or accepts and never answers when there is none.
class ReplyServer {
public:
    explicit ReplyServer(QByteArray response = QByteArray());
    quint16 Port() const { return m_server.serverPort(); }
    QByteArray RequestLine() const { return m_request.left(m_request.indexOf("\r\n")); }
    void Close() { m_server.close(); }

private:
    QTcpServer m_server;
    QByteArray m_response;
    QByteArray m_request;
};

QByteArray HttpResponse(const QByteArray& status, const QByteArray& body);
