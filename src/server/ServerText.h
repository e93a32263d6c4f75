#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the three server files share: how they are read from disk, how their comma-separated records are split, and
// what a typed text must not hold to come back from them as it was.
class ServerText
{
    Q_DECLARE_TR_FUNCTIONS(ServerText)

public:
    enum class ReadStatus {
        Loaded,
        Missing,    // no file of that name: not a fault, the window starts empty or with its defaults
        Unreadable, // a folder, a device, a file far too large or one that cannot be opened; message says which
    };

    struct ReadResult
    {
        ReadStatus status = ReadStatus::Missing;
        QByteArray bytes;
        QString message; // the exact message to show when unreadable
    };

    // Reads the file at path whole, if it is a regular file of at most limit bytes.
    static ReadResult read(const QString &path, qsizetype limit);
    // The message for a file the readers refuse because of its size; a writer refuses with the same words.
    static QString tooLargeMessage(const QString &path, qsizetype limit);

    // The lines of a server file. The game ends a line at a lone CR as well as at LF or CR LF, so no line holds a
    // CR: a text typed into a box never holds one either, and comes back from the file as it was.
    static QStringList lines(const QByteArray &bytes);
    // The records of lines: each line is cut at every comma, leading blanks of each piece are dropped, and the
    // pieces left empty are dropped too.
    static QStringList records(const QStringList &lines);

    // Why text would not read back from a file of records as it was typed, in the user's words, naming what, or an
    // empty text: a comma, a line break or a character that an 8-bit file cannot carry.
    static QString unreadable(const QString &what, const QString &text);

    // Writes lines to path through an atomic save. An empty text on success, else the message to show.
    static QString write(const QString &path, const QStringList &lines, qsizetype limit);
};
