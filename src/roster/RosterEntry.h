#pragma once

#include <QString>

// One bot of a roster, every field held exactly as it is shown: the team and skin as their display texts
// ("Counter Terrorist", "UK SAS"), the skill as typed. Codes exist only in the file.
struct RosterEntry
{
    QString name;
    QString team;
    QString skill;
    QString skin;

    friend bool operator==(const RosterEntry &, const RosterEntry &) = default;
};
