#pragma once

#include <QLatin1StringView>

#include <array>

// The teams and skins of the generic add-ons, in one place: the entry dialogs list them, the roster file writes
// their codes and reads them back, and the preview pictures are keyed by them. They are the program's own names and
// double as keys, so they stand here untranslated.
namespace SkinTable {

inline constexpr QLatin1StringView terrorist("Terrorist");
inline constexpr QLatin1StringView counterTerrorist("Counter Terrorist");
inline constexpr QLatin1StringView autoSelect("Auto Select");

// Which team's skin list holds a skin: the models of the two sides, the four combined skins of the "Auto Select"
// team, and the three skins that leave the choice to the game.
enum class Group { Terrorist, CounterTerrorist, Combined, Automatic };

struct Skin
{
    QLatin1StringView name;
    char code; // its code in a bot line, 1 to 4 by its place in its list; the automatic skins are 5
    Group group;
    bool pictured; // a preview picture has this skin's name; the others show "Auto Select"
};

inline constexpr std::array skins{
    Skin{QLatin1StringView("Phoenix Connection"), '1', Group::Terrorist, true},
    Skin{QLatin1StringView("L337 Krew"), '2', Group::Terrorist, true},
    Skin{QLatin1StringView("Arctic Avengers"), '3', Group::Terrorist, true},
    Skin{QLatin1StringView("Gorilla Warface"), '4', Group::Terrorist, true},
    Skin{QLatin1StringView("Seal Team 6 (DEVGRU)"), '1', Group::CounterTerrorist, true},
    Skin{QLatin1StringView("German GSG-9"), '2', Group::CounterTerrorist, true},
    Skin{QLatin1StringView("UK SAS"), '3', Group::CounterTerrorist, true},
    Skin{QLatin1StringView("French GIGN"), '4', Group::CounterTerrorist, true},
    Skin{QLatin1StringView("Seal Team 6 / Phoenix"), '1', Group::Combined, false},
    Skin{QLatin1StringView("German GSG-9 / L337 Krew"), '2', Group::Combined, false},
    Skin{QLatin1StringView("UK SAS / Arctic Avengers"), '3', Group::Combined, false},
    Skin{QLatin1StringView("French GIGN / Gorilla Warface"), '4', Group::Combined, false},
    Skin{QLatin1StringView("Auto Select Terrorist"), '5', Group::Terrorist, true},
    Skin{QLatin1StringView("Auto Select Counter Terrorist"), '5', Group::CounterTerrorist, true},
    Skin{autoSelect, '5', Group::Combined, true},
};

// The skin a preview picture shows for all that have none of their own.
inline constexpr const Skin &fallbackPicture = skins.back();

} // namespace SkinTable
