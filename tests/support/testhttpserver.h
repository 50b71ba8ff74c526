#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A web server on this machine's loopback address that answers every request with
// the same bytes, so that a test exercises the program's real network code without
// leaving the machine. An endless answer follows the bytes with the padding, sent
// again and again until the client hangs up.
class CTestHttpServer : public QObject
{
    Q_OBJECT
public:
    explicit CTestHttpServer(const QByteArray &answer, const QByteArray &endlessPadding = QByteArray());

    // "http://127.0.0.1:<port>", or empty when no port could be had.
    QString Address() const;
    // The first line of each request received, such as "GET /a/b.txt HTTP/1.1".
    const QStringList &RequestLines() const { return m_RequestLines; }

    // A "200 OK" answer with the body, its length given unless endless.
    static QByteArray OkAnswer(const QByteArray &body, bool endless = false);

private:
    void Serve(QTcpSocket *socket);
    void Pad(QTcpSocket *socket);

    QTcpServer m_Server;
    QByteArray m_Answer;
    QByteArray m_Padding;
    QStringList m_RequestLines;
};
