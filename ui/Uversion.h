// The about window: the banner, the version, and the pictures that open the society's home page and a mail
// to the author.
#pragma once

#include "Picture.h"

#include <QWidget>

class QPushButton;

class TVersion : public QWidget {
    Q_OBJECT
public:
    explicit TVersion(QWidget* parent = nullptr);
    ~TVersion() override;

    Picture* Image1;      // banner
    Picture* Image2;      // author: mail link
    Picture* Image3;      // version and date
    QPushButton* Button1; // "閉じる"
    Picture* Image4;      // society: home page

    void Image2Click();
    void Button1Click();
    void Image4Click();
};

// The one instance, set by its constructor; the application entry creates it once.
extern TVersion* Version;
