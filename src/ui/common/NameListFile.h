#pragma once

#include "NameList.h"

#include <optional>

class QString;
class QWidget;

// The name list file as both add-several dialogs use it: found in the game folder in any letter case, read, or
// opened in the program the system has for it. Every failure is told to the user here.
namespace NameListFile {

// The names, or none after a message saying why there are none.
std::optional<NameList> read(QWidget *parent, const QString &gameDir);
// "Edit Bot Names".
void openInEditor(QWidget *parent, const QString &gameDir);

} // namespace NameListFile
