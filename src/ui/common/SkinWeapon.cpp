#include "SkinWeapon.h"

using namespace SkinPaint;

namespace {

constexpr QColor kMetal(0x33, 0x37, 0x3e);
constexpr QColor kMetalLight(0x5a, 0x61, 0x6b);
constexpr QColor kGlass(0x7f, 0xc8, 0xf0);

void trigger(const Canvas &canvas, QPointF front)
{
    QPainterPath guard;
    guard.moveTo(front);
    guard.quadTo(front + QPointF(0, 5), front + QPointF(-6, 5));
    canvas.painter.setPen(QPen(kInk, canvas.stroke(1.2), Qt::SolidLine, Qt::RoundCap));
    canvas.painter.setBrush(Qt::NoBrush);
    canvas.painter.drawPath(guard);
}

void ribs(const Canvas &canvas, qreal from, qreal to, qreal top, qreal bottom, qreal step)
{
    QPainterPath lines;
    for (qreal x = from; x <= to; x += step) {
        lines.moveTo(x, top);
        lines.lineTo(x, bottom);
    }
    seam(canvas, lines, QColor(0, 0, 0, 110), 0.8);
}

void assaultRifle(const Canvas &canvas, const QColor &furniture)
{
    detail(canvas, rounded(QRectF(68, -1.3, 26, 2.6), 0.8), kMetal);
    detail(canvas, rounded(QRectF(90, -2, 6, 4), 0.8), kMetal);
    detail(canvas, polygon({{84, -1}, {85.5, -6}, {88, -6}, {88.5, -1}}), kMetal);
    detail(canvas, rounded(QRectF(51, -6, 19, 3), 1.2), furniture);
    trigger(canvas, QPointF(44, 3));
    QPainterPath magazine;
    magazine.moveTo(43.5, 3);
    magazine.lineTo(51.5, 3);
    magazine.quadTo(52.5, 12, 58, 19.5);
    magazine.lineTo(50.5, 22.5);
    magazine.quadTo(45, 13, 43.5, 3);
    part(canvas, magazine, kMetal);
    part(canvas, polygon({{0, -2}, {25, -2.5}, {25, 4}, {0, 9}}), furniture);
    part(canvas, rounded(QRectF(24, -4.2, 28, 8), 1.5), kMetal);
    part(canvas, polygon({{35, 3}, {41, 3}, {39.5, 13}, {33.5, 12}}), furniture);
    part(canvas, rounded(QRectF(50, -3, 20, 6.5), 2.5), furniture);
    QPainterPath cover(QPointF(27, -1.8));
    cover.lineTo(49, -1.8);
    seam(canvas, cover, kMetalLight);
}

void rifle(const Canvas &canvas, const QColor &furniture)
{
    detail(canvas, rounded(QRectF(76, -1.3, 20, 2.6), 0.8), kMetal);
    detail(canvas, rounded(QRectF(94, -1.9, 5, 3.8), 0.8), kMetal);
    detail(canvas, polygon({{72, -2}, {74, -7}, {76, -7}, {77, -2}}), kMetal);
    trigger(canvas, QPointF(44, 3));
    part(canvas, polygon({{45, 3}, {52, 3}, {53.5, 18}, {46.5, 18.5}}), kMetal);
    part(canvas, polygon({{0, -2.5}, {27, -3}, {27, 4}, {0, 8.5}}), furniture);
    part(canvas, rounded(QRectF(26, -4.5, 30, 8.5), 1.5), kMetal);
    // The carry handle on its two posts.
    const QPainterPath handle = merged(
        {rounded(QRectF(31, -10, 18, 3), 1.2), rectangle(QRectF(33, -8, 2.5, 4)), rectangle(QRectF(45, -8, 2.5, 4))});
    part(canvas, handle, kMetal);
    part(canvas, polygon({{37, 3}, {43, 3}, {41, 13.5}, {35, 12.5}}), furniture);
    part(canvas, rounded(QRectF(55, -3.8, 22, 7.6), 3), furniture);
    ribs(canvas, 59, 74, -2.2, 2.2, 3);
}

void sniperRifle(const Canvas &canvas, const QColor &furniture)
{
    detail(canvas, rounded(QRectF(74, -1.1, 42, 2.2), 0.8), kMetal);
    detail(canvas, rounded(QRectF(113, -2, 7, 4), 1), kMetal);
    trigger(canvas, QPointF(42, 3));
    part(canvas, rounded(QRectF(39, 2, 8, 8), 1), kMetal);
    // A thumbhole stock: the hole is a cut-out of the shape, not a painted spot.
    QPainterPath stock = polygon({{0, -2}, {32, -3}, {32, 4.5}, {26, 11}, {0, 11}});
    stock = stock.subtracted(ellipse(QPointF(22, 4.5), 4.5, 2.8));
    part(canvas, stock, furniture);
    part(canvas, rounded(QRectF(31, -3.8, 22, 7.6), 1.5), kMetal);
    part(canvas, rounded(QRectF(52, -3.2, 24, 6.4), 2.5), furniture);
    // The telescopic sight on two rings.
    detail(canvas, rounded(QRectF(34, -8, 3, 5), 0.5), kMetal);
    detail(canvas, rounded(QRectF(49, -8, 3, 5), 0.5), kMetal);
    QPainterPath scope;
    scope.moveTo(27, -12.5);
    scope.lineTo(32, -11);
    scope.lineTo(53, -11);
    scope.lineTo(58, -13.5);
    scope.lineTo(58, -5);
    scope.lineTo(53, -7);
    scope.lineTo(32, -7);
    scope.lineTo(27, -5.5);
    scope.closeSubpath();
    part(canvas, scope, kMetal);
    detail(canvas, rounded(QRectF(40, -15, 5, 4), 0.8), kMetal);
    const QPainterPath lens = ellipse(QPointF(58, -9.2), 1.3, 3.6);
    detail(canvas, lens, kGlass);
    part(canvas, ellipse(QPointF(44, 0), 2.2, 1.6), kMetalLight);
}

void carbine(const Canvas &canvas, const QColor &furniture)
{
    detail(canvas, rounded(QRectF(66, -1.3, 14, 2.6), 0.8), kMetal);
    detail(canvas, rounded(QRectF(78, -2, 6, 4), 0.8), kMetal);
    trigger(canvas, QPointF(40, 3));
    QPainterPath magazine;
    magazine.moveTo(41, 3);
    magazine.lineTo(48, 3);
    magazine.quadTo(48.5, 11, 51, 17.5);
    magazine.lineTo(44, 18.5);
    magazine.quadTo(41.5, 11, 41, 3);
    part(canvas, magazine, kMetal);
    part(canvas, rounded(QRectF(12, -1.6, 14, 3.2), 1), kMetal);
    part(canvas, polygon({{0, -3}, {15, -3.5}, {15, 5}, {0, 7.5}}), furniture);
    part(canvas, rounded(QRectF(24, -4.2, 24, 8), 1.5), kMetal);
    part(canvas, polygon({{32, 3}, {38, 3}, {36.5, 13}, {30.5, 12}}), furniture);
    part(canvas, rounded(QRectF(47, -4, 21, 8), 1.2), kMetal);
    ribs(canvas, 49, 66, -4, -2.6, 2.5);
    part(canvas, rounded(QRectF(56, 3, 4.5, 10), 2), furniture);
    // The red-dot sight.
    part(canvas, rounded(QRectF(29, -11, 12, 7), 2.5), kMetal);
    detail(canvas, ellipse(QPointF(40.2, -7.5), 1.1, 2.4), QColor(0xe0, 0x31, 0x31));
}

void subMachineGun(const Canvas &canvas, const QColor &furniture)
{
    detail(canvas, rounded(QRectF(56, -1.2, 9, 2.4), 0.8), kMetal);
    trigger(canvas, QPointF(30, 3));
    QPainterPath magazine;
    magazine.moveTo(33, 3);
    magazine.lineTo(38, 3);
    magazine.quadTo(39, 11, 45, 18);
    magazine.lineTo(40, 20);
    magazine.quadTo(34, 12, 33, 3);
    part(canvas, magazine, kMetal);
    // A retractable stock: two rails and a butt plate.
    part(canvas,
         merged({tube({{2, -1.5}, {19, -1.5}}, 2.2), tube({{2, 3.5}, {19, 2.5}}, 2.2),
                 rounded(QRectF(0, -4, 4, 11), 1.5)}),
         furniture);
    part(canvas, rounded(QRectF(17, -4.2, 27, 8), 2), kMetal);
    part(canvas, rounded(QRectF(19, -7.5, 5, 3.5), 1), kMetal);
    part(canvas, rounded(QRectF(41, -6.5, 16, 3), 1.2), kMetal);
    part(canvas, polygon({{23, 3}, {29, 3}, {27.5, 12.5}, {21.5, 11.5}}), furniture);
    part(canvas, rounded(QRectF(43, -3.6, 14, 8.2), 3.5), furniture);
    QPainterPath ring = ellipse(QPointF(55, -7.5), 2.6, 2.6);
    ring = ring.subtracted(ellipse(QPointF(55, -7.5), 1.2, 1.2));
    detail(canvas, ring, kMetal);
}

void pistol(const Canvas &canvas, const QColor &furniture)
{
    // A little larger than life: at true size it would vanish against the uniform.
    trigger(canvas, QPointF(12.5, 2.5));
    part(canvas, polygon({{1.3, 1.3}, {10.5, 1.3}, {9, 14.3}, {0, 13.7}}), furniture);
    part(canvas, rounded(QRectF(-1.3, -4.5, 28.5, 7.2), 1.5), kMetal);
    ribs(canvas, 1.5, 6.5, -3.6, 0, 1.7);
}

} // namespace

namespace SkinWeapon {

Hold hold(SkinOutfit::Weapon weapon)
{
    switch (weapon) {
    case SkinOutfit::Weapon::AssaultRifle:
        return {QPointF(38, 7), QPointF(61, 2)};
    case SkinOutfit::Weapon::Rifle:
        return {QPointF(40, 7), QPointF(66, 2)};
    case SkinOutfit::Weapon::SniperRifle:
        return {QPointF(36, 6), QPointF(64, 2)};
    case SkinOutfit::Weapon::Carbine:
        return {QPointF(34, 7), QPointF(58, 9)};
    case SkinOutfit::Weapon::SubMachineGun:
        return {QPointF(26, 7), QPointF(50, 2)};
    case SkinOutfit::Weapon::PistolAndShield:
        return {QPointF(6.5, 10), QPointF(6.5, 10)};
    }
    return {};
}

void paint(const Canvas &canvas, SkinOutfit::Weapon weapon, const QColor &furniture)
{
    switch (weapon) {
    case SkinOutfit::Weapon::AssaultRifle:
        assaultRifle(canvas, furniture);
        break;
    case SkinOutfit::Weapon::Rifle:
        rifle(canvas, furniture);
        break;
    case SkinOutfit::Weapon::SniperRifle:
        sniperRifle(canvas, furniture);
        break;
    case SkinOutfit::Weapon::Carbine:
        carbine(canvas, furniture);
        break;
    case SkinOutfit::Weapon::SubMachineGun:
        subMachineGun(canvas, furniture);
        break;
    case SkinOutfit::Weapon::PistolAndShield:
        pistol(canvas, furniture);
        break;
    }
}

void shield(const Canvas &canvas, const QRectF &area)
{
    QPainter &p = canvas.painter;
    const QPainterPath body = rounded(area, 7);
    ArtworkCanvas::dropShadow(canvas, body, 2.0);
    part(canvas, body, QColor(0x2a, 0x2f, 0x38));
    // A raised rim just inside the edge.
    p.setPen(QPen(QColor(255, 255, 255, 40), canvas.stroke(2.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded(area.adjusted(3, 3, -3, -3), 5));

    const QRectF window(area.left() + 7, area.top() + 11, area.width() - 14, 13);
    const QPainterPath glass = rounded(window, 3);
    p.setBrush(ArtworkCanvas::vertical(window, QColor(0x9c, 0xc9, 0xe8), QColor(0x3d, 0x66, 0x8c)));
    p.setPen(ArtworkCanvas::outlinePen(canvas, kInk, kLine));
    p.drawPath(glass);
    glint(canvas, glass);

    // The reflective band across the middle, with the lettering reduced to blocks.
    const QRectF band(area.left() + 5, area.center().y() - 4, area.width() - 10, 9);
    p.setBrush(QColor(0xe8, 0xec, 0xf0));
    p.drawRoundedRect(band, 1.5, 1.5);
    if (canvas.detailed()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2a, 0x2f, 0x38));
        const qreal block = (band.width() - 8) / 6;
        for (int i = 0; i < 6; ++i)
            p.drawRect(QRectF(band.left() + 4 + i * block + 0.8, band.top() + 2.2, block - 1.6, band.height() - 4.4));
    }
}

} // namespace SkinWeapon
