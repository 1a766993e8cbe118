// A moth-orchid type flower seen from the front, drawn from Bézier petals, for the banners and the icon.
#pragma once

#include <QPointF>
#include <QRectF>

class QPainter;

namespace orchid {

struct Pose {
    QPointF centre;
    qreal radius = 1; // from the centre to the tip of the longest petal
    qreal angle = 0;  // degrees clockwise
    qreal squash = 1; // vertical scale before turning: below 1 the flower looks tilted away
};

// `detailed` adds veins, the spotted lip and soft edges; without it the shapes are bold enough for 16 pixels.
// `outline` is the width in pixels of the dark rim around the petals.
void drawFlower(QPainter& painter, const Pose& pose, bool detailed, qreal outline);

// A closed bud: a pointed green-pink oval.
void drawBud(QPainter& painter, const Pose& pose);

// A stem along a cubic curve, tapering from `width` at `from` to half that at `to`.
void drawStem(QPainter& painter, QPointF from, QPointF c1, QPointF c2, QPointF to, qreal width);

// A broad strap leaf from `base` to `tip`, bending to the side of `bend`.
void drawLeaf(QPainter& painter, QPointF base, QPointF tip, qreal width, qreal bend);

} // namespace orchid
