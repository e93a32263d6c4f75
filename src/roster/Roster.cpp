#include "Roster.h"

Roster::Roster(QList<RosterEntry::Field> columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
{ }

int Roster::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : size();
}

int Roster::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant Roster::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= size() || index.column() >= m_columns.size())
        return {};
    // A screen reader hears what the column shows.
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    return m_entries.at(index.row()).field(m_columns.at(index.column()));
}

QVariant Roster::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) || section < 0
        || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const captions[]
        = {QT_TR_NOOP("Bot Name"), QT_TR_NOOP("Team"), QT_TR_NOOP("Skill"), QT_TR_NOOP("Skin")};
    return tr(captions[m_columns.at(section)]);
}

void Roster::append(const QList<RosterEntry> &entries)
{
    if (entries.isEmpty())
        return;
    const int row = size();
    beginInsertRows({}, row, row + int(entries.size()) - 1);
    m_entries.append(entries);
    endInsertRows();
}

void Roster::replace(int row, const RosterEntry &entry)
{
    if (row < 0 || row >= size())
        return;
    m_entries[row] = entry;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void Roster::setAll(const QString &team, const QString &skill, const QString &skin)
{
    if (m_entries.isEmpty())
        return;
    for (RosterEntry &entry : m_entries) {
        entry.team = team;
        entry.skill = skill;
        entry.skin = skin;
    }
    Q_EMIT dataChanged(index(0, 0), index(size() - 1, columnCount() - 1));
}

void Roster::remove(int row)
{
    // Deleting with no row selected (-1) does nothing.
    if (row < 0 || row >= size())
        return;
    beginRemoveRows({}, row, row);
    m_entries.removeAt(row);
    endRemoveRows();
}

void Roster::assign(QList<RosterEntry> entries)
{
    // One reset, not a row-by-row insertion: a file of thousands of bots would otherwise make every view relayout
    // thousands of times.
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}
