#include "NetworkModule.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <algorithm>

namespace {

// A QNetworkReply seen through HttpGet. It lives beside the reply and goes with it.
class NetworkGet : public QObject, public HttpGet
{
public:
    NetworkGet(QNetworkAccessManager *manager, const QNetworkRequest &request, qint64 bufferSize,
               HttpGet::Listener *listener)
        : QObject(manager)
        , m_reply(manager->get(request))
    {
        m_reply->setParent(this);
        m_reply->setReadBufferSize(bufferSize);
        connect(m_reply, &QNetworkReply::socketStartedConnecting, this, [listener] { listener->onConnecting(); });
        connect(m_reply, &QNetworkReply::requestSent, this, [listener] { listener->onRequestSent(); });
        connect(m_reply, &QNetworkReply::metaDataChanged, this, [listener] { listener->onHeaders(); });
        connect(m_reply, &QNetworkReply::readyRead, this, [listener] { listener->onBytes(); });
        connect(m_reply, &QNetworkReply::downloadProgress, this,
                [listener](qint64, qint64 total) { listener->onProgress(total); });
        connect(m_reply, &QNetworkReply::redirected, this,
                [listener](const QUrl &url) { listener->onRedirected(url); });
        connect(m_reply, &QNetworkReply::finished, this, [listener] { listener->onFinished(); });
    }

    int status() const override { return m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); }

    std::optional<qint64> announcedLength() const override
    {
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        return length.isValid() ? std::optional(length.toLongLong()) : std::nullopt;
    }

    bool lengthsDisagree() const override
    {
        // Qt joins the values of a header sent more than once with commas.
        const QList<QByteArray> lengths = m_reply->rawHeader("Content-Length").split(',');
        return std::any_of(lengths.cbegin(), lengths.cend(),
                           [&](const QByteArray &length) { return length.trimmed() != lengths.first().trimmed(); });
    }

    qint64 bytesAvailable() const override { return m_reply->bytesAvailable(); }
    qint64 read(char *data, qint64 maxSize) override { return m_reply->read(data, maxSize); }

    QString networkError() const override
    {
        return m_reply->error() == QNetworkReply::NoError ? QString() : m_reply->errorString();
    }

    QUrl url() const override { return m_reply->url(); }
    void allowRedirect() override { Q_EMIT m_reply->redirectAllowed(); }

    void release() override
    {
        // The transfer stops when the reply goes. Aborting it first would fail it twice when the error of a
        // status that refused it is still on its way from Qt's network thread.
        m_reply->disconnect(this);
        deleteLater();
    }

private:
    QNetworkReply *m_reply;
};

// One QNetworkAccessManager, so that the transfers of a client reuse its connections to the server.
class NetworkSession : public HttpSession
{
public:
    HttpGet *get(const QUrl &url, int maxRedirects, qint64 bufferSize, HttpGet::Listener *listener) override
    {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
        request.setMaximumRedirectsAllowed(maxRedirects);
        request.setRawHeader("Accept-Encoding", "identity");
        request.setTransferTimeout(0);
        return new NetworkGet(&m_manager, request, bufferSize, listener);
    }

private:
    QNetworkAccessManager m_manager;
};

} // namespace

HttpSession *NetworkModule::newSession()
{
    return new NetworkSession;
}
