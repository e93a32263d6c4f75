#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The skin preview pictures of the entry dialogs, our own artwork painted as vector shapes so that they stay crisp
// at any pixel ratio. Each is found by its key, one of the eleven skin texts that have a picture.
class SkinPicture
{
public:
    // The picture's size in logical pixels: 128 by 256, and 129 by 185 for "Auto Select". An empty size for a key
    // that has no picture.
    static QSize size(const QString &key);
    // The picture as an icon that paints afresh for every size and pixel ratio it is asked for.
    static QIcon icon(const QString &key);
    // The picture at its own size, rendered for the given pixel ratio.
    static QPixmap pixmap(const QString &key, qreal devicePixelRatio = 1.0);
};
