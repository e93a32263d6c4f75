#pragma once

#include "LaunchCommand.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>

#include <functional>
#include <optional>

class QCoreApplication;

// The few things that differ between Windows and the other platforms.
class Platform
{
    Q_DECLARE_TR_FUNCTIONS(Platform)

public:
    // The command that runs the batch file, or its equivalent. On Windows the command interpreter runs it.
    // Elsewhere the Half-Life folder's native launcher (hl.sh, else hl_linux) gets the batch file's arguments, and
    // a Windows-only install (hl.exe) is run through Wine when Wine is installed.
    static LaunchCommand gameCommand(const GameStart &game);

    // Steam's client, when it is installed: on Windows as the registry names it, elsewhere `steam` on the PATH.
    // Empty when there is none.
    static QString steamProgram();

    // What the player is told of an add-on whose descriptor gives this platform's game none of its libraries.
    static QString missingLibraryNote(const QString &botName);

    // Starts the command without waiting for it; the game is never waited for.
    static bool start(const LaunchCommand &command);

    // The Steam installs the system knows of beyond the usual folders: on Windows the one in the registry.
    static QStringList steamRoots();

    // Whether paths begin with a drive that the user chooses apart from the folders (Windows).
    static bool hasDrives();
    // The position of the last path separator in path ('/', and '\\' on Windows), or -1.
    static qsizetype lastSeparator(QStringView path);

    // Renames the file from onto to in the same folder in one step, replacing whatever file to names: never a copy.
    // When it fails, why gets the system's reason.
    static bool moveOver(const QString &from, const QString &to, QString *why = nullptr);

    // The target of the link at path as the file system holds it (8-bit); none when path is no link, or on
    // Windows.
    static std::optional<QByteArray> linkTarget(const QString &path);

    // An entry of a folder as readFolder() hands it over.
    class FolderEntry
    {
    public:
        // As the file system holds it: 8-bit, to be decoded as QFile::decodeName() does.
        virtual QByteArrayView name() const = 0;
        // Looked up only when asked, and only where the folder itself does not tell (links, some file systems).
        virtual bool isFolder() const = 0;

    protected:
        ~FolderEntry() = default;
    };
    // Reads folder entry by entry, "." and ".." left out, without a file-info record for each: a maps folder can
    // hold tens of thousands of files. False where the platform has no such reading (Windows: QDirIterator serves)
    // or the folder cannot be opened.
    static bool readFolder(const QString &folder, const std::function<void(const FolderEntry &)> &take);

    // Whether a process of that number runs. Where that cannot be told (Windows), true: nothing is taken away.
    static bool isRunning(qint64 process);

    // A request to end the program from outside (a logout, kill, Ctrl+C in a terminal) leaves its event loop as a
    // quit does, so that everything it made for the run is removed on the way out. Unix only; Windows ends a
    // windowed program through its windows.
    static void exitOnTerminationRequest(QCoreApplication &app);
};
