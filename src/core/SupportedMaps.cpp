#include "SupportedMaps.h"

#include "BotCatalogue.h"
#include "FolderListing.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>

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
    if (folder.isEmpty())
        return names;
    // A plain walk and one sort beat QDir's sorted listing, which builds a file-info record for every entry.
    QDirIterator it(folder, {u'*' + suffix}, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        names.append(name.chopped(suffix.size()));
    }
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}
