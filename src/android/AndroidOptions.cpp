#include "AndroidOptions.h"

using namespace Qt::Literals::StringLiterals;

AndroidOptions::AndroidOptions(QObject *parent)
    : QObject(parent)
{ }

template<typename T> void AndroidOptions::set(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    Q_EMIT changed();
}

void AndroidOptions::setEntryDelay(const QString &text)
{
    set(m_entryDelay, text);
}

void AndroidOptions::setAutoTeamBalance(bool on)
{
    set(m_autoTeamBalance, on);
}

void AndroidOptions::setBotChatting(bool on)
{
    set(m_botChatting, on);
}

void AndroidOptions::setJasonMode(bool on)
{
    set(m_jasonMode, on);
}

void AndroidOptions::setMinBotSkill(const QString &text)
{
    set(m_minBotSkill, text);
}

void AndroidOptions::renew()
{
    setEntryDelay(u"3"_s);
    setMinBotSkill(u"60"_s);
    setBotChatting(true);
    setJasonMode(false);
}
