#pragma once

#include "WaypointCheck.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class RandomSource;

// The map files of the game's "maps" folder, as the map cycle editor lists them, and the cycle's Random.
class MapFolder
{
    Q_DECLARE_TR_FUNCTIONS(MapFolder)

public:
    struct Listing
    {
        bool folderFound = false;
        QStringList fileNames;   // the "*.bsp" files, ordered by name without regard to letter case
        WaypointCheck waypoints; // which of them the add-on botName lacks waypoints for
    };

    // The map files below gameDir, the folder and the suffix found in any letter case, and the waypoint files of
    // the add-on botName. Most add-ons keep those in the same folder: it is then listed once.
    static Listing list(const QString &gameDir, const QString &botName = {});

    // The cycle entry for a map file: its name without the extension, as the cycle file holds it.
    static QString entryName(const QString &fileName);

    static QString tooManyMessage();

    struct Draw
    {
        bool done = false;
        QStringList cycle; // when done
        QString message;   // when not: the message to show, and the cycle stays as it was
    };

    // A cycle of countText distinct maps drawn at random from fileNames, as entry names. The random source is
    // reseeded from the clock first, so each press gives another cycle.
    static Draw random(const QStringList &fileNames, const QString &countText, RandomSource &random);
};
