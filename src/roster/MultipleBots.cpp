#include "MultipleBots.h"

#include "NameList.h"
#include "NumberText.h"
#include "RandomSource.h"
#include "SkinTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;
using namespace SkinTable;

QString MultipleBots::refusal(QStringView number, QStringView skill, bool autoSkill)
{
    if (number.isEmpty())
        return tr("You Must Specify The Number Of Bots You Want To Add.");
    if (skill.isEmpty() && !autoSkill)
        return tr("You Must Specify The Skill Level For The Bots, Or Enable Auto Skill.");
    if (!count(number))
        return tr("The Number Of Bots Must Be A Number, Such As 10.");
    // The skill goes into each bot's line as it stands, where a blank would split the line.
    if (!autoSkill && (!NumberText::value(skill) || skill.contains(u' ') || skill.contains(u'\t')))
        return tr("The Skill Level Must Be A Number, Such As 3, Or Enable Auto Skill.");
    return {};
}

std::optional<int> MultipleBots::count(QStringView text)
{
    const std::optional<double> value = NumberText::value(text);
    if (!value)
        return std::nullopt;
    if (*value < 1)
        return 0;
    // More bots than there are names are never drawn, so a huge number only needs to stay within range.
    return int(std::min(std::floor(*value), double(std::numeric_limits<int>::max())));
}

QList<RosterEntry> MultipleBots::draw(int count, NameList &names, RandomSource &random)
{
    QList<RosterEntry> entries;
    // Never more bots than names are left: each name is drawn once.
    count = std::clamp(count, 0, names.left());
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        RosterEntry entry;
        entry.name = *names.draw(random);
        if (autoSkill)
            skill = QString::number(int(random.next() * skillMaximum + 1));
        entry.skill = skill;
        if (team == autoSelect)
            entry.team = random.pick(2) == 0 ? QString(terrorist) : QString(counterTerrorist);
        else
            entry.team = team;
        if (autoSelectSkin) {
            if (!skins.isEmpty())
                entry.skin = skins.at(random.pick(int(skins.size())));
        } else if (selectedSkin >= 0 && selectedSkin < skins.size()) {
            entry.skin = skins.at(selectedSkin);
        }
        entries.append(std::move(entry));
    }
    return entries;
}
