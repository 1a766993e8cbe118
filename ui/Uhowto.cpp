#include "Uhowto.h"

#include "Forms.h"
#include "Picture.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

THowTo* HowTo = nullptr;

// The usage text lives in the static ui library, whose resources are not registered on their own.
static void initHowToResources() {
    Q_INIT_RESOURCE(howto);
}

namespace {

// The usage text is kept as UTF-8 with LF line ends; the file's final line end would add an empty line.
QString usageText() {
    QFile file(QStringLiteral(":/text/howto.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

} // namespace

THowTo::THowTo(QWidget* parent) : QWidget(parent, Qt::Window) {
    HowTo = this;
    initHowToResources();
    setWindowTitle(QStringLiteral("Veradex使い方"));
    resize(forms::clientSizeFor(553, 651));
    move(425, 135);
    forms::applyStyle(this, 13, forms::kNavy);
    // Hidden, not ended, by closing; and it must not keep the application alive once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);

    Image1 = Picture::place(this, QStringLiteral(":/pictures/banner_large.png"), {72, 16, 400, 145});

    // Created before the memo, so that it comes first in the tab order.
    Button1 = new QPushButton(QStringLiteral("閉じる"), this);
    Button1->setGeometry(224, 576, 75, 25);

    // Editable for the run: the text is loaded once here and never written anywhere.
    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(24, 168, 497, 393);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(usageText());

    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, &THowTo::Button1Click);
}

THowTo::~THowTo() {
    if (HowTo == this)
        HowTo = nullptr;
}

void THowTo::Button1Click() {
    close();
}
