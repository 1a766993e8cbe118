// The about, usage and instant-help windows: layout, modeless showing, the usage text and the two links.
#include "FakeDialogs.h"
#include "Forms.h"
#include "Links.h"
#include "Sjis.h"
#include "Uhelp.h"
#include "Uhowto.h"
#include "Uversion.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

struct Box {
    const char* name;
    QWidget* widget;
    QRect geometry;
};

void expectBoxes(const std::initializer_list<Box>& boxes) {
    for (const Box& b : boxes)
        EXPECT_EQ(b.widget->geometry(), b.geometry) << b.name;
}

void expectWindow(QWidget* w, const QString& caption, QSize outer, QPoint pos, int fontHeight, QColor text) {
    EXPECT_EQ(w->windowTitle(), caption);
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->size(), forms::clientSizeFor(outer.width(), outer.height())) << caption.toStdString();
    EXPECT_EQ(w->pos(), pos) << caption.toStdString();
    EXPECT_EQ(w->font().pixelSize(), fontHeight) << caption.toStdString();
    EXPECT_TRUE(w->font().bold());
    EXPECT_EQ(w->palette().color(QPalette::Window), forms::kWindowColor);
    EXPECT_EQ(w->palette().color(QPalette::WindowText), text);
    EXPECT_FALSE(w->isVisible());
}

// What the box should show: the picture at its own size from the top-left corner, over the window colour,
// clipped to the box.
void expectPictureDrawn(QLabel* label, const QString& resource, QSize pictureSize) {
    const QPixmap picture(resource);
    ASSERT_FALSE(picture.isNull()) << resource.toStdString();
    EXPECT_EQ(picture.size(), pictureSize) << resource.toStdString();

    QImage expected(label->size(), QImage::Format_ARGB32_Premultiplied);
    expected.fill(forms::kWindowColor);
    {
        QPainter p(&expected);
        p.drawPixmap(0, 0, picture);
    }
    const QImage shown = label->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(shown.size(), expected.size()) << resource.toStdString();
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor a = shown.pixelColor(x, y), b = expected.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) > 2 || std::abs(a.green() - b.green()) > 2 ||
                std::abs(a.blue() - b.blue()) > 2)
                ++differing;
        }
    EXPECT_EQ(differing, 0) << resource.toStdString();
}

int visibleWindowsTitled(const QString& caption) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == caption)
            ++n;
    return n;
}

QStringList memoLines(const THowTo& howTo) {
    return howTo.Memo1->toPlainText().split(u'\n');
}

} // namespace

TEST(InfoWindows, AboutWindowLayout) {
    TVersion v;
    expectWindow(&v, QStringLiteral("バージョン情報"), {445, 379}, {482, 327}, 12, forms::kBlue);
    expectBoxes({{"Image1", v.Image1, {32, 24, 369, 137}},
                 {"Image3", v.Image3, {110, 176, 213, 23}},
                 {"Image4", v.Image4, {85, 216, 262, 25}},
                 {"Image2", v.Image2, {133, 256, 166, 21}},
                 {"Button1", v.Button1, {179, 296, 75, 25}}});
    EXPECT_EQ(v.Button1->text(), QStringLiteral("閉じる"));
    EXPECT_EQ(v.Image4->toolTip(), QStringLiteral("ホームページへ"));
    EXPECT_EQ(v.Image2->toolTip(), QStringLiteral("メールはこちらから"));
    EXPECT_TRUE(v.Image1->toolTip().isEmpty());
    EXPECT_TRUE(v.Image3->toolTip().isEmpty());
    EXPECT_TRUE(v.Button1->toolTip().isEmpty());

    // The banner loses its bottom 30 rows, the version picture its rightmost 3 columns.
    expectPictureDrawn(v.Image1, QStringLiteral(":/pictures/banner.png"), {360, 167});
    expectPictureDrawn(v.Image3, QStringLiteral(":/pictures/version.png"), {216, 15});
    expectPictureDrawn(v.Image4, QStringLiteral(":/pictures/society.png"), {262, 22});
    expectPictureDrawn(v.Image2, QStringLiteral(":/pictures/author.png"), {166, 21});
}

TEST(InfoWindows, UsageWindowLayout) {
    THowTo h;
    expectWindow(&h, QStringLiteral("Veradex使い方"), {553, 651}, {425, 135}, 13, forms::kNavy);
    expectBoxes({{"Image1", h.Image1, {72, 16, 400, 145}},
                 {"Memo1", h.Memo1, {24, 168, 497, 393}},
                 {"Button1", h.Button1, {224, 576, 75, 25}}});
    EXPECT_EQ(h.Button1->text(), QStringLiteral("閉じる"));
    EXPECT_FALSE(h.Memo1->isReadOnly());
    EXPECT_EQ(h.Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(h.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    for (QWidget* w : std::initializer_list<QWidget*>{&h, h.Image1, h.Memo1, h.Button1})
        EXPECT_TRUE(w->toolTip().isEmpty());
    // The larger banner loses its bottom 32 rows.
    expectPictureDrawn(h.Image1, QStringLiteral(":/pictures/banner_large.png"), {381, 177});

    // "閉じる" comes first in the tab order and holds the focus when the window opens; the memo follows.
    forms::showModeless(&h);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h));
    EXPECT_EQ(QApplication::focusWidget(), h.Button1);
    EXPECT_EQ(h.Button1->nextInFocusChain(), h.Memo1);
    EXPECT_EQ(h.Memo1->verticalScrollBar()->value(), 0);
    h.close();
}

TEST(InfoWindows, HelpWindowLayout) {
    THelp h;
    expectWindow(&h, QStringLiteral("インスタント\u3000ヘルプ"), {860, 610}, {408, 125}, 13, forms::kBlue);
    expectBoxes({{"Image2", h.Image2, {117, 24, 189, 33}},
                 {"Image1", h.Image1, {24, 64, 800, 461}},
                 {"Button1", h.Button1, {392, 536, 75, 25}}});
    EXPECT_EQ(h.Button1->text(), QStringLiteral("閉じる"));
    expectPictureDrawn(h.Image2, QStringLiteral(":/pictures/instant_help_title.png"), {189, 21});
    // The annotated screenshot is made from the finished main window; until then the box stays empty.
    if (QFile::exists(QStringLiteral(":/pictures/help_screenshot.png")))
        expectPictureDrawn(h.Image1, QStringLiteral(":/pictures/help_screenshot.png"), {801, 447});
    else
        EXPECT_TRUE(h.Image1->pixmap().isNull());
}

// The main window reaches the three windows through their globals, which the windows set themselves.
TEST(InfoWindows, EachWindowIsItsGlobalWhileItLives) {
    {
        TVersion v;
        THowTo h;
        THelp help;
        EXPECT_EQ(Version, &v);
        EXPECT_EQ(HowTo, &h);
        EXPECT_EQ(Help, &help);
    }
    EXPECT_EQ(Version, nullptr);
    EXPECT_EQ(HowTo, nullptr);
    EXPECT_EQ(Help, nullptr);
}

// Showing a shown window again opens no second one and brings it back to the front; closing only hides.
TEST(InfoWindows, ShownModelesslyOnceAndHiddenByClosing) {
    TVersion v;
    THowTo h;
    THelp help;
    struct Case {
        QWidget* window;
        QPushButton* close;
        QWidget* other;
    };
    for (const Case& c :
         {Case{&v, v.Button1, &h}, Case{&h, h.Button1, &help}, Case{&help, help.Button1, &v}}) {
        const QString caption = c.window->windowTitle();
        SCOPED_TRACE(caption.toStdString());
        QPointer<QWidget> guard(c.window);
        const QPoint designed = c.window->pos();

        forms::showModeless(c.window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.window));
        forms::showModeless(c.other);
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.other));

        forms::showModeless(c.window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.window));
        EXPECT_EQ(QApplication::activeWindow(), c.window);
        EXPECT_EQ(visibleWindowsTitled(caption), 1);
        EXPECT_EQ(c.window->pos(), designed);

        QTest::mouseClick(c.close, Qt::LeftButton);
        EXPECT_FALSE(c.window->isVisible());
        ASSERT_FALSE(guard.isNull());

        // The title bar's close box hides it the same way.
        forms::showModeless(c.window);
        EXPECT_TRUE(c.window->isVisible());
        c.window->close();
        EXPECT_FALSE(c.window->isVisible());
        ASSERT_FALSE(guard.isNull());
        c.other->close();
    }
}

TEST(InfoWindows, UsageMemoKeepsTypedTextForTheRunOnly) {
    const QString original = THowTo().Memo1->toPlainText();
    {
        THowTo h;
        forms::showModeless(&h);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&h));
        h.Memo1->setFocus();
        h.Memo1->moveCursor(QTextCursor::End);
        QTest::keyClicks(h.Memo1, QStringLiteral("memo"));
        QTest::mouseClick(h.Button1, Qt::LeftButton);
        ASSERT_FALSE(h.isVisible());

        forms::showModeless(&h);
        EXPECT_EQ(h.Memo1->toPlainText(), original + QStringLiteral("memo"));
        h.close();
    }
    // A new run starts from the shipped text again.
    EXPECT_EQ(THowTo().Memo1->toPlainText(), original);
}

TEST(InfoWindows, UsageTextShape) {
    THowTo h;
    const QStringList lines = memoLines(h);
    ASSERT_EQ(lines.size(), 135);

    for (int i = 0; i < lines.size(); ++i) {
        const auto bytes = sjis::encode(lines[i]);
        ASSERT_TRUE(bytes.has_value()) << "line " << i + 1;
        EXPECT_LE(bytes->size(), 71) << "line " << i + 1 << ": " << lines[i].toStdString();
        EXPECT_FALSE(lines[i].endsWith(u' ')) << "line " << i + 1;
    }

    // Two indented title lines, then an empty line.
    EXPECT_TRUE(lines[0].startsWith(u'\u3000'));
    EXPECT_EQ(lines[0].trimmed(), QStringLiteral("洋らん属種名検索\u3000Veradex"));
    EXPECT_TRUE(lines[1].startsWith(u'\u3000'));
    EXPECT_TRUE(lines[1].contains(QRegularExpression(QStringLiteral("使い方[\u3000 ]*2017\\.04\\.16$"))));
    EXPECT_TRUE(lines[2].isEmpty());

    // The headings in their order, each on a line of its own with full-width digits, each followed by a
    // paragraph that opens with an ideographic space.
    const QStringList headings = {
        QStringLiteral("１\u3000はじめに"),
        QStringLiteral("２\u3000洋らん属種名データファイル"),
        QStringLiteral("３\u3000使い方"),
        QStringLiteral("３．１\u3000リストの閲覧"),
        QStringLiteral("３．２\u3000テキストのコピー"),
        QStringLiteral("３．３\u3000洋らん品種名リストの編集と追加・削除"),
        QStringLiteral("３．４\u3000リストの切替"),
        QStringLiteral("３．５\u3000属名のよみ\u3000"),
        QStringLiteral("４\u3000新旧属種名対応表示"),
        QStringLiteral("５\u3000外部リスト"),
        QStringLiteral("６\u3000リストデータについて"),
    };
    qsizetype from = 0;
    for (const QString& heading : headings) {
        const qsizetype at = lines.indexOf(heading, from);
        ASSERT_GE(at, from) << heading.toStdString();
        ASSERT_LT(at + 1, lines.size());
        const QString& next = lines[at + 1];
        EXPECT_TRUE(next.startsWith(u'\u3000') || headings.contains(next)) << heading.toStdString();
        from = at + 1;
    }
    // Every paragraph after an empty line starts with a heading.
    for (int i = 3; i + 1 < lines.size(); ++i)
        if (lines[i].isEmpty()) {
            EXPECT_TRUE(headings.contains(lines[i + 1])) << "line " << i + 2;
        }
}

TEST(InfoWindows, MailLinkOpensOnceAndReportsNothing) {
    for (const bool opens : {true, false}) {
        SCOPED_TRACE(opens ? "mail program starts" : "no mail program");
        FakeDialogs dialogs;
        dialogs.urlOpens = opens;
        TVersion v;
        forms::showModeless(&v);
        QTest::mouseClick(v.Image2, Qt::LeftButton);

        ASSERT_EQ(dialogs.urls.size(), 1);
        const QUrl url = dialogs.urls.first();
        EXPECT_EQ(url, links::mailUrl());
        EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
        EXPECT_EQ(url.path(), links::kMailAddress);
        EXPECT_TRUE(url.path().contains(u'@'));
        EXPECT_EQ(QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                  QStringLiteral("Veradexについて"));
        EXPECT_TRUE(dialogs.messages.isEmpty());
        EXPECT_TRUE(v.isVisible());
        v.close();
    }
}

TEST(InfoWindows, HomePageLinkReportsAFailureOnce) {
    for (const bool opens : {true, false}) {
        SCOPED_TRACE(opens ? "browser starts" : "no browser");
        FakeDialogs dialogs;
        dialogs.urlOpens = opens;
        TVersion v;
        forms::showModeless(&v);
        QTest::mouseClick(v.Image4, Qt::LeftButton);

        ASSERT_EQ(dialogs.urls.size(), 1);
        EXPECT_EQ(dialogs.urls.first(), links::homePageUrl());
        EXPECT_TRUE(dialogs.urls.first().scheme().startsWith(QStringLiteral("http")));
        if (opens) {
            EXPECT_TRUE(dialogs.messages.isEmpty());
        } else {
            ASSERT_EQ(dialogs.messages.size(), 1);
            EXPECT_EQ(
                dialogs.messages[0].text,
                QStringLiteral("インターネットエクスプローラの起動に失敗しました。\u3000\u3000\u3000\u3000"));
            EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("翠嶺会呼び出しエラー"));
            EXPECT_EQ(dialogs.messages[0].style, 48);
        }
        EXPECT_TRUE(v.isVisible());
        v.close();
    }
}

// A press that is dragged off the picture before it is released is no click.
TEST(InfoWindows, PictureClickNeedsPressAndReleaseOnIt) {
    FakeDialogs dialogs;
    TVersion v;
    forms::showModeless(&v);
    QTest::mousePress(v.Image4, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(v.Image4, Qt::LeftButton, {}, {5, 100});
    QTest::mouseClick(v.Image4, Qt::RightButton);
    EXPECT_TRUE(dialogs.urls.isEmpty());
    v.close();
}
