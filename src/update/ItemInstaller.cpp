#include "ItemInstaller.h"

#include "FolderListing.h"
#include "UpdateClient.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

using namespace Qt::Literals::StringLiterals;

namespace {

// A file list is a few lines per file; anything far larger is not one.
constexpr qint64 maxListBytes = 1024 * 1024;

bool inside(const QString &root, const QString &path)
{
    return path == root || path.startsWith(root + u'/');
}

QByteArray sha256Of(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

} // namespace

ItemInstaller::ItemInstaller(UpdateClient &client, const QString &baseUrl, QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_baseUrl(baseUrl)
{ }

ItemInstaller::~ItemInstaller() = default;

QString ItemInstaller::targetPath(const Roots &roots, const UpdateFile &file, QString *why)
{
    const QString root = file.root == UpdateRoot::HalfLife ? roots.halfLife : roots.counterStrike;
    const QString realRoot = QFileInfo(root).canonicalFilePath();
    if (root.isEmpty() || realRoot.isEmpty()) {
        *why = tr("its root folder %1 is not there").arg(root);
        return {};
    }
    // Names are matched without regard to case, as the game's own files are; a folder not there yet is made later.
    QString path = root;
    const QStringList names = file.folders + QStringList{file.fileName};
    for (const QString &name : names) {
        const QString found = FolderListing(path).find(name);
        path = found.isEmpty() ? path + u'/' + name : found;
        const QFileInfo info(path);
        if (info.exists() || info.isSymLink()) {
            const QString real = info.canonicalFilePath();
            if (real.isEmpty() || !inside(realRoot, real)) {
                *why = tr("%1 leads outside %2").arg(path, root);
                return {};
            }
        }
    }
    return path;
}

void ItemInstaller::start(const QString &itemName, const QString &staging, const Roots &roots)
{
    m_roots = roots;
    m_itemName = itemName;
    m_staging = staging;
    m_running = true;
    m_files.clear();
    m_targets.clear();
    m_next = 0;
    m_list = std::make_unique<QBuffer>();
    m_list->open(QIODevice::WriteOnly);
    connect(&m_client, &UpdateClient::finished, this, &ItemInstaller::listArrived, Qt::SingleShotConnection);
    m_client.fetch(QUrl(m_baseUrl + itemName + u".txt"_s), m_list.get(), maxListBytes);
}

void ItemInstaller::listArrived(const QString &error)
{
    if (!error.isEmpty()) {
        finish(tr("The file list of %1 could not be fetched: %2").arg(m_itemName, error));
        return;
    }
    // The list is written with a line end after it, as it always was, so that its last line is whole.
    const FileList list = UpdateLists::parseFileList(m_list->data() + "\r\n", m_baseUrl, m_itemName);
    m_list.reset();
    if (!list.error.isEmpty()) {
        finish(list.error);
        return;
    }
    // Every name is checked before the first byte is fetched.
    for (const UpdateFile &file : list.files) {
        QString why;
        const QString target = targetPath(m_roots, file, &why);
        if (target.isEmpty()) {
            finish(tr("The file list of %1 is refused: %2.").arg(m_itemName, why));
            return;
        }
        m_targets.append(target);
    }
    m_files = list.files;
    Q_EMIT itemProgress(0, int(m_files.size()));
    fetchNext();
}

void ItemInstaller::fetchNext()
{
    if (m_next == m_files.size()) {
        finish(placeAll());
        return;
    }
    const UpdateFile &file = m_files[m_next];
    Q_EMIT logAdded(tr("Getting File : %1").arg(file.shortAddress));
    m_file = std::make_unique<QFile>(QDir(m_staging).filePath(QString::number(m_next)));
    if (!m_file->open(QIODevice::WriteOnly)) {
        finish(tr("The download could not be stored: %1").arg(m_file->errorString()));
        return;
    }
    connect(&m_client, &UpdateClient::finished, this, &ItemInstaller::fileArrived, Qt::SingleShotConnection);
    connect(&m_client, &UpdateClient::progress, this, &ItemInstaller::fileProgress, Qt::UniqueConnection);
    m_client.fetch(QUrl(file.url), m_file.get(), 0, !file.sha256.isEmpty());
}

void ItemInstaller::fileArrived(const QString &error)
{
    const UpdateFile &file = m_files[m_next];
    const bool flushed = m_file->flush();
    m_file->close();
    if (!error.isEmpty() || !flushed) {
        finish(tr("%1 could not be fetched: %2").arg(file.shortAddress, flushed ? error : m_file->errorString()));
        return;
    }
    if (!file.sha256.isEmpty() && sha256Of(m_file->fileName()) != file.sha256) {
        finish(tr("%1 does not match its sha256 hash in the file list").arg(file.shortAddress));
        return;
    }
    Q_EMIT lastLogChanged(tr("Getting File : %1 ... Done").arg(file.shortAddress));
    ++m_next;
    Q_EMIT itemProgress(m_next, int(m_files.size()));
    fetchNext();
}

QString ItemInstaller::placeAll()
{
    return place(m_roots, m_files, m_staging, m_itemName);
}

QString ItemInstaller::place(const Roots &roots, const QList<UpdateFile> &files, const QString &staging,
                             const QString &itemName)
{
    // First a copy of every file beside its target, then the renames: a full disk fails in the first step, and
    // then nothing has changed but what is cleaned up again.
    QStringList copies;
    QStringList targets;
    QStringList madeFolders;
    const auto undo = [&](const QString &why) {
        for (const QString &copy : copies)
            QFile::remove(copy);
        for (auto it = madeFolders.crbegin(); it != madeFolders.crend(); ++it)
            QDir().rmdir(*it);
        return why;
    };
    for (qsizetype i = 0; i < files.size(); ++i) {
        // The folders may have changed while the files arrived: a link put in since must not lead them out. Asked
        // again, a folder made for an earlier file is found in whatever case the list first named it.
        QString why;
        targets.append(targetPath(roots, files[i], &why));
        if (targets[i].isEmpty())
            return undo(tr("The file list of %1 is refused: %2.").arg(itemName, why));
        const QFileInfo target(targets[i]);
        QString folder = target.absolutePath();
        QStringList missing;
        while (!QFileInfo::exists(folder)) {
            missing.prepend(folder);
            folder = QFileInfo(folder).absolutePath();
        }
        for (const QString &made : missing) {
            if (!QDir().mkdir(made))
                return undo(tr("The folder %1 could not be made").arg(made));
            madeFolders.append(made);
        }
        const QString copy = target.absoluteFilePath() + u".trevlin-update"_s;
        QFile::remove(copy);
        if (!QFile::copy(QDir(staging).filePath(QString::number(i)), copy))
            return undo(tr("%1 could not be written").arg(target.absoluteFilePath()));
        copies.append(copy);
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        std::error_code error;
        std::filesystem::rename(copies[i].toStdString(), targets[i].toStdString(), error);
        if (error)
            return undo(tr("%1 could not be replaced: %2").arg(targets[i], QString::fromStdString(error.message())));
    }
    return {};
}

void ItemInstaller::finish(const QString &error)
{
    m_running = false;
    m_file.reset();
    m_list.reset();
    disconnect(&m_client, nullptr, this, nullptr);
    Q_EMIT done(error);
}

void ItemInstaller::cancel()
{
    if (!m_running)
        return;
    m_running = false;
    disconnect(&m_client, nullptr, this, nullptr);
    m_client.cancel();
    m_file.reset();
    m_list.reset();
}
