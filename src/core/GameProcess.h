#pragma once

#include "LaunchCommand.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

// The game the program started, watched without being waited for: it runs as a child process whose output goes
// to a log file in the user's cache folder, and it tells when it ends. The program may end while the game runs;
// the game then goes on alone.
class GameProcess : public QObject
{
    Q_OBJECT

public:
    // How the game ended.
    struct Ending
    {
        int exitCode = 0;
        bool crashed = false; // ended by a signal or a crash: exitCode says nothing
        qint64 ranMs = 0;

        // A game that ends on its own this soon, and not well, did not get going: the user wants to know why.
        bool failedAtStart() const { return (crashed || exitCode != 0) && ranMs < 10'000; }
    };

    explicit GameProcess(QObject *parent = nullptr);
    ~GameProcess() override;

    // Starts command and waits a moment at most for it to run, as long as the window may be kept waiting. The log
    // file is written anew; where it cannot be, the output is let go. False when the program did not start.
    bool start(const LaunchCommand &command);
    bool isRunning() const;
    // The log of the last start; empty when there is none.
    QString logPath() const { return m_logPath; }
    // The last lines of the log, at most count.
    QStringList lastLines(int count) const;

Q_SIGNALS:
    void ended(const GameProcess::Ending &ending);

private:
    class Child;
    Child *m_process = nullptr;
    QElapsedTimer m_clock;
    QString m_logPath;
};
