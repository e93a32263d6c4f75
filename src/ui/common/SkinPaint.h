#pragma once

#include "ArtworkCanvas.h"

#include <QList>
#include <QPainterPath>

// The finishes that every part of a skin picture shares: shapes filled, shaded as if lit from the upper left and
// outlined in one dark line, so that the soldiers and their weapons read as one set.
namespace SkinPaint {

using ArtworkCanvas::Canvas;

// The dark line around every part, in canvas units, which are logical pixels at the picture's own size.
constexpr qreal kLine = 1.4;
constexpr QColor kInk(0x17, 0x1a, 0x20);

QPainterPath ellipse(QPointF centre, qreal radiusX, qreal radiusY);
QPainterPath rectangle(const QRectF &area);
QPainterPath rounded(const QRectF &area, qreal radius);
QPainterPath polygon(std::initializer_list<QPointF> points);
// The union of the shapes, as one outline.
QPainterPath merged(std::initializer_list<QPainterPath> shapes);
// An open line through the points, for seams.
QPainterPath line(std::initializer_list<QPointF> points);
// A limb or strap: a tube of the given width bent through the points, with round ends.
QPainterPath tube(const QList<QPointF> &points, qreal width);

// Fills shape with color, lays the camouflage patches over it, shades it and outlines it. seed varies the patches
// from part to part.
void part(const Canvas &canvas, const QPainterPath &shape, const QColor &color, const QList<QColor> &camouflage = {},
          int seed = 0);
// The same with a thinner line, for small things such as pouches and weapon parts.
void detail(const Canvas &canvas, const QPainterPath &shape, const QColor &color);
// A line that marks a seam, a fold or an edge inside a part.
void seam(const Canvas &canvas, const QPainterPath &line, const QColor &color, qreal width = 0.9);
// The glint on a lens or a visor.
void glint(const Canvas &canvas, const QPainterPath &glass);

} // namespace SkinPaint
