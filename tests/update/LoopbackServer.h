#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 and nowhere else, for the update tests. Each path answers as its route says;
// every connection closes after one answer. It takes a bounded number of connections, stops after a minute, and
// ends every connection when it stops or is destroyed, so a test can never leave it running.
class LoopbackServer : public QObject
{
    Q_OBJECT

public:
    struct Route
    {
        int status = 200;
        QByteArray body = {};
        enum class Length { Announced, Unannounced } length = Length::Announced;
        qint64 cutAfter = -1;     // close after this many body bytes (with the full length announced)
        bool stall = false;       // send the headers and then nothing
        int dripMs = 0;           // send the body one byte every dripMs
        bool endless = false;     // send bytes until the client goes
        QByteArray location = {}; // a Location header, for redirects
        QByteArray headers = {};  // more header lines, each ending in "\r\n"
    };

    LoopbackServer();
    ~LoopbackServer() override;

    QString baseUrl() const; // "http://127.0.0.1:port/"
    void route(const QByteArray &path, const Route &route) { m_routes.insert(path, route); }
    void serve(const QByteArray &path, const QByteArray &body) { m_routes.insert(path, Route{.body = body}); }
    int requests(const QByteArray &path) const { return m_requests.value(path); }

private:
    void accept();
    void answer(class QTcpSocket *socket, const QByteArray &path);
    void stop();

    QTcpServer m_server;
    QHash<QByteArray, Route> m_routes;
    QHash<QByteArray, int> m_requests;
    int m_connections = 0;
};
