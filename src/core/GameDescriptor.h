#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct LiblistInfo;

// The game's own liblist.gam, as a fresh install has it: before any add-on has replaced it, a copy of it kept as
// "OLD liblist.gam" is what starts the game without bots and what puts the game back after an add-on.
class GameDescriptor
{
    Q_DECLARE_TR_FUNCTIONS(GameDescriptor)

public:
    struct Finding
    {
        enum class Kind {
            Kept,         // the folder holds "OLD liblist.gam" already
            Missing,      // the folder holds no liblist.gam
            Unreadable,   // there is one, but not a file that can be read; error says why
            Stock,        // it starts the game's own library
            OtherLibrary, // it starts the library named in library
        };
        Kind kind = Kind::Missing;
        QString library; // as the file writes it
        QString error;
    };

    // Whether gameDir has its copy already, and if not, what its liblist.gam starts on this platform.
    static Finding examine(const QString &gameDir);
    // Whether info names the game's own library: the library this platform loads (on Linux gamedll_linux, when
    // the file has one) is dlls\mp.dll or dlls/cs.so, in any letter case and with either slash.
    static bool namesStockLibrary(const LiblistInfo &info);
    // Whether path, relative to the game folder in any letter case and with either slash, is one of the game's own
    // libraries, on any platform: what a list of an add-on's libraries leaves out.
    static bool isStockLibrary(const QString &path);
    // Whether the game of this platform loads a library of an add-on from info: one of this platform's kind
    // (.dll on Windows, .so elsewhere) that is not the game's own.
    static bool loadsAddOnLibrary(const LiblistInfo &info);
    // The game's own libraries, '/'-separated: the Windows one first, then the Linux ones, newer before older.
    static QStringList stockLibraries();

    // Copies the game's own liblist.gam, byte for byte, to "OLD liblist.gam". Refused when the folder already has
    // that copy, or when its liblist.gam is not the game's own or cannot be read; errorString says why.
    static bool keepCopy(const QString &gameDir, QString *errorString = nullptr);
};
