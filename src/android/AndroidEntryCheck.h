#pragma once

#include <QString>
#include <QStringView>

struct AndroidRosterEntry;

// The checks of the AndroidBot and PodBot entry dialogs, and what a bot's name and skill must be for its roster
// file to give them back.
class AndroidEntryCheck
{
public:
    // Why the add dialog (or the edit dialog for one bot) cannot take bot, by the first of its checks that fails:
    // name, team, skill, the skill's range from 0 to 100, then a name the file could not give back. With
    // withName false (the edit dialog's Apply To All) the name is left out; with it, the edit dialog also needs a
    // row that is still selected (rowSelected). Empty when it can.
    static QString refusal(const AndroidRosterEntry &bot, bool withName = true, bool rowSelected = true);

    // Why a name would not come back from the file as it was: it is a number, or holds a character that a line of
    // the file cannot carry. Empty when the name is fine.
    static QString unreadableName(QStringView name);
    // A number, with no blank that would split its line.
    static bool isSkill(QStringView skill);
    // Whether text fits into one line of an 8-bit file.
    static bool fitsLine(QStringView text);
};
