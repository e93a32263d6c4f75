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

    bool isRunnable() const { return problem.isEmpty(); }
    static LaunchCommand refused(const QString &problem) { return {{}, {}, {}, problem}; }
};
