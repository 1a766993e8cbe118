// The windows draw these pictures at their own size from the top-left corner, clipped to a box of fixed
// size, and let the window colour show through their transparent parts.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

const QString kPictures = QStringLiteral(VERADEX_SOURCE_DIR "/ui/pictures/");

// Whether every pixel of `rect` is fully transparent.
bool clear(const QImage& image, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

bool hasOpaquePixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return true;
    return false;
}

TEST(Pictures, SizesAndTransparency) {
    struct Case {
        const char* file;
        int width, height;
    } cases[] = {
        {"banner.png", 360, 167},   {"banner_large.png", 381, 177},
        {"signature.png", 130, 10}, {"help.png", 36, 36},
        {"arrow_up.png", 30, 31},   {"arrow_down.png", 30, 31},
        {"good.png", 20, 20},       {"bad.png", 20, 20},
        {"version.png", 216, 15},   {"society.png", 262, 22},
        {"author.png", 166, 21},    {"instant_help_title.png", 189, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QImage image(kPictures + QString::fromLatin1(c.file));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(c.width, c.height));
        EXPECT_TRUE(image.hasAlphaChannel());
        // None fills its box: the top-left corner shows the window colour, and something is drawn.
        EXPECT_TRUE(clear(image, QRect(0, 0, 1, 1)));
        EXPECT_TRUE(hasOpaquePixel(image));
    }
}

TEST(Pictures, VersionKeepsTheColumnsTheAboutWindowCutsOff) {
    const QImage image(kPictures + QStringLiteral("version.png"));
    ASSERT_EQ(image.width(), 216);
    EXPECT_TRUE(clear(image, QRect(213, 0, 3, image.height())));
}

TEST(Pictures, ResourceFileListsEveryPicture) {
    QFile qrc(kPictures + QStringLiteral("pictures.qrc"));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(qrc.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("<qresource prefix=\"/pictures\">")));
    QStringList listed;
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QStringLiteral("<file>([^<]+)</file>")).globalMatch(text))
        listed << m.captured(1);
    listed.sort();
    EXPECT_EQ(listed, QDir(kPictures).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name));
}

TEST(Pictures, DesktopIconInEveryThemeSize) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon(
            QStringLiteral(VERADEX_SOURCE_DIR "/data/icons/hicolor/%1x%1/apps/veradex.png").arg(size));
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_TRUE(clear(icon, QRect(0, 0, 1, 1)));
    }
}

} // namespace
