#include "GameSetup.h"

#include "AppSettings.h"
#include "BotCatalogue.h"
#include "FolderListing.h"
#include "GameFolder.h"
#include "Liblist.h"
#include "Session.h"

using namespace Qt::Literals::StringLiterals;

GameSetup::StartUp GameSetup::startUp(Session &session, const AppSettings &settings, const QString &gameDir,
                                      QString *warning)
{
    const QString directory = gameDir.isEmpty() ? settings.value(AppSettings::Key::GameDir) : gameDir;
    if (directory == AppSettings::none)
        return StartUp::NoDirectory;
    session.setGameDir(directory);
    const QString halfLifeDir = gameDir.isEmpty() ? settings.value(AppSettings::Key::HalfLifeDir)
                                                  : GameFolder::halfLifeDir(session.gameDir());
    session.setHalfLifeDir(halfLifeDir == AppSettings::none ? QString() : halfLifeDir);

    const QString oldLiblist = FolderListing(session.gameDir()).find(BotCatalogue::liblistVariant(BotType::OriginalCS));
    if (oldLiblist.isEmpty())
        return StartUp::NotSetUp;
    QString error;
    if (const std::optional<QString> version = Liblist::read(oldLiblist, &error).version)
        session.setInstalledCsVersion(*version);
    if (!error.isEmpty() && warning) {
        *warning = error + u"\n\n"_s
            + tr("Without it Trevlin does not know the installed Counter-Strike version, and asks about the version at "
                 "every launch.");
    }
    session.setDirectoryValid(true);
    return StartUp::Ready;
}

GameSetup::Selection GameSetup::selectDirectory(Session &session, AppSettings &settings, const QString &path,
                                                QString *errorString)
{
    session.setGameDir(path);
    const QString gameDir = session.gameDir();
    if (!GameFolder::isValid(gameDir))
        return Selection::NotValid;
    // The Half-Life folder is remembered for the next start; this run keeps the one it started with.
    const bool remembered = settings.setValue(AppSettings::Key::GameDir, gameDir)
        && settings.setValue(AppSettings::Key::HalfLifeDir, GameFolder::halfLifeDir(gameDir));
    if (!GameFolder::writeBatchFile(gameDir, errorString))
        return Selection::BatchFileFailed;
    session.setDirectoryValid(true);
    if (!remembered) {
        if (errorString)
            *errorString = settings.location();
        return Selection::NotRemembered;
    }
    return Selection::Done;
}
