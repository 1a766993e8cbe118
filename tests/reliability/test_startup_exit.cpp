// The program's whole life in one process: the six windows created as the application entry creates them,
// the event loop, the exit button, and everything destroyed. In the sanitizer build LeakSanitizer checks
// this process at its end.
#include "AppControl.h"
#include "FakeDialogs.h"
#include "Windows.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A working directory holding a copy of the shipped lists.
void copyShippedLists(const QTemporaryDir& dir) {
    ASSERT_TRUE(dir.isValid());
    const QString shipped = QStringLiteral(VERADEX_SOURCE_DIR "/data/リストデータ");
    const QString data = dir.filePath(QStringLiteral("リストデータ"));
    ASSERT_TRUE(QDir().mkpath(data));
    for (const QString& name : QDir(shipped).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(shipped + u'/' + name, data + u'/' + name));
}

TEST(StartupExit, ShippedListsOpenAndTheExitButtonWritesThemBackUnchanged) {
    QTemporaryDir dir;
    copyShippedLists(dir);
    const QString list = dir.filePath(QStringLiteral("リストデータ/洋らんリスト.csv"));
    const QByteArray before = bytesOf(list);
    ASSERT_FALSE(before.isEmpty());

    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    FakeDialogs dialogs;
    {
        const Windows windows = Windows::create();
        ASSERT_FALSE(app::endRequested());
        windows.open->show();
        windows.index->show();
        windows.zokumei->show();
        QTimer::singleShot(0, windows.open.get(), [&] { windows.open->Button1Click(); });
        QApplication::exec();
    }
    QDir::setCurrent(previous);

    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(bytesOf(list), before);
    EXPECT_EQ(bytesOf(dir.filePath(QStringLiteral("Initial.txt"))), QByteArray("0\r\n"));
}

// Destroying the window moves the focus out of the search box while its controls go; the search box's focus
// handler once ran then on the half-destroyed window (found by UBSan).
TEST(StartupExit, WindowClosedWithTheFocusInTheSearchBox) {
    QTemporaryDir dir;
    copyShippedLists(dir);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    FakeDialogs dialogs;
    auto open = std::make_unique<TOpen>();
    open->show();
    QApplication::setActiveWindow(open.get());
    open->ComboBox1->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(open->ComboBox1->hasFocus());
    open.reset();
    QDir::setCurrent(previous);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
