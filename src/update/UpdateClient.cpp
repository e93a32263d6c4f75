#include "UpdateClient.h"

#include <QCryptographicHash>
#include <QIODevice>
#include <QStorageInfo>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// Bytes are taken from the reply in pieces of this size, so memory stays flat however large the file.
constexpr qint64 chunkSize = 256 * 1024;

} // namespace

UpdateClient::UpdateClient(const QUrl &server, std::unique_ptr<HttpSession> session, const QString &noSession,
                           QObject *parent)
    : QObject(parent)
    , m_server(server)
    , m_session(std::move(session))
    , m_noSession(noSession)
{
    m_silence.setSingleShot(true);
    m_deadline.setSingleShot(true);
    connect(&m_silence, &QTimer::timeout, this, [this] { fail(tr("The server stopped sending")); });
    connect(&m_deadline, &QTimer::timeout, this, [this] { fail(tr("The download took too long")); });
}

UpdateClient::~UpdateClient()
{
    cancel();
}

QString UpdateClient::stateText(State state)
{
    switch (state) {
    case State::LookingUp:
        return tr("Looking Up Server");
    case State::ServerFound:
        return tr("Server Found");
    case State::Connecting:
        return tr("Connecting To Server");
    case State::Connected:
        return tr("Connected To Server");
    case State::Requesting:
        return tr("Requesting File From Server");
    case State::RequestSent:
        return tr("Request Acknowleged By Server");
    case State::Receiving:
        return tr("Recieving File From Server");
    case State::ResponseReceived:
        return tr("Server Is Online And Responding");
    case State::Error:
        return tr("An Error Has Occured");
    }
    return {};
}

bool UpdateClient::onServer(const QUrl &url) const
{
    return url.scheme() == m_server.scheme() && url.host() == m_server.host()
        && url.port(url.scheme() == "https"_L1 ? 443 : 80) == m_server.port(m_server.scheme() == "https"_L1 ? 443 : 80);
}

bool UpdateClient::fetch(const QUrl &url, QIODevice *sink, qint64 maxBytes, QCryptographicHash *hash)
{
    if (isBusy())
        return false;
    m_sink = sink;
    m_hash = hash;
    m_cap = maxBytes > 0 ? maxBytes : m_limits.maxBytes;
    m_overCap = false;
    m_received = 0;
    m_redirects = 0;
    m_failure.clear();
    Q_EMIT stateChanged(State::LookingUp);
    if (!onServer(url)) {
        refuseLater(tr("The address %1 is not on the update server").arg(url.toDisplayString()));
        return true;
    }
    if (!m_session) {
        refuseLater(m_noSession);
        return true;
    }
    m_get = m_session->get(url, m_limits.maxRedirects, chunkSize, this);
    m_silence.start(m_limits.silenceMs);
    m_deadline.start(m_limits.deadlineMs);
    return true;
}

void UpdateClient::refuseLater(const QString &error)
{
    m_failure = error;
    QTimer::singleShot(0, this, [this] {
        Q_EMIT stateChanged(State::Error);
        Q_EMIT finished(m_failure);
    });
}

void UpdateClient::onConnecting()
{
    // The network looks the host up before it connects; a connection kept from an earlier file tells neither.
    Q_EMIT stateChanged(State::ServerFound);
    Q_EMIT stateChanged(State::Connecting);
}

void UpdateClient::onRequestSent()
{
    // Qt tells of the request once it is on its way, over a connection that stands by then.
    Q_EMIT stateChanged(State::Connected);
    Q_EMIT stateChanged(State::Requesting);
    Q_EMIT stateChanged(State::RequestSent);
}

void UpdateClient::onHeaders()
{
    Q_EMIT stateChanged(State::Receiving);
}

void UpdateClient::onProgress(qint64 total)
{
    Q_EMIT progress(m_received, total);
}

void UpdateClient::onBytes()
{
    if (!m_get)
        return;
    m_silence.start(m_limits.silenceMs);
    const int status = m_get->status();
    if (status >= 300 && status < 400)
        return; // the body of a redirect is not the file
    // What the status and the headers already refuse is not stored at all.
    if (status >= 400) {
        fail(tr("The server answered %1 for %2").arg(QString::number(status), m_get->url().toDisplayString()));
        return;
    }
    if (m_get->lengthsDisagree()) {
        fail(tr("The server announced two different lengths for %1").arg(m_get->url().toDisplayString()));
        return;
    }
    const std::optional<qint64> announced = m_get->announcedLength();
    // Qt takes a connection closed early for the end of a body whose length was not announced, chunked or not:
    // without the length only a hash can tell a whole file from a part of one.
    if (status == 200 && !announced && !m_hash) {
        fail(tr("The server did not say how large the file is, so a whole file cannot be told from a part"));
        return;
    }
    if (announced.value_or(0) > m_cap) {
        m_overCap = true;
        fail(tr("The file is larger than %1 bytes").arg(m_cap));
        return;
    }
    if (announced && !m_spaceFolder.isEmpty() && m_received == 0) {
        const QStorageInfo disk(m_spaceFolder);
        if (disk.isValid() && disk.bytesAvailable() < *announced) {
            fail(tr("There is not enough free space in %1 for %2 bytes").arg(m_spaceFolder).arg(*announced));
            return;
        }
    }
    char buffer[64 * 1024];
    while (m_get && m_get->bytesAvailable() > 0) {
        const qint64 read = m_get->read(buffer, sizeof buffer);
        if (read <= 0)
            break;
        m_received += read;
        if (m_received > m_cap) {
            m_overCap = true;
            fail(tr("The file is larger than %1 bytes").arg(m_cap));
            return;
        }
        if (m_hash)
            m_hash->addData(QByteArrayView(buffer, read));
        if (m_sink->write(buffer, read) != read) {
            fail(tr("The download could not be stored: %1").arg(m_sink->errorString()));
            return;
        }
    }
}

void UpdateClient::onRedirected(const QUrl &url)
{
    // A redirect may move a file on the update server, never off it, and only a few times.
    if (!onServer(url)) {
        fail(tr("The server sent the download to another address: %1").arg(url.toDisplayString()));
        return;
    }
    if (++m_redirects > m_limits.maxRedirects) {
        fail(tr("The server redirected too often"));
        return;
    }
    m_get->allowRedirect();
}

void UpdateClient::onFinished()
{
    if (!m_get)
        return;
    // The last bytes, and what the status and the headers refuse, as any bytes are.
    onBytes();
    if (!m_get)
        return;
    const int status = m_get->status();
    const std::optional<qint64> announced = m_get->announcedLength();
    if (announced && *announced > m_received) {
        fail(tr("The file arrived incomplete: %1 of %2 bytes").arg(m_received).arg(*announced));
        return;
    }
    if (const QString error = m_get->networkError(); !error.isEmpty()) {
        fail(error);
        return;
    }
    if (status != 200) {
        fail(tr("The server answered %1 for %2").arg(QString::number(status), m_get->url().toDisplayString()));
        return;
    }
    if (announced && *announced != m_received) {
        fail(tr("The file arrived incomplete: %1 of %2 bytes").arg(m_received).arg(*announced));
        return;
    }
    Q_EMIT progress(m_received, m_received);
    Q_EMIT stateChanged(State::ResponseReceived);
    end(QString());
}

void UpdateClient::fail(const QString &error)
{
    if (!m_get)
        return;
    Q_EMIT stateChanged(State::Error);
    end(error);
}

void UpdateClient::end(const QString &error)
{
    m_silence.stop();
    m_deadline.stop();
    std::exchange(m_get, nullptr)->release();
    Q_EMIT finished(error);
}

void UpdateClient::cancel()
{
    if (!m_get)
        return;
    m_silence.stop();
    m_deadline.stop();
    std::exchange(m_get, nullptr)->release();
}
