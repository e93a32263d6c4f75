#include "SupportedMaps.h"

#include "BotCatalogue.h"
#include "FolderFiles.h"
#include "FolderListing.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

QString SupportedMaps::text(const QString &gameDir, const BotInfo &bot)
{
    switch (bot.mapsSource) {
    case MapsSource::Nothing:
        return {};
    case MapsSource::All:
        return tr("All");
    case MapsSource::WaypointFiles:
        break;
    }
    const QString folder = FolderListing::findPath(gameDir, bot.waypointFolder);
    // Joined in one piece of the final size: ten thousand names would otherwise be appended one by one.
    const QStringList names = mapNames(folder, bot.waypointSuffix);
    if (names.isEmpty())
        return {};
    qsizetype size = 2 * (names.size() - 1);
    for (const QString &name : names)
        size += name.size();
    QString text(size, Qt::Uninitialized);
    QChar *at = text.data();
    for (const QString &name : names) {
        if (at != text.constData()) {
            *at++ = u',';
            *at++ = u' ';
        }
        at = std::copy(name.cbegin(), name.cend(), at);
    }
    return text;
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
