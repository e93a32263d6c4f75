#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// Paints the skin preview pictures: each player model as a soldier standing with its weapon, and the choices
// that leave the model to the game as a red silhouette or a plain card, each with a question mark.
class SkinFigure
{
public:
    // The picture's own size in logical pixels; empty for a key that has no picture.
    static QSizeF size(const QString &key);
    // The largest area of the picture's shape that fits bounds, centred in it.
    static QRectF fitted(const QString &key, const QRectF &bounds);
    // Paints the picture into that area; a key without a picture paints nothing.
    static void paint(QPainter &painter, const QString &key, const QRectF &bounds);
};
