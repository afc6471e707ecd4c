#include "ImagePainters.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstring>
#include <functional>

namespace {

// Colours shared by every picture, so the set reads as one family.
const QColor kOutline(40, 44, 52);
const QColor kWillow(226, 190, 120);
const QColor kWillowShade(186, 146, 82);
const QColor kGrip(52, 60, 72);
const QColor kBallRed(196, 32, 38);
const QColor kBallShade(128, 16, 22);
const QColor kSeam(250, 240, 230);
const QColor kGloveWhite(246, 246, 240);
const QColor kGloveGreen(46, 140, 72);
const QColor kStarGold(245, 190, 30);

QPainterPath ShieldPath(QRectF box)
{
    // Flat top, straight sides for half the height, then a curve to the point.
    const qreal l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    const qreal mid = t + box.height() * 0.48;
    const qreal cx = box.center().x();
    QPainterPath path;
    path.moveTo(l, t);
    path.lineTo(r, t);
    path.lineTo(r, mid);
    path.cubicTo(r, mid + (b - mid) * 0.55, cx + box.width() * 0.2, b - 1.2, cx, b);
    path.cubicTo(cx - box.width() * 0.2, b - 1.2, l, mid + (b - mid) * 0.55, l, mid);
    path.closeSubpath();
    return path;
}

struct Crest
{
    QColor field;
    QColor charge;
    int pattern;
};

// Team colours and a heraldic division each, in the order of the crests.
const Crest kCrests[17] = {
    {{178, 34, 52}, {250, 250, 250}, 1},   {{24, 110, 60}, {250, 214, 60}, 2},
    {{250, 250, 250}, {30, 60, 140}, 3},  {{92, 44, 130}, {250, 250, 250}, 4},
    {{230, 120, 20}, {30, 30, 30}, 5},    {{20, 120, 170}, {250, 250, 250}, 6},
    {{140, 20, 40}, {240, 200, 80}, 7},   {{30, 30, 30}, {230, 60, 50}, 8},
    {{250, 214, 60}, {24, 80, 160}, 9},   {{20, 90, 90}, {250, 250, 250}, 10},
    {{200, 40, 120}, {250, 250, 250}, 11}, {{60, 100, 40}, {240, 240, 220}, 12},
    {{240, 240, 240}, {200, 30, 40}, 13}, {{34, 56, 110}, {240, 180, 40}, 14},
    {{150, 80, 40}, {250, 240, 210}, 15}, {{0, 150, 140}, {20, 40, 60}, 16},
    {{110, 110, 130}, {250, 200, 60}, 17},
};

void PaintPattern(QPainter& p, const QRectF& box, int pattern, const QColor& charge)
{
    const qreal l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    const qreal cx = box.center().x(), cy = t + box.height() * 0.45;
    const qreal w = box.width();
    p.setPen(Qt::NoPen);
    p.setBrush(charge);
    switch (pattern) {
    case 1: p.drawRect(QRectF(cx, t, r - cx, b - t)); break;                       // per pale
    case 2: p.drawRect(QRectF(l, cy, w, b - cy)); break;                            // per fess
    case 3: p.drawPolygon(QPolygonF({{l, t}, {l + 4, t}, {r, b - 5}, {r, b}, {r - 4, b}, {l, t + 5}})); break; // bend
    case 4: p.drawPolygon(QPolygonF({{l, b - 3}, {cx, cy - 2}, {r, b - 3}, {r, b + 2}, {cx, cy + 3}, {l, b + 2}})); break; // chevron
    case 5: p.drawRect(QRectF(cx - 1.6, t, 3.2, b - t)); p.drawRect(QRectF(l, cy - 1.6, w, 3.2)); break; // cross
    case 6: {                                                                          // saltire
        QPen pen(charge, 3.0);
        p.setPen(pen);
        p.drawLine(QPointF(l, t), QPointF(r, b));
        p.drawLine(QPointF(r, t), QPointF(l, b));
        break;
    }
    case 7: p.drawRect(QRectF(l, t, w, box.height() * 0.3)); break;                // chief
    case 8: p.drawRect(QRectF(l, t, cx - l, cy - t)); p.drawRect(QRectF(cx, cy, r - cx, b - cy)); break; // quarterly
    case 9: p.drawRect(QRectF(cx - 2.5, t, 5, b - t)); break;                      // pale
    case 10: p.drawRect(QRectF(l, cy - 2.5, w, 5)); break;                          // fess
    case 11: p.drawPolygon(QPolygonF({{r, t}, {r - 4, t}, {l, b - 5}, {l, b}, {l + 4, b}, {r, t + 5}})); break; // bend sinister
    case 12: p.drawEllipse(QPointF(cx, cy + 1), 3.6, 3.6); break;                   // roundel
    case 13: for (int i = 0; i < 3; ++i) p.drawRect(QRectF(l, t + 2 + i * 5.5, w, 2.5)); break; // bars
    case 14: p.drawPolygon(QPolygonF({{l, t}, {r, t}, {cx, b}})); break;           // pile
    case 15: for (int i = 0; i < 3; ++i) p.drawRect(QRectF(l + 1 + i * 5.3, t, 2.6, b - t)); break; // pallets
    case 16: p.drawPolygon(QPolygonF({{cx, t + 2}, {r - 2, cy}, {cx, b - 3}, {l + 2, cy}})); break; // lozenge
    case 17: {                                                                         // star
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const qreal radius = i % 2 ? 2.2 : 5.0;
            const qreal angle = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(cx + radius * std::cos(angle), cy + 1 + radius * std::sin(angle));
        }
        p.drawPolygon(star);
        break;
    }
    default: break;
    }
}

void PaintShield(QPainter& p, const QColor& field, const std::function<void(const QRectF&)>& inside)
{
    const QRectF box(4.5, 2.5, 15, 19);
    const QPainterPath shield = ShieldPath(box);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(field);
    p.drawPath(shield);
    p.setClipPath(shield);
    inside(box);
    // A soft light from the top left gives the flat shapes some body.
    QLinearGradient light(box.topLeft(), box.bottomRight());
    light.setColorAt(0, QColor(255, 255, 255, 70));
    light.setColorAt(0.5, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(0, 0, 0, 50));
    p.setBrush(light);
    p.setPen(Qt::NoPen);
    p.drawPath(shield);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 1.1));
    p.drawPath(shield);
}

void PaintStumps(QPainter& p, const QRectF& box)
{
    const qreal cx = box.center().x();
    p.setPen(QPen(QColor(250, 250, 250), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (qreal dx : {-3.0, 0.0, 3.0})
        p.drawLine(QPointF(cx + dx, box.top() + 6), QPointF(cx + dx, box.top() + 15));
    p.setPen(QPen(kStarGold, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 3.6, box.top() + 4.6), QPointF(cx - 0.4, box.top() + 4.6));
    p.drawLine(QPointF(cx + 0.4, box.top() + 4.6), QPointF(cx + 3.6, box.top() + 4.6));
}

void PaintPerson(QPainter& p, const QRectF& box)
{
    const qreal cx = box.center().x();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QPointF(cx, box.top() + 6.2), 2.7, 2.7);
    QPainterPath body;
    body.moveTo(cx - 5.2, box.top() + 15.5);
    body.cubicTo(cx - 5.2, box.top() + 10, cx + 5.2, box.top() + 10, cx + 5.2, box.top() + 15.5);
    body.closeSubpath();
    p.drawPath(body);
}

void PaintCrest(QPainter& p, int index)
{
    if (index == 0) {
        // The team crest: navy, a gold border and the stumps.
        PaintShield(p, QColor(28, 52, 112), [&p](const QRectF& box) {
            p.setPen(QPen(kStarGold, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawPath(ShieldPath(box.adjusted(1.2, 1.2, -1.2, -1.2)));
            PaintStumps(p, box);
        });
    } else if (index == 18) {
        // "Others": players of no team, a neutral grey with a figure.
        PaintShield(p, QColor(128, 134, 142), [&p](const QRectF& box) { PaintPerson(p, box); });
    } else {
        const Crest& crest = kCrests[index - 1];
        PaintShield(p, crest.field, [&p, &crest](const QRectF& box) { PaintPattern(p, box, crest.pattern, crest.charge); });
    }
}

// A bat lying from bottom left (toe) to top right (handle), in a 24 grid.
void PaintBat(QPainter& p)
{
    p.save();
    p.translate(12, 12);
    p.rotate(45);
    // Blade: from the toe at y = 10 up to the shoulders at y = -3.
    QPainterPath blade;
    blade.addRoundedRect(QRectF(-3.2, -3.5, 6.4, 14.5), 2.2, 2.2);
    QLinearGradient wood(QPointF(-3.2, 0), QPointF(3.2, 0));
    wood.setColorAt(0, kWillow.lighter(110));
    wood.setColorAt(1, kWillowShade);
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(wood);
    p.drawPath(blade);
    // Handle with its grip.
    p.setBrush(kGrip);
    p.drawRoundedRect(QRectF(-1.1, -11.5, 2.2, 8.4), 1.0, 1.0);
    p.restore();
}

void PaintBall(QPainter& p, const QPointF& centre, qreal radius)
{
    QRadialGradient shade(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    shade.setColorAt(0, kBallRed.lighter(135));
    shade.setColorAt(0.6, kBallRed);
    shade.setColorAt(1, kBallShade);
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);
    // The seam, as a band across the ball.
    p.save();
    p.translate(centre);
    p.rotate(-35);
    p.setPen(QPen(kSeam, std::max<qreal>(0.8, radius * 0.16)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-radius * 0.45, -radius, radius * 0.9, radius * 2), 90 * 16, 180 * 16);
    p.drawArc(QRectF(-radius * 0.15, -radius, radius * 0.9, radius * 2), 90 * 16, 180 * 16);
    p.restore();
}

void PaintStar(QPainter& p, const QPointF& centre, qreal outer)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? outer * 0.45 : outer;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    p.setPen(QPen(kOutline.lighter(150), 0.8));
    p.setBrush(kStarGold);
    p.drawPolygon(star);
}

// A wicket-keeping glove filling `box`: padded palm, four finger rolls, thumb and cuff.
void PaintGlove(QPainter& p, const QRectF& box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 24.0);
    const QPen outline(kOutline, 1.1);
    p.setPen(outline);
    p.setBrush(kGloveWhite);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(3, 9, 6, 9), 3, 3);
    p.drawPath(thumb);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(6.5, 2.5, 13, 16), 5, 5);
    p.drawPath(hand);
    p.setPen(QPen(kOutline.lighter(170), 0.9));
    for (qreal x : {9.8, 13.0, 16.2})
        p.drawLine(QPointF(x, 3.5), QPointF(x, 10));
    p.setPen(outline);
    p.setBrush(kGloveGreen);
    p.drawRoundedRect(QRectF(7, 17, 12, 5), 1.5, 1.5);
    p.restore();
}

void PaintPlayerKind(QPainter& p, int type)
{
    switch (type) {
    case 0:
        PaintBat(p);
        PaintStar(p, QPointF(6, 6), 4.6);
        break;
    case 1: PaintBat(p); break;
    case 2:
        PaintBat(p);
        PaintBall(p, QPointF(17.5, 17.5), 4.6);
        break;
    case 3: PaintBall(p, QPointF(12, 12), 8.5); break;
    default: break;
    }
}

void PaintPlayer(QPainter& p, int kind)
{
    if (kind == 4) {
        PaintGlove(p, QRectF(0, 0, 24, 24));
        return;
    }
    if (kind < 4) {
        PaintPlayerKind(p, kind);
        return;
    }
    // A part-time keeper: his type, a little smaller, and a glove badge.
    p.save();
    p.scale(0.8, 0.8);
    PaintPlayerKind(p, kind - 5);
    p.restore();
    // A light disc keeps the badge apart from the picture under it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(17.5, 17.5), 6.6, 6.6);
    PaintGlove(p, QRectF(11, 11, 13, 13));
}

// --- Toolbar (16 grid) ---------------------------------------------------

void PaintFloppy(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(QColor(44, 96, 168));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(QColor(190, 196, 206));
    p.drawRect(QRectF(4, 9.5, 8, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(44, 96, 168));
    p.drawRect(QRectF(9.5, 2.5, 1.5, 3));
}

void PaintPencil(QPainter& p, const QPointF& tip)
{
    p.save();
    p.translate(tip);
    p.rotate(-45);
    p.setPen(QPen(kOutline, 0.9));
    p.setBrush(kStarGold);
    p.drawRect(QRectF(2.5, -1.6, 7, 3.2));
    p.setBrush(QColor(240, 150, 150));
    p.drawRect(QRectF(9.5, -1.6, 1.8, 3.2));
    p.setBrush(kWillow);
    p.drawPolygon(QPolygonF({{0, 0}, {2.5, -1.6}, {2.5, 1.6}}));
    p.restore();
}

void PaintMagnifier(QPainter& p, const QPointF& centre, qreal radius)
{
    p.setPen(QPen(kGrip, 2.2, Qt::SolidLine, Qt::RoundCap));
    const QPointF handle = centre + QPointF(radius * 0.75, radius * 0.75);
    p.drawLine(handle, handle + QPointF(radius * 0.85, radius * 0.85));
    QRadialGradient glass(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    glass.setColorAt(0, QColor(235, 245, 255));
    glass.setColorAt(1, QColor(150, 195, 235));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(glass);
    p.drawEllipse(centre, radius, radius);
}

} // namespace

namespace ImagePainters {

void PaintTreeImage(QPainter& painter, int index)
{
    if (index < 0 || index >= kTreeImageCount)
        return;
    if (index < kCrestCount)
        PaintCrest(painter, index);
    else
        PaintPlayer(painter, index - kCrestCount);
}

bool PaintToolbarImage(QPainter& p, const char* name)
{
    const auto is = [name](const char* candidate) { return std::strcmp(name, candidate) == 0; };
    if (is("open")) {
        p.setPen(QPen(kOutline, 1.0));
        p.setBrush(QColor(224, 170, 50));
        p.drawPolygon(QPolygonF({{1.5, 3}, {6, 3}, {7.5, 4.5}, {13, 4.5}, {13, 13.5}, {1.5, 13.5}}));
        p.setBrush(QColor(250, 210, 100));
        p.drawPolygon(QPolygonF({{3.5, 7}, {15, 7}, {13, 13.5}, {1.5, 13.5}}));
    } else if (is("save")) {
        PaintFloppy(p);
    } else if (is("saveas")) {
        PaintFloppy(p);
        PaintPencil(p, QPointF(6.5, 15));
    } else if (is("find")) {
        PaintMagnifier(p, QPointF(6.5, 6.5), 4.6);
    } else if (is("findnext")) {
        PaintMagnifier(p, QPointF(5.5, 5.5), 4.0);
        p.setPen(Qt::NoPen);
        p.setBrush(kGloveGreen);
        p.drawPolygon(QPolygonF({{9, 10}, {12, 10}, {12, 8}, {15.5, 11.5}, {12, 15}, {12, 13}, {9, 13}}));
    } else if (is("team")) {
        p.save();
        p.scale(16.0 / 24.0, 16.0 / 24.0);
        PaintCrest(p, 0);
        p.restore();
        PaintPencil(p, QPointF(7.5, 15.5));
    } else if (is("undo") || is("redo")) {
        // A curved arrow bending back to the left (undo) or on to the right (redo).
        p.save();
        if (is("redo")) {
            p.translate(16, 0);
            p.scale(-1, 1);
        }
        QPainterPath bend;
        bend.moveTo(13.5, 13);
        bend.cubicTo(14.5, 7, 10, 4.5, 5, 6.5);
        p.setPen(QPen(QColor(30, 84, 170), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bend);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 84, 170));
        p.drawPolygon(QPolygonF({{1, 7.5}, {7, 2.5}, {7.5, 11}}));
        p.restore();
    } else if (is("about")) {
        p.setPen(QPen(QColor(20, 60, 130), 1.0));
        QRadialGradient fill(QPointF(6, 5), 10);
        fill.setColorAt(0, QColor(90, 150, 230));
        fill.setColorAt(1, QColor(30, 84, 170));
        p.setBrush(fill);
        p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 4.6), 1.2, 1.2);
        p.drawRoundedRect(QRectF(7, 6.8, 2, 5.8), 0.6, 0.6);
    } else {
        return false;
    }
    return true;
}

} // namespace ImagePainters
