#pragma once

#include "RosterOptions.h"

#include <QLatin1StringView>

#include <array>

// The fixed texts of a roster file that the writer puts in and the reader expects, kept in one place so that the
// two cannot drift apart.
namespace RosterLines {

// A check box written as one of two fixed lines.
struct CheckLine
{
    QLatin1StringView off;
    QLatin1StringView on;
    RosterOptions::Option option;
};

inline constexpr CheckLine autoTeamBalance{QLatin1StringView("mp_autoteambalance 0"),
                                           QLatin1StringView("mp_autoteambalance 1"),
                                           RosterOptions::Option::AutoTeamBalance};
// View Waypoints, then the boxes of team 1 and team 2.
inline constexpr std::array waypoints{
    CheckLine{QLatin1StringView("waypoint off"), QLatin1StringView("waypoint on"),
              RosterOptions::Option::ViewWaypoints},
    CheckLine{QLatin1StringView("waypoint 1 off"), QLatin1StringView("waypoint 1 on"),
              RosterOptions::Option::WaypointsTeam1},
    CheckLine{QLatin1StringView("waypoint 2 off"), QLatin1StringView("waypoint 2 on"),
              RosterOptions::Option::WaypointsTeam2},
};
inline constexpr CheckLine observer{QLatin1StringView("observer 0"), QLatin1StringView("observer 1"),
                                    RosterOptions::Option::Observer};
inline constexpr CheckLine botsDontShoot{QLatin1StringView("botsdontshoot 0"), QLatin1StringView("botsdontshoot 1"),
                                         RosterOptions::Option::BotsDontShoot};

// The team texts of the roster; the file writes them as 1, 2 and 5.
inline constexpr QLatin1StringView terrorist("Terrorist");
inline constexpr QLatin1StringView counterTerrorist("Counter Terrorist");
inline constexpr QLatin1StringView autoSelect("Auto Select");

// The player models of each team, in the order of their codes 1 to 4, and the skins that leave the choice to the
// game: code 5, as are the four combined skins of the "Auto Select" team by their codes 1 to 4.
inline constexpr std::array terroristModels{QLatin1StringView("Phoenix Connection"), QLatin1StringView("L337 Krew"),
                                            QLatin1StringView("Arctic Avengers"), QLatin1StringView("Gorilla Warface")};
inline constexpr std::array counterTerroristModels{QLatin1StringView("Seal Team 6 (DEVGRU)"),
                                                   QLatin1StringView("German GSG-9"), QLatin1StringView("UK SAS"),
                                                   QLatin1StringView("French GIGN")};
inline constexpr std::array combinedSkins{
    QLatin1StringView("Seal Team 6 / Phoenix"), QLatin1StringView("German GSG-9 / L337 Krew"),
    QLatin1StringView("UK SAS / Arctic Avengers"), QLatin1StringView("French GIGN / Gorilla Warface")};
inline constexpr QLatin1StringView autoSelectTerrorist("Auto Select Terrorist");
inline constexpr QLatin1StringView autoSelectCounterTerrorist("Auto Select Counter Terrorist");

} // namespace RosterLines
