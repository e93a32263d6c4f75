#pragma once

#include "LaunchCommand.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class GameProcess;
struct LiblistInfo;
class Session;

// Starts the game with the current add-on active: the add-on's prepared copy of liblist.gam replaces the game's own
// (atomically, so the game folder always holds a liblist.gam), and the game is started and never waited for.
class GameLauncher
{
    Q_DECLARE_TR_FUNCTIONS(GameLauncher)

public:
    enum class Result {
        Done,
        VariantMissing, // no prepared copy for botName, or one that cannot be read (errorString says why): liblist.gam
                        // is left as it was
        WriteFailed,    // liblist.gam could not be replaced: it is left as it was
    };

    // What came of a launch, in the order of its steps.
    struct Launch
    {
        enum class Outcome {
            NotSetUp,       // no game folder is set up, or it cannot be entered
            Declined,       // the caller's question was answered no: nothing is changed
            VariantMissing, // activateVariant() failed so
            WriteFailed,    // activateVariant() failed so
            NotRunnable,    // the game cannot be started here: command.problem says why
            NotStarted,     // the command did not run
            Started,
        };
        Outcome outcome;
        QString botName; // the current name once the launch is done
        QString gameDir;
        QString error;
        LaunchCommand command;
        // Once started: what the player must know of the add-on's library on this platform, or empty.
        QString note;

        // What the user is told of every outcome past the folder: why nothing was started, or what was.
        QString message() const;
    };

    // The launch of the play button and of the command line, one for both: enters the game folder, names the plain
    // game after its prepared copy when it is the one chosen (the name stays after the launch), activates the
    // current add-on and starts the game, through Steam unless startDirectly (see command()): as game's process
    // when game is given and the game is started directly, else on its own. goOn, when given, is asked once the
    // folder is known to be set up; the play button asks there whether to go on despite another game version.
    static Launch launch(Session &session, bool plainGameChosen, bool startDirectly,
                         const std::function<bool()> &goOn = {}, GameProcess *game = nullptr);

    // Copies "<botName> liblist.gam" ("OLD liblist.gam" for the plain game) over liblist.gam in gameDir; activated,
    // when given, gets what the copy says.
    static Result activateVariant(const QString &gameDir, const QString &botName, QString *errorString = nullptr,
                                  LiblistInfo *activated = nullptr);

    // How this platform starts the game of gameDir: what hl.bat would run, with the Half-Life folder above it. Unless
    // startDirectly, Steam's copy of the game is started as Steam itself starts it, "steam -applaunch 10" followed by
    // hl.bat's arguments, when Steam is installed.
    static LaunchCommand command(const QString &gameDir, bool startDirectly = true);
    // Steam's number for Counter-Strike.
    static constexpr QLatin1StringView steamAppId{"10"};
};
