#include "Zebbtn.h"

#include "ControlRegistry.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <utility>

namespace {

// Top-left and bottom-right colours of a bevel. The classic button-highlight and button-shadow colours are
// the palette's Light and Dark roles (Highlight is the selection colour, Shadow the darker 3-D edge).
std::pair<QColor, QColor> bevelColors(TZebBtn::Bevel bevel, const QPalette& palette) {
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    if (bevel == TZebBtn::Bevel::Lowered)
        return {dark, light};
    return {light, dark};
}

// `width` nested one-pixel outlines from the edge of `rect` inwards: the top and left edges in `top`, the
// bottom and right edges (and the corners they share with the others) in `bottom`. Shrinks `rect`.
void frame3D(QPainter& painter, QRect& rect, const QColor& top, const QColor& bottom, int width) {
    for (int n = 0; n < width; ++n) {
        if (rect.width() > 0 && rect.height() > 0) {
            painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), top);
            painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), top);
            painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottom);
            painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottom);
        }
        rect.adjust(1, 1, -1, -1);
    }
}

Qt::Alignment horizontalFlag(TZebBtn::TextAlignment alignment) {
    switch (alignment) {
    case TZebBtn::LeftJustify:
        return Qt::AlignLeft;
    case TZebBtn::RightJustify:
        return Qt::AlignRight;
    case TZebBtn::Center:
        break;
    }
    return Qt::AlignHCenter;
}

} // namespace

TZebBtn::TZebBtn(QWidget* parent) : QFrame(parent), color_(palette().color(QPalette::Button)) {
    setFrameShape(QFrame::NoFrame);
    resize(75, 25);
}

TZebBtn::~TZebBtn() = default;

QSize TZebBtn::sizeHint() const {
    return {75, 25};
}

void TZebBtn::Set_Picture(const QPixmap& picture) {
    // QPixmap shares its data until either side changes it, so this is a copy as far as anyone can tell.
    picture_ = picture;
    update();
}

void TZebBtn::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TZebBtn::setAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    update();
}

void TZebBtn::setBevelWidth(int width) {
    bevelWidth_ = qMax(1, width);
    update();
}

void TZebBtn::setColor(const QColor& color) {
    color_ = color;
    update();
}

void TZebBtn::setBevelOuter(Bevel bevel) {
    if (bevelOuter_ == bevel)
        return;
    bevelOuter_ = bevel;
    update();
}

void TZebBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
}

void TZebBtn::Paint(QPainter& painter) {
    QRect r = rect();
    const bool hasPicture = !picture_.isNull();
    if (hasPicture)
        painter.drawPixmap(r, picture_);
    if (bevelOuter_ != Bevel::None) {
        const auto [top, bottom] = bevelColors(bevelOuter_, palette());
        frame3D(painter, r, top, bottom, bevelWidth_);
    }
    frame3D(painter, r, color_, color_, borderWidth_);
    if (bevelInner_ != Bevel::None) {
        const auto [top, bottom] = bevelColors(bevelInner_, palette());
        frame3D(painter, r, top, bottom, bevelWidth_);
    }
    if (!hasPicture)
        painter.fillRect(r, color_);

    // One text line high and centred vertically; the caption is drawn from that line's top and clipped to it.
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.setBackgroundMode(Qt::TransparentMode);
    const int h = QFontMetrics(font()).size(0, QStringLiteral("W")).height();
    const int bottom = r.top() + r.height(); // past the last row, as the classic rectangles count
    const int top = (r.top() + bottom - h) / 2;
    const QRect line(r.left(), top, qMax(0, r.width()), h);
    painter.drawText(line, int(horizontalFlag(alignment_) | Qt::AlignTop | Qt::TextExpandTabs), caption_);
}

void TZebBtn::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button == Qt::LeftButton)
        setBevelOuter(Bevel::Lowered);
}

void TZebBtn::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button == Qt::LeftButton)
        setBevelOuter(Bevel::Raised);
}

// Qt sends the release to the widget that had the press, also when the pointer has left it by then.
void TZebBtn::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MouseDown(event->button(), event->modifiers(), p.x(), p.y());
    if (event->button() == Qt::LeftButton)
        clickPending_ = true;
}

void TZebBtn::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MouseUp(event->button(), event->modifiers(), p.x(), p.y());
    if (event->button() == Qt::LeftButton && std::exchange(clickPending_, false) && rect().contains(p))
        emit clicked();
}

namespace Zebbtn {

void Register() {
    controls::registerControl({
        .className = QStringLiteral("TZebBtn"),
        .page = QStringLiteral("Samples"),
        .includeFile = QStringLiteral("Zebbtn.h"),
        .description = QStringLiteral("画像を貼ったボタン"),
        .create = [](QWidget* parent) -> QWidget* { return new TZebBtn(parent); },
    });
}

} // namespace Zebbtn
