// The usage window: the larger banner and the usage text, which the user may type into for the run.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class Picture;
class QPushButton;

class THowTo : public QWidget {
    Q_OBJECT
public:
    explicit THowTo(QWidget* parent = nullptr);
    ~THowTo() override;

    Picture* Image1;       // larger banner
    QPushButton* Button1;  // "閉じる"
    QPlainTextEdit* Memo1; // usage text

    void Button1Click();
};

// The one instance, set by its constructor; the application entry creates it once.
extern THowTo* HowTo;
