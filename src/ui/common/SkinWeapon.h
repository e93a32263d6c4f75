#pragma once

#include "SkinOutfit.h"
#include "SkinPaint.h"

// The weapons of the skin pictures, seen from the side. Each lies along the x axis with the end of its stock (the
// back of the grip for the pistol) at the origin, the muzzle towards +x and the magazine and grips below, so that
// the soldier only has to turn and place it.
namespace SkinWeapon {

// Where the two hands hold a weapon, in its own coordinates.
struct Hold
{
    QPointF grip;
    QPointF support;
};

Hold hold(SkinOutfit::Weapon weapon);
void paint(const SkinPaint::Canvas &canvas, SkinOutfit::Weapon weapon, const QColor &furniture);
// A ballistic shield standing in area, its window in the upper part.
void shield(const SkinPaint::Canvas &canvas, const QRectF &area);

} // namespace SkinWeapon
