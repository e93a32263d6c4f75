#pragma once

#include "RosterAddOn.h"
#include "RosterEntry.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <optional>

// What the entry dialogs of a generic add-on offer: its teams, the skins of each team, the skill range and its
// label, and the captions of its dialogs, as the add-on's entry in the table of add-ons gives them. Team and skin
// are held as the display texts given here; the roster file turns them into codes.
class EntryProfile
{
public:
    explicit EntryProfile(const RosterAddOn &addOn)
        : m_addOn(&addOn)
    { }

    // The profile of one of the nine generic add-ons, compared exactly; none for any other name.
    static std::optional<EntryProfile> find(QStringView botName);

    QStringView botName() const { return m_addOn->botName; }
    // "Terrorist", "Counter Terrorist" and, where the add-on lets the game choose, "Auto Select".
    QStringList teams() const;
    // Whether the add-on lets the game choose the team and the skin (RealBot, RamBot, SwatBot).
    bool offersAutoSelect() const { return m_addOn->offersAutoSelect; }
    QLatin1StringView addCaption() const { return m_addOn->addCaption; }
    QLatin1StringView editCaption() const { return m_addOn->editCaption; }

    // The skins that fill the skin list when team is picked, in order; empty for a team the add-on doesn't have
    // (FillSkinList in the dialogs' terms).
    QStringList fillSkinList(QStringView team) const;
    // "Skill 1 to 20 (1=best)".
    QString skillLabel() const;
    int skillMaximum() const { return m_addOn->skillMaximum; }
    // Empty when skill is a number from 1 to the maximum; otherwise the message to show, such as "The skill level
    // must be between 1 and 20", for a text that is no number too. The caller has refused an empty skill.
    QString validateSkill(QStringView skill) const;

    // Why the add dialog cannot add bot, by the first of its checks that fails: name, skill, the skill's range,
    // team, skin, and a name the file could not give back. Empty when it can. An empty skin is no skin selected.
    QString refuseNew(const RosterEntry &bot) const;
    // The same for the edit dialog, which checks the team before the skill. With applyToAll the name is left out
    // and no row is needed; without it, a row must be selected (rowSelected).
    QString refuseChange(const RosterEntry &bot, bool applyToAll, bool rowSelected) const;

    // The position, counted from 1, that a bot's skin selects in the skin list when the bot is edited, whatever its
    // team; 0 when the skin selects none.
    int skinPosition(QStringView skin) const;

    // The key of the preview picture of skin: the skin itself when a picture has that key, "Auto Select" otherwise.
    static QString skinPreview(QStringView skin);
    // The keys of the eleven preview pictures.
    static QStringList pictureKeys();

private:
    const RosterAddOn *m_addOn;
};
