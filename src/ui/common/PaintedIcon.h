#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRectF>

#include <functional>

class QPainter;

// A picture that code draws as vector shapes: how it paints itself into an area, and which part of an area its
// shape fills, centred.
struct PaintedPicture
{
    std::function<void(QPainter &painter, const QRectF &bounds)> paint;
    std::function<QRectF(const QRectF &bounds)> fitted;
};

// Icons and pixmaps of painted pictures, drawn afresh for every size and pixel ratio they are asked for, so that
// they never get blurred by scaling a bitmap.
namespace PaintedIcon {

QIcon icon(const PaintedPicture &picture);
// The picture rendered at the given logical size for the given device pixel ratio.
QPixmap pixmap(const PaintedPicture &picture, QSize logicalSize, qreal devicePixelRatio);

} // namespace PaintedIcon
