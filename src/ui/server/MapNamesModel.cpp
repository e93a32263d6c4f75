#include "MapNamesModel.h"

#include "MapFolder.h"

#include <QPixmap>

MapNamesModel::MapNamesModel(Names names, const WaypointCheck &check, const QIcon &sign, QObject *parent)
    : QStringListModel(parent)
    , m_names(names)
    , m_check(check)
    , m_sign(sign)
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    m_blank = QIcon(blank);
}

bool MapNamesModel::lacksWaypoints(int row) const
{
    const QString name = QStringListModel::data(index(row), Qt::DisplayRole).toString();
    return m_check.lacks(m_names == Names::Files ? MapFolder::entryName(name) : name);
}

QVariant MapNamesModel::data(const QModelIndex &index, int role) const
{
    switch (role) {
    case Qt::DecorationRole:
        if (!m_check.checksMaps())
            return {};
        return lacksWaypoints(index.row()) ? m_sign : m_blank;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return lacksWaypoints(index.row()) ? QVariant(m_check.lackMessage()) : QVariant();
    default:
        return QStringListModel::data(index, role);
    }
}

Qt::ItemFlags MapNamesModel::flags(const QModelIndex &index) const
{
    // The names are chosen and moved, never typed over, and the lists take no drops.
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}
