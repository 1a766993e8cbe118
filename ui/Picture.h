// A picture box: a PNG of the program's resources drawn from the top-left corner and clipped to the box, or
// stretched over it; a left click (press and release over it) emits `clicked`.
#pragma once

#include <QLabel>

class Picture : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);

    // A picture box on `parent` at `box`, e.g. ":/pictures/banner.png"; a missing picture leaves it empty.
    static Picture* place(QWidget* parent, const QString& resource, const QRect& box,
                          const QString& hint = {}, bool stretch = false);

    void setPicture(const QString& resource, bool stretch = false);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
