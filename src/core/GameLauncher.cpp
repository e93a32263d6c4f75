#include "GameLauncher.h"

#include "AddOnSetup.h"
#include "AtomicFile.h"
#include "BotCatalogue.h"
#include "BoundedFile.h"
#include "FolderListing.h"
#include "GameFolder.h"
#include "GameProcess.h"
#include "Liblist.h"
#include "Platform.h"
#include "Session.h"
#include "SteamLibraries.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

GameLauncher::Launch GameLauncher::launch(Session &session, bool plainGameChosen, bool startDirectly,
                                          const std::function<bool()> &goOn, GameProcess *game)
{
    using enum Launch::Outcome;
    Launch launch{NotSetUp, session.botName(), session.gameDir(), {}, {}, {}};
    if (!session.isDirectoryValid())
        return launch;
    if (goOn && !goOn()) {
        launch.outcome = Declined;
        return launch;
    }
    if (!session.enterGameDir())
        return launch;
    if (plainGameChosen)
        session.setBotName(BotCatalogue::plainGameName);
    launch.botName = session.botName();
    LiblistInfo activated;
    switch (activateVariant(launch.gameDir, launch.botName, &launch.error, &activated)) {
    case Result::VariantMissing:
        launch.outcome = VariantMissing;
        return launch;
    case Result::WriteFailed:
        launch.outcome = WriteFailed;
        return launch;
    case Result::Done:
        break;
    }
    launch.command = command(launch.gameDir, startDirectly);
    if (!launch.command.isRunnable()) {
        launch.outcome = NotRunnable;
        return launch;
    }
    // Steam's client hands the game to Steam and ends: its end says nothing of the game's.
    const bool watched = game && !launch.command.throughSteam;
    launch.outcome = (watched ? game->start(launch.command) : Platform::start(launch.command)) ? Started : NotStarted;
    const BotInfo *bot = BotCatalogue::find(launch.botName);
    if (launch.outcome == Started && bot && bot->type != BotType::OriginalCS)
        launch.note = AddOnSetup::missingLibraryNote(launch.botName, activated);
    return launch;
}

QString GameLauncher::Launch::message() const
{
    switch (outcome) {
    case Outcome::NotSetUp:
    case Outcome::Declined:
        break;
    case Outcome::VariantMissing: {
        const QString missing = tr("There is no readable \"%1\" in the folder \"%2\".")
                                    .arg(BotCatalogue::liblistVariant(botName), QDir::toNativeSeparators(gameDir));
        return error.isEmpty() ? missing : missing + u"\n\n"_s + error;
    }
    case Outcome::WriteFailed:
        return tr("Trevlin could not put \"%1\" in place of liblist.gam in the folder \"%2\": %3\n\nThe game folder "
                  "still holds its previous liblist.gam.")
            .arg(BotCatalogue::liblistVariant(botName), QDir::toNativeSeparators(gameDir), error);
    case Outcome::NotRunnable:
        return command.problem;
    case Outcome::NotStarted:
        return tr("Counter-Strike could not be started: %1 did not run.").arg(command.commandLine());
    case Outcome::Started: {
        const BotInfo *bot = BotCatalogue::find(botName);
        const bool withBots = bot && bot->type != BotType::OriginalCS;
        QString started;
        if (command.throughSteam)
            started = withBots
                ? tr("Counter-Strike was started through Steam with %1: %2").arg(botName, command.commandLine())
                : tr("Counter-Strike was started through Steam without bots: %1").arg(command.commandLine());
        else
            started = withBots ? tr("Counter-Strike was started with %1: %2").arg(botName, command.commandLine())
                               : tr("Counter-Strike was started without bots: %1").arg(command.commandLine());
        return note.isEmpty() ? started : started + u'\n' + note + u'.';
    }
    }
    return {};
}

GameLauncher::Result GameLauncher::activateVariant(const QString &gameDir, const QString &botName, QString *errorString,
                                                   LiblistInfo *activated)
{
    const FolderListing folder(gameDir);
    // A choice without a name would look for " liblist.gam"; that is no prepared copy.
    const QString variantPath = botName.isEmpty() ? QString() : folder.find(BotCatalogue::liblistVariant(botName));
    if (variantPath.isEmpty())
        return Result::VariantMissing;
    const BoundedFile::Result variant = BoundedFile::read(variantPath, BoundedFile::smallFileLimit);
    if (!variant.isRead()) {
        if (errorString)
            *errorString = variant.error;
        return Result::VariantMissing;
    }
    const QByteArray &bytes = variant.bytes;
    if (activated)
        *activated = Liblist::parse(bytes);
    const QString existing = folder.find(BotCatalogue::liblistName);
    const QString target = existing.isEmpty() ? QDir(gameDir).filePath(BotCatalogue::liblistName) : existing;
    return AtomicFile::write(target, bytes, errorString) ? Result::Done : Result::WriteFailed;
}

LaunchCommand GameLauncher::command(const QString &gameDir, bool startDirectly)
{
    // The game folder is absolute: the folder above it is found without asking the process where it is.
    const QString halfLifeDir = GameFolder::halfLifeDir(QDir::cleanPath(gameDir));
    const QStringList arguments = GameFolder::gameArguments(gameDir);
    if (!startDirectly && SteamLibraries::holdsGameFolder(gameDir)) {
        if (const QString steam = Platform::steamProgram(); !steam.isEmpty()) {
            LaunchCommand viaSteam{steam, QStringList{u"-applaunch"_s, steamAppId} + arguments, halfLifeDir, {}};
            viaSteam.throughSteam = true;
            return viaSteam;
        }
    }
    return Platform::gameCommand({gameDir, halfLifeDir, GameFolder::batchFilePath(gameDir), arguments});
}

QString LaunchCommand::commandLine() const
{
    return (QStringList{QDir::toNativeSeparators(program)} + arguments).join(u' ');
}
