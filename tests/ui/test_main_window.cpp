// The main window as it opens: every control, the menus, the tab sequence.
#include "MainWindowFixture.h"
#include "Picture.h"
#include "RadioGroup.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

class MainWindowLayout : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        writeVariety({"和名,属種名", "ア----,", "アングレカム　セスキペダレ,Angcm. sesquipedale", "カ----,",
                      "カトレア　ラビアタ,C. labiata"});
        start();
    }
};

struct ControlCase {
    const char* name;
    const char* kind; // class name
    QRect geometry;
    QString caption;
    QString hint;
    bool visible = true;
};

QString captionOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return {};
}

TEST_F(MainWindowLayout, EveryControlAtItsPlace) {
    TOpen& w = *window;
    const QString hintGrid = QStringLiteral("ダブルクリック：クリップボードにコピー/右クリック：行削除");
    const std::pair<QWidget*, ControlCase> cases[] = {
        {w.Image3, {"Image3", "Picture", {16, -16, 401, 121}, {}, {}}},
        {w.Label5, {"Label5", "QLabel", {407, 11, 0, 20}, QStringLiteral("洋らんリスト.csv"), {}}},
        {w.Label7, {"Label7", "QLabel", {544, 11, 0, 20}, QStringLiteral("4"), {}}},
        {w.ComboBox1,
         {"ComboBox1", "QComboBox", {407, 36, 145, 28}, {}, QStringLiteral("検索文字（部分可）")}},
        {w.Button3,
         {"Button3",
          "QPushButton",
          {562, 38, 50, 25},
          QStringLiteral("検索"),
          QStringLiteral("検索開始/続行")}},
        {w.Label1, {"Label1", "QLabel", {409, 70, 52, 20}, QStringLiteral("検索文字"), {}}},
        {w.Good, {"Good", "Picture", {472, 69, 20, 20}, {}, {}, false}},
        {w.Bad, {"Bad", "Picture", {504, 69, 20, 20}, {}, {}, false}},
        {w.RadioGroup1,
         {"RadioGroup1",
          "RadioGroup",
          {623, 16, 233, 57},
          QStringLiteral("コピー項目"),
          QStringLiteral("クリップボードにコピーするもの")}},
        {w.CBNewLine,
         {"CBNewLine",
          "QCheckBox",
          {875, 5, 97, 17},
          QStringLiteral("終わりに改行"),
          QStringLiteral("テキストに改行コードを付けてコピー")}},
        {w.BitBtn1,
         {"BitBtn1",
          "QPushButton",
          {867, 32, 137, 25},
          QStringLiteral("五十音インデックス"),
          QStringLiteral("五十音見出し位置表示")}},
        {w.BitBtn2, {"BitBtn2", "QPushButton", {867, 64, 137, 25}, QStringLiteral("属名インデックス"), {}}},
        {w.StringGrid1, {"StringGrid1", "ListGrid", {60, 96, 909, 403}, {}, hintGrid}},
        {w.Button8,
         {"Button8",
          "QPushButton",
          {9, 136, 40, 25},
          QStringLiteral("Top"),
          QStringLiteral("リスト先頭行へ")}},
        {w.Label2, {"Label2", "QLabel", {16, 192, 26, 20}, QStringLiteral("移動"), {}}},
        {w.Image4, {"Image4", "Picture", {13, 227, 31, 30}, {}, QStringLiteral("上へ")}},
        {w.Image5, {"Image5", "Picture", {13, 275, 31, 30}, {}, QStringLiteral("下へ")}},
        {w.Button9,
         {"Button9",
          "QPushButton",
          {9, 336, 40, 25},
          QStringLiteral("Btm"),
          QStringLiteral("リスト最終行へ")}},
        {w.Button12,
         {"Button12",
          "QPushButton",
          {8, 400, 41, 25},
          QStringLiteral("和名"),
          QStringLiteral("属名を和名で表示")}},
        {w.CheckBox1,
         {"CheckBox1",
          "QCheckBox",
          {13, 440, 41, 17},
          QStringLiteral("窓"),
          QStringLiteral("検索窓から指定するとき")}},
        {w.Button10,
         {"Button10",
          "QPushButton",
          {980, 136, 40, 25},
          QStringLiteral("Top"),
          QStringLiteral("リスト先頭行へ")}},
        {w.Label4, {"Label4", "QLabel", {987, 192, 26, 20}, QStringLiteral("移動"), {}}},
        {w.Button5,
         {"Button5", "QPushButton", {984, 232, 33, 25}, QStringLiteral("▲"), QStringLiteral("15行上へ")}},
        {w.Button6,
         {"Button6", "QPushButton", {984, 272, 33, 25}, QStringLiteral("▼"), QStringLiteral("15行下へ")}},
        {w.Button11,
         {"Button11",
          "QPushButton",
          {980, 336, 40, 25},
          QStringLiteral("Btm"),
          QStringLiteral("リスト最終行へ")}},
        {w.Button13,
         {"Button13",
          "QPushButton",
          {977, 400, 41, 25},
          QStringLiteral("和名"),
          QStringLiteral("属名を和名で表示")}},
        {w.Image2, {"Image2", "Picture", {976, 456, 36, 36}, {}, QStringLiteral("インスタントヘルプ")}},
        {w.RadioGroup2,
         {"RadioGroup2",
          "RadioGroup",
          {8, 504, 113, 97},
          QStringLiteral("リスト"),
          QStringLiteral("リスト切り換え")}},
        {w.Memo1,
         {"Memo1",
          "QPlainTextEdit",
          {128, 504, 427, 65},
          {},
          QStringLiteral("コピーまたは追加されるテキスト")}},
        {w.Memo2,
         {"Memo2",
          "QPlainTextEdit",
          {560, 504, 409, 65},
          {},
          QStringLiteral("コピーまたは追加されるテキスト")}},
        {w.Label3, {"Label3", "QLabel", {128, 569, 39, 20}, QStringLiteral("メモ１"), {}}},
        {w.Label6, {"Label6", "QLabel", {568, 569, 39, 20}, QStringLiteral("メモ２"), {}}},
        {w.Button14, {"Button14", "QPushButton", {216, 576, 120, 25}, QStringLiteral("新旧属種名検索"), {}}},
        {w.Image1, {"Image1", "Picture", {376, 584, 130, 10}, {}, {}}},
        {w.Button4,
         {"Button4",
          "QPushButton",
          {656, 576, 75, 25},
          QStringLiteral("追　加"),
          QStringLiteral("上のテキストを追加")}},
        {w.Button15,
         {"Button15",
          "QPushButton",
          {752, 576, 75, 25},
          QStringLiteral("ソート"),
          QStringLiteral("和名五十音並べ替え")}},
        {w.Button7,
         {"Button7",
          "QPushButton",
          {848, 576, 75, 25},
          QStringLiteral("保　存"),
          QStringLiteral("リストデータをファイル保存")}},
        {w.Button1,
         {"Button1",
          "QPushButton",
          {944, 576, 75, 25},
          QStringLiteral("終　了"),
          QStringLiteral("プログラム終了")}},
    };
    for (const auto& [widget, c] : cases) {
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_TRUE(widget->inherits(c.kind)) << c.name;
        // Auto-sized labels keep their place and height; their width follows the text.
        const QRect g = widget->geometry();
        EXPECT_EQ(g.topLeft(), c.geometry.topLeft()) << c.name;
        if (c.geometry.width() > 0) {
            EXPECT_EQ(g.size(), c.geometry.size()) << c.name;
        }
        EXPECT_EQ(captionOf(widget), c.caption) << c.name;
        EXPECT_EQ(widget->toolTip(), c.hint) << c.name;
        EXPECT_EQ(widget->isVisibleTo(&w), c.visible) << c.name;
        EXPECT_TRUE(widget->isEnabled()) << c.name;
    }
}

TEST_F(MainWindowLayout, WindowItemsAndStates) {
    TOpen& w = *window;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("洋ラン属種名検索　Veradex"));
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(255, 230, 230));
    EXPECT_TRUE(w.font().bold());
    EXPECT_EQ(w.font().pixelSize(), 13);
    EXPECT_EQ(w.RadioGroup1->items(), (QStringList{"和名", "属種名", "両方"}));
    EXPECT_EQ(w.RadioGroup1->ItemIndex(), 2);
    EXPECT_EQ(w.RadioGroup2->items(), (QStringList{"洋らん品種名", "新旧属種名", "属名和名"}));
    EXPECT_EQ(w.RadioGroup2->ItemIndex(), 0);
    EXPECT_FALSE(w.CBNewLine->isChecked());
    EXPECT_FALSE(w.CheckBox1->isChecked());
    EXPECT_TRUE(w.ComboBox1->isEditable());
    EXPECT_EQ(w.ComboBox1->maxVisibleItems(), 20);
    EXPECT_EQ(w.ComboBox1->insertPolicy(), QComboBox::NoInsert);
    EXPECT_EQ(w.Memo1->toPlainText(),
              QStringLiteral("クリップボードにコピーされたテキストまたは追加されるテキスト\n（和名）"));
    EXPECT_EQ(w.Memo2->toPlainText(),
              QStringLiteral("クリップボードにコピーされたテキストまたは追加されるテキス\nト（属種名）"));
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.Timer1->interval(), 150);
    EXPECT_EQ(w.StringGrid1->columnWidth(0), 64);
    EXPECT_EQ(w.StringGrid1->columnWidth(1), 428);
    EXPECT_EQ(w.StringGrid1->columnWidth(2), 393);
    EXPECT_EQ(w.StringGrid1->verticalHeader()->defaultSectionSize(), 24);
    EXPECT_EQ(w.StringGrid1->horizontalHeader()->sectionResizeMode(1), QHeaderView::Fixed);
    EXPECT_EQ(w.OpenDialog1.defaultSuffix, QStringLiteral("csv"));
    EXPECT_EQ(w.OpenDialog1.filter, QStringLiteral("リストファイル(*.csv);;すべて(*.*)"));
    EXPECT_EQ(w.SaveDialog1.filter, QStringLiteral("種名数カウントファイル(*.csv)"));
    EXPECT_TRUE(w.SaveDialog1.confirmOverwrite);
}

TEST_F(MainWindowLayout, MenusAndContextMenus) {
    TOpen& w = *window;
    struct Item {
        QAction* action;
        QString caption;
        bool enabled, checkable, checked;
    };
    const Item items[] = {
        {w.N10, "洋らんリストの読み込み（既定）", true, false, false},
        {w.N11, "属種名新旧対応リストの読み込み", true, false, false},
        {w.N12, "属名和名対応リストの読み込み", true, false, false},
        {w.N9, "外部リストの読み込み", true, false, false},
        {w.N2, "終了", true, false, false},
        {w.N50ms1, "速い", true, true, false},
        {w.N100ms1, "標準", true, true, true},
        {w.N2001, "遅い", true, true, false},
        {w.N15, "属別種名カウント", true, false, false},
        {w.N16, "属別種名カウントファイル保存", false, false, false},
        {w.N5, "使い方", true, false, false},
        {w.N6, "バージョン情報", true, false, false},
        {w.N7, "この検索文字を削除する", true, false, false},
        {w.N8, "検索文字をすべて削除する", true, false, false},
        {w.N14, "この行を削除", true, false, false},
    };
    for (const Item& i : items) {
        EXPECT_EQ(i.action->text(), i.caption);
        EXPECT_EQ(i.action->isEnabled(), i.enabled) << i.caption.toStdString();
        EXPECT_EQ(i.action->isCheckable(), i.checkable) << i.caption.toStdString();
        EXPECT_EQ(i.action->isChecked(), i.checked) << i.caption.toStdString();
    }
    auto titles = [](const QList<QAction*>& actions) {
        QStringList out;
        for (QAction* a : actions)
            out.append(a->text());
        return out;
    };
    EXPECT_EQ(titles(w.MainMenu1->actions()), (QStringList{"ファイル", "編集", "ヘルプ"}));
    EXPECT_EQ(titles(w.N1->actions()),
              (QStringList{w.N10->text(), w.N11->text(), w.N12->text(), w.N9->text(), "終了"}));
    EXPECT_EQ(titles(w.N3->actions()), (QStringList{"スクロール速さ", w.N15->text(), w.N16->text()}));
    EXPECT_EQ(titles(w.N13->actions()), (QStringList{"速い", "標準", "遅い"}));
    EXPECT_EQ(titles(w.N4->actions()), (QStringList{"使い方", "バージョン情報"}));
    EXPECT_EQ(titles(w.PopupMenu1->actions()), (QStringList{w.N7->text(), w.N8->text()}));
    EXPECT_EQ(titles(w.PopupMenu2->actions()), (QStringList{"この行を削除"}));
}

TEST_F(MainWindowLayout, TabSequenceStartsAtTheExitButton) {
    TOpen& w = *window;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const QList<QWidget*> expected{w.Button1,  w.StringGrid1, w.Memo1,
                                   w.BitBtn1,  w.CBNewLine,   w.ComboBox1,
                                   w.Button3,  w.Button4,     w.RadioGroup1->button(2),
                                   w.Memo2,    w.Button5,     w.Button6,
                                   w.Button7,  w.Button8,     w.Button9,
                                   w.Button10, w.Button11,    w.RadioGroup2->button(0),
                                   w.Button12, w.Button13,    w.CheckBox1,
                                   w.Button14, w.BitBtn2,     w.Button15,
                                   w.Button1};
    auto focused = [] {
        QWidget* f = QApplication::focusWidget();
        // The editable combo box takes the focus in its text field.
        if (f && f->parentWidget() && qobject_cast<QComboBox*>(f->parentWidget()))
            return f->parentWidget();
        return f;
    };
    EXPECT_EQ(focused(), w.Button1);
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), expected[i]) << "tab stop " << i;
    }
    for (int i = int(expected.size()) - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(focused(), expected[i]) << "back tab stop " << i;
    }
}

TEST_F(MainWindowLayout, EnterRightAfterOpeningPressesExit) {
    TOpen& w = *window;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(fileBytes(historyPath()), QByteArray("0\r\n"));
}

TEST_F(MainWindowLayout, ResizingMovesNothing) {
    TOpen& w = *window;
    const QRect before = w.Button1->geometry();
    w.resize(1600, 1000);
    EXPECT_EQ(w.Button1->geometry(), before);
    EXPECT_EQ(w.StringGrid1->size(), QSize(909, 403));
}

} // namespace
