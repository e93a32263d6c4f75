#pragma once

#include <QObject>
#include <QString>

// The options of an AndroidBot or PodBot roster. The two boxes are kept as the text typed into them and not
// checked here; the file writes them unchanged. Bot chatting, jason mode and the minimum bot skill belong to
// PodBot: for AndroidBot they keep their values but are neither shown nor written.
class AndroidOptions : public QObject
{
    Q_OBJECT

public:
    explicit AndroidOptions(QObject *parent = nullptr);

    QString entryDelay() const { return m_entryDelay; }
    bool autoTeamBalance() const { return m_autoTeamBalance; }
    bool botChatting() const { return m_botChatting; }
    bool jasonMode() const { return m_jasonMode; }
    QString minBotSkill() const { return m_minBotSkill; }

    // Each setter sends changed() when the value is new.
    void setEntryDelay(const QString &text);
    void setAutoTeamBalance(bool on);
    void setBotChatting(bool on);
    void setJasonMode(bool on);
    void setMinBotSkill(const QString &text);

    // The values New starts from: a pause of "3", and for PodBot chatting on, jason mode off and "60". Auto team
    // balance stays as it is.
    void renew();

Q_SIGNALS:
    void changed();

private:
    template<typename T> void set(T &field, const T &value);

    QString m_entryDelay = QStringLiteral("3");
    bool m_autoTeamBalance = false;
    bool m_botChatting = true;
    bool m_jasonMode = false;
    QString m_minBotSkill = QStringLiteral("60");
};
