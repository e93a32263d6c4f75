#pragma once

#include "LaunchCommand.h"

// The few things that differ between Windows and the other platforms.
class Platform
{
public:
    // The command that runs the batch file, or its equivalent. On Windows the command interpreter runs it.
    // Elsewhere the Half-Life folder's native launcher (hl.sh, else hl_linux) gets the batch file's arguments, and
    // a Windows-only install (hl.exe) is run through Wine when Wine is installed.
    static LaunchCommand gameCommand(const GameStart &game);

    // Starts the command without waiting for it; the game is never waited for.
    static bool start(const LaunchCommand &command);

    // The Steam installs the system knows of beyond the usual folders: on Windows the one in the registry.
    static QStringList steamRoots();

    // Whether paths begin with a drive that the user chooses apart from the folders (Windows).
    static bool hasDrives();
    // The position of the last path separator in path ('/', and '\\' on Windows), or -1.
    static qsizetype lastSeparator(QStringView path);
};
