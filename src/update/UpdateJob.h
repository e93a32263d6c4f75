#pragma once

#include "ItemInstaller.h"
#include "ListTrust.h"
#include "UpdateClient.h"
#include "UpdateLists.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class AppSettings;
class HttpSession;
class QBuffer;
class QTemporaryDir;

// An update without a window: the server's version list, then the chosen items one after the other, each fetched
// into a staging folder of its own and put in place whole or not at all. It owns the queue, the staging folder, the
// settings it writes (each placed item's version and date) and the progress it reports; whoever builds it hands it
// the network session. Nothing it does holds up the event loop for long.
class UpdateJob : public QObject
{
    Q_OBJECT

public:
    struct Limits
    {
        UpdateClient::Limits transfer;
        int itemDeadlineMs = 30 * 60'000;       // no item takes longer than this
        int updateDeadlineMs = 2 * 60 * 60'000; // nor the whole update
        qint64 stagingCap = qint64(2) << 30;    // bytes staged by one update together
    };

    // How far the update is.
    struct Progress
    {
        qint64 fileReceived = 0;
        qint64 fileTotal = -1;     // -1 when the server does not say
        double fraction = 0;       // of the whole update, 0 to 1
        qint64 bytesPerSecond = 0; // over the whole update so far
        qint64 fileSecondsLeft = -1;
        qint64 updateSecondsLeft = -1; // -1 while too little is known
    };

    // updateNames are the items' settings keys, the program's own first; noSession says why there is no session.
    UpdateJob(const QString &baseUrl, std::unique_ptr<HttpSession> session, const QString &noSession,
              AppSettings &settings, const QStringList &updateNames, QObject *parent = nullptr);
    ~UpdateJob() override;

    void setLimits(const Limits &limits);
    // The folder the staging folders are made in; the user's cache folder unless set.
    void setStagingParent(const QString &folder) { m_stagingParent = folder; }

    // Lists must from now on be signed with that key (minisign's text form), whatever the program was configured with.
    void trustKey(const QString &publicKeyText) { m_trust.trustKey(publicKeyText); }
    bool listsSigned() const { return m_trust.required(); }

    // Asks the server for its versions; versionsArrived() follows.
    void fetchVersions();
    const ServerVersions &serverVersions() const { return m_serverVersions; }
    // The item's name without its padding.
    QString itemName(int index) const;

    // Brings in the items at those indexes in turn below roots; ended() follows unless cancelled.
    void start(const QList<int> &items, const ItemInstaller::Roots &roots);
    // Stops whatever runs: nothing stays staged and nothing is left half placed.
    void cancel();
    bool isBusy() const;

Q_SIGNALS:
    void stateChanged(UpdateClient::State state);
    void versionsArrived(const QString &error);
    void itemStarted(int index);
    void logAdded(const QString &line);
    void lastLogChanged(const QString &line);
    void progressed(const UpdateJob::Progress &progress);
    // error is empty when the item is in place and its version written.
    void itemDone(int index, const QString &error);
    // error is empty when every item is in place.
    void ended(const QString &error);

private:
    void versionListArrived(const QString &error);
    void versionsTaken(const QString &error);
    void next();
    void itemFinished(const QString &error);
    void end(const QString &error);
    void report(qint64 received, qint64 total);
    void stop();

    QString m_baseUrl;
    AppSettings &m_settings;
    QStringList m_updateNames;
    Limits m_limits;
    UpdateClient m_client;
    ListTrust m_trust;
    ItemInstaller m_installer;
    QString m_stagingParent;
    std::unique_ptr<QBuffer> m_versionList;
    std::unique_ptr<QBuffer> m_versionSignature;
    ServerVersions m_serverVersions;
    std::unique_ptr<QTemporaryDir> m_staging;
    ItemInstaller::Roots m_roots;
    QList<int> m_pending;
    int m_current = -1;
    int m_itemsDone = 0;
    int m_itemCount = 0;
    double m_itemFraction = 0;
    qint64 m_bytesDone = 0; // of the items and files finished
    qint64 m_stagedBefore = 0;
    QElapsedTimer m_clock;
    QTimer m_itemDeadline;
    QTimer m_updateDeadline;
};
