// Switching between the variety list, the two reference lists and an external list, by menu and by radio.
#include "MainWindowFixture.h"
#include "RadioGroup.h"
#include "Uindex.h"
#include "Uzokumei.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QStringList kCopyVariety{"和名", "属種名", "両方"};
const QStringList kCopyOldNew{"旧属種名", "新属種名", "両方"};
const QStringList kCopyGenus{"属名", "和名", "両方"};

class Switching : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        // LF line ends: a save would turn them into CR LF, so unchanged bytes prove that nothing was written.
        writeData(QStringLiteral("洋らんリスト.csv"),
                  sj("和名,属種名\nア----,\nアングレカム　セスキペダレ,Angcm. sesquipedale\nカ----,\n"
                     "カトレア　ラビアタ,C. labiata\n"));
        writeData(QStringLiteral("新旧属種名対応.csv"),
                  sj("旧属種名,新属種名\nOdm. crispum,Onc. alexandrae\n"));
        writeData(QStringLiteral("属名和名対応.csv"),
                  sj("属名,和名\nア----,\nCattleya,カトレア\nDendrobium,デンドロビウム\n"));
        writeData(QStringLiteral("属名インデックス.txt"), sj("カトレア\r\nデンドロビウム\r\n"));
        QFile f(externalPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("A,B\nx,y\nz,w\n");
    }
    void TearDown() override {
        // The index windows are created per test; the globals must not outlive them.
        zokumei.reset();
        index.reset();
        Index = nullptr;
        Zokumei = nullptr;
        MainWindowFixture::TearDown();
    }

    QString externalPath() const { return dir.filePath(QStringLiteral("外部.csv")); }

    // The main window with both index windows open.
    TOpen& startWithIndexWindows() {
        TOpen& w = start();
        index = std::make_unique<TIndex>();
        zokumei = std::make_unique<TZokumei>();
        showIndexWindows();
        return w;
    }
    void showIndexWindows() {
        index->show();
        zokumei->show();
    }
    bool indexWindowsShown() const { return !index->isHidden() && !zokumei->isHidden(); }
    bool indexWindowsHidden() const { return index->isHidden() && zokumei->isHidden(); }

    // The seven list tools, each true when enabled.
    std::vector<bool> tools() const {
        TOpen& w = *window;
        return {w.Button14->isEnabled(), w.Button15->isEnabled(), w.Button4->isEnabled(),
                w.Button7->isEnabled(),  w.BitBtn1->isEnabled(),  w.BitBtn2->isEnabled(),
                w.N15->isEnabled()};
    }
    static std::vector<bool> all(bool enabled) { return std::vector<bool>(7, enabled); }

    void clickRadio(int item) { window->RadioGroup2->button(item)->click(); }

    std::unique_ptr<TIndex> index;
    std::unique_ptr<TZokumei> zokumei;
};

TEST_F(Switching, RadioItemsSwitchListToolsAndCopyItems) {
    struct Case {
        int item;
        QString header1;
        QString label5;
        int rowCount;
        int kanaRowA; // the kana index is rebuilt for each list
        QStringList copyItems;
        bool tools;
    };
    const Case cases[] = {
        {1, "旧属種名", "新旧属種名対応.csv", 1, 0, kCopyOldNew, false},
        {2, "属名", "属名和名対応.csv", 3, 1, kCopyGenus, false},
        {0, "和名", "洋らんリスト.csv", 4, 1, kCopyVariety, true},
    };
    TOpen& w = startWithIndexWindows();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        showIndexWindows();
        w.N16->setEnabled(true);
        w.RadioGroup1->setItemIndex(0);
        clickRadio(c.item);
        EXPECT_EQ(w.listKind(), c.item);
        EXPECT_FALSE(w.externalList());
        EXPECT_EQ(cell(1, 0), c.header1);
        EXPECT_EQ(w.Label5->text(), c.label5);
        EXPECT_EQ(w.rowCount(), c.rowCount);
        EXPECT_EQ(w.Label7->text(), QString::number(c.rowCount));
        EXPECT_EQ(w.kanaRows()[0], c.kanaRowA);
        EXPECT_EQ(tools(), all(c.tools));
        EXPECT_EQ(c.tools ? indexWindowsShown() : indexWindowsHidden(), true) << "closed only for 1 and 2";
        EXPECT_FALSE(w.N16->isEnabled());
        EXPECT_EQ(w.RadioGroup1->items(), c.copyItems);
        EXPECT_EQ(w.RadioGroup1->ItemIndex(), 2);
        EXPECT_EQ(w.RadioGroup2->ItemIndex(), c.item);
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Switching, MenuItemsKeepCopyItemsAndRadioSelection) {
    struct Case {
        QAction* TOpen::*item;
        int kind;
        QString header1;
        bool tools;
    };
    const Case cases[] = {
        {&TOpen::N11, 1, "旧属種名", false},
        {&TOpen::N12, 2, "属名", false},
        {&TOpen::N10, 0, "和名", true},
    };
    TOpen& w = startWithIndexWindows();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        showIndexWindows();
        w.N16->setEnabled(true);
        w.RadioGroup1->setItemIndex(0);
        (w.*c.item)->trigger();
        EXPECT_EQ(w.listKind(), c.kind);
        EXPECT_FALSE(w.externalList());
        EXPECT_EQ(cell(1, 0), c.header1);
        EXPECT_EQ(tools(), all(c.tools));
        EXPECT_EQ(c.tools ? indexWindowsShown() : indexWindowsHidden(), true);
        EXPECT_FALSE(w.N16->isEnabled());
        EXPECT_EQ(w.RadioGroup1->items(), kCopyVariety);
        EXPECT_EQ(w.RadioGroup1->ItemIndex(), 0);
        EXPECT_EQ(w.RadioGroup2->ItemIndex(), 0);
    }
}

TEST_F(Switching, TheRadioItemStillSelectedAfterAMenuSwitchDoesNothing) {
    TOpen& w = start();
    w.N12->trigger();
    clickRadio(0);
    EXPECT_EQ(w.listKind(), 2);
    EXPECT_EQ(cell(1, 0), QStringLiteral("属名"));
    EXPECT_EQ(w.RadioGroup1->items(), kCopyVariety);

    clickRadio(1);
    clickRadio(0);
    EXPECT_EQ(w.listKind(), 0);
    EXPECT_EQ(cell(1, 0), QStringLiteral("和名"));
    EXPECT_EQ(tools(), all(true));
    EXPECT_EQ(w.RadioGroup1->items(), kCopyVariety);
}

TEST_F(Switching, ReloadingTheVarietyListDropsUnsavedEdits) {
    TOpen& w = start();
    w.Button4Click();
    ASSERT_EQ(w.rowCount(), 5);
    w.N10->trigger();
    EXPECT_EQ(w.rowCount(), 4);
    EXPECT_EQ(w.Label7->text(), QStringLiteral("4"));
}

TEST_F(Switching, ExternalListKeepsKindToolsAndCopyItems) {
    TOpen& w = startWithIndexWindows();
    w.RadioGroup1->setItemIndex(0);
    dialogs.files = {externalPath()};
    w.N9->trigger();
    ASSERT_EQ(dialogs.openRequests.size(), 1);
    EXPECT_EQ(dialogs.openRequests[0].defaultSuffix, QStringLiteral("csv"));
    EXPECT_EQ(dialogs.openRequests[0].filter, QStringLiteral("リストファイル(*.csv);;すべて(*.*)"));
    EXPECT_TRUE(w.externalList());
    EXPECT_EQ(w.listKind(), 0);
    EXPECT_EQ(w.listPath(), externalPath());
    EXPECT_EQ(w.Label5->text(), QStringLiteral("外部.csv"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("z"));
    EXPECT_EQ(w.rowCount(), 2);
    EXPECT_EQ(w.kanaRows()[0], 0) << "the kana index follows the external list";
    EXPECT_EQ(tools(), all(true));
    EXPECT_TRUE(indexWindowsShown());
    EXPECT_EQ(w.RadioGroup1->ItemIndex(), 0);

    // Chosen while a reference list is shown, the tools stay disabled and the kind stays.
    w.N11->trigger();
    dialogs.files = {externalPath()};
    w.N9->trigger();
    EXPECT_EQ(w.listKind(), 1);
    EXPECT_TRUE(w.externalList());
    EXPECT_EQ(cell(1, 0), QStringLiteral("A"));
    EXPECT_EQ(tools(), all(false));
}

TEST_F(Switching, CancelledDialogLoadsTheKindsOwnFileAsAnExternalList) {
    TOpen& w = start();
    w.N12->trigger();
    w.N9->trigger();
    EXPECT_EQ(dialogs.openRequests.size(), 1);
    EXPECT_TRUE(w.externalList());
    EXPECT_EQ(w.listKind(), 2);
    EXPECT_EQ(cell(1, 2), QStringLiteral("Cattleya"));
    EXPECT_FALSE(app::endRequested());

    // From the variety list: the same file, but adding and saving refuse.
    w.N10->trigger();
    w.N9->trigger();
    EXPECT_TRUE(w.externalList());
    EXPECT_EQ(w.listPath(), varietyPath());
    EXPECT_EQ(w.rowCount(), 4);
    w.Button4Click();
    w.Button7Click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("このリストにデータを追加することはできません。"));
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("このリストの変更データを保存することはできません。"));
    EXPECT_EQ(w.rowCount(), 4);
}

TEST_F(Switching, ExitWritesOnlyTheHistoryUnlessTheVarietyListIsShownFromItsOwnFile) {
    const QByteArray variety = fileBytes(varietyPath());
    const QByteArray external = fileBytes(externalPath());
    struct Case {
        const char* name;
        QAction* TOpen::*item;
        std::optional<QString> file; // for the external list
    };
    const Case cases[] = {
        {"old and new", &TOpen::N11, {}},
        {"genus readings", &TOpen::N12, {}},
        {"external", &TOpen::N9, externalPath()},
        {"external, cancelled", &TOpen::N9, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(historyPath());
        TOpen& w = start();
        dialogs.files = {c.file};
        (w.*c.item)->trigger();
        w.Button1Click();
        EXPECT_TRUE(QFile::exists(historyPath()));
        EXPECT_EQ(fileBytes(varietyPath()), variety);
        EXPECT_EQ(fileBytes(externalPath()), external);
        window.reset();
    }
    // The variety list from its own file is written back, with CR LF.
    TOpen& w = start();
    w.Button1Click();
    EXPECT_EQ(fileBytes(varietyPath()), QByteArray(variety).replace("\n", "\r\n"));
}

TEST_F(Switching, AMissingFileStopsTheSwitch) {
    QFile::remove(dataPath(QStringLiteral("新旧属種名対応.csv")));
    TOpen& w = start();
    w.RadioGroup1->setItemIndex(0);
    clickRadio(1);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("リストデータファイルがありません。"));
    EXPECT_TRUE(app::endRequested());
    EXPECT_EQ(tools(), all(true));
    EXPECT_EQ(w.RadioGroup1->items(), kCopyVariety);
    EXPECT_EQ(w.RadioGroup1->ItemIndex(), 0);
}

TEST_F(Switching, ARefusedFileStillSetsToolsAndCopyItems) {
    writeData(QStringLiteral("属名和名対応.csv"), "no comma\n");
    TOpen& w = start();
    clickRadio(2);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("このデータファイルはVeradexには対応していません。"));
    EXPECT_FALSE(app::endRequested());
    EXPECT_TRUE(w.StringGrid1->isHidden());
    EXPECT_EQ(tools(), all(false));
    EXPECT_EQ(w.RadioGroup1->items(), kCopyGenus);
}

class AfterSpeciesCount : public Switching {
protected:
    TOpen& startCounted() {
        TOpen& w = start();
        w.N15->trigger();
        EXPECT_EQ(w.listKind(), 4);
        return w;
    }
};

TEST_F(AfterSpeciesCount, ExternalListKeepsKind4AndN16) {
    TOpen& w = startCounted();
    ASSERT_TRUE(w.N16->isEnabled());
    dialogs.files = {externalPath()};
    w.N9->trigger();
    EXPECT_EQ(w.listKind(), 4);
    EXPECT_TRUE(w.externalList());
    EXPECT_EQ(cell(1, 1), QStringLiteral("x"));
    EXPECT_TRUE(w.N16->isEnabled());
    EXPECT_EQ(tools(), all(false));
}

TEST_F(AfterSpeciesCount, CancelledDialogLeavesTheCountShown) {
    TOpen& w = startCounted();
    const int rows = w.rowCount();
    const QString label5 = w.Label5->text();
    const QString genus = cell(1, 1);
    const int messages = int(dialogs.messages.size());
    w.N9->trigger();
    EXPECT_EQ(dialogs.openRequests.size(), 1);
    EXPECT_EQ(dialogs.messages.size(), messages);
    EXPECT_FALSE(app::endRequested());
    EXPECT_FALSE(w.externalList());
    EXPECT_EQ(w.listKind(), 4);
    EXPECT_EQ(w.rowCount(), rows);
    EXPECT_EQ(cell(1, 1), genus);
    EXPECT_EQ(w.Label5->text(), label5);
    EXPECT_FALSE(w.StringGrid1->isHidden());
    EXPECT_TRUE(w.N16->isEnabled());
}

TEST_F(AfterSpeciesCount, AddSaveAndExitLeaveTheCountAlone) {
    TOpen& w = startCounted();
    const QByteArray variety = fileBytes(varietyPath());
    const int rows = w.rowCount();
    dialogs.messages.clear();
    w.Button4Click();
    w.Button7Click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("このリストにデータを追加することはできません。"));
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("このリストの変更データを保存することはできません。"));
    EXPECT_EQ(w.rowCount(), rows);
    w.Button1Click();
    EXPECT_TRUE(QFile::exists(historyPath()));
    EXPECT_EQ(fileBytes(varietyPath()), variety);
}
} // namespace
