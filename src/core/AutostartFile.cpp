#include "AutostartFile.h"

#include "AppSettings.h"
#include "AtomicFile.h"
#include "BotCatalogue.h"
#include "FolderListing.h"
#include "RosterHeader.h"
#include "TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

// A roster file of ten thousand bots is a quarter of a megabyte; anything near this is no roster file.
constexpr qint64 largestFile = 16 * 1024 * 1024;
// The two header lines are short; reading stops after this much whatever the file holds.
constexpr qint64 headerBytes = 4096;

// The autostart file below the game folder, '/'-separated: the add-on's own, and "bot.cfg" for any other name.
QString relativePath(const QString &botName)
{
    const BotInfo *bot = BotCatalogue::find(botName);
    return QString(bot ? bot->autostartPath : BotInfo::commonAutostartPath);
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The first two lines of file, or the reason it cannot be read. Fewer lines come back as empty ones.
bool readHeader(QFile &file, QString *first, QString *second, QString *error)
{
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    const QStringList lines = TextLines::split(file.read(headerBytes));
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    *first = lines.value(0);
    *second = lines.value(1);
    return lines.size() >= 2;
}

} // namespace

QString AutostartFile::notValidMessage()
{
    return tr("This Is Not A Valid Config File For The Selected Bot");
}

QString AutostartFile::path(const QString &gameDir, const QString &botName)
{
    const QString relative = relativePath(botName);
    const QString existing = FolderListing::findPath(gameDir, relative);
    if (!existing.isEmpty())
        return existing;
    // A folder on the way that is there in another letter case is used as it is.
    const qsizetype slash = relative.lastIndexOf(u'/');
    const QString folder = slash < 0 ? gameDir : FolderListing::findPath(gameDir, relative.first(slash));
    if (folder.isEmpty())
        return QDir(gameDir).filePath(relative);
    return QDir(folder).filePath(relative.mid(slash + 1));
}

AutostartFile::Result AutostartFile::choose(const QString &file, const QString &gameDir, const QString &botName,
                                            AppSettings &settings)
{
    if (file.isEmpty())
        return {tr("Please select a config file in the list first.")};
    const QFileInfo info(file);
    if (!info.isFile()) {
        return {info.exists() ? tr("\"%1\" is not a config file but a folder or a device.").arg(native(file))
                              : tr("The file \"%1\" is not there any more.").arg(native(file))};
    }
    if (info.size() > largestFile) {
        return {tr("\"%1\" is too large for a config file: it holds %2 MB, and config files are never larger than "
                   "%3 MB.")
                    .arg(native(file))
                    .arg(info.size() / (1024 * 1024))
                    .arg(largestFile / (1024 * 1024))};
    }

    QFile source(file);
    QString first;
    QString second;
    QString error;
    const bool twoLines = readHeader(source, &first, &second, &error);
    if (!error.isEmpty())
        return {tr("Trevlin could not read \"%1\": %2").arg(native(file), error)};
    // A file of fewer than two lines is no roster file, whatever its one line says.
    if (!twoLines)
        return {notValidMessage()};
    switch (RosterHeader::check(first, second, botName)) {
    case RosterHeader::Match::OtherAddOn:
        return {notValidMessage()};
    case RosterHeader::Match::OtherVersion:
        return {tr("This config file is made with another version. Unable to load.")};
    case RosterHeader::Match::Matches:
        break;
    }

    source.seek(0);
    const QByteArray bytes = source.read(largestFile);
    if (source.error() != QFileDevice::NoError)
        return {tr("Trevlin could not read \"%1\": %2").arg(native(file), source.errorString())};
    const QString target = path(gameDir, botName);
    // PodBot's file lies in a folder of its own, which a fresh install may lack.
    if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !AtomicFile::write(target, bytes, &error)) {
        if (error.isEmpty())
            error = tr("its folder could not be made");
        return {tr("Trevlin could not copy \"%1\" to \"%2\": %3\n\nThe autostart file is as it was.")
                    .arg(native(file), native(target), error)};
    }
    if (!settings.setValue(AppSettings::Family::AutostartFile, botName, info.fileName())) {
        return {tr("\"%1\" is now the autostart file, but Trevlin could not remember that in \"%2\".")
                    .arg(info.fileName(), settings.location())};
    }
    return {};
}

bool AutostartFile::isChosen(const QString &file, const QString &gameDir, const QString &botName,
                             const AppSettings &settings)
{
    const QFileInfo info(file);
    const QString chosen = settings.value(AppSettings::Family::AutostartFile, botName);
    return chosen != AppSettings::none && info.fileName().compare(chosen, Qt::CaseInsensitive) == 0
        && QFileInfo(info.absolutePath()) == QFileInfo(gameDir);
}

AutostartFile::Result AutostartFile::clear(const QString &gameDir, const QString &botName, AppSettings &settings)
{
    const BotInfo *bot = BotCatalogue::find(botName);
    if (!bot || bot->autostartShown) {
        const QString existing = FolderListing::findPath(gameDir, relativePath(botName));
        QFile file(existing);
        if (!existing.isEmpty() && !file.remove() && file.exists())
            return {tr("Trevlin could not delete \"%1\": %2").arg(native(existing), file.errorString())};
    }
    if (!botName.isEmpty() && !settings.setValue(AppSettings::Family::AutostartFile, botName, AppSettings::none))
        return {tr("The autostart file is cleared, but Trevlin could not remember that in \"%1\".")
                    .arg(settings.location())};
    return {};
}
