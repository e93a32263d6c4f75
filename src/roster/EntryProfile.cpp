#include "EntryProfile.h"

#include "NumberText.h"
#include "RosterFile.h"
#include "RosterLines.h"

#include <array>

using namespace Qt::Literals::StringLiterals;
using namespace RosterLines;

namespace {

template<std::size_t Size> QStringList texts(const std::array<QLatin1StringView, Size> &skins)
{
    QStringList list;
    list.reserve(qsizetype(Size) + 1);
    for (QLatin1StringView skin : skins)
        list << skin;
    return list;
}

// The position, counted from 1, of text among skins; 0 when it is none of them.
template<std::size_t Size> int positionIn(const std::array<QLatin1StringView, Size> &skins, QStringView text)
{
    for (std::size_t i = 0; i < Size; ++i) {
        if (text == skins[i])
            return int(i) + 1;
    }
    return 0;
}

} // namespace

std::optional<EntryProfile> EntryProfile::find(QStringView botName)
{
    if (const RosterAddOn *addOn = RosterAddOn::find(botName))
        return EntryProfile(*addOn);
    return std::nullopt;
}

QStringList EntryProfile::teams() const
{
    QStringList teams{terrorist, counterTerrorist};
    if (offersAutoSelect())
        teams << autoSelect;
    return teams;
}

QStringList EntryProfile::fillSkinList(QStringView team) const
{
    QStringList skins;
    if (team == terrorist) {
        skins = texts(terroristModels);
        if (offersAutoSelect())
            skins << autoSelectTerrorist;
    } else if (team == counterTerrorist) {
        skins = texts(counterTerroristModels);
        if (offersAutoSelect())
            skins << autoSelectCounterTerrorist;
    } else if (team == autoSelect && offersAutoSelect()) {
        skins = texts(combinedSkins);
        skins << autoSelect;
    }
    return skins;
}

QString EntryProfile::skillLabel() const
{
    return u"Skill 1 to %1 (1=best)"_s.arg(skillMaximum());
}

QString EntryProfile::validateSkill(QStringView skill) const
{
    // A blank around the number would split the bot's line in the file, so only the number itself counts.
    const bool blank = skill.contains(u' ') || skill.contains(u'\t');
    const std::optional<double> value = NumberText::value(skill);
    if (!blank && value && *value >= 1 && *value <= skillMaximum())
        return {};
    return u"The skill level must be between 1 and %1"_s.arg(skillMaximum());
}

QString EntryProfile::refuseNew(const RosterEntry &bot) const
{
    if (bot.name.isEmpty())
        return u"You have to name the bot"_s;
    if (bot.skill.isEmpty())
        return u"You have to enter a skill level for the bot"_s;
    if (const QString range = validateSkill(bot.skill); !range.isEmpty())
        return range;
    if (bot.team.isEmpty())
        return u"You have to select a team for the bot"_s;
    if (bot.skin.isEmpty())
        return u"You have to choose a skin for the bot"_s;
    return RosterFile::unreadableName(bot.name);
}

QString EntryProfile::refuseChange(const RosterEntry &bot, bool applyToAll, bool rowSelected) const
{
    if (!applyToAll && bot.name.isEmpty())
        return u"You have to name the bot"_s;
    if (bot.team.isEmpty())
        return u"You have to slect a team for the bot"_s;
    if (bot.skill.isEmpty())
        return u"You have to enter a skill level for the bot"_s;
    if (const QString range = validateSkill(bot.skill); !range.isEmpty())
        return range;
    if (bot.skin.isEmpty())
        return u"You Have to select a skin for the bot"_s;
    if (applyToAll)
        return {};
    if (!rowSelected)
        return u"There is no bot selected in the list. Please select the bot you want to change, then press "
               u"Done again."_s;
    return RosterFile::unreadableName(bot.name);
}

int EntryProfile::skinPosition(QStringView skin) const
{
    if (const int position = positionIn(terroristModels, skin))
        return position;
    if (const int position = positionIn(counterTerroristModels, skin))
        return position;
    if (!offersAutoSelect())
        return 0;
    if (const int position = positionIn(combinedSkins, skin))
        return position;
    return skin == autoSelect ? 5 : 0;
}

QString EntryProfile::skinPreview(QStringView skin)
{
    const QStringList keys = pictureKeys();
    for (const QString &key : keys) {
        if (skin == key)
            return key;
    }
    return autoSelect;
}

QStringList EntryProfile::pictureKeys()
{
    // In the order the pictures were first stored; the order carries no meaning.
    return {u"L337 Krew"_s,
            autoSelectCounterTerrorist,
            u"Phoenix Connection"_s,
            u"French GIGN"_s,
            u"German GSG-9"_s,
            u"Gorilla Warface"_s,
            u"UK SAS"_s,
            u"Seal Team 6 (DEVGRU)"_s,
            autoSelectTerrorist,
            u"Arctic Avengers"_s,
            autoSelect};
}
