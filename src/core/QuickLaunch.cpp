#include "QuickLaunch.h"

#include "AppSettings.h"
#include "BotCatalogue.h"
#include "FolderListing.h"
#include "GameLauncher.h"
#include "GameSetup.h"
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
        return {1, tr("Trevlin knows no add-on called \"%1\"; it knows %2.").arg(addOn, names())};

    Session session;
    switch (GameSetup::startUp(session, settings, gameDir)) {
    case GameSetup::StartUp::NoDirectory:
        return {1,
                tr("No Counter-Strike folder is chosen yet: choose it in Trevlin's window, or give it with "
                   "--game-dir.")};
    case GameSetup::StartUp::NotSetUp:
        return {
            1,
            tr("The folder \"%1\" is not set up for Trevlin: it holds no \"%2\".")
                .arg(QDir::toNativeSeparators(session.gameDir()), BotCatalogue::liblistVariant(BotType::OriginalCS))};
    case GameSetup::StartUp::Ready:
        break;
    }
    const QString botName(bot->botName);
    const QString variant = BotCatalogue::liblistVariant(bot->type);
    if (FolderListing(session.gameDir()).find(variant).isEmpty()) {
        return {1,
                tr("%1 is not installed in \"%2\": there is no \"%3\".")
                    .arg(botName, QDir::toNativeSeparators(session.gameDir()), variant)};
    }
    session.setBotName(botName);
    const bool startDirectly = settings.value(AppSettings::Key::StartDirectly) == u"1"_s;
    const GameLauncher::Launch launch = GameLauncher::launch(session, bot->type == BotType::OriginalCS, startDirectly);
    return {launch.outcome == GameLauncher::Launch::Outcome::Started ? 0 : 1, launch.message()};
}
