// The species count per genus and its file.
#include "ListGrid.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {

class SpeciesCountView : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        writeVariety({"和名,属種名", "カトレア　ラビアタ,C. labiata", "カトレア　アルバ,C. alba",
                      "ハイブリッド,Blc. x", "カトレア　ワルケリアナ,C. walkeriana",
                      "デンドロビウム　ノビレ,Den. nobile", "カトレア　トリアネ,C. trianae"});
        start();
    }
    // The count view's data rows as "number|genus|count".
    QStringList rows() const {
        QStringList out;
        for (int r = 1; r <= window->rowCount(); ++r)
            out.append(cell(0, r) + "|" + cell(1, r) + "|" + cell(2, r));
        return out;
    }
};

TEST_F(SpeciesCountView, RunsOfEqualGenera) {
    window->StringGrid1->setCurrentCell(2, 5);
    window->N15Click();
    // the row without a full-width space is passed over; カトレア after デンドロビウム is a run of its own
    EXPECT_EQ(rows(), QStringList({"     1|カトレア|3", "     2|デンドロビウム|1", "     3|カトレア|1"}));
    EXPECT_EQ(window->table().rows(), 4);
    EXPECT_EQ(cell(0, 0), "　 番号");
    EXPECT_EQ(cell(1, 0), "　　　属名");
    EXPECT_EQ(cell(2, 0), "　　　種名の数");

    EXPECT_EQ(window->listKind(), 4);
    EXPECT_EQ(window->Label5->text(), "属別種名カウント");
    EXPECT_EQ(window->Label7->text(), "3");
    EXPECT_EQ(window->StringGrid1->Row(), 1);
    EXPECT_EQ(window->searchRow(), 1);
    EXPECT_TRUE(window->N16->isEnabled());
    EXPECT_FALSE(window->N15->isEnabled());
    EXPECT_FALSE(window->Button14->isEnabled());
    EXPECT_EQ(window->rowTexts().first(6), QByteArrayView(sj("カトレア　トリアネ")));
}

TEST_F(SpeciesCountView, CountsTheLoadTimeOrderAfterASortAndADelete) {
    dialogs.answers = {Answer::Ok};
    window->StringGrid1->setCurrentCell(1, 2);
    window->N14Click(); // カトレア　アルバ goes from the grid, the last load-time row from the count
    ASSERT_EQ(window->rowCount(), 5);
    window->Button15Click();
    ASSERT_EQ(cell(1, 1), "カトレア　トリアネ");
    window->N15Click();
    EXPECT_EQ(rows(), QStringList({"     1|カトレア|3", "     2|デンドロビウム|1"}));
}

TEST_F(SpeciesCountView, NoRowWithAFullWidthSpaceGivesAnEmptyView) {
    writeVariety({"和名,属種名", "ハイブリッド,Blc. x", "Cattleya,C. x"});
    window->N10Click();
    window->N15Click();
    EXPECT_EQ(window->rowCount(), 0);
    EXPECT_EQ(window->table().rows(), 1);
    EXPECT_EQ(window->Label7->text(), "0");
    EXPECT_EQ(cell(2, 0), "　　　種名の数");
}

TEST_F(SpeciesCountView, SaveWritesTheViewAndDisablesItself) {
    window->N15Click();
    const QString path = dir.filePath("count.csv");
    dialogs.files = {path};
    window->N16Click();
    ASSERT_EQ(dialogs.saveRequests.size(), 1);
    EXPECT_EQ(dialogs.saveRequests[0].defaultSuffix, "csv");
    EXPECT_EQ(dialogs.saveRequests[0].filter, "種名数カウントファイル(*.csv)");
    EXPECT_TRUE(dialogs.saveRequests[0].confirmOverwrite);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(fileBytes(path), crlfLines({"　番号,　　　属名,　　　種名の数", "     1,カトレア,3",
                                          "     2,デンドロビウム,1", "     3,カトレア,1"}));
    EXPECT_FALSE(window->N16->isEnabled());
    EXPECT_EQ(window->Label7->text(), "3");

    // a new count needs the variety list again
    window->N10Click();
    EXPECT_FALSE(window->N16->isEnabled());
    EXPECT_TRUE(window->N15->isEnabled());
}

TEST_F(SpeciesCountView, CancelledSaveChangesNothing) {
    window->N15Click();
    window->N16Click();
    EXPECT_EQ(dialogs.saveRequests.size(), 1);
    EXPECT_TRUE(window->N16->isEnabled());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SpeciesCountView, FailedSaveSaysSoAndCanBeTriedAgain) {
    window->N15Click();
    const QString path = dir.filePath("count.csv");
    dialogs.files = {dir.filePath("no/such/folder/count.csv"), path};
    window->N16Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].title, "ファイルエラー");
    EXPECT_EQ(dialogs.messages[0].style, StyleWarning);
    EXPECT_TRUE(dialogs.messages[0].text.contains("count.csv"));
    EXPECT_TRUE(window->N16->isEnabled());

    window->N16Click();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_FALSE(window->N16->isEnabled());
    EXPECT_EQ(fileBytes(path).count('\n'), 4);
}

} // namespace
