#pragma once

#include "RosterAddOn.h"

#include <QObject>
#include <QString>

#include <array>

// The options a roster file carries besides its bots, held as the editor shows them: texts exactly as
// typed, check boxes on or off, and which controls are enabled. The rules by which one control fills, clears or
// enables others live here, so that a click in the editor and a line read from a file have the same effect.
// The rules that differ between add-ons take their values from the add-on's entry in the table of add-ons.
class RosterOptions : public QObject
{
    Q_OBJECT

public:
    // The text boxes: Text1 to Text6 of the "addbot" format's editor, and PodBot's "Minimum Bot Skill".
    enum class Field {
        TimeBeforeBotEntry, // Text1
        MinBots,            // Text2
        MaxBots,            // Text3
        MinBotSkill,        // Text4
        Botskill,           // Text5
        MaxSkill,           // Text6
        MinimumBotSkill,    // PodBot's Text2
    };
    static constexpr int fieldCount = 7;

    // The check boxes: Check1 to Check9 of the "addbot" format's editor, and PodBot's two.
    enum class Option {
        AutoTeamBalance,  // Check1
        AutoSkill,        // Check2
        Observer,         // Check3
        BotsDontShoot,    // Check4
        ViewWaypoints,    // Check5
        WaypointsTeam1,   // Check6
        WaypointsTeam2,   // Check7
        ExtraSkill,       // Check8
        UseBotskillRange, // Check9
        BotChatting,      // PodBot's Check2
        JasonMode,        // PodBot's Check3
    };
    static constexpr int optionCount = 11;

    // Starts with the values an editor opens with: Time Before Bot Entry "3", both numbers of bots "0",
    // Botskill "2", Min Bot Skill and Max Skill "0", Minimum Bot Skill "60", Bot Chatting alone checked. A format
    // that has no line for an option keeps its value but neither shows nor writes it.
    explicit RosterOptions(const RosterAddOn &addOn, QObject *parent = nullptr);

    QString text(Field field) const;
    void setText(Field field, const QString &text);
    bool isChecked(Option option) const;
    void setChecked(Option option, bool checked);
    // The range a field's spinner steps within; a typed value may lie outside it. Min Bot Skill's upper bound is
    // the add-on's own.
    struct Range
    {
        int minimum;
        int maximum;
    };
    Range spinnerRange(Field field) const;

    // A control's label and spinner are enabled together with it.
    bool isEnabled(Field field) const;
    bool isEnabled(Option option) const;

    // The editor's "New": the texts back to their start values (the add-on's own Botskill, "20" for RealBot),
    // then the check boxes back to theirs one by one, each through its own rule; Auto Team Balance stays where the
    // format says so.
    void renew();
    // The values an add-on's editor starts with beyond the common ones: its own Botskill ("20" for RealBot) with
    // Min Bot Skill "0".
    void applyAddOnStartValues();

Q_SIGNALS:
    // A value or an enabled state has changed. One call of a setter or of renew() emits it once at most, after
    // every rule it set off has run, so a window that refreshes on it never sees a rule half done.
    void changed();
    // A value has changed, which is an edit of the roster's options; sent just before changed().
    void edited();

private:
    class Batch;

    void applyChecked(Option option, bool checked);
    void setEnabled(Field field, bool enabled);
    void setEnabled(Option option, bool enabled);
    void markEdited();

    const RosterAddOn &m_addOn;
    std::array<QString, fieldCount> m_texts;
    std::array<bool, optionCount> m_checked{};
    std::array<bool, fieldCount> m_fieldEnabled{};
    std::array<bool, optionCount> m_optionEnabled{};
    int m_batchDepth = 0;
    bool m_batchChanged = false;
    bool m_batchEdited = false;
};
