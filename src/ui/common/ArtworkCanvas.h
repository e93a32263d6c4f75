#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

// The shared means of the program's pictures: one palette, a canvas that knows how many device pixels a unit
// covers, and the shapes and finishes that several pictures use.
namespace ArtworkCanvas {

// Every picture is drawn on a canvas 64 units high; the banner is three times as wide.
constexpr qreal kCanvasHeight = 64.0;
// The width of the dark outline around every shape, in canvas units.
constexpr qreal kOutline = 2.0;

// The palette all pictures share.
namespace Palette {
constexpr QColor ink(0x1b, 0x24, 0x30);
constexpr QColor paper(0xff, 0xff, 0xff);
constexpr QColor paperShade(0xdc, 0xe1, 0xe7);
constexpr QColor rule(0x9a, 0xa5, 0xb1);

constexpr QColor warmLight(0xff, 0xc4, 0x4f);
constexpr QColor warm(0xfd, 0x7e, 0x14);
constexpr QColor warmDeep(0xd9, 0x48, 0x0f);
constexpr QColor warmInk(0x8a, 0x2e, 0x04);

constexpr QColor redLight(0xff, 0x87, 0x87);
constexpr QColor red(0xe0, 0x31, 0x31);
constexpr QColor redDeep(0xb0, 0x1e, 0x1e);
constexpr QColor redInk(0x74, 0x12, 0x12);

constexpr QColor manilaLight(0xff, 0xe0, 0x66);
constexpr QColor manila(0xfa, 0xb0, 0x05);
constexpr QColor manilaBack(0xe0, 0x94, 0x1a);
constexpr QColor manilaBackDeep(0xb8, 0x6e, 0x0a);
constexpr QColor manilaInk(0x6e, 0x45, 0x05);

constexpr QColor woodLight(0xc9, 0x84, 0x4a);
constexpr QColor woodDeep(0x8a, 0x4b, 0x1c);

constexpr QColor steelLight(0x6b, 0x7c, 0x8e);
constexpr QColor steelDeep(0x2b, 0x36, 0x42);
constexpr QColor slot(0x16, 0x1d, 0x25);
constexpr QColor metalLight(0xf1, 0xf3, 0xf5);
constexpr QColor metal(0xc5, 0xcc, 0xd3);
constexpr QColor metalDeep(0x8e, 0x99, 0xa4);

constexpr QColor skyLight(0xa5, 0xd8, 0xff);
constexpr QColor sky(0x4d, 0xab, 0xf7);
constexpr QColor skyDeep(0x18, 0x64, 0xab);

constexpr QColor nightLight(0x3d, 0x52, 0x68);
constexpr QColor night(0x1f, 0x2b, 0x38);
constexpr QColor nightDeep(0x11, 0x18, 0x20);

constexpr QColor signalGreen(0x51, 0xcf, 0x66);
constexpr QColor signalAmber(0xff, 0xb3, 0x40);
} // namespace Palette

// The painter together with how many device pixels one canvas unit covers, so that strokes never get thinner
// than a pixel and small renderings leave out details that would only turn into noise.
struct Canvas
{
    QPainter &painter;
    qreal pixelsPerUnit;

    qreal stroke(qreal units, qreal minPixels = 1.0) const { return std::max(units, minPixels / pixelsPerUnit); }
    bool detailed() const { return pixelsPerUnit * kCanvasHeight >= 30.0; }
};

QColor withAlpha(QColor color, int alpha);
QPen outlinePen(const Canvas &canvas, const QColor &color, qreal units = kOutline);
QLinearGradient vertical(const QRectF &area, const QColor &top, const QColor &bottom);
QLinearGradient vertical(const QRectF &area, const QColor &top, const QColor &middle, const QColor &bottom);
// A soft shadow below a shape, which lifts it off whatever background the button has.
void dropShadow(const Canvas &canvas, const QPainterPath &shape, qreal offset = 1.5);
// The shine across the upper part of a badge.
void gloss(const Canvas &canvas, const QPainterPath &shape, const QRectF &area);
QPainterPath roundedRect(const QRectF &area, qreal radius);
// A rounded square badge with a vertical gradient, an outline and a shine.
void badge(const Canvas &canvas, const QColor &top, const QColor &middle, const QColor &bottom, const QColor &edge);
QPainterPath gear(QPointF centre, qreal outerRadius, qreal innerRadius, qreal holeRadius, int teeth);
void crosshair(const Canvas &canvas, QPointF centre, qreal radius, const QColor &color, bool glow);

} // namespace ArtworkCanvas
