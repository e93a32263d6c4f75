#include "Session.h"

#include <QDir>
#include <QFileInfo>

Session::Session(QObject *parent)
    : QObject(parent)
    , m_updateNames(BotCatalogue::updateNames())
    , m_currentFolder(QDir::currentPath())
{ }

QString Session::absolute(const QString &path) const
{
    // A path that is absolute already is kept as it was given, in the platform's own separators.
    if (path.isEmpty() || !QDir::isRelativePath(path))
        return path;
    return QDir::cleanPath(QDir(m_currentFolder).absoluteFilePath(path));
}

void Session::setGameDir(const QString &path)
{
    const QString gameDir = absolute(path);
    if (gameDir == m_gameDir)
        return;
    m_gameDir = gameDir;
    Q_EMIT gameDirChanged(m_gameDir);
}

void Session::setHalfLifeDir(const QString &path)
{
    const QString halfLifeDir = absolute(path);
    if (halfLifeDir == m_halfLifeDir)
        return;
    m_halfLifeDir = halfLifeDir;
    Q_EMIT halfLifeDirChanged(m_halfLifeDir);
}

void Session::setBotName(const QString &name)
{
    if (name == m_botName)
        return;
    m_botName = name;
    Q_EMIT botNameChanged(m_botName);
}

void Session::setDirectoryValid(bool valid)
{
    if (valid == m_directoryValid)
        return;
    m_directoryValid = valid;
    Q_EMIT directoryValidChanged(m_directoryValid);
}

void Session::setInstalledCsVersion(const QString &version)
{
    if (version == m_installedCsVersion)
        return;
    m_installedCsVersion = version;
    Q_EMIT installedCsVersionChanged(m_installedCsVersion);
}

bool Session::enterGameDir()
{
    if (m_gameDir.isEmpty() || !QFileInfo(m_gameDir).isDir())
        return false;
    m_currentFolder = m_gameDir;
    return true;
}
