#pragma once

#include "RosterEntry.h"

#include <QAbstractTableModel>
#include <QList>

// The bots of a roster, in the order they were added or read; nothing is ever sorted. The editor's columns are views
// of this one model, so they always have the same number of rows; which fields they show, in which order, the
// roster's format says (name, team, skill and skin, or name, skill and team).
class Roster : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit Roster(QList<RosterEntry::Field> columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The column captions: "Bot Name", "Team", "Skill", "Skin".
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const RosterEntry &at(int row) const { return m_entries.at(row); }
    const QList<RosterEntry> &entries() const { return m_entries; }

    void append(const QList<RosterEntry> &entries);
    void replace(int row, const RosterEntry &entry);
    // Gives every bot the same team, skill and skin; the names stay.
    void setAll(const QString &team, const QString &skill, const QString &skin);
    void remove(int row);
    // Replaces the whole roster in one step, as a file read and New do.
    void assign(QList<RosterEntry> entries);

private:
    QList<RosterEntry::Field> m_columns;
    QList<RosterEntry> m_entries;
};
