#include "Pictures.h"

#include "SkinTable.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

using namespace Qt::Literals::StringLiterals;

// A static library's resources are linked into the program only when something refers to them; this does, and it
// has to stand outside any namespace.
static void registerAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace {

struct Picture
{
    QLatin1StringView key;
    QLatin1StringView file;
};

constexpr std::array pictures{
    // The skin previews, keyed by the skins' own names.
    Picture{SkinTable::skins[0].name, ":/skins/phoenix-connection.svg"_L1},
    Picture{SkinTable::skins[1].name, ":/skins/l337-krew.svg"_L1},
    Picture{SkinTable::skins[2].name, ":/skins/arctic-avengers.svg"_L1},
    Picture{SkinTable::skins[3].name, ":/skins/gorilla-warface.svg"_L1},
    Picture{SkinTable::skins[4].name, ":/skins/seal-team-6.svg"_L1},
    Picture{SkinTable::skins[5].name, ":/skins/german-gsg-9.svg"_L1},
    Picture{SkinTable::skins[6].name, ":/skins/uk-sas.svg"_L1},
    Picture{SkinTable::skins[7].name, ":/skins/french-gign.svg"_L1},
    Picture{SkinTable::skins[12].name, ":/skins/auto-select-terrorist.svg"_L1},
    Picture{SkinTable::skins[13].name, ":/skins/auto-select-counter-terrorist.svg"_L1},
    Picture{SkinTable::skins[14].name, ":/skins/auto-select.svg"_L1},
    Picture{Pictures::play, ":/icons/play.svg"_L1},
    Picture{Pictures::exit, ":/icons/exit.svg"_L1},
    Picture{Pictures::serverConfig, ":/icons/server-config.svg"_L1},
    Picture{Pictures::folder, ":/icons/folder.svg"_L1},
    Picture{Pictures::cancel, ":/icons/cancel.svg"_L1},
    Picture{Pictures::appIcon, ":/icons/trevlin.svg"_L1},
    Picture{Pictures::directoryBanner, ":/dirselect.svg"_L1},
    Picture{Pictures::aboutTitle, ":/about/title.svg"_L1},
    Picture{Pictures::aboutEmblem, ":/about/emblem.svg"_L1},
};

// Where the key's picture stands in pictures; pictures.size() for a key that has none.
std::size_t indexOf(const QString &key)
{
    const auto found
        = std::find_if(pictures.begin(), pictures.end(), [&key](const Picture &picture) { return key == picture.key; });
    return std::size_t(found - pictures.begin());
}

// A picture is parsed the first time it is measured or drawn, and then kept: start-up only pays for the few the
// main window shows.
QSvgRenderer *renderer(const QString &key)
{
    static std::array<std::unique_ptr<QSvgRenderer>, pictures.size()> loaded;
    const std::size_t index = indexOf(key);
    if (index == pictures.size())
        return nullptr;
    std::unique_ptr<QSvgRenderer> &svg = loaded.at(index);
    if (!svg) {
        static const bool registered = (registerAssets(), true);
        Q_UNUSED(registered);
        const QString file = pictures.at(index).file;
        svg = std::make_unique<QSvgRenderer>(file);
        if (!svg->isValid())
            qWarning("The picture %s cannot be read", qUtf8Printable(file));
    }
    return svg->isValid() ? svg.get() : nullptr;
}

// The largest area of the picture's shape that fits bounds, centred in it.
QRectF fitted(const QSvgRenderer &svg, const QRectF &bounds)
{
    const QSizeF size = QSizeF(svg.defaultSize()).scaled(bounds.size(), Qt::KeepAspectRatio);
    return QRectF(bounds.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

void render(QSvgRenderer &svg, QPainter &painter, const QRectF &bounds)
{
    const QRectF area = fitted(svg, bounds);
    painter.save();
    // Nothing of a picture reaches beyond its own area, whatever its file holds.
    painter.setClipRect(area, Qt::IntersectClip);
    svg.render(&painter, area);
    painter.restore();
}

class PictureIconEngine : public QIconEngine
{
public:
    explicit PictureIconEngine(const QString &key)
        : m_key(key)
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        QSvgRenderer *svg = renderer(m_key);
        if (!svg)
            return;
        if (mode != QIcon::Disabled) {
            render(*svg, *painter, rect);
            return;
        }
        // The greyed picture is a bitmap: rendered at the device pixels it will cover, it stays as sharp.
        const qreal scale = (painter->device() ? painter->device()->devicePixelRatio() : 1.0)
            * std::sqrt(std::abs(painter->worldTransform().determinant()));
        const QRectF area = fitted(*svg, rect);
        const QPixmap greyed = pixmap((area.size() * scale).toSize(), mode, state);
        painter->drawPixmap(area, greyed, QRectF(QPointF(0, 0), QSizeF(greyed.size())));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer *svg = renderer(m_key);
        return svg ? fitted(*svg, QRectF(QPointF(0, 0), QSizeF(size))).size().toSize() : QSize();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture = Pictures::pixmap(m_key, actualSize(size, mode, state));
        if (mode == QIcon::Disabled && !picture.isNull()
            && qobject_cast<QApplication *>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QApplication::palette();
            return QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        return picture;
    }

    QIconEngine *clone() const override { return new PictureIconEngine(m_key); }
    QString key() const override { return u"TrevlinPicture"_s; }
    bool isNull() override { return false; }

private:
    const QString m_key;
};

} // namespace

QSize Pictures::size(const QString &key)
{
    const QSvgRenderer *svg = renderer(key);
    return svg ? svg->defaultSize() : QSize();
}

QIcon Pictures::icon(const QString &key)
{
    // Only the key is checked here; the file is read when the icon is first drawn.
    if (indexOf(key) == pictures.size())
        return QIcon();
    return QIcon(new PictureIconEngine(key));
}

QPixmap Pictures::pixmap(const QString &key, QSize logicalSize, qreal devicePixelRatio)
{
    QSvgRenderer *svg = renderer(key);
    if (!svg || logicalSize.isEmpty())
        return QPixmap();
    const qreal ratio = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    const QSize pixels = (QSizeF(logicalSize) * ratio).toSize();
    // Buttons ask for their icons on every repaint; the cache spares rendering the vectors each time.
    const QString cacheKey = u"Trevlin/%1/%2x%3@%4"_s.arg(key).arg(pixels.width()).arg(pixels.height()).arg(ratio);
    QPixmap picture;
    if (QPixmapCache::find(cacheKey, &picture))
        return picture;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return QPixmap();
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        render(*svg, painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(ratio);
    QPixmapCache::insert(cacheKey, picture);
    return picture;
}

QPixmap Pictures::pixmap(const QString &key, qreal devicePixelRatio)
{
    return pixmap(key, size(key), devicePixelRatio);
}
