#pragma once

#include "HttpModule.h"

#include <QObject>
#include <QTimer>
#include <QUrl>

#include <memory>

class QCryptographicHash;
class QIODevice;

// Fetches one address at a time from the update server into a sink, without ever blocking the event loop.
// A transfer ends on its own when the server falls silent, when it outlasts its deadline, when the body grows past
// its cap, when a redirect leads off the server or goes round, or when the body arrives short.
//
// The network itself is the session's, handed over by whoever builds the client; without one every fetch ends with
// the message given in its place, as any other failure does.
class UpdateClient : public QObject, private HttpGet::Listener
{
    Q_OBJECT

public:
    // The transfer states, numbered as the status texts know them.
    enum class State {
        LookingUp = 1,
        ServerFound = 2,
        Connecting = 3,
        Connected = 4,
        Requesting = 5,
        RequestSent = 6,
        Receiving = 7,
        ResponseReceived = 8,
        Error = 11,
    };
    Q_ENUM(State)

    struct Limits
    {
        int silenceMs = 20'000;              // no byte for this long ends a transfer
        int deadlineMs = 10 * 60'000;        // no file takes longer than this
        qint64 maxBytes = 512 * 1024 * 1024; // no file is larger
        int maxRedirects = 3;
    };

    // server is the base address; only addresses on its scheme, host and port are fetched.
    UpdateClient(const QUrl &server, std::unique_ptr<HttpSession> session, const QString &noSession = {},
                 QObject *parent = nullptr);
    ~UpdateClient() override;

    void setLimits(const Limits &limits) { m_limits = limits; }
    // A body announced larger than the free space of the disk holding folder is refused before it is stored.
    void setSpaceFolder(const QString &folder) { m_spaceFolder = folder; }
    const Limits &limits() const { return m_limits; }

    // Starts fetching url into sink (open for writing), at most maxBytes (0: the limits' cap). finished() follows
    // exactly once, unless cancel() comes first. Refused while another transfer runs. The bytes are fed to hash as
    // they arrive; a body whose length the server does not announce is refused unless there is a hash to check.
    bool fetch(const QUrl &url, QIODevice *sink, qint64 maxBytes = 0, QCryptographicHash *hash = nullptr);
    bool isBusy() const { return m_get != nullptr; }
    // The last transfer ended because its body was larger than the bytes it might take.
    bool endedOverCap() const { return m_overCap; }
    // Ends a running transfer at once; no finished() follows.
    void cancel();

    // The text of a state in the status line, or empty for the states that leave it as it is.
    static QString stateText(State state);

Q_SIGNALS:
    void stateChanged(UpdateClient::State state);
    void progress(qint64 received, qint64 total); // total is -1 when the server does not say
    // error is empty on success, else says in the user's words what went wrong.
    void finished(const QString &error);

private:
    // What the transfer in flight tells.
    void onConnecting() override;
    void onRequestSent() override;
    void onHeaders() override;
    void onBytes() override;
    void onProgress(qint64 total) override;
    void onRedirected(const QUrl &url) override;
    void onFinished() override;

    // Ends the fetch from the event loop, as every other ending, so that callers see one order of events.
    void refuseLater(const QString &error);
    void fail(const QString &error);
    void end(const QString &error);
    bool onServer(const QUrl &url) const;

    QUrl m_server;
    Limits m_limits;
    std::unique_ptr<HttpSession> m_session;
    QString m_noSession;
    QString m_spaceFolder;
    HttpGet *m_get = nullptr;
    QIODevice *m_sink = nullptr;
    qint64 m_cap = 0;
    bool m_overCap = false;
    qint64 m_received = 0;
    int m_redirects = 0;
    QCryptographicHash *m_hash = nullptr;
    QString m_failure;
    QTimer m_silence;
    QTimer m_deadline;
};
