// The search over rows that still follow one another in the loaded text must find what a test of each cell
// finds: occurrences across a separator are none, and edited, sorted or moved rows break the runs.
#include "ListFile.h"
#include "Occurs.h"
#include "Search.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

SearchHit cellByCell(const ListTable& t, QByteArrayView pattern, int from, int rowCount) {
    for (int r = std::max(from, 1); r <= std::min(rowCount, t.rows() - 1); ++r) {
        if (occurs(pattern, t.text(1, r)))
            return {r, 1};
        if (occurs(pattern, t.text(2, r)))
            return {r, 2};
    }
    return {};
}

TEST(FindDownRuns, SameRowsAsCellByCell) {
    const QByteArray file = "h1,h2\nab,cd\nef,gh,ij\nkl\n,mn\nop,qr\r\nab,zz\n";
    struct Case {
        const char* what;
        std::function<void(ListTable&)> change;
    } cases[] = {
        {"as loaded", [](ListTable&) {}},
        {"a cell edited", [](ListTable& t) { t.setCell(1, 5, "gh"); }},
        {"sorted", [](ListTable& t) { t.sortByColumn1(6); }},
        {"a row removed", [](ListTable& t) { t.removeShiftUp(2); }},
    };
    const QByteArray patterns[] = {"",   "ab", "cd", "d\ne", "b,c",  ",ij", "gh,", "h,i", "l\n,",
                                   "\n", "mn", "qr", "zz",   "r\na", "kl",  ",",   "x",   "ab,zz"};
    for (const Case& c : cases) {
        ListTable t;
        RowTexts texts;
        ASSERT_EQ(loadListBytes(file, t, texts).rowCount, 6);
        c.change(t);
        const int rowCount = t.rows() - 1;
        for (const QByteArray& p : patterns)
            for (int from = 0; from <= rowCount + 1; ++from) {
                const SearchHit want = cellByCell(t, p, from, rowCount), got = findDown(t, p, from, rowCount);
                EXPECT_EQ(got.row, want.row) << c.what << " '" << p.constData() << "' from " << from;
                EXPECT_EQ(got.col, want.col) << c.what << " '" << p.constData() << "' from " << from;
            }
    }
}

} // namespace
