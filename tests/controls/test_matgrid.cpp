#include "Matgrid.h"

#include "Printers.h"

#include <QHeaderView>
#include <QMetaProperty>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

namespace {

QStringList verticalHeadings(const TMatGrid& grid) {
    QStringList texts;
    for (int i = 0; i < grid.rowCount(); ++i)
        texts << (grid.verticalHeaderItem(i) ? grid.verticalHeaderItem(i)->text() : QString());
    return texts;
}

QStringList horizontalHeadings(const TMatGrid& grid) {
    QStringList texts;
    for (int j = 0; j < grid.columnCount(); ++j)
        texts << (grid.horizontalHeaderItem(j) ? grid.horizontalHeaderItem(j)->text() : QString());
    return texts;
}

// The cell texts row by row.
QStringList cells(const TMatGrid& grid) {
    QStringList texts;
    for (int i = 0; i < grid.rowCount(); ++i)
        for (int j = 0; j < grid.columnCount(); ++j)
            texts << (grid.item(i, j) ? grid.item(i, j)->text() : QString());
    return texts;
}

const double kMatrix[2][3] = {{1.5, -2.25, 3.0}, {40.125, 0.0, -6.5}};

TEST(MatGrid, NewControlHasHeadingsAndItsFontAndRowHeight) {
    TMatGrid grid;
    EXPECT_TRUE(grid.elementNumber());
    EXPECT_FALSE(grid.initZero());
    EXPECT_EQ(grid.fixedColumns(), 1);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_EQ(grid.font().family(), QStringLiteral("MS Pゴシック"));
    EXPECT_EQ(grid.font().pointSize(), 10);
    EXPECT_EQ(grid.verticalHeader()->defaultSectionSize(), 18);
}

TEST(MatGrid, SettingsAreStoredWithAForm) {
    TMatGrid grid;
    for (const char* name : {"ElementNumber", "InitZero"}) {
        const int index = grid.metaObject()->indexOfProperty(name);
        ASSERT_GE(index, 0) << name;
        const QMetaProperty property = grid.metaObject()->property(index);
        EXPECT_TRUE(property.isStored()) << name;
        EXPECT_TRUE(property.isDesignable()) << name;
    }
    grid.setProperty("ElementNumber", false);
    grid.setProperty("InitZero", true);
    EXPECT_FALSE(grid.elementNumber());
    EXPECT_TRUE(grid.initZero());
}

TEST(MatGrid, ShowsAMatrixWithNumberedHeadings) {
    TMatGrid grid;
    grid.display(&kMatrix[0][0], 3, 2, 3, QStringLiteral("%7.3f"));

    EXPECT_EQ(grid.fixedColumns(), 1);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(verticalHeadings(grid), QStringList({"   1", "   2"}));
    EXPECT_EQ(horizontalHeadings(grid), QStringList({"     1", "     2", "     3"}));
    EXPECT_EQ(cells(grid), QStringList({"  1.500", " -2.250", "  3.000", " 40.125", "  0.000", " -6.500"}));
    EXPECT_EQ(grid.rowHeight(1), 18);
}

TEST(MatGrid, InitZeroNumbersFromZero) {
    TMatGrid grid;
    grid.setInitZero(true);
    grid.display(&kMatrix[0][0], 3, 2, 3, QStringLiteral("%.1f"));
    EXPECT_EQ(verticalHeadings(grid), QStringList({"   0", "   1"}));
    EXPECT_EQ(horizontalHeadings(grid), QStringList({"     0", "     1", "     2"}));
}

TEST(MatGrid, WithoutElementNumberTheMatrixStartsTopLeftWithoutHeadings) {
    TMatGrid grid;
    grid.display(&kMatrix[0][0], 3, 2, 3, QStringLiteral("%.1f")); // headings first, then switched off
    grid.setElementNumber(false);
    grid.display(&kMatrix[0][0], 3, 2, 3, QStringLiteral("%.2f"));

    EXPECT_EQ(grid.fixedColumns(), 0);
    EXPECT_EQ(grid.fixedRows(), 0);
    EXPECT_TRUE(grid.horizontalHeader()->isHidden());
    EXPECT_TRUE(grid.verticalHeader()->isHidden());
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(cells(grid), QStringList({"1.50", "-2.25", "3.00", "40.12", "0.00", "-6.50"}));
}

TEST(MatGrid, StrideLongerThanARowShowsTheLeftPartOfAWiderArray) {
    std::vector<float> wide(10);
    for (int n = 0; n < 10; ++n)
        wide[n] = float(n);
    TMatGrid grid;
    grid.Display(wide.data(), 5, 2, 3, QStringLiteral("%.0f"));
    EXPECT_EQ(cells(grid), QStringList({"0", "1", "2", "5", "6", "7"}));
}

TEST(MatGrid, FloatElementsAreWidenedToDoubleBeforeFormatting) {
    const float element = 0.1f;
    TMatGrid grid;
    grid.Display(&element, 1, 1, 1, QStringLiteral("%.10f"));
    EXPECT_EQ(grid.item(0, 0)->text(), QStringLiteral("0.1000000015"));
}

TEST(MatGrid, ALargerMatrixReplacesASmallerOneAndBack) {
    const double big[3][4] = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}};
    TMatGrid grid;
    grid.display(&kMatrix[0][0], 3, 2, 3, QStringLiteral("%.0f"));
    grid.display(&big[0][0], 4, 3, 4, QStringLiteral("%.0f"));
    EXPECT_EQ(verticalHeadings(grid), QStringList({"   1", "   2", "   3"}));
    EXPECT_EQ(horizontalHeadings(grid).size(), 4);
    EXPECT_EQ(cells(grid), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
    grid.display(&big[0][0], 4, 1, 2, QStringLiteral("%.0f"));
    EXPECT_EQ(verticalHeadings(grid), QStringList({"   1"}));
    EXPECT_EQ(cells(grid), QStringList({"1", "2"}));
}

TEST(MatGrid, ClearEmptiesTheValuesAndKeepsTheHeadings) {
    TMatGrid grid;
    grid.display(&kMatrix[0][0], 3, 2, 3, QStringLiteral("%.1f"));
    grid.Clear();
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(cells(grid), QStringList(6, QString()));
    EXPECT_EQ(verticalHeadings(grid), QStringList({"   1", "   2"}));
    EXPECT_EQ(horizontalHeadings(grid), QStringList({"     1", "     2", "     3"}));
}

TEST(MatGrid, ClearWithoutHeadingsAlsoEmptiesTheFirstRowAndColumn) {
    TMatGrid grid;
    grid.setElementNumber(false);
    grid.display(&kMatrix[0][0], 3, 2, 3, QStringLiteral("%.1f"));
    grid.Clear();
    EXPECT_EQ(cells(grid), QStringList(6, QString()));
}

} // namespace
