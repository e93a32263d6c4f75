#include "GameSetup.h"

#include "AppSettings.h"
#include "AppState.h"
#include "FolderListing.h"
#include "GameFolder.h"
#include "Liblist.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

GameSetup::StartUp GameSetup::startUp(AppState &state, const AppSettings &settings, const QString &gameDir,
                                      QString *warning)
{
    state.updateNames = BotCatalogue::updateNames();
    const QString directory = gameDir.isEmpty() ? settings.value(AppSettings::Key::GameDir) : gameDir;
    if (directory == AppSettings::none)
        return StartUp::NoDirectory;
    state.gameDir = directory;
    state.halfLifeDir
        = gameDir.isEmpty() ? settings.value(AppSettings::Key::HalfLifeDir) : GameFolder::halfLifeDir(gameDir);

    const QString oldLiblist = FolderListing(state.gameDir).find(u"OLD liblist.gam"_s);
    if (oldLiblist.isEmpty())
        return StartUp::NotSetUp;
    QString error;
    if (const std::optional<QString> version = Liblist::read(oldLiblist, &error).version)
        state.installedCsVersion = *version;
    if (!error.isEmpty() && warning) {
        *warning = error
            + u"\n\nWithout it Trevlin does not know the installed Counter-Strike version, and asks about the "
              u"version at every launch."_s;
    }
    state.directoryValid = true;
    return StartUp::Ready;
}

GameSetup::Selection GameSetup::selectDirectory(AppState &state, AppSettings &settings, const QString &path,
                                                QString *errorString)
{
    state.gameDir = path;
    if (!GameFolder::isValid(path))
        return Selection::NotValid;
    // The Half-Life folder is remembered for the next start; this run keeps the one it started with.
    const bool remembered = settings.setValue(AppSettings::Key::GameDir, path)
        && settings.setValue(AppSettings::Key::HalfLifeDir, GameFolder::halfLifeDir(path));
    if (!GameFolder::writeBatchFile(path, errorString))
        return Selection::BatchFileFailed;
    state.directoryValid = true;
    if (!remembered) {
        if (errorString)
            *errorString = settings.location();
        return Selection::NotRemembered;
    }
    return Selection::Done;
}

bool GameSetup::enterGameDir(const AppState &state)
{
    return !state.gameDir.isEmpty() && QDir::setCurrent(state.gameDir);
}
