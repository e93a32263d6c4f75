#include "GameDescriptor.h"

#include "AtomicFile.h"
#include "BotCatalogue.h"
#include "BoundedFile.h"
#include "FolderListing.h"
#include "Liblist.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Descriptor
{
    GameDescriptor::Finding finding;
    QByteArray bytes;
};

struct Library
{
    std::optional<QString> named;
    QStringList stock; // the game's own library in its place; older Linux builds name it cs_i386.so
};

// The library the game loads on this platform.
Library loadedLibrary(const LiblistInfo &info)
{
#ifndef Q_OS_WIN
    // The Linux game loads gamedll_linux; only a file without one falls back on gamedll.
    if (info.gamedllLinux)
        return {info.gamedllLinux, {u"dlls/cs.so"_s, u"dlls/cs_i386.so"_s}};
#endif
    return {info.gamedll, {u"dlls/mp.dll"_s}};
}

// The same limit as the start-up and the launch read the copy with: a file they would turn down is never copied.
Descriptor readDescriptor(const QString &gameDir)
{
    const FolderListing folder(gameDir);
    // A copy already there may be the only record of the game's own file: it is never replaced.
    if (!folder.find(BotCatalogue::liblistVariant(BotType::OriginalCS)).isEmpty())
        return {{GameDescriptor::Finding::Kind::Kept, {}, {}}, {}};
    const QString path = folder.find(BotCatalogue::liblistName);
    if (path.isEmpty())
        return {};
    const BoundedFile::Result file = BoundedFile::read(path, BoundedFile::smallFileLimit);
    if (!file.isRead())
        return {{GameDescriptor::Finding::Kind::Unreadable, {}, file.error}, {}};
    const LiblistInfo info = Liblist::parse(file.bytes);
    const GameDescriptor::Finding::Kind kind = GameDescriptor::namesStockLibrary(info)
        ? GameDescriptor::Finding::Kind::Stock
        : GameDescriptor::Finding::Kind::OtherLibrary;
    return {{kind, loadedLibrary(info).named.value_or(QString()), {}}, file.bytes};
}

} // namespace

GameDescriptor::Finding GameDescriptor::examine(const QString &gameDir)
{
    return readDescriptor(gameDir).finding;
}

bool GameDescriptor::namesStockLibrary(const LiblistInfo &info)
{
    const Library library = loadedLibrary(info);
    return library.named && library.stock.contains(QString(*library.named).replace(u'\\', u'/'), Qt::CaseInsensitive);
}

bool GameDescriptor::isStockLibrary(const QString &path)
{
    return stockLibraries().contains(QDir::cleanPath(QString(path).replace(u'\\', u'/')), Qt::CaseInsensitive);
}

bool GameDescriptor::loadsAddOnLibrary(const LiblistInfo &info)
{
#ifdef Q_OS_WIN
    const QLatin1StringView suffix{".dll"};
#else
    const QLatin1StringView suffix{".so"};
#endif
    const std::optional<QString> named = loadedLibrary(info).named;
    return named && named->endsWith(suffix, Qt::CaseInsensitive) && !isStockLibrary(*named);
}

QStringList GameDescriptor::stockLibraries()
{
    return {u"dlls/mp.dll"_s, u"dlls/cs.so"_s, u"dlls/cs_i386.so"_s};
}

bool GameDescriptor::keepCopy(const QString &gameDir, QString *errorString)
{
    const QString copyName = BotCatalogue::liblistVariant(BotType::OriginalCS);
    const auto fail = [errorString](const QString &reason) {
        if (errorString)
            *errorString = reason;
        return false;
    };
    const Descriptor descriptor = readDescriptor(gameDir);
    switch (descriptor.finding.kind) {
    case Finding::Kind::Kept:
        return fail(tr("The folder already holds \"%1\".").arg(copyName));
    case Finding::Kind::Missing:
        return fail(tr("The folder holds no %1.").arg(BotCatalogue::liblistName));
    case Finding::Kind::Unreadable:
        return fail(descriptor.finding.error);
    case Finding::Kind::OtherLibrary:
        return fail(tr("Its %1 starts \"%2\", not the game's own library.")
                        .arg(BotCatalogue::liblistName, descriptor.finding.library));
    case Finding::Kind::Stock:
        break;
    }
    return AtomicFile::write(QDir(gameDir).filePath(copyName), descriptor.bytes, errorString);
}
