// The genus index rows follow a sort of the variety list, and only a sort.
#include "MainWindowFixture.h"
#include "Uzokumei.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class EditingGenusIndex : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        writeVariety({"和名,属種名", "カ----,", "カトレア　ラビアタ,C. labiata", "ア----,",
                      "アングレカム　セスキペダレ,Angcm. sesquipedale",
                      "デンドロビウム　ノビレ,Den. nobile"});
        writeData(QStringLiteral("属名インデックス.txt"),
                  sj("カトレア\r\nアングレカム\r\nデンドロビウム\r\n"));
        start();
        zokumei = std::make_unique<TZokumei>();
        window->BitBtn2->click();
    }
    void TearDown() override {
        zokumei.reset();
        Zokumei = nullptr;
        MainWindowFixture::TearDown();
    }
    std::array<int, 3> firstRows() const {
        return {zokumei->genusRows()[0], zokumei->genusRows()[1], zokumei->genusRows()[2]};
    }

    std::unique_ptr<TZokumei> zokumei;
};

TEST_F(EditingGenusIndex, RenewedBySortNotByAddOrDelete) {
    TOpen& w = *window;
    ASSERT_EQ(firstRows(), (std::array<int, 3>{2, 4, 5}));

    w.Memo1->setPlainText(QStringLiteral("アングレカム　エブルネウム"));
    w.Button4->click();
    EXPECT_EQ(firstRows(), (std::array<int, 3>{2, 4, 5})) << "an add leaves the genus rows";

    w.Button15->click();
    // ア----, アングレカム ×2, カ----, カトレア, デンドロビウム
    EXPECT_EQ(firstRows(), (std::array<int, 3>{5, 2, 6}));

    w.StringGrid1->setRow(1);
    w.N14->trigger();
    EXPECT_EQ(firstRows(), (std::array<int, 3>{5, 2, 6})) << "a delete leaves the genus rows";
}

} // namespace
