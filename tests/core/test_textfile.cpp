#include "TestUtil.h"
#include "TextFile.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

TEST(TextFile, ReadDropsEveryCrAndStopsAtSub) {
    struct Case {
        const char* name;
        QByteArray raw;
        QByteArray seen;
    } cases[] = {
        {"crlf", "a,b\r\nc,d\r\n", "a,b\nc,d\n"},
        {"lone cr inside a line", "a\rb\n", "ab\n"},
        {"sub ends the file",
         QByteArray("a\n\x1A"
                    "b\n",
                    5),
         "a\n"},
        {"empty", "", ""},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath("f.txt");
        writeRaw(path, c.raw);
        const auto got = textfile::read(path);
        ASSERT_TRUE(got) << c.name;
        EXPECT_EQ(*got, c.seen) << c.name;
    }
    EXPECT_FALSE(textfile::read(dir.filePath("missing.txt")));
    EXPECT_FALSE(textfile::read(dir.path())) << "a folder is no file";
}

TEST(TextFile, TextModeOnASharedArrayLeavesTheOtherCopyAlone) {
    const QByteArray original("a\r\nb\r\n");
    QByteArray copy = original;
    textfile::toTextMode(copy);
    EXPECT_EQ(copy, QByteArray("a\nb\n"));
    EXPECT_EQ(original, QByteArray("a\r\nb\r\n"));
}

TEST(TextFile, WriteEndsEveryLineWithCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    ASSERT_TRUE(textfile::write(path, "a\nb\n\nc"));
    EXPECT_EQ(readRaw(path), QByteArray("a\r\nb\r\n\r\nc"));
}

TEST(TextFile, FailedWriteLeavesTheOldFileByteIdentical) {
    struct Case {
        const char* name;
        bool fileReadOnly;
        bool folderReadOnly;
    } cases[] = {{"read-only file", true, false}, {"read-only folder", false, true}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("list.csv");
        writeRaw(path, "old,1\r\n");
        const auto ro = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        if (c.fileReadOnly)
            QFile::setPermissions(path, QFileDevice::ReadOwner);
        if (c.folderReadOnly)
            QFile::setPermissions(dir.path(), ro);
        EXPECT_FALSE(textfile::write(path, "new,2\n")) << c.name;
        QFile::setPermissions(dir.path(), ro | QFileDevice::WriteOwner);
        EXPECT_EQ(readRaw(path), QByteArray("old,1\r\n")) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.csv"})
            << c.name << ": no temporary left";
    }
}

} // namespace
