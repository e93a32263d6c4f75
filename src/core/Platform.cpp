#include "Platform.h"

#include "FolderListing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

#ifdef Q_OS_WIN

LaunchCommand Platform::gameCommand(const GameStart &game)
{
    return {u"cmd.exe"_s, {u"/c"_s, QDir::toNativeSeparators(game.batchFile)}, game.gameDir, {}};
}

#else

LaunchCommand Platform::gameCommand(const GameStart &game)
{
    const QString &halfLifeDir = game.halfLifeDir;
    if (halfLifeDir.isEmpty()) {
        return LaunchCommand::refused(
            tr("The game cannot be started: the game folder \"%1\" has no Half-Life folder above it.")
                .arg(QDir::toNativeSeparators(game.gameDir)));
    }
    const FolderListing halfLife(halfLifeDir);
    for (const QString &launcher : {u"hl.sh"_s, u"hl_linux"_s}) {
        const QString path = halfLife.find(launcher);
        if (path.isEmpty())
            continue;
        const QStringList &arguments = game.arguments;
        // A script copied from another system may have lost its executable bit; the shell runs it all the same.
        if (launcher == u"hl.sh"_s && !QFileInfo(path).isExecutable())
            return {u"/bin/sh"_s, QStringList{path} + arguments, halfLifeDir, {}};
        return {path, arguments, halfLifeDir, {}};
    }
    const QString nativeDir = QDir::toNativeSeparators(halfLifeDir);
    if (halfLife.find(u"hl.exe"_s).isEmpty()) {
        return LaunchCommand::refused(
            tr("The game cannot be started: the Half-Life folder \"%1\" holds neither the game's Linux launcher "
               "(hl.sh or hl_linux) nor hl.exe.")
                .arg(nativeDir));
    }
    const QString wine = QStandardPaths::findExecutable(u"wine"_s);
    if (wine.isEmpty()) {
        return LaunchCommand::refused(
            tr("The game cannot be started: the Half-Life folder \"%1\" holds only the Windows game (hl.exe), and "
               "Wine, which runs it here, is not installed.")
                .arg(nativeDir));
    }
    return {wine, {u"cmd"_s, u"/c"_s, QFileInfo(game.batchFile).fileName()}, game.gameDir, {}};
}

#endif

QStringList Platform::steamRoots()
{
#ifdef Q_OS_WIN
    const QSettings steam(u"HKEY_CURRENT_USER\\Software\\Valve\\Steam"_s, QSettings::NativeFormat);
    const QString path = steam.value(u"SteamPath"_s).toString();
    return path.isEmpty() ? QStringList() : QStringList{QDir::fromNativeSeparators(path)};
#else
    return {};
#endif
}

QString Platform::steamProgram()
{
#ifdef Q_OS_WIN
    const QSettings steam(u"HKEY_CURRENT_USER\\Software\\Valve\\Steam"_s, QSettings::NativeFormat);
    const QString program = steam.value(u"SteamExe"_s).toString();
    return !program.isEmpty() && QFileInfo(program).isFile() ? QDir::fromNativeSeparators(program) : QString();
#else
    return QStandardPaths::findExecutable(u"steam"_s);
#endif
}

QString Platform::missingLibraryNote(const QString &botName)
{
#ifdef Q_OS_WIN
    return tr("%1 has no Windows game library: on Windows the game starts without its bots").arg(botName);
#else
    return tr("%1 has no Linux game library: on Linux the game starts without its bots; Wine runs the Windows one")
        .arg(botName);
#endif
}

bool Platform::hasDrives()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

qsizetype Platform::lastSeparator(QStringView path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
#ifdef Q_OS_WIN
    return std::max(slash, path.lastIndexOf(u'\\'));
#else
    return slash;
#endif
}

bool Platform::moveOver(const QString &from, const QString &to, QString *why)
{
#ifdef Q_OS_WIN
    const bool moved = MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                                   reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
                                   MOVEFILE_REPLACE_EXISTING);
#else
    const bool moved = ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
    // The system's last error (errno, or GetLastError on Windows) still holds the rename's.
    if (!moved && why)
        *why = qt_error_string();
    return moved;
}

bool Platform::start(const LaunchCommand &command)
{
    return QProcess::startDetached(command.program, command.arguments, command.workingDirectory);
}

#ifdef Q_OS_UNIX

namespace {

class DirectoryEntry : public Platform::FolderEntry
{
public:
    DirectoryEntry(DIR *dir, const dirent *entry)
        : m_dir(dir)
        , m_entry(entry)
    { }

    QByteArrayView name() const override { return QByteArrayView(m_entry->d_name); }

    bool isFolder() const override
    {
#ifdef DT_UNKNOWN
        if (m_entry->d_type != DT_LNK && m_entry->d_type != DT_UNKNOWN)
            return m_entry->d_type == DT_DIR;
#endif
        struct stat status;
        return ::fstatat(::dirfd(m_dir), m_entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
    }

private:
    DIR *m_dir;
    const dirent *m_entry;
};

} // namespace

std::optional<QByteArray> Platform::linkTarget(const QString &path)
{
    QByteArray target(4096, Qt::Uninitialized);
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target.data(), size_t(target.size()));
    if (length < 0)
        return std::nullopt;
    target.truncate(length);
    return target;
}

bool Platform::readFolder(const QString &folder, const std::function<void(const FolderEntry &)> &take)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name != "." && name != "..")
            take(DirectoryEntry(dir, entry));
    }
    ::closedir(dir);
    return true;
}

namespace {

int terminationPipe[2] = {-1, -1};

// A signal handler may do almost nothing: it hands the signal's number to the event loop through a pipe.
void passOnTermination(int signal)
{
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(terminationPipe[1], &number, 1);
}

} // namespace

bool Platform::isRunning(qint64 process)
{
    // A process of another user answers EPERM: it runs.
    return process > 0 && (::kill(pid_t(process), 0) == 0 || errno == EPERM);
}

void Platform::exitOnTerminationRequest(QCoreApplication &app)
{
    if (terminationPipe[0] >= 0 || ::pipe(terminationPipe) != 0)
        return;
    for (const int end : terminationPipe)
        ::fcntl(end, F_SETFD, FD_CLOEXEC); // the game started from here does not inherit it
    ::fcntl(terminationPipe[1], F_SETFL, O_NONBLOCK);
    auto *notifier = new QSocketNotifier(terminationPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char number = 0;
        if (::read(terminationPipe[0], &number, 1) == 1)
            app.exit(128 + number); // as a shell reports a program ended by that signal
    });
    struct sigaction action = {};
    action.sa_handler = passOnTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

#else

bool Platform::isRunning(qint64)
{
    return true;
}

void Platform::exitOnTerminationRequest(QCoreApplication &) { }

std::optional<QByteArray> Platform::linkTarget(const QString &)
{
    return std::nullopt;
}

bool Platform::readFolder(const QString &, const std::function<void(const FolderEntry &)> &)
{
    return false;
}

#endif
