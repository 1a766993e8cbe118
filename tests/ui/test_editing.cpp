// Adding, deleting, sorting and saving rows of the variety list.
#include "MainWindowFixture.h"
#include "Picture.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>

namespace {

const QStringList kList{"和名,属種名",
                        "ア----,",
                        "アングレカム　セスキペダレ,Angcm. sesquipedale",
                        "カ----,",
                        "カトレア　ラビアタ,C. labiata",
                        "カトレア　トリアネ,C. trianae"};

class Editing : public MainWindowFixture {
protected:
    TOpen& startWith(const QStringList& lines = kList) {
        writeVariety(lines);
        writeData(QStringLiteral("新旧属種名対応.csv"),
                  crlfLines({"旧属種名,新属種名", "Odm. crispum,Onc. alexandrae"}));
        writeData(QStringLiteral("属名和名対応.csv"), crlfLines({"属名,和名", "Cattleya,カトレア"}));
        return start();
    }

    // Columns 1 and 2 of the data rows, each as "first|second".
    QStringList rows() const {
        QStringList out;
        for (int r = 1; r <= window->rowCount(); ++r)
            out.append(cell(1, r) + u'|' + cell(2, r));
        return out;
    }
    void expectNumbered() const {
        ASSERT_EQ(window->table().rows(), window->rowCount() + 1);
        for (int r = 1; r <= window->rowCount(); ++r)
            EXPECT_EQ(cell(0, r), QString::asprintf("%6d", r)) << r;
        EXPECT_EQ(window->Label7->text(), QString::number(window->rowCount()));
    }
    QString rowText(int row) const {
        return sjis::decode(window->rowTexts().first(row)) + u'|' +
               sjis::decode(window->rowTexts().second(row));
    }
    void addRow(const QString& memo1, const QString& memo2) {
        window->Memo1->setPlainText(memo1);
        window->Memo2->setPlainText(memo2);
        window->Button4Click();
    }
    void editCell(int col, int row, const QString& text) {
        QAbstractItemModel* m = window->StringGrid1->model();
        ASSERT_TRUE(m->setData(m->index(row - 1, col), text, Qt::EditRole));
    }
};

TEST_F(Editing, AddTakesTheFirstLineOfTextOfEachMemo) {
    const QString longName = QStringLiteral("デンドロビウム　") + QString(120, u'ア');
    struct Case {
        QString memo1, memo2, first, second;
    };
    const Case cases[] = {
        {"", "", "", ""},
        {"カトレア　ワルケリアナ\n二行目\n三行目", "C. walkeriana\nC. nobilior", "カトレア　ワルケリアナ",
         "C. walkeriana"},
        // Far wider than the memo, so it wraps on screen; it is still one line of text.
        {longName, "Den. x", longName, "Den. x"},
    };
    TOpen& w = startWith();
    w.show(); // so that the memos have their width and wrap
    const std::vector<int> kana = w.kanaRows();
    int n = w.rowCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first.toStdString());
        w.Good->show();
        addRow(c.memo1, c.memo2);
        ++n;
        EXPECT_EQ(w.rowCount(), n);
        EXPECT_EQ(cell(1, n), c.first);
        EXPECT_EQ(cell(2, n), c.second);
        EXPECT_EQ(rowText(n), c.first + u'|' + c.second);
        EXPECT_EQ(w.StringGrid1->Row(), n);
        EXPECT_EQ(w.StringGrid1->Col(), 1);
        EXPECT_TRUE(w.Good->isHidden()) << "the current cell moved";
        expectNumbered();
    }
    // The long name did wrap in the memo.
    const QTextBlock block = w.Memo1->document()->firstBlock();
    w.Memo1->document()->documentLayout()->blockBoundingRect(block);
    EXPECT_GT(block.layout()->lineCount(), 1);
    EXPECT_EQ(w.kanaRows(), kana) << "an add does not rebuild the kana index";
    EXPECT_TRUE(dialogs.messages.isEmpty());
    // The new rows stay at the end until a sort.
    addRow(QStringLiteral("ア----"), {});
    EXPECT_EQ(w.kanaRows()[0], 1);
}

TEST_F(Editing, AddRefusesTextTheListCannotHold) {
    TOpen& w = startWith();
    addRow(QStringLiteral("カトレア"), QStringLiteral("C. 한"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("「한」")));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("データ追加"));
    EXPECT_EQ(dialogs.messages[0].style, StyleWarning);
    EXPECT_EQ(w.rowCount(), 5);
    EXPECT_EQ(w.table().rows(), 6);
    EXPECT_FALSE(w.rowTexts().has(6));
}

TEST_F(Editing, AddAndSaveAreRefusedOnOtherLists) {
    struct Case {
        const char* name;
        QAction* TOpen::*item;
        int rowCount;
    };
    const Case cases[] = {
        {"old and new", &TOpen::N11, 1},
        {"genus readings", &TOpen::N12, 1},
        {"external", &TOpen::N9, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TOpen& w = startWith();
        // LF line ends, which any save would turn into CR LF.
        writeData(QStringLiteral("洋らんリスト.csv"), fileBytes(varietyPath()).replace("\r\n", "\n"));
        const QByteArray file = fileBytes(varietyPath());
        dialogs.messages.clear();
        dialogs.files = {varietyPath()};
        (w.*c.item)->trigger();
        w.Label7->setText({});
        addRow(QStringLiteral("カトレア"), QStringLiteral("C."));
        w.Button7Click();
        ASSERT_EQ(dialogs.messages.size(), 2);
        EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("このリストにデータを追加することはできません。"));
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("データ追加"));
        EXPECT_EQ(dialogs.messages[0].style, StyleWarning);
        EXPECT_EQ(dialogs.messages[1].text,
                  QStringLiteral("このリストの変更データを保存することはできません。"));
        EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("ファイル保存不可"));
        EXPECT_EQ(dialogs.messages[1].style, StylePlain);
        EXPECT_EQ(w.rowCount(), c.rowCount);
        EXPECT_EQ(w.Label7->text(), QString::number(c.rowCount)) << "shown also when refused";
        EXPECT_EQ(fileBytes(varietyPath()), file);
        window.reset();
    }
}

TEST_F(Editing, DeleteShiftsTheRowsBelowUp) {
    struct Case {
        int row;
        QStringList after;
        int currentRow;
        int kanaRowKa;
    };
    const Case cases[] = {
        {2, {"ア----|", "カ----|", "カトレア　ラビアタ|C. labiata", "カトレア　トリアネ|C. trianae"}, 2, 2},
        {5,
         {"ア----|", "アングレカム　セスキペダレ|Angcm. sesquipedale", "カ----|",
          "カトレア　ラビアタ|C. labiata"},
         4,
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        TOpen& w = startWith();
        w.StringGrid1->setCurrentCell(2, c.row);
        w.Good->show();
        w.N14->trigger();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("%1行のデータを削除しますか？").arg(c.row));
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("行データ削除"));
        EXPECT_EQ(dialogs.messages[0].style, StyleQuestionCancel);
        EXPECT_EQ(rows(), c.after);
        expectNumbered();
        EXPECT_EQ(w.StringGrid1->Row(), c.currentRow);
        EXPECT_EQ(w.StringGrid1->Col(), 2);
        // Staying on the same row is no move of the current cell; the row after the last one is.
        EXPECT_EQ(w.Good->isHidden(), c.currentRow != c.row);
        EXPECT_EQ(w.kanaRows()[5], c.kanaRowKa);
        // The copies stay at their load-time places.
        EXPECT_EQ(rowText(2), QStringLiteral("アングレカム　セスキペダレ|Angcm. sesquipedale"));
        EXPECT_EQ(rowText(5), QStringLiteral("カトレア　トリアネ|C. trianae"));
        window.reset();
        dialogs.messages.clear();
    }
}

TEST_F(Editing, DeleteWorksOnAReferenceList) {
    TOpen& w = startWith();
    writeData(QStringLiteral("新旧属種名対応.csv"), crlfLines({"旧,新", "a,b", "c,d"}));
    w.N11->trigger();
    w.StringGrid1->setRow(1);
    w.N14->trigger();
    EXPECT_EQ(rows(), QStringList{"c|d"});
    EXPECT_EQ(w.listKind(), 1);
    EXPECT_EQ(w.Label7->text(), QStringLiteral("1"));
}

TEST_F(Editing, DeleteCancelledOrWithoutARowToSpareChangesNothing) {
    struct Case {
        const char* name;
        QStringList lines;
        Answer answer;
        QString message; // the first message shown
    };
    const Case cases[] = {
        {"cancelled", kList, Answer::Cancel, QStringLiteral("1行のデータを削除しますか？")},
        {"the only row",
         {"和名,属種名", "カトレア　ラビアタ,C. labiata"},
         Answer::Ok,
         QStringLiteral("リストの最後の1行は削除できません。")},
        {"no row", {"和名,属種名"}, Answer::Ok, QStringLiteral("削除できるデータ行がありません。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TOpen& w = startWith(c.lines);
        const QStringList before = rows();
        dialogs.answers = {c.answer};
        w.N14->trigger();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, c.message);
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("行データ削除"));
        EXPECT_EQ(rows(), before);
        EXPECT_EQ(w.rowCount(), c.lines.size() - 1);
        EXPECT_EQ(w.table().rows(), c.lines.size());
        window.reset();
        dialogs.messages.clear();
    }
}

TEST_F(Editing, SortPutsColumn1InShiftJisByteOrder) {
    struct Case {
        const char* name;
        QStringList rows; // "first,second" lines
        QStringList sorted;
    };
    const Case cases[] = {
        {"already sorted",
         {"ア----,", "アングレカム,A", "カ----,", "カトレア　トリアネ,C. t", "カトレア　ラビアタ,C. l"},
         {"ア----|", "アングレカム|A", "カ----|", "カトレア　トリアネ|C. t", "カトレア　ラビアタ|C. l"}},
        {"equal keys keep their order", {"b,1", "a,x", "b,2", "b,3"}, {"a|x", "b|1", "b|2", "b|3"}},
        {"a prefix first", {"アイウ,long", "アイ,short", ",empty"}, {"|empty", "アイ|short", "アイウ|long"}},
        {"code order",
         {"キ,", "ガ,", "カ,", "ア,", "ァ,", "あ,", "ー,", "a,", "Z,", "　,"},
         {"Z|", "a|", "　|", "ー|", "あ|", "ァ|", "ア|", "カ|", "ガ|", "キ|"}},
        {"texts travel whole", {"z, x ", "y,\"q\",r", "x,"}, {"x|", "y|\"q\",r", "z| x "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TOpen& w = startWith(QStringList{"和名,属種名"} + c.rows);
        w.StringGrid1->setCurrentCell(1, 2);
        const QString firstCopy = rowText(1);
        w.Label7->setText({});
        w.Button15->click();
        EXPECT_EQ(rows(), c.sorted);
        expectNumbered();
        EXPECT_FALSE(w.StringGrid1->isHidden());
        EXPECT_EQ(w.StringGrid1->Row(), 2);
        EXPECT_EQ(rowText(1), firstCopy) << "the copies keep the load order";
        window.reset();
    }
}

TEST_F(Editing, AnAddedRowSortsIntoItsPlaceAndEveryRowIsNumberedAgain) {
    TOpen& w = startWith();
    editCell(0, 1, QStringLiteral("typed"));
    addRow(QStringLiteral("アスコセントラム　アンプラセウム"), QStringLiteral("Asctm. ampullaceum"));
    EXPECT_EQ(w.kanaRows()[5], 3);
    w.Button15->click();
    EXPECT_EQ(rows(), (QStringList{"ア----|", "アスコセントラム　アンプラセウム|Asctm. ampullaceum",
                                   "アングレカム　セスキペダレ|Angcm. sesquipedale", "カ----|",
                                   "カトレア　トリアネ|C. trianae", "カトレア　ラビアタ|C. labiata"}));
    expectNumbered();
    EXPECT_EQ(w.kanaRows()[0], 1);
    EXPECT_EQ(w.kanaRows()[5], 4) << "the kana index follows the sort";
    EXPECT_EQ(rowText(6), QStringLiteral("アスコセントラム　アンプラセウム|Asctm. ampullaceum"));
}

TEST_F(Editing, SaveWritesTheGridAndConfirms) {
    TOpen& w = startWith();
    addRow(QStringLiteral("カトレア　ワルケリアナ"), QStringLiteral("C. walkeriana"));
    w.Button15->click();
    w.Label7->setText({});
    w.Button7Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("リストデータを洋らんリスト.csvに保存しました。"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("ファイル保存"));
    EXPECT_EQ(dialogs.messages[0].style, StylePlain);
    EXPECT_EQ(w.Label7->text(), QStringLiteral("6"));
    EXPECT_EQ(fileBytes(varietyPath()),
              crlfLines({"和名,属種名", "ア----,", "アングレカム　セスキペダレ,Angcm. sesquipedale",
                         "カ----,", "カトレア　トリアネ,C. trianae", "カトレア　ラビアタ,C. labiata",
                         "カトレア　ワルケリアナ,C. walkeriana"}));
}

TEST_F(Editing, SaveWorksAgainAfterTheVarietyListIsReloaded) {
    TOpen& w = startWith();
    dialogs.files = {varietyPath()};
    w.N9->trigger();
    w.Button7Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("ファイル保存不可"));
    w.N10->trigger();
    addRow(QStringLiteral("カトレア　ワルケリアナ"), QStringLiteral("C. walkeriana"));
    w.Button7Click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("ファイル保存"));
    EXPECT_TRUE(fileBytes(varietyPath()).endsWith(sj("カトレア　ワルケリアナ,C. walkeriana\r\n")));
}

TEST_F(Editing, AFailedSaveKeepsTheApplicationAndTheEdits) {
    TOpen& w = startWith();
    addRow(QStringLiteral("カトレア　ワルケリアナ"), QStringLiteral("C. walkeriana"));
    const QStringList edited = rows();
    // A folder where the file was: the new content cannot take its place.
    ASSERT_TRUE(QFile::remove(varietyPath()));
    ASSERT_TRUE(QDir().mkdir(varietyPath()));
    w.Button7Click();
    ASSERT_EQ(dialogs.messages.size(), 1) << "no confirmation after the failure";
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("リストデータを保存できません。"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("ファイルエラー"));
    EXPECT_EQ(dialogs.messages[0].style, StyleWarning);
    EXPECT_FALSE(app::endRequested());
    EXPECT_EQ(rows(), edited);
    EXPECT_EQ(w.Label7->text(), QStringLiteral("6"));
    EXPECT_FALSE(w.StringGrid1->isHidden());

    // Once the file can be written again, the same edits are saved.
    ASSERT_TRUE(QDir().rmdir(varietyPath()));
    w.Button7Click();
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(fileBytes(varietyPath()).endsWith(sj("カトレア　ワルケリアナ,C. walkeriana\r\n")));
}

} // namespace
