#include "Orchid.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <numbers>
#include <vector>

namespace orchid {
namespace {

const QColor kRim{125, 22, 96};
const QColor kVein{150, 25, 115, 110};
const QColor kLip{255, 212, 30};
const QColor kLipRim{190, 120, 0};
const QColor kLipMark{215, 60, 25};
const QColor kStemDark{40, 90, 25};
const QColor kStemLight{110, 170, 60};

// A petal from the flower's centre along `angle` degrees: broad in the outer half, narrow at the base.
QPainterPath petal(qreal length, qreal width, qreal angle) {
    const qreal w = width / 2;
    QPainterPath path({0, 0});
    path.cubicTo(length * 0.25, -w * 0.55, length * 0.55, -w * 1.25, length * 0.9, -w * 0.75);
    path.cubicTo(length * 1.04, -w * 0.45, length * 1.04, w * 0.45, length * 0.9, w * 0.75);
    path.cubicTo(length * 0.55, w * 1.25, length * 0.25, w * 0.55, 0, 0);
    return QTransform().rotate(angle).map(path);
}

QPen cosmetic(const QColor& colour, qreal width) {
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

QPointF bezier(QPointF a, QPointF b, QPointF c, QPointF d, qreal t) {
    const qreal u = 1 - t;
    return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
}

void paintPetals(QPainter& painter, const std::vector<QPainterPath>& petals, bool detailed, qreal outline) {
    QRadialGradient blush(QPointF(0, 0), 1);
    blush.setColorAt(0, QColor(255, 236, 248));
    blush.setColorAt(0.22, QColor(248, 170, 220));
    blush.setColorAt(0.65, QColor(222, 80, 172));
    blush.setColorAt(1, QColor(178, 36, 140));
    for (const QPainterPath& p : petals) {
        painter.setPen(outline > 0 ? cosmetic(kRim, outline) : Qt::NoPen);
        painter.setBrush(blush);
        painter.drawPath(p);
    }
    if (!detailed)
        return;
    // Veins fan out from the base of each petal; they are clipped to it so none runs over the edge.
    painter.setBrush(Qt::NoBrush);
    for (const QPainterPath& p : petals) {
        painter.save();
        painter.setClipPath(p, Qt::IntersectClip);
        painter.setPen(cosmetic(kVein, 0.7));
        const QPointF tip = p.pointAtPercent(0.5);
        const qreal angle = std::atan2(tip.y(), tip.x());
        for (int k = -3; k <= 3; ++k) {
            const qreal a = angle + k * 0.12;
            const QPointF end(std::cos(a) * 0.85, std::sin(a) * 0.85);
            QPainterPath vein({0, 0});
            vein.quadTo(QPointF(std::cos(angle) * 0.4, std::sin(angle) * 0.4), end);
            painter.drawPath(vein);
        }
        painter.restore();
    }
}

void paintLip(QPainter& painter, bool detailed, qreal outline) {
    const QPen rim = outline > 0 ? cosmetic(kLipRim, outline * 0.7) : QPen(Qt::NoPen);
    QLinearGradient gold(QPointF(0, 0.05), QPointF(0, 0.7));
    gold.setColorAt(0, QColor(255, 240, 120));
    gold.setColorAt(0.5, kLip);
    gold.setColorAt(1, QColor(245, 170, 10));

    // Two side lobes curling up beside the column, then the middle lobe hanging below.
    painter.setPen(rim);
    painter.setBrush(gold);
    for (int side : {-1, 1}) {
        QPainterPath lobe;
        lobe.addEllipse(QPointF(0, 0), 0.13, 0.2);
        painter.drawPath(QTransform().translate(side * 0.17, 0.2).rotate(side * -30).map(lobe));
    }
    QPainterPath middle({0, 0.16});
    middle.cubicTo(-0.34, 0.22, -0.26, 0.52, -0.12, 0.62);
    middle.quadTo(0, 0.7, 0.12, 0.62);
    middle.cubicTo(0.26, 0.52, 0.34, 0.22, 0, 0.16);
    painter.drawPath(middle);

    if (detailed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kLipMark);
        const QPointF spots[] = {{-0.08, 0.28}, {0.08, 0.28}, {0, 0.34}, {-0.1, 0.4}, {0.1, 0.4}, {0, 0.46}};
        for (QPointF s : spots)
            painter.drawEllipse(s, 0.03, 0.028);
        painter.setPen(cosmetic(kLipMark, 0.8));
        for (int side : {-1, 1})
            painter.drawLine(QPointF(side * 0.13, 0.12), QPointF(side * 0.2, 0.28));
    }

    // The column: a small white hood over the centre.
    painter.setPen(outline > 0 ? cosmetic(QColor(170, 120, 150), outline * 0.7) : QPen(Qt::NoPen));
    painter.setBrush(QColor(255, 252, 240));
    painter.drawEllipse(QPointF(0, 0.04), 0.1, 0.13);
}

} // namespace

void drawFlower(QPainter& painter, const Pose& pose, bool detailed, qreal outline) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(pose.centre);
    painter.rotate(pose.angle);
    painter.scale(pose.radius, pose.radius * pose.squash);

    // Sepals: one up and two down; the broad petals go over them left and right, a little raised.
    paintPetals(painter, {petal(0.92, 0.42, -90), petal(0.88, 0.4, 62), petal(0.88, 0.4, 118)}, detailed,
                outline);
    paintPetals(painter, {petal(1.0, 0.92, -12), petal(1.0, 0.92, 192)}, detailed, outline);
    paintLip(painter, detailed, outline);
    painter.restore();
}

void drawBud(QPainter& painter, const Pose& pose) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(pose.centre);
    painter.rotate(pose.angle);
    painter.scale(pose.radius, pose.radius * pose.squash);
    QPainterPath bud({-1, 0});
    bud.cubicTo(-1, -0.75, 0.4, -0.8, 1, 0);
    bud.cubicTo(0.4, 0.8, -1, 0.75, -1, 0);
    QLinearGradient ripen(QPointF(-1, 0), QPointF(1, 0));
    ripen.setColorAt(0, QColor(150, 190, 80));
    ripen.setColorAt(0.6, QColor(220, 120, 180));
    ripen.setColorAt(1, QColor(200, 70, 150));
    painter.setPen(cosmetic(kRim, 0.8));
    painter.setBrush(ripen);
    painter.drawPath(bud);
    painter.restore();
}

void drawStem(QPainter& painter, QPointF from, QPointF c1, QPointF c2, QPointF to, qreal width) {
    // The outline of a tapering band: points along the curve, pushed out to each side along the normal.
    constexpr int steps = 48;
    std::vector<QPointF> left, right;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const QPointF p = bezier(from, c1, c2, to, t);
        const QPointF q = bezier(from, c1, c2, to, std::min(t + 0.01, 1.0)) -
                          bezier(from, c1, c2, to, std::max(t - 0.01, 0.0));
        const qreal len = std::hypot(q.x(), q.y());
        const QPointF normal(-q.y() / len, q.x() / len);
        const qreal half = width * (1 - 0.5 * t) / 2;
        left.push_back(p + normal * half);
        right.push_back(p - normal * half);
    }
    QPainterPath band(left.front());
    for (QPointF p : left)
        band.lineTo(p);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        band.lineTo(*it);
    band.closeSubpath();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(cosmetic(kStemDark, 0.8));
    painter.setBrush(kStemLight);
    painter.drawPath(band);
    painter.restore();
}

void drawLeaf(QPainter& painter, QPointF base, QPointF tip, qreal width, qreal bend) {
    const QPointF axis = tip - base;
    const qreal length = std::hypot(axis.x(), axis.y());
    const qreal angle = std::atan2(axis.y(), axis.x()) * 180 / std::numbers::pi;

    QPainterPath leaf({0, 0});
    leaf.cubicTo(length * 0.3, -width * 0.6 + bend, length * 0.75, -width * 0.55 + bend, length, bend * 1.2);
    leaf.cubicTo(length * 0.75, width * 0.45 + bend, length * 0.3, width * 0.55 + bend, 0, 0);
    QPainterPath midrib({0, 0});
    midrib.quadTo(length * 0.5, bend * 0.9, length * 0.97, bend * 1.18);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(base);
    painter.rotate(angle);
    QLinearGradient shine(QPointF(0, -width / 2), QPointF(0, width / 2));
    shine.setColorAt(0, QColor(90, 150, 50));
    shine.setColorAt(0.5, QColor(60, 125, 40));
    shine.setColorAt(1, QColor(30, 80, 25));
    painter.setPen(cosmetic(kStemDark, 0.9));
    painter.setBrush(shine);
    painter.drawPath(leaf);
    painter.setPen(cosmetic(QColor(140, 190, 90, 160), 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(midrib);
    painter.restore();
}

} // namespace orchid
