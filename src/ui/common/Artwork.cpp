#include "Artwork.h"

#include "ArtworkPainter.h"
#include "PaintedIcon.h"

namespace {

PaintedPicture painted(Artwork::Picture picture)
{
    return {[picture](QPainter &painter, const QRectF &bounds) { ArtworkPainter::paint(painter, picture, bounds); },
            [picture](const QRectF &bounds) {
                return ArtworkPainter::fitted(picture, bounds);
            }};
}

} // namespace

QIcon Artwork::icon(Picture picture)
{
    return PaintedIcon::icon(painted(picture));
}

QPixmap Artwork::pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio)
{
    return PaintedIcon::pixmap(painted(picture), logicalSize, devicePixelRatio);
}
