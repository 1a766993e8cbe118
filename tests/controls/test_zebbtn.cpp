#include "Zebbtn.h"

#include "Printers.h"

#include <QFontMetrics>
#include <QImage>
#include <QMetaProperty>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor kLight(255, 255, 255);
const QColor kDark(128, 128, 128);
const QColor kFace(212, 208, 200);
const QColor kText(0, 0, 0);

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);

// A button with distinct bevel, face and text colours.
class ZebBtn : public ::testing::Test {
protected:
    ZebBtn() {
        QPalette palette = button.palette();
        palette.setColor(QPalette::Light, kLight);
        palette.setColor(QPalette::Dark, kDark);
        palette.setColor(QPalette::WindowText, kText);
        button.setPalette(palette);
        button.setColor(kFace);
    }

    QImage image() { return button.grab().toImage(); }

    TZebBtn button;
};

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// The one-pixel frame on the control's edge: `top` on the top and left edges, `bottom` on the bottom and
// right edges and on the two corners those share with the others.
void expectFrame(const QImage& image, const QColor& top, const QColor& bottom) {
    const int r = image.width() - 1;
    const int b = image.height() - 1;
    for (int x = 0; x < r; ++x) {
        EXPECT_EQ(at(image, x, 0), top) << "top edge at x " << x;
        EXPECT_EQ(at(image, x + 1, b), bottom) << "bottom edge at x " << x + 1;
    }
    for (int y = 0; y < b; ++y) {
        EXPECT_EQ(at(image, 0, y), top) << "left edge at y " << y;
        EXPECT_EQ(at(image, r, y + 1), bottom) << "right edge at y " << y + 1;
    }
    EXPECT_EQ(at(image, r, 0), bottom);
    EXPECT_EQ(at(image, 0, b), bottom);
}

QPixmap quadrants() {
    QImage image(20, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixelColor(x, y, y < 5 ? (x < 10 ? kRed : kGreen) : (x < 10 ? kBlue : kYellow));
    return QPixmap::fromImage(image);
}

TEST(ZebBtnDefaults, NewControl) {
    TZebBtn button;
    EXPECT_EQ(button.size(), QSize(75, 25));
    EXPECT_TRUE(button.pictureImg().isNull());
    EXPECT_EQ(button.caption(), QString());
    EXPECT_EQ(button.alignment(), TZebBtn::Center);
    EXPECT_EQ(button.bevelWidth(), 1);
    EXPECT_EQ(button.color(), button.palette().color(QPalette::Button));
    EXPECT_EQ(button.bevelOuter(), TZebBtn::Bevel::Raised);
    for (const char* name : {"PictureImg", "Caption", "Alignment", "BevelWidth", "Color"}) {
        const int index = button.metaObject()->indexOfProperty(name);
        ASSERT_GE(index, 0) << name;
        EXPECT_TRUE(button.metaObject()->property(index).isDesignable()) << name;
    }
}

TEST_F(ZebBtn, WithoutPictureIsAPlainRaisedPanel) {
    const QImage img = image();
    ASSERT_EQ(img.size(), QSize(75, 25));
    expectFrame(img, kLight, kDark);
    for (int y = 1; y < 24; ++y)
        for (int x = 1; x < 74; ++x)
            ASSERT_EQ(at(img, x, y), kFace) << x << "," << y;
}

TEST_F(ZebBtn, WiderBevelIsNestedOutlines) {
    button.setBevelWidth(3);
    const QImage img = image();
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(at(img, 10, n), kLight) << n;
        EXPECT_EQ(at(img, n, 10), kLight) << n;
        EXPECT_EQ(at(img, 10, 24 - n), kDark) << n;
        EXPECT_EQ(at(img, 74 - n, 10), kDark) << n;
    }
    EXPECT_EQ(at(img, 10, 3), kFace);
    EXPECT_EQ(at(img, 71, 10), kFace);
}

// Caption pixels lie only in the line of the height of "W" centred inside the bevel, on the side chosen.
TEST_F(ZebBtn, CaptionIsCentredVerticallyAndAlignedAsSet) {
    button.resize(75, 60);
    button.setCaption(QStringLiteral("決定"));
    const int h = QFontMetrics(button.font()).size(0, QStringLiteral("W")).height();
    const int top = (1 + 59 - h) / 2;
    ASSERT_GT(top, 1) << "the control is too short to tell centred from top";

    struct Case {
        TZebBtn::TextAlignment alignment;
        int minLeft, maxLeft; // where the caption's first column may be
    };
    const int textWidth = QFontMetrics(button.font()).horizontalAdvance(button.caption());
    for (const Case& c : {Case{TZebBtn::LeftJustify, 1, 3}, Case{TZebBtn::RightJustify, 73 - textWidth, 74},
                          Case{TZebBtn::Center, (75 - textWidth) / 2 - 3, (75 - textWidth) / 2 + 3}}) {
        button.setAlignment(c.alignment);
        const QImage img = image();
        int left = 75, minY = 60, maxY = -1;
        for (int y = 1; y < 59; ++y) {
            for (int x = 1; x < 74; ++x) {
                if (at(img, x, y) != kFace) {
                    left = qMin(left, x);
                    minY = qMin(minY, y);
                    maxY = qMax(maxY, y);
                }
            }
        }
        ASSERT_GE(maxY, 0) << "no caption drawn";
        EXPECT_GE(minY, top);
        EXPECT_LT(maxY, top + h);
        EXPECT_GE(left, c.minLeft) << int(c.alignment);
        EXPECT_LE(left, c.maxLeft) << int(c.alignment);
    }
}

TEST_F(ZebBtn, PictureIsStretchedOverTheFaceUnderTheBevel) {
    button.Set_Picture(quadrants());
    const QImage img = image();
    ASSERT_EQ(img.size(), QSize(75, 25));
    expectFrame(img, kLight, kDark);
    // The picture reaches the bevel on every side, a quadrant to each corner, and no face colour shows.
    EXPECT_EQ(at(img, 1, 1), kRed);
    EXPECT_EQ(at(img, 73, 1), kGreen);
    EXPECT_EQ(at(img, 1, 23), kBlue);
    EXPECT_EQ(at(img, 73, 23), kYellow);
    // Quadrant borders at about 75 / 2 and 25 / 2.
    EXPECT_EQ(at(img, 35, 10), kRed);
    EXPECT_EQ(at(img, 39, 10), kGreen);
    EXPECT_EQ(at(img, 35, 14), kBlue);
    EXPECT_EQ(at(img, 39, 14), kYellow);
    for (int y = 1; y < 24; ++y)
        for (int x = 1; x < 74; ++x)
            ASSERT_NE(at(img, x, y), kFace) << x << "," << y;
}

TEST_F(ZebBtn, LeftPressLowersTheBevelUntilTheReleaseAlsoOutside) {
    QSignalSpy clicks(&button, &TZebBtn::clicked);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(button.bevelOuter(), TZebBtn::Bevel::Lowered);
    expectFrame(image(), kDark, kLight);

    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_EQ(button.bevelOuter(), TZebBtn::Bevel::Raised);
    expectFrame(image(), kLight, kDark);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ZebBtn, OtherButtonsLeaveTheBevelRaisedAndDoNotClick) {
    QSignalSpy clicks(&button, &TZebBtn::clicked);
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(&button, other, {}, QPoint(10, 10));
        EXPECT_EQ(button.bevelOuter(), TZebBtn::Bevel::Raised);
        expectFrame(image(), kLight, kDark);
        QTest::mouseRelease(&button, other, {}, QPoint(10, 10));
    }
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ZebBtn, LeftPressAndReleaseInsideClicks) {
    QSignalSpy clicks(&button, &TZebBtn::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button.bevelOuter(), TZebBtn::Bevel::Raised);
}

TEST_F(ZebBtn, SetPictureCopiesThePicture) {
    QPixmap mine(20, 10);
    mine.fill(kRed);
    button.Set_Picture(mine);

    mine.fill(kBlue);
    {
        QPainter painter(&mine);
        painter.fillRect(0, 0, 20, 10, kGreen);
    }
    EXPECT_EQ(button.pictureImg().toImage().pixelColor(5, 5), kRed);
    EXPECT_EQ(at(image(), 37, 12), kRed);

    button.setProperty("PictureImg", QPixmap());
    EXPECT_EQ(at(image(), 37, 12), kFace);
}

} // namespace
