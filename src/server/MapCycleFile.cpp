#include "MapCycleFile.h"

#include "FolderListing.h"
#include "ServerText.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

MapCycleFile::ReadResult MapCycleFile::read(const QString &gameDir)
{
    const ServerText::ReadResult file = ServerText::read(FolderListing(gameDir).find(fileName), sizeLimit);
    return {parse(file.bytes), file.message};
}

QStringList MapCycleFile::parse(const QByteArray &bytes)
{
    return ServerText::records(ServerText::lines(bytes));
}

QString MapCycleFile::refusal(const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString what = tr("The map \"%1\"").arg(entry);
        if (QString why = ServerText::unreadable(what, entry); !why.isEmpty())
            return why;
        if (entry.startsWith(u' '))
            return tr("%1 begins with a blank, which the game drops. Please remove it and try again.").arg(what);
    }
    return {};
}

QString MapCycleFile::write(const QString &gameDir, const QStringList &entries)
{
    if (QString why = refusal(entries); !why.isEmpty())
        return why;
    const QString found = FolderListing(gameDir).find(fileName);
    return ServerText::write(found.isEmpty() ? QDir(gameDir).filePath(fileName) : found, entries, sizeLimit);
}
