#include "ListenServerConfig.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr std::array<QLatin1StringView, ListenServerConfig::fieldCount> fieldVariables{
    "hostname"_L1,          "mp_roundtime"_L1,  "mp_timelimit"_L1, "mp_freezetime"_L1,
    "sv_restartround"_L1,   "mp_c4timer"_L1,    "max_shells"_L1,   "max_smokepuffs"_L1,
    "mp_hostagepenalty"_L1, "mp_limitteams"_L1, "sv_maxspeed"_L1,
};

constexpr std::array<QLatin1StringView, ListenServerConfig::flagCount> flagVariables{
    "mp_friendlyfire"_L1,
    "mp_friendly_grenade_damage"_L1,
    "mp_autokick"_L1,
    "mp_footsteps"_L1,
    "mp_flashlight"_L1,
    "mp_falldamage"_L1,
    "mp_chasecam"_L1,
    "mp_tkpunish"_L1,
    "mp_logmessages"_L1,
    "dm"_L1,
    "ah"_L1,
    "sv_sendvelocity"_L1,
    "sv_autoaim"_L1,
    "pausable"_L1,
    "mp_forcechasecam"_L1,
    "mp_autoteambalance"_L1,
    "sv_cheats"_L1,
};

} // namespace

QLatin1StringView ListenServerConfig::variable(Field field)
{
    return fieldVariables[int(field)];
}

QLatin1StringView ListenServerConfig::variable(Flag flag)
{
    return flagVariables[int(flag)];
}

void ListenServerConfig::applyDefaults()
{
    using enum Field;
    const std::array<std::pair<Field, QString>, fieldCount> texts{{
        {ServerName, u"SERVER NAME!"_s},
        {Roundtime, u"5"_s},
        {Timelimit, u"0"_s},
        {Freezetime, u"3"_s},
        {RestartRound, u"0"_s},
        {C4Timer, u"30"_s},
        {MaxShells, u"120"_s},
        {MaxSmokePuffs, u"120"_s},
        {HostagePenalty, u"0"_s},
        {LimitTeams, u"0"_s},
        {MaxClientSpeed, u"320"_s},
    }};
    for (const auto &[field, text] : texts)
        setText(field, text);
    // Only these are set: the others stay as the window had them, which on a fresh window is off.
    for (Flag flag : {Flag::Footsteps, Flag::Flashlight, Flag::FallDamage, Flag::ComplexPhysics, Flag::LogMessages,
                      Flag::FriendlyGrenadeDamage, Flag::MapBriefings, Flag::HintMessages})
        setChecked(flag, true);
}

ListenServerConfig ListenServerConfig::defaults()
{
    ListenServerConfig config;
    config.applyDefaults();
    return config;
}

bool ListenServerConfig::assign(QStringView key, const QString &value)
{
    for (int i = 0; i < fieldCount; ++i) {
        if (key == fieldVariables[i]) {
            m_texts[i] = value;
            return true;
        }
    }
    for (int i = 0; i < flagCount; ++i) {
        if (key == flagVariables[i]) {
            // The file holds 0 or 1; a hand-written value that is no number at all counts as 0, as the game takes it.
            m_flags[i] = value.trimmed().toDouble() != 0;
            return true;
        }
    }
    return false;
}
