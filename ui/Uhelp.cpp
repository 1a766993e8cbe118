#include "Uhelp.h"

#include "Forms.h"
#include "Picture.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

THelp* Help = nullptr;

THelp::THelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    Help = this;
    setWindowTitle(QStringLiteral("インスタント\u3000ヘルプ"));
    resize(forms::clientSizeFor(860, 610));
    move(408, 125);
    forms::applyStyle(this, 13, forms::kBlue);
    // Hidden, not ended, by closing; and it must not keep the application alive once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);

    Image1 = Picture::place(this, QStringLiteral(":/pictures/help_screenshot.png"), {24, 64, 800, 461});
    Button1 = new QPushButton(QStringLiteral("閉じる"), this);
    Button1->setGeometry(392, 536, 75, 25);
    Image2 = Picture::place(this, QStringLiteral(":/pictures/instant_help_title.png"), {117, 24, 189, 33});

    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, &THelp::Button1Click);
}

THelp::~THelp() {
    if (Help == this)
        Help = nullptr;
}

void THelp::Button1Click() {
    close();
}
