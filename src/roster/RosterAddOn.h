#pragma once

#include <QLatin1StringView>
#include <QStringView>

#include <span>

// Everything that differs between the nine add-ons sharing the generic roster editor, in one place: what their
// roster files carry, the skills they take, the values their options start from, which rows and frames their
// editor shows, what their edit menu entry does, and what their entry dialogs offer. The file format, the option
// rules and the windows all read it; a further add-on of this kind is one more entry in the table.
struct RosterAddOn
{
    // How a roster file writes the default skill.
    enum class SkillLines {
        Botskill,            // "botskill N"
        BotSkillUnderscored, // "bot_skill N"
        RandomRange,         // "botskill N" or "botskill -1", the range "rb_minskill"/"rb_maxskill", "rb_extraskill"
    };

    QStringView botName = {};

    // The file: whether it carries the three waypoint lines after the team balance (the editor shows the
    // "Waypoints" frame to these add-ons alone), and its skill lines.
    bool waypointLines = false;
    SkillLines skillLines = SkillLines::Botskill;
    // What an empty Botskill field is written as (with Auto Skill cleared, for the range kind).
    QLatin1StringView emptyBotskill = {};

    // The options: the Botskill an editor starts from with the add-on's layout, after New, and after Auto Skill is
    // cleared again.
    QLatin1StringView startBotskill = {};

    // The editor: the upper bound of the Min Bot Skill spinner. The rows of the random skill range (Auto Skill, Use
    // Botskill Range, Min Bot Skill, Max Skill, Extra Skill) are shown where the file has lines for them.
    int minBotSkillMaximum = 5;
    // Whether the edit menu entry lays out the add-on's own option rows as its edit button does; without it the
    // editor opens with the rows every add-on has.
    bool menuEntryAppliesLayout = true;

    // The entry dialogs: whether the game may choose team and skin ("Auto Select"), the highest skill, and the
    // dialogs' captions.
    bool offersAutoSelect = false;
    int skillMaximum = 5;
    QLatin1StringView addCaption = {};
    QLatin1StringView editCaption = {};

    bool hasSkillRange() const { return skillLines == SkillLines::RandomRange; }

    // The add-on whose name is exactly botName (letter case counts), or nullptr for any other name.
    static const RosterAddOn *find(QStringView botName);
    static std::span<const RosterAddOn> all();
};
