#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

// The Counter-Strike mod folder ("GameDir") and the Half-Life folder above it.
class GameFolder
{
public:
    // The batch file that starts the game, and the folder of the game's maps, in the game folder.
    static constexpr QLatin1StringView batchFileName{"hl.bat"};
    static constexpr QLatin1StringView mapsFolder{"maps"};

    // A folder is a game folder when it holds "cstrike.ico" in any letter case.
    static bool isValid(const QString &gameDir);

    // The last component of gameDir (e.g. "cstrike") and everything before its separator. A path without a
    // separator is all mod folder and no Half-Life folder.
    static QString modFolder(const QString &gameDir);
    static QString halfLifeDir(const QString &gameDir);

    // The three lines of hl.bat, which changes to the Half-Life folder and starts the game with the mod.
    static QStringList batchFileLines(const QString &gameDir);
    static QString batchFilePath(const QString &gameDir);
    static bool writeBatchFile(const QString &gameDir, QString *errorString = nullptr);
    // The game's arguments: those of hl.bat's third line as it lies in the folder, or as it would be written.
    static QStringList gameArguments(const QString &gameDir);
};
