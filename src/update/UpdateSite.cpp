#include "UpdateSite.h"

#include "ListSigner.h"
#include "TextLines.h"
#include "UpdateClient.h"
#include "UpdateJob.h"
#include "UpdateListWriter.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QString translate(const char *text)
{
    return QCoreApplication::translate("UpdateSite", text);
}

// The entries of a source folder but "." and "..", sorted by name so that a site comes out the same each time.
// Hidden ones are left out: they are a version control's or a file manager's, not the game's.
QFileInfoList entriesOf(const QString &folder)
{
    return QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Why a name of the source cannot go into a list, or nothing.
std::optional<QString> refuseSourceName(const QString &name)
{
    if (const auto why = UpdateLists::refuseName(name))
        return why;
    if (!TextLines::fitsLatin1(name))
        return translate("a character that the lists, 8-bit text, cannot hold");
    return std::nullopt;
}

// Walks one item's folder below its version, collecting its files; the error when its layout is not right.
class ItemReader
{
public:
    ItemReader(UpdateSite::SourceItem &item, const QString &itemUrl)
        : m_item(item)
        , m_itemUrl(itemUrl)
    { }

    QString readRoot(const QFileInfo &rootFolder)
    {
        const QString keyword = rootFolder.fileName().toLower();
        if (keyword != "half-life_dir"_L1 && keyword != "counter-strike_dir"_L1)
            return translate("%1 is neither \"half-life_dir\" nor \"counter-strike_dir\": the files of a version "
                             "lie in one of these two folders.")
                .arg(native(rootFolder.filePath()));
        const UpdateRoot root = keyword == "half-life_dir"_L1 ? UpdateRoot::HalfLife : UpdateRoot::CounterStrike;
        return readFolder(rootFolder.filePath(), root, keyword, {});
    }

private:
    QString readFolder(const QString &folder, UpdateRoot root, const QString &keyword, const QStringList &folders)
    {
        static const qint64 maxBytes = UpdateClient::Limits{}.maxBytes;
        for (const QFileInfo &entry : entriesOf(folder)) {
            if (const auto why = refuseSourceName(entry.fileName()))
                return translate("%1 cannot be published: its name holds %2.").arg(native(entry.filePath()), *why);
            // The game folders match names without regard to letter case: two names that differ only in it would
            // be one file there.
            const QString key
                = (keyword + u'/' + QStringList(folders + QStringList{entry.fileName()}).join(u'/')).toCaseFolded();
            if (entry.isSymLink() || !(entry.isDir() || entry.isFile()))
                return translate("%1 is neither a file nor a folder.").arg(native(entry.filePath()));
            if (entry.isDir()) {
                if (m_files.contains(key))
                    return translate("%1 is a folder where another file of the item has the same name.")
                        .arg(native(entry.filePath()));
                m_folders.insert(key);
                if (const QString error
                    = readFolder(entry.filePath(), root, keyword, folders + QStringList{entry.fileName()});
                    !error.isEmpty())
                    return error;
                continue;
            }
            if (m_files.contains(key) || m_folders.contains(key))
                return translate("%1 has the same name as another file or folder of the item, but for letter case.")
                    .arg(native(entry.filePath()));
            if (entry.size() > maxBytes)
                return translate("%1 is larger than the %2 MiB that the program downloads of one file.")
                    .arg(native(entry.filePath()), QString::number(maxBytes / (1024 * 1024)));
            m_files.insert(key);
            UpdateFile file;
            QString path = m_itemUrl + QString::fromLatin1(QUrl::toPercentEncoding(keyword)) + u'/';
            for (const QString &name : folders)
                path += QString::fromLatin1(QUrl::toPercentEncoding(name)) + u'/';
            file.url = path + QString::fromLatin1(QUrl::toPercentEncoding(entry.fileName()));
            file.root = root;
            file.folders = folders;
            file.fileName = entry.fileName();
            m_item.files.append({entry.filePath(), file});
        }
        return {};
    }

    UpdateSite::SourceItem &m_item;
    QString m_itemUrl;
    QSet<QString> m_files;
    QSet<QString> m_folders;
};

// Copies a file into the site, hashing it on the way.
QString copyHashed(const QString &from, const QString &to, QByteArray *sha256)
{
    QFile source(from);
    QFile target(to);
    if (!QDir().mkpath(QFileInfo(to).path()) || !source.open(QIODevice::ReadOnly)
        || !target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return translate("%1 could not be copied to %2: %3")
            .arg(native(from), native(to), source.isOpen() ? target.errorString() : source.errorString());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray chunk(1024 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 read = source.read(chunk.data(), chunk.size());
        if (read < 0)
            return translate("%1 could not be read: %2").arg(native(from), source.errorString());
        if (read == 0)
            break;
        hash.addData(QByteArrayView(chunk.constData(), read));
        if (target.write(chunk.constData(), read) != read)
            return translate("%1 could not be written: %2").arg(native(to), target.errorString());
    }
    if (!target.flush())
        return translate("%1 could not be written: %2").arg(native(to), target.errorString());
    *sha256 = hash.result();
    return {};
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return translate("%1 could not be written: %2").arg(native(path), file.errorString());
    return {};
}

// A list and its signature beside it.
QString writeSigned(const QString &folder, const QString &name, const QByteArray &list, const ListSigner &signer,
                    qint64 timestamp)
{
    if (const QString error = writeFile(folder + u'/' + name, list); !error.isEmpty())
        return error;
    return writeFile(folder + u'/' + name + u".minisig"_s, signer.sign(list, name, timestamp));
}

} // namespace

UpdateSite::Source UpdateSite::readSource(const QString &folder, const QString &baseUrl)
{
    Source source;
    const auto refuse = [&source](const QString &why) {
        source.items.clear();
        source.error = why;
        return source;
    };
    if (!QFileInfo(folder).isDir())
        return refuse(translate("%1 is not a folder.").arg(native(folder)));
    const BotCatalogue::UpdateNames names = BotCatalogue::updateNames();
    for (const QFileInfo &entry : entriesOf(folder)) {
        if (!entry.isDir() || entry.isSymLink())
            continue; // a note beside the items is no item
        const auto known = std::find_if(names.cbegin(), names.cend(), [&entry](const QString &name) {
            return name.trimmed().compare(entry.fileName(), Qt::CaseInsensitive) == 0;
        });
        if (known == names.cend()) {
            QStringList all;
            for (const QString &name : names)
                all.append(name.trimmed());
            return refuse(
                translate("%1 is no update item; the items are %2.").arg(native(entry.filePath()), all.join(u", "_s)));
        }
        SourceItem item;
        item.index = int(known - names.cbegin());
        item.name = known->trimmed();
        const QFileInfoList versions = entriesOf(entry.filePath());
        if (versions.size() != 1 || !versions.first().isDir() || versions.first().isSymLink())
            return refuse(translate("%1 must hold exactly one folder, named after the version to publish.")
                              .arg(native(entry.filePath())));
        item.version = versions.first().fileName();
        if (const auto why = refuseSourceName(item.version))
            return refuse(
                translate("%1 cannot be published: its name holds %2.").arg(native(versions.first().filePath()), *why));
        ItemReader reader(
            item, baseUrl + item.name + u'/' + QString::fromLatin1(QUrl::toPercentEncoding(item.version)) + u'/');
        for (const QFileInfo &root : entriesOf(versions.first().filePath())) {
            if (!root.isDir() || root.isSymLink())
                return refuse(translate("%1 is not a folder: the files of a version lie in \"half-life_dir\" or "
                                        "\"counter-strike_dir\".")
                                  .arg(native(root.filePath())));
            if (const QString error = reader.readRoot(root); !error.isEmpty())
                return refuse(error);
        }
        source.items.append(item);
    }
    std::sort(source.items.begin(), source.items.end(),
              [](const SourceItem &a, const SourceItem &b) { return a.index < b.index; });
    if (source.items.isEmpty())
        return refuse(translate("%1 holds no update item: lay it out as <Item>/<version>/<root keyword>/<file>.")
                          .arg(native(folder)));
    return source;
}

UpdateSite::Published UpdateSite::publish(const QString &sourceFolder, const QString &baseUrl, const ListSigner &signer,
                                          const QString &output, qint64 timestamp)
{
    Published published;
    const QDir site(output);
    if (QFileInfo::exists(output)
        && (!QFileInfo(output).isDir()
            || !QDir(output).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))) {
        published.error = translate("%1 is not empty: give a new or empty folder to publish into.").arg(native(output));
        return published;
    }
    const QString sourcePath = QFileInfo(sourceFolder).absoluteFilePath() + u'/';
    if ((QFileInfo(output).absoluteFilePath() + u'/').startsWith(sourcePath)) {
        published.error = translate("%1 lies inside the source folder: publish somewhere else.").arg(native(output));
        return published;
    }
    Source source = readSource(sourceFolder, baseUrl);
    if (!source.error.isEmpty()) {
        published.error = source.error;
        return published;
    }
    const auto fail = [&](const QString &error) {
        // The folder was absent or empty: what is in it now is ours.
        QDir(output).removeRecursively();
        published = {.items = 0, .files = 0, .error = error};
        return published;
    };
    if (!QDir().mkpath(output))
        return fail(translate("%1 could not be made.").arg(native(output)));

    ServerVersions versions;
    const QString base = site.absolutePath();
    for (SourceItem &item : source.items) {
        versions[item.index] = item.version;
        static const qint64 stagingCap = UpdateJob::Limits{}.stagingCap;
        qint64 itemBytes = 0;
        for (const SourceFile &file : std::as_const(item.files))
            itemBytes += QFileInfo(file.path).size();
        if (itemBytes > stagingCap)
            return fail(translate("The files of %1 come to %2 bytes, more than the %3 a program stages for one "
                                  "update: publish them as fewer or smaller items.")
                            .arg(item.name)
                            .arg(itemBytes)
                            .arg(stagingCap));
        QList<UpdateFile> files;
        for (SourceFile &file : item.files) {
            const QString target
                = base + u'/' + QUrl::fromPercentEncoding(file.file.url.mid(baseUrl.size()).toLatin1());
            if (const QString error = copyHashed(file.path, target, &file.file.sha256); !error.isEmpty())
                return fail(error);
            files.append(file.file);
        }
        // What the program would refuse to read is not published.
        const QByteArray list = UpdateListWriter::fileList(files);
        if (list.size() > UpdateLists::maxFileListBytes)
            return fail(translate("The file list of %1 would be %2 bytes, more than the %3 a program reads: publish "
                                  "its files as fewer items.")
                            .arg(item.name)
                            .arg(list.size())
                            .arg(UpdateLists::maxFileListBytes));
        if (const QString error = writeSigned(base, item.name + u".txt"_s, list, signer, timestamp); !error.isEmpty())
            return fail(error);
        ++published.items;
        published.files += int(files.size());
    }
    if (const QString error
        = writeSigned(base, u"Versions.txt"_s, UpdateListWriter::versions(versions), signer, timestamp);
        !error.isEmpty())
        return fail(error);
    return published;
}
