#pragma once

#include <QString>
#include <QStringView>

// Every roster file the program writes starts with two lines: the first names the add-on it was written for, the
// second carries the version of the program that wrote it. Both are compared exactly, letter case included.
class RosterHeader
{
public:
    enum class Match {
        Matches,      // both lines are right
        OtherAddOn,   // the first line is not this add-on's (or not a roster file's at all)
        OtherVersion, // the first line is right, the second names another version
    };

    // "//RamBot Config File Created With"
    static QString firstLine(QStringView botName);
    // "//Counter-Strike Trevlin 2.0"
    static QString versionLine();
    static Match check(QStringView firstLine, QStringView secondLine, QStringView botName);
};
