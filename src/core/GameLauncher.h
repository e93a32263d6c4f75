#pragma once

#include "LaunchCommand.h"

#include <QString>

// Activates an add-on for the game's next start: the add-on's prepared copy of liblist.gam replaces the game's
// own. The replacement is atomic, so the game folder always holds a liblist.gam.
class GameLauncher
{
public:
    enum class Result {
        Done,
        VariantMissing, // no prepared copy for botName, or one that cannot be read (errorString says why): liblist.gam
                        // is left as it was
        WriteFailed,    // liblist.gam could not be replaced: it is left as it was
    };

    // Copies "<botName> liblist.gam" ("OLD liblist.gam" for the plain game) over liblist.gam in gameDir.
    static Result activateVariant(const QString &gameDir, const QString &botName, QString *errorString = nullptr);

    // How this platform starts the game of gameDir: what hl.bat would run, with the Half-Life folder above it.
    static LaunchCommand command(const QString &gameDir);
    // "Counter-Strike was started with RamBot: <command>", or "without bots" for the plain game ("OLD").
    static QString startedMessage(const QString &botName, const LaunchCommand &command);
};
