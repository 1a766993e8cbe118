// veradex-pictures PICTURES_DIR [ICON_THEME_DIR]
//
// Draws the pictures the windows load from ":/pictures/", writes the resource file that lists them, and, with
// a second folder, the desktop icon in the hicolor sizes. Everything is drawn from paths with fixed fonts and
// no randomness, so a run on the same fonts writes the same bytes.
#include "Lettering.h"
#include "Orchid.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cstdio>
#include <functional>

namespace {

using lettering::Colouring;

// Covers Latin and Japanese alike, and comes with fonts-noto-cjk, which the build set-up installs.
QFont letterFont() {
    return lettering::requireFont(QStringLiteral("Noto Sans CJK JP"), QFont::Bold);
}

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Saturated enough to read on the pale pink of the main window and on the grey of the about window.
const std::vector<QColor> kRainbow{{225, 30, 45}, {240, 120, 0},  {40, 155, 40}, {0, 145, 175},
                                   {35, 75, 225}, {145, 55, 205}, {220, 40, 150}};
const std::vector<QColor> kBlues{{25, 70, 215}, {0, 120, 215},  {45, 45, 185}, {0, 150, 200},
                                 {25, 95, 235}, {120, 60, 210}, {0, 105, 180}, {20, 150, 140}};

QImage words(int width, int height, const QString& text, const QRectF& box, const Colouring& colouring,
             qreal letterSpacing = 0) {
    QImage image = blank(width, height);
    QPainter painter(&image);
    lettering::paintMulticoloured(painter, lettering::fitToBox(text, letterFont(), box, letterSpacing),
                                  colouring);
    return image;
}

struct Bloom {
    QPointF at;
    qreal radius, angle, squash;
    QPointF stalk; // where its flower stalk leaves the main stem
};

void paintStalk(QPainter& painter, const QPointF (&curve)[4], qreal width, const std::vector<Bloom>& blooms,
                const std::vector<orchid::Pose>& buds) {
    orchid::drawStem(painter, curve[0], curve[1], curve[2], curve[3], width);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(70, 130, 45), width * 0.45, Qt::SolidLine, Qt::RoundCap));
    for (const Bloom& bloom : blooms) {
        QPainterPath pedicel(bloom.stalk);
        pedicel.quadTo((bloom.stalk + bloom.at) / 2 + QPointF(4, -4), bloom.at);
        painter.drawPath(pedicel);
    }
    painter.restore();
    for (const orchid::Pose& bud : buds)
        orchid::drawBud(painter, bud);
    for (const Bloom& bloom : blooms)
        orchid::drawFlower(painter, orchid::Pose{bloom.at, bloom.radius, bloom.angle, bloom.squash}, true,
                           0.9);
}

void paintSpray(QPainter& painter) {
    // Leaves at the foot of the plant, in the lower rows that the about window cuts off.
    orchid::drawLeaf(painter, {4, 166}, {128, 154}, 24, -5);
    orchid::drawLeaf(painter, {10, 168}, {92, 132}, 20, 4);

    // A second, shorter stalk hangs its flowers along the bottom, below and behind the name.
    const QPointF low[4] = {{30, 166}, {120, 150}, {230, 112}, {356, 132}};
    paintStalk(painter, low, 3.2,
               {{{212, 132}, 20, 8, 0.9, {200, 122}},
                {{262, 128}, 19, -10, 0.92, {250, 114}},
                {{308, 138}, 17, 6, 0.9, {300, 118}}},
               {{{338, 136}, 7, 95, 0.75}, {{350, 136}, 5, 100, 0.75}});

    // The main stalk rises at the left and arches over to the right; the youngest flowers and the buds are
    // at its tip.
    const QPointF high[4] = {{26, 166}, {22, 60}, {120, 2}, {352, 40}};
    paintStalk(painter, high, 4.2,
               {{{42, 98}, 29, -8, 0.92, {32, 112}},
                {{72, 50}, 30, 6, 0.95, {52, 40}},
                {{128, 32}, 30, -4, 0.9, {118, 14}},
                {{186, 38}, 28, 10, 0.93, {180, 12}},
                {{240, 44}, 25, -6, 0.88, {240, 16}},
                {{288, 52}, 20, 12, 0.9, {286, 22}}},
               {{{318, 42}, 9, 70, 0.75}, {{336, 46}, 6.5, 80, 0.75}, {{348, 44}, 4.5, 85, 0.75}});
}

void paintName(QPainter& painter) {
    // The name sits in the rows every window shows: the main window cuts off the top 22 rows (16 rows of
    // its stretched box), the about window the bottom 30.
    const std::vector<QPainterPath> glyphs =
        lettering::fitToBox(QStringLiteral("Veradex"), letterFont(), QRectF(12, 46, 336, 66), 1);
    QPainterPath name;
    for (const QPainterPath& glyph : glyphs)
        name.addPath(glyph);
    name.setFillRule(Qt::WindingFill);
    const QRectF ink = name.boundingRect();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(name.translated(3, 3), QColor(70, 10, 60, 110));
    painter.strokePath(name, QPen(QColor(255, 255, 255, 235), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(name, QPen(QColor(30, 20, 90), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    QLinearGradient shades(ink.topLeft() + QPointF(0, ink.height() * 0.3), ink.topRight());
    const QColor stops[] = {{230, 25, 35}, {255, 95, 175}, {40, 80, 235},
                            {0, 200, 235}, {40, 190, 55},  {255, 220, 0}};
    for (int i = 0; i < 6; ++i)
        shades.setColorAt(i / 5.0, stops[i]);
    painter.fillPath(name, shades);

    // A gloss over the upper half of the letters.
    QLinearGradient gloss(ink.topLeft(), ink.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 190));
    gloss.setColorAt(0.45, QColor(255, 255, 255, 40));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.fillPath(name, gloss);
    painter.restore();
}

QImage banner(int width, int height) {
    QImage image = blank(width, height);
    QPainter painter(&image);
    painter.scale(width / 360.0, height / 167.0);
    paintSpray(painter);
    paintName(painter);
    return image;
}

QImage help() {
    QImage image = blank(36, 36);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 150, 150));
    painter.drawEllipse(QPointF(19.3, 19.3), 15.8, 15.8);
    QRadialGradient red(QPointF(13, 12), 20);
    red.setColorAt(0, QColor(255, 110, 95));
    red.setColorAt(0.5, QColor(232, 28, 24));
    red.setColorAt(1, QColor(180, 0, 0));
    painter.setBrush(red);
    painter.drawEllipse(QPointF(17.4, 17.4), 15.8, 15.8);

    const auto mark = lettering::fitToBox(QStringLiteral("?"), letterFont(), QRectF(11.5, 6.5, 12, 22));
    painter.strokePath(mark.front(),
                       QPen(QColor(110, 30, 150), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(mark.front(), Qt::white);
    return image;
}

QImage arrowUp() {
    QImage image = blank(30, 31);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF shape{{15, 1.8}, {28, 15.5}, {20.5, 15.5}, {20.5, 29}, {9.5, 29}, {9.5, 15.5}, {2, 15.5}};
    QLinearGradient sky(QPointF(0, 0), QPointF(30, 0));
    sky.setColorAt(0, QColor(210, 235, 255));
    sky.setColorAt(0.5, QColor(160, 210, 250));
    sky.setColorAt(1, QColor(115, 180, 240));
    painter.setPen(QPen(QColor(100, 120, 150), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(sky);
    painter.drawPolygon(shape);
    return image;
}

QImage good() {
    QImage image = blank(20, 20);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 225, 40), 3.6));
    painter.drawEllipse(QPointF(10, 10), 7, 7);
    return image;
}

QImage bad() {
    QImage image = blank(20, 20);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 20, 20), 3.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4, 4), QPointF(16, 16));
    painter.drawLine(QPointF(16, 4), QPointF(4, 16));
    return image;
}

QImage icon(int size) {
    QImage image = blank(size, size);
    QPainter painter(&image);
    const qreal outline = std::max(1.0, size / 40.0);
    orchid::drawFlower(painter, orchid::Pose{{size * 0.5, size * 0.53}, size * 0.47, 0, 1}, size >= 48,
                       outline);
    return image;
}

bool save(const QImage& image, const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG")) {
        std::fprintf(stderr, "veradex-pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Lists every PNG of the folder, the pictures drawn here and any added by hand.
bool writeResourceFile(const QDir& dir) {
    QByteArray qrc = "<RCC>\n    <qresource prefix=\"/pictures\">\n";
    for (const QString& name : dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name))
        qrc += "        <file>" + name.toUtf8() + "</file>\n";
    qrc += "    </qresource>\n</RCC>\n";
    QFile file(dir.filePath(QStringLiteral("pictures.qrc")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(qrc) != qrc.size()) {
        std::fprintf(stderr, "veradex-pictures: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: veradex-pictures PICTURES_DIR [ICON_THEME_DIR]\n");
        return 2;
    }
    const QDir pictures(QString::fromLocal8Bit(argv[1]));

    const Colouring plain{kRainbow, 0.55, true};
    const QImage up = arrowUp();
    struct Drawing {
        const char* name;
        std::function<QImage()> draw;
    };
    const Drawing drawings[] = {
        {"banner.png", [] { return banner(360, 167); }},
        {"banner_large.png", [] { return banner(381, 177); }},
        {"signature.png",
         [] {
             return words(130, 10, QStringLiteral("Veradex 2017"), QRectF(6, 1, 118, 8),
                          Colouring{kRainbow, 0, false}, 1.2);
         }},
        {"help.png", help},
        {"arrow_up.png", [&] { return up; }},
        {"arrow_down.png", [&] { return up.mirrored(false, true); }},
        {"good.png", good},
        {"bad.png", bad},
        // The about window cuts off the rightmost 3 columns.
        {"version.png",
         [&] {
             return words(216, 15, QStringLiteral("Ver 1   2017.04.12"), QRectF(2, 1, 207, 12.5), plain, 1);
         }},
        {"society.png",
         [] {
             return words(262, 22, QStringLiteral("翠嶺会 洋らん同好会"), QRectF(3, 1.5, 256, 19),
                          Colouring{kBlues, 0.55, true}, 1.5);
         }},
        {"author.png",
         [&] {
             return words(166, 21, QStringLiteral("Veradex 開発チーム"), QRectF(2, 1.5, 162, 18), plain);
         }},
        {"instant_help_title.png",
         [&] { return words(189, 21, QStringLiteral("Instant Help"), QRectF(3, 1, 183, 19), plain, 1); }},
    };
    bool ok = true;
    for (const auto& [name, draw] : drawings)
        ok = save(draw(), pictures.filePath(QString::fromLatin1(name))) && ok;
    ok = ok && writeResourceFile(pictures);

    if (argc == 3) {
        const QDir theme(QString::fromLocal8Bit(argv[2]));
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            ok = save(icon(size), theme.filePath(QStringLiteral("%1x%1/apps/veradex.png").arg(size))) && ok;
    }
    return ok ? 0 : 1;
}
