#pragma once

#include <QLatin1StringView>
#include <QString>

#include <array>
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

// Which roster editor edits a choice's bots.
enum class RosterEditor {
    None,
    Generic, // EditScreen
    Android, // AndroidMain
};

// Where a choice's supported maps come from.
enum class MapsSource {
    Nothing,       // an empty text
    All,           // the add-on plays every map: the text "All"
    WaypointFiles, // files with waypointSuffix in waypointFolder
};

// The fixed facts of one choice. Every text is shown or compared exactly as it stands here.
struct BotInfo
{
    BotType type;
    QLatin1StringView botName = {};
    QLatin1StringView optionButton = {};
    QLatin1StringView editButton = {}; // empty for the plain game
    QLatin1StringView editCaption = {};
    QLatin1StringView editMenuEntry = {};
    QLatin1StringView editMenuCaption = {};
    QLatin1StringView updateMenuEntry = {};
    QLatin1StringView updateMenuCaption = {};
    QLatin1StringView installedFile = {}; // looked up without regard to case
    RosterEditor editor;
    QLatin1StringView editorCaption = {};
    QLatin1StringView editStatusText = {};
    MapsSource mapsSource;
    QLatin1StringView waypointFolder = {}; // below the game folder
    QLatin1StringView waypointSuffix = {}; // with its dot, e.g. ".rw1"
    QLatin1StringView autostartPath = {};  // below the game folder, '/'-separated; empty for the plain game
    // Whether the main window shows and clears the autostart file: PLBot's label reads "Not Available" instead,
    // and clearing leaves its "bot.cfg" alone.
    bool autostartShown = true;
    int updateIndex; // index into UpdateNames; -1 for the plain game
};

// The read-only table of everything the launcher knows about each choice, compiled into the program.
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

    // The name of a choice's prepared copy of liblist.gam: "RamBot liblist.gam", "OLD liblist.gam" for the
    // plain game. Any other text is taken as a BotName, as the launch does with "OLD".
    static QString liblistVariant(QStringView botName);

    // The twelve 23-character item names of the update list, blank-padded: the program itself, then the add-ons.
    static UpdateNames updateNames();
};
