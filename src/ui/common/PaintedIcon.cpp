#include "PaintedIcon.h"

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

QImage render(const PaintedPicture &picture, QSize pixelSize, qreal devicePixelRatio, QIcon::Mode mode)
{
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(pixelSize) / devicePixelRatio));
    }
    return mode == QIcon::Disabled ? greyedOut(image) : image;
}

class PaintedIconEngine : public QIconEngine
{
public:
    explicit PaintedIconEngine(const PaintedPicture &picture)
        : m_picture(picture)
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        if (mode != QIcon::Disabled) {
            m_picture.paint(*painter, rect);
            return;
        }
        // The greyed picture is a bitmap: rendered at the pixels it will cover, it stays as sharp.
        const qreal scale = (painter->device() ? painter->device()->devicePixelRatio() : 1.0)
            * std::sqrt(std::abs(painter->worldTransform().determinant()));
        const QRectF area = m_picture.fitted(rect);
        const QSize pixels(std::max(1, qRound(area.width() * scale)), std::max(1, qRound(area.height() * scale)));
        painter->drawImage(area, render(m_picture, pixels, 1.0, mode));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return m_picture.fitted(QRectF(QPointF(0, 0), QSizeF(size))).size().toSize();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QSize pixels = actualSize(size, mode, state);
        if (pixels.isEmpty())
            return QPixmap();
        return QPixmap::fromImage(render(m_picture, pixels, 1.0, mode));
    }

    QIconEngine *clone() const override { return new PaintedIconEngine(m_picture); }
    QString key() const override { return QStringLiteral("TrevlinPainted"); }
    bool isNull() override { return false; }

private:
    const PaintedPicture m_picture;
};

} // namespace

QIcon PaintedIcon::icon(const PaintedPicture &picture)
{
    return QIcon(new PaintedIconEngine(picture));
}

QPixmap PaintedIcon::pixmap(const PaintedPicture &picture, QSize logicalSize, qreal devicePixelRatio)
{
    if (logicalSize.isEmpty())
        return QPixmap();
    const qreal ratio = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    const QSize pixels(qRound(logicalSize.width() * ratio), qRound(logicalSize.height() * ratio));
    return QPixmap::fromImage(render(picture, pixels, ratio, QIcon::Normal));
}
