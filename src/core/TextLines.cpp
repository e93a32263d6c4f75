#include "TextLines.h"

bool TextLines::Cursor::next(QByteArrayView &line)
{
    if (m_start >= m_bytes.size())
        return false;
    qsizetype end = m_bytes.indexOf('\n', m_start);
    if (end < 0)
        end = m_bytes.size();
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
    const QByteArrayView rest = m_bytes.sliced(m_start);
    return rest.count('\n') + (rest.endsWith('\n') ? 0 : 1);
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
