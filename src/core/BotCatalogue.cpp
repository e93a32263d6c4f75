#include "BotCatalogue.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// One choice a block, every fact named, so that two neighbouring texts cannot trade places unnoticed.
constexpr std::array<BotInfo, 12> table{{
    {
        .type = BotType::AndroidBot,
        .botName = "AndroidBot"_L1,
        .optionButton = "Option1"_L1,
        .editButton = "Command1"_L1,
        .editCaption = "Edit Android Bots"_L1,
        .editMenuEntry = "andbots"_L1,
        .editMenuCaption = "Edit Android Bots"_L1,
        .updateMenuEntry = "updAndroidbot"_L1,
        .updateMenuCaption = "Update AndroidBot"_L1,
        .installedFile = "ANDROIDBOT liblist.gam"_L1,
        .editor = RosterEditor::Android,
        .editorCaption = "Android Bots"_L1,
        .editStatusText = "Here You Can Edit Your Android Bots"_L1,
        .mapsSource = MapsSource::WaypointFiles,
        .waypointFolder = "maps"_L1,
        .waypointSuffix = ".awp"_L1,
        .autostartPath = "bot.cfg"_L1,
        .updateIndex = 1,
    },
    {
        .type = BotType::RamBot,
        .botName = "RamBot"_L1,
        .optionButton = "Option2"_L1,
        .editButton = "Command2"_L1,
        .editCaption = "Edit RamBot Bots"_L1,
        .editMenuEntry = "rambots"_L1,
        .editMenuCaption = "Edit RamBot Bots"_L1,
        .updateMenuEntry = "updRambot"_L1,
        .updateMenuCaption = "Update RamBot "_L1,
        .installedFile = "RAMBOT liblist.gam"_L1,
        .editor = RosterEditor::Generic,
        .editorCaption = "RamBot Bots"_L1,
        .editStatusText = "Here You Can Edit Your RamBot Bots"_L1,
        .mapsSource = MapsSource::WaypointFiles,
        .waypointFolder = "maps"_L1,
        .waypointSuffix = ".rw1"_L1,
        .autostartPath = "bot.cfg"_L1,
        .updateIndex = 2,
    },
    {
        .type = BotType::RealBot,
        .botName = "RealBot"_L1,
        .optionButton = "Option3"_L1,
        .editButton = "Command5"_L1,
        .editCaption = "Edit RealBot Bots"_L1,
        .editMenuEntry = "realbots"_L1,
        .editMenuCaption = "Edit RealBot Bots"_L1,
        .updateMenuEntry = "updRealBot"_L1,
        .updateMenuCaption = "Update RealBot"_L1,
        .installedFile = "REALBOT liblist.gam"_L1,
        .editor = RosterEditor::Generic,
        .editorCaption = "RealBot Bots"_L1,
        .editStatusText = "Here You Can Edit Your RealBot Bots"_L1,
        .mapsSource = MapsSource::All,
        .autostartPath = "bot.cfg"_L1,
        .updateIndex = 3,
    },
    {
        .type = BotType::NNBot,
        .botName = "NNBot"_L1,
        .optionButton = "Option4"_L1,
        .editButton = "Command6"_L1,
        .editCaption = "Edit NNBot Bots"_L1,
        .editMenuEntry = "nnbots"_L1,
        .editMenuCaption = "Edit NNbot Bots"_L1,
        .updateMenuEntry = "updNNBot"_L1,
        .updateMenuCaption = "Update NNBot"_L1,
        .installedFile = "NNBOT liblist.gam"_L1,
        .editor = RosterEditor::Generic,
        .editorCaption = "NNBot Bots"_L1,
        .editStatusText = "Here You Can Edit Your NNBot Bots"_L1,
        .mapsSource = MapsSource::WaypointFiles,
        .waypointFolder = "maps"_L1,
        .waypointSuffix = ".nwp"_L1,
        .autostartPath = "bot.cfg"_L1,
        .updateIndex = 4,
    },
    {
        .type = BotType::HPBBot,
        .botName = "HPBBot"_L1,
        .optionButton = "Option5"_L1,
        .editButton = "Command7"_L1,
        .editCaption = "Edit HPBBot Bots"_L1,
        .editMenuEntry = "hpbbots"_L1,
        .editMenuCaption = "Edit HPB Bots"_L1,
        .updateMenuEntry = "updHPBBot"_L1,
        .updateMenuCaption = "Update HPBBot"_L1,
        .installedFile = "HPBBOT liblist.gam"_L1,
        .editor = RosterEditor::Generic,
        .editorCaption = "HPB Bots"_L1,
        .editStatusText = "Here You Can Edit Your HPBBot Bots"_L1,
        .mapsSource = MapsSource::WaypointFiles,
        .waypointFolder = "maps"_L1,
        .waypointSuffix = ".wpt"_L1,
        .autostartPath = "bot.cfg"_L1,
        .updateIndex = 5,
    },
    {
        .type = BotType::SwatBot,
        .botName = "SwatBot"_L1,
        .optionButton = "Option6"_L1,
        .editButton = "Command8"_L1,
        .editCaption = "Edit SwatBot Bots"_L1,
        .editMenuEntry = "swatbots"_L1,
        .editMenuCaption = "Edit SwatBot Bots"_L1,
        .updateMenuEntry = "updSwatBot"_L1,
        .updateMenuCaption = "Update SwatBot"_L1,
        .installedFile = "SWATBOT liblist.gam"_L1,
        .editor = RosterEditor::Generic,
        .editorCaption = "Swat Bots"_L1,
        .editStatusText = "Here You Can Edit Your SwatBot Bots"_L1,
        .mapsSource = MapsSource::WaypointFiles,
        .waypointFolder = "maps"_L1,
        .waypointSuffix = ".swat"_L1,
        .autostartPath = "swat.cfg"_L1,
        .updateIndex = 6,
    },
    {
        .type = BotType::OriginalCS,
        .botName = "Original CS"_L1,
        .optionButton = "Option7"_L1,
        .installedFile = "OLD liblist.gam"_L1,
        .editor = RosterEditor::None,
        .mapsSource = MapsSource::Nothing,
        .updateIndex = -1,
    },
    {
        .type = BotType::PodBot,
        .botName = "PodBot"_L1,
        .optionButton = "Option8"_L1,
        .editButton = "Command10"_L1,
        .editCaption = "Edit PodBot Bots"_L1,
        .editMenuEntry = "Podbot"_L1,
        .editMenuCaption = "Edit PodBot Bots"_L1,
        .updateMenuEntry = "updPodBot"_L1,
        .updateMenuCaption = "Update PodBot"_L1,
        .installedFile = "PODBOT liblist.gam"_L1,
        .editor = RosterEditor::Android,
        .editorCaption = "PodBot Bots"_L1,
        .editStatusText = "Here You Can Edit Your PodBot Bots"_L1,
        .mapsSource = MapsSource::WaypointFiles,
        .waypointFolder = "podbot"_L1,
        .waypointSuffix = ".pwf"_L1,
        .autostartPath = "podbot/podbot.cfg"_L1,
        .updateIndex = 7,
    },
    {
        .type = BotType::AGBBot,
        .botName = "AGBBot"_L1,
        .optionButton = "Option9"_L1,
        .editButton = "Command11"_L1,
        .editCaption = "Edit AGBBot Bots"_L1,
        .editMenuEntry = "agbbots"_L1,
        .editMenuCaption = "Edit AGBBot Bots"_L1,
        .updateMenuEntry = "updAGBBot"_L1,
        .updateMenuCaption = "Update AGBBot"_L1,
        .installedFile = "AGBBOT liblist.gam"_L1,
        .editor = RosterEditor::Generic,
        .editorCaption = "AGB Bots"_L1,
        .editStatusText = "Here You Can Edit Your AGBBot Bots"_L1,
        .mapsSource = MapsSource::All,
        .autostartPath = "bot.cfg"_L1,
        .updateIndex = 8,
    },
    {
        .type = BotType::PLBot,
        .botName = "PLBot"_L1,
        .optionButton = "Option10"_L1,
        .editButton = "Command12"_L1,
        .editCaption = "Edit PLBot Bots"_L1,
        .editMenuEntry = "plbot"_L1,
        .editMenuCaption = "Edit PLBot Bots"_L1,
        .updateMenuEntry = "updPLBot"_L1,
        .updateMenuCaption = "Update PLBot"_L1,
        .installedFile = "PLBOT liblist.gam"_L1,
        .editor = RosterEditor::Generic,
        .editorCaption = "PL Bots"_L1,
        .editStatusText = "Here You Can Edit Your PLBot Bots"_L1,
        .mapsSource = MapsSource::All,
        .autostartPath = "bot.cfg"_L1,
        .autostartShown = false,
        .updateIndex = 9,
    },
    {
        .type = BotType::ReduBot,
        .botName = "ReduBot"_L1,
        .optionButton = "Option11"_L1,
        .editButton = "Command13"_L1,
        .editCaption = "Edit ReduBot Bots"_L1,
        .editMenuEntry = "redubot"_L1,
        .editMenuCaption = "Edit ReduBot Bots"_L1,
        .updateMenuEntry = "updReduBot"_L1,
        .updateMenuCaption = "Update ReduBot"_L1,
        .installedFile = "REDUBOT liblist.gam"_L1,
        .editor = RosterEditor::Generic,
        .editorCaption = "Redu Bots"_L1,
        .editStatusText = "Here You Can Edit Your ReduBot Bots"_L1,
        .mapsSource = MapsSource::All,
        .autostartPath = "bot.cfg"_L1,
        .updateIndex = 10,
    },
    {
        .type = BotType::BobaBot,
        .botName = "BobaBot"_L1,
        .optionButton = "Option12"_L1,
        .editButton = "Command14"_L1,
        .editCaption = "Edit BobaBot Bots"_L1,
        .editMenuEntry = "bobabots"_L1,
        .editMenuCaption = "Edit BobaBot Bots"_L1,
        .updateMenuEntry = "updBobaBot"_L1,
        .updateMenuCaption = "Update BobaBot"_L1,
        .installedFile = "BOBABOT liblist.gam"_L1,
        .editor = RosterEditor::Generic,
        .editorCaption = "Boba Bots"_L1,
        .editStatusText = "Here You Can Edit Your BobaBot Bots"_L1,
        .mapsSource = MapsSource::WaypointFiles,
        .waypointFolder = "maps"_L1,
        .waypointSuffix = ".csb"_L1,
        .autostartPath = "bot.cfg"_L1,
        .updateIndex = 11,
    },
}};

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
