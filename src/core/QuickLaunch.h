#pragma once

#include <QCoreApplication>
#include <QString>

class AppSettings;

// Starts the game with an add-on as the play button does, from the command line and without any window: the game
// folder must be set up and the add-on installed. The game is started and not waited for.
class QuickLaunch
{
    Q_DECLARE_TR_FUNCTIONS(QuickLaunch)

public:
    struct Outcome
    {
        int exitCode = 0; // 0 when the game was started, 1 when it could not be
        QString message;  // what was started, or why nothing was
    };

    // addOn is an add-on's name in any letter case ("rambot"), or "Original CS" for the game without bots; gameDir,
    // when given, is used in place of the remembered folder.
    static Outcome run(const QString &addOn, const AppSettings &settings, const QString &gameDir = {});
};
