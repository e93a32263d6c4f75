#include "NameList.h"

#include "BoundedFile.h"
#include "FolderListing.h"
#include "RandomSource.h"

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

// The line feed ending the line that starts at from, or end.
const char *lineFeed(const char *from, const char *end)
{
    const void *found = std::memchr(from, '\n', size_t(end - from));
    return found ? static_cast<const char *>(found) : end;
}

const char16_t *lineFeed(const char16_t *from, const char16_t *end)
{
    return std::find(from, end, u'\n');
}

// Whether a config file can carry every character of a name: any of the 8-bit ones but a carriage return.
bool carried(const char *from, const char *to)
{
    return !std::memchr(from, '\r', size_t(to - from));
}

bool carried(const char16_t *from, const char16_t *to)
{
    return std::all_of(from, to, [](char16_t c) { return c != u'\r' && c <= 0xff; });
}

} // namespace

QString NameList::missingMessage()
{
    return u"The File 'TRNames.txt' Was Not Found In Your Counter-Strike Directory. Please Install It Or Read The "
           u"Documentation."_s;
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
        *errorMessage = u"The File 'TRNames.txt' Could Not Be Read: %1"_s.arg(file.error);
        return {};
    }
    NameList list = parse(file.bytes, errorMessage);
    if (errorMessage->isEmpty() && list.size() == 0) {
        *errorMessage = u"The File 'TRNames.txt' Holds No Bot Names. Please Put One Name On Each Line After Its "
                        u"Four Header Lines."_s;
    }
    return list;
}

NameList NameList::parse(const QByteArray &bytes, QString *errorMessage)
{
    // A list saved by an editor as UTF-8 or UTF-16 says so in its first bytes; without such a mark it is 8-bit.
    if (const std::optional<QStringConverter::Encoding> encoding = byteOrderMark(bytes)) {
        const QString text = QStringDecoder(*encoding).decode(bytes);
        NameList list = fromText(reinterpret_cast<const char16_t *>(text.constData()), text.size(), errorMessage);
        list.m_decoded = text;
        return list;
    }
    NameList list = fromText(bytes.constData(), bytes.size(), errorMessage);
    list.m_latin1 = bytes;
    return list;
}

// The lines as TextLines::split() gives them: a line feed ends a line, a carriage return before it goes with it,
// and a line feed at the very end starts no further line.
template<typename Char>
NameList NameList::fromText(const Char *text, qsizetype size, QString *errorMessage)
{
    NameList list;
    QList<Line> lines;
    // The first name (a line after the header) holding what a config file cannot carry; -1 while none does.
    qsizetype unwritable = -1;
    const Char *const end = text + size;
    for (const Char *start = text; start < end;) {
        const Char *feed = lineFeed(start, end);
        const Char *lineEnd = feed > start && feed[-1] == Char('\r') ? feed - 1 : feed;
        if (unwritable < 0 && lines.size() >= headerLines && !carried(start, lineEnd))
            unwritable = lines.size();
        lines.append({qint32(start - text), qint32(lineEnd - start)});
        start = feed + 1;
    }
    if (lines.size() <= headerLines)
        return list;
    if (unwritable >= 0) {
        if (errorMessage) {
            *errorMessage = u"The File 'TRNames.txt' Holds A Name On Line %1 That A Config File Cannot Carry. "
                            u"Please Save It As Plain Text With One Name On Each Line."_s.arg(unwritable + 1);
        }
        return list;
    }
    lines.remove(0, headerLines);
    if (lines.constLast().length == 0)
        lines.removeLast();
    list.m_lines = std::move(lines);
    list.m_drawn.fill(false, list.m_lines.size());
    list.m_left = int(list.m_lines.size());
    return list;
}

QString NameList::name(qsizetype line) const
{
    const Line &at = m_lines.at(line);
    if (!m_decoded.isNull())
        return m_decoded.sliced(at.start, at.length);
    return QString::fromLatin1(m_latin1.constData() + at.start, at.length);
}

QStringList NameList::names() const
{
    QStringList all;
    all.reserve(m_lines.size());
    for (qsizetype line = 0; line < m_lines.size(); ++line)
        all << name(line);
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
    return name(position);
}
