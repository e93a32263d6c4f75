#pragma once

#include "RosterEntry.h"
#include "RosterFile.h"
#include "RosterLines.h"

#include <QList>
#include <QStringList>
#include <QStringView>

class RosterOptions;
struct RosterAddOn;

// Reads the lines of a roster file, in order, into the options and a list of bots. The options are set through
// their own rules as each line is read, so a file that fails halfway leaves the options of its first lines set;
// the bots are only collected here and handed over by the caller once the whole file has been read.
class RosterReader
{
public:
    RosterReader(const QStringList &lines, const RosterAddOn &addOn, RosterOptions &options);

    RosterFile::ReadStatus read(QList<RosterEntry> &entries);

private:
    bool take();
    bool readPause();
    bool readCheck(const RosterLines::CheckLine &line);
    bool readNumberField(RosterOptions::Field field);
    bool readRangeSkill();
    bool readBots(QList<RosterEntry> &entries);
    static bool readBot(QStringView line, bool first, RosterEntry &entry);

    const QStringList &m_lines;
    const RosterAddOn &m_addOn;
    RosterOptions &m_options;
    qsizetype m_next = 0;
    QStringView m_line; // the line last taken
};
