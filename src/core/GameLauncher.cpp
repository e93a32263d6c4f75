#include "GameLauncher.h"

#include "AtomicFile.h"
#include "BotCatalogue.h"
#include "BoundedFile.h"
#include "FolderListing.h"
#include "GameFolder.h"
#include "Platform.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

GameLauncher::Result GameLauncher::activateVariant(const QString &gameDir, const QString &botName, QString *errorString)
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
    const QString existing = folder.find(u"liblist.gam"_s);
    const QString target = existing.isEmpty() ? QDir(gameDir).filePath(u"liblist.gam"_s) : existing;
    return AtomicFile::write(target, bytes, errorString) ? Result::Done : Result::WriteFailed;
}

LaunchCommand GameLauncher::command(const QString &gameDir)
{
    // The game folder is absolute: the folder above it is found without asking the process where it is.
    return Platform::gameCommand({gameDir, GameFolder::halfLifeDir(QDir::cleanPath(gameDir)),
                                  GameFolder::batchFilePath(gameDir), GameFolder::gameArguments(gameDir)});
}

QString GameLauncher::startedMessage(const QString &botName, const LaunchCommand &command)
{
    const BotInfo *bot = BotCatalogue::find(botName);
    const QString with = bot && bot->type != BotType::OriginalCS ? u"with "_s + botName : u"without bots"_s;
    return u"Counter-Strike was started %1: %2"_s.arg(with, command.commandLine());
}

QString LaunchCommand::commandLine() const
{
    return (QStringList{QDir::toNativeSeparators(program)} + arguments).join(u' ');
}
