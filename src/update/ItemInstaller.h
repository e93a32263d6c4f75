#pragma once

#include "UpdateLists.h"

#include <QCryptographicHash>
#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class FileCommit;
class ListTrust;
class QBuffer;
class QFile;
class UpdateClient;

// Brings one update item in: its file list, then each file into a staging folder, hashed as it arrives, and only
// when every file has arrived whole (and matches its hash where the list gives one) are they all put in place in
// the game's folders at once, or none of them. The checks of the names and the placing run in a worker thread, so
// that a list of ten thousand files never holds up the window.
class ItemInstaller : public QObject
{
    Q_OBJECT

public:
    // Which file lists are taken; without one, every list.
    void setTrust(ListTrust *trust) { m_trust = trust; }

    struct Roots
    {
        QString halfLife;      // HalfLifeDir
        QString counterStrike; // GameDir
    };

    // client carries every transfer.
    ItemInstaller(UpdateClient &client, const QString &baseUrl, QObject *parent = nullptr);
    ~ItemInstaller() override;

    // Starts bringing in the item of that name (without padding) into staging, an empty folder of this item's own
    // that the caller removes, and from there below roots; done() follows unless cancelled. The files may take at
    // most stagingLeft bytes together. A signed list must give every file's hash.
    void start(const QString &itemName, const QString &staging, const Roots &roots, qint64 stagingLeft);
    // Stops at once; files already placed are put back before it returns.
    void cancel();
    bool isRunning() const { return m_running; }
    // The bytes staged so far for this item.
    qint64 stagedBytes() const { return m_staged; }

Q_SIGNALS:
    void logAdded(const QString &line);
    void lastLogChanged(const QString &line);
    // Bytes of the current file; then files of the item fetched, done of count; then the placing, done of count.
    void fileProgress(qint64 received, qint64 total);
    void itemProgress(int done, int count);
    void placeProgress(qsizetype done, qsizetype count);
    // error is empty when the item is in place.
    void done(const QString &error);

private:
    void listArrived(const QString &error);
    void signatureArrived(const QString &error);
    void listTaken();
    void targetsChecked();
    void fetchNext();
    void fileArrived(const QString &error);
    void placed();
    void finish(const QString &error);
    void stopWorker();

    UpdateClient &m_client;
    QString m_baseUrl;
    Roots m_roots;
    QString m_itemName;
    QString m_staging;
    qint64 m_stagingLeft = 0;
    qint64 m_staged = 0;
    bool m_budgetCapped = false; // the running fetch is capped by what the update may still stage
    bool m_running = false;
    std::unique_ptr<QBuffer> m_list;
    std::unique_ptr<QBuffer> m_signature;
    ListTrust *m_trust = nullptr;
    std::unique_ptr<QFile> m_file;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    QList<UpdateFile> m_files;
    std::shared_ptr<FileCommit> m_commit;
    std::shared_ptr<std::atomic_bool> m_cancel;
    QFutureWatcher<QString> m_checking;
    QFutureWatcher<QString> m_placing;
    int m_next = 0;
};
