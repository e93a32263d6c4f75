#include "AddOnSetup.h"

#include "AtomicFile.h"
#include "BotCatalogue.h"
#include "BoundedFile.h"
#include "FolderFiles.h"
#include "FolderListing.h"
#include "GameDescriptor.h"
#include "Liblist.h"
#include "Platform.h"
#include "TextLines.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QLatin1StringView windowsKey{"gamedll"};
const QLatin1StringView linuxKey{"gamedll_linux"};

bool isInside(const QString &canonicalFolder, const QString &canonicalPath)
{
    return !canonicalPath.isEmpty() && canonicalPath.startsWith(canonicalFolder + u'/');
}

// A value the descriptor can hold: 8-bit, on one line, and without the quote that would end it early.
bool fitsDescriptor(const QString &value)
{
    return TextLines::fitsLatin1(value) && !value.contains(u'"')
        && std::none_of(value.cbegin(), value.cend(), [](QChar c) { return c.unicode() < 0x20; });
}

bool fail(QString *errorString, const QString &reason)
{
    if (errorString)
        *errorString = reason;
    return false;
}

bool writeChecked(const QString &path, const QByteArray &bytes, const AddOnSetup::Pair &libraries, QString *errorString)
{
    // What the game would read from the file is what was meant, or nothing is written.
    const LiblistInfo written = Liblist::parse(bytes);
    const auto holds = [](const std::optional<QString> &value, const QString &library, QChar separator) {
        return library.isEmpty() || value == QString(library).replace(u'\\', u'/').replace(u'/', separator);
    };
    if (!holds(written.gamedll, libraries.windowsLibrary, u'\\')
        || !holds(written.gamedllLinux, libraries.linuxLibrary, u'/'))
        return fail(errorString, AddOnSetup::tr("the file would not read back as written."));
    return AtomicFile::write(path, bytes, errorString);
}

} // namespace

AddOnSetup::Libraries AddOnSetup::findLibraries(const QString &gameDir)
{
    Libraries found;
    const QString top = QFileInfo(gameDir).canonicalFilePath();
    if (top.isEmpty())
        return found;
    // Level by level, so that a cut search has the libraries nearest the top.
    QStringList level{top};
    int entries = 0;
    for (int depth = 0; depth <= deepestLevel && !level.isEmpty(); ++depth) {
        QStringList next;
        for (const QString &folder : std::as_const(level)) {
            QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
            while (it.hasNext()) {
                if (++entries > mostEntries) {
                    found.cut = true;
                    break;
                }
                it.next();
                const QFileInfo entry = it.fileInfo();
                const QString name = entry.fileName();
                // A link may lead anywhere: it counts only where it leads to inside the folder, and no folder is
                // entered through one.
                if (entry.isSymLink() && (entry.isDir() || !isInside(top, entry.canonicalFilePath())))
                    continue;
                if (entry.isDir()) {
                    next << entry.filePath();
                    continue;
                }
                const bool windows = name.endsWith(".dll"_L1, Qt::CaseInsensitive);
                if (!windows && !name.endsWith(".so"_L1, Qt::CaseInsensitive))
                    continue;
                const QString relative = entry.filePath().mid(top.size() + 1);
                if (!GameDescriptor::isStockLibrary(relative))
                    (windows ? found.windowsLibraries : found.linuxLibraries) << relative;
            }
            if (found.cut)
                break;
        }
        if (found.cut)
            break;
        level = next;
    }
    FolderFiles::sortCaseBlind(found.windowsLibraries);
    FolderFiles::sortCaseBlind(found.linuxLibraries);
    return found;
}

AddOnSetup::Pair AddOnSetup::stockLibrariesFound(const QString &gameDir)
{
    Pair found;
    for (const QString &library : GameDescriptor::stockLibraries()) {
        const QString path = FolderListing::findPath(gameDir, library);
        if (path.isEmpty() || !QFileInfo(path).isFile())
            continue;
        QString &slot = library.endsWith(".dll"_L1) ? found.windowsLibrary : found.linuxLibrary;
        if (slot.isEmpty())
            slot = path.mid(QDir::cleanPath(gameDir).size() + 1);
    }
    return found;
}

std::optional<QString> AddOnSetup::libraryPath(const QString &gameDir, const QString &file, QString *errorString)
{
    const QString top = QFileInfo(gameDir).canonicalFilePath();
    const QString path = QFileInfo(file).canonicalFilePath();
    const QString shown = QDir::toNativeSeparators(file);
    if (!isInside(top, path)) {
        fail(errorString,
             tr("\"%1\" lies outside the game folder \"%2\": the game loads only a library inside it. Put the "
                "add-on's files into the game folder first.")
                 .arg(shown, QDir::toNativeSeparators(gameDir)));
        return std::nullopt;
    }
    if (!QFileInfo(path).isFile()) {
        fail(errorString, tr("\"%1\" is not a file.").arg(shown));
        return std::nullopt;
    }
    const QString relative = path.mid(top.size() + 1);
    if (!fitsDescriptor(relative)) {
        fail(errorString,
             tr("The name \"%1\" cannot be written into liblist.gam: it holds a character that the "
                "game's 8-bit files cannot hold, or a quote.")
                 .arg(shown));
        return std::nullopt;
    }
    return relative;
}

QByteArray AddOnSetup::descriptor(const QByteArray &own, const Pair &libraries)
{
    QStringList lines = TextLines::split(own);
    const auto put = [&lines](QLatin1StringView key, const QString &library, QChar separator) {
        if (library.isEmpty())
            return;
        const QString line
            = key + u" \""_s + QString(library).replace(u'/', separator).replace(u'\\', separator) + u'"';
        bool found = false;
        for (QString &text : lines) {
            const std::optional<Liblist::Line> parsed = Liblist::parseLine(text);
            if (parsed && parsed->key == key) {
                text = line;
                found = true;
            }
        }
        if (!found)
            lines << line;
    };
    put(windowsKey, libraries.windowsLibrary, u'\\');
    put(linuxKey, libraries.linuxLibrary, u'/');
    return TextLines::join(lines);
}

bool AddOnSetup::isSetUp(const QString &gameDir, const QString &botName)
{
    return !FolderListing(gameDir).find(BotCatalogue::liblistVariant(botName)).isEmpty();
}

bool AddOnSetup::setUp(const QString &gameDir, const QString &botName, const Pair &libraries, QString *errorString)
{
    if (libraries.windowsLibrary.isEmpty() && libraries.linuxLibrary.isEmpty())
        return fail(errorString, tr("no game library is chosen."));
    if (!fitsDescriptor(libraries.windowsLibrary) || !fitsDescriptor(libraries.linuxLibrary))
        return fail(errorString, tr("a library's name cannot be written into liblist.gam."));
    const FolderListing folder(gameDir);
    const QString ownName = BotCatalogue::liblistVariant(BotType::OriginalCS);
    const QString ownPath = folder.find(ownName);
    if (ownPath.isEmpty())
        return fail(errorString, tr("the folder holds no \"%1\", the game's own descriptor.").arg(ownName));
    const BoundedFile::Result own = BoundedFile::read(ownPath, BoundedFile::smallFileLimit);
    if (!own.isRead())
        return fail(errorString, own.error);
    const QString variantName = BotCatalogue::liblistVariant(botName);
    const QString existing = folder.find(variantName);
    return writeChecked(existing.isEmpty() ? QDir(gameDir).filePath(variantName) : existing,
                        descriptor(own.bytes, libraries), libraries, errorString);
}

bool AddOnSetup::keepOwnDescriptor(const QString &gameDir, QString *errorString)
{
    const FolderListing folder(gameDir);
    const QString ownName = BotCatalogue::liblistVariant(BotType::OriginalCS);
    if (!folder.find(ownName).isEmpty())
        return fail(errorString, GameDescriptor::tr("The folder already holds \"%1\".").arg(ownName));
    const Pair stock = stockLibrariesFound(gameDir);
    if (stock.windowsLibrary.isEmpty() && stock.linuxLibrary.isEmpty())
        return fail(errorString,
                    tr("The folder holds none of the game's own libraries (%1).")
                        .arg(GameDescriptor::stockLibraries().join(u", "_s)));
    const QString current = folder.find(BotCatalogue::liblistName);
    const BoundedFile::Result file
        = current.isEmpty() ? BoundedFile::Result{} : BoundedFile::read(current, BoundedFile::smallFileLimit);
    if (!file.isRead())
        return fail(errorString, current.isEmpty() ? tr("The folder holds no liblist.gam.") : file.error);
    return writeChecked(QDir(gameDir).filePath(ownName), descriptor(file.bytes, stock), stock, errorString);
}

QString AddOnSetup::missingLibraryNote(const QString &botName, const LiblistInfo &info)
{
    return GameDescriptor::loadsAddOnLibrary(info) ? QString() : Platform::missingLibraryNote(botName);
}
