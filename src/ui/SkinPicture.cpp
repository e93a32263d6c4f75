#include "SkinPicture.h"

#include "SkinFigure.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace {

QImage render(const QString &key, QSize pixelSize, qreal devicePixelRatio)
{
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    SkinFigure::paint(painter, key, QRectF(QPointF(0, 0), QSizeF(pixelSize) / devicePixelRatio));
    return image;
}

// Grey and faded, as a picture looks on a control that cannot be used.
QImage greyedOut(const QImage &source)
{
    QImage grey(source.size(), QImage::Format_ARGB32_Premultiplied);
    grey.fill(Qt::transparent);
    QPainter painter(&grey);
    painter.setOpacity(0.45);
    painter.drawImage(0, 0, source.convertToFormat(QImage::Format_Grayscale8));
    return grey;
}

// Paints the picture afresh for every size and pixel ratio it is asked for, so that it never gets blurred by
// scaling a bitmap.
class SkinIconEngine : public QIconEngine
{
public:
    explicit SkinIconEngine(const QString &key)
        : m_key(key)
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        if (mode != QIcon::Disabled) {
            SkinFigure::paint(*painter, m_key, rect);
            return;
        }
        const QRectF area = SkinFigure::fitted(m_key, rect);
        const qreal scale = (painter->device() ? painter->device()->devicePixelRatio() : 1.0)
            * std::sqrt(std::abs(painter->worldTransform().determinant()));
        painter->drawImage(area, greyedOut(render(m_key, (area.size() * scale).toSize(), 1.0)));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return SkinFigure::fitted(m_key, QRectF(QPointF(0, 0), QSizeF(size))).size().toSize();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QSize pixels = actualSize(size, mode, state);
        if (pixels.isEmpty())
            return QPixmap();
        const QImage image = render(m_key, pixels, 1.0);
        return QPixmap::fromImage(mode == QIcon::Disabled ? greyedOut(image) : image);
    }

    QIconEngine *clone() const override { return new SkinIconEngine(m_key); }
    QString key() const override { return QStringLiteral("TrevlinSkin"); }
    bool isNull() override { return SkinFigure::size(m_key).isEmpty(); }

private:
    const QString m_key;
};

} // namespace

QSize SkinPicture::size(const QString &key)
{
    return SkinFigure::size(key).toSize();
}

QIcon SkinPicture::icon(const QString &key)
{
    if (size(key).isEmpty())
        return QIcon();
    return QIcon(new SkinIconEngine(key));
}

QPixmap SkinPicture::pixmap(const QString &key, qreal devicePixelRatio)
{
    const QSize logical = size(key);
    if (logical.isEmpty())
        return QPixmap();
    const qreal ratio = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    const QSize pixels(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
    return QPixmap::fromImage(render(key, pixels, ratio));
}
