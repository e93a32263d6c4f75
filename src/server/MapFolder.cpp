#include "MapFolder.h"

#include "FolderListing.h"
#include "RandomSource.h"

#include <QDirIterator>
#include <QSet>

#include <algorithm>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QLatin1StringView mapSuffix(".bsp");

} // namespace

MapFolder::Listing MapFolder::list(const QString &gameDir, const QString &botName)
{
    Listing listing;
    const QString folder = FolderListing::findPath(gameDir, u"maps"_s);
    const auto [waypointFolder, waypointSuffix] = WaypointCheck::waypointFiles(gameDir, botName);
    const bool sameFolder = !folder.isEmpty() && waypointFolder == folder;
    if (!sameFolder)
        listing.waypoints = WaypointCheck(gameDir, botName);
    if (folder.isEmpty())
        return listing;
    listing.folderFound = true;
    QSet<QString> waypoints;
    // Each name's letter case is folded once, not in every comparison of the sort.
    struct Entry
    {
        QString key;
        QString name;
    };
    std::vector<Entry> entries;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        QString name = it.fileName();
        if (name.size() > mapSuffix.size() && name.endsWith(mapSuffix, Qt::CaseInsensitive))
            entries.push_back({name.toCaseFolded(), std::move(name)});
        else if (sameFolder && name.size() > waypointSuffix.size()
                 && name.endsWith(waypointSuffix, Qt::CaseInsensitive))
            waypoints.insert(name.chopped(waypointSuffix.size()).toCaseFolded());
    }
    if (sameFolder)
        listing.waypoints = WaypointCheck(botName, std::move(waypoints));
    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return a.key != b.key ? a.key < b.key : a.name < b.name; });
    listing.fileNames.reserve(qsizetype(entries.size()));
    for (Entry &entry : entries)
        listing.fileNames.append(std::move(entry.name));
    return listing;
}

QString MapFolder::entryName(const QString &fileName)
{
    return fileName.chopped(std::min(fileName.size(), mapSuffix.size()));
}

QString MapFolder::tooManyMessage()
{
    return u"Please Slect A Number Of Maps That Is Equal Or Less Than Yhe Number Of Maps Available"_s;
}

MapFolder::Draw MapFolder::random(const QStringList &fileNames, const QString &countText, RandomSource &random)
{
    random.reseedFromClock();
    bool isNumber = false;
    const int count = countText.trimmed().toInt(&isNumber);
    if (!isNumber || count < 0)
        return {false, {}, u"\"No. Of Maps:\" takes a whole number from 0 up, such as 10."_s};
    const qsizetype total = fileNames.size();
    if (count > total)
        return {false, {}, tooManyMessage()};
    // Two files may give the same entry ("a.bsp" and "a.BSP" side by side): drawing more maps than there are
    // distinct entries would never end.
    QSet<QString> distinct;
    for (const QString &name : fileNames)
        distinct.insert(entryName(name));
    if (count > distinct.size())
        return {false, {}, tooManyMessage()};
    // A draw that repeats a map already in the cycle is drawn again, so the maps come in random order, each once.
    Draw draw{true, {}, {}};
    QSet<QString> taken;
    draw.cycle.reserve(count);
    while (draw.cycle.size() < count) {
        const QString entry = entryName(fileNames.at(random.pick(int(total))));
        if (taken.contains(entry))
            continue;
        taken.insert(entry);
        draw.cycle.append(entry);
    }
    return draw;
}
