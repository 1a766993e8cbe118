#include "GenusIndex.h"
#include "Search.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

namespace {

ListTable tableOf(const QList<QByteArray>& col1, const QList<QByteArray>& col2 = {}) {
    ListTable t;
    t.setRows(int(col1.size()) + 1);
    t.setCell(1, 0, "caption1");
    t.setCell(2, 0, "caption2");
    for (int i = 0; i < col1.size(); ++i) {
        t.setCell(1, i + 1, col1[i]);
        t.setCell(2, i + 1, i < col2.size() ? col2[i] : QByteArray());
    }
    return t;
}

TEST(FindDown, RowsAndColumns) {
    const ListTable t = tableOf({sj(u"アングレカム"), "Bc", sj(u"カトレア"), "Xy", "last"},
                                {"Angcm. sesquipedale", "Bc", "C. labiata", "C. walkeriana", "Zz"});
    struct Case {
        const char* what;
        QByteArray pattern;
        int from, rowCount;
        int row, col;
    } cases[] = {
        {"Latin A inside the katakana ア", "A", 1, 5, 1, 1},
        {"column 2 only", "labiata", 1, 5, 3, 2},
        {"both columns: column 1 wins", "Bc", 1, 5, 2, 1},
        {"starts at the start row", "C.", 4, 5, 4, 2},
        {"the last row is examined", "last", 1, 5, 5, 1},
        {"a match above the start row is not found", "labiata", 4, 5, 0, 0},
        {"the empty pattern matches the start row", "", 3, 5, 3, 1},
        {"start beyond the last row examines nothing", "", 6, 5, 0, 0},
        {"rows past the row count are not examined", "last", 1, 4, 0, 0},
        {"case-sensitive", "bc", 1, 5, 0, 0},
        {"never the header row", "caption", 0, 5, 0, 0},
    };
    for (const Case& c : cases) {
        const SearchHit hit = findDown(t, c.pattern, c.from, c.rowCount);
        EXPECT_EQ(hit.row, c.row) << c.what;
        EXPECT_EQ(hit.col, c.col) << c.what;
    }
}

TEST(GenusNames, FirstTwentyLinesWhole) {
    QByteArray text;
    for (int i = 1; i <= 25; ++i)
        text += "name" + QByteArray::number(i) + "\n";
    const GenusNames names = genusNamesOf(text);
    EXPECT_EQ(names[0], "name1");
    EXPECT_EQ(names[19], "name20");

    const QByteArray longName(300, 'x');
    const GenusNames few = genusNamesOf("a\n\n" + longName);
    EXPECT_EQ(few[0], "a");
    EXPECT_EQ(few[1], "");
    EXPECT_EQ(few[2], longName) << "a last line without a line end is read whole, however long";
    for (size_t i = 3; i < few.size(); ++i)
        EXPECT_TRUE(few[i].isEmpty()) << "rows without a line stay empty, nothing repeats: " << i;
}

TEST(GenusNames, FileInTextModeOrMissing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("属名インデックス.txt"));
    EXPECT_FALSE(readGenusIndexFile(path));
    writeRaw(path, sj(u"カトレア\r\nデンドロビウム\nパフィオ"));
    const auto names = readGenusIndexFile(path);
    ASSERT_TRUE(names);
    EXPECT_EQ((*names)[0], sj(u"カトレア"));
    EXPECT_EQ((*names)[1], sj(u"デンドロビウム"));
    EXPECT_EQ((*names)[2], sj(u"パフィオ"));
}

TEST(FindGenusRows, PrefixRuleFirstRowEmptyName) {
    const ListTable t = tableOf({sj(u"ア----"), sj(u"ミニカトレア"), sj(u"カトレア　ラビアタ"),
                                 sj(u"カトレア　ワルケリアナ"), sj(u"デンドロビウム")});
    GenusNames names;
    names[0] = sj(u"カトレア");
    names[1] = sj(u"ミニ");
    names[2] = sj(u"バンダ");
    names[3] = "";
    names[4] = sj(u"デンドロビウム　ノビル"); // longer than the text it begins
    const auto rows = findGenusRows(t, 5, names);
    EXPECT_EQ(rows[0], 3) << "not row 2, where it occurs after the first character; the lowest of 3 and 4";
    EXPECT_EQ(rows[1], 2);
    EXPECT_EQ(rows[2], 0);
    EXPECT_EQ(rows[3], 1) << "the empty name begins every text";
    EXPECT_EQ(rows[4], 0);
    for (size_t i = 5; i < rows.size(); ++i)
        EXPECT_EQ(rows[i], 1);

    EXPECT_EQ(findGenusRows(t, 0, names)[3], 0) << "no data row: no entry";
    EXPECT_EQ(findGenusRows(t, 2, names)[0], 0) << "rows past the row count are not examined";
}

} // namespace
