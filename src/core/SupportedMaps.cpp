#include "SupportedMaps.h"

#include "BotCatalogue.h"
#include "FolderListing.h"

#include <QDir>
#include <QDirIterator>
#include <algorithm>
#include <vector>

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
    // A plain walk and one sort beat QDir's sorted listing, which builds a file-info record for every entry; and
    // folding each name's letter case once beats folding both sides of every comparison.
    struct Entry
    {
        QString key;
        QString name;
    };
    std::vector<Entry> entries;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString fileName = it.fileName();
        if (fileName.size() > suffix.size() && fileName.endsWith(suffix, Qt::CaseInsensitive)) {
            QString name = fileName.chopped(suffix.size());
            entries.push_back({name.toCaseFolded(), std::move(name)});
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return a.key != b.key ? a.key < b.key : a.name < b.name; });
    names.reserve(qsizetype(entries.size()));
    for (Entry &entry : entries)
        names.append(std::move(entry.name));
    return names;
}
