#pragma once

#include "AndroidRosterFile.h"
#include "EditorDocument.h"

#include <QList>

struct AndroidAddOn;
class AndroidOptions;
class AndroidRoster;
struct AndroidRosterEntry;
class QAbstractItemModel;

// One AndroidBot or PodBot roster being edited: the bots, the options, and the file and unsaved state its editor
// shares with the generic one. Every change made through it, or to its options, marks it modified; a successful
// read or write, or starting afresh, marks it unmodified again.
class AndroidDocument : public EditorDocument
{
    Q_OBJECT

public:
    explicit AndroidDocument(const AndroidAddOn &addOn, QObject *parent = nullptr);
    ~AndroidDocument() override;

    const AndroidAddOn &addOn() const { return m_addOn; }
    QString botName() const override;
    bool isEmpty() const override;

    const AndroidRoster &roster() const { return *m_roster; }
    // The bots as a table (name, skill, team) for the editor's lists; changes go through the document.
    QAbstractItemModel *model() const;
    AndroidOptions &options() { return *m_options; }
    const AndroidOptions &options() const { return *m_options; }

    void append(const AndroidRosterEntry &entry);
    // Several bots in one step; even none counts as an edit.
    void append(const QList<AndroidRosterEntry> &entries);
    void replace(int row, const AndroidRosterEntry &entry);
    // Gives every bot the same skill and team; the names stay.
    void setAll(const QString &skill, const QString &team);
    void remove(int row);

    // "New", and the state the editor opens in: no bots, the options at their start values, nothing unsaved.
    void renew();

    // Reads path in place of the document: see AndroidRosterFile::read. Unmodified on success only.
    AndroidRosterFile::ReadResult load(const QString &path);
    QString open(const QString &path) override { return load(path).message; }
    // Writes the document to path: see AndroidRosterFile::write.
    QString save(const QString &path) override;

private:
    const AndroidAddOn &m_addOn;
    AndroidRoster *m_roster;
    AndroidOptions *m_options;
};
