#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

struct LiblistInfo;

// Makes an add-on playable from the files the player dropped into the game folder: its prepared copy of
// liblist.gam is the game's own descriptor, the kept "OLD liblist.gam", with the game library replaced by the
// add-on's. One library for the Windows game, one for the Linux game, or both.
class AddOnSetup
{
    Q_DECLARE_TR_FUNCTIONS(AddOnSetup)

public:
    // How far the search for libraries goes: folder levels below the game folder, and entries looked at in all. A
    // game folder holds tens of thousands of maps and sounds; an add-on keeps its library near the top.
    static constexpr int deepestLevel = 4;
    static constexpr int mostEntries = 50'000;

    // The game libraries in the game folder, '/'-separated and relative to it, sorted without regard to case: the
    // game's own left out, no link followed out of the folder.
    struct Libraries
    {
        QStringList windowsLibraries; // *.dll
        QStringList linuxLibraries;   // *.so
        bool cut = false;             // the search stopped at mostEntries
    };
    static Libraries findLibraries(const QString &gameDir);

    // The game's own libraries that lie in the game folder: the Windows one and the Linux one; empty for none.
    struct Pair
    {
        QString windowsLibrary;
        QString linuxLibrary;
    };
    static Pair stockLibrariesFound(const QString &gameDir);

    // The path of file relative to gameDir, '/'-separated, when it lies inside the game folder (a link counts by
    // where it leads); none otherwise, and errorString says why in the user's words.
    static std::optional<QString> libraryPath(const QString &gameDir, const QString &file,
                                              QString *errorString = nullptr);

    // own with the values of its gamedll and gamedll_linux lines replaced by the given libraries (gamedll written
    // with backslashes, gamedll_linux with forward slashes; a line missing is added at the end; an empty library
    // leaves its line as it is). Every other line stays byte for byte; every line ends with CR LF.
    static QByteArray descriptor(const QByteArray &own, const Pair &libraries);

    // The name of botName's prepared copy in gameDir, when there is one.
    static bool isSetUp(const QString &gameDir, const QString &botName);
    // Writes "<botName> liblist.gam" from the folder's "OLD liblist.gam" and the libraries, through the atomic save,
    // once the text reads back as meant. False, with errorString saying why, when nothing was written.
    static bool setUp(const QString &gameDir, const QString &botName, const Pair &libraries,
                      QString *errorString = nullptr);
    // Writes "OLD liblist.gam" from a liblist.gam that starts another library, with the game's own libraries found
    // in the folder in its place. Refused when the folder holds neither of them.
    static bool keepOwnDescriptor(const QString &gameDir, QString *errorString = nullptr);

    // What the player must know of an add-on whose descriptor leaves the game on this platform without a library
    // of the add-on's ("RamBot has no Linux game library: …"); empty when it has one.
    static QString missingLibraryNote(const QString &botName, const LiblistInfo &info);
};
