#pragma once

#include <QString>

// Which rows of the update list are marked when the window fills them.
namespace VersionMarks {

// Whether the item at index (0 is the program itself) has a newer version on the server than installed.
// An item never installed through the window ("N/A") counts as version 0 against a numeric server version.
bool isNewer(int index, const QString &serverVersion, const QString &installedVersion);

} // namespace VersionMarks
