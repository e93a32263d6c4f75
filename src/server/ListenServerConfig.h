#pragma once

#include <QLatin1StringView>
#include <QString>

#include <array>

// The listen server's settings as the server window shows them: eleven typed texts and seventeen flags, each tied
// to one console variable. Texts are kept exactly as typed; a fresh record has empty texts and every flag off, as
// the window has before anything is loaded into it.
class ListenServerConfig
{
public:
    // In the order of the window's boxes, Text1 to Text11.
    enum class Field {
        ServerName,
        Roundtime,
        Timelimit,
        Freezetime,
        RestartRound,
        C4Timer,
        MaxShells,
        MaxSmokePuffs,
        HostagePenalty,
        LimitTeams,
        MaxClientSpeed,
    };
    static constexpr int fieldCount = 11;

    // In the order of the window's check boxes, Check1 to Check17.
    enum class Flag {
        FriendlyFire,
        FriendlyGrenadeDamage,
        AutoKick,
        Footsteps,
        Flashlight,
        FallDamage,
        ChasecamOnly,
        PunishTeamKillers,
        LogMessages,
        MapBriefings,
        HintMessages,
        ComplexPhysics,
        Autoaim,
        Pausable,
        ForceChasecam,
        AutoTeamBalance,
        Cheats,
    };
    static constexpr int flagCount = 17;

    static QLatin1StringView variable(Field field);
    static QLatin1StringView variable(Flag flag);

    QString text(Field field) const { return m_texts[int(field)]; }
    void setText(Field field, const QString &text) { m_texts[int(field)] = text; }
    bool isChecked(Flag flag) const { return m_flags[int(flag)]; }
    void setChecked(Flag flag, bool checked) { m_flags[int(flag)] = checked; }

    // Puts in the program's defaults: every text, and the eight flags that are on by default. The other nine flags
    // keep what they hold.
    void applyDefaults();
    // A fresh record with the defaults applied.
    static ListenServerConfig defaults();

    // Sets the setting whose console variable is exactly key to value: a text as it is, a flag from its number
    // (0 off, anything else on). Returns false for a key of no setting.
    bool assign(QStringView key, const QString &value);

    bool operator==(const ListenServerConfig &other) const = default;

private:
    std::array<QString, fieldCount> m_texts;
    std::array<bool, flagCount> m_flags{};
};
