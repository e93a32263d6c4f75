#pragma once

#include "SkinOutfit.h"
#include "SkinPaint.h"

// The heads of the skin pictures: face, headwear and whatever covers the face, on the soldier's canvas of 128 by
// 256 units.
namespace SkinHead {

// Where the bare head sits on the canvas.
constexpr QPointF kCentre(64, 45);
constexpr qreal kRadiusX = 13.5;
constexpr qreal kRadiusY = 16.5;

// The neck, painted before the collar and the vest so that they overlap it.
void neck(const SkinPaint::Canvas &canvas, const SkinOutfit &outfit);
void paint(const SkinPaint::Canvas &canvas, const SkinOutfit &outfit);

} // namespace SkinHead
