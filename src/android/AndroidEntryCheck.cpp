#include "AndroidEntryCheck.h"

#include "AndroidRosterEntry.h"
#include "NumberText.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

QString AndroidEntryCheck::refusal(const AndroidRosterEntry &bot, bool withName, bool rowSelected)
{
    if (withName && bot.name.isEmpty())
        return u"You have to name the bot"_s;
    if (bot.team.isEmpty())
        return u"You have to select a team for the bot"_s;
    if (bot.skill.isEmpty())
        return u"You have to enter a skill level for the bot"_s;
    // A skill that is no number is no skill from 0 to 100 either.
    const std::optional<double> skill = NumberText::value(bot.skill);
    if (!isSkill(bot.skill) || *skill < 0 || *skill > 100)
        return u"The skill level must be between 0 and 100"_s;
    if (!withName)
        return {};
    if (!rowSelected)
        return u"There is no bot selected in the list. Please select the bot you want to change, then press "
               u"Done again."_s;
    return unreadableName(bot.name);
}

QString AndroidEntryCheck::unreadableName(QStringView name)
{
    if (!fitsLine(name))
        return u"The bot name holds a character that a Counter-Strike config file cannot carry. Please use another "
               u"name."_s;
    if (NumberText::value(name))
        return u"A bot name cannot be a number, because the bot add-on would take it for the skill level. Please "
               u"use another name."_s;
    return {};
}

bool AndroidEntryCheck::isSkill(QStringView skill)
{
    return !skill.contains(u' ') && fitsLine(skill) && NumberText::value(skill).has_value();
}

bool AndroidEntryCheck::fitsLine(QStringView text)
{
    // One pass: a roster of thousands asks this of every name and skill.
    return std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c.unicode() > 0xff || c == u'\n' || c == u'\r'; });
}
