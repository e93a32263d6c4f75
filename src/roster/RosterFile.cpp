#include "RosterFile.h"

#include "AtomicFile.h"
#include "BoundedFile.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterFormat.h"
#include "RosterHeader.h"
#include "TextLines.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

QString RosterFile::notValidMessage(QStringView botName)
{
    return tr("The file you selected is not a valid Counter-Strike Trevlin %1 Config file").arg(botName);
}

QStringList RosterFile::lines(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster)
{
    return TextLines::split(bytes(addOn, options, roster));
}

QByteArray RosterFile::bytes(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster)
{
    QStringList lines{RosterHeader::firstLine(addOn.botName()), RosterHeader::versionLine()};
    addOn.format->writeOptions(addOn, options, lines);
    // The bot lines go straight into the bytes: a roster of thousands makes no string per line.
    QByteArray bytes = TextLines::join(lines);
    bytes.reserve(bytes.size() + roster.size() * 40);
    for (const RosterEntry &entry : roster.entries()) {
        addOn.format->appendBot(addOn, entry, bytes);
        bytes += "\r\n";
    }
    return bytes;
}

QString RosterFile::refusal(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster)
{
    const RosterFormat &format = *addOn.format;
    if (format.refusesEmptyRoster && roster.isEmpty())
        return RosterFormat::noBotsMessage();
    if (const QString why = format.optionsRefusal(addOn, options); !why.isEmpty())
        return why;
    bool first = true;
    for (const RosterEntry &entry : roster.entries()) {
        if (const QString why = format.botRefusal(addOn, entry, first); !why.isEmpty())
            return why;
        first = false;
    }
    return {};
}

QString RosterFile::write(const QString &path, const RosterAddOn &addOn, RosterOptions &options, const Roster &roster)
{
    if (const QString why = refusal(addOn, options, roster); !why.isEmpty())
        return why;
    if (const QString error = AtomicFile::save(path, bytes(addOn, options, roster),
                                               tr("Nothing was written; the bots are still in the editor."));
        !error.isEmpty())
        return error;
    addOn.format->afterWrite(addOn, options);
    return {};
}

RosterFile::ReadResult RosterFile::read(const QString &path, const RosterAddOn &addOn, RosterOptions &options,
                                        Roster &roster)
{
    if (!roster.isEmpty())
        roster.assign({});
    // No file chosen (the folder itself), or one gone since, reads as a file that is not a roster file.
    if (path.isEmpty() || !QFileInfo::exists(path) || QFileInfo(path).isDir())
        return {ReadStatus::NotValid, notValidMessage(addOn.botName())};
    const BoundedFile::Result file = BoundedFile::read(path, BoundedFile::rosterLimit);
    if (!file.isRead()) {
        const QString start
            = addOn.format->unreadFileIsNotValid ? notValidMessage(addOn.botName()) + u"\n\n"_s : QString();
        return {ReadStatus::NotRead, start + file.error};
    }
    return parse(file.bytes, addOn, options, roster);
}

RosterFile::ReadResult RosterFile::parse(const QByteArray &bytes, const RosterAddOn &addOn, RosterOptions &options,
                                         Roster &roster)
{
    if (!roster.isEmpty())
        roster.assign({});
    const RosterFormat &format = *addOn.format;
    const ReadResult notValid{ReadStatus::NotValid, notValidMessage(addOn.botName())};
    // The header is looked at before the rest is split into lines, which for a large file takes a while.
    const QStringList header = TextLines::split(bytes.first(TextLines::endOfLine(bytes, 2)));
    if (header.size() < 2 || header.at(0) != RosterHeader::firstLine(addOn.botName()))
        return notValid;
    if (header.at(1) != RosterHeader::versionLine())
        return {ReadStatus::OtherVersion, format.otherVersionMessage()};
    TextLines::Cursor lines(bytes);
    QByteArrayView line;
    lines.next(line);
    lines.next(line);
    // At least one bot follows the options; every line to the end of the file is one.
    if (!format.readOptions(addOn, lines, options) || lines.remaining() == 0)
        return notValid;
    // The bots are collected first and handed over in one step, so a file that fails halfway leaves no bots. They
    // are read in place: a refused bot ends the whole read, and the list with it.
    QList<RosterEntry> entries;
    entries.reserve(lines.remaining());
    while (lines.next(line)) {
        const bool first = entries.isEmpty();
        if (!format.readBot(addOn, line, first, entries.emplace_back()))
            return notValid;
    }
    // What the editor could not save again as it was read is not taken, such as more bots at the least than at
    // the most.
    if (!format.optionsRefusal(addOn, options).isEmpty())
        return notValid;
    roster.assign(std::move(entries));
    return {ReadStatus::Loaded, {}};
}
