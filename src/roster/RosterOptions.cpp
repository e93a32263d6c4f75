#include "RosterOptions.h"

#include "RosterFormat.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int indexOf(RosterOptions::Field field)
{
    return int(field);
}

constexpr int indexOf(RosterOptions::Option option)
{
    return int(option);
}

} // namespace

// Holds back changed() until the outermost setter returns. The rules call setters of their own, and a window
// that refreshed between two steps of a rule would show a state that never settles.
class RosterOptions::Batch
{
public:
    explicit Batch(RosterOptions &options)
        : m_options(options)
    {
        ++m_options.m_batchDepth;
    }
    ~Batch()
    {
        if (--m_options.m_batchDepth != 0)
            return;
        if (std::exchange(m_options.m_batchEdited, false))
            Q_EMIT m_options.edited();
        if (std::exchange(m_options.m_batchChanged, false))
            Q_EMIT m_options.changed();
    }
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

private:
    RosterOptions &m_options;
};

RosterOptions::RosterOptions(const RosterAddOn &addOn, QObject *parent)
    : QObject(parent)
    , m_addOn(addOn)
{
    m_texts[indexOf(Field::TimeBeforeBotEntry)] = u"3"_s;
    m_texts[indexOf(Field::MinBots)] = u"0"_s;
    m_texts[indexOf(Field::MaxBots)] = u"0"_s;
    m_texts[indexOf(Field::MinBotSkill)] = u"0"_s;
    m_texts[indexOf(Field::Botskill)] = u"2"_s;
    m_texts[indexOf(Field::MaxSkill)] = u"0"_s;
    m_texts[indexOf(Field::MinimumBotSkill)] = u"60"_s;
    m_checked[indexOf(Option::BotChatting)] = true;

    // The editor opens with the team waypoint boxes greyed (View Waypoints is cleared) and the skill range greyed
    // (Auto Skill is cleared).
    m_fieldEnabled.fill(true);
    m_fieldEnabled[indexOf(Field::MinBotSkill)] = false;
    m_fieldEnabled[indexOf(Field::MaxSkill)] = false;
    m_optionEnabled.fill(true);
    m_optionEnabled[indexOf(Option::WaypointsTeam1)] = false;
    m_optionEnabled[indexOf(Option::WaypointsTeam2)] = false;
    m_optionEnabled[indexOf(Option::UseBotskillRange)] = false;
}

QString RosterOptions::text(Field field) const
{
    return m_texts[indexOf(field)];
}

void RosterOptions::setText(Field field, const QString &text)
{
    // Setting a control to the value it already holds is no change: no rule runs and nothing is marked unsaved.
    QString &current = m_texts[indexOf(field)];
    if (current == text)
        return;
    Batch batch(*this);
    current = text;
    markEdited();
}

bool RosterOptions::isChecked(Option option) const
{
    return m_checked[indexOf(option)];
}

void RosterOptions::setChecked(Option option, bool checked)
{
    if (m_checked[indexOf(option)] == checked)
        return;
    Batch batch(*this);
    applyChecked(option, checked);
}

RosterOptions::Range RosterOptions::spinnerRange(Field field) const
{
    switch (field) {
    case Field::TimeBeforeBotEntry:
        return {3, 10};
    case Field::MinBots:
    case Field::MaxBots:
        return {0, 10};
    case Field::MinBotSkill:
        return {0, m_addOn.minBotSkillMaximum};
    case Field::Botskill:
        return {0, 50};
    case Field::MaxSkill:
        return {1, 50};
    case Field::MinimumBotSkill:
        return {1, 100};
    }
    return {0, 0};
}

bool RosterOptions::isEnabled(Field field) const
{
    return m_fieldEnabled[indexOf(field)];
}

bool RosterOptions::isEnabled(Option option) const
{
    return m_optionEnabled[indexOf(option)];
}

void RosterOptions::renew()
{
    Batch batch(*this);
    setText(Field::TimeBeforeBotEntry, u"3"_s);
    setText(Field::MinBots, u"0"_s);
    setText(Field::MaxBots, u"0"_s);
    setText(Field::Botskill, QString(m_addOn.startBotskill));
    setText(Field::MinimumBotSkill, u"60"_s);
    // The team waypoint boxes are not cleared directly: clearing View Waypoints clears them. Min Bot Skill and
    // Max Skill go back to "0" when Use Botskill Range is cleared.
    if (!m_addOn.format->newKeepsTeamBalance)
        setChecked(Option::AutoTeamBalance, false);
    for (const Option option : {Option::AutoSkill, Option::Observer, Option::BotsDontShoot, Option::ViewWaypoints,
                                Option::ExtraSkill, Option::UseBotskillRange, Option::JasonMode})
        setChecked(option, false);
    setChecked(Option::BotChatting, true);
}

void RosterOptions::applyAddOnStartValues()
{
    Batch batch(*this);
    setText(Field::Botskill, QString(m_addOn.startBotskill));
    setText(Field::MinBotSkill, u"0"_s);
}

void RosterOptions::applyChecked(Option option, bool checked)
{
    m_checked[indexOf(option)] = checked;
    markEdited();
    switch (option) {
    case Option::ViewWaypoints:
        // The team boxes only make sense while waypoints are shown at all; hiding them forgets the team choice.
        setEnabled(Option::WaypointsTeam1, checked);
        if (!checked)
            setChecked(Option::WaypointsTeam1, false);
        setEnabled(Option::WaypointsTeam2, checked);
        if (!checked)
            setChecked(Option::WaypointsTeam2, false);
        break;
    case Option::AutoSkill:
        if (checked) {
            // RealBot writes "botskill -1" for a random skill; the field shows that value and cannot be edited.
            setEnabled(Field::Botskill, false);
            setText(Field::Botskill, u"-1"_s);
            setEnabled(Option::UseBotskillRange, true);
        } else {
            // Back to a fixed skill, always the add-on's default; a skill range needs Auto Skill.
            setEnabled(Field::Botskill, true);
            setEnabled(Option::UseBotskillRange, false);
            setText(Field::Botskill, QString(m_addOn.startBotskill));
            setChecked(Option::UseBotskillRange, false);
            setEnabled(Field::MinBotSkill, false);
            setEnabled(Field::MaxSkill, false);
        }
        break;
    case Option::UseBotskillRange:
        if (checked) {
            setEnabled(Option::UseBotskillRange, true);
            setEnabled(Field::MinBotSkill, true);
            setEnabled(Field::MaxSkill, true);
            setText(Field::MinBotSkill, u"20"_s);
            setText(Field::MaxSkill, u"40"_s);
        } else {
            setEnabled(Field::MinBotSkill, false);
            setEnabled(Field::MaxSkill, false);
            setText(Field::MinBotSkill, u"0"_s);
            setText(Field::MaxSkill, u"0"_s);
        }
        break;
    case Option::AutoTeamBalance:
    case Option::Observer:
    case Option::BotsDontShoot:
    case Option::WaypointsTeam1:
    case Option::WaypointsTeam2:
    case Option::ExtraSkill:
    case Option::BotChatting:
    case Option::JasonMode:
        break;
    }
}

void RosterOptions::setEnabled(Field field, bool enabled)
{
    bool &current = m_fieldEnabled[indexOf(field)];
    if (current == enabled)
        return;
    current = enabled;
    m_batchChanged = true;
}

void RosterOptions::setEnabled(Option option, bool enabled)
{
    bool &current = m_optionEnabled[indexOf(option)];
    if (current == enabled)
        return;
    current = enabled;
    m_batchChanged = true;
}

void RosterOptions::markEdited()
{
    m_batchEdited = true;
    m_batchChanged = true;
}
