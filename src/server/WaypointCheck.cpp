#include "WaypointCheck.h"

#include "BotCatalogue.h"
#include "FolderFiles.h"
#include "FolderListing.h"

using namespace Qt::Literals::StringLiterals;

WaypointCheck::WaypointCheck(const QString &gameDir, const QString &botName)
{
    const auto [folder, suffix] = waypointFiles(gameDir, botName);
    if (suffix.isEmpty())
        return;
    QSet<QString> maps;
    const qsizetype suffixSize = suffix.size(); // clang 14 cannot capture a structured binding
    // Only looked up, never shown: no order needed.
    FolderFiles::walk(folder, {suffix}, [&maps, suffixSize](qsizetype, const QString &name) {
        maps.insert(name.chopped(suffixSize).toCaseFolded());
    });
    *this = WaypointCheck(botName, std::move(maps));
}

WaypointCheck::WaypointCheck(const QString &botName, QSet<QString> mapsWithWaypoints)
    : m_checks(true)
    , m_botName(botName)
    , m_maps(std::move(mapsWithWaypoints))
{ }

std::pair<QString, QString> WaypointCheck::waypointFiles(const QString &gameDir, const QString &botName)
{
    const BotInfo *bot = BotCatalogue::find(botName);
    if (!bot || bot->mapsSource != MapsSource::WaypointFiles)
        return {};
    return {FolderListing::findPath(gameDir, bot->waypointFolder), bot->waypointSuffix};
}

bool WaypointCheck::lacks(const QString &entryName) const
{
    // File names in the game folder are matched without regard to letter case.
    return m_checks && !m_maps.contains(entryName.toCaseFolded());
}

QString WaypointCheck::lackMessage() const
{
    return tr("%1 has no waypoints for this map: its bots will not find their way on it.").arg(m_botName);
}
