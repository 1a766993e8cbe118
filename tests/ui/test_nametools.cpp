// The "和名" buttons and the old-to-new name check.
#include "MainWindowFixture.h"
#include "NameTools.h"
#include "Picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString kEarlier = QStringLiteral("earlier");

class NameTools : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        writeVariety({"和名,属種名", "ブラソレリオカトレア　アルファ,Blc. Alpha Beta 'Gamma' AM",
                      "カトレア　アルバ,Cattleya alba", "レリオカトレア　ミニパープル,Lc. Mini Purple",
                      "不明　アルバ,Unknownia alba", "空,", "ソフロニティス　コクシネア,Lc. coccinea",
                      "カトレア　ワルケリアナ,C. walkeriana"});
        writeData("属名和名対応.csv",
                  crlfLines({"属名,和名", "Lc. nocomma", "Blc. Brassolaeliocattleya,ブラソレリオカトレア",
                             "Pot. Potinara (C. x Lc.),ポティナラ", "C. Cattleya,カトレア",
                             "Lc. Laeliocattleya,レリオカトレア"}));
        writeData("新旧属種名対応.csv",
                  crlfLines({"旧属種名,新属種名", "Lc. Mini Purple,Rlc. Mini Purple",
                             "Sophronitis coccinea,C. coccinea", "C. albata,C. albata var. nova",
                             "lc. walkeriana,x", "Blc. walkeriana,x"}));
        start();
        window->Memo1->setPlainText(kEarlier);
        window->Memo2->setPlainText(kEarlier);
    }
    QString memo1() const { return window->Memo1->toPlainText(); }
    QString memo2() const { return window->Memo2->toPlainText(); }
    bool good() const { return window->Good->isVisibleTo(window.get()); }
    bool bad() const { return window->Bad->isVisibleTo(window.get()); }
    void fromBox(const QString& text) {
        window->CheckBox1->setChecked(true);
        window->ComboBox1->setEditText(text);
    }
    void atCell(int col, int row) {
        window->CheckBox1->setChecked(false);
        window->StringGrid1->setCurrentCell(col, row);
    }
};

TEST_F(NameTools, ReadingOfTheGenus) {
    struct Case {
        const char* name;
        int col, row; // row 0: from the search box
        QString box;
        QString memo1, memo2;
    };
    const Case cases[] = {
        {"abbreviation of the first word", 2, 1, {}, "Blc. Brassolaeliocattleya", "ブラソレリオカトレア"},
        // C. from the lookup; the first line whose first column holds "C." anywhere wins
        {"written-out genus", 2, 2, {}, "Pot. Potinara (C. x Lc.)", "ポティナラ"},
        // the line without a comma is passed over
        {"the earliest line holding the abbreviation", 2, 3, {}, "Pot. Potinara (C. x Lc.)", "ポティナラ"},
        // a Japanese text is found in the reading column of the first line after the header
        {"Japanese text from the search box", 0, 0, "カトレア", "Blc. Brassolaeliocattleya",
         "ブラソレリオカトレア"},
        {"abbreviation alone", 0, 0, "C.", "Pot. Potinara (C. x Lc.)", "ポティナラ"},
        {"genus alone", 0, 0, "Laeliocattleya", "Pot. Potinara (C. x Lc.)", "ポティナラ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.row == 0)
            fromBox(c.box);
        else
            atCell(c.col, c.row);
        window->Button12Click();
        EXPECT_TRUE(dialogs.messages.isEmpty());
        EXPECT_EQ(memo1(), c.memo1);
        EXPECT_EQ(memo2(), c.memo2);
    }
}

TEST_F(NameTools, ReadingMessages) {
    struct Case {
        const char* name;
        int col, row;
        QString box;
        QString text, title;
    };
    const QString noAbbrev = "属名省略形がみつかりません。", noReading = "該当する和名はありません";
    const Case cases[] = {
        {"genus not in the list", 2, 4, {}, noAbbrev, "属名エラー"},
        {"empty cell", 2, 5, {}, noAbbrev, "属名エラー"},
        {"empty search box", 0, 0, "", noAbbrev, "属名エラー"},
        {"a Japanese cell with a full-width space is one unknown genus", 1, 2, {}, noAbbrev, "属名エラー"},
        {"abbreviation without a reading", 0, 0, "Xyz. abc", noReading, "属名和名変換"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.messages.clear();
        if (c.row == 0)
            fromBox(c.box);
        else
            atCell(c.col, c.row);
        window->Button12Click();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, c.text);
        EXPECT_EQ(dialogs.messages[0].title, c.title);
        EXPECT_EQ(dialogs.messages[0].style, StyleWarning);
        EXPECT_EQ(memo1(), kEarlier);
        EXPECT_EQ(memo2(), kEarlier);
    }
}

TEST_F(NameTools, ReadingUsesTheGenusListWhicheverListIsShownAndReadsItAnew) {
    window->N11Click();
    ASSERT_EQ(window->listKind(), 1);
    fromBox("Blc.");
    window->Button12Click();
    EXPECT_EQ(memo2(), "ブラソレリオカトレア");

    writeData("属名和名対応.csv",
              crlfLines({"属名,和名", "Blc. Brassolaeliocattleya,ブラソレリオカトレア属"}));
    window->Button12Click();
    EXPECT_EQ(memo2(), "ブラソレリオカトレア属");
}

TEST_F(NameTools, ReadingOfAnUnencodableSearchTextIsRefused) {
    fromBox("Blc. \U0001F33A");
    window->Button12Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].title, "入力エラー");
    EXPECT_TRUE(dialogs.messages[0].text.contains(QString("\U0001F33A")));
    EXPECT_EQ(memo1(), kEarlier);
}

TEST_F(NameTools, UnreadableGenusListNamesTheFile) {
    ASSERT_TRUE(QFile::remove(dataPath("属名和名対応.csv")));
    for (int row : {1, 2}) { // with and without the genus lookup
        dialogs.messages.clear();
        atCell(2, row);
        window->Button12Click();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].text.contains("属名和名対応.csv"));
        EXPECT_EQ(dialogs.messages[0].style, StyleWarning);
        EXPECT_EQ(memo1(), kEarlier);
        EXPECT_EQ(memo2(), kEarlier);
    }
}

TEST_F(NameTools, OldToNewCheck) {
    struct Case {
        const char* name;
        int row;
        bool found;
        QString memo1, memo2;
    };
    const Case cases[] = {
        {"species inside the old name", 3, true, "旧属種名\nLc. Mini Purple", "新属種名\nRlc. Mini Purple"},
        {"under the carried abbreviation", 6, true, "旧属種名\nSophronitis coccinea",
         "新属種名\nC. coccinea"},
        // the abbreviation C. comes from the genus-reading list; "alba" stands inside "albata"
        {"written-out genus, substring species", 2, true, "旧属種名\nC. albata",
         "新属種名\nC. albata var. nova"},
        // "lc." and "Blc." lines hold the species but not the exact abbreviation
        {"exact abbreviation", 7, false, "属種名の変更はありません。\nC. walkeriana", ""},
        {"not found", 1, false, "属種名の変更はありません。\nBlc. Alpha Beta 'Gamma' AM", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        atCell(2, c.row);
        window->Button14Click();
        EXPECT_TRUE(dialogs.messages.isEmpty());
        EXPECT_EQ(memo1(), c.memo1);
        EXPECT_EQ(memo2(), c.memo2);
        EXPECT_EQ(good(), c.found);
        EXPECT_EQ(bad(), !c.found);
    }
}

TEST_F(NameTools, OldToNewCheckWithAnEmptySpeciesTakesTheFirstLineOfTheAbbreviation) {
    window->StringGrid1->setCurrentCell(2, 1);
    auto* model = window->StringGrid1->model();
    model->setData(model->index(0, 2), QStringLiteral("Lc."), Qt::EditRole);
    window->Button14Click();
    EXPECT_EQ(memo1(), "旧属種名\nLc. Mini Purple");
    EXPECT_TRUE(good());
}

TEST_F(NameTools, OldToNewCheckWithoutAnAbbreviation) {
    atCell(2, 3);
    window->Button14Click();
    ASSERT_TRUE(good());
    EXPECT_EQ(window->nameParts()[nametools::AbbrevPart], "Lc.");
    window->Memo1->setPlainText(kEarlier);
    window->Memo2->setPlainText(kEarlier);

    for (int row : {4, 5}) { // a genus the list does not hold, right after a found one; an empty cell
        dialogs.messages.clear();
        atCell(2, row);
        window->Good->show();
        window->Button14Click();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, "対応する属名（省略形）が見つかりません。");
        EXPECT_EQ(dialogs.messages[0].title, "属名不明");
        EXPECT_EQ(dialogs.messages[0].style, StyleWarning);
        EXPECT_FALSE(good());
        EXPECT_FALSE(bad());
        EXPECT_EQ(memo1(), kEarlier);
        EXPECT_EQ(memo2(), kEarlier);
    }
}

TEST_F(NameTools, UnreadableOldNewListNamesTheFile) {
    ASSERT_TRUE(QFile::remove(dataPath("新旧属種名対応.csv")));
    atCell(2, 3);
    window->Button14Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains("新旧属種名対応.csv"));
    EXPECT_FALSE(good());
    EXPECT_FALSE(bad());
    EXPECT_EQ(memo1(), kEarlier);
}

} // namespace
