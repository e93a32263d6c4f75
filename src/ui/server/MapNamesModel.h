#pragma once

#include "WaypointCheck.h"

#include <QIcon>
#include <QStringListModel>

// A list of maps, either map files ("de_dust.bsp") or cycle entries ("de_dust"), in which every map that the chosen
// add-on has no waypoints for carries a warning sign and a tooltip naming the add-on. The sign is worked out only
// for the rows a view shows, so a folder of thousands of maps opens at once.
class MapNamesModel : public QStringListModel
{
    Q_OBJECT

public:
    enum class Names { Files, Entries };

    MapNamesModel(Names names, const WaypointCheck &check, const QIcon &sign, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    bool lacksWaypoints(int row) const;

private:
    Names m_names;
    const WaypointCheck &m_check;
    QIcon m_sign;
    QIcon m_blank; // keeps the names of unmarked maps in line with the marked ones
};
