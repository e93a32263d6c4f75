#include "TextLines.h"

QStringList TextLines::split(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && bytes.at(lineEnd - 1) == '\r')
            --lineEnd;
        lines.append(QString::fromLatin1(bytes.constData() + start, lineEnd - start));
        start = end + 1;
    }
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

bool TextLines::fitsLatin1(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xff)
            return false;
    }
    return true;
}
