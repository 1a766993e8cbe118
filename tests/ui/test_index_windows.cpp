// The kana index and the genus index windows: layout, the names they show and the jumps of the main grid.
#include "Forms.h"
#include "MainWindowFixture.h"
#include "Uindex.h"
#include "Uzokumei.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

namespace {

// The syllabary as the index window shows it, row by row from column 0 on the left.
const char16_t* const kSyllabary[5][10] = {
    {u"ワ", u"ラ", u"ヤ", u"マ", u"ハ", u"ナ", u"タ", u"サ", u"カ", u"ア"},
    {u"", u"リ", u"", u"ミ", u"ヒ", u"ニ", u"チ", u"シ", u"キ", u"イ"},
    {u"", u"ル", u"ユ", u"ム", u"フ", u"ヌ", u"ツ", u"ス", u"ク", u"ウ"},
    {u"", u"レ", u"", u"メ", u"ヘ", u"ネ", u"テ", u"セ", u"ケ", u"エ"},
    {u"", u"ロ", u"ヨ", u"モ", u"ホ", u"ノ", u"ト", u"ソ", u"コ", u"オ"},
};

// The next control that the Tab key reaches after `w`.
QWidget* nextTabStop(QWidget* w) {
    QWidget* n = w->nextInFocusChain();
    while (n != w && (!(n->focusPolicy() & Qt::TabFocus) || n->isWindow() ||
                      qobject_cast<QTableWidget*>(n->parentWidget()) ||
                      (n->parentWidget() && qobject_cast<QTableWidget*>(n->parentWidget()->parentWidget()))))
        n = n->nextInFocusChain();
    return n;
}

// A click on the cell followed by the double-click event, as the mouse delivers them.
void doubleClickCell(QTableWidget* grid, int row, int col) {
    const QPoint at = grid->visualRect(grid->model()->index(row, col)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &dbl);
}

class IndexWindows : public MainWindowFixture {
protected:
    void TearDown() override {
        zokumei.reset();
        index.reset();
        MainWindowFixture::TearDown();
    }
    // Starts the main window on `rows` ("col1,col2") and then the two index windows, as the application does.
    void startWith(const QStringList& rows) {
        QStringList lines{QStringLiteral("和名,属種名")};
        lines += rows;
        writeVariety(lines);
        start();
        index = std::make_unique<TIndex>();
        zokumei = std::make_unique<TZokumei>();
        QObject::connect(window->StringGrid1, &ListGrid::cellClicked, window.get(),
                         [this] { visited.push_back(window->StringGrid1->Row()); });
    }
    void writeGenusIndex(const QByteArray& bytes) {
        writeData(QStringLiteral("属名インデックス.txt"), bytes);
    }
    // Rows "d1,x" .. "d<n>,x" with the given column-1 texts put in at their rows.
    static QStringList rowsWith(int n, const std::map<int, QString>& at) {
        QStringList rows;
        for (int i = 1; i <= n; ++i)
            rows << (at.count(i) ? at.at(i) : QStringLiteral("d%1").arg(i)) + QStringLiteral(",x");
        return rows;
    }
    void kanaDoubleClick(int col, int row) {
        index->StringGrid1->setCurrentCell(row, col);
        index->StringGrid1DblClick();
    }
    void genusDoubleClick(int i) {
        zokumei->StringGrid1->setCurrentCell(i, 0);
        zokumei->StringGrid1DblClick();
    }
    void goTo(int col, int row) {
        window->StringGrid1->setCurrentCell(col, row);
        visited.clear();
        dialogs.messages.clear();
    }
    int row() const { return window->StringGrid1->Row(); }
    int col() const { return window->StringGrid1->Col(); }
    void expectNoJumpTarget() {
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("相当するジャンプ先はありません。"));
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("ジャンプ先エラー"));
        EXPECT_EQ(dialogs.messages[0].style, 32);
        EXPECT_TRUE(visited.empty());
        dialogs.messages.clear();
    }

    std::unique_ptr<TIndex> index;
    std::unique_ptr<TZokumei> zokumei;
    std::vector<int> visited;
};

TEST_F(IndexWindows, KanaIndexLayout) {
    startWith({QStringLiteral("a,x")});
    TIndex& w = *index;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("五十音インデックス"));
    EXPECT_EQ(w.size(), forms::clientSizeFor(359, 306));
    EXPECT_EQ(w.pos(), QPoint(502, 323));
    EXPECT_EQ(w.palette().color(QPalette::Window), forms::kWindowColor);
    EXPECT_EQ(w.palette().color(QPalette::WindowText), forms::kBlue);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.Label1->text(), QStringLiteral("五十音インデックス"));
    EXPECT_EQ(w.Label1->geometry(), QRect(16, 16, 117, 20));
    EXPECT_EQ(w.Label2->text(), QStringLiteral("ダブルクリックして指定"));
    EXPECT_EQ(w.Label2->geometry(), QRect(192, 16, 143, 20));
    EXPECT_EQ(w.StringGrid1->geometry(), QRect(16, 40, 315, 185));
    EXPECT_EQ(w.StringGrid1->columnCount(), 10);
    EXPECT_EQ(w.StringGrid1->rowCount(), 5);
    EXPECT_EQ(w.StringGrid1->columnWidth(0), 30);
    EXPECT_EQ(w.StringGrid1->rowHeight(0), 35);
    EXPECT_FALSE(w.StringGrid1->horizontalHeader()->isVisibleTo(&w));
    EXPECT_EQ(w.StringGrid1->font().pixelSize(), 21);
    EXPECT_FALSE(w.StringGrid1->font().bold());
    EXPECT_EQ(w.Button1->text(), QStringLiteral("閉じる"));
    EXPECT_EQ(w.Button1->geometry(), QRect(256, 232, 75, 25));
    EXPECT_EQ(nextTabStop(w.StringGrid1), w.Button1);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 10; ++c)
            EXPECT_EQ(w.StringGrid1->item(r, c)->text(), QString::fromUtf16(kSyllabary[r][c]))
                << "column " << c << " row " << r;
}

TEST_F(IndexWindows, EveryKanaCellJumpsToItsHeadingRow) {
    // A heading row for each of the 44 kana, in the order of the cells, each followed by a data row.
    QStringList rows;
    std::map<QString, int> headingRow;
    for (int c = 9; c >= 0; --c)
        for (const auto& line : kSyllabary) {
            const QString kana = QString::fromUtf16(line[c]);
            if (kana.isEmpty())
                continue;
            headingRow[kana] = int(rows.size()) + 1;
            rows << kana + QStringLiteral("----,") << QStringLiteral("%1のらん,x").arg(kana);
        }
    startWith(rows);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 10; ++c) {
            goTo(2, 40);
            kanaDoubleClick(c, r);
            const QString kana = QString::fromUtf16(kSyllabary[r][c]);
            // An empty cell finds the first row holding the marker.
            EXPECT_EQ(row(), kana.isEmpty() ? 1 : headingRow[kana]) << "column " << c << " row " << r;
            EXPECT_EQ(col(), 1);
            EXPECT_TRUE(dialogs.messages.isEmpty());
        }
    EXPECT_EQ(window->searchRow(), 1) << "the jumps leave SearchRow";
}

TEST_F(IndexWindows, KanaWithoutHeadingRowMovesNothing) {
    startWith(rowsWith(30, {{5, QStringLiteral("カトレア")}}));
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 10; ++c) {
            goTo(2, 12);
            kanaDoubleClick(c, r);
            expectNoJumpTarget();
            EXPECT_EQ(row(), 12);
            EXPECT_EQ(col(), 2);
        }
}

TEST_F(IndexWindows, KanaJumpWithAndWithoutThePreScroll) {
    for (int count : {130, 500}) {
        startWith(rowsWith(count, {{120, QStringLiteral("カ----")}}));
        goTo(2, 3);
        kanaDoubleClick(8, 0);
        EXPECT_EQ(row(), 120);
        EXPECT_EQ(col(), 1);
        ASSERT_FALSE(visited.empty());
        EXPECT_EQ(visited.front(), count == 500 ? 135 : 120) << count;
        EXPECT_EQ(visited.back(), 120);
        EXPECT_TRUE(index->isHidden()) << "shown only by its button";
        zokumei.reset();
        index.reset();
    }
}

TEST_F(IndexWindows, KanaJumpAfterARowAboveIsDeleted) {
    startWith(rowsWith(30, {{20, QStringLiteral("カ----")}}));
    goTo(1, 3);
    window->N14Click(); // answered with OK
    ASSERT_EQ(window->rowCount(), 29);
    kanaDoubleClick(8, 0);
    EXPECT_EQ(row(), 19);
}

TEST_F(IndexWindows, ShownModelesslyAndHiddenByClose) {
    startWith({QStringLiteral("a,x")});
    window->show();
    window->BitBtn1->click();
    EXPECT_TRUE(index->isVisible());
    EXPECT_TRUE(window->isVisible());
    window->BitBtn1Click();
    EXPECT_TRUE(index->isVisible());
    index->Button1->click();
    EXPECT_TRUE(index->isHidden());

    window->BitBtn2->click();
    EXPECT_TRUE(zokumei->isVisible());
    zokumei->Button1->click();
    EXPECT_TRUE(zokumei->isHidden());
}

TEST_F(IndexWindows, RealDoubleClickOnTheIndexes) {
    writeGenusIndex(crlfLines({QStringLiteral("カトレア")}));
    startWith(rowsWith(30, {{7, QStringLiteral("ア----")}, {9, QStringLiteral("カトレア")}}));
    window->show();
    window->BitBtn1Click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(index.get()));
    QTableWidget* kana = index->StringGrid1;
    doubleClickCell(kana, 0, 9);
    EXPECT_EQ(row(), 7);

    window->BitBtn2Click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(zokumei.get()));
    QTableWidget* names = zokumei->StringGrid1;
    doubleClickCell(names, 0, 0);
    EXPECT_EQ(row(), 9);
}

TEST_F(IndexWindows, GenusIndexLayout) {
    startWith({QStringLiteral("a,x")});
    TZokumei& w = *zokumei;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("属名Index"));
    EXPECT_EQ(w.size(), forms::clientSizeFor(282, 533));
    EXPECT_EQ(w.pos(), QPoint(1019, 277));
    EXPECT_EQ(w.palette().color(QPalette::WindowText), forms::kNavy);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("属名インデックス"));
    EXPECT_EQ(w.Label1->geometry(), QRect(32, 8, 104, 20));
    EXPECT_EQ(w.StringGrid1->geometry(), QRect(21, 32, 233, 425));
    EXPECT_EQ(w.StringGrid1->columnCount(), 1);
    EXPECT_EQ(w.StringGrid1->columnWidth(0), 228);
    EXPECT_EQ(w.StringGrid1->rowCount(), 20);
    EXPECT_EQ(w.StringGrid1->rowHeight(19), 20);
    EXPECT_EQ(w.Label2->text(), QStringLiteral("ﾀﾞﾌﾞﾙｸﾘｯｸして指定"));
    EXPECT_EQ(w.Label2->geometry(), QRect(40, 464, 115, 20));
    EXPECT_EQ(w.Button1->text(), QStringLiteral("閉じる"));
    EXPECT_EQ(w.Button1->geometry(), QRect(176, 464, 75, 25));
    EXPECT_EQ(nextTabStop(w.Button1), w.StringGrid1);
}

TEST_F(IndexWindows, GenusNamesFromTheFile) {
    struct Case {
        const char* what;
        QByteArray file;
        QStringList shown; // the first rows; the rest are empty
    } cases[] = {
        {"25 lines: the first 20", {}, {}},
        {"CR LF, a lone LF and a last line without a line end",
         sj(QStringLiteral("カトレア\r\nデンドロ\nバンダ")),
         {QStringLiteral("カトレア"), QStringLiteral("デンドロ"), QStringLiteral("バンダ")}},
        {"an empty line", "a\r\n\r\nb\r\n", {QStringLiteral("a"), QString(), QStringLiteral("b")}},
    };
    for (int i = 1; i <= 25; ++i) {
        cases[0].file += "g" + QByteArray::number(i) + "\r\n";
        if (i <= 20)
            cases[0].shown << QStringLiteral("g%1").arg(i);
    }
    for (const Case& c : cases) {
        writeGenusIndex(c.file);
        startWith({QStringLiteral("a,x")});
        EXPECT_TRUE(dialogs.messages.isEmpty()) << c.what;
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ(zokumei->StringGrid1->item(i, 0)->text(), i < c.shown.size() ? c.shown[i] : QString())
                << c.what << ", row " << i;
        zokumei.reset();
        index.reset();
    }
}

TEST_F(IndexWindows, GenusRowsByThePrefixRule) {
    writeGenusIndex(
        crlfLines({QStringLiteral("カトレア"), QString(), QStringLiteral("ミニ"), QStringLiteral("バンダ")}));
    startWith({QStringLiteral("ミニカトレア,x"), QStringLiteral("カトレア　ラビアタ,C. labiata"),
               QStringLiteral("カトレア　ワルケリアナ,C. walkeriana"), QStringLiteral("d4,x"),
               QStringLiteral("d5,x")});
    EXPECT_EQ(zokumei->genusRows()[0], 0) << "nothing before the window is opened";
    window->BitBtn2Click();
    const auto& rows = zokumei->genusRows();
    EXPECT_EQ(rows[0], 2) << "not row 1, where it follows the first character; the lowest of 2 and 3";
    EXPECT_EQ(rows[1], 1) << "an empty line: the first row";
    EXPECT_EQ(rows[2], 1);
    EXPECT_EQ(rows[3], 0);
    EXPECT_EQ(rows[19], 1) << "rows without a line are empty names";

    goTo(2, 5);
    genusDoubleClick(0);
    EXPECT_EQ(row(), 2);
    EXPECT_EQ(col(), 2) << "the column stays";
    goTo(2, 5);
    genusDoubleClick(3);
    expectNoJumpTarget();
    EXPECT_EQ(row(), 5);
}

TEST_F(IndexWindows, GenusJumpWithThePreScroll) {
    writeGenusIndex(crlfLines({QStringLiteral("カトレア")}));
    startWith(rowsWith(500, {{120, QStringLiteral("カトレア　ラビアタ")}}));
    window->BitBtn2Click();
    goTo(2, 3);
    genusDoubleClick(0);
    EXPECT_EQ(visited, (std::vector<int>{135, 120}));
    EXPECT_EQ(col(), 2);
    EXPECT_EQ(window->searchRow(), 1);
}

TEST_F(IndexWindows, MissingGenusIndexFile) {
    startWith(rowsWith(30, {}));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("属名インデックス.txtがみつかりません。"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("ファイルエラー"));
    EXPECT_EQ(dialogs.messages[0].style, 48);
    EXPECT_FALSE(app::endRequested()) << "the program goes on";
    window->BitBtn2Click();
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(zokumei->genusRows()[size_t(i)], 1);
        goTo(2, 10);
        genusDoubleClick(i);
        EXPECT_EQ(row(), 1);
    }
}

TEST_F(IndexWindows, StaleGenusRowsAfterDeletes) {
    writeGenusIndex(crlfLines({QStringLiteral("カトレア"), QStringLiteral("バンダ")}));
    startWith(rowsWith(30, {{20, QStringLiteral("カトレア")}, {30, QStringLiteral("バンダ")}}));
    window->BitBtn2Click();
    goTo(1, 1);
    window->N14Click(); // answered with OK; the window stays open
    ASSERT_EQ(window->rowCount(), 29);

    goTo(1, 5);
    genusDoubleClick(0);
    EXPECT_EQ(row(), 20) << "one too large until the window is opened again";
    goTo(1, 5);
    genusDoubleClick(1);
    expectNoJumpTarget();
    EXPECT_EQ(row(), 5) << "never past the last row";

    window->BitBtn2Click();
    genusDoubleClick(0);
    EXPECT_EQ(row(), 19);
    genusDoubleClick(1);
    EXPECT_EQ(row(), 29);
}

TEST_F(IndexWindows, GenusIndexOnlyOnTheVarietyList) {
    writeGenusIndex(crlfLines({QStringLiteral("a")}));
    writeData(QStringLiteral("新旧属種名対応.csv"),
              crlfLines({QStringLiteral("旧,新"), QStringLiteral("x,y"), QStringLiteral("a,b")}));
    startWith(rowsWith(10, {{4, QStringLiteral("a")}}));
    window->BitBtn2Click();
    ASSERT_EQ(zokumei->genusRows()[0], 4);
    window->N11Click();
    ASSERT_EQ(window->listKind(), 1);
    zokumei->FindGenusRows();
    EXPECT_EQ(zokumei->genusRows()[0], 4) << "the entries stay";
    goTo(1, 1);
    genusDoubleClick(0);
    EXPECT_EQ(row(), 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

} // namespace
