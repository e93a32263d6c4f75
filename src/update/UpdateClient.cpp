#include "UpdateClient.h"

#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>

using namespace Qt::Literals::StringLiterals;

namespace {

// Bytes are taken from the reply in pieces of this size, so memory stays flat however large the file.
constexpr qint64 chunkSize = 256 * 1024;

} // namespace

UpdateClient::UpdateClient(const QUrl &server, QObject *parent)
    : QObject(parent)
    , m_server(server)
    , m_manager(new QNetworkAccessManager(this))
{
    m_silence.setSingleShot(true);
    m_deadline.setSingleShot(true);
    connect(&m_silence, &QTimer::timeout, this, [this] { fail(u"The server stopped sending"_s); });
    connect(&m_deadline, &QTimer::timeout, this, [this] { fail(u"The download took too long"_s); });
}

UpdateClient::~UpdateClient()
{
    cancel();
}

QString UpdateClient::stateText(State state)
{
    switch (state) {
    case State::LookingUp:
        return u"Looking Up Server"_s;
    case State::Connecting:
        return u"Connecting To Server"_s;
    case State::Requesting:
        return u"Requesting File From Server"_s;
    case State::RequestSent:
        return u"Request Acknowleged By Server"_s;
    case State::Receiving:
        return u"Recieving File From Server"_s;
    case State::ResponseReceived:
        return u"Server Is Online And Responding"_s;
    case State::Error:
        return u"An Error Has Occured"_s;
    }
    return {};
}

bool UpdateClient::onServer(const QUrl &url) const
{
    return url.scheme() == m_server.scheme() && url.host() == m_server.host()
        && url.port(url.scheme() == "https"_L1 ? 443 : 80) == m_server.port(m_server.scheme() == "https"_L1 ? 443 : 80);
}

bool UpdateClient::fetch(const QUrl &url, QIODevice *sink, qint64 maxBytes, bool hashed)
{
    if (isBusy())
        return false;
    m_sink = sink;
    m_hashed = hashed;
    m_cap = maxBytes > 0 ? maxBytes : m_limits.maxBytes;
    m_received = 0;
    m_redirects = 0;
    m_failure.clear();
    Q_EMIT stateChanged(State::LookingUp);
    if (!onServer(url)) {
        // Reported from the event loop, as every other ending, so callers see one order of events.
        m_failure = u"The address %1 is not on the update server"_s.arg(url.toDisplayString());
        QTimer::singleShot(0, this, [this] {
            Q_EMIT stateChanged(State::Error);
            Q_EMIT finished(m_failure);
        });
        return true;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(m_limits.maxRedirects);
    // A compressed body would make the size cap and the length check count the wrong bytes.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setTransferTimeout(0);
    m_reply = m_manager->get(request);
    m_reply->setReadBufferSize(chunkSize);
    connect(m_reply, &QNetworkReply::socketStartedConnecting, this, [this] { Q_EMIT stateChanged(State::Connecting); });
    connect(m_reply, &QNetworkReply::requestSent, this, [this] {
        Q_EMIT stateChanged(State::Requesting);
        Q_EMIT stateChanged(State::RequestSent);
    });
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] { Q_EMIT stateChanged(State::Receiving); });
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateClient::readSome);
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            [this](qint64, qint64 total) { Q_EMIT progress(m_received, total); });
    connect(m_reply, &QNetworkReply::redirected, this, &UpdateClient::onRedirected);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateClient::onFinished);
    m_silence.start(m_limits.silenceMs);
    m_deadline.start(m_limits.deadlineMs);
    return true;
}

void UpdateClient::readSome()
{
    if (!m_reply)
        return;
    m_silence.start(m_limits.silenceMs);
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300 && status < 400)
        return; // the body of a redirect is not the file
    const qint64 length = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (length > m_cap) {
        fail(u"The file is larger than %1 bytes"_s.arg(m_cap));
        return;
    }
    char buffer[64 * 1024];
    while (m_reply && m_reply->bytesAvailable() > 0) {
        const qint64 read = m_reply->read(buffer, sizeof buffer);
        if (read <= 0)
            break;
        m_received += read;
        if (m_received > m_cap) {
            fail(u"The file is larger than %1 bytes"_s.arg(m_cap));
            return;
        }
        if (m_sink->write(buffer, read) != read) {
            fail(u"The download could not be stored: %1"_s.arg(m_sink->errorString()));
            return;
        }
    }
}

void UpdateClient::onRedirected(const QUrl &url)
{
    // A redirect may move a file on the update server, never off it, and only a few times.
    if (!onServer(url)) {
        fail(u"The server sent the download to another address: %1"_s.arg(url.toDisplayString()));
        return;
    }
    if (++m_redirects > m_limits.maxRedirects) {
        fail(u"The server redirected too often"_s);
        return;
    }
    Q_EMIT m_reply->redirectAllowed();
}

void UpdateClient::onFinished()
{
    if (!m_reply)
        return;
    readSome();
    if (!m_reply)
        return;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400) {
        fail(u"The server answered %1 for %2"_s.arg(QString::number(status), m_reply->url().toDisplayString()));
        return;
    }
    const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() > m_received) {
        fail(u"The file arrived incomplete: %1 of %2 bytes"_s.arg(m_received).arg(announced.toLongLong()));
        return;
    }
    // Qt takes a connection closed early for the end of a body whose length was not announced, chunked or not:
    // without the length only a hash can tell a whole file from a part of one.
    if (status == 200 && !announced.isValid() && !m_hashed) {
        fail(u"The server did not say how large the file is, so a whole file cannot be told from a part"_s);
        return;
    }
    if (m_reply->error() != QNetworkReply::NoError) {
        fail(m_reply->errorString());
        return;
    }
    if (status != 200) {
        fail(u"The server answered %1 for %2"_s.arg(QString::number(status), m_reply->url().toDisplayString()));
        return;
    }
    if (announced.isValid() && announced.toLongLong() != m_received) {
        fail(u"The file arrived incomplete: %1 of %2 bytes"_s.arg(m_received).arg(announced.toLongLong()));
        return;
    }
    Q_EMIT progress(m_received, m_received);
    Q_EMIT stateChanged(State::ResponseReceived);
    end(QString());
}

void UpdateClient::fail(const QString &error)
{
    if (!m_reply)
        return;
    Q_EMIT stateChanged(State::Error);
    end(error);
}

void UpdateClient::end(const QString &error)
{
    m_silence.stop();
    m_deadline.stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    Q_EMIT finished(error);
}

void UpdateClient::cancel()
{
    if (!m_reply)
        return;
    m_silence.stop();
    m_deadline.stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}
