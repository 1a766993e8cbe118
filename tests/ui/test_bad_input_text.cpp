// Text typed by the user that code page 932 cannot hold: in a grid cell, the search box or a memo it is
// refused with a message naming the characters, and nothing changes, on screen or on disk.
#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>

#include <functional>

namespace {

struct Foreign {
    const char* name;
    QString text;
    QString named; // as the message names it
};

const Foreign kForeign[] = {
    {"emoji", QStringLiteral("カトレア🌸"), QStringLiteral("🌸")},
    {"outside the basic plane", QStringLiteral("𠮷野"), QStringLiteral("𠮷")},
    {"JIS X 0212 only", QStringLiteral("丂"), QStringLiteral("丂")},
    {"Latin-1 and the euro sign", QStringLiteral("Cattleya é €"), QStringLiteral("é€")},
};

class ForeignText : public MainWindowFixture {
protected:
    TOpen& startWithList() {
        writeVariety({"和名,属種名", "カトレア　ラビアタ,C. labiata", "デンドロビウム,Den. nobile"});
        writeData(QStringLiteral("属名和名対応.csv"), crlfLines({"属名,和名", "Cattleya,カトレア"}));
        writeHistory("1\r\nDen.\r\n");
        return start();
    }

    // What a refused text could have changed.
    struct State {
        QByteArray list, grid;
        int rowCount, row, col, searchRow;
        QList<QByteArray> history;
        QString memo1, memo2;
        bool operator==(const State&) const = default;
    };
    State state() const {
        const TOpen& w = *window;
        QByteArray grid;
        for (int r = 0; r < w.table().rows(); ++r)
            grid += w.table().text(1, r).toByteArray() + '|' + w.table().text(2, r).toByteArray() + '\n';
        return {fileBytes(varietyPath()), grid,          w.rowCount(),       w.StringGrid1->Row(),
                w.StringGrid1->Col(),     w.searchRow(), w.historyEntries(), w.Memo1->toPlainText(),
                w.Memo2->toPlainText()};
    }
};

TEST_F(ForeignText, IsRefusedWithAMessageAndChangesNothing) {
    struct Use {
        const char* name;
        QString message; // %1: the characters
        QString title;
        std::function<void(TOpen&, const QString&)> enter;
    };
    const Use uses[] = {
        {"grid cell",
         QStringLiteral("「%1」はリストに保存できない文字です（シフトJISにない文字）。セルは元のままです。"),
         QStringLiteral("入力エラー"),
         [](TOpen& w, const QString& text) {
             QAbstractItemModel* m = w.StringGrid1->model();
             EXPECT_FALSE(m->setData(m->index(0, 2), text, Qt::EditRole));
         }},
        {"memo of a new row",
         QStringLiteral("「%1」はリストに保存できない文字です（シフトJISにない文字）。行は追加されません。"),
         QStringLiteral("データ追加"),
         [](TOpen& w, const QString& text) {
             w.Memo2->setPlainText(text);
             w.Button4Click();
         }},
        {"search box", QStringLiteral("「%1」はシフトJISにない文字のため検索できません。"),
         QStringLiteral("入力エラー"),
         [](TOpen& w, const QString& text) {
             w.ComboBox1->setEditText(text);
             w.Button3Click();
         }},
        {"search box as a genus", QStringLiteral("「%1」はシフトJISにない文字のため属名を調べられません。"),
         QStringLiteral("入力エラー"),
         [](TOpen& w, const QString& text) {
             w.CheckBox1->setChecked(true);
             w.ComboBox1->setEditText(text);
             w.Button12Click();
         }},
    };
    for (const Use& use : uses) {
        for (const Foreign& f : kForeign) {
            SCOPED_TRACE(testing::Message() << use.name << ", " << f.name);
            TOpen& w = startWithList();
            w.Memo1->setPlainText(QStringLiteral("カトレア"));
            const State before = state();
            use.enter(w, f.text);
            ASSERT_EQ(dialogs.messages.size(), 1);
            EXPECT_EQ(dialogs.messages[0].text, use.message.arg(f.named));
            EXPECT_EQ(dialogs.messages[0].title, use.title);
            EXPECT_EQ(dialogs.messages[0].style, StyleWarning);
            State after = state();
            // The memo and the search box keep what was typed, for the user to correct.
            after.memo2 = before.memo2;
            EXPECT_TRUE(after == before);
            w.Button1Click();
            EXPECT_EQ(fileBytes(varietyPath()), before.list) << "exit saved a changed list";
            EXPECT_EQ(fileBytes(historyPath()), QByteArray("1\r\nDen.\r\n"));
            window.reset();
            dialogs.messages.clear();
            writeHistory("1\r\nDen.\r\n");
        }
    }
}

// The NEC and IBM extensions of code page 932 are characters it holds: no refusal.
TEST_F(ForeignText, ExtensionCharactersOfTheCodePageAreAccepted) {
    TOpen& w = startWithList();
    QAbstractItemModel* m = w.StringGrid1->model();
    ASSERT_TRUE(m->setData(m->index(0, 1), QStringLiteral("①髙﨑ⅰ"), Qt::EditRole));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(cell(1, 1), QStringLiteral("①髙﨑ⅰ"));
    w.Button7Click();
    EXPECT_TRUE(fileBytes(varietyPath()).contains(QByteArray("\x87\x40", 2)));
}

} // namespace
