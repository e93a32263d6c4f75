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
    // The length first: a roster of thousands looks up a team for every bot.
    const auto is = [team](QLatin1StringView known) {
        return team.size() == known.size() && team == known;
    };
    if (is(terrorist))
        return addOn.terroristCode;
    if (is(counterTerrorist))
        return addOn.counterTerroristCode;
    if (is(autoAssign))
        return addOn.autoAssignCode;
    return {};
}

// The team a code stands for, one text shared by every bot read; none for a code the add-on does not have.
const QString *teamOf(const AndroidAddOn &addOn, QChar code)
{
    static const QString terroristText = TextLines::lasting(terrorist);
    static const QString counterTerroristText = TextLines::lasting(counterTerrorist);
    static const QString autoAssignText = TextLines::lasting(autoAssign);
    if (code == addOn.terroristCode)
        return &terroristText;
    if (code == addOn.counterTerroristCode)
        return &counterTerroristText;
    if (code == addOn.autoAssignCode)
        return &autoAssignText;
    return nullptr;
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
    // The common bot, with a team the add-on knows, needs no look at each rule.
    if (RosterFile::plainNameAndSkill(entry.name, entry.skill) && !teamCode(addOn, entry.team).isNull())
        return {};
    // Made only for a bot that is refused: a roster of thousands passes without one.
    const auto start = [&entry] {
        return u"The bot "_s + quoted(entry.name) + u" cannot be saved"_s;
    };
    if (entry.name.isEmpty())
        return u"A bot without a name cannot be saved: the config file would not read back. Please give it a name "
               u"and save again."_s;
    if (const QString why = AndroidEntryCheck::unreadableName(entry.name); !why.isEmpty())
        return start() + u". "_s + why;
    if (teamCode(addOn, entry.team).isNull())
        return start() + u", because its team "_s + quoted(entry.team)
            + u" is none of \"Terrorist\", \"Counter Terrorist\" and \"Auto Assign\"."_s + pleaseChange;
    if (!AndroidEntryCheck::isSkill(entry.skill))
        return start() + u", because its skill "_s + quoted(entry.skill) + u" is not a number."_s + pleaseChange;
    // The add-on finds the fields of the first line by its blanks and takes the file for another kind when there
    // are more.
    if (first && entry.name.contains(u' '))
        return start() + u" as the first bot, because the first bot's name cannot contain blanks. Please change its "_s
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
    return TextLines::split(bytes(addOn, options, roster));
}

QByteArray AndroidRosterFile::bytes(const AndroidAddOn &addOn, const AndroidOptions &options,
                                    const AndroidRoster &roster)
{
    QStringList lines;
    lines << RosterHeader::firstLine(addOn.botName) << RosterHeader::versionLine();
    lines << u"pause "_s + textOr(options.entryDelay(), u"3"_s);
    if (addOn.podBotOptions) {
        lines << (options.botChatting() ? u"botchat on"_s : u"botchat off"_s);
        lines << (options.jasonMode() ? u"jasonmode on"_s : u"jasonmode off"_s);
        lines << u"minbotskill "_s + textOr(options.minBotSkill(), u"60"_s);
    }
    lines << QString(options.autoTeamBalance() ? balanceOn : balanceOff);

    // The bot lines go straight into the bytes: a roster of thousands makes no string per line.
    QByteArray bytes = TextLines::join(lines);
    bytes.reserve(bytes.size() + roster.size() * 32);
    for (const AndroidRosterEntry &entry : roster.entries()) {
        bytes += "addbot ";
        TextLines::appendLatin1(bytes, entry.skill);
        bytes += ' ';
        bytes += char(teamCode(addOn, entry.team).unicode());
        bytes += ' ';
        if (addOn.quotedNames)
            bytes += '"';
        TextLines::appendLatin1(bytes, entry.name);
        if (addOn.quotedNames)
            bytes += '"';
        bytes += "\r\n";
    }
    return bytes;
}

QString AndroidRosterFile::refusal(const AndroidAddOn &addOn, const AndroidOptions &options,
                                   const AndroidRoster &roster)
{
    // The add-on takes a file without bots for a broken one.
    if (roster.isEmpty())
        return u"There are no bots to save. Add at least one bot first."_s;
    if (const QString why = optionsRefusal(addOn, options); !why.isEmpty())
        return why;
    for (int row = 0; row < roster.size(); ++row) {
        if (const QString why = botRefusal(addOn, roster.at(row), row == 0); !why.isEmpty())
            return why;
    }
    return {};
}

QString AndroidRosterFile::optionsRefusal(const AndroidAddOn &addOn, const AndroidOptions &options)
{
    const QString delay = textOr(options.entryDelay(), u"3"_s);
    if (!TextLines::fitsLatin1(delay) || !pauseValue(delay))
        return u"The option \"Time Before Bot Entry\" cannot be saved, because "_s + quoted(delay)
            + u" is not a number from -32768 to 32767."_s + pleaseChange;
    if (addOn.podBotOptions && !AndroidEntryCheck::fitsLine(options.minBotSkill()))
        return u"The option \"Minimum Bot Skill\" cannot be saved, because it holds a character that a "
               u"Counter-Strike config file cannot carry."_s
            + pleaseChange;
    return {};
}

QString AndroidRosterFile::write(const QString &path, const AndroidAddOn &addOn, const AndroidOptions &options,
                                 const AndroidRoster &roster)
{
    if (const QString why = refusal(addOn, options, roster); !why.isEmpty())
        return why;
    if (const QString error = AtomicFile::save(path, bytes(addOn, options, roster),
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
    TextLines::Cursor cursor(bytes);
    QByteArrayView line;
    cursor.next(line);
    cursor.next(line);

    // The option lines as text; none when the file ends first.
    const auto take = [&cursor]() -> std::optional<QString> {
        QByteArrayView line;
        if (!cursor.next(line))
            return std::nullopt;
        return QString::fromLatin1(line);
    };
    // The text after the line's first blank; none when there is no line or it has no blank.
    const auto afterBlank = [](const std::optional<QString> &text) -> std::optional<QStringView> {
        if (!text)
            return std::nullopt;
        const qsizetype blank = text->indexOf(u' ');
        if (blank < 0)
            return std::nullopt;
        return QStringView(*text).sliced(blank + 1);
    };

    const std::optional<QString> pauseLine = take();
    const std::optional<QStringView> pauseText = afterBlank(pauseLine);
    const std::optional<int> pause = pauseText ? pauseValue(*pauseText) : std::nullopt;
    if (!pause)
        return notValid;
    options.setEntryDelay(QString::number(*pause));

    if (addOn.podBotOptions) {
        for (void (AndroidOptions::*set)(bool) : {&AndroidOptions::setBotChatting, &AndroidOptions::setJasonMode}) {
            const std::optional<QString> wordLine = take();
            const std::optional<QStringView> word = afterBlank(wordLine);
            if (!word || (*word != "on"_L1 && *word != "off"_L1))
                return notValid;
            (options.*set)(*word == "on"_L1);
        }
        const std::optional<QString> skillLine = take();
        const std::optional<QStringView> skill = afterBlank(skillLine);
        if (!skill || QStringView(*skillLine).first(skillLine->size() - skill->size() - 1) != "minbotskill"_L1)
            return notValid;
        options.setMinBotSkill(skill->toString());
    }

    // Any other text leaves Auto Team Balance as it is; the line is taken for the team balance all the same.
    const std::optional<QString> balance = take();
    if (!balance)
        return notValid;
    if (*balance == balanceOff)
        options.setAutoTeamBalance(false);
    else if (*balance == balanceOn)
        options.setAutoTeamBalance(true);

    if (cursor.remaining() == 0)
        return notValid;
    // The bots are collected first and handed over in one step, so a file that fails halfway leaves no bots. Their
    // lines are read from the bytes as they are.
    QList<AndroidRosterEntry> entries;
    entries.reserve(cursor.remaining());
    bool first = true;
    while (cursor.next(line)) {
        if (first && line.count(' ') != 3)
            return notValid;
        first = false;
        const qsizetype p1 = line.indexOf(' ');
        const qsizetype p2 = p1 < 0 ? -1 : line.indexOf(' ', p1 + 1);
        const qsizetype p3 = p2 < 0 ? -1 : line.indexOf(' ', p2 + 1);
        if (p3 < 0)
            return notValid;
        QByteArrayView name = line.sliced(p3 + 1);
        if (addOn.quotedNames) {
            // The name without the quotes around it.
            if (name.size() < 2)
                return notValid;
            name = name.sliced(1, name.size() - 2);
        }
        // A team the file can write again.
        const QString *team = teamOf(addOn, QChar::fromLatin1(line.at(p2 + 1)));
        if (!team)
            return notValid;
        AndroidRosterEntry entry{QString::fromLatin1(name), NumberText::sharedText(line.sliced(p1 + 1, p2 - p1 - 1)),
                                 *team};
        // What the editor could not save again as it was read is not taken, such as a line break inside a name.
        if (!botRefusal(addOn, entry, entries.isEmpty()).isEmpty())
            return notValid;
        entries.append(std::move(entry));
    }
    if (!optionsRefusal(addOn, options).isEmpty())
        return notValid;
    roster.assign(std::move(entries));
    return {ReadStatus::Loaded, {}};
}
