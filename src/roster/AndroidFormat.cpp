#include "RosterFormat.h"

#include "NumberText.h"
#include "RosterAddOn.h"
#include "RosterOptions.h"
#include "SkinTable.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

using Field = RosterOptions::Field;
using Option = RosterOptions::Option;

constexpr auto autoAssign = "Auto Assign"_L1;
constexpr auto balanceOff = "mp_autoteambalance 0"_L1;
constexpr auto balanceOn = "mp_autoteambalance 1"_L1;

// The team's code, or a null character for a team the file has no code for.
QChar teamCode(const RosterAddOn &addOn, QStringView team)
{
    if (RosterFormat::is(team, SkinTable::terrorist))
        return addOn.terroristCode;
    if (RosterFormat::is(team, SkinTable::counterTerrorist))
        return addOn.counterTerroristCode;
    if (RosterFormat::is(team, autoAssign))
        return addOn.autoAssignCode;
    return {};
}

// The team a code stands for, one text shared by every bot read; none for a code the add-on does not have.
const QString *teamOf(const RosterAddOn &addOn, QChar code)
{
    static const QString terroristText = TextLines::lasting(SkinTable::terrorist);
    static const QString counterTerroristText = TextLines::lasting(SkinTable::counterTerrorist);
    static const QString autoAssignText = TextLines::lasting(autoAssign);
    if (code == addOn.terroristCode)
        return &terroristText;
    if (code == addOn.counterTerroristCode)
        return &counterTerroristText;
    if (code == addOn.autoAssignCode)
        return &autoAssignText;
    return nullptr;
}

// Whether text fits into one line of an 8-bit file; one pass, as a roster of thousands asks it of every name.
bool fitsLine(QStringView text)
{
    return std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c.unicode() > 0xff || c == u'\n' || c == u'\r'; });
}

// A number, with no blank that would split its line.
bool isSkill(QStringView skill)
{
    return !skill.contains(u' ') && fitsLine(skill) && NumberText::value(skill).has_value();
}

// The text after the line's first blank; none when there is no line or it has no blank.
std::optional<QString> valueOf(TextLines::Cursor &lines, QString *whole = nullptr)
{
    const std::optional<QString> line = RosterFormat::nextLine(lines);
    const qsizetype blank = line ? line->indexOf(u' ') : -1;
    if (blank < 0)
        return std::nullopt;
    if (whole)
        *whole = line->first(blank);
    return line->sliced(blank + 1);
}

class AndroidFormat final : public RosterFormat
{
    // Its own texts are its own, apart from those every format shares.
    Q_DECLARE_TR_FUNCTIONS(AndroidFormat)

public:
    AndroidFormat()
    {
        columns = {RosterEntry::Name, RosterEntry::Skill, RosterEntry::Team};
        names = {"AndroidMain"_L1, "AndroidAdd"_L1,  "AndroidEdit"_L1, "AndroidMultiple"_L1,
                 "AndroidOpen"_L1, "AndroidSave"_L1, "Command2"_L1,    "Label3"_L1,
                 "Label2"_L1,      "Label3"_L1,      "Check1"_L1,      "Label4"_L1};
        applyToAllTip
            = QT_TRANSLATE_NOOP("RosterFormat", "This will apply Team and Skill changes to all bots in your list.");
        otherVersionText
            = QT_TRANSLATE_NOOP("RosterFormat", "This config file is made with a previous version. Unable to load.");
        unreadFileIsNotValid = true;
        refusesEmptyRoster = true;
        newKeepsTeamBalance = true;
        editNeedsSelectedRow = true;
        asksWithoutBots = true;
        fileButtonMnemonics = true;
        // The save that a question offers keeps AndroidBot's name for both add-ons.
        askedSaveCaption = QT_TRANSLATE_NOOP("RosterFormat", "Save Android Config File");
        skillMinimum = 0;
        skillBeforeTeam = true;
        editShowsTypedTeam = true;
        addPicksFirstTeam = false;
        severalCountMaximum = 10;
        autoSkillClearsSkill = false;
        severalSkillSpinnerMaximum = 10;
        severalStartSkill = "30"_L1;
        severalReseeds = true;
    }

    QStringList teams(const RosterAddOn &) const override
    {
        return {SkinTable::terrorist, SkinTable::counterTerrorist, autoAssign};
    }

    QStringList severalTeams(const RosterAddOn &) const override
    {
        return {SkinTable::terrorist, SkinTable::counterTerrorist, SkinTable::autoSelect};
    }

    QString skillLabel(const RosterAddOn &addOn) const override
    {
        return tr("Skill %1 to %2 (%2=best)").arg(QString::number(skillMinimum), QString::number(addOn.skillMaximum));
    }

    // Name, team, skill and its range; Apply To All leaves the name out.
    QString fieldRefusal(const RosterAddOn &addOn, const RosterEntry &bot, Entry entry) const override
    {
        if (entry != Entry::EditAll && bot.name.isEmpty())
            return tr("You have to name the bot");
        if (bot.team.isEmpty())
            return tr("You have to select a team for the bot");
        if (bot.skill.isEmpty())
            return tr("You have to enter a skill level for the bot");
        // A skill that is no number is within no range either.
        const std::optional<double> skill = NumberText::value(bot.skill);
        if (!isSkill(bot.skill) || *skill < skillMinimum || *skill > addOn.skillMaximum)
            return tr("The skill level must be between %1 and %2")
                .arg(QString::number(skillMinimum), QString::number(addOn.skillMaximum));
        return {};
    }

    // It is a number, or holds a character that a line cannot carry.
    QString unreadableName(QStringView name) const override
    {
        if (!fitsLine(name))
            return tr("The bot name holds a character that a Counter-Strike config file cannot carry. Please use "
                      "another name.");
        return NumberText::value(name) ? numberNameMessage() : QString();
    }

    void writeOptions(const RosterAddOn &addOn, const RosterOptions &options, QStringList &lines) const override
    {
        lines << u"pause "_s + textOr(options.text(Field::TimeBeforeBotEntry), u"3"_s);
        if (addOn.botOptionLines) {
            lines << (options.isChecked(Option::BotChatting) ? u"botchat on"_s : u"botchat off"_s);
            lines << (options.isChecked(Option::JasonMode) ? u"jasonmode on"_s : u"jasonmode off"_s);
            lines << u"minbotskill "_s + textOr(options.text(Field::MinimumBotSkill), u"60"_s);
        }
        lines << QString(options.isChecked(Option::AutoTeamBalance) ? balanceOn : balanceOff);
    }

    bool readOptions(const RosterAddOn &addOn, TextLines::Cursor &lines, RosterOptions &options) const override
    {
        const std::optional<QString> pauseText = valueOf(lines);
        const std::optional<int> pause = pauseText ? pauseValue(*pauseText) : std::nullopt;
        if (!pause)
            return false;
        options.setText(Field::TimeBeforeBotEntry, QString::number(*pause));

        if (addOn.botOptionLines) {
            for (const Option option : {Option::BotChatting, Option::JasonMode}) {
                const std::optional<QString> word = valueOf(lines);
                if (!word || (*word != "on"_L1 && *word != "off"_L1))
                    return false;
                options.setChecked(option, *word == "on"_L1);
            }
            QString command;
            const std::optional<QString> skill = valueOf(lines, &command);
            if (!skill || command != "minbotskill"_L1)
                return false;
            options.setText(Field::MinimumBotSkill, *skill);
        }

        // Any other text leaves Auto Team Balance as it is; the line is taken for the team balance all the same.
        QByteArrayView balance;
        if (!lines.next(balance))
            return false;
        if (QLatin1StringView(balance) == balanceOff || QLatin1StringView(balance) == balanceOn)
            options.setChecked(Option::AutoTeamBalance, QLatin1StringView(balance) == balanceOn);
        return true;
    }

    void appendBot(const RosterAddOn &addOn, const RosterEntry &entry, QByteArray &bytes) const override
    {
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
    }

    bool readBot(const RosterAddOn &addOn, QByteArrayView line, bool first, RosterEntry &entry) const override
    {
        if (first && line.count(' ') != 3)
            return false;
        const qsizetype p1 = line.indexOf(' ');
        const qsizetype p2 = p1 < 0 ? -1 : line.indexOf(' ', p1 + 1);
        const qsizetype p3 = p2 < 0 ? -1 : line.indexOf(' ', p2 + 1);
        if (p3 < 0)
            return false;
        QByteArrayView name = line.sliced(p3 + 1);
        if (addOn.quotedNames) {
            // The name without the quotes around it.
            if (name.size() < 2)
                return false;
            name = name.sliced(1, name.size() - 2);
        }
        // A team the file can write again.
        const QString *team = teamOf(addOn, QChar::fromLatin1(line.at(p2 + 1)));
        if (!team)
            return false;
        entry.name = QString::fromLatin1(name);
        entry.team = *team;
        entry.skill = NumberText::sharedText(line.sliced(p1 + 1, p2 - p1 - 1));
        // What the editor could not save again as it was read is not taken, such as a line break inside a name.
        return botRefusal(addOn, entry, first).isEmpty();
    }

    QString optionsRefusal(const RosterAddOn &addOn, const RosterOptions &options) const override
    {
        const QString delay = textOr(options.text(Field::TimeBeforeBotEntry), u"3"_s);
        if (!TextLines::fitsLatin1(delay) || !pauseValue(delay))
            return tr("The option \"Time Before Bot Entry\" cannot be saved, because %1 is not a number from -32768 to "
                      "32767.")
                       .arg(quoted(delay))
                + pleaseChange();
        if (addOn.botOptionLines && !fitsLine(options.text(Field::MinimumBotSkill)))
            return tr("The option \"Minimum Bot Skill\" cannot be saved, because it holds a character that a "
                      "Counter-Strike config file cannot carry.")
                + pleaseChange();
        return {};
    }

    QString botRefusal(const RosterAddOn &addOn, const RosterEntry &entry, bool first) const override
    {
        // The common bot, with a team the add-on knows, needs no look at each rule.
        if (plainNameAndSkill(entry.name, entry.skill) && !teamCode(addOn, entry.team).isNull())
            return {};
        if (entry.name.isEmpty())
            return namelessBotMessage();
        if (const QString why = unreadableName(entry.name); !why.isEmpty())
            return botStart(entry) + u". "_s + why;
        if (teamCode(addOn, entry.team).isNull())
            return tr("The bot %1 cannot be saved, because its team %2 is none of \"Terrorist\", \"Counter Terrorist\" "
                      "and \"Auto Assign\".")
                       .arg(quoted(entry.name), quoted(entry.team))
                + pleaseChange();
        if (!isSkill(entry.skill))
            return tr("The bot %1 cannot be saved, because its skill %2 is not a number.")
                       .arg(quoted(entry.name), quoted(entry.skill))
                + pleaseChange();
        // The add-on finds the fields of the first line by its blanks and takes the file for another kind when there
        // are more.
        if (first && entry.name.contains(u' '))
            return tr("The bot %1 cannot be saved as the first bot, because the first bot's name cannot contain "
                      "blanks. "
                      "Please change its name, or delete it and add it again after another bot.")
                .arg(quoted(entry.name));
        return {};
    }
};

} // namespace

const RosterFormat &RosterFormat::android()
{
    static const AndroidFormat format;
    return format;
}
