#pragma once

#include "EditorDocument.h"
#include "RosterFile.h"

#include <QString>

class QAbstractItemModel;
class Roster;
struct RosterAddOn;
class RosterFormat;
class RosterOptions;
struct RosterEntry;

// One roster being edited, of any add-on: the bots, the options, the file it was last read from or written to, and
// whether it holds changes that no file has yet. The editor, its entry dialogs and its open and save dialogs all
// work on it; every change made through it, or to its options, marks it modified, and a successful read or write,
// or starting afresh, marks it unmodified again.
class RosterDocument : public EditorDocument
{
    Q_OBJECT

public:
    explicit RosterDocument(const RosterAddOn &addOn, QObject *parent = nullptr);
    ~RosterDocument() override;

    const RosterAddOn &addOn() const { return m_addOn; }
    const RosterFormat &format() const;
    // The add-on the roster is for, as the dialogs' captions name it.
    QString botName() const;
    bool isEmpty() const;
    // Whether closing the document would lose bots that no file holds: it is modified and has bots at all.
    bool hasUnsavedBots() const { return isModified() && !isEmpty(); }

    const Roster &roster() const { return *m_roster; }
    // The bots as a table, in the format's columns, for the editor's lists to show; changes go through the
    // document.
    QAbstractItemModel *model() const;
    RosterOptions &options() { return *m_options; }
    const RosterOptions &options() const { return *m_options; }

    void append(const RosterEntry &entry);
    // Several bots in one step; even none counts as an edit.
    void append(const QList<RosterEntry> &entries);
    void replace(int row, const RosterEntry &entry);
    // Gives every bot the same team, skill and skin; the names stay.
    void setAll(const QString &team, const QString &skill, const QString &skin);
    void remove(int row);

    // The editor's "New", and the state it opens in: no bots, the options at their start values, nothing unsaved.
    void renew();
    // The add-on's own start values, as the editor opens with them; they are no unsaved change.
    void applyAddOnStartValues();

    // Reads path in place of the document: see RosterFile::read. Marks the document unmodified on success only;
    // the options a failed read had already set stay set, and count as a change.
    RosterFile::ReadResult load(const QString &path);
    // The same, with the message to show; empty on success.
    QString open(const QString &path) { return load(path).message; }
    // Writes the document to path: see RosterFile::write. Empty on success, when the document is unmodified;
    // otherwise the message to show, and the file is as it was.
    QString save(const QString &path);

private:
    const RosterAddOn &m_addOn;
    Roster *m_roster;
    RosterOptions *m_options;
};
