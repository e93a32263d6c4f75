#pragma once

#include "UpdateLists.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QBuffer;
class QFile;
class UpdateClient;

// Brings one update item in: its file list, then each file into a staging folder, and only when every file has
// arrived whole (and matches its hash where the list gives one) are they all moved into the game's folders.
// A refused list, a failed or cancelled download changes nothing outside the staging folder.
class ItemInstaller : public QObject
{
    Q_OBJECT

public:
    struct Roots
    {
        QString halfLife;      // HalfLifeDir
        QString counterStrike; // GameDir
    };

    // client carries every transfer.
    ItemInstaller(UpdateClient &client, const QString &baseUrl, QObject *parent = nullptr);
    ~ItemInstaller() override;

    // Starts bringing in the item of that name (without padding) into staging, an empty folder of this item's own
    // that the caller removes, and from there below roots; done() follows unless cancelled.
    void start(const QString &itemName, const QString &staging, const Roots &roots);
    void cancel();
    bool isRunning() const { return m_running; }

    // Where a file would go, after checking that no link leads it out of its root; empty with why set if not.
    static QString targetPath(const Roots &roots, const UpdateFile &file, QString *why);
    // Moves an item's files in from staging, where the file at index i of files lies under the name "i". Every
    // file is copied whole beside its target before the first one replaces its target. An empty text when all
    // are in place, else the message to show: when a copy fails, every target is as it was, and no file or folder
    // is left behind.
    static QString place(const Roots &roots, const QList<UpdateFile> &files, const QString &staging,
                         const QString &itemName);

Q_SIGNALS:
    void logAdded(const QString &line);
    void lastLogChanged(const QString &line);
    // Bytes of the current file, and files of the item: done of count.
    void fileProgress(qint64 received, qint64 total);
    void itemProgress(int done, int count);
    // error is empty when the item is in place.
    void done(const QString &error);

private:
    void listArrived(const QString &error);
    void fetchNext();
    void fileArrived(const QString &error);
    QString placeAll();
    void finish(const QString &error);

    UpdateClient &m_client;
    QString m_baseUrl;
    Roots m_roots;
    QString m_itemName;
    QString m_staging;
    bool m_running = false;
    std::unique_ptr<QBuffer> m_list;
    std::unique_ptr<QFile> m_file;
    QList<UpdateFile> m_files;
    QStringList m_targets;
    int m_next = 0;
};
