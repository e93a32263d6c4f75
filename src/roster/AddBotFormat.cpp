#include "RosterFormat.h"

#include "NumberText.h"
#include "RosterAddOn.h"
#include "RosterOptions.h"
#include "SkinTable.h"

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

using Field = RosterOptions::Field;
using Option = RosterOptions::Option;

// A check box written as one of two fixed lines.
struct CheckLine
{
    QLatin1StringView off;
    QLatin1StringView on;
    Option option;
};

constexpr CheckLine autoTeamBalance{"mp_autoteambalance 0"_L1, "mp_autoteambalance 1"_L1, Option::AutoTeamBalance};
// View Waypoints, then the boxes of team 1 and team 2.
constexpr std::array waypoints{
    CheckLine{"waypoint off"_L1, "waypoint on"_L1, Option::ViewWaypoints},
    CheckLine{"waypoint 1 off"_L1, "waypoint 1 on"_L1, Option::WaypointsTeam1},
    CheckLine{"waypoint 2 off"_L1, "waypoint 2 on"_L1, Option::WaypointsTeam2},
};
constexpr CheckLine observer{"observer 0"_L1, "observer 1"_L1, Option::Observer};
constexpr CheckLine botsDontShoot{"botsdontshoot 0"_L1, "botsdontshoot 1"_L1, Option::BotsDontShoot};

// A team or skin that no dialog offers still gets a code, one the reader refuses, rather than a malformed line.
constexpr char unknownCode = '0';

char teamCode(QStringView team)
{
    if (RosterFormat::is(team, SkinTable::terrorist))
        return '1';
    if (RosterFormat::is(team, SkinTable::counterTerrorist))
        return '2';
    return RosterFormat::is(team, SkinTable::autoSelect) ? '5' : unknownCode;
}

// The code follows from the skin text alone, whatever the bot's team.
char skinCode(QStringView skin)
{
    for (const SkinTable::Skin &known : SkinTable::skins) {
        if (RosterFormat::is(skin, known.name))
            return known.code;
    }
    return unknownCode;
}

// The texts a bot line's codes stand for, made once and shared by every bot read. The skins of each side by code 1
// to 5, as a file read gives them back: the automatic skins all come back as "Auto Select", and so does every skin
// of the "Auto Select" team.
struct CodeTexts
{
    QString terrorist = TextLines::lasting(SkinTable::terrorist);
    QString counterTerrorist = TextLines::lasting(SkinTable::counterTerrorist);
    QString autoSelect = TextLines::lasting(SkinTable::autoSelect);
    std::array<QString, 5> terroristSkins = skinsOf(SkinTable::Group::Terrorist);
    std::array<QString, 5> counterTerroristSkins = skinsOf(SkinTable::Group::CounterTerrorist);

    std::array<QString, 5> skinsOf(SkinTable::Group group) const
    {
        std::array<QString, 5> texts{{{}, {}, {}, {}, autoSelect}};
        for (const SkinTable::Skin &skin : SkinTable::skins) {
            if (skin.group == group && skin.code != '5')
                texts[skin.code - '1'] = TextLines::lasting(skin.name);
        }
        return texts;
    }
};

const CodeTexts &codeTexts()
{
    static const CodeTexts texts;
    return texts;
}

QString checkLine(const CheckLine &line, const RosterOptions &options)
{
    return options.isChecked(line.option) ? QString(line.on) : QString(line.off);
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

// "The bot "Alpha" cannot be saved, because its name holds "€", a character that ...".
QString botCharacterRefusal(const RosterEntry &entry, const QString &what, const QString &part)
{
    return RosterFormat::tr("The bot %1 cannot be saved, because its %2 holds %3, a character that a Counter-Strike "
                            "config file cannot carry.")
               .arg(RosterFormat::quoted(entry.name), what, part)
        + RosterFormat::pleaseChange();
}

// Why a name whose characters a line can carry would not read back: blanks, or a name that is a number.
QString misreadName(QStringView name)
{
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return c == u' ' || c == u'\t'; }))
        return RosterFormat::tr("A bot name cannot contain blanks, because the config file separates a bot's name "
                                "from its skill with a blank. Please use another name.");
    if (NumberText::value(name))
        return RosterFormat::numberNameMessage();
    return {};
}

// What is typed, the name and the skill: a bot read from a file has a team and a skin of the file's own codes.
// The first bot line must hold exactly four blanks; on a later line a blank around the skill reads back as it was.
QString typedFieldsRefusal(const RosterEntry &entry, bool first)
{
    if (RosterFormat::plainNameAndSkill(entry.name, entry.skill))
        return {};
    if (const QString part = RosterFormat::unwritablePart(entry.name); !part.isEmpty())
        return botCharacterRefusal(entry, RosterFormat::tr("name"), part);
    if (const QString part = RosterFormat::unwritablePart(entry.skill); !part.isEmpty())
        return botCharacterRefusal(entry, RosterFormat::tr("skill"), part);
    if (entry.name.isEmpty())
        return RosterFormat::namelessBotMessage();
    // The name's characters were looked at above.
    if (const QString why = misreadName(entry.name); !why.isEmpty())
        return RosterFormat::botStart(entry) + u". "_s + why;
    if ((first && entry.skill.contains(u' ')) || !NumberText::value(entry.skill))
        return RosterFormat::tr("The bot %1 cannot be saved, because its skill %2 is not a number.")
                   .arg(RosterFormat::quoted(entry.name), RosterFormat::quoted(entry.skill))
            + RosterFormat::pleaseChange();
    return {};
}

// An option the reader takes as a number: the whole text after the command word.
bool readsAsNumber(QStringView text)
{
    return NumberText::value(text).has_value();
}

bool readsAsPause(QStringView text)
{
    return RosterFormat::pauseValue(text).has_value();
}

// Why an option's text would not come back from the file as it was; empty when it would. An empty field is
// written as its default.
QString optionRefusal(const char *label, const QString &text, bool (*readsBack)(QStringView))
{
    const QString name = RosterFormat::tr(label);
    if (const QString part = RosterFormat::unwritablePart(text); !part.isEmpty())
        return RosterFormat::tr("The option \"%1\" cannot be saved, because it holds %2, a character that a "
                                "Counter-Strike config file cannot carry.")
                   .arg(name, part)
            + RosterFormat::pleaseChange();
    if (readsBack && !text.isEmpty() && !readsBack(text))
        return RosterFormat::tr("The option \"%1\" cannot be saved, because %2 is not a number.")
                   .arg(name, RosterFormat::quoted(text))
            + RosterFormat::pleaseChange();
    return {};
}

// The value after the command word is kept as the file writes it; the command word goes unchecked.
bool readNumberField(TextLines::Cursor &lines, RosterOptions &options, Field field)
{
    const std::optional<QString> line = RosterFormat::nextLine(lines);
    const QStringView value = line ? RosterFormat::afterFirstSpace(*line) : QStringView();
    if (!line || !NumberText::value(value))
        return false;
    options.setText(field, value.toString());
    return true;
}

bool readCheck(TextLines::Cursor &lines, RosterOptions &options, const CheckLine &check)
{
    QByteArrayView line;
    if (!lines.next(line))
        return false;
    const bool on = QLatin1StringView(line) == check.on;
    if (!on && QLatin1StringView(line) != check.off)
        return false;
    // A team's waypoints can only be on while waypoints are shown at all.
    if (on && (check.option == Option::WaypointsTeam1 || check.option == Option::WaypointsTeam2))
        options.setChecked(Option::ViewWaypoints, true);
    options.setChecked(check.option, on);
    return true;
}

QStringView commandWord(QStringView line)
{
    const qsizetype space = line.indexOf(u' ');
    return space < 0 ? line : line.first(space);
}

// The four skill lines of RealBot's random skill range. Each check box runs its rule before the next line is read, so
// the file's range replaces the "20" and "40" that checking Use Botskill Range puts in.
bool readRangeSkill(TextLines::Cursor &lines, RosterOptions &options)
{
    std::optional<QString> line = RosterFormat::nextLine(lines);
    if (!line)
        return false;
    const QStringView skill = RosterFormat::afterFirstSpace(*line);
    if (skill == "-1"_L1) {
        options.setChecked(Option::AutoSkill, true);
    } else {
        options.setChecked(Option::AutoSkill, false);
        options.setText(Field::Botskill, skill.toString());
    }

    if (line = RosterFormat::nextLine(lines); !line)
        return false;
    if (commandWord(*line) == "rb_minskill"_L1) {
        options.setChecked(Option::UseBotskillRange, true);
        options.setText(Field::MinBotSkill, RosterFormat::afterFirstSpace(*line).toString());
    } else if (commandWord(*line) == "//rb_minskill"_L1) {
        options.setChecked(Option::UseBotskillRange, false);
    } else {
        return false;
    }

    if (line = RosterFormat::nextLine(lines); !line)
        return false;
    if (commandWord(*line) == "rb_maxskill"_L1)
        options.setText(Field::MaxSkill, RosterFormat::afterFirstSpace(*line).toString());
    else if (commandWord(*line) == "//rb_maxskill"_L1)
        options.setChecked(Option::UseBotskillRange, false);
    else
        return false;

    if (line = RosterFormat::nextLine(lines); !line || line->isEmpty())
        return false;
    const QChar extra = line->back();
    if (extra != u'0' && extra != u'1')
        return false;
    options.setChecked(Option::ExtraSkill, extra == u'1');
    return true;
}

class AddBotFormat final : public RosterFormat
{
    // Its own texts are its own, apart from those every format shares.
    Q_DECLARE_TR_FUNCTIONS(AddBotFormat)

public:
    AddBotFormat()
    {
        columns = {RosterEntry::Name, RosterEntry::Team, RosterEntry::Skill, RosterEntry::Skin};
        names
            = {"EditScreen"_L1, "AddScreen"_L1, "EditBotScreen"_L1, "AddMultiple"_L1, "OpenScreen"_L1, "SaveScreen"_L1,
               "Command3"_L1,   "Label2"_L1,    "Label3"_L1,        "Label7"_L1,      "Check2"_L1,     "Label3"_L1};
        applyToAllTip = QT_TRANSLATE_NOOP("RosterFormat",
                                          "This will apply Team, Skin and Skill changes to all bots in your list.");
        otherVersionText
            = QT_TRANSLATE_NOOP("RosterFormat", "This config file is made with another version. Unable to load.");
    }

    QStringList teams(const RosterAddOn &addOn) const override
    {
        QStringList teams{SkinTable::terrorist, SkinTable::counterTerrorist};
        if (addOn.offersAutoSelect)
            teams << SkinTable::autoSelect;
        return teams;
    }

    QString skillLabel(const RosterAddOn &addOn) const override
    {
        return tr("Skill 1 to %1 (1=best)").arg(addOn.skillMaximum);
    }

    QString unreadableName(QStringView name) const override
    {
        if (const QString part = unwritablePart(name); !part.isEmpty())
            return tr("The bot name holds %1, a character that a Counter-Strike config file cannot carry. Please use "
                      "another name.")
                .arg(part);
        return misreadName(name);
    }

    // The add dialog checks name, skill, the skill's range, team and skin; the edit dialog the team before the skill,
    // in words of its own, and with Apply To All not the name.
    QString fieldRefusal(const RosterAddOn &addOn, const RosterEntry &bot, Entry entry) const override
    {
        if (entry != Entry::EditAll && bot.name.isEmpty())
            return tr("You have to name the bot");
        if (entry != Entry::Add && bot.team.isEmpty())
            return tr("You have to slect a team for the bot");
        if (bot.skill.isEmpty())
            return tr("You have to enter a skill level for the bot");
        // A blank around the number would split the bot's line in the file, so only the number itself counts.
        const std::optional<double> skill = NumberText::value(bot.skill);
        if (bot.skill.contains(u' ') || bot.skill.contains(u'\t') || !skill || *skill < 1
            || *skill > addOn.skillMaximum)
            return tr("The skill level must be between 1 and %1").arg(addOn.skillMaximum);
        if (entry == Entry::Add && bot.team.isEmpty())
            return tr("You have to select a team for the bot");
        if (bot.skin.isEmpty())
            return entry == Entry::Add ? tr("You have to choose a skin for the bot")
                                       : tr("You Have to select a skin for the bot");
        return {};
    }

    void writeOptions(const RosterAddOn &addOn, const RosterOptions &options, QStringList &lines) const override
    {
        lines << u"pause "_s + textOr(options.text(Field::TimeBeforeBotEntry), u"3"_s);
        lines << checkLine(autoTeamBalance, options);
        if (addOn.waypointLines) {
            for (const CheckLine &line : waypoints)
                lines << checkLine(line, options);
        }
        lines << checkLine(observer, options) << checkLine(botsDontShoot, options);
        lines << u"min_bots "_s + textOr(options.text(Field::MinBots), u"0"_s);
        lines << u"max_bots "_s + textOr(options.text(Field::MaxBots), u"0"_s);

        const QString botskill = textOr(options.text(Field::Botskill), botskillDefault(addOn, options));
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
    }

    bool readOptions(const RosterAddOn &addOn, TextLines::Cursor &lines, RosterOptions &options) const override
    {
        QByteArrayView line;
        if (!lines.next(line))
            return false;
        const std::optional<int> pause = pauseValue(afterFirstSpace(QString::fromLatin1(line)));
        if (!pause)
            return false;
        options.setText(Field::TimeBeforeBotEntry, QString::number(*pause));
        if (!readCheck(lines, options, autoTeamBalance))
            return false;
        if (addOn.waypointLines) {
            for (const CheckLine &check : waypoints) {
                if (!readCheck(lines, options, check))
                    return false;
            }
        }
        if (!readCheck(lines, options, observer) || !readCheck(lines, options, botsDontShoot))
            return false;
        if (!readNumberField(lines, options, Field::MinBots) || !readNumberField(lines, options, Field::MaxBots))
            return false;
        return addOn.hasSkillRange() ? readRangeSkill(lines, options)
                                     : readNumberField(lines, options, Field::Botskill);
    }

    void appendBot(const RosterAddOn &, const RosterEntry &entry, QByteArray &bytes) const override
    {
        bytes += "addbot ";
        bytes += teamCode(entry.team);
        bytes += ' ';
        bytes += skinCode(entry.skin);
        bytes += ' ';
        TextLines::appendLatin1(bytes, entry.name);
        bytes += ' ';
        TextLines::appendLatin1(bytes, entry.skill);
    }

    // "addbot <team code> <skin code> <name> <skill>". The command word goes unchecked, and of the two codes only
    // the first character counts.
    bool readBot(const RosterAddOn &, QByteArrayView line, bool first, RosterEntry &entry) const override
    {
        if (first && line.count(' ') != 4)
            return false;
        std::array<qsizetype, 4> spaces{};
        qsizetype at = 0;
        for (qsizetype &space : spaces) {
            while (at < line.size() && line[at] != ' ')
                ++at;
            if (at == line.size())
                return false;
            space = at++;
        }

        entry.skill = NumberText::sharedText(line.sliced(spaces[3] + 1));
        // Both code characters exist: each lies before the next space.
        const CodeTexts &texts = codeTexts();
        const char team = line[spaces[0] + 1];
        if (team == '1')
            entry.team = texts.terrorist;
        else if (team == '2')
            entry.team = texts.counterTerrorist;
        else if (team == '5')
            entry.team = texts.autoSelect;
        else
            return false;
        entry.name = QString::fromLatin1(line.sliced(spaces[2] + 1, spaces[3] - spaces[2] - 1));
        const char skin = line[spaces[1] + 1];
        if (skin < '1' || skin > '5')
            return false;
        const int position = skin - '1';
        if (team == '1')
            entry.skin = texts.terroristSkins[position];
        else if (team == '2')
            entry.skin = texts.counterTerroristSkins[position];
        else
            entry.skin = texts.autoSelect;
        // Only what the editor could save again as it was read is taken, by the rule the writer follows; the team and
        // skin came from codes.
        return typedFieldsRefusal(entry, first).isEmpty();
    }

    QString optionsRefusal(const RosterAddOn &addOn, const RosterOptions &options) const override
    {
        // The options in the order the file holds them, with what the reader takes each for. RealBot's Botskill is
        // kept as any text, and its skill range is written only with Auto Skill and Use Botskill Range both checked.
        struct Written
        {
            Field field;
            const char *label;
            bool (*readsBack)(QStringView);
        };
        QList<Written> written{
            {Field::TimeBeforeBotEntry, QT_TRANSLATE_NOOP("RosterFormat", "Time Before Bot Entry"), readsAsPause},
            {Field::MinBots, QT_TRANSLATE_NOOP("RosterFormat", "Min No Of Bots"), readsAsNumber},
            {Field::MaxBots, QT_TRANSLATE_NOOP("RosterFormat", "Max No Of Bots"), readsAsNumber},
            {Field::Botskill, QT_TRANSLATE_NOOP("RosterFormat", "Botskill"),
             addOn.hasSkillRange() ? nullptr : readsAsNumber}};
        if (writesSkillRange(addOn, options)) {
            written << Written{Field::MinBotSkill, QT_TRANSLATE_NOOP("RosterFormat", "Min Bot Skill"), nullptr}
                    << Written{Field::MaxSkill, QT_TRANSLATE_NOOP("RosterFormat", "Max Skill"), nullptr};
        }
        for (const Written &option : written) {
            if (const QString why = optionRefusal(option.label, options.text(option.field), option.readsBack);
                !why.isEmpty())
                return why;
        }
        const std::optional<double> minBots = NumberText::value(options.text(Field::MinBots));
        const std::optional<double> maxBots = NumberText::value(options.text(Field::MaxBots));
        if (minBots && maxBots && *minBots > *maxBots) {
            return tr("The option \"Min No Of Bots\" (%1) is more than \"Max No Of Bots\" (%2), so the server could "
                      "never keep to both. Please change one of them and save again.")
                .arg(options.text(Field::MinBots), options.text(Field::MaxBots));
        }
        return {};
    }

    QString botRefusal(const RosterAddOn &, const RosterEntry &entry, bool first) const override
    {
        // A team or skin with a code is one of the file's own texts, which a line can carry.
        const bool teamKnown = teamCode(entry.team) != unknownCode;
        const bool skinKnown = skinCode(entry.skin) != unknownCode;
        if (!teamKnown) {
            if (const QString part = unwritablePart(entry.team); !part.isEmpty())
                return botCharacterRefusal(entry, tr("team"), part);
        }
        if (!skinKnown) {
            if (const QString part = unwritablePart(entry.skin); !part.isEmpty())
                return botCharacterRefusal(entry, tr("skin"), part);
        }
        if (const QString why = typedFieldsRefusal(entry, first); !why.isEmpty())
            return why;
        if (!teamKnown)
            return tr("The bot %1 cannot be saved, because its team %2 is none of \"Terrorist\", \"Counter Terrorist\" "
                      "and \"Auto Select\".")
                       .arg(quoted(entry.name), quoted(entry.team))
                + pleaseChange();
        if (!skinKnown)
            return tr("The bot %1 cannot be saved, because its skin %2 is none of the skins a config file knows.")
                       .arg(quoted(entry.name), quoted(entry.skin))
                + pleaseChange();
        return {};
    }

    void afterWrite(const RosterAddOn &addOn, RosterOptions &options) const override
    {
        // The editor shows the skill that went into the file.
        if (const QString fallback = botskillDefault(addOn, options); !fallback.isEmpty())
            options.setText(Field::Botskill, fallback);
    }
};

} // namespace

const RosterFormat &RosterFormat::addBot()
{
    static const AddBotFormat format;
    return format;
}
