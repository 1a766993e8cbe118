// Start-up in a working directory, the two ways to end, and the grid's click rule.
#include "MainWindowFixture.h"
#include "Picture.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

namespace {

using StartUp = MainWindowFixture;

const QStringList kList{"和名,属種名",
                        "ア----,",
                        "アングレカム　セスキペダレ,Angcm. sesquipedale",
                        "カ----,",
                        "カトレア　ラビアタ,C. labiata",
                        "カトレア　トリアネ,C. trianae"};

TEST_F(StartUp, WithTheDataFolder) {
    writeVariety(kList);
    writeHistory("3\r\nlabiata\r\n" + sj("カトレア") + "\r\nAngcm\r\n");
    TOpen& w = start();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(app::endRequested());
    EXPECT_EQ(w.Label5->text(), QStringLiteral("洋らんリスト.csv"));
    EXPECT_EQ(w.Label7->text(), QStringLiteral("5"));
    EXPECT_EQ(w.rowCount(), 5);
    EXPECT_EQ(cell(0, 0), QStringLiteral("　 番号"));
    EXPECT_EQ(cell(1, 0), QStringLiteral("和名"));
    EXPECT_EQ(cell(0, 5), QStringLiteral("     5"));
    EXPECT_EQ(w.kanaRows()[0], 1);
    EXPECT_EQ(w.kanaRows()[5], 3);
    EXPECT_EQ(w.historyEntries(), (QList<QByteArray>{"Angcm", "labiata", sj("カトレア")}))
        << "sorted by bytes";
    EXPECT_EQ(w.ComboBox1->currentText(), QString());
    EXPECT_EQ(w.StringGrid1->Row(), 1);
    EXPECT_EQ(w.StringGrid1->Col(), 1);
    EXPECT_EQ(w.searchRow(), 1);
}

TEST_F(StartUp, WithoutTheDataFolderEndsWithoutWritingAnything) {
    TOpen& w = start();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("リストデータファイルがありません。"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("ファイルエラー"));
    EXPECT_EQ(dialogs.messages[0].style, 48);
    EXPECT_TRUE(app::endRequested());
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(StartUp, WithoutHistoryTheExitCreatesIt) {
    writeVariety(kList);
    TOpen& w = start();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(w.ComboBox1->count(), 0);
    w.Button1Click();
    EXPECT_EQ(fileBytes(historyPath()), QByteArray("0\r\n"));
}

TEST_F(StartUp, RefusedHeaderShowsNoListAndNothingIsWrittenOverIt) {
    writeData(QStringLiteral("洋らんリスト.csv"), sj("見出しにカンマなし") + "\r\na,b\r\n");
    TOpen& w = start();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("このデータファイルはVeradexには対応していません。"));
    EXPECT_FALSE(w.StringGrid1->isVisibleTo(&w));
    EXPECT_FALSE(w.listSavable());
    const QByteArray before = fileBytes(varietyPath());
    w.Button1Click();
    EXPECT_EQ(fileBytes(varietyPath()), before);
    EXPECT_TRUE(QFileInfo::exists(historyPath()));
}

TEST_F(StartUp, ExitWritesHistoryThenTheList) {
    writeVariety(kList);
    writeHistory("1\r\nlabiata\r\n");
    TOpen& w = start();
    // Both files are replaced: the history first, so its time is not later than the list's.
    w.Button1Click();
    const QFileInfo history(historyPath()), list(varietyPath());
    EXPECT_LE(history.lastModified(), list.lastModified());
    EXPECT_EQ(fileBytes(historyPath()), QByteArray("1\r\nlabiata\r\n"));
    EXPECT_EQ(fileBytes(varietyPath()), crlfLines(kList));
}

TEST_F(StartUp, ExitMenuItemDoesWhatTheButtonDoes) {
    writeVariety(kList);
    TOpen& w = start();
    w.N2->trigger();
    EXPECT_EQ(fileBytes(historyPath()), QByteArray("0\r\n"));
    EXPECT_EQ(fileBytes(varietyPath()), crlfLines(kList));
}

TEST_F(StartUp, CloseBoxWritesNothing) {
    writeVariety(kList);
    writeHistory("0\r\n");
    TOpen& w = start();
    w.show();
    const QByteArray list = fileBytes(varietyPath());
    QTemporaryDir other;
    w.close();
    EXPECT_EQ(fileBytes(varietyPath()), list);
    EXPECT_EQ(fileBytes(historyPath()), QByteArray("0\r\n"));
}

TEST_F(StartUp, FailedSaveAtExitKeepsTheApplicationOpen) {
    writeVariety(kList);
    TOpen& w = start();
    w.show();
    QFile::setPermissions(varietyPath(), QFileDevice::ReadOwner);
    const QByteArray before = fileBytes(varietyPath());
    w.Button1Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("リストデータを保存できません。"));
    EXPECT_EQ(dialogs.messages[0].style, 48);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(app::endRequested());
    EXPECT_EQ(fileBytes(varietyPath()), before);
    EXPECT_TRUE(QFileInfo::exists(historyPath())) << "the history was written first";
    QFile::setPermissions(varietyPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    w.Button1Click();
    EXPECT_FALSE(w.isVisible()) << "pressed again once the file is free";
}

TEST_F(StartUp, ClickRuleHidesTheMarks) {
    writeVariety(kList);
    TOpen& w = start();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto showMarks = [&] {
        w.Good->show();
        w.Bad->show();
    };
    auto cellCenter = [&](int col, int row) {
        return w.StringGrid1->visualRect(w.StringGrid1->model()->index(row - 1, col)).center();
    };

    showMarks();
    w.StringGrid1->setRow(1); // already the current row: nothing happens
    EXPECT_TRUE(w.Good->isVisible());

    QTest::keyClick(w.StringGrid1, Qt::Key_Down);
    EXPECT_EQ(w.StringGrid1->Row(), 2);
    EXPECT_FALSE(w.Good->isVisible());
    EXPECT_FALSE(w.Bad->isVisible());

    showMarks();
    QTest::mouseClick(w.StringGrid1->viewport(), Qt::LeftButton, {}, cellCenter(w.StringGrid1->Col(), 2));
    EXPECT_FALSE(w.Good->isVisible()) << "a click on the current cell counts too";

    showMarks();
    QWheelEvent wheel(cellCenter(1, 2), w.StringGrid1->viewport()->mapToGlobal(cellCenter(1, 2)), {},
                      {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.StringGrid1->viewport(), &wheel);
    EXPECT_EQ(w.StringGrid1->Row(), 3) << "one wheel step moves one row";
    EXPECT_FALSE(w.Good->isVisible());

    showMarks();
    QTest::mouseClick(w.StringGrid1->viewport(), Qt::RightButton, {}, cellCenter(2, 5));
    EXPECT_EQ(w.StringGrid1->Row(), 3) << "the right button leaves the current row";
    EXPECT_TRUE(w.Good->isVisible());
    w.PopupMenu2->hide();
}

TEST_F(StartUp, EditsAreEncodedAndRefusedWhenCodePage932CannotHoldThem) {
    writeVariety(kList);
    TOpen& w = start();
    auto* model = w.StringGrid1->model();
    const QModelIndex c = model->index(3, 1);
    EXPECT_TRUE(model->setData(c, QStringLiteral("カトレア　ワルケリアナ"), Qt::EditRole));
    EXPECT_EQ(w.table().cell(1, 4), sj("カトレア　ワルケリアナ"));
    EXPECT_FALSE(model->setData(c, QStringLiteral("カトレア🌸"), Qt::EditRole));
    EXPECT_EQ(w.table().cell(1, 4), sj("カトレア　ワルケリアナ")) << "the cell keeps its text";
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("🌸")));
}

TEST_F(StartUp, UndecodableBytesShowAsReplacementAndSaveUnchanged) {
    const QByteArray odd = QByteArray("\x85\x40") + sj("ラン") + QByteArray("\xFD");
    writeData(QStringLiteral("洋らんリスト.csv"), sj("和名,属種名") + "\r\n" + odd + ",x\r\n");
    TOpen& w = start();
    EXPECT_EQ(cell(1, 1), QStringLiteral("\uFFFD\uFFFDラン\uFFFD"));
    // Opening and closing an editor without a change keeps the bytes.
    auto* model = w.StringGrid1->model();
    model->setData(model->index(0, 1), model->data(model->index(0, 1), Qt::EditRole), Qt::EditRole);
    w.Button1Click();
    EXPECT_EQ(fileBytes(varietyPath()), sj("和名,属種名") + "\r\n" + odd + ",x\r\n");
}

} // namespace
