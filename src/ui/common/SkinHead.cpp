#include "SkinHead.h"

#include <cmath>
#include <numbers>

using namespace SkinPaint;

namespace {

constexpr QColor kMetal(0x4a, 0x50, 0x58);
constexpr QColor kStrap(0x2b, 0x2d, 0x31);

QPainterPath head()
{
    return ellipse(SkinHead::kCentre, SkinHead::kRadiusX, SkinHead::kRadiusY);
}

// Everything of the canvas below or above a height, for cutting shapes across.
QPainterPath below(qreal y)
{
    return rectangle(QRectF(0, y, 128, 100));
}

QPainterPath above(qreal y)
{
    return rectangle(QRectF(0, y - 100, 128, 100));
}

void ears(const Canvas &canvas, const QColor &skin)
{
    part(canvas, ellipse(QPointF(50.8, 47), 3, 4.5), skin);
    part(canvas, ellipse(QPointF(77.2, 47), 3, 4.5), skin);
}

void face(const Canvas &canvas, const QColor &skin)
{
    ears(canvas, skin);
    part(canvas, head(), skin);
}

void eyes(const Canvas &canvas, const QColor &brows)
{
    QPainter &p = canvas.painter;
    p.setPen(Qt::NoPen);
    for (const qreal x : {58.5, 69.5}) {
        p.setBrush(QColor(0xf4, 0xf1, 0xea));
        p.drawEllipse(QPointF(x, 46), 2.6, 1.7);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(x + 0.3, 46), 1.3, 1.5);
    }
    p.setPen(QPen(brows, canvas.stroke(1.7), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(55.5, 42.2), QPointF(61.5, 41.6));
    p.drawLine(QPointF(66.5, 41.6), QPointF(72.5, 42.2));
}

void nose(const Canvas &canvas, const QColor &skin)
{
    seam(canvas, line({{64, 47.5}, {62.6, 52.6}, {65, 53.2}}), skin.darker(150), 1.0);
}

void mouth(const Canvas &canvas, const QColor &skin)
{
    QPainterPath lips(QPointF(60.5, 57));
    lips.quadTo(64, 58.2, 67.5, 57);
    seam(canvas, lips, skin.darker(170), 1.2);
}

void beard(const Canvas &canvas, const QColor &hair)
{
    QPainterPath chin = head().united(ellipse(QPointF(64, 60), 11, 6.5));
    chin = chin.intersected(below(50)).subtracted(ellipse(QPointF(64, 51), 4.2, 3));
    part(canvas, chin, hair);
    canvas.painter.setPen(Qt::NoPen);
    canvas.painter.setBrush(QColor(0x7a, 0x3b, 0x35));
    canvas.painter.drawEllipse(QPointF(64, 57.4), 3.2, 1.2);
}

// A tinted lens, outlined, with a glint.
void lens(const Canvas &canvas, const QPainterPath &glass, const QColor &tint)
{
    const QRectF area = glass.boundingRect();
    canvas.painter.setPen(ArtworkCanvas::outlinePen(canvas, kInk, kLine));
    canvas.painter.setBrush(ArtworkCanvas::vertical(area, tint.lighter(150), tint, tint.darker(160)));
    canvas.painter.drawPath(glass);
    glint(canvas, glass);
}

void balaclava(const Canvas &canvas, const SkinOutfit &outfit)
{
    part(canvas, head(), outfit.headgear);
    part(canvas, ellipse(QPointF(64, 56.5), 4.2, 2.4), outfit.skin);
    mouth(canvas, outfit.skin);
    // The goggles' strap runs round the head, the frame sits over the eyes.
    part(canvas, head().intersected(below(43)).intersected(above(48)), kStrap);
    part(canvas, rounded(QRectF(51.5, 39.5, 25, 12), 5.5), kStrap);
    lens(canvas, ellipse(QPointF(58.3, 45.5), 4.6, 4), outfit.accent);
    lens(canvas, ellipse(QPointF(69.7, 45.5), 4.6, 4), outfit.accent);
}

void bandana(const Canvas &canvas, const SkinOutfit &outfit)
{
    face(canvas, outfit.skin);
    QPainter &p = canvas.painter;
    p.setPen(QPen(outfit.hair, canvas.stroke(1.7), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(55.5, 40.4), QPointF(61.5, 39.8));
    p.drawLine(QPointF(66.5, 39.8), QPointF(72.5, 40.4));
    nose(canvas, outfit.skin);
    mouth(canvas, outfit.skin);
    part(canvas, ellipse(QPointF(64, 61.5), 3, 2), outfit.hair);

    // The knot's tails flutter on the right, behind the cloth.
    part(canvas, tube({{79, 36}, {85, 43}, {86, 48}}, 3.6), outfit.headgear);
    part(canvas, tube({{79, 36}, {82, 46}, {81, 51}}, 3.2), outfit.headgear);
    const QPainterPath cloth = ellipse(QPointF(64, 43), 14.8, 17.5).subtracted(ellipse(QPointF(64, 50), 16.5, 12.5));
    part(canvas, cloth, outfit.headgear);
    if (canvas.detailed()) {
        p.save();
        p.setClipPath(cloth, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        p.setBrush(outfit.accent);
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 7; ++column)
                p.drawEllipse(QPointF(49 + column * 5 + (row % 2) * 2.5, 28 + row * 4.5), 0.9, 0.9);
        }
        p.restore();
        p.strokePath(cloth, ArtworkCanvas::outlinePen(canvas, kInk, kLine));
    }
    part(canvas, ellipse(QPointF(79, 36.5), 3, 2.6), outfit.headgear);

    // Wrap-around sunglasses.
    p.setPen(QPen(kInk, canvas.stroke(1.2), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(52, 45), QPointF(49.5, 46));
    p.drawLine(QPointF(76, 45), QPointF(78.5, 46));
    p.drawLine(QPointF(62, 44.5), QPointF(66, 44.5));
    lens(canvas, rounded(QRectF(51.5, 42.3, 11, 6.8), 3), QColor(0x24, 0x28, 0x30));
    lens(canvas, rounded(QRectF(65.5, 42.3, 11, 6.8), 3), QColor(0x24, 0x28, 0x30));
}

void hood(const Canvas &canvas, const SkinOutfit &outfit)
{
    const QPainterPath cowl
        = merged({ellipse(QPointF(64, 44), 18, 21), polygon({{47, 52}, {81, 52}, {86, 70}, {42, 70}})});
    part(canvas, cowl, outfit.headgear, outfit.camouflage, 3);
    part(canvas, ellipse(QPointF(64, 47.5), 11.5, 14), QColor(0x3a, 0x3f, 0x47));
    part(canvas, ellipse(QPointF(64, 48.5), 10, 12.5), outfit.skin);
    eyes(canvas, outfit.hair);
    nose(canvas, outfit.skin);
    // The scarf over mouth and nose keeps out the cold.
    const QPainterPath scarf = ellipse(QPointF(64, 48.5), 11, 13.5).intersected(below(51.5));
    part(canvas, scarf, outfit.accent);
    QPainterPath knit;
    for (qreal x = 57; x <= 71; x += 3.5)
        knit.addPath(line({{x, 53}, {x, 60}}));
    seam(canvas, knit, outfit.accent.darker(130), 0.7);
    // The fur trim round the face.
    const QPainterPath fur = ellipse(QPointF(64, 47.5), 13.5, 16).subtracted(ellipse(QPointF(64, 47.5), 11, 13.5));
    part(canvas, fur, QColor(0xf3, 0xef, 0xe6));
    if (canvas.detailed()) {
        QPainterPath tufts;
        for (int i = 0; i < 18; ++i) {
            const qreal angle = i * std::numbers::pi / 9.0;
            const QPointF at(64 + std::cos(angle) * 12.3, 47.5 + std::sin(angle) * 14.8);
            tufts.addPath(line({at, at + QPointF(std::cos(angle) * 1.2, std::sin(angle) * 1.2)}));
        }
        seam(canvas, tufts, QColor(0xb8, 0xb2, 0xa6), 0.8);
    }
}

void beret(const Canvas &canvas, const SkinOutfit &outfit)
{
    face(canvas, outfit.skin);
    part(canvas, head().intersected(above(38)), outfit.hair);
    eyes(canvas, outfit.hair);
    beard(canvas, outfit.hair);
    nose(canvas, outfit.skin);
    QTransform tilt;
    tilt.translate(62, 31);
    tilt.rotate(-10);
    const QPainterPath cap = merged({ellipse(QPointF(-1, -2), 15, 7.5), ellipse(QPointF(1, 1.5), 16.5, 3.6)});
    part(canvas, tilt.map(cap), outfit.headgear);
    part(canvas, ellipse(QPointF(53.5, 33.5), 2.4, 2.6), outfit.accent);
}

void combatHelmet(const Canvas &canvas, const SkinOutfit &outfit)
{
    face(canvas, outfit.skin);
    eyes(canvas, outfit.hair);
    beard(canvas, outfit.hair);
    nose(canvas, outfit.skin);
    part(canvas, tube({{71, 58}, {78, 52}}, 1.6), kStrap);
    part(canvas, ellipse(QPointF(70.5, 58.3), 1.8, 1.6), kStrap);
    const QPainterPath shell
        = merged({ellipse(QPointF(64, 41), 16.5, 16.5).intersected(above(40)), rounded(QRectF(46.5, 35, 35, 6), 3)});
    part(canvas, shell, outfit.headgear);
    // The headset's ear cups, and the mount for night-vision on the front.
    part(canvas, rounded(QRectF(46, 39.5, 8, 13), 3.5), kStrap);
    part(canvas, rounded(QRectF(74, 39.5, 8, 13), 3.5), kStrap);
    part(canvas, rounded(QRectF(60.5, 23.5, 7, 4.5), 1.2), kMetal);
    // Goggles strapped round the helmet.
    part(canvas, shell.intersected(below(30)).intersected(above(34)), kStrap);
    part(canvas, rounded(QRectF(53, 28, 22, 9), 4), kStrap);
    lens(canvas, rounded(QRectF(54.5, 29.3, 8.5, 6.4), 3), outfit.accent);
    lens(canvas, rounded(QRectF(65, 29.3, 8.5, 6.4), 3), outfit.accent);
}

void visorDown(const Canvas &canvas, const SkinOutfit &outfit)
{
    face(canvas, outfit.skin);
    eyes(canvas, outfit.hair);
    nose(canvas, outfit.skin);
    mouth(canvas, outfit.skin);
    QPainterPath shell = ellipse(QPointF(64, 42), 17.5, 18).intersected(above(51));
    shell = shell.subtracted(ellipse(QPointF(64, 50), 12.5, 14).intersected(below(37)));
    part(canvas, shell, outfit.headgear);
    const QPainterPath visor = ellipse(QPointF(64, 44), 16, 19.5).intersected(below(35.5));
    QPainter &p = canvas.painter;
    p.setPen(ArtworkCanvas::outlinePen(canvas, kInk, kLine));
    QLinearGradient smoke = ArtworkCanvas::vertical(visor.boundingRect(), ArtworkCanvas::withAlpha(outfit.accent, 150),
                                                    ArtworkCanvas::withAlpha(outfit.accent.darker(140), 190));
    p.setBrush(smoke);
    p.drawPath(visor);
    glint(canvas, visor);
    part(canvas, ellipse(QPointF(48, 38), 2, 2), kMetal);
    part(canvas, ellipse(QPointF(80, 38), 2, 2), kMetal);
}

void gasMask(const Canvas &canvas, const SkinOutfit &outfit)
{
    part(canvas, ellipse(SkinHead::kCentre, 15, 18), outfit.headgear);
    seam(canvas, line({{52, 34}, {76, 34}}), outfit.headgear.lighter(200), 0.8);
    const QColor rubber(0x3b, 0x40, 0x47);
    part(canvas, merged({ellipse(QPointF(64, 48), 12.5, 13.5), ellipse(QPointF(64, 57), 7.5, 6)}), rubber);
    // The filter screws in on the left cheek.
    part(canvas, rounded(QRectF(45, 53, 10, 10), 2.5), QColor(0x4d, 0x55, 0x45));
    QPainterPath ribs;
    for (qreal x = 47.5; x <= 53; x += 2)
        ribs.addPath(line({{x, 54}, {x, 62}}));
    seam(canvas, ribs, QColor(0, 0, 0, 120), 0.7);
    for (const qreal x : {58.2, 69.8}) {
        part(canvas, ellipse(QPointF(x, 45.5), 5.6, 5.6), kMetal);
        lens(canvas, ellipse(QPointF(x, 45.5), 4.1, 4.1), outfit.accent);
    }
    part(canvas, ellipse(QPointF(64, 57.5), 3.8, 3.8), kMetal);
    canvas.painter.setPen(Qt::NoPen);
    canvas.painter.setBrush(kInk);
    canvas.painter.drawEllipse(QPointF(64, 57.5), 1.6, 1.6);
}

void visorUp(const Canvas &canvas, const SkinOutfit &outfit)
{
    ears(canvas, outfit.headgear);
    part(canvas, head(), outfit.skin);
    eyes(canvas, outfit.hair);
    part(canvas, head().subtracted(rounded(QRectF(50, 40, 28, 9.5), 4)), outfit.webbing);
    const QPainterPath shell = merged({ellipse(QPointF(64, 41), 16.5, 16.5).intersected(above(41)),
                                       rounded(QRectF(46.5, 35, 8, 15), 3.5), rounded(QRectF(73.5, 35, 8, 15), 3.5)});
    part(canvas, shell, outfit.headgear);
    const QPainterPath visor = ellipse(QPointF(64, 40), 17.5, 17.5).intersected(below(25)).intersected(above(35));
    QPainter &p = canvas.painter;
    p.setPen(ArtworkCanvas::outlinePen(canvas, kInk, kLine));
    p.setBrush(ArtworkCanvas::withAlpha(outfit.accent, 120));
    p.drawPath(visor);
    glint(canvas, visor);
    part(canvas, ellipse(QPointF(48.5, 36), 2, 2), kMetal);
    part(canvas, ellipse(QPointF(79.5, 36), 2, 2), kMetal);
}

} // namespace

namespace SkinHead {

void neck(const Canvas &canvas, const SkinOutfit &outfit)
{
    const bool covered = outfit.head == SkinOutfit::Head::Balaclava || outfit.head == SkinOutfit::Head::GasMask;
    const QColor color
        = covered ? outfit.headgear : (outfit.head == SkinOutfit::Head::VisorUp ? outfit.webbing : outfit.skin);
    part(canvas, rounded(QRectF(57, 54, 14, 15), 3), color);
}

void paint(const Canvas &canvas, const SkinOutfit &outfit)
{
    switch (outfit.head) {
    case SkinOutfit::Head::Balaclava:
        balaclava(canvas, outfit);
        break;
    case SkinOutfit::Head::Bandana:
        bandana(canvas, outfit);
        break;
    case SkinOutfit::Head::Hood:
        hood(canvas, outfit);
        break;
    case SkinOutfit::Head::Beret:
        beret(canvas, outfit);
        break;
    case SkinOutfit::Head::CombatHelmet:
        combatHelmet(canvas, outfit);
        break;
    case SkinOutfit::Head::VisorDown:
        visorDown(canvas, outfit);
        break;
    case SkinOutfit::Head::GasMask:
        gasMask(canvas, outfit);
        break;
    case SkinOutfit::Head::VisorUp:
        visorUp(canvas, outfit);
        break;
    }
}

} // namespace SkinHead
