#pragma once

#include <QCoreApplication>
#include <QString>

class AppSettings;
class Session;

// Start-up and the choice of the game folder: what the remembered folder and a newly chosen one mean for the
// session and the settings. The main window shows the outcome.
class GameSetup
{
    Q_DECLARE_TR_FUNCTIONS(GameSetup)

public:
    enum class StartUp {
        NoDirectory, // nothing remembered yet: the user is asked to choose a folder
        NotSetUp,    // the remembered folder has no "OLD liblist.gam"
        Ready,       // the folder is set up: its add-ons can be detected
    };

    enum class Selection {
        NotValid,        // the folder holds no "cstrike.ico"
        BatchFileFailed, // hl.bat could not be written; errorString says why
        NotRemembered,   // taken for this run, but the settings could not be saved; errorString names their file
        Done,
    };

    // Reads the remembered folder (or gameDir, for this run alone, when it is given) and the installed game's
    // version. When "OLD liblist.gam" is there but cannot be read, the start goes on without the version and
    // warning says why.
    static StartUp startUp(Session &session, const AppSettings &settings, const QString &gameDir = {},
                           QString *warning = nullptr);

    // Takes path as the game folder: GameDir changes even when the folder is refused; a valid one is remembered
    // and gets a fresh hl.bat.
    static Selection selectDirectory(Session &session, AppSettings &settings, const QString &path,
                                     QString *errorString = nullptr);
};
