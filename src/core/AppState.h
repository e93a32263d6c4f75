#pragma once

#include "BotCatalogue.h"

#include <QString>

// The one record that every window shares: built once at start and handed to each window by reference.
// Nothing in it is persisted; the settings hold what outlives a run.
struct AppState
{
    QString gameDir;     // the mod folder, e.g. a path ending in "cstrike"
    QString halfLifeDir; // the folder above GameDir, as read at start-up
    QString botName;     // the current choice's name; "OLD" after launching the plain game
    bool directoryValid = false;
    QString installedCsVersion; // the "version" of "OLD liblist.gam"
    bool rosterChanged = false; // a roster editor holds unsaved edits
    BotCatalogue::UpdateNames updateNames;
};
