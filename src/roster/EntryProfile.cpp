#include "EntryProfile.h"

#include "SkinTable.h"

using namespace SkinTable;

std::optional<EntryProfile> EntryProfile::find(QStringView botName)
{
    if (const RosterAddOn *addOn = RosterAddOn::find(botName))
        return EntryProfile(*addOn);
    return std::nullopt;
}

QStringList EntryProfile::fillSkinList(QStringView team) const
{
    Group group;
    if (team == terrorist)
        group = Group::Terrorist;
    else if (team == counterTerrorist)
        group = Group::CounterTerrorist;
    else if (team == autoSelect && offersAutoSelect())
        group = Group::Combined;
    else
        return {};
    // The skins that leave the choice to the game come last, for the add-ons that let it choose.
    QStringList skins;
    for (const Skin &skin : SkinTable::skins) {
        if (skin.group == group && (skin.code != '5' || offersAutoSelect()))
            skins << skin.name;
    }
    return skins;
}

int EntryProfile::skinPosition(QStringView skin) const
{
    for (const Skin &known : SkinTable::skins) {
        if (skin != known.name)
            continue;
        // Of the automatic skins only "Auto Select" has a place, the fifth of the "Auto Select" team's.
        if (known.group == Group::Combined ? !offersAutoSelect() : known.code == '5')
            return 0;
        return known.code - '0';
    }
    return 0;
}

QString EntryProfile::skinPreview(QStringView skin)
{
    for (const Skin &known : SkinTable::skins) {
        if (known.pictured && skin == known.name)
            return known.name;
    }
    return fallbackPicture.name;
}
