// Painting the list grid asks the model for the rows in view and no others, so that a list of a million rows
// paints, scrolls and moves its current row at the cost of a short one.
#include "ListGrid.h"
#include "ListModel.h"
#include "ListTable.h"

#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace {

class CountingModel : public ListModel {
public:
    using ListModel::ListModel;
    QVariant data(const QModelIndex& index, int role) const override {
        if (index.isValid())
            rowsAsked.insert(index.row());
        return ListModel::data(index, role);
    }
    mutable std::set<int> rowsAsked;
};

TEST(GridPaint, AsksForTheVisibleRowsOnly) {
    constexpr int kRows = 1'000'000;
    ListTable table;
    table.setRows(kRows + 1);
    for (int r : {1, 500'000, kRows})
        table.setCell(1, r, "name");
    CountingModel model(&table);
    ListGrid grid;
    grid.setModel(&model);
    grid.resize(400, 300);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    ASSERT_FALSE(model.rowsAsked.empty());
    EXPECT_LE(*model.rowsAsked.rbegin(), grid.rowAt(grid.viewport()->height() - 1)) << "the first paint";

    struct Case {
        const char* what;
        int currentRow; // grid rows count from 1
    } cases[] = {{"the top", 1}, {"the middle", 500'000}, {"the last row", kRows}, {"back to the top", 1}};
    for (const Case& c : cases) {
        model.rowsAsked.clear();
        grid.setCurrentCell(1, c.currentRow);
        grid.viewport()->repaint();
        const int top = grid.rowAt(0);
        const int bottom = grid.rowAt(grid.viewport()->height() - 1);
        const int last = bottom < 0 ? kRows - 1 : bottom;
        ASSERT_FALSE(model.rowsAsked.empty()) << c.what;
        EXPECT_GE(*model.rowsAsked.begin(), top) << c.what;
        EXPECT_LE(*model.rowsAsked.rbegin(), last) << c.what;
        EXPECT_LE(c.currentRow - 1, last) << c.what << ": the current row is in view";
        EXPECT_GE(c.currentRow - 1, top) << c.what << ": the current row is in view";
    }
}

} // namespace
