#include "AddOnArchive.h"

#include "UpdateLists.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSet>

#include <archive.h>
#include <archive_entry.h>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The archive library reads through these, so that a path is opened as Qt opens it (UTF-16 on Windows too).
struct Source
{
    QFile file;
    QByteArray buffer = QByteArray(64 * 1024, Qt::Uninitialized);
};

la_ssize_t readSource(archive *, void *data, const void **block)
{
    auto *source = static_cast<Source *>(data);
    *block = source->buffer.constData();
    return source->file.read(source->buffer.data(), source->buffer.size());
}

la_int64_t seekSource(archive *, void *data, la_int64_t offset, int whence)
{
    auto *source = static_cast<Source *>(data);
    const qint64 base = whence == SEEK_CUR ? source->file.pos() : whence == SEEK_END ? source->file.size() : 0;
    return source->file.seek(base + offset) ? source->file.pos() : ARCHIVE_FATAL;
}

la_int64_t skipSource(archive *, void *data, la_int64_t request)
{
    auto *source = static_cast<Source *>(data);
    const qint64 to = qMin(source->file.pos() + request, source->file.size());
    const qint64 from = source->file.pos();
    return source->file.seek(to) ? to - from : 0;
}

struct ArchiveCloser
{
    void operator()(archive *a) const { archive_read_free(a); }
};

QString sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes);
}

// The entry's path with '/' between its names, or the reason it cannot stand below a game folder.
QString cleanPath(QString path, QString *why)
{
    path.replace(u'\\', u'/');
    while (path.startsWith("./"_L1))
        path.remove(0, 2);
    while (path.endsWith(u'/'))
        path.chop(1);
    if (path.startsWith(u'/') || (path.size() > 1 && path.at(1) == u':')) {
        *why = AddOnArchive::tr("an absolute path");
        return {};
    }
    for (const QString &name : path.split(u'/')) {
        if (const std::optional<QString> refused = UpdateLists::refuseName(name)) {
            *why = *refused;
            return {};
        }
    }
    return path;
}

using FileVisitor = std::function<QString(archive *, const AddOnArchive::Entry &, bool sizeKnown)>;

// Reads every entry's header, checks it, and hands each plain file to visit; the first refusal ends the walk.
QString walk(const QString &archivePath, const AddOnArchive::Limits &limits, const FileVisitor &visit)
{
    Source source;
    source.file.setFileName(archivePath);
    if (!source.file.open(QIODevice::ReadOnly))
        return AddOnArchive::tr("Trevlin could not open \"%1\": %2").arg(archivePath, source.file.errorString());

    std::unique_ptr<archive, ArchiveCloser> reader(archive_read_new());
    archive *a = reader.get();
    archive_read_support_filter_all(a);
    // The formats add-ons come in. Formats that name files on this computer (mtree) are left out on purpose.
    archive_read_support_format_zip(a);
    archive_read_support_format_7zip(a);
    archive_read_support_format_tar(a);
    archive_read_support_format_rar(a);
    archive_read_support_format_rar5(a);
    archive_read_set_callback_data(a, &source);
    archive_read_set_read_callback(a, readSource);
    archive_read_set_seek_callback(a, seekSource);
    archive_read_set_skip_callback(a, skipSource);
    const QString unreadable = AddOnArchive::tr("\"%1\" is not an archive Trevlin can read: %2");
    if (archive_read_open1(a) != ARCHIVE_OK)
        return unreadable.arg(archivePath, QString::fromUtf8(archive_error_string(a)));

    QSet<QString> files;
    QSet<QString> folders;
    qint64 total = 0;
    int count = 0;
    archive_entry *entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(a, &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status < ARCHIVE_WARN)
            return unreadable.arg(archivePath, QString::fromUtf8(archive_error_string(a)));

        const char *utf8 = archive_entry_pathname_utf8(entry);
        const QString raw = utf8 ? QString::fromUtf8(utf8) : QString::fromLocal8Bit(archive_entry_pathname(entry));
        const auto refuse = [&](const QString &why) {
            return AddOnArchive::tr("Trevlin will not install \"%1\": its entry \"%2\" is %3.")
                .arg(archivePath, raw, why);
        };
        QString why;
        const QString path = cleanPath(raw, &why);
        if (path.isEmpty())
            return refuse(why.isEmpty() ? AddOnArchive::tr("an empty name") : why);

        const auto type = archive_entry_filetype(entry);
        if (archive_entry_hardlink(entry) || type == AE_IFLNK)
            return refuse(AddOnArchive::tr("a link"));
        if (type != AE_IFREG && type != AE_IFDIR)
            return refuse(AddOnArchive::tr("a device file"));
        if (archive_entry_is_encrypted(entry))
            return refuse(AddOnArchive::tr("encrypted"));

        // The folders above it, each once, none of them a file of the archive; and no two names that one
        // Windows folder would take for the same.
        const QString folded = path.toCaseFolded();
        for (qsizetype slash = folded.indexOf(u'/'); slash >= 0; slash = folded.indexOf(u'/', slash + 1)) {
            const QString folder = folded.left(slash);
            if (files.contains(folder))
                return refuse(AddOnArchive::tr("inside a folder that the archive also holds as a file"));
            folders.insert(folder);
        }
        if (type == AE_IFDIR) {
            if (files.contains(folded))
                return refuse(AddOnArchive::tr("a folder that the archive also holds as a file"));
            folders.insert(folded);
            continue;
        }
        if (folders.contains(folded))
            return refuse(AddOnArchive::tr("a file that the archive also holds as a folder"));
        if (files.contains(folded))
            return refuse(AddOnArchive::tr("there twice, in the same or another letter case"));
        files.insert(folded);

        if (++count > limits.maxFiles)
            return AddOnArchive::tr("Trevlin will not install \"%1\": it holds more than %2 files.")
                .arg(archivePath)
                .arg(limits.maxFiles);
        const bool sizeKnown = archive_entry_size_is_set(entry);
        const qint64 size = sizeKnown ? archive_entry_size(entry) : 0;
        if (size < 0 || size > limits.maxFileBytes)
            return refuse(AddOnArchive::tr("announced as %1, more than the %2 a file may take")
                              .arg(sizeText(size), sizeText(limits.maxFileBytes)));
        total += size;
        if (total > limits.maxTotalBytes)
            return AddOnArchive::tr("Trevlin will not install \"%1\": its files take more than %2.")
                .arg(archivePath, sizeText(limits.maxTotalBytes));
        const QString error = visit(a, AddOnArchive::Entry{path, size}, sizeKnown);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace

AddOnArchive::Listing AddOnArchive::list(const QString &archivePath, const Limits &limits)
{
    Listing listing;
    listing.error = walk(archivePath, limits, [&](archive *, const Entry &entry, bool) {
        listing.files.append(entry);
        return QString();
    });
    if (listing.error.isEmpty() && listing.files.isEmpty())
        listing.error = tr("\"%1\" holds no files.").arg(archivePath);
    if (!listing.error.isEmpty())
        listing.files.clear();
    return listing;
}

QString AddOnArchive::extract(const QString &archivePath, const Listing &listing, const QString &staging,
                              const Limits &limits, QList<QByteArray> *hashes)
{
    qsizetype index = 0;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 total = 0;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    const QString error = walk(archivePath, limits, [&](archive *a, const Entry &entry, bool sizeKnown) -> QString {
        if (index >= listing.files.size() || listing.files.at(index).path != entry.path)
            return tr("\"%1\" has changed since Trevlin read it; choose it again.").arg(archivePath);
        QFile out(QDir(staging).filePath(QString::number(index)));
        if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return tr("Trevlin could not unpack \"%1\": %2").arg(entry.path, out.errorString());
        // An entry may unpack to more than it announced (a "zip bomb"): every byte counts against its size.
        const qint64 cap = sizeKnown ? entry.size : limits.maxFileBytes;
        qint64 written = 0;
        hash.reset();
        for (;;) {
            const la_ssize_t got = archive_read_data(a, buffer.data(), buffer.size());
            if (got < 0)
                return tr("Trevlin could not unpack \"%1\": %2")
                    .arg(entry.path, QString::fromUtf8(archive_error_string(a)));
            if (got == 0)
                break;
            written += got;
            total += got;
            if (written > cap || total > limits.maxTotalBytes)
                return tr("Trevlin will not install \"%1\": \"%2\" unpacks to more than it announced.")
                    .arg(archivePath, entry.path);
            if (out.write(buffer.constData(), got) != got)
                return tr("Trevlin could not unpack \"%1\": %2").arg(entry.path, out.errorString());
            hash.addData(QByteArrayView(buffer.constData(), got));
        }
        if (sizeKnown && written != entry.size)
            return tr("\"%1\" in \"%2\" is shorter than announced.").arg(entry.path, archivePath);
        if (!out.flush())
            return tr("Trevlin could not unpack \"%1\": %2").arg(entry.path, out.errorString());
        if (hashes)
            hashes->append(hash.result().toHex());
        ++index;
        return QString();
    });
    if (error.isEmpty() && index != listing.files.size())
        return tr("\"%1\" has changed since Trevlin read it; choose it again.").arg(archivePath);
    return error;
}
