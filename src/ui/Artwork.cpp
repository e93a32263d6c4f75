#include "Artwork.h"

#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Every picture is drawn on a canvas 64 units high; the banner is three times as wide.
constexpr qreal kCanvasHeight = 64.0;
// The width of the dark outline around every shape, in canvas units.
constexpr qreal kOutline = 2.0;

// The palette all pictures share.
namespace Palette {
constexpr QColor ink(0x1b, 0x24, 0x30);
constexpr QColor paper(0xff, 0xff, 0xff);
constexpr QColor paperShade(0xdc, 0xe1, 0xe7);
constexpr QColor rule(0x9a, 0xa5, 0xb1);

constexpr QColor warmLight(0xff, 0xc4, 0x4f);
constexpr QColor warm(0xfd, 0x7e, 0x14);
constexpr QColor warmDeep(0xd9, 0x48, 0x0f);
constexpr QColor warmInk(0x8a, 0x2e, 0x04);

constexpr QColor redLight(0xff, 0x87, 0x87);
constexpr QColor red(0xe0, 0x31, 0x31);
constexpr QColor redDeep(0xb0, 0x1e, 0x1e);
constexpr QColor redInk(0x74, 0x12, 0x12);

constexpr QColor manilaLight(0xff, 0xe0, 0x66);
constexpr QColor manila(0xfa, 0xb0, 0x05);
constexpr QColor manilaBack(0xe0, 0x94, 0x1a);
constexpr QColor manilaBackDeep(0xb8, 0x6e, 0x0a);
constexpr QColor manilaInk(0x6e, 0x45, 0x05);

constexpr QColor woodLight(0xc9, 0x84, 0x4a);
constexpr QColor woodDeep(0x8a, 0x4b, 0x1c);

constexpr QColor steelLight(0x6b, 0x7c, 0x8e);
constexpr QColor steelDeep(0x2b, 0x36, 0x42);
constexpr QColor slot(0x16, 0x1d, 0x25);
constexpr QColor metalLight(0xf1, 0xf3, 0xf5);
constexpr QColor metal(0xc5, 0xcc, 0xd3);
constexpr QColor metalDeep(0x8e, 0x99, 0xa4);

constexpr QColor skyLight(0xa5, 0xd8, 0xff);
constexpr QColor sky(0x4d, 0xab, 0xf7);
constexpr QColor skyDeep(0x18, 0x64, 0xab);

constexpr QColor nightLight(0x3d, 0x52, 0x68);
constexpr QColor night(0x1f, 0x2b, 0x38);
constexpr QColor nightDeep(0x11, 0x18, 0x20);

constexpr QColor signalGreen(0x51, 0xcf, 0x66);
constexpr QColor signalAmber(0xff, 0xb3, 0x40);
} // namespace Palette

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

// The painter together with how many device pixels one canvas unit covers, so that strokes never get thinner
// than a pixel and small renderings leave out details that would only turn into noise.
struct Canvas
{
    QPainter &painter;
    qreal pixelsPerUnit;

    qreal stroke(qreal units, qreal minPixels = 1.0) const { return std::max(units, minPixels / pixelsPerUnit); }
    bool detailed() const { return pixelsPerUnit * kCanvasHeight >= 30.0; }
};

QPen outlinePen(const Canvas &canvas, const QColor &color, qreal units = kOutline)
{
    return QPen(color, canvas.stroke(units), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(const QRectF &area, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    return gradient;
}

QLinearGradient vertical(const QRectF &area, const QColor &top, const QColor &middle, const QColor &bottom)
{
    QLinearGradient gradient = vertical(area, top, bottom);
    gradient.setColorAt(0.5, middle);
    return gradient;
}

// A soft shadow below a shape, which lifts it off whatever background the button has.
void dropShadow(const Canvas &canvas, const QPainterPath &shape, qreal offset = 1.5)
{
    if (!canvas.detailed())
        return;
    canvas.painter.save();
    canvas.painter.setPen(Qt::NoPen);
    canvas.painter.setBrush(QColor(0, 0, 0, 45));
    canvas.painter.drawPath(shape.translated(0, offset * 1.6));
    canvas.painter.setBrush(QColor(0, 0, 0, 55));
    canvas.painter.drawPath(shape.translated(0, offset));
    canvas.painter.restore();
}

// The shine across the upper part of a badge.
void gloss(const Canvas &canvas, const QPainterPath &shape, const QRectF &area)
{
    QPainterPath shine;
    shine.addEllipse(QRectF(area.left() - area.width() * 0.25, area.top() - area.height() * 0.62, area.width() * 1.5,
                            area.height() * 1.1));
    const QPainterPath lit = shape.intersected(shine);
    const QRectF litArea = lit.boundingRect();
    canvas.painter.save();
    canvas.painter.setPen(Qt::NoPen);
    canvas.painter.setBrush(vertical(litArea, withAlpha(Palette::paper, 120), withAlpha(Palette::paper, 12)));
    canvas.painter.drawPath(lit);
    canvas.painter.restore();
}

QPainterPath roundedRect(const QRectF &area, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(area, radius, radius);
    return path;
}

// A rounded square badge with a vertical gradient, an outline and a shine.
void badge(const Canvas &canvas, const QColor &top, const QColor &middle, const QColor &bottom, const QColor &edge)
{
    const QRectF area(4, 4, 56, 56);
    const QPainterPath shape = roundedRect(area, 14);
    dropShadow(canvas, shape);
    canvas.painter.setPen(outlinePen(canvas, edge));
    canvas.painter.setBrush(vertical(area, top, middle, bottom));
    canvas.painter.drawPath(shape);
    gloss(canvas, shape, area);
}

// A cog wheel with `teeth` teeth around `centre`, with a round hole in the middle.
QPainterPath gear(QPointF centre, qreal outerRadius, qreal innerRadius, qreal holeRadius, int teeth)
{
    QPolygonF outline;
    const qreal step = 2.0 * std::numbers::pi / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal angle = i * step;
        const auto at = [&](qreal radius, qreal fraction) {
            const qreal a = angle + fraction * step;
            return centre + QPointF(std::cos(a) * radius, std::sin(a) * radius);
        };
        outline << at(innerRadius, -0.30) << at(outerRadius, -0.18) << at(outerRadius, 0.18) << at(innerRadius, 0.30);
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, holeRadius, holeRadius);
    return path.subtracted(hole);
}

// The crosshair that is the program's emblem: a ring, four ticks and a dot.
void crosshair(const Canvas &canvas, QPointF centre, qreal radius, const QColor &color, bool glow)
{
    QPainter &p = canvas.painter;
    const qreal width = canvas.stroke(radius * 0.27, 1.2);
    const qreal inner = radius * 0.45;
    const qreal outer = radius * 1.55;
    QPainterPath marks;
    marks.addEllipse(centre, radius, radius);
    for (const QPointF direction : {QPointF(0, -1), QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0)}) {
        marks.moveTo(centre + direction * inner);
        marks.lineTo(centre + direction * outer);
    }
    p.setBrush(Qt::NoBrush);
    if (glow && canvas.detailed()) {
        p.setPen(QPen(withAlpha(color, 38), width * 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(marks);
    }
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(marks);
    // Too small a ring has no room for the dot: it would only fill the ring in.
    if (radius * canvas.pixelsPerUnit >= 5.0) {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        const qreal dot = std::max(radius * 0.16, 0.8 / canvas.pixelsPerUnit);
        p.drawEllipse(centre, dot, dot);
    }
}

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

// The largest area of the picture's shape that fits into `bounds`, centred in it.
QRectF fitted(Artwork::Picture picture, const QRectF &bounds)
{
    const qreal ratio = widthPerHeight(picture);
    QSizeF size(bounds.height() * ratio, bounds.height());
    if (size.width() > bounds.width())
        size = QSizeF(bounds.width(), bounds.width() / ratio);
    return QRectF(bounds.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

void paintPicture(QPainter &painter, Artwork::Picture picture, const QRectF &bounds)
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
        paintPicture(painter, picture, QRectF(QPointF(0, 0), QSizeF(pixelSize) / devicePixelRatio));
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
            paintPicture(*painter, m_picture, rect);
            return;
        }
        const qreal scale = (painter->device() ? painter->device()->devicePixelRatio() : 1.0)
            * std::sqrt(std::abs(painter->worldTransform().determinant()));
        const QSize pixels(std::max(1, qRound(rect.width() * scale)), std::max(1, qRound(rect.height() * scale)));
        painter->drawImage(rect, render(m_picture, pixels, 1.0, mode));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return fitted(m_picture, QRectF(QPointF(0, 0), QSizeF(size))).size().toSize();
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
