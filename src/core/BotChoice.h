#pragma once

#include "BotCatalogue.h"
#include "Liblist.h"

#include <QString>

#include <optional>

class AppSettings;

// What the main window shows when the user chooses an add-on: what its prepared liblist.gam says, the maps it
// has waypoints for, and the autostart file remembered for it.
struct BotChoice
{
    LiblistInfo liblist;
    QString supportedMaps;
    // The autostart file remembered for the add-on, empty when none is; none for an add-on whose autostart file is
    // not chosen from the main window (PLBot).
    std::optional<QString> autostartFile;

    static BotChoice describe(const QString &gameDir, const AppSettings &settings, BotType type);
};
