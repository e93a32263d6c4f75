#pragma once

#include "RosterAddOn.h"
#include "RosterEntry.h"
#include "RosterFormat.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the entry dialogs of an add-on offer: its teams, the skins of each team, the skill range and its label, and
// the captions of its dialogs, as its row of the add-on table and its format give them. Team and skin are held as
// the display texts given here; the roster file turns them into codes.
class EntryProfile
{
public:
    explicit EntryProfile(const RosterAddOn &addOn)
        : m_addOn(&addOn)
    { }

    // The profile of one of the add-ons with a roster editor, compared exactly; none for any other name.
    static std::optional<EntryProfile> find(QStringView botName);

    const RosterAddOn &addOn() const { return *m_addOn; }
    const RosterFormat &format() const { return *m_addOn->format; }
    QStringView botName() const { return m_addOn->botName; }
    // "Terrorist", "Counter Terrorist" and, where the add-on lets the game choose, "Auto Select"; AndroidBot's
    // "Auto Assign".
    QStringList teams() const { return format().teams(*m_addOn); }
    QStringList severalTeams() const { return format().severalTeams(*m_addOn); }
    // Whether the add-on lets the game choose the team and the skin (RealBot, RamBot, SwatBot).
    bool offersAutoSelect() const { return m_addOn->offersAutoSelect; }
    QString addCaption() const { return m_addOn->addDialogCaption(); }
    QString editCaption() const { return m_addOn->editDialogCaption(); }

    // The skins that fill the skin list when team is picked, in order; empty for a team the add-on doesn't have
    // (FillSkinList in the dialogs' terms).
    QStringList fillSkinList(QStringView team) const;
    // "Skill 1 to 20 (1=best)".
    QString skillLabel() const { return format().skillLabel(*m_addOn); }
    int skillMaximum() const { return m_addOn->skillMaximum; }

    // Why an entry dialog cannot take bot, by the first of its checks that fails (see the format). An empty skin is
    // no skin selected.
    QString refusal(const RosterEntry &bot, RosterFormat::Entry entry, bool rowSelected = true) const
    {
        return format().entryRefusal(*m_addOn, bot, entry, rowSelected);
    }

    // The position, counted from 1, that a bot's skin selects in the skin list when the bot is edited, whatever its
    // team; 0 when the skin selects none.
    int skinPosition(QStringView skin) const;

    // The key of the preview picture of skin: the skin itself when a picture has that key, "Auto Select" otherwise.
    static QString skinPreview(QStringView skin);

private:
    const RosterAddOn *m_addOn;
};
