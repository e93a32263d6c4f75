#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct BotInfo;

// The maps an add-on can play: the names of its waypoint files, or "All" for the add-ons that need none.
class SupportedMaps
{
    Q_DECLARE_TR_FUNCTIONS(SupportedMaps)

public:
    // The text shown for bot: the map names joined by ", ", "All", or an empty text.
    static QString text(const QString &gameDir, const BotInfo &bot);

    // The names of the files in folder ending in suffix (any letter case), without that suffix, ordered by name
    // without regard to case. A missing folder has no maps.
    static QStringList mapNames(const QString &folder, const QString &suffix);
};
