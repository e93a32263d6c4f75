#include "BoundedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

QString BoundedFile::sizeText(qint64 bytes)
{
    return bytes >= 1024 * 1024 ? tr("%1 MB").arg(bytes / (1024 * 1024)) : tr("%1 KB").arg(bytes / 1024);
}

BoundedFile::Result BoundedFile::read(const QString &path, qint64 limit)
{
    const QString shown = QDir::toNativeSeparators(path);
    // Looked at before opening: opening a pipe for reading waits for a writer that never comes.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {{}, tr("The file \"%1\" is not there.").arg(shown)};
    if (!info.isFile())
        return {{},
                tr("\"%1\" is not a file but a folder, a pipe or a device, so Trevlin did not read it.").arg(shown)};
    if (info.size() > limit) {
        return {{},
                tr("The file \"%1\" is larger than %2, far more than such a file ever holds, so Trevlin did not "
                   "read it.")
                    .arg(shown, sizeText(limit))};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, tr("Trevlin could not read \"%1\": %2").arg(shown, file.errorString())};
    // The file may have grown since its size was taken: one byte more than the cap tells. Asked for that many bytes
    // at once, the read would set aside the whole cap each time; a file that kept its size is read in one go.
    QByteArray bytes = file.read(std::min(info.size(), limit) + 1);
    if (bytes.size() > info.size() && bytes.size() <= limit && file.error() == QFileDevice::NoError)
        bytes += file.read(limit + 1 - bytes.size());
    if (file.error() != QFileDevice::NoError)
        return {{}, tr("Trevlin could not read \"%1\": %2").arg(shown, file.errorString())};
    if (bytes.size() > limit) {
        return {{},
                tr("The file \"%1\" is larger than %2, far more than such a file ever holds, so Trevlin did not "
                   "read it.")
                    .arg(shown, sizeText(limit))};
    }
    return {std::move(bytes), {}};
}
