#include "History.h"
#include "KanaIndex.h"
#include "ListFile.h"
#include "Occurs.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

namespace {

TEST(Occurs, ByteWiseSubstring) {
    struct Case {
        QByteArray pattern, text;
        bool found;
    } cases[] = {
        {"", "", true},         {"", "abc", true},       {"b", "abc", true}, {"B", "abc", false},
        {"abcd", "abc", false}, {"A", "\x83\x41", true}, // "A" inside ア: blind to character boundaries
    };
    for (const auto& c : cases)
        EXPECT_EQ(occurs(c.pattern, c.text), c.found)
            << c.pattern.toStdString() << " in " << c.text.toStdString();
}

int indexOfHead(const char16_t* head) {
    const auto& heads = kanaHeads();
    const QByteArray h = sj(head);
    return int(std::find(heads.begin(), heads.end(), h) - heads.begin());
}

ListTable tableOf(const QList<QByteArray>& col1, const QList<QByteArray>& col2 = {}) {
    ListTable t;
    t.setRows(int(col1.size()) + 1);
    for (int i = 0; i < col1.size(); ++i) {
        t.setCell(1, i + 1, col1[i]);
        t.setCell(2, i + 1, i < col2.size() ? col2[i] : QByteArray());
    }
    return t;
}

TEST(KanaIndex, HeadsAreTheSyllabaryWithSixEmptySlots) {
    const auto& heads = kanaHeads();
    ASSERT_EQ(heads.size(), 50u);
    EXPECT_EQ(heads[0], sj(u"ア"));
    EXPECT_EQ(heads[35], sj(u"ヤ"));
    EXPECT_EQ(heads[45], sj(u"ワ"));
    EXPECT_EQ(std::count(heads.begin(), heads.end(), QByteArray()), 6);
}

TEST(KanaIndex, FirstHeadingRowOfEachHead) {
    const QByteArray a = sj(u"ア"), ka = sj(u"カ"), name = sj(u"アングレカム");
    const ListTable t =
        tableOf({name, a + "-----", "x" + a + "----", ka + "----", a + "----"}, {"", "", "", "", ""});
    const auto rows = buildKanaIndex(t, 5);
    EXPECT_EQ(rows[size_t(indexOfHead(u"ア"))], 2) << "five hyphens count, the lower row wins";
    EXPECT_EQ(rows[size_t(indexOfHead(u"カ"))], 4);
    EXPECT_EQ(rows[size_t(indexOfHead(u"サ"))], 0);
    EXPECT_EQ(rows[36], 2) << "an empty head finds the first marker of any head";
}

TEST(KanaIndex, PatternInColumnTwoOnlyOrNoMarkerGivesZero) {
    const ListTable t = tableOf({"plain", "text"}, {sj(u"ア") + "----", "----"});
    for (int r : buildKanaIndex(t, 2))
        EXPECT_EQ(r, 0);
}

TEST(KanaIndex, FollowsDeletesAndIgnoresRowsPastTheCount) {
    const QByteArray a = sj(u"ア");
    ListTable t = tableOf({"x", "y", a + "----"});
    EXPECT_EQ(buildKanaIndex(t, 3)[0], 3);
    EXPECT_EQ(buildKanaIndex(t, 2)[0], 0) << "only rows 1..rowCount count";
    t.removeShiftUp(1);
    EXPECT_EQ(buildKanaIndex(t, 2)[0], 2);
}

TEST(History, ReadCases) {
    struct Case {
        const char* name;
        QByteArray raw;
        QList<QByteArray> entries;
    } cases[] = {
        {"two entries", "2\r\nabc\r\nxyz\r\n", {"abc", "xyz"}},
        {"empty entry", "3\r\n\r\na\r\nb\r\n", {"", "a", "b"}},
        {"last line without line end keeps every byte", "1\r\nabc", {"abc"}},
        {"long entry comes back whole", "1\r\n" + QByteArray(100, 'x') + "\r\n", {QByteArray(100, 'x')}},
        {"count promises more than there is", "5\r\na\r\n", {"a"}},
        {"count smaller than the lines", "1\r\na\r\nb\r\n", {"a"}},
        {"leading blanks and sign", "  +2\r\na\r\nb\r\n", {"a", "b"}},
        {"zero", "0\r\na\r\n", {}},
        {"negative", "-3\r\na\r\n", {}},
        {"no number", "abc\r\na\r\n", {}},
        {"huge count", "99999999999999999999\r\na\r\n", {"a"}},
        {"empty file", "", {}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        writeRaw(dir.filePath("Initial.txt"), c.raw);
        EXPECT_EQ(readHistoryFile(dir.filePath("Initial.txt")), c.entries) << c.name;
    }
    EXPECT_TRUE(readHistoryFile(dir.filePath("missing.txt")).isEmpty());
}

TEST(History, WriteThenReadGivesTheSameEntries) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Initial.txt");
    const QList<QByteArray> entries{"", sj(u"カトレア"), QByteArray(60, 'y'), "labiata"};
    ASSERT_TRUE(writeHistoryFile(path, entries));
    EXPECT_EQ(readRaw(path),
              "4\r\n\r\n" + sj(u"カトレア") + "\r\n" + QByteArray(60, 'y') + "\r\nlabiata\r\n");
    EXPECT_EQ(readHistoryFile(path), entries);
    ASSERT_TRUE(writeHistoryFile(path, {}));
    EXPECT_EQ(readRaw(path), QByteArray("0\r\n"));
}

} // namespace
