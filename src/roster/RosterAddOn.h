#pragma once

#include "BotCatalogue.h"
#include "RosterFormat.h"

#include <QChar>
#include <QCoreApplication>
#include <QLatin1StringView>
#include <QStringList>
#include <QStringView>

#include <span>

// Everything that differs between the eleven add-ons with a roster editor, in one place: the format of their roster
// files, what within that format their files carry, the skills they take, the values their options start from,
// which rows and frames their editor shows, what their edit menu entry does, and the captions of their entry
// dialogs. The formats, the option rules and the windows all read it; a further add-on of an existing format is one
// more row in the table.
struct RosterAddOn
{
    Q_DECLARE_TR_FUNCTIONS(RosterAddOn)

public:
    // How a roster file of the "addbot" format writes the default skill.
    enum class SkillLines {
        Botskill,            // "botskill N"
        BotSkillUnderscored, // "bot_skill N"
        RandomRange,         // "botskill N" or "botskill -1", the range "rb_minskill"/"rb_maxskill", "rb_extraskill"
    };

    BotType type;
    // The format of the add-on's roster files: the "addbot" lines, unless the row names another.
    const RosterFormat *format = &RosterFormat::addBot();

    // The "addbot" format: whether the file carries the three waypoint lines after the team balance (the editor
    // shows the "Waypoints" frame to these add-ons alone), its skill lines, and what an empty Botskill field is
    // written as (with Auto Skill cleared, for the range kind).
    bool waypointLines = false;
    SkillLines skillLines = SkillLines::Botskill;
    QLatin1StringView emptyBotskill = QLatin1StringView("2");
    // The AndroidBot format: whether the file carries bot chatting, jason mode and the minimum bot skill (and the
    // editor shows them), whether a bot's name stands between double quotes, and the codes of "Terrorist", "Counter
    // Terrorist" and "Auto Assign".
    bool botOptionLines = false;
    bool quotedNames = false;
    QChar terroristCode = u'1';
    QChar counterTerroristCode = u'2';
    QChar autoAssignCode = u'0';

    // The options: the Botskill an editor starts from with the add-on's layout, after New, and after Auto Skill is
    // cleared again.
    QLatin1StringView startBotskill = QLatin1StringView("2");

    // The editor: the upper bound of the Min Bot Skill spinner. The rows of the random skill range (Auto Skill, Use
    // Botskill Range, Min Bot Skill, Max Skill, Extra Skill) are shown where the file has lines for them.
    int minBotSkillMaximum = 5;
    // Whether the edit menu entry lays out the add-on's own option rows as its edit button does; without it the
    // editor opens with the rows every add-on has.
    bool menuEntryAppliesLayout = true;

    // The entry dialogs: whether the game may choose team and skin ("Auto Select"), the highest skill, and the
    // dialogs' captions, marked for translation in the context "RosterAddOn".
    bool offersAutoSelect = false;
    int skillMaximum = 5;
    const char *addCaption = nullptr;
    const char *editCaption = nullptr;

    // The name the game and the catalogue know the add-on by, which heads its roster files.
    QString botName() const { return QString(BotCatalogue::info(type).botName); }
    bool hasSkillRange() const { return skillLines == SkillLines::RandomRange; }
    QString addDialogCaption() const { return tr(addCaption); }
    QString editDialogCaption() const { return tr(editCaption); }

    // The skins that fill the skin list when team is picked, in order; empty for a team the add-on doesn't have
    // (FillSkinList in the dialogs' terms).
    QStringList fillSkinList(QStringView team) const;
    // The position, counted from 1, that a bot's skin selects in the skin list when the bot is edited, whatever its
    // team; 0 when the skin selects none.
    int skinPosition(QStringView skin) const;
    // The key of the preview picture of skin: the skin itself when a picture has that key, "Auto Select" otherwise.
    static QString skinPreview(QStringView skin);

    // The roster add-on of a choice, or nullptr for a choice without a roster editor (the plain game).
    static const RosterAddOn *of(BotType type);
    // The add-on whose name is exactly botName (letter case counts), or nullptr for any other name.
    static const RosterAddOn *find(QStringView botName);
    static std::span<const RosterAddOn> all();
};
