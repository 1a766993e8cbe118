// Text drawn as outlines, so that the pictures do not depend on the hinting settings of the machine.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace lettering {

// The font of the given family, or a message on stderr and exit: a substitute would change every picture.
QFont requireFont(const QString& family, int weight);

// One outline per visible glyph, in reading order, laid out at `pixelSize` from a baseline at y = 0.
std::vector<QPainterPath> glyphOutlines(const QString& text, QFont font, qreal pixelSize,
                                        qreal letterSpacing = 0);

// The glyphs of `text` at the largest size whose ink fits `box`, moved so that the ink is centred in it.
std::vector<QPainterPath> fitToBox(const QString& text, const QFont& font, const QRectF& box,
                                   qreal letterSpacing = 0);

QRectF inkBounds(const std::vector<QPainterPath>& glyphs);

struct Colouring {
    std::vector<QColor> colours; // one per glyph, repeated when the text is longer
    qreal outlineWidth = 0;      // 0: no outline
    bool shaded = true;          // light at the top of each glyph, full colour at the bottom
};

// Each glyph in a colour of its own, with a darker outline of the same hue.
void paintMulticoloured(QPainter& painter, const std::vector<QPainterPath>& glyphs,
                        const Colouring& colouring);

} // namespace lettering
