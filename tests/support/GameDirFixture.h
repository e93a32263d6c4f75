#pragma once

#include "TestFiles.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class AppSettings;

// A throw-away Half-Life folder with a "cstrike" game folder inside, and a settings file of its own.
class GameDirFixture
{
public:
    // Where the Half-Life folder lies in the fixture's root: "Half-Life", or "steamapps/common/Half-Life" for a
    // Steam library's copy of the game.
    explicit GameDirFixture(const QString &halfLifeFolder = QStringLiteral("Half-Life"));

    bool isValid() const { return m_root.isValid(); }
    QString root() const { return m_root.path(); }
    QString halfLifeDir() const { return m_root.filePath(m_halfLifeFolder); }
    QString gameDir() const { return halfLifeDir() + QStringLiteral("/cstrike"); }
    // Where a user who has never run the program has no settings folder yet.
    QString settingsPath() const { return m_root.filePath(QStringLiteral("home/.config/Trevlin/Trevlin.conf")); }
    std::unique_ptr<AppSettings> makeSettings() const;

    // Writes bytes to a path below the game folder, creating folders on the way.
    void write(const QString &relativePath, const QByteArray &bytes = {}) const;
    QByteArray read(const QString &relativePath) const { return TestFiles::read(path(relativePath)); }
    bool exists(const QString &relativePath) const { return QFileInfo::exists(path(relativePath)); }
    // A liblist.gam text with the given lines, each ended by CR LF.
    static QByteArray liblist(const QStringList &lines);
    // The marker file, "OLD liblist.gam" with version 1.5 and a liblist.gam: a folder that is set up.
    void makeSetUp() const;
    // A shell script in the Half-Life folder that records its arguments and working folder.
    QString writeRecordingScript(const QString &name, bool executable = true) const;
    // What the recording script wrote, waiting up to a few seconds for it: "<working folder>\n<arg>\n<arg>...".
    QStringList recordedRun() const;

private:
    QString path(const QString &relativePath) const { return QDir(gameDir()).filePath(relativePath); }

    QTemporaryDir m_root;
    QString m_halfLifeFolder;
};
