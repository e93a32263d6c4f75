#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the program is asked to do by its command line: run its window, perhaps on another game folder for this run
// alone; start the game with an add-on without a window; or only print something (help, version, a wrong option)
// and end.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    QString gameDir; // --game-dir: the game folder of this run; the settings keep theirs
    QString launch;  // --launch: the add-on to start the game with, without the window
    QString language; // --lang: the language of this run's texts, one of Translations::codes(); empty when not given
    bool noAnimations = false;

    bool ends = false; // print output and end with exitCode, without running anything
    int exitCode = 0;
    QString output; // for standard output when exitCode is 0, else for standard error

    // arguments as the program got them, the program's own name first.
    static CommandLine parse(const QStringList &arguments);
};
