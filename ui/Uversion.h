// The about window: the banner, the version, and the pictures that open the society's home page and a mail
// to the author.
#pragma once

#include <QLabel>
#include <QWidget>

class QPushButton;

// A picture that reports a left click released over it, like a clickable image.
class LinkPicture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed = false;
};

class TVersion : public QWidget {
    Q_OBJECT
public:
    explicit TVersion(QWidget* parent = nullptr);
    ~TVersion() override;

    QLabel* Image1;       // banner
    LinkPicture* Image2;  // author: mail link
    QLabel* Image3;       // version and date
    QPushButton* Button1; // "閉じる"
    LinkPicture* Image4;  // society: home page

    void Image2Click();
    void Button1Click();
    void Image4Click();
};

// The one instance, set by its constructor; the application entry creates it once.
extern TVersion* Version;
