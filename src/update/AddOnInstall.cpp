#include "AddOnInstall.h"

#include "AtomicFile.h"
#include "BotCatalogue.h"
#include "BoundedFile.h"
#include "FileCommit.h"
#include "FolderListing.h"
#include "Liblist.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The record's first line carries its format; each further line is a kind, a tab and its fields.
constexpr QLatin1StringView recordHeader("Trevlin add-on install 1");
constexpr QLatin1StringView recordName("record.txt");
constexpr QLatin1StringView keptName("kept");
// The record is read back whole at uninstall: an install whose record would be larger is refused before it starts.
constexpr qint64 recordLimit = 16 * 1024 * 1024;

QString folded(const QString &path)
{
    return path.toCaseFolded();
}

bool isLibrary(const QString &path)
{
    return path.endsWith(".dll"_L1, Qt::CaseInsensitive) || path.endsWith(".so"_L1, Qt::CaseInsensitive);
}

QByteArray sha256Of(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
}

struct Record
{
    AddOnInstall::Root root = AddOnInstall::Root::Game;
    QList<std::pair<QByteArray, QString>> added;    // hash of the installed file, path below the root
    QList<std::pair<QByteArray, QString>> replaced; // the same, for the files whose earlier copy is kept
    QStringList folders;                            // the folders the install made, outermost first
};

QByteArray recordText(const Record &record)
{
    QByteArray text = recordHeader.toString().toUtf8() + '\n';
    text += "root\t" + QByteArray(record.root == AddOnInstall::Root::HalfLife ? "halflife" : "game") + '\n';
    for (const auto &[hash, path] : record.added)
        text += "added\t" + hash + '\t' + path.toUtf8() + '\n';
    for (const auto &[hash, path] : record.replaced)
        text += "replaced\t" + hash + '\t' + path.toUtf8() + '\n';
    for (const QString &folder : record.folders)
        text += "folder\t" + folder.toUtf8() + '\n';
    return text;
}

std::optional<Record> parseRecord(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.first() != recordHeader.toString().toUtf8())
        return std::nullopt;
    Record record;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).split('\t');
        const QByteArray &kind = fields.first();
        if (kind.isEmpty() && fields.size() == 1)
            continue;
        // A path that leads out of its root is no record this program wrote.
        const QString path = QString::fromUtf8(fields.last());
        if (path.startsWith(u'/') || path.split(u'/').contains(".."_L1))
            return std::nullopt;
        if (kind == "root" && fields.size() == 2)
            record.root = fields.at(1) == "halflife" ? AddOnInstall::Root::HalfLife : AddOnInstall::Root::Game;
        else if (kind == "added" && fields.size() == 3)
            record.added.append({fields.at(1), path});
        else if (kind == "replaced" && fields.size() == 3)
            record.replaced.append({fields.at(1), path});
        else if (kind == "folder" && fields.size() == 2)
            record.folders.append(path);
        else
            return std::nullopt;
    }
    return record;
}

// Puts back the files record replaced and takes out those it added, leaving each file changed since where it is
// (named in removal), and removes the folders it made once they are empty. removed gets the paths taken out.
bool undoFiles(const Record &record, const QString &root, const QString &keptFolder, AddOnInstall::Removal &removal,
               QStringList &removed)
{
    const QDir rootDir(root);
    const QDir kept(keptFolder);
    FileCommit restore({root});
    for (const auto &[hash, path] : record.replaced) {
        if (sha256Of(rootDir.filePath(path)) == hash)
            restore.add(kept.filePath(path), rootDir.filePath(path));
        else
            removal.changed.append(QDir::toNativeSeparators(rootDir.filePath(path)));
    }
    if (restore.count() > 0) {
        const FileCommit::Result restored = restore.commit();
        if (!restored.error.isEmpty()) {
            removal.error = restored.error;
            return false;
        }
    }
    for (const auto &[hash, path] : record.added) {
        const QString target = rootDir.filePath(path);
        if (!QFileInfo::exists(target))
            continue;
        if (sha256Of(target) != hash) {
            removal.changed.append(QDir::toNativeSeparators(target));
        } else if (!QFile::remove(target)) {
            removal.error = AddOnInstall::tr("Trevlin could not remove \"%1\".").arg(QDir::toNativeSeparators(target));
            return false;
        } else {
            removed.append(path);
        }
    }
    for (auto folder = record.folders.crbegin(); folder != record.folders.crend(); ++folder)
        rootDir.rmdir(*folder); // only when empty: a file the player put there keeps its folder
    return true;
}

} // namespace

AddOnInstall::Placement AddOnInstall::guess(const QList<AddOnArchive::Entry> &files, const Folders &folders)
{
    const QString modName = folded(QFileInfo(folders.game).fileName());
    const auto nameAt = [](const QString &path, int index) { return folded(path.section(u'/', index, index)); };
    const auto allAt = [&](int index, const auto &holds) {
        return std::all_of(files.cbegin(), files.cend(),
                           [&](const AddOnArchive::Entry &file) { return holds(file.path, nameAt(file.path, index)); });
    };
    const auto isModFolder = [&](const QString &, const QString &name) { return name == modName; };
    // A name the mod folder has as a folder already, or one of the folders every mod folder has.
    const FolderListing game(folders.game);
    static const QSet<QString> modFolders{u"dlls"_s, u"maps"_s, u"addons"_s, u"models"_s, u"sound"_s,
                                          u"sprites"_s, u"gfx"_s};
    const auto isInMod = [&](const QString &path, const QString &name) {
        return path.count(u'/') > 0 && (modFolders.contains(name) || QFileInfo(game.find(name)).isDir());
    };
    const auto belowOneFolder = [&](const QString &path, const QString &) {
        return path.count(u'/') > 0 && nameAt(path, 0) == nameAt(files.first().path, 0);
    };

    if (files.isEmpty() || allAt(0, isModFolder))
        return {Root::HalfLife, {}};
    if (std::any_of(files.cbegin(), files.cend(),
                    [&](const AddOnArchive::Entry &file) { return isInMod(file.path, nameAt(file.path, 0)); }))
        return {Root::Game, {}};
    if (allAt(0, belowOneFolder)) {
        const QString top = files.first().path.section(u'/', 0, 0);
        if (allAt(1, isModFolder))
            return {Root::HalfLife, top};
        const auto belowTop = [&](const QString &path, const QString &name) {
            return isInMod(path.section(u'/', 1), name);
        };
        if (std::any_of(files.cbegin(), files.cend(),
                        [&](const AddOnArchive::Entry &file) { return belowTop(file.path, nameAt(file.path, 1)); }))
            return {Root::Game, top};
    }
    return {Root::Game, {}};
}

QString AddOnInstall::relativeTarget(const QString &archivePath, const Placement &placement)
{
    if (placement.strip.isEmpty())
        return archivePath;
    return archivePath.section(u'/', 1);
}

QString AddOnInstall::recordFolder(const QString &dataFolder, const QString &botName)
{
    return QDir(dataFolder).filePath(u"installs/"_s + botName);
}

bool AddOnInstall::isInstalled(const QString &dataFolder, const QString &botName)
{
    return QFileInfo(QDir(recordFolder(dataFolder, botName)).filePath(recordName)).isFile();
}

AddOnInstall::Outcome AddOnInstall::install(const QString &archivePath, const AddOnArchive::Listing &listing,
                                            const Placement &placement, const Folders &folders,
                                            const QString &botName, const QString &dataFolder,
                                            const QString &staging)
{
    Outcome outcome;
    const QString record = recordFolder(dataFolder, botName);
    if (isInstalled(dataFolder, botName)) {
        outcome.error = tr("%1 was installed from an archive already. Uninstall it first, so that Trevlin can "
                           "still put back the files it replaced.")
                            .arg(botName);
        return outcome;
    }
    const QString root = rootFolder(folders, placement.root);
    if (root.isEmpty() || QDir::isRelativePath(root)) {
        outcome.error = tr("Trevlin does not know the folder to install %1 into.").arg(botName);
        return outcome;
    }
    // A line of the record per file: its kind, its hash and its path.
    qint64 recordSize = 0;
    for (const AddOnArchive::Entry &file : listing.files)
        recordSize += 80 + file.path.toUtf8().size();
    if (recordSize > recordLimit) {
        outcome.error = tr("The archive names too many files, or names too long, for Trevlin to keep a record of "
                           "what installing %1 changes.")
                            .arg(botName);
        return outcome;
    }
    const AddOnArchive::Limits limits;
    QList<QByteArray> stagedHashes;
    outcome.error = AddOnArchive::extract(archivePath, listing, staging, limits, &stagedHashes);
    if (!outcome.error.isEmpty())
        return outcome;

    // Kept files from an install that was never recorded (a crash between the two) are not this install's.
    QDir(record).removeRecursively();
    if (!QDir().mkpath(record)) {
        outcome.error = tr("Trevlin could not make the folder \"%1\" to keep the files the add-on replaces.")
                            .arg(QDir::toNativeSeparators(record));
        return outcome;
    }

    Record done;
    done.root = placement.root;
    FileCommit commit({root});
    commit.setKeepDir(QDir(record).filePath(keptName));
    // "DLLS/x.dll" goes into the game's "dlls", not beside it.
    FolderListing::Resolver resolver;
    QHash<QString, QByteArray> hashes;
    for (qsizetype i = 0; i < listing.files.size(); ++i) {
        const QString target = resolver.resolve(root, relativeTarget(listing.files.at(i).path, placement).split(u'/'));
        const QString source = QDir(staging).filePath(QString::number(i));
        commit.add(source, target);
        // Keyed as the commit reports its targets, whatever separators the game folder was given with.
        hashes.insert(FileCommit::clean(target), stagedHashes.at(i));
    }
    const FileCommit::Result placed = commit.commit();
    if (!placed.error.isEmpty()) {
        QDir(record).removeRecursively();
        outcome.error = placed.error;
        return outcome;
    }
    const QDir rootDir(root);
    for (const QString &target : placed.created)
        done.added.append({hashes.value(target), rootDir.relativeFilePath(target)});
    for (const QString &target : placed.replaced)
        done.replaced.append({hashes.value(target), rootDir.relativeFilePath(target)});
    for (const QString &folder : placed.madeFolders)
        done.folders.append(rootDir.relativeFilePath(folder));
    outcome.added = placed.created;
    outcome.replaced = placed.replaced;
    for (const QString &target : placed.created + placed.replaced) {
        if (isLibrary(target))
            outcome.libraries.append(target);
    }
    QString why;
    if (!AtomicFile::write(QDir(record).filePath(recordName), recordText(done), &why)) {
        // Without its record the install could never be undone: take it out again.
        Removal undone;
        QStringList removed;
        undoFiles(done, root, QDir(record).filePath(keptName), undone, removed);
        QDir(record).removeRecursively();
        outcome = Outcome();
        outcome.error = tr("Trevlin could not keep the record of what %1 changes, so it did not install it: %2")
                            .arg(botName, why);
        if (!undone.error.isEmpty())
            outcome.error += u"\n"_s + undone.error;
    }
    return outcome;
}

AddOnInstall::Removal AddOnInstall::uninstall(const Folders &folders, const QString &botName,
                                              const QString &dataFolder)
{
    Removal removal;
    const QString recordDir = recordFolder(dataFolder, botName);
    const BoundedFile::Result read = BoundedFile::read(QDir(recordDir).filePath(recordName), recordLimit);
    const std::optional<Record> record = read.isRead() ? parseRecord(read.bytes) : std::nullopt;
    if (!record) {
        removal.error = read.isRead() ? tr("Trevlin cannot read what the install of %1 changed.").arg(botName)
                                      : read.error;
        return removal;
    }
    const QString root = rootFolder(folders, record->root);
    // What the player changed since stays as it is, and is named.
    QStringList removed;
    if (!undoFiles(*record, root, QDir(recordDir).filePath(keptName), removal, removed))
        return removal;
    // A descriptor that starts a library just removed would start no game: the add-on's prepared copy goes, and a
    // liblist.gam it was put in place of gets the game's own back.
    const QString gameRelative = QDir(folders.game).relativeFilePath(root);
    const auto startsRemoved = [&](const QString &descriptor) {
        const LiblistInfo info = Liblist::read(descriptor);
        const QString windows = QString(info.gamedll.value_or(QString())).replace(u'\\', u'/');
        const QString linuxLibrary = info.gamedllLinux.value_or(QString());
        return std::any_of(removed.cbegin(), removed.cend(), [&](const QString &path) {
            const QString library = QDir::cleanPath(gameRelative + u'/' + path);
            return windows.compare(library, Qt::CaseInsensitive) == 0
                || linuxLibrary.compare(library, Qt::CaseInsensitive) == 0;
        });
    };
    const FolderListing game(folders.game);
    const QString prepared = game.find(BotCatalogue::liblistVariant(botName));
    if (!prepared.isEmpty() && startsRemoved(prepared))
        QFile::remove(prepared);
    const QString current = game.find(BotCatalogue::liblistName);
    const QString ownCopy = game.find(BotCatalogue::liblistVariant(BotType::OriginalCS));
    if (!current.isEmpty() && !ownCopy.isEmpty() && startsRemoved(current)) {
        const BoundedFile::Result own = BoundedFile::read(ownCopy, BoundedFile::smallFileLimit);
        QString why;
        if (!own.isRead() || !AtomicFile::write(current, own.bytes, &why))
            removal.error = tr("Trevlin could not put the game's own liblist.gam back: %1")
                                .arg(own.isRead() ? why : own.error);
    }
    QDir(recordDir).removeRecursively();
    return removal;
}
