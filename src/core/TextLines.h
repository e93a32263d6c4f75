#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The game's files are 8-bit text: one byte is one character (Latin-1), so any file reads back byte for byte.
// Lines end with CR LF when written; a bare LF is accepted when read.
class TextLines
{
public:
    // The lines of a file's bytes one at a time, as split() gives them, without a string made for each: a reader
    // of thousands of lines converts only the parts it keeps.
    class Cursor
    {
    public:
        explicit Cursor(QByteArrayView bytes)
            : m_bytes(bytes)
        { }
        // The next line, its line break left out; false at the end.
        bool next(QByteArrayView &line);
        // How many lines are still to come.
        qsizetype remaining() const;

    private:
        QByteArrayView m_bytes;
        qsizetype m_start = 0;
    };

    // Where the n-th line feed of bytes lies (n from 1), or -1 when they hold fewer.
    static qsizetype nthLineFeed(QByteArrayView bytes, qsizetype n);
    struct LineBreaks
    {
        qsizetype lineFeeds = 0;
        // Where the first carriage return lies that neither a line feed nor the end of the bytes follows (one that
        // no line break accounts for), or -1.
        qsizetype bareCarriageReturn = -1;
    };
    // The line breaks of bytes from index from up to to, in one pass, sixteen bytes at a time where the processor
    // can: a list of a hundred thousand names is counted in a small part of the time it takes to read.
    static LineBreaks lineBreaks(QByteArrayView bytes, qsizetype from, qsizetype to);

    // The lines of a file's bytes. A line break at the very end does not start another line.
    static QStringList split(const QByteArray &bytes);
    // Where the first count lines of bytes end, their line breaks included: the whole when it holds fewer.
    static qsizetype endOfLine(const QByteArray &bytes, int count);
    // The lines, each ended by CR LF.
    static QByteArray join(const QStringList &lines);
    // Appends text to bytes one byte per character; text must fit into Latin-1.
    static void appendLatin1(QByteArray &bytes, QStringView text);
    // A copy of text made once for the life of the program and shared without a reference count: the texts that
    // thousands of bots read from a file share (a team, a skin, a skill) cost no more to hand out than a pointer.
    // Meant for a handful of texts made once, each kept until the program ends.
    static QString lasting(QLatin1StringView text);
    // Whether every character of text fits into one byte of an 8-bit file.
    static bool fitsLatin1(QStringView text);
};
