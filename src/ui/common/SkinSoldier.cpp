#include "SkinSoldier.h"

#include "SkinHead.h"
#include "SkinWeapon.h"

#include <QTransform>

using namespace SkinPaint;

namespace {

// The weapon slants up to the right at this angle, in degrees, with the grip hand at the right hip.
constexpr qreal kWeaponAngle = -38.0;
constexpr QPointF kGripHand(50, 128);
constexpr QPointF kLeftShoulder(45, 77);
constexpr QPointF kRightShoulder(83, 77);
constexpr QPointF kLeftElbow(35, 110);
constexpr QPointF kRightElbow(97, 106);
constexpr qreal kArmWidth = 12.5;
// The pistol points up, leaning a little to the right.
constexpr qreal kPistolAngle = -80.0;

QPainterPath mirrored(const QPainterPath &shape, qreal mirror)
{
    QTransform flip;
    flip.translate(64, 0);
    flip.scale(mirror, 1);
    flip.translate(-64, 0);
    return flip.map(shape);
}

QPainterPath torsoShape()
{
    QPainterPath torso(QPointF(47, 140));
    torso.cubicTo(44, 118, 40, 100, 40, 84);
    torso.cubicTo(40, 72, 48, 67, 57, 65);
    torso.lineTo(71, 65);
    torso.cubicTo(80, 67, 88, 72, 88, 84);
    torso.cubicTo(88, 100, 84, 118, 81, 140);
    torso.closeSubpath();
    return torso;
}

QPainterPath legsShape()
{
    return merged({rounded(QRectF(45, 126, 38, 24), 6), tube({{54, 140}, {51, 186}, {48, 226}}, 18),
                   tube({{74, 140}, {77, 186}, {80, 226}}, 18)});
}

// The left boot, or with mirror -1 the right one.
QPainterPath boot(qreal mirror)
{
    return mirrored(merged({rounded(QRectF(39.5, 221, 18, 16), 3), ellipse(QPointF(45.5, 238), 9.5, 5.5)}), mirror);
}

QPainterPath armShape(QPointF shoulder, QPointF elbow, QPointF hand)
{
    return tube({shoulder, elbow, hand}, kArmWidth);
}

void legs(const Canvas &canvas, const SkinOutfit &outfit)
{
    part(canvas, legsShape(), outfit.trousers, outfit.camouflage, 1);
    seam(canvas, line({{64, 139}, {64, 152}}), outfit.trousers.darker(150));
    for (const QRectF &pocket : {QRectF(43.5, 158, 9, 14), QRectF(75.5, 158, 9, 14)})
        detail(canvas, rounded(pocket, 1.5), outfit.trousers.darker(112));
    if (outfit.counterTerrorist) {
        detail(canvas, rounded(QRectF(43.5, 180, 15, 12), 4), outfit.webbing.darker(115));
        detail(canvas, rounded(QRectF(69.5, 180, 15, 12), 4), outfit.webbing.darker(115));
    }
    for (const qreal mirror : {1.0, -1.0}) {
        part(canvas, boot(mirror), outfit.boots);
        detail(canvas, mirrored(rounded(QRectF(35.5, 240, 20.5, 4.5), 2), mirror), QColor(0x1e, 0x1c, 0x1a));
    }
}

void collar(const Canvas &canvas, const SkinOutfit &outfit)
{
    const QColor color = outfit.top.darker(110);
    detail(canvas, polygon({{55, 63}, {64, 72}, {57, 77}, {50, 67}}), color);
    detail(canvas, polygon({{73, 63}, {64, 72}, {71, 77}, {78, 67}}), color);
}

void pouches(const Canvas &canvas, const QColor &color, qreal top, qreal height)
{
    for (const qreal x : {48.5, 59.5, 70.5}) {
        detail(canvas, rounded(QRectF(x, top, 9, height), 1.5), color);
        detail(canvas, rounded(QRectF(x - 0.5, top - 1, 10, 4.5), 1.5), color.darker(110));
    }
}

void gear(const Canvas &canvas, const SkinOutfit &outfit)
{
    const QColor color = outfit.webbing;
    switch (outfit.gear) {
    case SkinOutfit::Gear::Sling:
        // The leather jacket's zip.
        seam(canvas, line({{64, 72}, {64, 138}}), QColor(0, 0, 0, 110), 1.1);
        part(canvas, tube({{46, 69}, {81, 132}}, 4), color);
        break;
    case SkinOutfit::Gear::OpenVest: {
        const QPainterPath opening = ellipse(QPointF(64, 62), 9, 10);
        part(canvas, torsoShape().intersected(rectangle(QRectF(36, 60, 23, 82))).subtracted(opening), color);
        part(canvas, torsoShape().intersected(rectangle(QRectF(69, 60, 23, 82))).subtracted(opening), color);
        detail(canvas, rounded(QRectF(47.5, 100, 9, 12), 1.5), color.darker(112));
        detail(canvas, rounded(QRectF(71.5, 100, 9, 12), 1.5), color.darker(112));
        detail(canvas, rounded(QRectF(72, 80, 7, 9), 1.5), color.darker(112));
        break;
    }
    case SkinOutfit::Gear::ChestRig:
        part(canvas, tube({{52, 66}, {53, 104}}, 5), color);
        part(canvas, tube({{76, 66}, {75, 104}}, 5), color);
        part(canvas, rounded(QRectF(44.5, 102, 39, 18), 3), color);
        pouches(canvas, color, 96, 16);
        break;
    case SkinOutfit::Gear::PlateCarrier:
        part(canvas, torsoShape().intersected(rectangle(QRectF(36, 104, 56, 26))), color.darker(108));
        part(canvas, tube({{51.5, 66}, {52, 80}}, 8), color);
        part(canvas, tube({{76.5, 66}, {76, 80}}, 8), color);
        part(canvas, rounded(QRectF(46.5, 76, 35, 52), 5), color);
        detail(canvas, rounded(QRectF(56, 82, 16, 9), 1.5), color.lighter(125));
        pouches(canvas, color, 108, 17);
        break;
    }
}

void belt(const Canvas &canvas)
{
    part(canvas, rounded(QRectF(45.5, 128, 37, 7), 2), QColor(0x2b, 0x26, 0x22));
    detail(canvas, rounded(QRectF(60.5, 128.5, 7, 6), 1), QColor(0x9a, 0xa0, 0xa8));
}

void arm(const Canvas &canvas, const SkinOutfit &outfit, QPointF shoulder, QPointF elbow, QPointF hand, int seed)
{
    if (!outfit.shortSleeves) {
        part(canvas, armShape(shoulder, elbow, hand), outfit.top, outfit.camouflage, seed);
        return;
    }
    part(canvas, armShape(shoulder, elbow, hand), outfit.skin);
    part(canvas, tube({shoulder, shoulder + (elbow - shoulder) * 0.55}, kArmWidth + 1.5), outfit.top);
}

void hand(const Canvas &canvas, const SkinOutfit &outfit, QPointF at)
{
    part(canvas, ellipse(at, 5.2, 5.2), outfit.gloves);
}

} // namespace

namespace SkinSoldier {

void paint(const Canvas &canvas, const SkinOutfit &outfit)
{
    QPainter &p = canvas.painter;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(QPointF(64, 243), 38, 6);

    legs(canvas, outfit);
    part(canvas, torsoShape(), outfit.top, outfit.camouflage, 2);
    SkinHead::neck(canvas, outfit);
    if (outfit.gear == SkinOutfit::Gear::Sling || outfit.gear == SkinOutfit::Gear::OpenVest)
        collar(canvas, outfit);
    gear(canvas, outfit);
    belt(canvas);
    SkinHead::paint(canvas, outfit);

    const SkinWeapon::Hold hold = SkinWeapon::hold(outfit.weapon);
    if (outfit.weapon == SkinOutfit::Weapon::PistolAndShield) {
        // The pistol is raised beside the face; the other arm holds the shield, which covers it.
        const QPointF pistolHand(96, 86);
        arm(canvas, outfit, kLeftShoulder, QPointF(36, 108), QPointF(44, 124), 4);
        arm(canvas, outfit, kRightShoulder, QPointF(103, 104), pistolHand, 5);
        QTransform aim;
        aim.rotate(kPistolAngle);
        const QPointF origin = pistolHand - aim.map(hold.grip);
        p.save();
        p.translate(origin);
        p.rotate(kPistolAngle);
        SkinWeapon::paint(canvas, outfit.weapon, outfit.furniture);
        p.restore();
        hand(canvas, outfit, pistolHand);
        SkinWeapon::shield(canvas, QRectF(10, 86, 52, 120));
        return;
    }

    QTransform turn;
    turn.rotate(kWeaponAngle);
    const QPointF stock = kGripHand - turn.map(hold.grip);
    const QPointF supportHand = stock + turn.map(hold.support);
    arm(canvas, outfit, kLeftShoulder, kLeftElbow, kGripHand, 4);
    arm(canvas, outfit, kRightShoulder, kRightElbow, supportHand, 5);
    p.save();
    p.translate(stock);
    p.rotate(kWeaponAngle);
    SkinWeapon::paint(canvas, outfit.weapon, outfit.furniture);
    p.restore();
    hand(canvas, outfit, kGripHand);
    hand(canvas, outfit, supportHand);
}

QPainterPath silhouette(bool counterTerrorist)
{
    const QPainterPath figure = merged({
        legsShape(),
        boot(1.0),
        boot(-1.0),
        torsoShape(),
        rounded(QRectF(57, 54, 14, 15), 3),
        ellipse(SkinHead::kCentre, SkinHead::kRadiusX, SkinHead::kRadiusY),
        armShape(kLeftShoulder, QPointF(38, 108), QPointF(36, 136)),
        ellipse(QPointF(36, 139), 5.5, 6.5),
        armShape(kRightShoulder, QPointF(90, 108), QPointF(92, 136)),
        ellipse(QPointF(92, 139), 5.5, 6.5),
    });
    if (!counterTerrorist)
        return figure;
    return merged({
        figure,
        ellipse(QPointF(64, 41), 17.5, 17.5).intersected(rectangle(QRectF(40, 20, 48, 22))),
        rounded(QRectF(44, 40, 40, 4), 2),
        rounded(QRectF(44.5, 74, 39, 56), 6),
        rounded(QRectF(42.5, 176, 17, 14), 5),
        rounded(QRectF(68.5, 176, 17, 14), 5),
    });
}

} // namespace SkinSoldier
