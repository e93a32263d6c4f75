#include "GameProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

// QProcess ends the process it runs when it is destroyed; the game must outlive the program that started it.
class GameProcess::Child : public QProcess
{
public:
    using QProcess::QProcess;
    void letGo() { setProcessState(QProcess::NotRunning); }
};

GameProcess::GameProcess(QObject *parent)
    : QObject(parent)
{ }

GameProcess::~GameProcess()
{
    if (m_process && isRunning()) {
        m_process->disconnect(this);
        m_process->letGo();
    }
}

bool GameProcess::start(const LaunchCommand &command)
{
    if (m_process)
        m_process->deleteLater();
    m_process = new Child(this);
    m_process->setProgram(command.program);
    m_process->setArguments(command.arguments);
    m_process->setWorkingDirectory(command.workingDirectory);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    // A log that cannot be written must not keep the game from starting: QProcess would refuse to start it.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    m_logPath = QDir(folder).filePath(u"game.log"_s);
    if (QFile log(m_logPath); !QDir().mkpath(folder) || !log.open(QIODevice::WriteOnly | QIODevice::Truncate))
        m_logPath.clear();
    m_process->setStandardOutputFile(m_logPath.isEmpty() ? QProcess::nullDevice() : m_logPath);
    connect(m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        Q_EMIT ended({exitCode, status == QProcess::CrashExit, m_clock.elapsed()});
    });
    m_clock.start();
    m_process->start();
    // One still starting after that is taken for started: it tells its end as any other.
    m_process->waitForStarted(300);
    return isRunning();
}

bool GameProcess::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

QStringList GameProcess::lastLines(int count) const
{
    QFile log(m_logPath);
    if (m_logPath.isEmpty() || !log.open(QIODevice::ReadOnly))
        return {};
    // The end of a long log is enough for its last lines.
    constexpr qint64 tail = 16 * 1024;
    log.seek(std::max<qint64>(0, log.size() - tail));
    QStringList lines = QString::fromLocal8Bit(log.readAll()).split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
        lines.removeLast();
    return lines.mid(std::max<qsizetype>(0, lines.size() - count));
}
