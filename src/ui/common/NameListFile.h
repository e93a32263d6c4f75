#pragma once

#include "NameList.h"

#include <optional>

class QLineEdit;
class QString;
class QWidget;

// The name list file as both add-several dialogs use it: found in the game folder in any letter case, read, or
// opened in the program the system has for it. Every failure is told to the user here.
namespace NameListFile {

// The names, or none after a message saying why there are none.
std::optional<NameList> read(QWidget *parent, const QString &gameDir);
// What Done of an add-several dialog starts from: the typed number and skill checked, then the dialog's number
// boxes against their up-downs, the names read, and the number of bots, no more than there are names (the number
// box then shows how many). None after a message.
struct Draw
{
    NameList names;
    int count = 0;
};
std::optional<Draw> prepareDraw(QWidget *dialog, const QString &gameDir, QLineEdit *number, const QString &skill,
                                bool autoSkill);
// "Edit Bot Names".
void openInEditor(QWidget *parent, const QString &gameDir);

} // namespace NameListFile
