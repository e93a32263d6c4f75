#include "RosterAddOn.h"

#include "RosterFormat.h"
#include "SkinTable.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// Made at its first use, after the formats it points at.
std::span<const RosterAddOn> table()
{
    // RealBot alone chooses skills at random within a range, and writes no waypoint lines. Of the others, those whose
    // files carry waypoint lines show the "Waypoints" frame; the rest have no use for it.
    static const std::array<RosterAddOn, 11> rows{{
        {.type = BotType::RealBot,
         .skillLines = RosterAddOn::SkillLines::RandomRange,
         .emptyBotskill = "10"_L1,
         .startBotskill = "20"_L1,
         .minBotSkillMaximum = 50,
         .menuEntryAppliesLayout = false,
         .offersAutoSelect = true,
         .skillMaximum = 50,
         .addCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Add RealBot Bot"),
         .editCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Edit RealBot Bot")},
        {.type = BotType::NNBot,
         .waypointLines = true,
         .menuEntryAppliesLayout = false,
         .addCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Add NNBot Bot"),
         .editCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Edit NNBot Bot")},
        {.type = BotType::HPBBot,
         .waypointLines = true,
         .menuEntryAppliesLayout = false,
         .addCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Add HPBBot Bot"),
         .editCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Edit HPB Bot")},
        {.type = BotType::RamBot,
         .waypointLines = true,
         .menuEntryAppliesLayout = false,
         .offersAutoSelect = true,
         .skillMaximum = 20,
         .addCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Add RamBot Bot"),
         .editCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Edit RamBot Bot")},
        {.type = BotType::SwatBot,
         .waypointLines = true,
         .skillLines = RosterAddOn::SkillLines::BotSkillUnderscored,
         .menuEntryAppliesLayout = false,
         .offersAutoSelect = true,
         .addCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Add Swat Bot"),
         .editCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Edit SwatBot Bot")},
        {.type = BotType::AGBBot,
         .skillMaximum = 10,
         .addCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Add AGBBot Bot"),
         .editCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Edit AGBBot Bot")},
        {.type = BotType::BobaBot,
         .waypointLines = true,
         .addCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Add Boba Bot"),
         .editCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Edit Boba Bot")},
        {.type = BotType::ReduBot,
         .addCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Add Redu Bot"),
         .editCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Edit Redu Bot")},
        {.type = BotType::PLBot,
         .addCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Add PL Bot"),
         .editCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Edit PL Bot")},
        // AndroidBot writes a bot's name between double quotes, PodBot bare; PodBot's files carry three options more.
        {.type = BotType::AndroidBot,
         .format = &RosterFormat::android(),
         .quotedNames = true,
         .autoAssignCode = u'0',
         .skillMaximum = 100,
         .addCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Add AndroidBot Bot"),
         .editCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Edit Android Bot")},
        {.type = BotType::PodBot,
         .format = &RosterFormat::android(),
         .botOptionLines = true,
         .autoAssignCode = u'5',
         .skillMaximum = 100,
         .addCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Add PodBot Bot"),
         .editCaption = QT_TRANSLATE_NOOP("RosterAddOn", "Edit Android Bot")},
    }};
    return rows;
}

} // namespace

const RosterAddOn *RosterAddOn::of(BotType type)
{
    for (const RosterAddOn &addOn : table()) {
        if (addOn.type == type)
            return &addOn;
    }
    return nullptr;
}

const RosterAddOn *RosterAddOn::find(QStringView botName)
{
    const BotInfo *bot = BotCatalogue::find(botName);
    return bot ? of(bot->type) : nullptr;
}

std::span<const RosterAddOn> RosterAddOn::all()
{
    return table();
}

QStringList RosterAddOn::fillSkinList(QStringView team) const
{
    SkinTable::Group group;
    if (team == SkinTable::terrorist)
        group = SkinTable::Group::Terrorist;
    else if (team == SkinTable::counterTerrorist)
        group = SkinTable::Group::CounterTerrorist;
    else if (team == SkinTable::autoSelect && offersAutoSelect)
        group = SkinTable::Group::Combined;
    else
        return {};
    // The skins that leave the choice to the game come last, for the add-ons that let it choose.
    QStringList skins;
    for (const SkinTable::Skin &skin : SkinTable::skins) {
        if (skin.group == group && (skin.code != '5' || offersAutoSelect))
            skins << skin.name;
    }
    return skins;
}

int RosterAddOn::skinPosition(QStringView skin) const
{
    for (const SkinTable::Skin &known : SkinTable::skins) {
        if (skin != known.name)
            continue;
        // Of the automatic skins only "Auto Select" has a place, the fifth of the "Auto Select" team's.
        if (known.group == SkinTable::Group::Combined ? !offersAutoSelect : known.code == '5')
            return 0;
        return known.code - '0';
    }
    return 0;
}

QString RosterAddOn::skinPreview(QStringView skin)
{
    for (const SkinTable::Skin &known : SkinTable::skins) {
        if (known.pictured && skin == known.name)
            return known.name;
    }
    return SkinTable::fallbackPicture.name;
}
