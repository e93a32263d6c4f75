#include "BotCatalogue.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The table reads best as a table: one choice a row.
// clang-format off
constexpr std::array<BotInfo, 12> table{{
    {BotType::AndroidBot, "AndroidBot"_L1, "Option1"_L1, "Command1"_L1, "Edit Android Bots"_L1, "andbots"_L1,
     "Edit Android Bots"_L1, "updAndroidbot"_L1, "Update AndroidBot"_L1, "ANDROIDBOT liblist.gam"_L1,
     RosterEditor::Android, "Android Bots"_L1, "Here You Can Edit Your Android Bots"_L1, MapsSource::WaypointFiles,
     "maps"_L1, ".awp"_L1, "bot.cfg"_L1, 1},
    {BotType::RamBot, "RamBot"_L1, "Option2"_L1, "Command2"_L1, "Edit RamBot Bots"_L1, "rambots"_L1,
     "Edit RamBot Bots"_L1, "updRambot"_L1, "Update RamBot "_L1, "RAMBOT liblist.gam"_L1, RosterEditor::Generic,
     "RamBot Bots"_L1, "Here You Can Edit Your RamBot Bots"_L1, MapsSource::WaypointFiles, "maps"_L1, ".rw1"_L1,
     "bot.cfg"_L1, 2},
    {BotType::RealBot, "RealBot"_L1, "Option3"_L1, "Command5"_L1, "Edit RealBot Bots"_L1, "realbots"_L1,
     "Edit RealBot Bots"_L1, "updRealBot"_L1, "Update RealBot"_L1, "REALBOT liblist.gam"_L1, RosterEditor::Generic,
     "RealBot Bots"_L1, "Here You Can Edit Your RealBot Bots"_L1, MapsSource::All, {}, {}, "bot.cfg"_L1, 3},
    {BotType::NNBot, "NNBot"_L1, "Option4"_L1, "Command6"_L1, "Edit NNBot Bots"_L1, "nnbots"_L1,
     "Edit NNbot Bots"_L1, "updNNBot"_L1, "Update NNBot"_L1, "NNBOT liblist.gam"_L1, RosterEditor::Generic,
     "NNBot Bots"_L1, "Here You Can Edit Your NNBot Bots"_L1, MapsSource::WaypointFiles, "maps"_L1, ".nwp"_L1,
     "bot.cfg"_L1, 4},
    {BotType::HPBBot, "HPBBot"_L1, "Option5"_L1, "Command7"_L1, "Edit HPBBot Bots"_L1, "hpbbots"_L1,
     "Edit HPB Bots"_L1, "updHPBBot"_L1, "Update HPBBot"_L1, "HPBBOT liblist.gam"_L1, RosterEditor::Generic,
     "HPB Bots"_L1, "Here You Can Edit Your HPBBot Bots"_L1, MapsSource::WaypointFiles, "maps"_L1, ".wpt"_L1,
     "bot.cfg"_L1, 5},
    {BotType::SwatBot, "SwatBot"_L1, "Option6"_L1, "Command8"_L1, "Edit SwatBot Bots"_L1, "swatbots"_L1,
     "Edit SwatBot Bots"_L1, "updSwatBot"_L1, "Update SwatBot"_L1, "SWATBOT liblist.gam"_L1, RosterEditor::Generic,
     "Swat Bots"_L1, "Here You Can Edit Your SwatBot Bots"_L1, MapsSource::WaypointFiles, "maps"_L1, ".swat"_L1,
     "swat.cfg"_L1, 6},
    {BotType::OriginalCS, "Original CS"_L1, "Option7"_L1, {}, {}, {}, {}, {}, {}, "OLD liblist.gam"_L1,
     RosterEditor::None, {}, {}, MapsSource::Nothing, {}, {}, {}, -1},
    {BotType::PodBot, "PodBot"_L1, "Option8"_L1, "Command10"_L1, "Edit PodBot Bots"_L1, "Podbot"_L1,
     "Edit PodBot Bots"_L1, "updPodBot"_L1, "Update PodBot"_L1, "PODBOT liblist.gam"_L1, RosterEditor::Android,
     "PodBot Bots"_L1, "Here You Can Edit Your PodBot Bots"_L1, MapsSource::WaypointFiles, "podbot"_L1, ".pwf"_L1,
     "podbot/podbot.cfg"_L1, 7},
    {BotType::AGBBot, "AGBBot"_L1, "Option9"_L1, "Command11"_L1, "Edit AGBBot Bots"_L1, "agbbots"_L1,
     "Edit AGBBot Bots"_L1, "updAGBBot"_L1, "Update AGBBot"_L1, "AGBBOT liblist.gam"_L1, RosterEditor::Generic,
     "AGB Bots"_L1, "Here You Can Edit Your AGBBot Bots"_L1, MapsSource::All, {}, {}, "bot.cfg"_L1, 8},
    {BotType::PLBot, "PLBot"_L1, "Option10"_L1, "Command12"_L1, "Edit PLBot Bots"_L1, "plbot"_L1,
     "Edit PLBot Bots"_L1, "updPLBot"_L1, "Update PLBot"_L1, "PLBOT liblist.gam"_L1, RosterEditor::Generic,
     "PL Bots"_L1, "Here You Can Edit Your PLBot Bots"_L1, MapsSource::All, {}, {}, "bot.cfg"_L1, 9},
    {BotType::ReduBot, "ReduBot"_L1, "Option11"_L1, "Command13"_L1, "Edit ReduBot Bots"_L1, "redubot"_L1,
     "Edit ReduBot Bots"_L1, "updReduBot"_L1, "Update ReduBot"_L1, "REDUBOT liblist.gam"_L1, RosterEditor::Generic,
     "Redu Bots"_L1, "Here You Can Edit Your ReduBot Bots"_L1, MapsSource::All, {}, {}, "bot.cfg"_L1, 10},
    {BotType::BobaBot, "BobaBot"_L1, "Option12"_L1, "Command14"_L1, "Edit BobaBot Bots"_L1, "bobabots"_L1,
     "Edit BobaBot Bots"_L1, "updBobaBot"_L1, "Update BobaBot"_L1, "BOBABOT liblist.gam"_L1, RosterEditor::Generic,
     "Boba Bots"_L1, "Here You Can Edit Your BobaBot Bots"_L1, MapsSource::WaypointFiles, "maps"_L1, ".csb"_L1,
     "bot.cfg"_L1, 11},
}};
// clang-format on

static_assert(
    [] {
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (static_cast<std::size_t>(table[i].type) != i)
                return false;
        }
        return true;
    }(),
    "the table is indexed by BotType");

} // namespace

std::span<const BotInfo> BotCatalogue::all()
{
    return table;
}

const BotInfo &BotCatalogue::info(BotType type)
{
    return table[static_cast<std::size_t>(type)];
}

const BotInfo *BotCatalogue::find(QStringView botName)
{
    for (const BotInfo &bot : table) {
        if (botName == bot.botName)
            return &bot;
    }
    return nullptr;
}

QString BotCatalogue::liblistVariant(QStringView botName)
{
    if (botName == info(BotType::OriginalCS).botName)
        return info(BotType::OriginalCS).installedFile;
    return botName.toString() + " liblist.gam"_L1;
}

BotCatalogue::UpdateNames BotCatalogue::updateNames()
{
    UpdateNames names;
    names[0] = u"Trevlin"_s.leftJustified(updateNameWidth);
    for (const BotInfo &bot : table) {
        if (bot.updateIndex > 0)
            names[bot.updateIndex] = QString(bot.botName).leftJustified(updateNameWidth);
    }
    return names;
}
