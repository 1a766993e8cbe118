// Filling the user's data folder from the shipped lists: missing files are copied, the user's own never.
#include "UserData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kList = QStringLiteral("リストデータ/洋らんリスト.csv");
const QString kIndex = QStringLiteral("リストデータ/属名インデックス.txt");

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class UserDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        write(shipped() + u'/' + kList, "shipped list\r\n");
        write(shipped() + u'/' + kIndex, "shipped index\r\n");
    }
    QString shipped() const { return dir.filePath(QStringLiteral("share/veradex")); }
    QString user() const { return dir.filePath(QStringLiteral("home/.local/share/veradex")); }
    QTemporaryDir dir;
};

TEST_F(UserDataTest, FirstStartCopiesEveryShippedFileIntoANewFolder) {
    QString failed;
    ASSERT_TRUE(userdata::fill(shipped(), user(), &failed)) << failed.toStdString();
    EXPECT_EQ(read(user() + u'/' + kList), "shipped list\r\n");
    EXPECT_EQ(read(user() + u'/' + kIndex), "shipped index\r\n");
}

TEST_F(UserDataTest, KeepsTheUsersFilesAndCopiesOnlyTheMissingOnes) {
    write(user() + u'/' + kList, "my edited list\r\n");
    ASSERT_TRUE(userdata::fill(shipped(), user(), nullptr));
    EXPECT_EQ(read(user() + u'/' + kList), "my edited list\r\n");
    EXPECT_EQ(read(user() + u'/' + kIndex), "shipped index\r\n");
    // Even an empty file is the user's: a list emptied on purpose is not refilled.
    write(user() + u'/' + kIndex, "");
    ASSERT_TRUE(userdata::fill(shipped(), user(), nullptr));
    EXPECT_EQ(read(user() + u'/' + kIndex), "");
}

TEST_F(UserDataTest, CopyOfAReadOnlyShippedListCanBeSaved) {
    const QString source = shipped() + u'/' + kList;
    QFile::setPermissions(source, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    ASSERT_TRUE(userdata::fill(shipped(), user(), nullptr));
    EXPECT_TRUE(QFile::permissions(user() + u'/' + kList) & QFile::WriteOwner);
}

TEST_F(UserDataTest, FailuresNameWhatCouldNotBeMade) {
    QString failed;
    EXPECT_FALSE(userdata::fill(dir.filePath(QStringLiteral("nowhere")), user(), &failed));
    EXPECT_EQ(failed, dir.filePath(QStringLiteral("nowhere")));
    // A file where the data folder should be.
    write(dir.filePath(QStringLiteral("blocked")), "x");
    EXPECT_FALSE(userdata::fill(shipped(), dir.filePath(QStringLiteral("blocked")), &failed));
    EXPECT_EQ(failed, dir.filePath(QStringLiteral("blocked")));
}

} // namespace
