#include "BotCatalogue.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// One choice a block, every fact it states named, so that two neighbouring texts cannot trade places unnoticed.
constexpr std::array<BotInfo, 12> table{{
    {
        .type = BotType::AndroidBot,
        .botName = "AndroidBot"_L1,
        .waypointSuffix = ".awp"_L1,
        .updateIndex = 1,
    },
    {
        .type = BotType::RamBot,
        .botName = "RamBot"_L1,
        .waypointSuffix = ".rw1"_L1,
        .updateIndex = 2,
    },
    {
        .type = BotType::RealBot,
        .botName = "RealBot"_L1,
        .mapsSource = MapsSource::All,
        .updateIndex = 3,
    },
    {
        .type = BotType::NNBot,
        .botName = "NNBot"_L1,
        .waypointSuffix = ".nwp"_L1,
        .updateIndex = 4,
    },
    {
        .type = BotType::HPBBot,
        .botName = "HPBBot"_L1,
        .waypointSuffix = ".wpt"_L1,
        .updateIndex = 5,
    },
    {
        .type = BotType::SwatBot,
        .botName = "SwatBot"_L1,
        .waypointSuffix = ".swat"_L1,
        .autostartPath = "swat.cfg"_L1,
        .updateIndex = 6,
    },
    {
        .type = BotType::OriginalCS,
        .botName = "Original CS"_L1,
        .mapsSource = MapsSource::Nothing,
        .updateIndex = -1,
    },
    {
        .type = BotType::PodBot,
        .botName = "PodBot"_L1,
        .waypointFolder = "podbot"_L1,
        .waypointSuffix = ".pwf"_L1,
        .autostartPath = "podbot/podbot.cfg"_L1,
        .updateIndex = 7,
    },
    {
        .type = BotType::AGBBot,
        .botName = "AGBBot"_L1,
        .mapsSource = MapsSource::All,
        .updateIndex = 8,
    },
    {
        .type = BotType::PLBot,
        .botName = "PLBot"_L1,
        .mapsSource = MapsSource::All,
        .autostartShown = false,
        .updateIndex = 9,
    },
    {
        .type = BotType::ReduBot,
        .botName = "ReduBot"_L1,
        .mapsSource = MapsSource::All,
        .updateIndex = 10,
    },
    {
        .type = BotType::BobaBot,
        .botName = "BobaBot"_L1,
        .waypointSuffix = ".csb"_L1,
        .updateIndex = 11,
    },
}};

static_assert(inBotTypeOrder(table), "the table is indexed by BotType");

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
    const QString prefix = botName == info(BotType::OriginalCS).botName ? QString(plainGameName) : botName.toString();
    return prefix + u' ' + BotCatalogue::liblistName;
}

QString BotCatalogue::liblistVariant(BotType type)
{
    return liblistVariant(QString(info(type).botName));
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
