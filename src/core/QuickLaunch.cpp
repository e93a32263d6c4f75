#include "QuickLaunch.h"

#include "AppSettings.h"
#include "BotCatalogue.h"
#include "FolderListing.h"
#include "GameLauncher.h"
#include "GameSetup.h"
#include "Platform.h"
#include "Session.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

const BotInfo *addOnNamed(const QString &name)
{
    for (const BotInfo &bot : BotCatalogue::all()) {
        if (name.compare(bot.botName, Qt::CaseInsensitive) == 0)
            return &bot;
    }
    return nullptr;
}

QString names()
{
    QStringList names;
    for (const BotInfo &bot : BotCatalogue::all())
        names << QString(bot.botName);
    return names.join(u", "_s);
}

} // namespace

QuickLaunch::Outcome QuickLaunch::run(const QString &addOn, const AppSettings &settings, const QString &gameDir)
{
    const BotInfo *bot = addOnNamed(addOn);
    if (!bot)
        return {1, u"Trevlin knows no add-on called \"%1\"; it knows %2."_s.arg(addOn, names())};

    Session session;
    switch (GameSetup::startUp(session, settings, gameDir)) {
    case GameSetup::StartUp::NoDirectory:
        return {1,
                u"No Counter-Strike folder is chosen yet: choose it in Trevlin's window, or give it with "
                "--game-dir."_s};
    case GameSetup::StartUp::NotSetUp:
        return {1,
                u"The folder \"%1\" is not set up for Trevlin: it holds no \"OLD liblist.gam\"."_s.arg(
                    QDir::toNativeSeparators(session.gameDir()))};
    case GameSetup::StartUp::Ready:
        break;
    }
    const QString botName(bot->botName);
    const QString variant = BotCatalogue::liblistVariant(bot->type);
    if (FolderListing(session.gameDir()).find(variant).isEmpty()) {
        return {1,
                u"%1 is not installed in \"%2\": there is no \"%3\"."_s.arg(
                    botName, QDir::toNativeSeparators(session.gameDir()), variant)};
    }
    // The plain game is activated as the play button does it, by the name its prepared copy bears.
    const QString activated = bot->type == BotType::OriginalCS ? QString(BotCatalogue::plainGameName) : botName;
    QString error;
    if (GameLauncher::activateVariant(session.gameDir(), activated, &error) != GameLauncher::Result::Done) {
        return {1,
                u"Trevlin could not put \"%1\" in place of liblist.gam: %2"_s.arg(
                    BotCatalogue::liblistVariant(activated), error)};
    }
    const LaunchCommand command = GameLauncher::command(session.gameDir());
    if (!command.isRunnable())
        return {1, command.problem};
    if (!Platform::start(command))
        return {1, u"Counter-Strike could not be started: %1 did not run."_s.arg(command.commandLine())};
    return {0, GameLauncher::startedMessage(activated, command)};
}
