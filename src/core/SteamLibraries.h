#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Where Counter-Strike may already lie on this computer: in the Steam libraries that Steam lists in its
// "libraryfolders.vdf", and in the usual folders of Wine prefixes. The directory selection offers what it finds.
class SteamLibraries
{
public:
    // The library folders a "libraryfolders.vdf" names: the "path" of each numbered section, or, as older files
    // have it, the numbered values themselves. None when the text is not such a file.
    static std::optional<QStringList> parse(const QByteArray &vdf);

    // The Counter-Strike folders ("Half-Life/cstrike") that exist below the Steam installs and Wine prefixes of the
    // user whose home folder is home, and below the given Steam installs; each once, in the order found.
    // Whether gameDir is Steam's copy of the game: a mod folder of a Half-Life folder in a library's
    // "steamapps/common", as Steam lays out every library it lists. Such a game expects Steam's client to start it.
    static bool holdsGameFolder(const QString &gameDir);

    static QStringList findGameFolders(const QString &home, const QStringList &steamRoots = {});
};
