#include "SkinPicture.h"

#include "PaintedIcon.h"
#include "SkinFigure.h"

namespace {

PaintedPicture painted(const QString &key)
{
    return {[key](QPainter &painter, const QRectF &bounds) { SkinFigure::paint(painter, key, bounds); },
            [key](const QRectF &bounds) {
                return SkinFigure::fitted(key, bounds);
            }};
}

} // namespace

QSize SkinPicture::size(const QString &key)
{
    return SkinFigure::size(key).toSize();
}

QIcon SkinPicture::icon(const QString &key)
{
    if (size(key).isEmpty())
        return QIcon();
    return PaintedIcon::icon(painted(key));
}

QPixmap SkinPicture::pixmap(const QString &key, qreal devicePixelRatio)
{
    return PaintedIcon::pixmap(painted(key), size(key), devicePixelRatio);
}
