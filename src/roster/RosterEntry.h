#pragma once

#include <QString>

// One bot of a roster, every field held exactly as it is shown: the team and skin as their display texts
// ("Counter Terrorist", "UK SAS"), the skill as typed. Codes exist only in the file; a format without skins leaves
// the skin empty.
struct RosterEntry
{
    enum Field { Name, Team, Skill, Skin };

    QString name;
    QString team;
    QString skill;
    QString skin;

    const QString &field(Field field) const
    {
        static constexpr QString RosterEntry::*fields[]
            = {&RosterEntry::name, &RosterEntry::team, &RosterEntry::skill, &RosterEntry::skin};
        return this->*fields[field];
    }

    friend bool operator==(const RosterEntry &, const RosterEntry &) = default;
};
