#include "RosterFile.h"

#include "AtomicFile.h"
#include "BoundedFile.h"
#include "NumberText.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterHeader.h"
#include "RosterLines.h"
#include "RosterOptions.h"
#include "RosterReader.h"
#include "TextLines.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::Literals::StringLiterals;
using namespace RosterLines;

namespace {

using Field = RosterOptions::Field;
using Option = RosterOptions::Option;

// A team or skin that no dialog offers still gets a code, one the reader refuses, rather than a malformed line.
constexpr QChar unknownCode = u'0';

QChar teamCode(QStringView team)
{
    // The length first, as for the skins below.
    const auto is = [team](QLatin1StringView known) {
        return team.size() == known.size() && team == known;
    };
    if (is(terrorist))
        return u'1';
    if (is(counterTerrorist))
        return u'2';
    if (is(autoSelect))
        return u'5';
    return unknownCode;
}

// Each skin text with its code; the code follows from the skin text alone, whatever the bot's team.
struct SkinCode
{
    QLatin1StringView skin;
    char16_t code;
};

constexpr std::array<SkinCode, 15> skinCodes{{
    {terroristModels[0], u'1'},
    {terroristModels[1], u'2'},
    {terroristModels[2], u'3'},
    {terroristModels[3], u'4'},
    {counterTerroristModels[0], u'1'},
    {counterTerroristModels[1], u'2'},
    {counterTerroristModels[2], u'3'},
    {counterTerroristModels[3], u'4'},
    {combinedSkins[0], u'1'},
    {combinedSkins[1], u'2'},
    {combinedSkins[2], u'3'},
    {combinedSkins[3], u'4'},
    {autoSelectTerrorist, u'5'},
    {autoSelectCounterTerrorist, u'5'},
    {autoSelect, u'5'},
}};

QChar skinCode(QStringView skin)
{
    for (const SkinCode &known : skinCodes) {
        // The length first: a roster of thousands looks up a skin for every bot.
        if (skin.size() == known.skin.size() && skin == known.skin)
            return known.code;
    }
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
QString botskillDefault(const RosterAddOn &addOn, const RosterOptions &options)
{
    if (!options.text(Field::Botskill).isEmpty())
        return {};
    return addOn.hasSkillRange() && options.isChecked(Option::AutoSkill) ? QString() : QString(addOn.emptyBotskill);
}

// Whether the skill range lines are written with their values rather than commented out. A file may carry a range
// beside a fixed skill: the range is written back whenever it is in use, so that no value read is lost.
bool writesSkillRange(const RosterAddOn &addOn, const RosterOptions &options)
{
    return addOn.hasSkillRange() && options.isChecked(Option::UseBotskillRange);
}

// What in text an 8-bit line cannot carry, as the message names it: the first character outside Latin-1 (both
// halves of a character beyond the basic plane) or a line break. Empty when the text can be written.
QString unwritablePart(QStringView text)
{
    const auto unwritable = [](QChar c) {
        return c.unicode() > 0xff || c == u'\r' || c == u'\n';
    };
    const auto found = std::find_if(text.begin(), text.end(), unwritable);
    if (found == text.end())
        return {};
    if (*found == u'\r' || *found == u'\n')
        return u"a line break"_s;
    const qsizetype i = found - text.begin();
    const bool pair = found->isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return u'"' + text.sliced(i, pair ? 2 : 1).toString() + u'"';
}

constexpr auto characterEnd = ", a character that a Counter-Strike config file cannot carry."_L1;
constexpr auto pleaseChange = " Please change it and save again."_L1;

QString quoted(QStringView text)
{
    return u'"' + text.toString() + u'"';
}

// An option the reader takes as a number: the whole text after the command word.
bool readsAsNumber(QStringView text)
{
    return NumberText::value(text).has_value();
}

// The pause is read back as a whole number within 16 bits.
bool readsAsPause(QStringView text)
{
    const std::optional<double> value = NumberText::value(text);
    return value && std::round(*value) >= -32768 && std::round(*value) <= 32767;
}

// Why an option's text would not come back from the file as it was; empty when it would.
QString optionRefusal(QLatin1StringView label, const QString &text, bool (*readsBack)(QStringView))
{
    const QString part = unwritablePart(text);
    if (!part.isEmpty())
        return u"The option \""_s + label + u"\" cannot be saved, because it holds "_s + part + characterEnd
            + pleaseChange;
    // An empty field is written as its default.
    if (readsBack && !text.isEmpty() && !readsBack(text))
        return u"The option \""_s + label + u"\" cannot be saved, because "_s + quoted(text) + u" is not a number."_s
            + pleaseChange;
    return {};
}

// The message starts are made only for a bot that is refused: a roster of thousands passes without one.
QString botStart(const RosterEntry &entry)
{
    return u"The bot "_s + quoted(entry.name) + u" cannot be saved"_s;
}

} // namespace

// The first bot line must hold exactly four blanks; on a later line a blank around the skill reads back as it was.
QString RosterFile::botRefusal(const RosterEntry &entry, bool first)
{
    // A team or skin with a code is one of the file's own texts, which a line can carry.
    const bool teamKnown = teamCode(entry.team) != unknownCode;
    const bool skinKnown = skinCode(entry.skin) != unknownCode;
    if (!teamKnown) {
        if (const QString part = unwritablePart(entry.team); !part.isEmpty())
            return botStart(entry) + u", because its team holds "_s + part + characterEnd + pleaseChange;
    }
    if (!skinKnown) {
        if (const QString part = unwritablePart(entry.skin); !part.isEmpty())
            return botStart(entry) + u", because its skin holds "_s + part + characterEnd + pleaseChange;
    }
    if (const QString why = typedFieldsRefusal(entry, first); !why.isEmpty())
        return why;
    if (!teamKnown)
        return botStart(entry) + u", because its team "_s + quoted(entry.team)
            + u" is none of \"Terrorist\", \"Counter Terrorist\" and \"Auto Select\"."_s + pleaseChange;
    if (!skinKnown)
        return botStart(entry) + u", because its skin "_s + quoted(entry.skin)
            + u" is none of the skins a config file knows."_s + pleaseChange;
    return {};
}

QString RosterFile::typedFieldsRefusal(const RosterEntry &entry, bool first)
{
    if (plainNameAndSkill(entry.name, entry.skill))
        return {};
    for (const auto &[what, text] : {std::pair{"name"_L1, &entry.name}, std::pair{"skill"_L1, &entry.skill}}) {
        if (const QString part = unwritablePart(*text); !part.isEmpty())
            return botStart(entry) + u", because its "_s + what + u" holds "_s + part + characterEnd + pleaseChange;
    }
    if (entry.name.isEmpty())
        return u"A bot without a name cannot be saved: the config file would not read back. Please give it a name "
               u"and save again."_s;
    // The name's characters were looked at above.
    if (const QString name = misreadName(entry.name); !name.isEmpty())
        return botStart(entry) + u". "_s + name;
    if ((first && entry.skill.contains(u' ')) || !readsAsNumber(entry.skill))
        return botStart(entry) + u", because its skill "_s + quoted(entry.skill) + u" is not a number."_s
            + pleaseChange;
    return {};
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
    return misreadName(name);
}

QString RosterFile::misreadName(QStringView name)
{
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return c == u' ' || c == u'\t'; }))
        return u"A bot name cannot contain blanks, because the config file separates a bot's name from its skill "
               u"with a blank. Please use another name."_s;
    if (NumberText::value(name))
        return u"A bot name cannot be a number, because the bot add-on would take it for the skill level. Please "
               u"use another name."_s;
    return {};
}

bool RosterFile::plainNameAndSkill(QStringView name, QStringView skill)
{
    if (name.isEmpty() || skill.isEmpty() || skill.size() > 15)
        return false;
    const char16_t lead = name.front().unicode();
    if (lead == u'+' || lead == u'-' || lead == u'.' || (lead >= u'0' && lead <= u'9'))
        return false;
    bool plain = true;
    for (QChar c : name)
        plain &= c.unicode() > u' ' && c.unicode() <= 0xff;
    for (QChar c : skill)
        plain &= c.unicode() >= u'0' && c.unicode() <= u'9';
    return plain;
}

QStringList RosterFile::lines(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster)
{
    return TextLines::split(bytes(addOn, options, roster));
}

QByteArray RosterFile::bytes(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster)
{
    QStringList lines;
    lines << RosterHeader::firstLine(addOn.botName) << RosterHeader::versionLine();
    lines << u"pause "_s + textOr(options, Field::TimeBeforeBotEntry, u"3"_s);
    lines << checkLine(autoTeamBalance, options);
    if (addOn.waypointLines) {
        for (const CheckLine &line : waypoints)
            lines << checkLine(line, options);
    }
    lines << checkLine(observer, options) << checkLine(botsDontShoot, options);
    lines << u"min_bots "_s + textOr(options, Field::MinBots, u"0"_s);
    lines << u"max_bots "_s + textOr(options, Field::MaxBots, u"0"_s);

    const QString botskill = textOr(options, Field::Botskill, botskillDefault(addOn, options));
    switch (addOn.skillLines) {
    case RosterAddOn::SkillLines::RandomRange:
        lines << (options.isChecked(Option::AutoSkill) ? u"botskill -1"_s : u"botskill "_s + botskill);
        // Without a skill range the range lines stay in the file, commented out.
        if (writesSkillRange(addOn, options)) {
            lines << u"rb_minskill "_s + options.text(Field::MinBotSkill);
            lines << u"rb_maxskill "_s + options.text(Field::MaxSkill);
        } else {
            lines << u"//rb_minskill 0"_s << u"//rb_maxskill 0"_s;
        }
        lines << (options.isChecked(Option::ExtraSkill) ? u"rb_extraskill 1"_s : u"rb_extraskill 0"_s);
        break;
    case RosterAddOn::SkillLines::BotSkillUnderscored:
        lines << u"bot_skill "_s + botskill;
        break;
    case RosterAddOn::SkillLines::Botskill:
        lines << u"botskill "_s + botskill;
        break;
    }

    // The bot lines go straight into the bytes: a roster of thousands makes no string per line.
    QByteArray bytes = TextLines::join(lines);
    bytes.reserve(bytes.size() + roster.size() * 40);
    for (const RosterEntry &entry : roster.entries()) {
        bytes += "addbot ";
        bytes += char(teamCode(entry.team).unicode());
        bytes += ' ';
        bytes += char(skinCode(entry.skin).unicode());
        bytes += ' ';
        TextLines::appendLatin1(bytes, entry.name);
        bytes += ' ';
        TextLines::appendLatin1(bytes, entry.skill);
        bytes += "\r\n";
    }
    return bytes;
}

QString RosterFile::refusal(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster)
{
    if (const QString why = optionsRefusal(addOn, options); !why.isEmpty())
        return why;
    bool first = true;
    for (const RosterEntry &entry : roster.entries()) {
        if (const QString why = botRefusal(entry, first); !why.isEmpty())
            return why;
        first = false;
    }
    return {};
}

QString RosterFile::optionsRefusal(const RosterAddOn &addOn, const RosterOptions &options)
{
    // The options in the order the file holds them, with what the reader takes each for. RealBot's Botskill is
    // kept as any text, and its skill range is written only with Auto Skill and Use Botskill Range both checked.
    struct Written
    {
        Field field;
        QLatin1StringView label;
        bool (*readsBack)(QStringView);
    };
    QList<Written> written{{Field::TimeBeforeBotEntry, "Time Before Bot Entry"_L1, readsAsPause},
                           {Field::MinBots, "Min No Of Bots"_L1, readsAsNumber},
                           {Field::MaxBots, "Max No Of Bots"_L1, readsAsNumber},
                           {Field::Botskill, "Botskill"_L1, addOn.hasSkillRange() ? nullptr : readsAsNumber}};
    if (writesSkillRange(addOn, options)) {
        written << Written{Field::MinBotSkill, "Min Bot Skill"_L1, nullptr}
                << Written{Field::MaxSkill, "Max Skill"_L1, nullptr};
    }
    for (const Written &option : written) {
        if (const QString why = optionRefusal(option.label, options.text(option.field), option.readsBack);
            !why.isEmpty())
            return why;
    }
    const std::optional<double> minBots = NumberText::value(options.text(Field::MinBots));
    const std::optional<double> maxBots = NumberText::value(options.text(Field::MaxBots));
    if (minBots && maxBots && *minBots > *maxBots) {
        return u"The option \"Min No Of Bots\" ("_s + options.text(Field::MinBots)
            + u") is more than \"Max No Of Bots\" ("_s + options.text(Field::MaxBots)
            + u"), so the server could never keep to both. Please change one of them and save again."_s;
    }
    return {};
}

QString RosterFile::write(const QString &path, const RosterAddOn &addOn, RosterOptions &options, const Roster &roster)
{
    if (const QString why = refusal(addOn, options, roster); !why.isEmpty())
        return why;
    if (const QString error = AtomicFile::save(path, bytes(addOn, options, roster),
                                               u"Nothing was written; the bots are still in the editor."_s);
        !error.isEmpty())
        return error;
    // The editor shows the skill that went into the file.
    if (const QString fallback = botskillDefault(addOn, options); !fallback.isEmpty())
        options.setText(Field::Botskill, fallback);
    return {};
}

RosterFile::ReadResult RosterFile::read(const QString &path, const RosterAddOn &addOn, RosterOptions &options,
                                        Roster &roster)
{
    roster.clear();
    // No file chosen (the folder itself), or one gone since, reads as a file that is not a roster file.
    if (path.isEmpty() || !QFileInfo::exists(path) || QFileInfo(path).isDir())
        return {ReadStatus::NotValid, notValidMessage(addOn.botName)};
    const BoundedFile::Result file = BoundedFile::read(path, BoundedFile::rosterLimit);
    if (!file.isRead())
        return {ReadStatus::NotRead, file.error};
    return parse(file.bytes, addOn, options, roster);
}

RosterFile::ReadResult RosterFile::parse(const QByteArray &bytes, const RosterAddOn &addOn, RosterOptions &options,
                                         Roster &roster)
{
    roster.clear();
    // The bots are collected first and handed over in one step, so a file that fails halfway leaves no bots.
    QList<RosterEntry> entries;
    // The header is looked at before the rest is split into lines, which for a large file takes a while.
    const QStringList header = TextLines::split(bytes.first(TextLines::endOfLine(bytes, 2)));
    if (header.value(0) != RosterHeader::firstLine(addOn.botName))
        return {ReadStatus::NotValid, notValidMessage(addOn.botName)};
    if (header.size() > 1 && header.at(1) != RosterHeader::versionLine())
        return {ReadStatus::OtherVersion, otherVersionMessage()};
    switch (RosterReader(bytes, addOn, options).read(entries)) {
    case ReadStatus::Loaded:
        // What the editor could not save again as it was read is not taken: a line break inside a line, a bot
        // without a name (the reader asks this of each bot as it reads it), more bots at the least than at the most.
        if (!optionsRefusal(addOn, options).isEmpty())
            break;
        roster.assign(std::move(entries));
        return {ReadStatus::Loaded, {}};
    case ReadStatus::OtherVersion:
        return {ReadStatus::OtherVersion, otherVersionMessage()};
    case ReadStatus::NotValid:
    case ReadStatus::NotRead:
        break;
    }
    return {ReadStatus::NotValid, notValidMessage(addOn.botName)};
}
