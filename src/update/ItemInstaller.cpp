#include "ItemInstaller.h"

#include "FileCommit.h"
#include "FolderListing.h"
#include "ListSignature.h"
#include "ListTrust.h"
#include "UpdateClient.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStorageInfo>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::Literals::StringLiterals;

namespace {

// Where each file of the list goes, its names matched without regard to case as the game's own files are; each
// folder is read once however many files it holds. A folder not there yet is made by the commit. Then the whole
// set is checked; the reason it is refused, or empty.
QString resolve(const ItemInstaller::Roots &roots, const QList<UpdateFile> &files, const QString &staging,
                FileCommit &commit)
{
    FolderListing::Resolver resolver;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const UpdateFile &file = files[i];
        const QString root = file.root == UpdateRoot::HalfLife ? roots.halfLife : roots.counterStrike;
        if (root.isEmpty() || !QFileInfo(root).isDir())
            return ItemInstaller::tr("its root folder %1 is not there").arg(root);
        commit.add(QDir(staging).filePath(QString::number(i)),
                   resolver.resolve(root, file.folders + QStringList{file.fileName}));
    }
    return commit.check();
}

} // namespace

ItemInstaller::ItemInstaller(UpdateClient &client, const QString &baseUrl, QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_baseUrl(baseUrl)
{
    connect(&m_checking, &QFutureWatcher<QString>::finished, this, &ItemInstaller::targetsChecked);
    connect(&m_placing, &QFutureWatcher<QString>::finished, this, &ItemInstaller::placed);
}

ItemInstaller::~ItemInstaller()
{
    cancel();
}

void ItemInstaller::start(const QString &itemName, const QString &staging, const Roots &roots, qint64 stagingLeft)
{
    m_roots = roots;
    m_itemName = itemName;
    m_staging = staging;
    m_stagingLeft = stagingLeft;
    m_staged = 0;
    m_running = true;
    m_files.clear();
    m_next = 0;
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_list = std::make_unique<QBuffer>();
    m_list->open(QIODevice::WriteOnly);
    m_client.setSpaceFolder(staging);
    connect(&m_client, &UpdateClient::finished, this, &ItemInstaller::listArrived, Qt::SingleShotConnection);
    m_client.fetch(QUrl(m_baseUrl + itemName + u".txt"_s), m_list.get(), UpdateLists::maxFileListBytes);
}

void ItemInstaller::listArrived(const QString &error)
{
    if (!error.isEmpty()) {
        finish(tr("The file list of %1 could not be fetched: %2").arg(m_itemName, error));
        return;
    }
    if (!m_trust || !m_trust->required()) {
        listTaken();
        return;
    }
    // A signed list is checked before a word of it is read.
    m_signature = std::make_unique<QBuffer>();
    m_signature->open(QIODevice::WriteOnly);
    connect(&m_client, &UpdateClient::finished, this, &ItemInstaller::signatureArrived, Qt::SingleShotConnection);
    m_client.fetch(QUrl(m_baseUrl + ListTrust::signatureName(m_itemName + u".txt"_s)), m_signature.get(),
                   ListSignature::maxSignatureFileSize);
}

void ItemInstaller::signatureArrived(const QString &error)
{
    const QByteArray signature = m_signature->data();
    m_signature.reset();
    const QString name = m_itemName + u".txt"_s;
    const QString refused = error.isEmpty()
        ? m_trust->accept(name, m_list->data(), signature)
        : tr("The signature of %1 could not be fetched: %2").arg(name, error);
    if (!refused.isEmpty()) {
        finish(refused);
        return;
    }
    listTaken();
}

void ItemInstaller::listTaken()
{
    // The list is written with a line end after it, as it always was, so that its last line is whole.
    // A signed list must give the hash of every file.
    const bool hashRequired = m_trust && m_trust->required();
    const FileList list = UpdateLists::parseFileList(m_list->data() + "\r\n", m_baseUrl, m_itemName, hashRequired);
    m_list.reset();
    m_signature.reset();
    if (!list.error.isEmpty()) {
        finish(list.error);
        return;
    }
    // Every name is checked before the first byte is fetched.
    m_files = list.files;
    m_commit = std::make_shared<FileCommit>(QStringList{m_roots.halfLife, m_roots.counterStrike});
    m_checking.setFuture(QtConcurrent::run([commit = m_commit, roots = m_roots, files = m_files, staging = m_staging] {
        return resolve(roots, files, staging, *commit);
    }));
}

void ItemInstaller::targetsChecked()
{
    if (!m_running)
        return;
    if (const QString why = m_checking.result(); !why.isEmpty()) {
        finish(tr("The file list of %1 is refused: %2.").arg(m_itemName, why));
        return;
    }
    Q_EMIT itemProgress(0, int(m_files.size()));
    fetchNext();
}

void ItemInstaller::fetchNext()
{
    if (m_next == m_files.size()) {
        // The copies beside the targets take as much room again on the game's disk.
        for (const QString &root : {m_roots.halfLife, m_roots.counterStrike}) {
            const QStorageInfo disk(root);
            if (disk.isValid() && disk.bytesAvailable() < m_staged) {
                finish(tr("There is not enough free space in %1 to put %2 in place").arg(root, m_itemName));
                return;
            }
        }
        // Told a step at a time from the worker; only the steps that move the bar a whole per mille come through.
        auto shown = std::make_shared<std::atomic<qsizetype>>(-1);
        m_commit->setProgress([this, shown](qsizetype done, qsizetype total) {
            const qsizetype mille = done * 1000 / total;
            if (shown->exchange(mille) != mille)
                Q_EMIT placeProgress(done, total);
        });
        m_commit->setCancelFlag(m_cancel.get());
        // A cancelled commit ends after cancel() has stopped the item: nobody is told of it.
        m_placing.setFuture(QtConcurrent::run([commit = m_commit] { return commit->commit().error; }));
        return;
    }
    const UpdateFile &file = m_files[m_next];
    Q_EMIT logAdded(tr("Getting File : %1").arg(file.shortAddress));
    m_file = std::make_unique<QFile>(QDir(m_staging).filePath(QString::number(m_next)));
    if (!m_file->open(QIODevice::WriteOnly)) {
        finish(tr("The download could not be stored: %1").arg(m_file->errorString()));
        return;
    }
    m_hash.reset();
    connect(&m_client, &UpdateClient::finished, this, &ItemInstaller::fileArrived, Qt::SingleShotConnection);
    connect(&m_client, &UpdateClient::progress, this, &ItemInstaller::fileProgress, Qt::UniqueConnection);
    const qint64 left = m_stagingLeft - m_staged;
    if (left <= 0) {
        finish(tr("The update would stage more than its limit of %1 bytes").arg(m_stagingLeft));
        return;
    }
    m_budgetCapped = left < m_client.limits().maxBytes;
    m_client.fetch(QUrl(file.url), m_file.get(), std::min(left, m_client.limits().maxBytes),
                   file.sha256.isEmpty() ? nullptr : &m_hash);
}

void ItemInstaller::fileArrived(const QString &error)
{
    const UpdateFile &file = m_files[m_next];
    const bool flushed = m_file->flush();
    m_file->close();
    m_staged += m_file->size();
    if (!error.isEmpty() || !flushed) {
        // A file cut off by what the update may still stage is the update's bound, not the file's.
        finish(m_budgetCapped && flushed && m_client.endedOverCap()
                   ? tr("The update would stage more than its limit of %1 bytes").arg(m_stagingLeft)
                   : tr("%1 could not be fetched: %2").arg(file.shortAddress, flushed ? error : m_file->errorString()));
        return;
    }
    if (!file.sha256.isEmpty() && m_hash.result() != file.sha256) {
        finish(tr("%1 does not match its sha256 hash in the file list").arg(file.shortAddress));
        return;
    }
    Q_EMIT lastLogChanged(tr("Getting File : %1 ... Done").arg(file.shortAddress));
    ++m_next;
    Q_EMIT itemProgress(m_next, int(m_files.size()));
    fetchNext();
}

void ItemInstaller::placed()
{
    if (m_running)
        finish(m_placing.result());
}

void ItemInstaller::finish(const QString &error)
{
    m_running = false;
    m_file.reset();
    m_list.reset();
    m_signature.reset();
    m_commit.reset();
    disconnect(&m_client, nullptr, this, nullptr);
    Q_EMIT done(error);
}

void ItemInstaller::stopWorker()
{
    if (m_cancel)
        *m_cancel = true;
    // The commit undoes what it placed before it ends: waiting for it leaves the folders as they were.
    m_checking.waitForFinished();
    m_placing.waitForFinished();
}

void ItemInstaller::cancel()
{
    if (!m_running)
        return;
    m_running = false;
    disconnect(&m_client, nullptr, this, nullptr);
    m_client.cancel();
    stopWorker();
    m_file.reset();
    m_list.reset();
    m_signature.reset();
    m_commit.reset();
}
