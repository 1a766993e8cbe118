#include "Uversion.h"

#include "Dialogs.h"
#include "Forms.h"
#include "Links.h"

#include <QPixmap>
#include <QPushButton>

TVersion* Version = nullptr;

TVersion::TVersion(QWidget* parent) : QWidget(parent, Qt::Window) {
    Version = this;
    setWindowTitle(QStringLiteral("バージョン情報"));
    resize(forms::clientSizeFor(445, 379));
    move(482, 327);
    forms::applyStyle(this, 12, forms::kBlue);
    // Hidden, not ended, by closing; and it must not keep the application alive once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);

    Image1 = Picture::place(this, QStringLiteral(":/pictures/banner.png"), {32, 24, 369, 137});
    Image2 = Picture::place(this, QStringLiteral(":/pictures/author.png"), {133, 256, 166, 21},
                            QStringLiteral("メールはこちらから"));
    Image3 = Picture::place(this, QStringLiteral(":/pictures/version.png"), {110, 176, 213, 23});
    Button1 = new QPushButton(QStringLiteral("閉じる"), this);
    Button1->setGeometry(179, 296, 75, 25);
    Image4 = Picture::place(this, QStringLiteral(":/pictures/society.png"), {85, 216, 262, 25},
                            QStringLiteral("ホームページへ"));
    Button1->setFocus();

    connect(Image2, &Picture::clicked, this, &TVersion::Image2Click);
    connect(Button1, &QPushButton::clicked, this, &TVersion::Button1Click);
    connect(Image4, &Picture::clicked, this, &TVersion::Image4Click);
}

TVersion::~TVersion() {
    if (Version == this)
        Version = nullptr;
}

// Nothing is reported when no mail program starts.
void TVersion::Image2Click() {
    Dialogs::instance().openUrl(links::mailUrl());
}

void TVersion::Button1Click() {
    close();
}

void TVersion::Image4Click() {
    if (Dialogs::instance().openUrl(links::homePageUrl()))
        return;
    showMessage(this,
                QStringLiteral("インターネットエクスプローラの起動に失敗しました。\u3000\u3000\u3000\u3000"),
                QStringLiteral("翠嶺会呼び出しエラー"), StyleWarning);
}
