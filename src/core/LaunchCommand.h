#pragma once

#include <QString>
#include <QStringList>

// How to start the game on this platform: a program with its arguments and working folder, or, when the game
// cannot be started here, the reason in the user's words.
struct LaunchCommand
{
    QString program;
    QStringList arguments;
    QString workingDirectory;
    QString problem;
    // Started through Steam's client, which hands the game to Steam and returns at once: the game is not its child.
    bool throughSteam = false;

    bool isRunnable() const { return problem.isEmpty(); }
    // The program and its arguments as one line, to tell the user what was started.
    QString commandLine() const;
    static LaunchCommand refused(const QString &problem) { return {{}, {}, {}, problem}; }
};

// What starting the game needs to know of the game folder, gathered by the launcher: the folders, the batch file
// that starts the game, and the arguments of its third line.
struct GameStart
{
    QString gameDir;
    QString halfLifeDir; // empty when the game folder has none above it
    QString batchFile;
    QStringList arguments;
};
