#include "Picture.h"

#include <QMouseEvent>

static void initPictures() {
    Q_INIT_RESOURCE(pictures);
}

Picture::Picture(QWidget* parent) : QLabel(parent) {
    static const bool once = (initPictures(), true);
    (void)once;
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Picture::setPicture(const QString& resource, bool stretch) {
    setScaledContents(stretch);
    setPixmap(QPixmap(resource));
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
