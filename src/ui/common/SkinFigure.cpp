#include "SkinFigure.h"

#include "RosterLines.h"
#include "SkinSoldier.h"

#include <QPainterPathStroker>

#include <cmath>
#include <optional>

using namespace SkinPaint;

namespace {

constexpr QSizeF kCardSize(129, 185);

SkinOutfit phoenixConnection()
{
    SkinOutfit outfit;
    outfit.head = SkinOutfit::Head::Balaclava;
    outfit.gear = SkinOutfit::Gear::Sling;
    outfit.weapon = SkinOutfit::Weapon::AssaultRifle;
    outfit.skin = QColor(0xc8, 0x90, 0x68);
    outfit.top = QColor(0x3e, 0x2c, 0x22);
    outfit.trousers = QColor(0x6e, 0x5e, 0x46);
    outfit.boots = QColor(0x2e, 0x22, 0x1a);
    outfit.gloves = QColor(0x24, 0x22, 0x20);
    outfit.webbing = QColor(0x8a, 0x5a, 0x2e);
    outfit.headgear = QColor(0x26, 0x24, 0x22);
    outfit.accent = QColor(0xf0, 0x8c, 0x1e);
    outfit.furniture = QColor(0xa0, 0x5a, 0x26);
    return outfit;
}

SkinOutfit l337Krew()
{
    SkinOutfit outfit;
    outfit.head = SkinOutfit::Head::Bandana;
    outfit.gear = SkinOutfit::Gear::OpenVest;
    outfit.weapon = SkinOutfit::Weapon::Rifle;
    outfit.shortSleeves = true;
    outfit.skin = QColor(0xb9, 0x7f, 0x56);
    outfit.top = QColor(0xf2, 0xa1, 0x2c);
    outfit.trousers = QColor(0x9a, 0x84, 0x5c);
    outfit.boots = QColor(0x4e, 0x36, 0x24);
    outfit.gloves = outfit.skin;
    outfit.webbing = QColor(0x6b, 0x55, 0x3a);
    outfit.headgear = QColor(0xc0, 0x2a, 0x22);
    outfit.accent = QColor(0xfa, 0xf0, 0xe0);
    outfit.hair = QColor(0x2a, 0x1e, 0x16);
    outfit.furniture = QColor(0x2a, 0x2a, 0x2c);
    return outfit;
}

SkinOutfit arcticAvengers()
{
    SkinOutfit outfit;
    outfit.head = SkinOutfit::Head::Hood;
    outfit.gear = SkinOutfit::Gear::ChestRig;
    outfit.weapon = SkinOutfit::Weapon::SniperRifle;
    outfit.skin = QColor(0xe6, 0xb8, 0x94);
    outfit.top = QColor(0xec, 0xee, 0xee);
    outfit.trousers = QColor(0xe2, 0xe5, 0xe6);
    outfit.boots = QColor(0x6b, 0x6f, 0x72);
    outfit.gloves = QColor(0xd4, 0xd6, 0xd4);
    outfit.webbing = QColor(0xb4, 0xb0, 0xa4);
    outfit.headgear = QColor(0xf2, 0xf2, 0xf0);
    outfit.accent = QColor(0x8a, 0x86, 0x80);
    outfit.hair = QColor(0x7a, 0x52, 0x30);
    outfit.furniture = QColor(0xd8, 0xd4, 0xc8);
    outfit.camouflage = {QColor(0xb9, 0xbf, 0xc2), QColor(0x96, 0x9c, 0xa0), QColor(0xd2, 0xd5, 0xd6)};
    return outfit;
}

SkinOutfit gorillaWarface()
{
    SkinOutfit outfit;
    outfit.head = SkinOutfit::Head::Beret;
    outfit.gear = SkinOutfit::Gear::ChestRig;
    outfit.weapon = SkinOutfit::Weapon::AssaultRifle;
    outfit.skin = QColor(0x8a, 0x5a, 0x3c);
    outfit.top = QColor(0x6a, 0x70, 0x3c);
    outfit.trousers = QColor(0x62, 0x68, 0x38);
    outfit.boots = QColor(0x2c, 0x24, 0x1c);
    outfit.gloves = outfit.skin;
    outfit.webbing = QColor(0x5a, 0x4a, 0x2c);
    outfit.headgear = QColor(0x8c, 0x1e, 0x1e);
    outfit.accent = QColor(0xf0, 0xc0, 0x40);
    outfit.hair = QColor(0x1c, 0x16, 0x12);
    outfit.furniture = QColor(0x3a, 0x34, 0x24);
    outfit.camouflage = {QColor(0x3e, 0x46, 0x22), QColor(0x86, 0x6c, 0x3c), QColor(0x26, 0x2a, 0x18)};
    return outfit;
}

SkinOutfit sealTeam6()
{
    SkinOutfit outfit;
    outfit.counterTerrorist = true;
    outfit.head = SkinOutfit::Head::CombatHelmet;
    outfit.gear = SkinOutfit::Gear::PlateCarrier;
    outfit.weapon = SkinOutfit::Weapon::Carbine;
    outfit.skin = QColor(0xd8, 0xa2, 0x7a);
    outfit.top = QColor(0x4e, 0x5c, 0x46);
    outfit.trousers = QColor(0x55, 0x62, 0x4a);
    outfit.boots = QColor(0x8e, 0x76, 0x52);
    outfit.gloves = QColor(0x9e, 0x88, 0x62);
    outfit.webbing = QColor(0xa8, 0x92, 0x68);
    outfit.headgear = QColor(0x70, 0x74, 0x5a);
    outfit.accent = QColor(0xf2, 0xd2, 0x5a);
    outfit.hair = QColor(0x5a, 0x3c, 0x24);
    outfit.furniture = QColor(0x2a, 0x2c, 0x2e);
    return outfit;
}

SkinOutfit germanGsg9()
{
    SkinOutfit outfit;
    outfit.counterTerrorist = true;
    outfit.head = SkinOutfit::Head::VisorDown;
    outfit.gear = SkinOutfit::Gear::PlateCarrier;
    outfit.weapon = SkinOutfit::Weapon::SubMachineGun;
    outfit.skin = QColor(0xe8, 0xb8, 0x94);
    outfit.top = QColor(0x5e, 0x6a, 0x60);
    outfit.trousers = QColor(0x58, 0x64, 0x5a);
    outfit.boots = QColor(0x22, 0x24, 0x26);
    outfit.gloves = QColor(0x2c, 0x30, 0x2e);
    outfit.webbing = QColor(0x46, 0x52, 0x4a);
    outfit.headgear = QColor(0x4c, 0x58, 0x50);
    outfit.accent = QColor(0x5a, 0x78, 0x8a);
    outfit.hair = QColor(0x6a, 0x4a, 0x2a);
    outfit.furniture = QColor(0x26, 0x28, 0x2a);
    return outfit;
}

SkinOutfit ukSas()
{
    SkinOutfit outfit;
    outfit.counterTerrorist = true;
    outfit.head = SkinOutfit::Head::GasMask;
    outfit.gear = SkinOutfit::Gear::PlateCarrier;
    outfit.weapon = SkinOutfit::Weapon::SubMachineGun;
    outfit.skin = QColor(0xe0, 0xb0, 0x8c);
    outfit.top = QColor(0x22, 0x25, 0x2a);
    outfit.trousers = QColor(0x24, 0x27, 0x2c);
    outfit.boots = QColor(0x16, 0x18, 0x1a);
    outfit.gloves = QColor(0x1a, 0x1c, 0x20);
    outfit.webbing = QColor(0x30, 0x34, 0x3a);
    outfit.headgear = QColor(0x1c, 0x1e, 0x22);
    outfit.accent = QColor(0x4a, 0x6a, 0x88);
    outfit.furniture = QColor(0x1e, 0x20, 0x22);
    return outfit;
}

SkinOutfit frenchGign()
{
    SkinOutfit outfit;
    outfit.counterTerrorist = true;
    outfit.head = SkinOutfit::Head::VisorUp;
    outfit.gear = SkinOutfit::Gear::PlateCarrier;
    outfit.weapon = SkinOutfit::Weapon::PistolAndShield;
    outfit.skin = QColor(0xd6, 0x9e, 0x78);
    outfit.top = QColor(0x22, 0x2e, 0x4c);
    outfit.trousers = QColor(0x24, 0x30, 0x4e);
    outfit.boots = QColor(0x18, 0x1a, 0x20);
    outfit.gloves = QColor(0x1c, 0x20, 0x2a);
    outfit.webbing = QColor(0x2e, 0x3a, 0x5c);
    outfit.headgear = QColor(0x1e, 0x24, 0x34);
    outfit.accent = QColor(0xb8, 0xe0, 0xff);
    outfit.hair = QColor(0x3a, 0x28, 0x1c);
    outfit.furniture = QColor(0x22, 0x24, 0x28);
    return outfit;
}

std::optional<SkinOutfit> outfitOf(const QString &key)
{
    using namespace RosterLines;
    const std::array makers{phoenixConnection, l337Krew,   arcticAvengers, gorillaWarface,
                            sealTeam6,         germanGsg9, ukSas,          frenchGign};
    for (std::size_t i = 0; i < terroristModels.size(); ++i) {
        if (key == terroristModels.at(i))
            return makers.at(i)();
        if (key == counterTerroristModels.at(i))
            return makers.at(i + terroristModels.size())();
    }
    return std::nullopt;
}

// The soft ground behind a figure, warm for the terrorists and cool for the counter-terrorists.
void backdrop(const Canvas &canvas, const QSizeF &size, bool counterTerrorist)
{
    const QRectF area(QPointF(0, 0), size);
    const QColor top = counterTerrorist ? QColor(0xe6, 0xee, 0xf6) : QColor(0xf6, 0xec, 0xdc);
    const QColor middle = counterTerrorist ? QColor(0xc9, 0xd8, 0xe8) : QColor(0xe8, 0xd4, 0xb4);
    const QColor bottom = counterTerrorist ? QColor(0x8f, 0xa8, 0xc2) : QColor(0xc4, 0xa2, 0x74);
    canvas.painter.fillRect(area, ArtworkCanvas::vertical(area, top, middle, bottom));
}

// A question mark of the given height, its top centre at top; the dot is part of the shape.
QPainterPath questionMark(QPointF top, qreal height)
{
    const qreal radius = height * 0.24;
    const QPointF centre = top + QPointF(0, radius + height * 0.08);
    QPainterPath hook;
    hook.arcMoveTo(QRectF(centre - QPointF(radius, radius), QSizeF(radius * 2, radius * 2)), 165);
    hook.arcTo(QRectF(centre - QPointF(radius, radius), QSizeF(radius * 2, radius * 2)), 165, -245);
    hook.quadTo(top + QPointF(0, height * 0.5), top + QPointF(0, height * 0.64));
    hook.lineTo(top + QPointF(0, height * 0.68));
    QPainterPathStroker stroker;
    stroker.setWidth(height * 0.16);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return merged({stroker.createStroke(hook), ellipse(top + QPointF(0, height * 0.9), height * 0.1, height * 0.1)});
}

void paintMark(const Canvas &canvas, const QPainterPath &mark, const QColor &light, const QColor &deep,
               const QColor &edge)
{
    ArtworkCanvas::dropShadow(canvas, mark, 2.0);
    QPainter &p = canvas.painter;
    p.setPen(ArtworkCanvas::outlinePen(canvas, edge, kLine * 1.4));
    p.setBrush(ArtworkCanvas::vertical(mark.boundingRect(), light, deep));
    p.drawPath(mark);
    ArtworkCanvas::gloss(canvas, mark, mark.boundingRect());
}

// The team's initials on a small tag: letters drawn as strokes, so they need no font.
void teamTag(const Canvas &canvas, bool counterTerrorist)
{
    QPainter &p = canvas.painter;
    const QRectF tag(counterTerrorist ? 92 : 98, 10, counterTerrorist ? 26 : 20, 17);
    p.setPen(ArtworkCanvas::outlinePen(canvas, kInk, kLine));
    p.setBrush(counterTerrorist ? ArtworkCanvas::Palette::skyDeep : ArtworkCanvas::Palette::warmDeep);
    p.drawRoundedRect(tag, 4, 4);
    QPainterPath letters;
    qreal x = tag.left() + 5;
    if (counterTerrorist) {
        letters.arcMoveTo(QRectF(x, tag.top() + 4, 8, 9), 50);
        letters.arcTo(QRectF(x, tag.top() + 4, 8, 9), 50, 260);
        x += 10;
    } else {
        x += 0.5;
    }
    letters.moveTo(x, tag.top() + 4.5);
    letters.lineTo(x + 9, tag.top() + 4.5);
    letters.moveTo(x + 4.5, tag.top() + 4.5);
    letters.lineTo(x + 4.5, tag.bottom() - 4);
    p.setPen(QPen(Qt::white, canvas.stroke(2.2), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(letters);
}

// A red figure that stands for "any model of the team", with a green question mark on its chest.
void paintAutoTeam(const Canvas &canvas, bool counterTerrorist)
{
    backdrop(canvas, SkinSoldier::kCanvas, counterTerrorist);
    QPainter &p = canvas.painter;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(QPointF(64, 243), 38, 6);
    const QPainterPath figure = SkinSoldier::silhouette(counterTerrorist);
    p.setPen(ArtworkCanvas::outlinePen(canvas, ArtworkCanvas::Palette::redInk, kLine * 1.3));
    p.setBrush(ArtworkCanvas::vertical(figure.boundingRect(), ArtworkCanvas::Palette::redLight,
                                       ArtworkCanvas::Palette::red, ArtworkCanvas::Palette::redDeep));
    p.drawPath(figure);
    paintMark(canvas, questionMark(QPointF(64, 68), 70), QColor(0x8c, 0xe9, 0x9a), QColor(0x2f, 0x9e, 0x44),
              QColor(0x14, 0x4d, 0x22));
    teamTag(canvas, counterTerrorist);
}

// A plain card with a dark question mark: the game picks the team and the model.
void paintAutoSelect(const Canvas &canvas)
{
    const QRectF area(QPointF(0, 0), kCardSize);
    QPainter &p = canvas.painter;
    p.fillRect(area, ArtworkCanvas::vertical(area, QColor(0xf8, 0xf9, 0xfb), QColor(0xdc, 0xe2, 0xea)));
    p.setPen(QPen(QColor(0xb4, 0xbe, 0xca), canvas.stroke(1.0)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area.adjusted(6, 6, -6, -6), 8, 8);
    paintMark(canvas, questionMark(QPointF(64.5, 30), 125), ArtworkCanvas::Palette::nightLight,
              ArtworkCanvas::Palette::nightDeep, ArtworkCanvas::Palette::nightDeep);
}

} // namespace

QSizeF SkinFigure::size(const QString &key)
{
    if (key == RosterLines::autoSelect)
        return kCardSize;
    if (key == RosterLines::autoSelectTerrorist || key == RosterLines::autoSelectCounterTerrorist
        || outfitOf(key).has_value())
        return SkinSoldier::kCanvas;
    return QSizeF();
}

QRectF SkinFigure::fitted(const QString &key, const QRectF &bounds)
{
    const QSizeF own = size(key);
    if (own.isEmpty() || bounds.isEmpty())
        return QRectF();
    const QSizeF scaled = own.scaled(bounds.size(), Qt::KeepAspectRatio);
    return QRectF(bounds.center() - QPointF(scaled.width() / 2, scaled.height() / 2), scaled);
}

void SkinFigure::paint(QPainter &painter, const QString &key, const QRectF &bounds)
{
    const QRectF area = fitted(key, bounds);
    if (area.isEmpty())
        return;
    const qreal unit = area.height() / size(key).height();
    const qreal deviceScale = (painter.device() ? painter.device()->devicePixelRatio() : 1.0)
        * std::sqrt(std::abs(painter.worldTransform().determinant()));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(unit, unit);
    painter.setClipRect(QRectF(QPointF(0, 0), size(key)), Qt::IntersectClip);
    const Canvas canvas{painter, std::max(unit * deviceScale, 0.01)};
    if (key == RosterLines::autoSelect) {
        paintAutoSelect(canvas);
    } else if (key == RosterLines::autoSelectTerrorist) {
        paintAutoTeam(canvas, false);
    } else if (key == RosterLines::autoSelectCounterTerrorist) {
        paintAutoTeam(canvas, true);
    } else if (const std::optional<SkinOutfit> outfit = outfitOf(key)) {
        backdrop(canvas, SkinSoldier::kCanvas, outfit->counterTerrorist);
        SkinSoldier::paint(canvas, *outfit);
    }
    painter.restore();
}
