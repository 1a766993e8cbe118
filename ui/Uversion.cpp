#include "Uversion.h"

#include "Dialogs.h"
#include "Forms.h"
#include "Links.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

TVersion* Version = nullptr;

// The pictures live in the static ui library, whose resources are not registered on their own.
static void initVersionResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace {

// Drawn at its own size from the box's top-left corner and clipped to the box.
void placePicture(QLabel* label, const QString& resource, const QRect& box) {
    label->setPixmap(QPixmap(resource));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(box);
}

} // namespace

void LinkPicture::mousePressEvent(QMouseEvent* event) {
    pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

TVersion::TVersion(QWidget* parent) : QWidget(parent, Qt::Window) {
    Version = this;
    initVersionResources();
    setWindowTitle(QStringLiteral("バージョン情報"));
    resize(forms::clientSizeFor(445, 379));
    move(482, 327);
    forms::applyStyle(this, 12, forms::kBlue);
    // Hidden, not ended, by closing; and it must not keep the application alive once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);

    Image1 = new QLabel(this);
    placePicture(Image1, QStringLiteral(":/pictures/banner.png"), {32, 24, 369, 137});
    Image2 = new LinkPicture(this);
    placePicture(Image2, QStringLiteral(":/pictures/author.png"), {133, 256, 166, 21});
    Image2->setToolTip(QStringLiteral("メールはこちらから"));
    Image3 = new QLabel(this);
    placePicture(Image3, QStringLiteral(":/pictures/version.png"), {110, 176, 213, 23});
    Button1 = new QPushButton(QStringLiteral("閉じる"), this);
    Button1->setGeometry(179, 296, 75, 25);
    Image4 = new LinkPicture(this);
    placePicture(Image4, QStringLiteral(":/pictures/society.png"), {85, 216, 262, 25});
    Image4->setToolTip(QStringLiteral("ホームページへ"));
    Button1->setFocus();

    connect(Image2, &LinkPicture::clicked, this, &TVersion::Image2Click);
    connect(Button1, &QPushButton::clicked, this, &TVersion::Button1Click);
    connect(Image4, &LinkPicture::clicked, this, &TVersion::Image4Click);
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
