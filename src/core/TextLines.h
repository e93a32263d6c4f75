#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The game's files are 8-bit text: one byte is one character (Latin-1), so any file reads back byte for byte.
// Lines end with CR LF when written; a bare LF is accepted when read.
class TextLines
{
public:
    // The lines of a file's bytes. A line break at the very end does not start another line.
    static QStringList split(const QByteArray &bytes);
    // Where the first count lines of bytes end, their line breaks included: the whole when it holds fewer.
    static qsizetype endOfLine(const QByteArray &bytes, int count);
    // The lines, each ended by CR LF.
    static QByteArray join(const QStringList &lines);
    // Whether every character of text fits into one byte of an 8-bit file.
    static bool fitsLatin1(QStringView text);
};
