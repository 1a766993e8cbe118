// The downward search from SearchRow, its marks and messages, and the search history in the drop-down list.
#include "MainWindowFixture.h"
#include "Picture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

class Search : public MainWindowFixture {
protected:
    // Starts the main window on a list of "col1,col2" rows.
    TOpen& startWith(const QStringList& rows) {
        QStringList lines{QStringLiteral("和名,属種名")};
        lines += rows;
        writeVariety(lines);
        return start();
    }
    void search(const QString& text) {
        window->ComboBox1->setEditText(text);
        window->Button3Click();
    }
    int row() const { return window->StringGrid1->Row(); }
    int col() const { return window->StringGrid1->Col(); }
    bool good() const { return window->Good->isVisibleTo(window.get()); }
    bool bad() const { return window->Bad->isVisibleTo(window.get()); }
    QString lastMessage() const {
        return dialogs.messages.isEmpty() ? QString() : dialogs.messages.last().text;
    }
    void expectMessage(const QString& text, const QString& title) {
        ASSERT_FALSE(dialogs.messages.isEmpty());
        EXPECT_EQ(dialogs.messages.last().text, text);
        EXPECT_EQ(dialogs.messages.last().title, title);
        EXPECT_EQ(dialogs.messages.last().style, 48);
    }
    void expectNotFound() {
        expectMessage(QStringLiteral("最後まで検索しましたが見つかりません"), QStringLiteral("検索エラー"));
        EXPECT_TRUE(bad());
        EXPECT_FALSE(good());
        EXPECT_EQ(window->searchRow(), 1);
    }
};

TEST_F(Search, LatinLetterMatchesInsideKatakana) {
    // デンドロビウム holds no byte 41; ア of カトレア is 83 41.
    startWith({QStringLiteral("デンドロビウム,Den. nobile"), QStringLiteral("カトレア,C. labiata")});
    search(QStringLiteral("A"));
    EXPECT_EQ(row(), 2);
    EXPECT_EQ(col(), 1);
    EXPECT_EQ(window->searchRow(), 3);
    EXPECT_TRUE(good());
    EXPECT_FALSE(bad());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Search, ColumnOfTheMatch) {
    startWith({QStringLiteral("a,x"), QStringLiteral("b,qy"), QStringLiteral("q,q"), QStringLiteral("c,d")});
    search(QStringLiteral("y"));
    EXPECT_EQ(row(), 2);
    EXPECT_EQ(col(), 2) << "found in column 2 only";
    search(QStringLiteral("q"));
    EXPECT_EQ(row(), 3);
    EXPECT_EQ(col(), 1) << "found in both columns: column 1";
    EXPECT_EQ(window->searchRow(), 4);
}

TEST_F(Search, MatchInTheLastRowAndTheSearchesAfterIt) {
    startWith({QStringLiteral("a,x"), QStringLiteral("b,y"), QStringLiteral("c,zz")});
    search(QStringLiteral("zz"));
    EXPECT_EQ(row(), 3);
    EXPECT_EQ(col(), 2);
    EXPECT_EQ(window->searchRow(), 4);
    EXPECT_TRUE(good());

    // Still on the last row.
    window->Button3Click();
    expectMessage(QStringLiteral("最終データです。"), QStringLiteral("最終データ"));
    EXPECT_FALSE(good()) << "the marks are hidden before the message";
    EXPECT_EQ(window->searchRow(), 4);

    // From the search box: row 1 on leaving it, and no row left to examine.
    window->ComboBox1Exit();
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(col(), 2) << "leaving the box keeps the column";
    window->Button3Click();
    expectNotFound();
    EXPECT_EQ(row(), 1);

    window->Button3Click();
    EXPECT_EQ(row(), 3) << "the next search starts at the top again";
}

TEST_F(Search, StartRowBeyondTheMatch) {
    startWith({QStringLiteral("a,x"), QStringLiteral("b,y"), QStringLiteral("only,y"),
               QStringLiteral("d,four"), QStringLiteral("e,y"), QStringLiteral("f,y")});
    search(QStringLiteral("four"));
    ASSERT_EQ(window->searchRow(), 5);
    search(QStringLiteral("only"));
    expectNotFound();
    EXPECT_EQ(row(), 4) << "nothing moves without a match";
    window->Button3Click();
    EXPECT_EQ(row(), 3);
    EXPECT_TRUE(good());
}

TEST_F(Search, EmptyPatternMatchesTheStartRowAndIsRememberedOnce) {
    startWith({QStringLiteral("a,x"), QStringLiteral("b,y"), QStringLiteral("c,z")});
    search({});
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(col(), 1);
    EXPECT_EQ(window->searchRow(), 2);
    search({});
    EXPECT_EQ(row(), 2);
    EXPECT_EQ(window->historyEntries(), QList<QByteArray>{QByteArray()});
}

TEST_F(Search, SingleRowListFromTheSearchBox) {
    startWith({QStringLiteral("a,x")});
    window->ComboBox1Exit();
    search(QStringLiteral("a"));
    expectMessage(QStringLiteral("最終データです。"), QStringLiteral("最終データ"));
    EXPECT_FALSE(good());
    EXPECT_EQ(window->searchRow(), 1);
}

TEST_F(Search, MovingTheCurrentCellHidesTheMarks) {
    startWith({QStringLiteral("a,x"), QStringLiteral("b,y"), QStringLiteral("c,z")});
    search(QStringLiteral("b"));
    ASSERT_TRUE(good());
    window->StringGrid1->setRow(1);
    EXPECT_FALSE(good());
    search(QStringLiteral("nothing"));
    ASSERT_TRUE(bad());
    window->StringGrid1->setRow(2);
    EXPECT_FALSE(bad());
}

TEST_F(Search, LeavingTheSearchBoxForAnotherControlGoesToRowOne) {
    startWith({QStringLiteral("a,x"), QStringLiteral("b,y"), QStringLiteral("c,z")});
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->StringGrid1->setRow(3);
    window->ComboBox1->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(row(), 3);
    window->Button3->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(window->searchRow(), 1);
}

TEST_F(Search, EnterInTheSearchBoxNeitherSearchesNorRemembers) {
    startWith({QStringLiteral("a,x"), QStringLiteral("b,y"), QStringLiteral("c,z")});
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->ComboBox1->setFocus();
    window->ComboBox1->setEditText(QStringLiteral("b"));
    QTest::keyClick(window->ComboBox1->lineEdit(), Qt::Key_Return);
    QTest::keyClick(window->ComboBox1->lineEdit(), Qt::Key_Enter);
    EXPECT_TRUE(window->historyEntries().isEmpty());
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(window->searchRow(), 1);
    EXPECT_FALSE(good());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Search, TextOutsideShiftJisIsRefused) {
    startWith({QStringLiteral("a,x"), QStringLiteral("b,y")});
    search(QStringLiteral("a😀"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("😀")));
    EXPECT_EQ(dialogs.messages[0].style, 48);
    EXPECT_TRUE(window->historyEntries().isEmpty());
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(window->searchRow(), 1);
    EXPECT_EQ(window->ComboBox1->currentText(), QStringLiteral("a😀")) << "the text stays for correcting";
}

TEST_F(Search, HistorySortedWithoutDuplicatesCaseSensitive) {
    writeHistory(crlfLines({QStringLiteral("2"), QStringLiteral("b"), QStringLiteral("d")}));
    startWith({QStringLiteral("a,x"), QStringLiteral("b,y"), QStringLiteral("c,z")});
    for (const QString& text : {QStringLiteral("c"), QStringLiteral("c"), QStringLiteral("C"),
                                QStringLiteral("b"), QStringLiteral("カ"), QStringLiteral("a")})
        search(text);
    const QList<QByteArray> expected{"C", "a", "b", "c", "d", sj(QStringLiteral("カ"))};
    EXPECT_EQ(window->historyEntries(), expected);
    EXPECT_EQ(window->ComboBox1->currentText(), QStringLiteral("a")) << "adding keeps the text in the box";
}

TEST_F(Search, DeletingHistoryEntries) {
    writeHistory(
        crlfLines({QStringLiteral("3"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    startWith({QStringLiteral("a,x")});
    const QByteArray before = fileBytes(historyPath());

    // Nothing chosen: the typed text is no selected entry.
    window->ComboBox1->setEditText(QStringLiteral("b"));
    window->N7Click();
    EXPECT_EQ(window->historyEntries().size(), 3);

    window->ComboBox1->setCurrentIndex(1);
    window->N7->trigger();
    EXPECT_EQ(window->historyEntries(), (QList<QByteArray>{"a", "c"}));
    EXPECT_EQ(window->ComboBox1->currentText(), QStringLiteral("b"));
    window->N7Click();
    EXPECT_EQ(window->historyEntries().size(), 2) << "the deleted entry is no longer selected";

    window->ComboBox1->setEditText(QStringLiteral("typed"));
    window->N8->trigger();
    EXPECT_TRUE(window->historyEntries().isEmpty());
    EXPECT_EQ(window->ComboBox1->currentText(), QStringLiteral("typed"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(fileBytes(historyPath()), before) << "the file follows only at the exit";
}

TEST_F(Search, ChosenEntrySearchesItsOwnBytes) {
    // 85 40 stands for no character of code page 932, so the box shows a replacement character.
    const QByteArray odd("\x85\x40");
    writeHistory("1\r\n" + odd + "\r\n");
    writeData(QStringLiteral("洋らんリスト.csv"), "h1,h2\r\na,x\r\nb," + odd + "\r\n");
    start();
    window->ComboBox1->setCurrentIndex(0);
    window->Button3Click();
    EXPECT_EQ(row(), 2);
    EXPECT_EQ(col(), 2);
    EXPECT_EQ(window->historyEntries(), QList<QByteArray>{odd});
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

} // namespace
