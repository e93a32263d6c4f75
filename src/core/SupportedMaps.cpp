#include "SupportedMaps.h"

#include "BotCatalogue.h"
#include "FolderFiles.h"
#include "FolderListing.h"

using namespace Qt::Literals::StringLiterals;

QString SupportedMaps::text(const QString &gameDir, const BotInfo &bot)
{
    switch (bot.mapsSource) {
    case MapsSource::Nothing:
        return {};
    case MapsSource::All:
        return u"All"_s;
    case MapsSource::WaypointFiles:
        break;
    }
    const QString folder = FolderListing::findPath(gameDir, bot.waypointFolder);
    return mapNames(folder, bot.waypointSuffix).join(", "_L1);
}

QStringList SupportedMaps::mapNames(const QString &folder, const QString &suffix)
{
    QStringList names;
    FolderFiles::walk(folder, {suffix}, [&names, &suffix](qsizetype, QString name) {
        name.chop(suffix.size());
        names.append(std::move(name));
    });
    FolderFiles::sortCaseBlind(names);
    return names;
}
