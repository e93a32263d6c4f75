#pragma once

#include "RosterEntry.h"
#include "RosterOptions.h"

#include <QStringList>

// Options and bots written as short texts, so that a data row reads like what the user did. Steps are separated
// by "; ": "check AutoSkill; text Botskill 7; text MaxBots" (emptied); "renew RealBot". Bots are separated by ";",
// each "name|team|skill|skin".
namespace OptionSteps {

using Field = RosterOptions::Field;
using Option = RosterOptions::Option;

inline const QStringList fieldNames
    = QStringLiteral("TimeBeforeBotEntry MinBots MaxBots MinBotSkill Botskill MaxSkill").split(u' ');
inline const QStringList optionNames = QStringLiteral("AutoTeamBalance AutoSkill Observer BotsDontShoot "
                                                      "ViewWaypoints WaypointsTeam1 WaypointsTeam2 ExtraSkill "
                                                      "UseBotskillRange")
                                           .split(u' ');

inline void apply(RosterOptions &options, const QString &steps)
{
    for (const QString &step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString verb = step.section(u' ', 0, 0);
        const QString name = step.section(u' ', 1, 1);
        if (verb == QLatin1StringView("renew"))
            options.renew(name);
        else if (verb == QLatin1StringView("text"))
            options.setText(Field(fieldNames.indexOf(name)), step.section(u' ', 2));
        else
            options.setChecked(Option(optionNames.indexOf(name)), verb == QLatin1StringView("check"));
    }
}

inline QList<RosterEntry> bots(const QString &text)
{
    QList<RosterEntry> entries;
    for (const QString &bot : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = bot.split(u'|');
        entries << RosterEntry{parts.value(0), parts.value(1), parts.value(2), parts.value(3)};
    }
    return entries;
}

} // namespace OptionSteps
