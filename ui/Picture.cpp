#include "Picture.h"

#include <QMouseEvent>

// The pictures live in the static ui library, whose resources are not registered on their own.
static void initPictures() {
    Q_INIT_RESOURCE(pictures);
}

Picture::Picture(QWidget* parent) : QLabel(parent) {
    static const bool once = (initPictures(), true);
    (void)once;
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

Picture* Picture::place(QWidget* parent, const QString& resource, const QRect& box, const QString& hint,
                        bool stretch) {
    auto* p = new Picture(parent);
    p->setGeometry(box);
    p->setPicture(resource, stretch);
    p->setToolTip(hint);
    return p;
}

void Picture::setPicture(const QString& resource, bool stretch) {
    setScaledContents(stretch);
    setPixmap(QPixmap(resource));
}

void Picture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
