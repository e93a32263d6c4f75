#include "RosterReader.h"

#include "NumberText.h"
#include "RosterAddOn.h"
#include "RosterHeader.h"
#include "RosterOptions.h"
#include "TextLines.h"

#include <array>
#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace RosterLines;

namespace {

using Field = RosterOptions::Field;
using Option = RosterOptions::Option;
using ReadStatus = RosterFile::ReadStatus;

// The texts a bot line's codes stand for, made once and shared by every bot read. The skins of each team by code 1
// to 5, as a file read gives them back: the automatic skins all come back as "Auto Select", and so does every skin
// of the "Auto Select" team.
struct CodeTexts
{
    QString terrorist = TextLines::lasting(RosterLines::terrorist);
    QString counterTerrorist = TextLines::lasting(RosterLines::counterTerrorist);
    QString autoSelect = TextLines::lasting(RosterLines::autoSelect);
    std::array<QString, 5> terroristSkins{
        TextLines::lasting(terroristModels[0]), TextLines::lasting(terroristModels[1]),
        TextLines::lasting(terroristModels[2]), TextLines::lasting(terroristModels[3]), autoSelect};
    std::array<QString, 5> counterTerroristSkins{
        TextLines::lasting(counterTerroristModels[0]), TextLines::lasting(counterTerroristModels[1]),
        TextLines::lasting(counterTerroristModels[2]), TextLines::lasting(counterTerroristModels[3]), autoSelect};
};

const CodeTexts &codeTexts()
{
    static const CodeTexts texts;
    return texts;
}

// To the nearest whole number, a half to the even neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfToEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// A line without a space is all command word and all value at once.
QStringView beforeFirstSpace(QStringView line)
{
    const qsizetype space = line.indexOf(u' ');
    return space < 0 ? line : line.first(space);
}

QStringView afterFirstSpace(QStringView line)
{
    const qsizetype space = line.indexOf(u' ');
    return space < 0 ? line : line.sliced(space + 1);
}

} // namespace

RosterReader::RosterReader(QByteArrayView bytes, const RosterAddOn &addOn, RosterOptions &options)
    : m_lines(bytes)
    , m_addOn(addOn)
    , m_options(options)
{ }

RosterFile::ReadStatus RosterReader::read(QList<RosterEntry> &entries)
{
    if (!take() || m_line != RosterHeader::firstLine(m_addOn.botName))
        return ReadStatus::NotValid;
    if (!take())
        return ReadStatus::NotValid;
    if (m_line != RosterHeader::versionLine())
        return ReadStatus::OtherVersion;
    if (!readPause() || !readCheck(autoTeamBalance))
        return ReadStatus::NotValid;
    if (m_addOn.waypointLines) {
        for (const CheckLine &line : waypoints) {
            if (!readCheck(line))
                return ReadStatus::NotValid;
        }
    }
    if (!readCheck(observer) || !readCheck(botsDontShoot))
        return ReadStatus::NotValid;
    if (!readNumberField(Field::MinBots) || !readNumberField(Field::MaxBots))
        return ReadStatus::NotValid;
    if (!(m_addOn.hasSkillRange() ? readRangeSkill() : readNumberField(Field::Botskill)))
        return ReadStatus::NotValid;
    return readBots(entries) ? ReadStatus::Loaded : ReadStatus::NotValid;
}

bool RosterReader::take()
{
    QByteArrayView line;
    if (!m_lines.next(line))
        return false;
    m_line = QString::fromLatin1(line);
    return true;
}

// The pause is stored as a whole number within 16 bits, whatever fraction or exponent the file wrote.
bool RosterReader::readPause()
{
    if (!take())
        return false;
    const std::optional<double> value = NumberText::value(afterFirstSpace(m_line));
    if (!value)
        return false;
    const double rounded = roundHalfToEven(*value);
    if (rounded < -32768 || rounded > 32767)
        return false;
    m_options.setText(Field::TimeBeforeBotEntry, QString::number(int(rounded)));
    return true;
}

bool RosterReader::readCheck(const RosterLines::CheckLine &line)
{
    if (!take())
        return false;
    const bool on = m_line == line.on;
    if (!on && m_line != line.off)
        return false;
    // A team's waypoints can only be on while waypoints are shown at all.
    const bool teamWaypoints = line.option == Option::WaypointsTeam1 || line.option == Option::WaypointsTeam2;
    if (on && teamWaypoints)
        m_options.setChecked(Option::ViewWaypoints, true);
    m_options.setChecked(line.option, on);
    return true;
}

// The value is kept as the file writes it; only the command word before it goes unchecked.
bool RosterReader::readNumberField(Field field)
{
    if (!take())
        return false;
    const QStringView value = afterFirstSpace(m_line);
    if (!NumberText::value(value))
        return false;
    m_options.setText(field, value.toString());
    return true;
}

// The four skill lines of RealBot's random skill range. Each check box runs its rule before the next line is read, so
// the file's range replaces the "20" and "40" that checking Use Botskill Range puts in.
bool RosterReader::readRangeSkill()
{
    if (!take())
        return false;
    const QStringView skill = afterFirstSpace(m_line);
    if (skill == "-1"_L1) {
        m_options.setChecked(Option::AutoSkill, true);
    } else {
        m_options.setChecked(Option::AutoSkill, false);
        m_options.setText(Field::Botskill, skill.toString());
    }

    if (!take())
        return false;
    if (beforeFirstSpace(m_line) == "rb_minskill"_L1) {
        m_options.setChecked(Option::UseBotskillRange, true);
        m_options.setText(Field::MinBotSkill, afterFirstSpace(m_line).toString());
    } else if (beforeFirstSpace(m_line) == "//rb_minskill"_L1) {
        m_options.setChecked(Option::UseBotskillRange, false);
    } else {
        return false;
    }

    if (!take())
        return false;
    if (beforeFirstSpace(m_line) == "rb_maxskill"_L1)
        m_options.setText(Field::MaxSkill, afterFirstSpace(m_line).toString());
    else if (beforeFirstSpace(m_line) == "//rb_maxskill"_L1)
        m_options.setChecked(Option::UseBotskillRange, false);
    else
        return false;

    if (!take() || m_line.isEmpty())
        return false;
    const QChar extra = m_line.back();
    if (extra != u'0' && extra != u'1')
        return false;
    m_options.setChecked(Option::ExtraSkill, extra == u'1');
    return true;
}

// At least one bot; every line to the end of the file is one. The bot lines are read from the bytes as they are.
bool RosterReader::readBots(QList<RosterEntry> &entries)
{
    entries.reserve(m_lines.remaining());
    bool first = true;
    QByteArrayView line;
    while (m_lines.next(line)) {
        // Read in place: a refused bot ends the whole read, and the list with it.
        if (!readBot(line, first, entries.emplace_back()))
            return false;
        first = false;
    }
    return !first;
}

// "addbot <team code> <skin code> <name> <skill>". The command word goes unchecked, and of the two codes only
// the first character counts.
bool RosterReader::readBot(QByteArrayView line, bool first, RosterEntry &entry)
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

    // Whether the skill is a number and the name is none the caller asks of the bots read, as of the bots saved.
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
    return RosterFile::typedFieldsRefusal(entry, first).isEmpty();
}
