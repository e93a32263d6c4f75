#include "BotChoice.h"

#include "AppSettings.h"
#include "FolderListing.h"
#include "SupportedMaps.h"

using namespace Qt::Literals::StringLiterals;

BotChoice BotChoice::describe(const QString &gameDir, const AppSettings &settings, BotType type)
{
    const BotInfo &bot = BotCatalogue::info(type);
    BotChoice choice;
    choice.liblist = Liblist::read(FolderListing(gameDir).find(BotCatalogue::liblistVariant(type)));
    choice.supportedMaps = SupportedMaps::text(gameDir, bot);
    if (bot.autostartShown) {
        const QString file = settings.value(AppSettings::Family::AutostartFile, QString(bot.botName));
        choice.autostartFile = file == AppSettings::none ? QString() : file;
    }
    return choice;
}
