#include "AndroidRoster.h"

AndroidRoster::AndroidRoster(QObject *parent)
    : QAbstractTableModel(parent)
{ }

int AndroidRoster::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : size();
}

int AndroidRoster::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AndroidRoster::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= size() || index.column() >= ColumnCount)
        return {};
    // A screen reader hears what the column shows.
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const AndroidRosterEntry &entry = m_entries.at(index.row());
    switch (index.column()) {
    case Name:
        return entry.name;
    case Skill:
        return entry.skill;
    default:
        return entry.team;
    }
}

void AndroidRoster::append(const QList<AndroidRosterEntry> &entries)
{
    if (entries.isEmpty())
        return;
    const int row = size();
    beginInsertRows({}, row, row + int(entries.size()) - 1);
    m_entries.append(entries);
    endInsertRows();
}

void AndroidRoster::replace(int row, const AndroidRosterEntry &entry)
{
    if (row < 0 || row >= size())
        return;
    m_entries[row] = entry;
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void AndroidRoster::setAll(const QString &skill, const QString &team)
{
    if (m_entries.isEmpty())
        return;
    for (AndroidRosterEntry &entry : m_entries) {
        entry.skill = skill;
        entry.team = team;
    }
    Q_EMIT dataChanged(index(0, Skill), index(size() - 1, Team));
}

void AndroidRoster::remove(int row)
{
    if (row < 0 || row >= size())
        return;
    beginRemoveRows({}, row, row);
    m_entries.removeAt(row);
    endRemoveRows();
}

void AndroidRoster::assign(QList<AndroidRosterEntry> entries)
{
    // One reset, not a row-by-row insertion, so that the lists lay out a long file once.
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}
