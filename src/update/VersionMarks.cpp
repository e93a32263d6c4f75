#include "VersionMarks.h"

#include "AppSettings.h"
#include "ProgramVersion.h"

using namespace Qt::Literals::StringLiterals;

bool VersionMarks::isNewer(int index, const QString &serverVersion, const QString &installedVersion)
{
    // Versions compare as texts, character by character by code: "10" sorts below "9", as it always has.
    if (index == 0)
        return serverVersion.compare(programVersion, Qt::CaseSensitive) > 0;
    if (installedVersion == AppSettings::defaultValue(AppSettings::Family::InstalledVersion)) {
        // A server version that is no number says nothing about being newer: the row stays unmarked.
        bool numeric = false;
        const double version = serverVersion.trimmed().toDouble(&numeric);
        return numeric && version > 0;
    }
    return serverVersion.compare(installedVersion, Qt::CaseSensitive) > 0;
}
