#include "ArtworkPainter.h"

#include "ArtworkCanvas.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>

using namespace ArtworkCanvas;

namespace {

void paintPlay(const Canvas &canvas)
{
    QPainter &p = canvas.painter;
    badge(canvas, Palette::warmLight, Palette::warm, Palette::warmDeep, Palette::warmInk);

    QPainterPath mark;
    mark.moveTo(25, 17.5);
    mark.lineTo(25, 46.5);
    mark.lineTo(48, 32);
    mark.closeSubpath();
    const qreal rounding = 5.0;
    if (canvas.detailed()) {
        p.setPen(QPen(withAlpha(Palette::warmInk, 110), rounding, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(withAlpha(Palette::warmInk, 110));
        p.drawPath(mark.translated(0, 1.6));
    }
    p.setPen(QPen(Palette::paper, rounding, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Palette::paper);
    p.drawPath(mark);
}

void paintExit(const Canvas &canvas)
{
    QPainter &p = canvas.painter;

    // The doorway, dark because the door stands open.
    const QRectF frame(7, 5, 32, 54);
    dropShadow(canvas, roundedRect(frame, 2));
    p.setPen(outlinePen(canvas, Palette::ink, kOutline * 1.25));
    p.setBrush(vertical(frame, Palette::night, Palette::nightLight));
    p.drawRoundedRect(frame, 2, 2);

    // The door itself, swung open towards the viewer around its left hinge.
    QPolygonF door;
    door << QPointF(7, 5) << QPointF(26, 11) << QPointF(26, 63) << QPointF(7, 59);
    QLinearGradient wood(QPointF(7, 0), QPointF(26, 0));
    wood.setColorAt(0.0, Palette::woodLight);
    wood.setColorAt(1.0, Palette::woodDeep);
    p.setPen(outlinePen(canvas, Palette::ink));
    p.setBrush(wood);
    p.drawPolygon(door);
    if (canvas.detailed()) {
        p.setPen(outlinePen(canvas, withAlpha(Palette::ink, 90), 1.0));
        p.setBrush(Qt::NoBrush);
        QPolygonF panel;
        panel << QPointF(11, 12) << QPointF(22, 16) << QPointF(22, 31) << QPointF(11, 28);
        p.drawPolygon(panel);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::signalAmber);
    const qreal knob = std::max(2.2, 1.2 / canvas.pixelsPerUnit);
    p.drawEllipse(QPointF(21.5, 37), knob, knob * 1.2);

    // The arrow on its way out.
    QPainterPath arrow;
    arrow.moveTo(27, 28);
    arrow.lineTo(44, 28);
    arrow.lineTo(44, 18);
    arrow.lineTo(60, 34);
    arrow.lineTo(44, 50);
    arrow.lineTo(44, 40);
    arrow.lineTo(27, 40);
    arrow.closeSubpath();
    dropShadow(canvas, arrow);
    p.setPen(outlinePen(canvas, Palette::redInk));
    p.setBrush(vertical(arrow.boundingRect(), Palette::redLight, Palette::red, Palette::redDeep));
    p.drawPath(arrow);
}

void paintServerConfig(const Canvas &canvas)
{
    QPainter &p = canvas.painter;

    // The rack with three server units.
    const QRectF rack(6, 3, 38, 56);
    dropShadow(canvas, roundedRect(rack, 4));
    p.setPen(outlinePen(canvas, Palette::ink));
    p.setBrush(vertical(rack, Palette::steelLight, Palette::steelDeep));
    p.drawRoundedRect(rack, 4, 4);
    for (int i = 0; i < 3; ++i) {
        const QRectF unit(10, 7 + i * 17, 30, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(unit, Palette::slot, Palette::nightLight));
        p.drawRoundedRect(unit, 2, 2);
        const qreal led = std::max(2.0, 0.8 / canvas.pixelsPerUnit);
        p.setBrush(i == 1 ? Palette::signalAmber : Palette::signalGreen);
        p.drawEllipse(QPointF(15, unit.center().y()), led, led);
        if (canvas.detailed()) {
            p.setPen(QPen(Palette::steelLight, 1.2, Qt::SolidLine, Qt::RoundCap));
            for (int v = 0; v < 4; ++v) {
                const qreal x = 22 + v * 4;
                p.drawLine(QPointF(x, unit.top() + 3.5), QPointF(x, unit.bottom() - 3.5));
            }
        }
    }

    // The gear that stands for configuration.
    const QPainterPath cog = gear(QPointF(44, 44), 18, 13, 5.5, 8);
    dropShadow(canvas, cog);
    p.setPen(outlinePen(canvas, Palette::ink));
    p.setBrush(vertical(cog.boundingRect(), Palette::skyLight, Palette::sky, Palette::skyDeep));
    p.drawPath(cog);
    if (canvas.detailed()) {
        p.setPen(QPen(withAlpha(Palette::paper, 140), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(44, 44), 9, 9);
    }
}

void paintFolder(const Canvas &canvas)
{
    QPainter &p = canvas.painter;

    // The back of the folder with its tab.
    QPainterPath back;
    back.moveTo(5, 14);
    back.lineTo(5, 10);
    back.quadTo(5, 8, 7, 8);
    back.lineTo(21, 8);
    back.lineTo(26, 13);
    back.lineTo(55, 13);
    back.quadTo(57, 13, 57, 15);
    back.lineTo(57, 55);
    back.lineTo(5, 55);
    back.closeSubpath();
    dropShadow(canvas, back);
    p.setPen(outlinePen(canvas, Palette::manilaInk));
    p.setBrush(vertical(back.boundingRect(), Palette::manilaBack, Palette::manilaBackDeep));
    p.drawPath(back);

    // The document peeking out.
    QPainterPath sheet;
    sheet.moveTo(17, 5);
    sheet.lineTo(38, 5);
    sheet.lineTo(47, 14);
    sheet.lineTo(47, 44);
    sheet.lineTo(17, 44);
    sheet.closeSubpath();
    p.setPen(outlinePen(canvas, Palette::ink, kOutline * 0.8));
    p.setBrush(vertical(sheet.boundingRect(), Palette::paper, Palette::paperShade));
    p.drawPath(sheet);
    QPolygonF fold;
    fold << QPointF(38, 5) << QPointF(38, 14) << QPointF(47, 14);
    p.setBrush(Palette::paperShade);
    p.drawPolygon(fold);
    p.setPen(QPen(Palette::rule, canvas.stroke(2.2), Qt::SolidLine, Qt::RoundCap));
    if (canvas.detailed()) {
        p.drawLine(QPointF(22, 13), QPointF(33, 13));
        p.drawLine(QPointF(22, 19), QPointF(42, 19));
        p.drawLine(QPointF(22, 25), QPointF(38, 25));
    } else {
        p.drawLine(QPointF(23, 16), QPointF(40, 16));
    }

    // The front flap, open towards the viewer.
    QPolygonF front;
    front << QPointF(13, 27) << QPointF(61, 27) << QPointF(54, 57) << QPointF(4, 57);
    QLinearGradient flap = vertical(front.boundingRect(), Palette::manilaLight, Palette::manila);
    p.setPen(outlinePen(canvas, Palette::manilaInk));
    p.setBrush(flap);
    p.drawPolygon(front);
    if (canvas.detailed()) {
        p.setPen(QPen(withAlpha(Palette::paper, 150), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15.5, 30), QPointF(57, 30));
    }
}

void paintCancel(const Canvas &canvas)
{
    QPainter &p = canvas.painter;
    const QPointF centre(32, 32);
    const qreal radius = 27;
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    dropShadow(canvas, disc);
    p.setPen(outlinePen(canvas, Palette::redInk));
    p.setBrush(vertical(disc.boundingRect(), Palette::redLight, Palette::red, Palette::redDeep));
    p.drawPath(disc);
    gloss(canvas, disc, disc.boundingRect());

    QPainterPath cross;
    const qreal arm = 10.5;
    cross.moveTo(centre + QPointF(-arm, -arm));
    cross.lineTo(centre + QPointF(arm, arm));
    cross.moveTo(centre + QPointF(arm, -arm));
    cross.lineTo(centre + QPointF(-arm, arm));
    p.setBrush(Qt::NoBrush);
    const qreal width = canvas.stroke(7.5, 2.0);
    if (canvas.detailed()) {
        p.setPen(QPen(withAlpha(Palette::redInk, 130), width, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(cross.translated(0, 1.6));
    }
    p.setPen(QPen(Palette::paper, width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cross);
}

void paintAppIcon(const Canvas &canvas)
{
    badge(canvas, Palette::nightLight, Palette::night, Palette::nightDeep, Palette::nightDeep);
    crosshair(canvas, QPointF(32, 32), 14.5, Palette::signalAmber, true);
}

// A small folder as it appears in a directory tree.
void treeFolder(const Canvas &canvas, QPointF topLeft, bool highlighted)
{
    QPainter &p = canvas.painter;
    const qreal w = 17;
    const qreal h = 13;
    QPainterPath shape;
    shape.moveTo(topLeft + QPointF(0, 1));
    shape.lineTo(topLeft + QPointF(6, 1));
    shape.lineTo(topLeft + QPointF(8, 3));
    shape.lineTo(topLeft + QPointF(w, 3));
    shape.lineTo(topLeft + QPointF(w, h));
    shape.lineTo(topLeft + QPointF(0, h));
    shape.closeSubpath();
    p.setPen(outlinePen(canvas, Palette::manilaInk, 1.2));
    p.setBrush(vertical(shape.boundingRect(), highlighted ? Palette::manilaLight : Palette::manila,
                        highlighted ? Palette::manila : Palette::manilaBackDeep));
    p.drawPath(shape);
    p.setPen(QPen(withAlpha(Palette::paper, 120), 1.0));
    p.drawLine(topLeft + QPointF(1, 5.5), topLeft + QPointF(w - 1, 5.5));
}

void paintDirectoryPicture(const Canvas &canvas)
{
    QPainter &p = canvas.painter;
    const QRectF area(1, 1, 190, 62);

    // The backdrop, with a faint emblem on the right.
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0.0, Palette::nightDeep);
    sky.setColorAt(0.55, Palette::night);
    sky.setColorAt(1.0, Palette::nightLight);
    p.setPen(outlinePen(canvas, Palette::nightDeep, 1.5));
    p.setBrush(sky);
    p.drawRoundedRect(area, 9, 9);
    p.save();
    p.setClipPath(roundedRect(area.adjusted(1, 1, -1, -1), 8));
    crosshair(canvas, QPointF(166, 32), 20, withAlpha(Palette::signalAmber, 40), false);
    p.restore();

    // A hard disk seen from above, its spindle marked with the emblem.
    const QRectF drive(12, 7, 42, 50);
    dropShadow(canvas, roundedRect(drive, 5));
    p.setPen(outlinePen(canvas, Palette::ink, 1.5));
    p.setBrush(vertical(drive, Palette::metal, Palette::metalDeep));
    p.drawRoundedRect(drive, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::metalDeep.darker(130));
    for (const QPointF screw : {QPointF(16, 11), QPointF(50, 11), QPointF(16, 53), QPointF(50, 53)})
        p.drawEllipse(screw, 1.4, 1.4);
    const QPointF spindle(33, 28);
    QRadialGradient platter(spindle, 17, spindle + QPointF(-5, -6));
    platter.setColorAt(0.0, Palette::metalLight);
    platter.setColorAt(0.7, Palette::metal);
    platter.setColorAt(1.0, Palette::metalDeep);
    p.setPen(outlinePen(canvas, Palette::ink, 1.2));
    p.setBrush(platter);
    p.drawEllipse(spindle, 17, 17);
    if (canvas.detailed()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(Palette::ink, 40), 0.6));
        for (const qreal ring : {14.0, 11.5})
            p.drawEllipse(spindle, ring, ring);
    }
    crosshair(canvas, spindle, 5.5, Palette::warmDeep, false);
    // The read arm reaching over the platter.
    p.setPen(QPen(Palette::ink, canvas.stroke(3.2), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 51), QPointF(44, 36));
    p.setBrush(Palette::steelLight);
    p.setPen(outlinePen(canvas, Palette::ink, 1.0));
    p.drawEllipse(QPointF(48, 51), 3, 3);

    // A directory tree with one folder chosen.
    const QColor branch(0x8f, 0xa7, 0xbf);
    p.setPen(QPen(branch, canvas.stroke(1.4), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath lines;
    lines.moveTo(74, 22);
    lines.lineTo(74, 49.5);
    lines.lineTo(86, 49.5);
    lines.moveTo(74, 34.5);
    lines.lineTo(86, 34.5);
    p.drawPath(lines);

    const QRectF chosen(84, 41.5, 70, 16);
    p.setPen(QPen(withAlpha(Palette::signalAmber, 200), canvas.stroke(1.0)));
    p.setBrush(withAlpha(Palette::signalAmber, 55));
    p.drawRoundedRect(chosen, 3, 3);

    treeFolder(canvas, QPointF(66, 8), false);
    treeFolder(canvas, QPointF(88, 28), false);
    treeFolder(canvas, QPointF(88, 43), true);

    // The names next to the folders, drawn as bars.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Palette::paper, 150));
    p.drawRoundedRect(QRectF(88, 13, 30, 4), 2, 2);
    p.drawRoundedRect(QRectF(110, 32.5, 24, 4), 2, 2);
    p.setBrush(Palette::paper);
    p.drawRoundedRect(QRectF(110, 47.5, 38, 4), 2, 2);
}

qreal widthPerHeight(Artwork::Picture picture)
{
    return picture == Artwork::Picture::DirectoryPicture ? 3.0 : 1.0;
}

} // namespace

QRectF ArtworkPainter::fitted(Artwork::Picture picture, const QRectF &bounds)
{
    const qreal ratio = widthPerHeight(picture);
    QSizeF size(bounds.height() * ratio, bounds.height());
    if (size.width() > bounds.width())
        size = QSizeF(bounds.width(), bounds.width() / ratio);
    return QRectF(bounds.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

void ArtworkPainter::paint(QPainter &painter, Artwork::Picture picture, const QRectF &bounds)
{
    const QRectF area = fitted(picture, bounds);
    if (area.isEmpty())
        return;
    const qreal unit = area.height() / kCanvasHeight;
    const qreal deviceScale = (painter.device() ? painter.device()->devicePixelRatio() : 1.0)
        * std::sqrt(std::abs(painter.worldTransform().determinant()));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(area.topLeft());
    painter.scale(unit, unit);
    const Canvas canvas{painter, std::max(unit * deviceScale, 0.01)};
    switch (picture) {
    case Artwork::Picture::Play:
        paintPlay(canvas);
        break;
    case Artwork::Picture::Exit:
        paintExit(canvas);
        break;
    case Artwork::Picture::ServerConfig:
        paintServerConfig(canvas);
        break;
    case Artwork::Picture::Folder:
        paintFolder(canvas);
        break;
    case Artwork::Picture::Cancel:
        paintCancel(canvas);
        break;
    case Artwork::Picture::DirectoryPicture:
        paintDirectoryPicture(canvas);
        break;
    case Artwork::Picture::AppIcon:
        paintAppIcon(canvas);
        break;
    }
    painter.restore();
}
