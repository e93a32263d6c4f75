#include "Artwork.h"

#include "ArtworkPainter.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Grey, paler and half transparent: how a picture looks on a control that cannot be used.
QImage greyedOut(const QImage &source)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int grey = 150 + (qGray(pixel) - 150) * 6 / 10;
            line[x] = qRgba(grey, grey, grey, qAlpha(pixel) * 55 / 100);
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage render(Artwork::Picture picture, QSize pixelSize, qreal devicePixelRatio, QIcon::Mode mode)
{
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        ArtworkPainter::paint(painter, picture, QRectF(QPointF(0, 0), QSizeF(pixelSize) / devicePixelRatio));
    }
    return mode == QIcon::Disabled ? greyedOut(image) : image;
}

// Paints a picture afresh for every size an icon is asked for.
class ArtworkIconEngine : public QIconEngine
{
public:
    explicit ArtworkIconEngine(Artwork::Picture picture)
        : m_picture(picture)
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        if (mode != QIcon::Disabled) {
            ArtworkPainter::paint(*painter, m_picture, rect);
            return;
        }
        const qreal scale = (painter->device() ? painter->device()->devicePixelRatio() : 1.0)
            * std::sqrt(std::abs(painter->worldTransform().determinant()));
        const QSize pixels(std::max(1, qRound(rect.width() * scale)), std::max(1, qRound(rect.height() * scale)));
        painter->drawImage(rect, render(m_picture, pixels, 1.0, mode));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return ArtworkPainter::fitted(m_picture, QRectF(QPointF(0, 0), QSizeF(size))).size().toSize();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QSize pixels = actualSize(size, mode, state);
        if (pixels.isEmpty())
            return QPixmap();
        return QPixmap::fromImage(render(m_picture, pixels, 1.0, mode));
    }

    QIconEngine *clone() const override { return new ArtworkIconEngine(m_picture); }
    QString key() const override { return QStringLiteral("TrevlinArtwork"); }
    bool isNull() override { return false; }

private:
    Artwork::Picture m_picture;
};

} // namespace

QIcon Artwork::icon(Picture picture)
{
    return QIcon(new ArtworkIconEngine(picture));
}

QPixmap Artwork::pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio)
{
    if (logicalSize.isEmpty())
        return QPixmap();
    const qreal ratio = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    const QSize pixels(qRound(logicalSize.width() * ratio), qRound(logicalSize.height() * ratio));
    return QPixmap::fromImage(render(picture, pixels, ratio, QIcon::Normal));
}
