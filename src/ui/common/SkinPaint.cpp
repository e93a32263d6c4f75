#include "SkinPaint.h"

#include <QPainterPathStroker>
#include <QRandomGenerator>
#include <QTransform>

namespace SkinPaint {

QPainterPath ellipse(QPointF centre, qreal radiusX, qreal radiusY)
{
    QPainterPath path;
    path.addEllipse(centre, radiusX, radiusY);
    return path;
}

QPainterPath rectangle(const QRectF &area)
{
    QPainterPath path;
    path.addRect(area);
    return path;
}

QPainterPath rounded(const QRectF &area, qreal radius)
{
    return ArtworkCanvas::roundedRect(area, radius);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath merged(std::initializer_list<QPainterPath> shapes)
{
    QPainterPath all;
    for (const QPainterPath &shape : shapes)
        all = all.united(shape);
    return all;
}

QPainterPath line(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    for (const QPointF &point : points) {
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

QPainterPath tube(const QList<QPointF> &points, qreal width)
{
    QPainterPath spine;
    if (points.isEmpty())
        return spine;
    spine.moveTo(points.first());
    for (qsizetype i = 1; i < points.size(); ++i)
        spine.lineTo(points.at(i));
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    // The stroker leaves overlapping pieces at the joins; merged, they outline as one smooth limb.
    return stroker.createStroke(spine).simplified();
}

namespace {

// Irregular patches scattered over the shape's bounds, the same for the same seed at every size.
void patches(const Canvas &canvas, const QPainterPath &shape, const QList<QColor> &colors, int seed)
{
    QPainter &p = canvas.painter;
    QRandomGenerator random(quint32(seed) * 7919u + 17u);
    const QRectF area = shape.boundingRect();
    const qreal step = 9.0;
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    int next = 0;
    for (qreal y = area.top() - step / 2; y < area.bottom() + step; y += step) {
        for (qreal x = area.left() - step / 2; x < area.right() + step; x += step) {
            if (random.bounded(10) < 3)
                continue;
            const QPointF centre(x + random.bounded(step), y + random.bounded(step));
            QTransform turn;
            turn.translate(centre.x(), centre.y());
            turn.rotate(random.bounded(180.0));
            const qreal length = 3.0 + random.bounded(4.0);
            const qreal width = 1.6 + random.bounded(2.0);
            const QPainterPath blob = merged({ellipse(QPointF(0, 0), length, width),
                                              ellipse(QPointF(length * 0.6, width * 0.5), length * 0.6, width * 0.9)});
            p.setBrush(colors.at(next++ % colors.size()));
            p.drawPath(turn.map(blob));
        }
    }
    p.restore();
}

// Light from the upper left: the left edge brightened, the right one darkened, whatever the colour below.
void shade(const Canvas &canvas, const QPainterPath &shape)
{
    const QRectF area = shape.boundingRect();
    QLinearGradient light(area.topLeft(), area.topRight());
    light.setColorAt(0.0, QColor(255, 255, 255, 60));
    light.setColorAt(0.4, QColor(255, 255, 255, 0));
    light.setColorAt(0.6, QColor(0, 0, 0, 0));
    light.setColorAt(1.0, QColor(0, 0, 0, 80));
    canvas.painter.setPen(Qt::NoPen);
    canvas.painter.setBrush(light);
    canvas.painter.drawPath(shape);
}

} // namespace

void part(const Canvas &canvas, const QPainterPath &shape, const QColor &color, const QList<QColor> &camouflage,
          int seed)
{
    QPainter &p = canvas.painter;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(shape);
    if (!camouflage.isEmpty() && canvas.detailed())
        patches(canvas, shape, camouflage, seed);
    shade(canvas, shape);
    p.setPen(ArtworkCanvas::outlinePen(canvas, kInk, kLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

void detail(const Canvas &canvas, const QPainterPath &shape, const QColor &color)
{
    QPainter &p = canvas.painter;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(shape);
    shade(canvas, shape);
    p.setPen(ArtworkCanvas::outlinePen(canvas, kInk, kLine * 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

void seam(const Canvas &canvas, const QPainterPath &line, const QColor &color, qreal width)
{
    if (!canvas.detailed())
        return;
    canvas.painter.setPen(QPen(color, canvas.stroke(width, 0.6), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    canvas.painter.setBrush(Qt::NoBrush);
    canvas.painter.drawPath(line);
}

void glint(const Canvas &canvas, const QPainterPath &glass)
{
    const QRectF area = glass.boundingRect();
    QPainterPath streak;
    streak.addEllipse(QRectF(area.left() - area.width() * 0.1, area.top() - area.height() * 0.3, area.width() * 0.7,
                             area.height() * 0.75));
    canvas.painter.setPen(Qt::NoPen);
    canvas.painter.setBrush(QColor(255, 255, 255, 110));
    canvas.painter.drawPath(glass.intersected(streak));
}

} // namespace SkinPaint
