#pragma once

#include <QIcon>
#include <QLatin1StringView>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's pictures: our own SVG files under assets/, compiled in and drawn afresh for every size and pixel
// ratio, so they stay sharp on any screen. Each is found by its key: a skin preview by the skin text the entry
// dialogs show for it, the others by the keys below.
class Pictures
{
public:
    static constexpr QLatin1StringView play{"play"};
    static constexpr QLatin1StringView exit{"exit"};
    static constexpr QLatin1StringView serverConfig{"server-config"};
    static constexpr QLatin1StringView folder{"folder"};
    static constexpr QLatin1StringView cancel{"cancel"};
    static constexpr QLatin1StringView appIcon{"trevlin"};
    static constexpr QLatin1StringView directoryBanner{"dirselect"};
    // The about window's title, which its effects reveal pixel by pixel, and the emblem beside its links.
    static constexpr QLatin1StringView aboutTitle{"about-title"};
    static constexpr QLatin1StringView aboutEmblem{"about-emblem"};

    // The picture's own size in logical pixels; an empty size for a key that has no picture.
    static QSize size(const QString &key);
    // The picture as an icon that renders for whatever size and pixel ratio it is asked, keeping its shape; a null
    // icon for a key that has no picture.
    static QIcon icon(const QString &key);
    // The picture rendered into logicalSize for the given pixel ratio, as large as its shape allows and centred.
    static QPixmap pixmap(const QString &key, QSize logicalSize, qreal devicePixelRatio = 1.0);
    // The same at the picture's own size.
    static QPixmap pixmap(const QString &key, qreal devicePixelRatio = 1.0);
};
