#include "Lettering.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QLinearGradient>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QTransform>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace lettering {

QFont requireFont(const QString& family, int weight) {
    QFont font(family);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontInfo info(font);
    if (info.family() != family) {
        std::fprintf(stderr, "veradex-pictures: font \"%s\" is not installed (got \"%s\")\n",
                     qPrintable(family), qPrintable(info.family()));
        std::exit(1);
    }
    return font;
}

std::vector<QPainterPath> glyphOutlines(const QString& text, QFont font, qreal pixelSize,
                                        qreal letterSpacing) {
    // Laid out at a large whole pixel size and scaled down: unhinted outlines scale exactly, and QFont takes
    // whole pixel sizes only.
    constexpr int layoutSize = 1000;
    const qreal scale = pixelSize / layoutSize;
    font.setPixelSize(layoutSize);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing / scale);
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e9);
    layout.endLayout();

    std::vector<QPainterPath> glyphs;
    const qreal baseline = line.ascent();
    const QTransform toSize = QTransform::fromScale(scale, scale);
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            QPainterPath path = raw.pathForGlyph(indexes[i]);
            if (path.isEmpty())
                continue;
            path.translate(positions[i].x(), positions[i].y() - baseline);
            glyphs.push_back(toSize.map(path));
        }
    }
    return glyphs;
}

QRectF inkBounds(const std::vector<QPainterPath>& glyphs) {
    QRectF bounds;
    for (const QPainterPath& glyph : glyphs)
        bounds = bounds.united(glyph.boundingRect());
    return bounds;
}

std::vector<QPainterPath> fitToBox(const QString& text, const QFont& font, const QRectF& box,
                                   qreal letterSpacing) {
    // Ink size grows in proportion to the pixel size, apart from the fixed letter spacing; a few rounds of
    // rescaling settle it well below a hundredth of a pixel.
    qreal size = box.height();
    std::vector<QPainterPath> glyphs;
    for (int round = 0; round < 6; ++round) {
        glyphs = glyphOutlines(text, font, size, letterSpacing);
        const QRectF ink = inkBounds(glyphs);
        const qreal scale = std::min(box.width() / ink.width(), box.height() / ink.height());
        size *= scale;
    }
    glyphs = glyphOutlines(text, font, size * 0.999, letterSpacing);
    const QPointF shift = box.center() - inkBounds(glyphs).center();
    for (QPainterPath& glyph : glyphs)
        glyph.translate(shift);
    return glyphs;
}

void paintMulticoloured(QPainter& painter, const std::vector<QPainterPath>& glyphs,
                        const Colouring& colouring) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const QPainterPath& glyph = glyphs[i];
        const QColor colour = colouring.colours[i % colouring.colours.size()];
        if (colouring.outlineWidth > 0) {
            // The outline goes under the fill so that thin strokes keep their colour.
            painter.strokePath(glyph, QPen(colour.darker(190), colouring.outlineWidth * 2, Qt::SolidLine,
                                           Qt::RoundCap, Qt::RoundJoin));
        }
        if (colouring.shaded) {
            const QRectF r = glyph.boundingRect();
            QLinearGradient shade(r.topLeft(), r.bottomLeft());
            shade.setColorAt(0, colour.lighter(150));
            shade.setColorAt(0.55, colour);
            shade.setColorAt(1, colour.darker(115));
            painter.fillPath(glyph, shade);
        } else {
            painter.fillPath(glyph, colour);
        }
    }
    painter.restore();
}

} // namespace lettering
