#pragma once

#include "RosterEntry.h"
#include "RosterFile.h"
#include "RosterLines.h"
#include "TextLines.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

class RosterOptions;
struct RosterAddOn;

// Reads the lines of a roster file's bytes, in order, into the options and a list of bots. The options are set through
// their own rules as each line is read, so a file that fails halfway leaves the options of its first lines set;
// the bots are only collected here and handed over by the caller once the whole file has been read.
class RosterReader
{
public:
    RosterReader(QByteArrayView bytes, const RosterAddOn &addOn, RosterOptions &options);

    RosterFile::ReadStatus read(QList<RosterEntry> &entries);

private:
    bool take();
    bool readPause();
    bool readCheck(const RosterLines::CheckLine &line);
    bool readNumberField(RosterOptions::Field field);
    bool readRangeSkill();
    bool readBots(QList<RosterEntry> &entries);
    static bool readBot(QByteArrayView line, bool first, RosterEntry &entry);

    TextLines::Cursor m_lines;
    const RosterAddOn &m_addOn;
    RosterOptions &m_options;
    QString m_line; // the line last taken
};
