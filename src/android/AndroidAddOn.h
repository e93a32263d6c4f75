#pragma once

#include <QChar>
#include <QStringView>

#include <span>

// What differs between AndroidBot and PodBot, which share one editor: the lines their roster files carry, how a
// bot's name is written and the codes of the teams. The file format and the editor read it; nothing else tells the
// two apart.
struct AndroidAddOn
{
    QStringView botName = {};
    // PodBot's files carry bot chatting, jason mode and the minimum bot skill, and its editor shows them.
    bool podBotOptions = false;
    // AndroidBot writes a bot's name between double quotes, PodBot bare.
    bool quotedNames = false;
    // The codes of "Terrorist", "Counter Terrorist" and "Auto Assign".
    QChar terroristCode = u'1';
    QChar counterTerroristCode = u'2';
    QChar autoAssignCode = u'0';

    // The add-on whose name is exactly botName (letter case counts), or nullptr for any other name.
    static const AndroidAddOn *find(QStringView botName);
    static std::span<const AndroidAddOn> all();
};
