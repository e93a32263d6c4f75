#include "RosterFile.h"

#include "AtomicFile.h"
#include "BotCatalogue.h"
#include "NumberText.h"
#include "Roster.h"
#include "RosterHeader.h"
#include "RosterLines.h"
#include "RosterOptions.h"
#include "RosterReader.h"
#include "TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

using namespace Qt::Literals::StringLiterals;
using namespace RosterLines;

namespace {

using Field = RosterOptions::Field;
using Option = RosterOptions::Option;

// A team or skin that no dialog offers still gets a code, one the reader refuses, rather than a malformed line.
constexpr QChar unknownCode = u'0';

QChar teamCode(QStringView team)
{
    if (team == terrorist)
        return u'1';
    if (team == counterTerrorist)
        return u'2';
    if (team == autoSelect)
        return u'5';
    return unknownCode;
}

// The code follows from the skin text alone, whatever the bot's team.
QChar skinCode(QStringView skin)
{
    for (const auto &skins : {terroristModels, counterTerroristModels, combinedSkins}) {
        for (qsizetype i = 0; i < qsizetype(skins.size()); ++i) {
            if (skin == skins[i])
                return QChar(u'1' + int(i));
        }
    }
    if (skin == autoSelectTerrorist || skin == autoSelectCounterTerrorist || skin == autoSelect)
        return u'5';
    return unknownCode;
}

QString checkLine(const CheckLine &line, const RosterOptions &options)
{
    return options.isChecked(line.option) ? QString(line.on) : QString(line.off);
}

QString textOr(const RosterOptions &options, Field field, const QString &fallback)
{
    const QString text = options.text(field);
    return text.isEmpty() ? fallback : text;
}

// The default written for an empty Botskill field, which the field then shows; empty when the field is not empty
// or not written at all (RealBot writes "botskill -1" for Auto Skill).
QString botskillDefault(QStringView botName, const RosterOptions &options)
{
    if (!options.text(Field::Botskill).isEmpty())
        return {};
    if (botName != "RealBot"_L1)
        return u"2"_s;
    return options.isChecked(Option::AutoSkill) ? QString() : u"10"_s;
}

// What in text an 8-bit line cannot carry, as the message names it: the first character outside Latin-1 (both
// halves of a character beyond the basic plane) or a line break. Empty when the text can be written.
QString unwritablePart(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n')
            return u"a line break"_s;
        if (c.unicode() > 0xff) {
            const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            return u'"' + text.sliced(i, pair ? 2 : 1).toString() + u'"';
        }
    }
    return {};
}

constexpr auto refusalEnd
    = ", a character that a Counter-Strike config file cannot carry. Please change it and save again."_L1;

} // namespace

bool RosterFile::isGenericAddOn(QStringView botName)
{
    const BotInfo *info = BotCatalogue::find(botName);
    return info && info->editor == RosterEditor::Generic;
}

bool RosterFile::hasWaypointLines(QStringView botName)
{
    return botName == "NNBot"_L1 || botName == "HPBBot"_L1 || botName == "RamBot"_L1 || botName == "SwatBot"_L1
        || botName == "BobaBot"_L1;
}

QString RosterFile::notValidMessage(QStringView botName)
{
    return u"The file you selected is not a valid Counter-Strike Trevlin "_s + botName.toString() + u" Config file"_s;
}

QString RosterFile::otherVersionMessage()
{
    return u"This config file is made with another version. Unable to load."_s;
}

QString RosterFile::unreadableName(QStringView name)
{
    const QString part = unwritablePart(name);
    if (!part.isEmpty())
        return u"The bot name holds "_s + part
            + u", a character that a Counter-Strike config file cannot carry. "
              u"Please use another name."_s;
    if (name.contains(u' ') || name.contains(u'\t'))
        return u"A bot name cannot contain blanks, because the config file separates a bot's name from its skill "
               u"with a blank. Please use another name."_s;
    if (NumberText::value(name))
        return u"A bot name cannot be a number, because the bot add-on would take it for the skill level. Please "
               u"use another name."_s;
    return {};
}

QStringList RosterFile::lines(QStringView botName, const RosterOptions &options, const Roster &roster)
{
    QStringList lines;
    lines.reserve(16 + roster.size());
    lines << RosterHeader::firstLine(botName) << RosterHeader::versionLine();
    lines << u"pause "_s + textOr(options, Field::TimeBeforeBotEntry, u"3"_s);
    lines << checkLine(autoTeamBalance, options);
    if (hasWaypointLines(botName)) {
        for (const CheckLine &line : waypoints)
            lines << checkLine(line, options);
    }
    lines << checkLine(observer, options) << checkLine(botsDontShoot, options);
    lines << u"min_bots "_s + textOr(options, Field::MinBots, u"0"_s);
    lines << u"max_bots "_s + textOr(options, Field::MaxBots, u"0"_s);

    const QString botskill = textOr(options, Field::Botskill, botskillDefault(botName, options));
    if (botName == "RealBot"_L1) {
        const bool autoSkill = options.isChecked(Option::AutoSkill);
        lines << (autoSkill ? u"botskill -1"_s : u"botskill "_s + botskill);
        // Without a random skill range the range lines stay in the file, commented out.
        if (autoSkill && options.isChecked(Option::UseBotskillRange)) {
            lines << u"rb_minskill "_s + options.text(Field::MinBotSkill);
            lines << u"rb_maxskill "_s + options.text(Field::MaxSkill);
        } else {
            lines << u"//rb_minskill 0"_s << u"//rb_maxskill 0"_s;
        }
        lines << (options.isChecked(Option::ExtraSkill) ? u"rb_extraskill 1"_s : u"rb_extraskill 0"_s);
    } else if (botName == "SwatBot"_L1) {
        lines << u"bot_skill "_s + botskill;
    } else {
        lines << u"botskill "_s + botskill;
    }

    for (const RosterEntry &entry : roster.entries()) {
        QString line;
        line.reserve(12 + entry.name.size() + entry.skill.size());
        line += "addbot "_L1;
        line += teamCode(entry.team);
        line += u' ';
        line += skinCode(entry.skin);
        line += u' ';
        line += entry.name;
        line += u' ';
        line += entry.skill;
        lines << line;
    }
    return lines;
}

QString RosterFile::unwritable(const RosterOptions &options, const Roster &roster)
{
    // The options in the order the file holds them; Botskill is "-1" while Auto Skill is checked, and the skill
    // range is written only with Auto Skill and Use Botskill Range both checked.
    struct Written
    {
        Field field;
        QLatin1StringView label;
    };
    const bool range = options.isChecked(Option::AutoSkill) && options.isChecked(Option::UseBotskillRange);
    QList<Written> written{{Field::TimeBeforeBotEntry, "Time Before Bot Entry"_L1},
                           {Field::MinBots, "Min No Of Bots"_L1},
                           {Field::MaxBots, "Max No Of Bots"_L1},
                           {Field::Botskill, "Botskill"_L1}};
    if (range)
        written << Written{Field::MinBotSkill, "Min Bot Skill"_L1} << Written{Field::MaxSkill, "Max Skill"_L1};
    for (const Written &option : written) {
        const QString part = unwritablePart(options.text(option.field));
        if (!part.isEmpty())
            return u"The option \""_s + option.label + u"\" cannot be saved, because it holds "_s + part + refusalEnd;
    }

    for (const RosterEntry &entry : roster.entries()) {
        const std::array<std::pair<QLatin1StringView, const QString *>, 4> fields{{
            {"name"_L1, &entry.name},
            {"team"_L1, &entry.team},
            {"skill"_L1, &entry.skill},
            {"skin"_L1, &entry.skin},
        }};
        for (const auto &[what, text] : fields) {
            const QString part = unwritablePart(*text);
            if (!part.isEmpty()) {
                return u"The bot \""_s + entry.name + u"\" cannot be saved, because its "_s + what + u" holds "_s + part
                    + refusalEnd;
            }
        }
    }
    return {};
}

QString RosterFile::write(const QString &path, QStringView botName, RosterOptions &options, const Roster &roster)
{
    if (const QString refusal = unwritable(options, roster); !refusal.isEmpty())
        return refusal;
    QString reason;
    if (!AtomicFile::write(path, TextLines::join(lines(botName, options, roster)), &reason)) {
        if (reason.isEmpty())
            reason = u"the file could not be written"_s;
        return u"Trevlin could not save \""_s + QDir::toNativeSeparators(path) + u"\": "_s + reason
            + u"\n\nNothing was written; the bots are still in the editor."_s;
    }
    // The editor shows the skill that went into the file.
    if (const QString fallback = botskillDefault(botName, options); !fallback.isEmpty())
        options.setText(Field::Botskill, fallback);
    return {};
}

RosterFile::ReadResult RosterFile::read(const QString &path, QStringView botName, RosterOptions &options,
                                        Roster &roster)
{
    roster.clear();
    QFile file(path);
    // No file chosen, or a folder, reads as a file that is not a roster file.
    if (path.isEmpty() || QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return {ReadStatus::NotValid, notValidMessage(botName)};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {ReadStatus::NotValid, notValidMessage(botName)};
    return parse(bytes, botName, options, roster);
}

RosterFile::ReadResult RosterFile::parse(const QByteArray &bytes, QStringView botName, RosterOptions &options,
                                         Roster &roster)
{
    roster.clear();
    // The bots are collected first and handed over in one step, so a file that fails halfway leaves no bots.
    QList<RosterEntry> entries;
    const QStringList lines = TextLines::split(bytes);
    switch (RosterReader(lines, botName, options).read(entries)) {
    case ReadStatus::Loaded:
        roster.assign(std::move(entries));
        return {ReadStatus::Loaded, {}};
    case ReadStatus::OtherVersion:
        return {ReadStatus::OtherVersion, otherVersionMessage()};
    case ReadStatus::NotValid:
        break;
    }
    return {ReadStatus::NotValid, notValidMessage(botName)};
}
