#pragma once

#include "BotCatalogue.h"

#include <QObject>
#include <QString>

// What the windows share while the program runs: the game folder and the Half-Life folder above it, the add-on
// named last, whether the folder is set up, the installed game's version and the item names of the update list.
// One session is made at start and handed to each window by reference; a window asks it when a button is pressed
// and keeps no copy. Nothing of it is persisted: the settings hold what outlives a run.
class Session : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString gameDir READ gameDir WRITE setGameDir NOTIFY gameDirChanged)
    Q_PROPERTY(QString halfLifeDir READ halfLifeDir WRITE setHalfLifeDir NOTIFY halfLifeDirChanged)
    Q_PROPERTY(QString botName READ botName WRITE setBotName NOTIFY botNameChanged)
    Q_PROPERTY(bool directoryValid READ isDirectoryValid WRITE setDirectoryValid NOTIFY directoryValidChanged)
    Q_PROPERTY(
        QString installedCsVersion READ installedCsVersion WRITE setInstalledCsVersion NOTIFY installedCsVersionChanged)

public:
    explicit Session(QObject *parent = nullptr);

    // The mod folder, e.g. a path ending in "cstrike"; empty until one is known. Always absolute: a relative path
    // is taken from the current folder when it is set.
    QString gameDir() const { return m_gameDir; }
    void setGameDir(const QString &path);
    // The folder above the game folder as the settings remembered it at start; empty when none is known.
    QString halfLifeDir() const { return m_halfLifeDir; }
    void setHalfLifeDir(const QString &path);
    // The add-on named last: chosen, edited or updated; the plain game's prepared copy's name once that has been
    // launched; empty before any.
    QString botName() const { return m_botName; }
    void setBotName(const QString &name);
    // The game folder holds what the program needs ("cstrike.ico", "OLD liblist.gam").
    bool isDirectoryValid() const { return m_directoryValid; }
    void setDirectoryValid(bool valid);
    // The "version" of the plain game's "OLD liblist.gam", read at start.
    QString installedCsVersion() const { return m_installedCsVersion; }
    void setInstalledCsVersion(const QString &version);
    // The twelve item names of the update list; fixed for the run.
    const BotCatalogue::UpdateNames &updateNames() const { return m_updateNames; }

    // The folder that names without a folder are taken from: the one the program was started in, and the game
    // folder once the program has entered it. The process's own working folder is left alone.
    QString currentFolder() const { return m_currentFolder; }
    // Makes the game folder the current one, as finding the add-ons and the launch do; false when there is none.
    bool enterGameDir();

Q_SIGNALS:
    void gameDirChanged(const QString &gameDir);
    void halfLifeDirChanged(const QString &halfLifeDir);
    void botNameChanged(const QString &botName);
    void directoryValidChanged(bool valid);
    void installedCsVersionChanged(const QString &version);

private:
    QString absolute(const QString &path) const;

    QString m_gameDir;
    QString m_halfLifeDir;
    QString m_botName;
    bool m_directoryValid = false;
    QString m_installedCsVersion;
    const BotCatalogue::UpdateNames m_updateNames;
    QString m_currentFolder;
};
