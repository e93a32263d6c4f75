#pragma once

#include "BotCatalogue.h"
#include "Liblist.h"

#include <QString>

class AppSettings;

// What the main window shows when the user chooses an add-on: what its prepared liblist.gam says, the maps it
// has waypoints for, and the autostart file remembered for it.
struct BotChoice
{
    LiblistInfo liblist;
    QString supportedMaps;
    QString autostartFile; // the remembered file's name, "None", or "Not Available" where there is no choice

    static BotChoice describe(const QString &gameDir, const AppSettings &settings, BotType type);
};
