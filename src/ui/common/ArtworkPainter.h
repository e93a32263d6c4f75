#pragma once

#include "Artwork.h"

#include <QRectF>

class QPainter;

// Draws the program's pictures as vector shapes, at whatever size and pixel ratio the painter has.
class ArtworkPainter
{
public:
    // Paints picture into the largest area of its shape that fits bounds, centred in it.
    static void paint(QPainter &painter, Artwork::Picture picture, const QRectF &bounds);
    // That area.
    static QRectF fitted(Artwork::Picture picture, const QRectF &bounds);
};
