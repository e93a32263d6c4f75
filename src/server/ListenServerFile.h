#pragma once

#include "ListenServerConfig.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// "listenserver.cfg" in the game folder: three header lines and one console command per setting, 31 lines in a
// fixed order, every line ended by CR LF. The server window reads back only files that carry its header.
class ListenServerFile
{
    Q_DECLARE_TR_FUNCTIONS(ListenServerFile)

public:
    static constexpr QLatin1StringView fileName{"listenserver.cfg"};
    static constexpr QLatin1StringView header{"// Trevlin LISTENSERVER Config File"};
    // Far above the 31 short lines the window writes.
    static constexpr qsizetype sizeLimit = 64 * 1024;

    enum class ReadStatus {
        Loaded,
        Missing, // no file: the defaults, after missingMessage()
        Foreign, // not our header, or not readable: the defaults, after message
    };

    struct ReadResult
    {
        ReadStatus status = ReadStatus::Missing;
        ListenServerConfig config; // what the file names, or the defaults when it was not loaded
        QString message;           // the message to show first; empty when loaded
    };

    static QString missingMessage();
    static QString foreignMessage();

    static QStringList lines(const ListenServerConfig &config);
    // What the window calls the box of each text, in the order of Field.
    using BoxNames = std::array<QString, ListenServerConfig::fieldCount>;
    // The reason config cannot be written so that it reads back as it is, naming the box; empty when it can.
    static QString refusal(const ListenServerConfig &config, const BoxNames &boxNames);
    // Writes the file in gameDir through an atomic save, replacing it. An empty text on success, else the message
    // to show, and the file is as it was.
    static QString write(const QString &gameDir, const ListenServerConfig &config, const BoxNames &boxNames);

    static ReadResult read(const QString &gameDir);
    // Reads a file's bytes. Settings the file does not name stay empty or off.
    static ReadResult parse(const QByteArray &bytes);

    // Moves the game's own "game.cfg" aside as "game.trb", replacing an older one, in one rename: either both files
    // are as they were or "game.cfg" has become "game.trb". An empty text when done or when there is no
    // "game.cfg", else the message to show.
    static QString moveGameConfigAside(const QString &gameDir);
};
