#pragma once

#include "AndroidRosterEntry.h"

#include <QAbstractTableModel>
#include <QList>

// The bots of an AndroidBot or PodBot roster, in the order they were added or read. The editor's three columns
// (name, skill, team) are views of this one model, so they always have the same number of rows.
class AndroidRoster : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name, Skill, Team, ColumnCount };

    explicit AndroidRoster(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const AndroidRosterEntry &at(int row) const { return m_entries.at(row); }
    const QList<AndroidRosterEntry> &entries() const { return m_entries; }

    void append(const QList<AndroidRosterEntry> &entries);
    void replace(int row, const AndroidRosterEntry &entry);
    // Gives every bot the same skill and team; the names stay.
    void setAll(const QString &skill, const QString &team);
    void remove(int row);
    // Replaces the whole roster in one step, as a file read and New do.
    void assign(QList<AndroidRosterEntry> entries);

private:
    QList<AndroidRosterEntry> m_entries;
};
