#include "AndroidRosterFile.h"

#include "AndroidAddOn.h"
#include "AndroidEntryCheck.h"
#include "AndroidOptions.h"
#include "AndroidRoster.h"
#include "AtomicFile.h"
#include "BoundedFile.h"
#include "NumberText.h"
#include "RosterFile.h"
#include "RosterHeader.h"
#include "TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr auto terrorist = "Terrorist"_L1;
constexpr auto counterTerrorist = "Counter Terrorist"_L1;
constexpr auto autoAssign = "Auto Assign"_L1;
constexpr auto balanceOff = "mp_autoteambalance 0"_L1;
constexpr auto balanceOn = "mp_autoteambalance 1"_L1;
constexpr auto pleaseChange = " Please change it and save again."_L1;

// The team's code, or a null character for a team the file has no code for.
QChar teamCode(const AndroidAddOn &addOn, QStringView team)
{
    if (team == terrorist)
        return addOn.terroristCode;
    if (team == counterTerrorist)
        return addOn.counterTerroristCode;
    if (team == autoAssign)
        return addOn.autoAssignCode;
    return {};
}

std::optional<QString> teamOf(const AndroidAddOn &addOn, QChar code)
{
    if (code == addOn.terroristCode)
        return QString(terrorist);
    if (code == addOn.counterTerroristCode)
        return QString(counterTerrorist);
    if (code == addOn.autoAssignCode)
        return QString(autoAssign);
    return std::nullopt;
}

QString textOr(const QString &text, const QString &fallback)
{
    return text.isEmpty() ? fallback : text;
}

// The pause is read as a whole number within 16 bits, halves going to the even neighbour.
std::optional<int> pauseValue(QStringView text)
{
    const std::optional<double> value = NumberText::value(text);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return int(rounded);
}

QString quoted(QStringView text)
{
    return u'"' + text.toString() + u'"';
}

QString botRefusal(const AndroidAddOn &addOn, const AndroidRosterEntry &entry, bool first)
{
    const QString start = u"The bot "_s + quoted(entry.name) + u" cannot be saved"_s;
    if (entry.name.isEmpty())
        return u"A bot without a name cannot be saved: the config file would not read back. Please give it a name "
               u"and save again."_s;
    if (const QString why = AndroidEntryCheck::unreadableName(entry.name); !why.isEmpty())
        return start + u". "_s + why;
    if (!TextLines::fitsLatin1(entry.team) || teamCode(addOn, entry.team).isNull())
        return start + u", because its team "_s + quoted(entry.team)
            + u" is none of \"Terrorist\", \"Counter Terrorist\" and \"Auto Assign\"."_s + pleaseChange;
    if (!AndroidEntryCheck::isSkill(entry.skill))
        return start + u", because its skill "_s + quoted(entry.skill) + u" is not a number."_s + pleaseChange;
    // The add-on finds the fields of the first line by its blanks and takes the file for another kind when there
    // are more.
    if (first && entry.name.contains(u' '))
        return start + u" as the first bot, because the first bot's name cannot contain blanks. Please change its "_s
            + u"name, or delete it and add it again after another bot."_s;
    return {};
}

} // namespace

QString AndroidRosterFile::notValidMessage(QStringView botName)
{
    return RosterFile::notValidMessage(botName);
}

QString AndroidRosterFile::previousVersionMessage()
{
    return u"This config file is made with a previous version. Unable to load."_s;
}

QStringList AndroidRosterFile::lines(const AndroidAddOn &addOn, const AndroidOptions &options,
                                     const AndroidRoster &roster)
{
    QStringList lines;
    lines.reserve(8 + roster.size());
    lines << RosterHeader::firstLine(addOn.botName) << RosterHeader::versionLine();
    lines << u"pause "_s + textOr(options.entryDelay(), u"3"_s);
    if (addOn.podBotOptions) {
        lines << (options.botChatting() ? u"botchat on"_s : u"botchat off"_s);
        lines << (options.jasonMode() ? u"jasonmode on"_s : u"jasonmode off"_s);
        lines << u"minbotskill "_s + textOr(options.minBotSkill(), u"60"_s);
    }
    lines << QString(options.autoTeamBalance() ? balanceOn : balanceOff);
    for (const AndroidRosterEntry &entry : roster.entries()) {
        QString line;
        line.reserve(12 + entry.name.size() + entry.skill.size());
        line += "addbot "_L1;
        line += entry.skill;
        line += u' ';
        line += teamCode(addOn, entry.team);
        line += u' ';
        if (addOn.quotedNames)
            line += u'"' + entry.name + u'"';
        else
            line += entry.name;
        lines << line;
    }
    return lines;
}

QString AndroidRosterFile::refusal(const AndroidAddOn &addOn, const AndroidOptions &options,
                                   const AndroidRoster &roster)
{
    // The add-on takes a file without bots for a broken one.
    if (roster.isEmpty())
        return u"There are no bots to save. Add at least one bot first."_s;
    const QString delay = textOr(options.entryDelay(), u"3"_s);
    if (!TextLines::fitsLatin1(delay) || !pauseValue(delay))
        return u"The option \"Time Before Bot Entry\" cannot be saved, because "_s + quoted(delay)
            + u" is not a number from -32768 to 32767."_s + pleaseChange;
    if (addOn.podBotOptions && !AndroidEntryCheck::fitsLine(options.minBotSkill()))
        return u"The option \"Minimum Bot Skill\" cannot be saved, because it holds a character that a "
               u"Counter-Strike config file cannot carry."_s
            + pleaseChange;
    for (int row = 0; row < roster.size(); ++row) {
        if (const QString why = botRefusal(addOn, roster.at(row), row == 0); !why.isEmpty())
            return why;
    }
    return {};
}

QString AndroidRosterFile::write(const QString &path, const AndroidAddOn &addOn, const AndroidOptions &options,
                                 const AndroidRoster &roster)
{
    if (const QString why = refusal(addOn, options, roster); !why.isEmpty())
        return why;
    if (const QString error = AtomicFile::save(path, TextLines::join(lines(addOn, options, roster)),
                                               u"Nothing was written; the bots are still in the editor."_s);
        !error.isEmpty())
        return error;
    return {};
}

AndroidRosterFile::ReadResult AndroidRosterFile::read(const QString &path, const AndroidAddOn &addOn,
                                                      AndroidOptions &options, AndroidRoster &roster)
{
    roster.assign({});
    const ReadResult notValid{ReadStatus::NotValid, notValidMessage(addOn.botName)};
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return notValid;
    if (info.isFile() && info.size() > sizeLimit) {
        return {ReadStatus::TooLarge,
                u"The file \""_s + QDir::toNativeSeparators(path)
                    + u"\" is larger than 16 MB, far more than any config file holds, so it "
                      u"was not read."_s};
    }
    // A folder, a pipe, a device or a file that cannot be read is no roster file, and the message says why.
    const BoundedFile::Result file = BoundedFile::read(path, sizeLimit);
    if (!file.isRead())
        return {ReadStatus::NotValid, notValid.message + u"\n\n"_s + file.error};
    return parse(file.bytes, addOn, options, roster);
}

AndroidRosterFile::ReadResult AndroidRosterFile::parse(const QByteArray &bytes, const AndroidAddOn &addOn,
                                                       AndroidOptions &options, AndroidRoster &roster)
{
    roster.assign({});
    const ReadResult notValid{ReadStatus::NotValid, notValidMessage(addOn.botName)};
    // The header is looked at before the rest is split into lines, which for a large file takes a while.
    const QStringList header = TextLines::split(bytes.first(TextLines::endOfLine(bytes, 2)));
    if (header.size() < 2 || header.at(0) != RosterHeader::firstLine(addOn.botName))
        return notValid;
    if (header.at(1) != RosterHeader::versionLine())
        return {ReadStatus::PreviousVersion, previousVersionMessage()};
    const QStringList lines = TextLines::split(bytes);

    qsizetype at = 2;
    // The text after the line's first blank; none when the file ends first or the line has no blank.
    const auto afterBlank = [&lines](qsizetype line) -> std::optional<QStringView> {
        if (line >= lines.size())
            return std::nullopt;
        const QStringView text = lines.at(line);
        const qsizetype blank = text.indexOf(u' ');
        if (blank < 0)
            return std::nullopt;
        return text.sliced(blank + 1);
    };

    const std::optional<QStringView> pauseText = afterBlank(at++);
    const std::optional<int> pause = pauseText ? pauseValue(*pauseText) : std::nullopt;
    if (!pause)
        return notValid;
    options.setEntryDelay(QString::number(*pause));

    if (addOn.podBotOptions) {
        for (void (AndroidOptions::*set)(bool) : {&AndroidOptions::setBotChatting, &AndroidOptions::setJasonMode}) {
            const std::optional<QStringView> word = afterBlank(at++);
            if (!word || (*word != "on"_L1 && *word != "off"_L1))
                return notValid;
            (options.*set)(*word == "on"_L1);
        }
        const std::optional<QStringView> skill = afterBlank(at);
        if (!skill || QStringView(lines.at(at)).first(lines.at(at).size() - skill->size() - 1) != "minbotskill"_L1)
            return notValid;
        options.setMinBotSkill(skill->toString());
        ++at;
    }

    // Any other text leaves Auto Team Balance as it is; the line is taken for the team balance all the same.
    if (at >= lines.size())
        return notValid;
    if (lines.at(at) == balanceOff)
        options.setAutoTeamBalance(false);
    else if (lines.at(at) == balanceOn)
        options.setAutoTeamBalance(true);
    ++at;

    if (at >= lines.size())
        return notValid;
    // The bots are collected first and handed over in one step, so a file that fails halfway leaves no bots.
    QList<AndroidRosterEntry> entries;
    entries.reserve(lines.size() - at);
    for (qsizetype line = at; line < lines.size(); ++line) {
        const QStringView text = lines.at(line);
        if (line == at && text.count(u' ') != 3)
            return notValid;
        const qsizetype p1 = text.indexOf(u' ');
        const qsizetype p2 = p1 < 0 ? -1 : text.indexOf(u' ', p1 + 1);
        const qsizetype p3 = p2 < 0 ? -1 : text.indexOf(u' ', p2 + 1);
        if (p3 < 0)
            return notValid;
        QStringView name = text.sliced(p3 + 1);
        if (addOn.quotedNames) {
            // The name without the quotes around it.
            if (name.size() < 2)
                return notValid;
            name = name.sliced(1, name.size() - 2);
        }
        const QStringView skill = text.sliced(p1 + 1, p2 - p1 - 1);
        const std::optional<QString> team = teamOf(addOn, text.at(p2 + 1));
        // Every bot keeps a name, and a team the file can write again.
        if (name.isEmpty() || NumberText::value(name) || !NumberText::value(skill) || !team)
            return notValid;
        entries.append({name.toString(), skill.toString(), *team});
    }
    roster.assign(std::move(entries));
    // What the editor could not save again as it was read is not taken, such as a line break inside a name.
    if (!refusal(addOn, options, roster).isEmpty()) {
        roster.assign({});
        return notValid;
    }
    return {ReadStatus::Loaded, {}};
}
