#include "NameList.h"

#include "BoundedFile.h"
#include "FolderListing.h"
#include "RandomSource.h"
#include "TextLines.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype headerLines = 4;

std::optional<QStringConverter::Encoding> byteOrderMark(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringConverter::Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        return QStringConverter::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// Where the names start: after the header's four line feeds; -1 when the text has fewer.
qsizetype afterHeader(QByteArrayView text)
{
    qsizetype at = 0;
    for (qsizetype line = 0; line < headerLines; ++line) {
        at = text.indexOf('\n', at);
        if (at < 0)
            return -1;
        ++at;
    }
    return at;
}

QString unwritableMessage(qsizetype line)
{
    return NameList::tr("The File 'TRNames.txt' Holds A Name On Line %1 That A Config File Cannot Carry. "
                        "Please Save It As Plain Text With One Name On Each Line.")
        .arg(line + 1);
}

} // namespace

QString NameList::missingMessage()
{
    return NameList::tr(
        "The File 'TRNames.txt' Was Not Found In Your Counter-Strike Directory. Please Install It Or Read The "
        "Documentation.");
}

QString NameList::find(const QString &gameDir)
{
    return FolderListing(gameDir).find(fileName);
}

NameList NameList::read(const QString &path, QString *errorMessage)
{
    errorMessage->clear();
    const BoundedFile::Result file = BoundedFile::read(path, BoundedFile::nameListLimit);
    if (!file.isRead()) {
        *errorMessage = NameList::tr("The File 'TRNames.txt' Could Not Be Read: %1").arg(file.error);
        return {};
    }
    NameList list = parse(file.bytes, errorMessage);
    if (errorMessage->isEmpty() && list.size() == 0) {
        *errorMessage
            = NameList::tr("The File 'TRNames.txt' Holds No Bot Names. Please Put One Name On Each Line After Its "
                           "Four Header Lines.");
    }
    return list;
}

NameList NameList::parse(const QByteArray &bytes, QString *errorMessage)
{
    // A list saved by an editor as UTF-8 or UTF-16 says so in its first bytes; without such a mark it is 8-bit.
    const std::optional<QStringConverter::Encoding> encoding = byteOrderMark(bytes);
    if (!encoding)
        return fromLatin1(bytes, errorMessage);
    // Decoded, its names must fit into 8 bits; then it is read as the 8-bit text they make. The header lines may
    // hold any character: they are never names.
    const QString text = QStringDecoder(*encoding).decode(bytes);
    const QByteArray latin1 = text.toLatin1(); // one byte for each character: the lines lie where they did
    if (const qsizetype start = afterHeader(latin1); start >= 0) {
        const auto wide = std::find_if(text.cbegin() + start, text.cend(), [](QChar c) { return c.unicode() > 0xff; });
        if (wide != text.cend()) {
            const qsizetype before = (wide - text.cbegin()) - start;
            if (errorMessage)
                *errorMessage = unwritableMessage(headerLines + latin1.sliced(start, before).count('\n'));
            return {};
        }
    }
    return fromLatin1(latin1, errorMessage);
}

NameList NameList::fromLatin1(const QByteArray &text, QString *errorMessage)
{
    NameList list;
    const qsizetype start = afterHeader(text);
    if (start < 0 || start == text.size())
        return list;
    const QByteArrayView names = QByteArrayView(text).sliced(start);
    // A carriage return belongs to the line break when a line feed or the end follows it; inside a name it cannot
    // be written.
    list.m_feedsBefore.reserve(names.size() / blockSize + 2);
    qint32 feeds = 0;
    for (qsizetype block = 0; block < names.size(); block += blockSize) {
        list.m_feedsBefore.append(feeds);
        const TextLines::LineBreaks breaks
            = TextLines::lineBreaks(names, block, std::min(block + blockSize, names.size()));
        if (breaks.bareCarriageReturn >= 0) {
            if (errorMessage) {
                const QByteArrayView before = names.first(breaks.bareCarriageReturn);
                *errorMessage = unwritableMessage(headerLines + before.count('\n'));
            }
            return NameList();
        }
        feeds += qint32(breaks.lineFeeds);
    }
    list.m_feedsBefore.append(feeds);
    // A line feed at the very end starts no further line, and one empty line at the end is no name.
    qsizetype lines = feeds + (names.endsWith('\n') ? 0 : 1);
    qsizetype end = text.size();
    const qsizetype lastEnd = names.endsWith('\n') ? names.size() - 1 : names.size();
    const qsizetype lastStart = names.first(lastEnd).lastIndexOf('\n') + 1;
    if (lastEnd == lastStart || (lastEnd == lastStart + 1 && names.at(lastStart) == '\r')) {
        --lines;
        end = start + lastStart;
    }
    if (lines == 0)
        return list;
    list.m_text = text;
    list.m_namesStart = start;
    list.m_namesEnd = end;
    list.m_size = int(lines);
    list.m_drawn.fill(false, lines);
    list.m_left = int(lines);
    return list;
}

qsizetype NameList::nameStart(int index) const
{
    if (index == 0)
        return m_namesStart;
    // The index-th line feed of the names ends the name before; its block is the last that starts with fewer.
    const auto block = std::lower_bound(m_feedsBefore.cbegin(), m_feedsBefore.cend(), index) - 1;
    const qsizetype blockStart = m_namesStart + (block - m_feedsBefore.cbegin()) * blockSize;
    const QByteArrayView rest = QByteArrayView(m_text).sliced(blockStart);
    return blockStart + TextLines::nthLineFeed(rest, index - *block) + 1;
}

qsizetype NameList::nameEnd(qsizetype start) const
{
    const void *feed = std::memchr(m_text.constData() + start, '\n', size_t(m_namesEnd - start));
    const qsizetype end = feed ? static_cast<const char *>(feed) - m_text.constData() : m_namesEnd;
    return end > start && m_text.at(end - 1) == '\r' ? end - 1 : end;
}

QString NameList::name(qsizetype start) const
{
    return QString::fromLatin1(m_text.constData() + start, nameEnd(start) - start);
}

QStringList NameList::names() const
{
    QStringList all;
    all.reserve(m_size);
    qsizetype start = m_namesStart;
    for (int index = 0; index < m_size; ++index) {
        all << name(start);
        const void *feed = std::memchr(m_text.constData() + start, '\n', size_t(m_text.size() - start));
        start = feed ? static_cast<const char *>(feed) - m_text.constData() + 1 : m_text.size();
    }
    return all;
}

std::optional<QString> NameList::draw(RandomSource &random)
{
    if (m_left <= 0)
        return std::nullopt;
    int position = random.pick(size());
    while (m_drawn.at(position))
        position = random.pick(size());
    m_drawn[position] = true;
    --m_left;
    return name(nameStart(position));
}
