#include "GameFolder.h"

#include "AtomicFile.h"
#include "BoundedFile.h"
#include "FolderListing.h"
#include "Platform.h"
#include "TextLines.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

bool GameFolder::isValid(const QString &gameDir)
{
    return !gameDir.isEmpty() && !FolderListing(gameDir).find(u"cstrike.ico"_s).isEmpty();
}

QString GameFolder::modFolder(const QString &gameDir)
{
    return gameDir.mid(Platform::lastSeparator(gameDir) + 1);
}

QString GameFolder::halfLifeDir(const QString &gameDir)
{
    const qsizetype separator = Platform::lastSeparator(gameDir);
    return separator < 0 ? QString() : gameDir.left(separator);
}

QStringList GameFolder::batchFileLines(const QString &gameDir)
{
    return {u"@echo off"_s, u"cd.."_s, u"hl.exe -console -game "_s + modFolder(gameDir)};
}

QString GameFolder::batchFilePath(const QString &gameDir)
{
    const QString existing = FolderListing(gameDir).find(batchFileName);
    return existing.isEmpty() ? QDir(gameDir).filePath(batchFileName) : existing;
}

bool GameFolder::writeBatchFile(const QString &gameDir, QString *errorString)
{
    return AtomicFile::write(batchFilePath(gameDir), TextLines::join(batchFileLines(gameDir)), errorString);
}

QStringList GameFolder::gameArguments(const QString &gameDir)
{
    QStringList lines = batchFileLines(gameDir);
    const QString written = FolderListing(gameDir).find(batchFileName);
    // A batch file that is not a small regular file is not ours: the arguments are those it would hold.
    if (!written.isEmpty()) {
        const BoundedFile::Result file = BoundedFile::read(written, BoundedFile::smallFileLimit);
        const QStringList read = TextLines::split(file.bytes);
        if (read.size() >= 3)
            lines = read;
    }
    QStringList arguments = lines.at(2).split(u' ', Qt::SkipEmptyParts);
    if (!arguments.isEmpty())
        arguments.removeFirst(); // hl.exe
    return arguments;
}
