#include "Roster.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString &fieldOf(const RosterEntry &entry, int column)
{
    switch (column) {
    case Roster::Name:
        return entry.name;
    case Roster::Team:
        return entry.team;
    case Roster::Skill:
        return entry.skill;
    default:
        return entry.skin;
    }
}

} // namespace

Roster::Roster(QObject *parent)
    : QAbstractTableModel(parent)
{ }

int Roster::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : size();
}

int Roster::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant Roster::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= size() || index.column() >= ColumnCount)
        return {};
    // A screen reader hears what the column shows.
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    return fieldOf(m_entries.at(index.row()), index.column());
}

QVariant Roster::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Name:
        return u"Bot Name"_s;
    case Team:
        return u"Team"_s;
    case Skill:
        return u"Skill"_s;
    case Skin:
        return u"Skin"_s;
    default:
        return {};
    }
}

void Roster::append(const RosterEntry &entry)
{
    const int row = size();
    beginInsertRows({}, row, row);
    m_entries.append(entry);
    endInsertRows();
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
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
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
    Q_EMIT dataChanged(index(0, Team), index(size() - 1, Skin));
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

void Roster::clear()
{
    if (m_entries.isEmpty())
        return;
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

void Roster::assign(QList<RosterEntry> entries)
{
    // One reset, not a row-by-row insertion: a file of thousands of bots would otherwise make every view relayout
    // thousands of times.
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}
