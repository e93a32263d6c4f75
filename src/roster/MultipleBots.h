#pragma once

#include "RosterEntry.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class NameList;
class RandomSource;

// The make-up of bots added several at a time: names drawn from the name list, and a skill, team and skin that are
// either given or drawn for each bot.
struct MultipleBots
{
    Q_DECLARE_TR_FUNCTIONS(MultipleBots)

public:
    QString skill; // taken as it stands unless autoSkill
    bool autoSkill = false;
    int skillMaximum = 5;
    QString team; // "Auto Select" draws "Terrorist" or "Counter Terrorist" for each bot
    QStringList skins;
    int selectedSkin = -1; // no skin selected gives every bot an empty skin
    bool autoSelectSkin = false;

    // Why Done cannot go on with the typed number of bots and skill: the first of an empty number, an empty skill
    // without autoSkill, a number that is no number, a skill that is no number. Empty when it can.
    static QString refusal(QStringView number, QStringView skill, bool autoSkill);

    // The number of bots a typed number asks for: its whole part, and none for a number below one. No value when
    // the text is no number.
    static std::optional<int> count(QStringView text);

    // Draws count bots, each drawing in turn its name, then its skill, team and skin where they are to be drawn. With
    // autoSkill, skill ends as the last skill drawn. No more bots than names are left.
    QList<RosterEntry> draw(int count, NameList &names, RandomSource &random);
};
