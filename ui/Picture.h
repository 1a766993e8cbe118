// A picture box: a PNG drawn from the top-left corner and clipped to the box, or stretched over it; a click
// on it emits `clicked`.
#pragma once

#include <QLabel>

class Picture : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);
    // Loads a picture of the program's resources, e.g. ":/pictures/banner.png".
    void setPicture(const QString& resource, bool stretch = false);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
