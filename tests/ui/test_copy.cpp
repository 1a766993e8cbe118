// Double-click copy: the memos and the clipboard.
#include "MainWindowFixture.h"
#include "RadioGroup.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

class Copy : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        writeVariety({"和名,属種名", "カトレア　ラビアタ,C. labiata", "名前だけ,", ",Latin only"});
        start();
    }
    QString copyRow(int row, int item, bool newLine) {
        window->StringGrid1->setRow(row);
        window->RadioGroup1->setItemIndex(item);
        window->CBNewLine->setChecked(newLine);
        window->StringGrid1DblClick();
        return QGuiApplication::clipboard()->text();
    }
};

TEST_F(Copy, EachItemWithAndWithoutLineEnd) {
    struct Case {
        int row, item;
        bool newLine;
        QString clip;
    } cases[] = {
        {1, 0, false, "カトレア　ラビアタ"},
        {1, 1, false, "C. labiata"},
        {1, 2, false, "カトレア　ラビアタ　C. labiata"},
        {1, 2, true, "カトレア　ラビアタ　C. labiata\n"},
        {2, 2, false, "名前だけ　"},
        {3, 2, false, "　Latin only"},
        {2, 1, false, ""},
        {2, 1, true, "\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(copyRow(c.row, c.item, c.newLine), c.clip) << c.row << "/" << c.item << "/" << c.newLine;
}

TEST_F(Copy, MemosAreEmptiedFirstAndShowTheEditedCells) {
    window->Memo1->setPlainText("earlier\nresults");
    auto* model = window->StringGrid1->model();
    model->setData(model->index(0, 2), QStringLiteral("C. labiata var. coerulea"), Qt::EditRole);
    EXPECT_EQ(copyRow(1, 1, false), QStringLiteral("C. labiata var. coerulea"));
    EXPECT_EQ(window->Memo1->toPlainText(), QStringLiteral("カトレア　ラビアタ"));
    EXPECT_EQ(window->Memo2->toPlainText(), QStringLiteral("C. labiata var. coerulea"));
    EXPECT_EQ(window->rowTexts().second(1), QByteArrayView("C. labiata")) << "the load-time copy is not read";
}

TEST_F(Copy, ALongNameIsCopiedWhole) {
    auto* model = window->StringGrid1->model();
    const QString longName = QString(1200, QChar(u'ラ'));
    model->setData(model->index(0, 1), longName, Qt::EditRole);
    EXPECT_EQ(copyRow(1, 2, true), longName + QStringLiteral("　C. labiata\n"));
}

TEST_F(Copy, DoubleClickOnACellCopiesItsRow) {
    TOpen& w = *window;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QPoint p = w.StringGrid1->visualRect(w.StringGrid1->model()->index(2, 2)).center();
    QTest::mouseClick(w.StringGrid1->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(w.StringGrid1->viewport(), Qt::LeftButton, {}, p);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("　Latin only"));
    for (QWidget* editor : w.StringGrid1->viewport()->findChildren<QLineEdit*>())
        EXPECT_FALSE(editor->isVisible()) << "a double-click does not start editing";
}

} // namespace
