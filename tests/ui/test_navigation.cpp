// The 15-row jumps with their pre-scroll, Top and Btm, timed scrolling with its flags and the three speeds.
#include "MainWindowFixture.h"
#include "Picture.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

namespace {

class Navigation : public MainWindowFixture {
protected:
    // A variety list of `rows` data rows named r1, r2, ...
    TOpen& startWithRows(int rows) {
        QStringList lines{QStringLiteral("和名,属種名")};
        for (int i = 1; i <= rows; ++i)
            lines << QStringLiteral("r%1,l%1").arg(i);
        writeVariety(lines);
        start();
        QObject::connect(window->StringGrid1, &ListGrid::cellClicked, window.get(),
                         [this] { visited.push_back(window->StringGrid1->Row()); });
        return *window;
    }
    // Makes `r` current and forgets the rows visited on the way.
    void goTo(int r) {
        window->StringGrid1->setRow(r);
        visited.clear();
    }
    int row() const { return window->StringGrid1->Row(); }
    bool bad() const { return window->Bad->isVisibleTo(window.get()); }

    std::vector<int> visited;
};

TEST_F(Navigation, FifteenRowsUp) {
    startWithRows(100);
    struct Case {
        int from, to;
        bool bad;
    } cases[] = {{16, 1, false}, {15, 1, true}, {1, 1, true}, {50, 35, false}};
    for (const Case& c : cases) {
        goTo(c.from);
        window->Button9Click(); // SearchRow elsewhere
        goTo(c.from);
        window->Button5->click();
        EXPECT_EQ(row(), c.to) << c.from;
        EXPECT_EQ(window->searchRow(), c.to) << c.from;
        EXPECT_EQ(bad(), c.bad) << c.from;
    }
}

TEST_F(Navigation, FifteenRowsDownWithThePreScroll) {
    startWithRows(100);
    struct Case {
        int from, to;
        std::vector<int> visited;
        int searchRow;
        bool bad;
    } cases[] = {
        {85, 100, {100}, 7, true},     // SearchRow unchanged at the end
        {84, 99, {99}, 99, false},     // 114 is past the list: no pre-scroll
        {50, 65, {80, 65}, 65, false}, // row 80 first
        {100, 100, {}, 7, true},
    };
    for (const Case& c : cases) {
        window->Button8Click();
        window->ComboBox1->setEditText(QStringLiteral("r6"));
        window->Button3Click(); // SearchRow 7
        ASSERT_EQ(window->searchRow(), 7);
        goTo(c.from);
        window->Button6->click();
        EXPECT_EQ(row(), c.to) << c.from;
        EXPECT_EQ(visited, c.visited) << c.from;
        EXPECT_EQ(window->searchRow(), c.searchRow) << c.from;
        EXPECT_EQ(bad(), c.bad) << c.from;
    }
}

TEST_F(Navigation, PreScrolledRowStandsAtTheTopOfTheView) {
    startWithRows(500);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ListGrid* grid = window->StringGrid1;
    goTo(50);
    const int before = grid->rowAt(0);
    window->BtnDownClick();
    ASSERT_EQ(row(), 65);
    EXPECT_EQ(grid->rowAt(0), 65 - 1) << "row 65 is the first visible row";
    EXPECT_GT(grid->rowAt(0), before);

    // A row already in view scrolls nothing.
    const int top = grid->rowAt(0);
    grid->setRow(67);
    EXPECT_EQ(grid->rowAt(0), top);
}

TEST_F(Navigation, TopAndBottom) {
    startWithRows(30);
    goTo(12);
    window->Button11->click();
    EXPECT_EQ(row(), 30);
    EXPECT_EQ(window->searchRow(), 30);
    window->Button3Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("最終データです。"));
    window->Button10->click();
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(window->searchRow(), 1);
    window->Button9->click();
    window->Button8->click();
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(window->StringGrid1->Col(), 1) << "the column never changes";
}

TEST_F(Navigation, ArrowStateTable) {
    startWithRows(10);
    struct Step {
        const char* action;
        bool scrollDown, downRunning, upRunning, timer;
    } steps[] = {
        {"down", true, true, false, true}, {"up", false, true, true, true},
        {"up", false, true, false, false}, {"down", true, false, false, false},
        {"down", true, true, false, true},
    };
    EXPECT_FALSE(window->scrollDown());
    EXPECT_FALSE(window->downRunning());
    EXPECT_FALSE(window->upRunning());
    EXPECT_FALSE(window->Timer1->isActive());
    int n = 0;
    for (const Step& s : steps) {
        ++n;
        if (std::string_view(s.action) == "down")
            window->Image5Click();
        else
            window->Image4Click();
        EXPECT_EQ(window->scrollDown(), s.scrollDown) << "step " << n;
        EXPECT_EQ(window->downRunning(), s.downRunning) << "step " << n;
        EXPECT_EQ(window->upRunning(), s.upRunning) << "step " << n;
        EXPECT_EQ(window->Timer1->isActive(), s.timer) << "step " << n;
    }
    window->Timer1->stop();
}

TEST_F(Navigation, TicksUntilTheLastRowThenTheMessage) {
    startWithRows(3);
    window->Image5Click();
    window->Timer1Timer();
    window->Timer1Timer();
    EXPECT_EQ(visited, (std::vector<int>{2, 3}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    window->Timer1Timer();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("これより下にデータはありません。"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("データ端"));
    EXPECT_EQ(dialogs.messages[0].style, 48);
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_TRUE(bad());
    EXPECT_EQ(row(), 3);
    EXPECT_EQ(window->searchRow(), 1) << "timed scrolling leaves SearchRow";

    // The flag is still set: the next press only clears it, the one after starts again.
    EXPECT_TRUE(window->downRunning());
    window->Image5Click();
    EXPECT_FALSE(window->Timer1->isActive());
    window->Image5Click();
    EXPECT_TRUE(window->Timer1->isActive());

    // Turning round without stopping, up to the first row.
    window->Image4Click();
    EXPECT_TRUE(window->Timer1->isActive());
    window->Timer1Timer();
    window->Timer1Timer();
    EXPECT_EQ(row(), 1);
    EXPECT_FALSE(bad()) << "the move hid the mark";
    window->Timer1Timer();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("これより上にデータはありません。"));
    EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("データ端"));
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_TRUE(bad());
    EXPECT_TRUE(window->downRunning());
    EXPECT_TRUE(window->upRunning());
}

TEST_F(Navigation, RealTicksOfTheTimer) {
    startWithRows(3);
    window->N50ms1->trigger();
    window->Image5->clicked();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !dialogs.messages.isEmpty(); }, 5000));
    EXPECT_EQ(row(), 3);
    EXPECT_FALSE(window->Timer1->isActive());
}

TEST_F(Navigation, WithoutDataRowsBothDirectionsStop) {
    writeData(QStringLiteral("洋らんリスト.csv"), "no header comma\r\n");
    start();
    dialogs.messages.clear();
    ASSERT_EQ(window->rowCount(), 0);
    window->Image4Click();
    window->Timer1Timer();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("これより上にデータはありません。"));
    window->Image5Click();
    window->Image5Click();
    window->Timer1Timer();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("これより下にデータはありません。"));
}

TEST_F(Navigation, ThreeSpeeds) {
    startWithRows(3);
    EXPECT_EQ(window->Timer1->interval(), 150);
    struct Case {
        QAction* item;
        int interval;
    } cases[] = {{window->N50ms1, 100}, {window->N2001, 300}, {window->N2001, 300}, {window->N100ms1, 150}};
    window->Image5Click();
    for (const Case& c : cases) {
        c.item->trigger();
        EXPECT_EQ(window->Timer1->interval(), c.interval);
        for (QAction* a : {window->N50ms1, window->N100ms1, window->N2001})
            EXPECT_EQ(a->isChecked(), a == c.item) << a->text().toStdString();
        EXPECT_TRUE(window->Timer1->isActive()) << "the scroll goes on";
    }
    window->Image5Click();
    window->N50ms1->trigger();
    EXPECT_FALSE(window->Timer1->isActive()) << "a stopped scroll stays stopped";
}

} // namespace
