#include "AtomicFile.h"

#include "Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

// QSaveFile writes through a link to the file it points to, but it decodes the link's target as text first: a
// target name that is not valid in the file name encoding would be written under another name, and the link
// would still point nowhere. Such a link is turned down instead.
bool linkTargetCanBeNamed(const QString &path)
{
    const std::optional<QByteArray> target = Platform::linkTarget(path);
    return !target || QFile::encodeName(QFile::decodeName(*target)) == *target;
}

// Why a write that took fewer bytes than it was given failed. The file device reports no error for a short write,
// which on a full disk is what the system gives.
QString shortWriteReason(const QString &path, qint64 size)
{
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() < size)
        return AtomicFile::tr("there is not enough free space on the disk");
    return AtomicFile::tr("the file could not be written completely");
}

} // namespace

bool AtomicFile::write(const QString &path, const QByteArray &bytes, QString *errorString)
{
    return write(path, bytes.size(), errorString, [&](QSaveFile &file) { return file.write(bytes) == bytes.size(); });
}

bool AtomicFile::copy(const QString &source, const QString &path, QString *errorString)
{
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly)) {
        if (errorString)
            *errorString = from.errorString();
        return false;
    }
    return write(path, from.size(), errorString, [&](QSaveFile &file) {
        // In pieces, so that memory stays flat however large the file.
        QByteArray buffer(256 * 1024, Qt::Uninitialized);
        for (;;) {
            const qint64 read = from.read(buffer.data(), buffer.size());
            if (read < 0)
                return false;
            if (read == 0)
                return true;
            if (file.write(buffer.constData(), read) != read)
                return false;
        }
    });
}

bool AtomicFile::write(const QString &path, qint64 size, QString *errorString,
                       const std::function<bool(QSaveFile &)> &fill)
{
    if (!linkTargetCanBeNamed(path)) {
        if (errorString)
            *errorString = tr("it is a link to a file whose name Trevlin cannot write");
        return false;
    }
    QSaveFile file(path);
    const auto fail = [&] {
        if (errorString) {
            *errorString = file.error() == QFileDevice::NoError || file.error() == QFileDevice::UnspecifiedError
                ? shortWriteReason(path, size)
                : file.errorString();
        }
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    if (!fill(file))
        return fail();
    // commit() does not notice a failed final flush, which on a full disk would put an empty file in place of
    // the old one: flush first and give up if any byte did not reach the disk.
    if (!file.flush())
        return fail();
    if (!file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}

QString AtomicFile::save(const QString &path, const QByteArray &bytes, const QString &afterwards)
{
    QString reason;
    if (write(path, bytes, &reason))
        return {};
    if (reason.isEmpty())
        reason = tr("the file could not be written");
    return tr("Trevlin could not save \"%1\": %2").arg(QDir::toNativeSeparators(path), reason) + u"\n\n"_s + afterwards;
}
