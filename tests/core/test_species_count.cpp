#include "SpeciesCount.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

RowTexts rowTexts(const std::vector<QByteArray>& firsts) {
    RowTexts t;
    for (size_t i = 0; i < firsts.size(); ++i)
        t.set(int(i + 1), firsts[i], "x");
    return t;
}

std::vector<std::pair<QByteArray, int>> runsOf(const SpeciesCount& c) {
    std::vector<std::pair<QByteArray, int>> runs;
    for (size_t i = 0; i < c.runs.size(); ++i)
        runs.emplace_back(c.genus(i).toByteArray(), c.runs[i].count);
    return runs;
}

} // namespace

TEST(SpeciesCount, Runs) {
    const QByteArray c = sj(u"カトレア"), d = sj(u"デンドロビウム");
    auto row = [](const QByteArray& genus, const char16_t* species) {
        return genus + sj(u"\u3000") + sj(species);
    };
    struct Case {
        const char* name;
        std::vector<QByteArray> firsts;
        int rowCount;
        std::vector<std::pair<QByteArray, int>> runs;
    };
    const Case cases[] = {
        {"sorted", {row(c, u"ラビアタ"), row(c, u"アルバ"), row(d, u"ノビレ")}, 3, {{c, 2}, {d, 1}}},
        {"a row without a full-width space keeps the run whole",
         {row(c, u"ア"), sj(u"カトレア・ハイブリッド"), "Cattleya", row(c, u"イ")},
         4,
         {{c, 2}}},
        {"two runs of one genus", {row(c, u"ア"), row(d, u"イ"), row(c, u"ウ")}, 3, {{c, 1}, {d, 1}, {c, 1}}},
        {"no full-width space anywhere", {"abc", sj(u"カトレア")}, 2, {}},
        {"an empty genus", {sj(u"\u3000ア"), sj(u"\u3000イ\u3000ウ")}, 2, {{"", 2}}},
        {"the key ends at the first full-width space",
         {sj(u"ア\u3000イ\u3000ウ"), sj(u"ア\u3000エ")},
         2,
         {{sj(u"ア"), 2}}},
        {"rows past the row count are not read", {row(c, u"ア"), row(c, u"イ"), row(d, u"ウ")}, 2, {{c, 2}}},
        {"no rows", {}, 0, {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(runsOf(countSpecies(rowTexts(k.firsts), k.rowCount)), k.runs);
    }
}

TEST(SpeciesCount, FileBytes) {
    ListTable table;
    table.setRows(3);
    table.setNumbered(0);
    for (int r = 1; r <= 2; ++r)
        table.setNumbered(r);
    table.setCell(1, 1, sj(u"カトレア"));
    table.setCell(2, 1, "12");
    table.setCell(1, 2, sj(u"デンドロビウム"));
    table.setCell(2, 2, "3");

    QTemporaryDir dir;
    const QString path = dir.filePath("count.csv");
    writeRaw(path, "old content that is longer than the new one");
    ASSERT_TRUE(writeSpeciesCountFile(path, table, 2));
    EXPECT_EQ(readRaw(path), sj(u"\u3000番号,\u3000\u3000\u3000属名,\u3000\u3000\u3000種名の数\r\n") +
                                 "     1," + sj(u"カトレア") + ",12\r\n" + "     2," + sj(u"デンドロビウム") +
                                 ",3\r\n");
}

TEST(SpeciesCount, ReportsAFailedWrite) {
    ListTable table;
    table.setRows(1);
    QTemporaryDir dir;
    EXPECT_FALSE(writeSpeciesCountFile(dir.filePath("missing/dir/count.csv"), table, 0));
}
