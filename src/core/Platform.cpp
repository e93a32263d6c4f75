#include "Platform.h"

#include "FolderListing.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

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
            u"The game cannot be started: the game folder \"%1\" has no Half-Life folder above it."_s.arg(
                QDir::toNativeSeparators(game.gameDir)));
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
            u"The game cannot be started: the Half-Life folder \"%1\" holds neither the game's Linux launcher "
            "(hl.sh or hl_linux) nor hl.exe."_s.arg(nativeDir));
    }
    const QString wine = QStandardPaths::findExecutable(u"wine"_s);
    if (wine.isEmpty()) {
        return LaunchCommand::refused(
            u"The game cannot be started: the Half-Life folder \"%1\" holds only the Windows game (hl.exe), and "
            "Wine, which runs it here, is not installed."_s.arg(nativeDir));
    }
    return {wine, {u"cmd"_s, u"/c"_s, u"hl.bat"_s}, game.gameDir, {}};
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

bool Platform::start(const LaunchCommand &command)
{
    return QProcess::startDetached(command.program, command.arguments, command.workingDirectory);
}
