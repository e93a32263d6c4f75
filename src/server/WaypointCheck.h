#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QString>

#include <utility>

// Which maps the chosen add-on has no waypoint file for: its bots cannot find their way on them. Add-ons that play
// every map, and the plain game, lack none.
class WaypointCheck
{
    Q_DECLARE_TR_FUNCTIONS(WaypointCheck)

public:
    WaypointCheck() = default;
    WaypointCheck(const QString &gameDir, const QString &botName);
    // For the add-on botName, whose waypoint files are known already: the map names, case-folded.
    WaypointCheck(const QString &botName, QSet<QString> mapsWithWaypoints);

    // The add-on's waypoint folder and file suffix, when it needs waypoint files; an empty folder otherwise.
    static std::pair<QString, QString> waypointFiles(const QString &gameDir, const QString &botName);

    // Whether any map can lack waypoints: false for add-ons that need none.
    bool checksMaps() const { return m_checks; }
    // Whether the add-on lacks waypoints for the map of a cycle entry (a map name without extension).
    bool lacks(const QString &entryName) const;
    // The words for a marked map, naming the add-on.
    QString lackMessage() const;

private:
    bool m_checks = false;
    QString m_botName;
    QSet<QString> m_maps; // the maps with waypoints, case-folded
};
