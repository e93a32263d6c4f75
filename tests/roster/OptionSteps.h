#pragma once

#include "RosterEntry.h"
#include "RosterOptions.h"

#include <QStringList>

// Options and bots written as short texts, so that a data row reads like what the user did. Steps are separated
// by "; ": "check AutoSkill; text Botskill 7; text MaxBots" (emptied); "renew". Bots are separated by ";", each
// "name|team|skill|skin". A name that names no option stops the test at once.
namespace OptionSteps {

using Field = RosterOptions::Field;
using Option = RosterOptions::Option;

inline const QStringList fieldNames
    = QStringLiteral("TimeBeforeBotEntry MinBots MaxBots MinBotSkill Botskill MaxSkill MinimumBotSkill").split(u' ');
inline const QStringList optionNames = QStringLiteral("AutoTeamBalance AutoSkill Observer BotsDontShoot "
                                                      "ViewWaypoints WaypointsTeam1 WaypointsTeam2 ExtraSkill "
                                                      "UseBotskillRange BotChatting JasonMode")
                                           .split(u' ');

template<typename Named> Named named(const QStringList &names, const QString &name)
{
    const qsizetype index = names.indexOf(name);
    if (index < 0)
        qFatal("no option is called \"%s\"", qPrintable(name));
    return Named(index);
}

inline void apply(RosterOptions &options, const QString &steps)
{
    for (const QString &step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString verb = step.section(u' ', 0, 0);
        const QString name = step.section(u' ', 1, 1);
        if (verb == QLatin1StringView("renew"))
            options.renew();
        else if (verb == QLatin1StringView("text"))
            options.setText(named<Field>(fieldNames, name), step.section(u' ', 2));
        else if (verb == QLatin1StringView("check") || verb == QLatin1StringView("uncheck"))
            options.setChecked(named<Option>(optionNames, name), verb == QLatin1StringView("check"));
        else
            qFatal("no step is called \"%s\"", qPrintable(verb));
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
