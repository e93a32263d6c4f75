#include "MapFolder.h"

#include "FolderFiles.h"
#include "FolderListing.h"
#include "GameFolder.h"
#include "RandomSource.h"

#include <QSet>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QStringView mapSuffix(u".bsp");

} // namespace

MapFolder::Listing MapFolder::list(const QString &gameDir, const QString &botName)
{
    Listing listing;
    const QString folder = FolderListing::findPath(gameDir, GameFolder::mapsFolder);
    const auto [waypointFolder, waypointSuffix] = WaypointCheck::waypointFiles(gameDir, botName);
    const bool sameFolder = !folder.isEmpty() && waypointFolder == folder;
    if (!sameFolder)
        listing.waypoints = WaypointCheck(gameDir, botName);
    if (folder.isEmpty())
        return listing;
    listing.folderFound = true;
    QSet<QString> waypoints;
    const qsizetype waypointSuffixSize = waypointSuffix.size(); // clang 14 cannot capture a structured binding
    // The map files and, in the same walk, the waypoint files.
    FolderFiles::walk(folder, {mapSuffix, sameFolder ? QStringView(waypointSuffix) : QStringView()},
                      [&](qsizetype suffix, QString name) {
                          if (suffix == 0)
                              listing.fileNames.append(std::move(name));
                          else
                              waypoints.insert(name.chopped(waypointSuffixSize).toCaseFolded());
                      });
    if (sameFolder)
        listing.waypoints = WaypointCheck(botName, std::move(waypoints));
    FolderFiles::sortCaseBlind(listing.fileNames);
    return listing;
}

QString MapFolder::entryName(const QString &fileName)
{
    return fileName.chopped(std::min(fileName.size(), mapSuffix.size()));
}

QString MapFolder::tooManyMessage()
{
    return tr("Please Slect A Number Of Maps That Is Equal Or Less Than Yhe Number Of Maps Available");
}

MapFolder::Draw MapFolder::random(const QStringList &fileNames, const QString &countText, RandomSource &random)
{
    random.reseedFromClock();
    bool isNumber = false;
    const int count = countText.trimmed().toInt(&isNumber);
    if (!isNumber || count < 0)
        return {false, {}, tr("\"No. Of Maps:\" takes a whole number from 0 up, such as 10.")};
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
