// The instant-help window: an annotated picture of the main window.
#pragma once

#include <QWidget>

class Picture;
class QPushButton;

class THelp : public QWidget {
    Q_OBJECT
public:
    explicit THelp(QWidget* parent = nullptr);
    ~THelp() override;

    Picture* Image1;      // annotated screenshot
    QPushButton* Button1; // "閉じる"
    Picture* Image2;      // "Instant Help" title

    void Button1Click();
};

// The one instance, set by its constructor; the application entry creates it once.
extern THelp* Help;
