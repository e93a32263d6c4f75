#include "WindowPlaces.h"

#include "AboutScreen.h"
#include "AddMultiple.h"
#include "AddScreen.h"
#include "AndroidAdd.h"
#include "AndroidEdit.h"
#include "AndroidMain.h"
#include "AndroidMultiple.h"
#include "ConfigFile.h"
#include "ConfigScreen.h"
#include "DirSelect.h"
#include "EditBotScreen.h"
#include "EditScreen.h"
#include "MainScreen.h"
#include "MapCycle.h"
#include "MotdScreen.h"
#include "OpenScreen.h"
#include "SaveScreen.h"
#include "Update.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The keys are those earlier versions wrote, so that their settings still put the windows back. The open and save
// dialogs are kept apart by the editor they serve.
const WindowMemory::Place places[] = {
    {&MainScreen::staticMetaObject, "MainScreen"_L1},
    {&DirSelect::staticMetaObject, "DirSelect"_L1},
    {&ConfigFile::staticMetaObject, "ConfigFile"_L1},
    {&ConfigScreen::staticMetaObject, "ConfigScreen"_L1},
    {&MapCycle::staticMetaObject, "MapCycle"_L1},
    {&MotdScreen::staticMetaObject, "MotdScreen"_L1},
    {&Update::staticMetaObject, "Update"_L1},
    {&AboutScreen::staticMetaObject, "AboutScreen"_L1},
    {&EditScreen::staticMetaObject, "EditScreen"_L1},
    {&OpenScreen::staticMetaObject, "OpenScreen"_L1, &EditScreen::staticMetaObject},
    {&SaveScreen::staticMetaObject, "SaveScreen"_L1, &EditScreen::staticMetaObject},
    {&AddScreen::staticMetaObject, "AddScreen"_L1},
    {&EditBotScreen::staticMetaObject, "EditBotScreen"_L1},
    {&AddMultiple::staticMetaObject, "AddMultiple"_L1},
    {&AndroidMain::staticMetaObject, "AndroidMain"_L1},
    {&OpenScreen::staticMetaObject, "AndroidOpen"_L1, &AndroidMain::staticMetaObject},
    {&SaveScreen::staticMetaObject, "AndroidSave"_L1, &AndroidMain::staticMetaObject},
    {&AndroidAdd::staticMetaObject, "AndroidAdd"_L1},
    {&AndroidEdit::staticMetaObject, "AndroidEdit"_L1},
    {&AndroidMultiple::staticMetaObject, "AndroidMultiple"_L1},
};

} // namespace

std::span<const WindowMemory::Place> WindowPlaces::all()
{
    return places;
}
