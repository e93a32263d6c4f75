#include "TextLines.h"

#include <cstring>

bool TextLines::Cursor::next(QByteArrayView &line)
{
    if (m_start >= m_bytes.size())
        return false;
    const char *data = m_bytes.data();
    const void *lineFeed = std::memchr(data + m_start, '\n', size_t(m_bytes.size() - m_start));
    const qsizetype end = lineFeed ? static_cast<const char *>(lineFeed) - data : m_bytes.size();
    qsizetype lineEnd = end;
    if (lineEnd > m_start && m_bytes.at(lineEnd - 1) == '\r')
        --lineEnd;
    line = m_bytes.sliced(m_start, lineEnd - m_start);
    m_start = end + 1;
    return true;
}

qsizetype TextLines::Cursor::remaining() const
{
    if (m_start >= m_bytes.size())
        return 0;
    qsizetype lines = 0;
    const char *at = m_bytes.data() + m_start;
    const char *end = m_bytes.data() + m_bytes.size();
    while (at < end) {
        const void *lineFeed = std::memchr(at, '\n', size_t(end - at));
        ++lines;
        at = lineFeed ? static_cast<const char *>(lineFeed) + 1 : end;
    }
    return lines;
}

QStringList TextLines::split(const QByteArray &bytes)
{
    QStringList lines;
    Cursor cursor(bytes);
    QByteArrayView line;
    while (cursor.next(line))
        lines.append(QString::fromLatin1(line));
    return lines;
}

qsizetype TextLines::endOfLine(const QByteArray &bytes, int count)
{
    qsizetype end = 0;
    for (int i = 0; i < count && end < bytes.size(); ++i) {
        const qsizetype lineFeed = bytes.indexOf('\n', end);
        end = lineFeed < 0 ? bytes.size() : lineFeed + 1;
    }
    return end;
}

QByteArray TextLines::join(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

void TextLines::appendLatin1(QByteArray &bytes, QStringView text)
{
    const qsizetype at = bytes.size();
    bytes.resize(at + text.size());
    char *out = bytes.data() + at;
    for (const QChar c : text)
        *out++ = char(c.unicode());
}

bool TextLines::fitsLatin1(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xff)
            return false;
    }
    return true;
}
