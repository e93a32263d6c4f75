#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Reads a whole file that the program understands, but only a regular file of a sensible size: a pipe would block
// the window for ever, a device such as /dev/zero would fill the memory, and a file of hundreds of megabytes named
// like a roster would take minutes to be turned down.
class BoundedFile
{
    Q_DECLARE_TR_FUNCTIONS(BoundedFile)

public:
    // Caps far above any real file: a roster of a hundred thousand bots or a name list of as many names fits.
    static constexpr qint64 rosterLimit = 4 * 1024 * 1024;
    static constexpr qint64 nameListLimit = 4 * 1024 * 1024;
    // The settings hold a few lines per add-on.
    static constexpr qint64 settingsLimit = 1024 * 1024;
    // A liblist.gam and hl.bat are a few lines.
    static constexpr qint64 smallFileLimit = 64 * 1024;

    struct Result
    {
        QByteArray bytes;
        QString error; // why the file was not read, naming it; empty when bytes hold the whole file
        bool isRead() const { return error.isEmpty(); }
    };

    // The bytes of the file at path, when it is a regular file (a link to one counts) of at most limit bytes.
    static Result read(const QString &path, qint64 limit);
    // "1 MB" or "64 KB", as the messages name a cap.
    static QString sizeText(qint64 bytes);
};
