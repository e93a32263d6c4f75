#include "RosterAddOn.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// RealBot alone chooses skills at random within a range, and writes no waypoint lines. Of the others, those whose
// files carry waypoint lines show the "Waypoints" frame; the rest have no use for it.
constexpr std::array<RosterAddOn, 9> table{{
    {
        .botName = u"RealBot",
        .waypointLines = false,
        .skillLines = RosterAddOn::SkillLines::RandomRange,
        .emptyBotskill = "10"_L1,
        .startBotskill = "20"_L1,
        .minBotSkillMaximum = 50,
        .menuEntryAppliesLayout = false,
        .offersAutoSelect = true,
        .skillMaximum = 50,
        .addCaption = "Add RealBot Bot"_L1,
        .editCaption = "Edit RealBot Bot"_L1,
    },
    {
        .botName = u"NNBot",
        .waypointLines = true,
        .emptyBotskill = "2"_L1,
        .startBotskill = "2"_L1,
        .menuEntryAppliesLayout = false,
        .skillMaximum = 5,
        .addCaption = "Add NNBot Bot"_L1,
        .editCaption = "Edit NNBot Bot"_L1,
    },
    {
        .botName = u"HPBBot",
        .waypointLines = true,
        .emptyBotskill = "2"_L1,
        .startBotskill = "2"_L1,
        .menuEntryAppliesLayout = false,
        .skillMaximum = 5,
        .addCaption = "Add HPBBot Bot"_L1,
        .editCaption = "Edit HPB Bot"_L1,
    },
    {
        .botName = u"RamBot",
        .waypointLines = true,
        .emptyBotskill = "2"_L1,
        .startBotskill = "2"_L1,
        .menuEntryAppliesLayout = false,
        .offersAutoSelect = true,
        .skillMaximum = 20,
        .addCaption = "Add RamBot Bot"_L1,
        .editCaption = "Edit RamBot Bot"_L1,
    },
    {
        .botName = u"SwatBot",
        .waypointLines = true,
        .skillLines = RosterAddOn::SkillLines::BotSkillUnderscored,
        .emptyBotskill = "2"_L1,
        .startBotskill = "2"_L1,
        .menuEntryAppliesLayout = false,
        .offersAutoSelect = true,
        .skillMaximum = 5,
        .addCaption = "Add Swat Bot"_L1,
        .editCaption = "Edit SwatBot Bot"_L1,
    },
    {
        .botName = u"AGBBot",
        .waypointLines = false,
        .emptyBotskill = "2"_L1,
        .startBotskill = "2"_L1,
        .skillMaximum = 10,
        .addCaption = "Add AGBBot Bot"_L1,
        .editCaption = "Edit AGBBot Bot"_L1,
    },
    {
        .botName = u"BobaBot",
        .waypointLines = true,
        .emptyBotskill = "2"_L1,
        .startBotskill = "2"_L1,
        .skillMaximum = 5,
        .addCaption = "Add Boba Bot"_L1,
        .editCaption = "Edit Boba Bot"_L1,
    },
    {
        .botName = u"ReduBot",
        .waypointLines = false,
        .emptyBotskill = "2"_L1,
        .startBotskill = "2"_L1,
        .skillMaximum = 5,
        .addCaption = "Add Redu Bot"_L1,
        .editCaption = "Edit Redu Bot"_L1,
    },
    {
        .botName = u"PLBot",
        .waypointLines = false,
        .emptyBotskill = "2"_L1,
        .startBotskill = "2"_L1,
        .skillMaximum = 5,
        .addCaption = "Add PL Bot"_L1,
        .editCaption = "Edit PL Bot"_L1,
    },
}};

} // namespace

const RosterAddOn *RosterAddOn::find(QStringView botName)
{
    for (const RosterAddOn &addOn : table) {
        if (botName == addOn.botName)
            return &addOn;
    }
    return nullptr;
}

std::span<const RosterAddOn> RosterAddOn::all()
{
    return table;
}
