#include "WaypointCheck.h"

#include "BotCatalogue.h"
#include "FolderListing.h"
#include "SupportedMaps.h"

using namespace Qt::Literals::StringLiterals;

WaypointCheck::WaypointCheck(const QString &gameDir, const QString &botName)
{
    const BotInfo *bot = BotCatalogue::find(botName);
    if (!bot || bot->mapsSource != MapsSource::WaypointFiles)
        return;
    m_checks = true;
    m_botName = botName;
    const QString folder = FolderListing::findPath(gameDir, bot->waypointFolder);
    const QStringList names = SupportedMaps::mapNames(folder, bot->waypointSuffix);
    m_maps.reserve(names.size());
    // File names in the game folder are matched without regard to letter case.
    for (const QString &name : names)
        m_maps.insert(name.toCaseFolded());
}

bool WaypointCheck::lacks(const QString &entryName) const
{
    return m_checks && !m_maps.contains(entryName.toCaseFolded());
}

QString WaypointCheck::lackMessage() const
{
    return m_botName + u" has no waypoints for this map: its bots will not find their way on it."_s;
}
