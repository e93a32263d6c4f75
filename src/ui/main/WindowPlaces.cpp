#include "WindowPlaces.h"

#include "AboutScreen.h"
#include "AddMultiple.h"
#include "BotDialog.h"
#include "ConfigFile.h"
#include "ConfigScreen.h"
#include "DirSelect.h"
#include "MainScreen.h"
#include "MapCycle.h"
#include "MotdScreen.h"
#include "OpenScreen.h"
#include "RosterWindow.h"
#include "SaveScreen.h"
#include "Update.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The keys are those earlier versions wrote, so that their settings still put the windows back. The roster editor
// and its dialogs serve every format, each under the object name the format gives it.
const WindowMemory::Place places[] = {
    {&MainScreen::staticMetaObject, "MainScreen"_L1},
    {&DirSelect::staticMetaObject, "DirSelect"_L1},
    {&ConfigFile::staticMetaObject, "ConfigFile"_L1},
    {&ConfigScreen::staticMetaObject, "ConfigScreen"_L1},
    {&MapCycle::staticMetaObject, "MapCycle"_L1},
    {&MotdScreen::staticMetaObject, "MotdScreen"_L1},
    {&Update::staticMetaObject, "Update"_L1},
    {&AboutScreen::staticMetaObject, "AboutScreen"_L1},
    {&RosterWindow::staticMetaObject, "EditScreen"_L1, nullptr, true},
    {&OpenScreen::staticMetaObject, "OpenScreen"_L1, nullptr, true},
    {&SaveScreen::staticMetaObject, "SaveScreen"_L1, nullptr, true},
    {&BotDialog::staticMetaObject, "AddScreen"_L1, nullptr, true},
    {&BotDialog::staticMetaObject, "EditBotScreen"_L1, nullptr, true},
    {&AddMultiple::staticMetaObject, "AddMultiple"_L1, nullptr, true},
    {&RosterWindow::staticMetaObject, "AndroidMain"_L1, nullptr, true},
    {&OpenScreen::staticMetaObject, "AndroidOpen"_L1, nullptr, true},
    {&SaveScreen::staticMetaObject, "AndroidSave"_L1, nullptr, true},
    {&BotDialog::staticMetaObject, "AndroidAdd"_L1, nullptr, true},
    {&BotDialog::staticMetaObject, "AndroidEdit"_L1, nullptr, true},
    {&AddMultiple::staticMetaObject, "AndroidMultiple"_L1, nullptr, true},
};

} // namespace

std::span<const WindowMemory::Place> WindowPlaces::all()
{
    return places;
}
