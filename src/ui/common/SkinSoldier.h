#pragma once

#include "SkinOutfit.h"
#include "SkinPaint.h"

// A player model standing on a canvas of 128 by 256 units, facing the viewer with its weapon held across the body.
namespace SkinSoldier {

constexpr QSizeF kCanvas(128, 256);

void paint(const SkinPaint::Canvas &canvas, const SkinOutfit &outfit);
// The outline of a player with the arms at its sides, for the pictures that leave the choice to the game. The
// counter-terrorist wears a helmet, a vest and knee pads.
QPainterPath silhouette(bool counterTerrorist);

} // namespace SkinSoldier
