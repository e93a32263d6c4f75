#pragma once

#include <QString>

// One AndroidBot or PodBot bot, as the user typed it: the skill is kept as text and never reformatted, and the team
// is "Terrorist", "Counter Terrorist", "Auto Assign" or whatever was typed into a team box.
struct AndroidRosterEntry
{
    QString name;
    QString skill;
    QString team;

    friend bool operator==(const AndroidRosterEntry &, const AndroidRosterEntry &) = default;
};
