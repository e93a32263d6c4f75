#pragma once

#include <QColor>
#include <QList>

// What a player model wears and carries: everything that tells the eight soldiers of the skin pictures apart.
struct SkinOutfit
{
    enum class Head {
        Balaclava,    // a knitted mask with goggles over the eyes
        Bandana,      // a tied cloth over the hair, and sunglasses
        Hood,         // a fur-trimmed hood and a scarf over mouth and nose
        Beret,        // a beret worn aslant, and a full beard
        CombatHelmet, // a cut-away helmet with goggles strapped to its front, headset, beard
        VisorDown,    // a full helmet with its tinted visor lowered over the face
        GasMask,      // a hood and a gas mask with two round eyepieces
        VisorUp       // a helmet with its clear visor raised, and a mask below the eyes
    };
    enum class Gear {
        Sling,       // only the weapon's strap across the chest
        OpenVest,    // a vest hanging open over the shirt
        ChestRig,    // a row of magazine pouches on straps
        PlateCarrier // armour plates with pouches on the front
    };
    enum class Weapon {
        AssaultRifle, // a curved magazine and a wooden or polymer stock
        Rifle,        // a carry handle and a straight magazine
        SniperRifle,  // long, with a telescopic sight
        Carbine,      // short, with a red-dot sight and a front grip
        SubMachineGun,
        PistolAndShield
    };

    bool counterTerrorist = false;
    Head head = Head::Balaclava;
    Gear gear = Gear::Sling;
    Weapon weapon = Weapon::AssaultRifle;
    bool shortSleeves = false;

    QColor skin;
    QColor top; // jacket, shirt or smock
    QColor trousers;
    QColor boots;
    QColor gloves;  // the skin's colour for bare hands
    QColor webbing; // the vest, rig or sling
    QColor headgear;
    QColor accent;            // lenses, visor or the bandana's dots
    QColor hair;              // beard and eyebrows
    QColor furniture;         // the weapon's stock and grips
    QList<QColor> camouflage; // patches over the clothes; none for plain cloth
};
