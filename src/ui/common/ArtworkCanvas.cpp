#include "ArtworkCanvas.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace ArtworkCanvas {

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

QPen outlinePen(const Canvas &canvas, const QColor &color, qreal units)
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
void dropShadow(const Canvas &canvas, const QPainterPath &shape, qreal offset)
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

} // namespace ArtworkCanvas
