#pragma once

#include "GameFolder.h"

#include <QLatin1StringView>
#include <QString>

#include <array>
#include <cstddef>
#include <span>

// The twelve choices of the main window, in the order of its option buttons.
enum class BotType {
    AndroidBot,
    RamBot,
    RealBot,
    NNBot,
    HPBBot,
    SwatBot,
    OriginalCS,
    PodBot,
    AGBBot,
    PLBot,
    ReduBot,
    BobaBot,
};

// Whether a table of rows that each name their choice holds them in the order of BotType, one a choice, so that
// a choice's row is found by its value alone.
template<typename Rows>
constexpr bool inBotTypeOrder(const Rows &rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<std::size_t>(rows[i].type) != i)
            return false;
    }
    return true;
}

// Where a choice's supported maps come from.
enum class MapsSource {
    Nothing,       // an empty text
    All,           // the add-on plays every map: the text "All"
    WaypointFiles, // files with waypointSuffix in waypointFolder
};

// The fixed facts of one choice, as the game and its files know them. Every text is compared exactly as it stands
// here. How the main window shows a choice is the window's own affair. A row of the table states only what
// differs from the most common value.
struct BotInfo
{
    // The autostart file of most add-ons, below the game folder, and of any name the table does not know.
    static constexpr QLatin1StringView commonAutostartPath{"bot.cfg"};

    BotType type;
    QLatin1StringView botName = {}; // also the settings key, the prefix of its files and its roster files' header
    MapsSource mapsSource = MapsSource::WaypointFiles;
    QLatin1StringView waypointFolder = GameFolder::mapsFolder; // below the game folder
    QLatin1StringView waypointSuffix = {};                     // with its dot, e.g. ".rw1"
    QLatin1StringView autostartPath = commonAutostartPath;     // below the game folder, '/'-separated
    // Whether the add-on's autostart file is chosen and cleared from the main window: PLBot's is not, and clearing
    // leaves its "bot.cfg" alone.
    bool autostartShown = true;
    int updateIndex; // index into UpdateNames; -1 for the plain game
};

// The read-only table of what the game and its files tell of each choice, compiled into the program.
class BotCatalogue
{
public:
    static constexpr int updateNameWidth = 23;
    static constexpr int updateNameCount = 12;
    using UpdateNames = std::array<QString, updateNameCount>;

    static std::span<const BotInfo> all();
    static const BotInfo &info(BotType type);
    // The choice whose BotName is exactly botName (letter case counts), or nullptr: "OLD" and "" name none.
    static const BotInfo *find(QStringView botName);

    // The game's descriptor in the game folder, which names the game library it loads.
    static constexpr QLatin1StringView liblistName{"liblist.gam"};
    // The plain game's prepared copy is "OLD liblist.gam", and the launch names the current choice so once it has
    // launched the plain game.
    static constexpr QLatin1StringView plainGameName{"OLD"};

    // The name of a choice's prepared copy of liblist.gam, which marks it installed when it lies in the game folder
    // in any letter case: "RamBot liblist.gam", "OLD liblist.gam" for the plain game. Any other text is taken as a
    // BotName, as the launch does with "OLD".
    static QString liblistVariant(QStringView botName);
    static QString liblistVariant(BotType type);

    // The twelve 23-character item names of the update list, blank-padded: the program itself, then the add-ons.
    static UpdateNames updateNames();
};
