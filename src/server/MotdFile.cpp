#include "MotdFile.h"

#include "FolderListing.h"
#include "ServerText.h"
#include "TextLines.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

MotdFile::ReadResult MotdFile::read(const QString &gameDir)
{
    const ServerText::ReadResult file = ServerText::read(FolderListing(gameDir).find(fileName), sizeLimit);
    return {parse(file.bytes), file.message};
}

QString MotdFile::parse(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const QString &line : ServerText::lines(bytes))
        text += line + u'\n';
    return text;
}

QStringList MotdFile::lines(const QString &text)
{
    QString plain = text;
    plain.replace(u"\r\n"_s, u"\n"_s);
    plain.replace(u'\r', u'\n');
    if (plain.isEmpty())
        return {};
    QStringList lines = plain.split(u'\n');
    if (plain.endsWith(u'\n'))
        lines.removeLast();
    return lines;
}

QString MotdFile::write(const QString &gameDir, const QString &text)
{
    if (!TextLines::fitsLatin1(text))
        return tr("The message holds a character that the game's 8-bit files cannot carry. Please change it and try "
                  "again.");
    const QString found = FolderListing(gameDir).find(fileName);
    return ServerText::write(found.isEmpty() ? QDir(gameDir).filePath(fileName) : found, lines(text), sizeLimit);
}
