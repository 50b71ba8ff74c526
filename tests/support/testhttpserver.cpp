#include "testhttpserver.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <memory>

namespace {

// Enough queued to keep a reader busy, little enough not to swamp the test.
constexpr qint64 kQueuedPadding = 16 * 1024;

} // namespace

CTestHttpServer::CTestHttpServer(const QByteArray &answer, const QByteArray &endlessPadding)
    : m_Answer(answer)
    , m_Padding(endlessPadding)
{
    connect(&m_Server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_Server.nextPendingConnection())
            Serve(socket);
    });
    m_Server.listen(QHostAddress::LocalHost);
}

QString CTestHttpServer::Address() const
{
    if (!m_Server.isListening())
        return QString();
    return QStringLiteral("http://127.0.0.1:%1").arg(m_Server.serverPort());
}

QByteArray CTestHttpServer::OkAnswer(const QByteArray &body, bool endless)
{
    QByteArray answer = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n";
    if (endless)
        answer += "Connection: close\r\n";
    else
        answer += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return answer + "\r\n" + body;
}

void CTestHttpServer::Serve(QTcpSocket *socket)
{
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto received = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, received] {
        const bool answered = received->contains("\r\n\r\n");
        *received += socket->readAll();
        if (answered || !received->contains("\r\n\r\n"))
            return;
        m_RequestLines << QString::fromLatin1(received->left(received->indexOf("\r\n")));
        socket->write(m_Answer);
        if (m_Padding.isEmpty()) {
            socket->disconnectFromHost();
            return;
        }
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { Pad(socket); });
        Pad(socket);
    });
}

void CTestHttpServer::Pad(QTcpSocket *socket)
{
    while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < kQueuedPadding)
        socket->write(m_Padding);
}
