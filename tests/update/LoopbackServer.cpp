#include "LoopbackServer.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr int maxConnections = 200;
constexpr int lifetimeMs = 60'000;

} // namespace

LoopbackServer::LoopbackServer()
{
    m_server.setMaxPendingConnections(maxConnections);
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("the test server cannot listen on 127.0.0.1");
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackServer::accept);
    QTimer::singleShot(lifetimeMs, this, &LoopbackServer::stop);
}

LoopbackServer::~LoopbackServer()
{
    stop();
}

void LoopbackServer::stop()
{
    m_server.close();
    const QList<QTcpSocket *> sockets = findChildren<QTcpSocket *>();
    for (QTcpSocket *socket : sockets)
        socket->abort();
}

QString LoopbackServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort());
}

void LoopbackServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        if (++m_connections > maxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setParent(this);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (socket->property("answered").toBool())
                return;
            const QByteArray request = socket->peek(socket->bytesAvailable());
            if (!request.contains("\r\n\r\n"))
                return;
            socket->setProperty("answered", true);
            const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
            answer(socket, words.value(1));
        });
    }
}

void LoopbackServer::answer(QTcpSocket *socket, const QByteArray &path)
{
    ++m_requests[path];
    const auto found = m_routes.constFind(path);
    const Route route = found != m_routes.cend() ? *found : Route{.status = 404, .body = "not here"};
    QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + " Whatever\r\nConnection: close\r\n";
    if (!route.location.isEmpty())
        head += "Location: " + route.location + "\r\n";
    head += route.headers;
    if (route.length == Route::Length::Announced)
        head += "Content-Length: " + QByteArray::number(route.endless ? (qint64(1) << 40) : route.body.size()) + "\r\n";
    socket->write(head + "\r\n");
    if (route.stall)
        return;
    if (route.endless || route.dripMs > 0) {
        auto *timer = new QTimer(socket);
        timer->start(route.endless ? 1 : route.dripMs);
        connect(timer, &QTimer::timeout, socket, [socket, route, sent = qsizetype(0)]() mutable {
            if (route.endless) {
                if (socket->bytesToWrite() < 4 * 1024 * 1024)
                    socket->write(QByteArray(256 * 1024, 'x'));
                return;
            }
            if (sent < route.body.size())
                socket->write(route.body.mid(sent++, 1));
            else
                socket->disconnectFromHost();
        });
        return;
    }
    socket->write(route.cutAfter >= 0 ? route.body.left(route.cutAfter) : route.body);
    socket->disconnectFromHost();
}
