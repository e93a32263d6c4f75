#include "ServerText.h"

#include "AtomicFile.h"
#include "BoundedFile.h"
#include "TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QString shown(const QString &path)
{
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

} // namespace

ServerText::ReadResult ServerText::read(const QString &path, qsizetype limit)
{
    const QFileInfo info(path);
    if (path.isEmpty() || (!info.exists() && !info.isSymLink()))
        return {ReadStatus::Missing, {}, {}};
    // A folder, a pipe or a device under a file's name is read as nothing: a pipe would never end.
    if (!info.isFile())
        return {ReadStatus::Unreadable, {}, tr("%1 is not a file, so Trevlin did not read it.").arg(shown(path))};
    if (info.size() > limit)
        return {ReadStatus::Unreadable, {}, tooLargeMessage(path, limit)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {ReadStatus::Unreadable, {}, tr("Trevlin could not read %1: %2").arg(shown(path), file.errorString())};
    // The size may have grown since it was asked: one byte past the limit is enough to tell. The read asks for what
    // the size promised first, so as not to set aside the whole limit for a file of a few lines.
    QByteArray bytes = file.read(std::min(info.size(), limit) + 1);
    if (bytes.size() > info.size() && bytes.size() <= limit && file.error() == QFileDevice::NoError)
        bytes += file.read(limit + 1 - bytes.size());
    if (file.error() != QFileDevice::NoError)
        return {ReadStatus::Unreadable, {}, tr("Trevlin could not read %1: %2").arg(shown(path), file.errorString())};
    if (bytes.size() > limit)
        return {ReadStatus::Unreadable, {}, tooLargeMessage(path, limit)};
    return {ReadStatus::Loaded, std::move(bytes), {}};
}

QString ServerText::tooLargeMessage(const QString &path, qsizetype limit)
{
    return tr("%1 is larger than %2, far larger than such a file ever is, so Trevlin does not read or write it.")
        .arg(shown(path), BoundedFile::sizeText(limit));
}

QStringList ServerText::lines(const QByteArray &bytes)
{
    QStringList lines;
    for (const QString &line : TextLines::split(bytes)) {
        if (line.contains(u'\r'))
            lines.append(line.split(u'\r'));
        else
            lines.append(line);
    }
    return lines;
}

QStringList ServerText::records(const QStringList &lines)
{
    QStringList records;
    for (const QString &line : lines) {
        for (QStringView piece : QStringView(line).split(u',')) {
            qsizetype start = 0;
            while (start < piece.size() && piece[start] == u' ')
                ++start;
            if (start < piece.size())
                records.append(piece.mid(start).toString());
        }
    }
    return records;
}

QString ServerText::unreadable(const QString &what, const QString &text)
{
    QString part;
    if (text.contains(u','))
        part = tr("a comma, which ends a setting in the file");
    else if (text.contains(u'\n') || text.contains(u'\r'))
        part = tr("a line break");
    else if (!TextLines::fitsLatin1(text))
        part = tr("a character that the game's 8-bit files cannot carry");
    if (part.isEmpty())
        return {};
    return tr("%1 holds %2. Please change it and try again.").arg(what, part);
}

QString ServerText::write(const QString &path, const QStringList &lines, qsizetype limit)
{
    const QByteArray bytes = TextLines::join(lines);
    if (bytes.size() > limit)
        return tooLargeMessage(path, limit) + u"\n\n"_s + tr("Nothing was written.");
    return AtomicFile::save(path, bytes, tr("Nothing was written."));
}
