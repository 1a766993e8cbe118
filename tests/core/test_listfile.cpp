#include "DataPaths.h"
#include "ListFile.h"
#include "TestUtil.h"
#include "Texts.h"

#include <gtest/gtest.h>

namespace {

struct Loaded {
    LoadResult result;
    ListTable table;
    RowTexts texts;
};

Loaded load(const QByteArray& raw) {
    QTemporaryDir dir;
    const QString path = dir.filePath("list.csv");
    writeRaw(path, raw);
    Loaded l;
    l.result = loadListFile(path, l.table, l.texts);
    return l;
}

// Rows as "col0|col1|col2" for compact expectations.
QList<QByteArray> rowsOf(const ListTable& t) {
    QList<QByteArray> rows;
    for (int r = 0; r < t.rows(); ++r)
        rows.append(t.cell(0, r) + '|' + t.cell(1, r) + '|' + t.cell(2, r));
    return rows;
}

QByteArray headerRow(const QByteArray& fields) {
    return texts::headerNumber() + '|' + fields;
}

TEST(ListFile, LoadCases) {
    struct Case {
        const char* name;
        QByteArray raw;
        QList<QByteArray> rows; // data rows as "col1|col2"
    } cases[] = {
        {"crlf with final line end", "H1,H2\r\na,b\r\nc,d\r\n", {"a|b", "c|d"}},
        {"lf without final line end", "H1,H2\na,b\nc,d", {"a|b", "c|d"}},
        {"empty last line is a row", "H1,H2\na,b\n\n", {"a|b", "|"}},
        {"line without a comma", "H1,H2\nwhole line\n", {"whole line|"}},
        {"second comma stays in column 2", "H1,H2\na,b,c\n", {"a|b,c"}},
        {"header only", "H1,H2\r\n", {}},
        {"empty line in the middle", "H1,H2\na,b\n\nc,d\n", {"a|b", "|", "c|d"}},
        {"sub ends the file",
         QByteArray("H1,H2\na,b\n\x1A"
                    "c,d\n",
                    15),
         {"a|b"}},
    };
    for (const auto& c : cases) {
        const Loaded l = load(c.raw);
        ASSERT_EQ(l.result.status, LoadStatus::Loaded) << c.name;
        EXPECT_EQ(l.result.rowCount, c.rows.size()) << c.name;
        QList<QByteArray> expected{headerRow("H1|H2")};
        for (int i = 0; i < c.rows.size(); ++i)
            expected.append(rowNumberText(i + 1) + '|' + c.rows[i]);
        EXPECT_EQ(rowsOf(l.table), expected) << c.name;
        for (int i = 0; i < c.rows.size(); ++i) {
            const QByteArray copy =
                l.texts.first(i + 1).toByteArray() + '|' + l.texts.second(i + 1).toByteArray();
            EXPECT_EQ(copy, c.rows[i]) << c.name << " row copy " << i + 1;
        }
    }
}

TEST(ListFile, LongLinesAreReadWhole) {
    const QByteArray name(5000, 'x');
    const Loaded l = load("H1,H2\n" + name + ",y\n");
    ASSERT_EQ(l.result.rowCount, 1);
    EXPECT_EQ(l.table.cell(1, 1), name);
}

TEST(ListFile, RowNumbersAreSixWide) {
    EXPECT_EQ(rowNumberText(1), QByteArray("     1"));
    EXPECT_EQ(rowNumberText(11999), QByteArray(" 11999"));
    EXPECT_EQ(rowNumberText(1000000), QByteArray("1000000"));
}

TEST(ListFile, RefusedHeaderLeavesNoRowOfTheEarlierList) {
    struct Case {
        const char* name;
        QByteArray raw;
    } cases[] = {{"header without comma", "no comma here\na,b\n"}, {"empty file", ""}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        writeRaw(dir.filePath("good.csv"), "H1,H2\na,b\nc,d\n");
        writeRaw(dir.filePath("bad.csv"), c.raw);
        ListTable table;
        RowTexts texts;
        ASSERT_EQ(loadListFile(dir.filePath("good.csv"), table, texts).status, LoadStatus::Loaded);
        const LoadResult r = loadListFile(dir.filePath("bad.csv"), table, texts);
        EXPECT_EQ(r.status, LoadStatus::Refused) << c.name;
        EXPECT_EQ(rowsOf(table), QList<QByteArray>{headerRow("|")}) << c.name;
        EXPECT_EQ(texts.first(2), QByteArrayView("c")) << c.name << ": copies are not renewed by a refusal";
    }
}

TEST(ListFile, MissingFileChangesNothing) {
    QTemporaryDir dir;
    writeRaw(dir.filePath("good.csv"), "H1,H2\na,b\n");
    ListTable table;
    RowTexts texts;
    loadListFile(dir.filePath("good.csv"), table, texts);
    EXPECT_EQ(loadListFile(dir.filePath("nothing.csv"), table, texts).status, LoadStatus::CannotOpen);
    EXPECT_EQ(loadListFile(dir.path(), table, texts).status, LoadStatus::CannotOpen) << "a folder";
    EXPECT_EQ(table.rows(), 2);
    EXPECT_EQ(table.cell(1, 1), QByteArray("a"));
}

TEST(ListFile, SaveWritesColumnsOneAndTwoWithCrLf) {
    struct Case {
        const char* name;
        QByteArray raw;
        QByteArray saved;
    } cases[] = {
        {"crlf round trip byte for byte", "和名,属種名\r\na,b\r\nc,d,e\r\n",
         "和名,属種名\r\na,b\r\nc,d,e\r\n"},
        {"lf becomes crlf", "H1,H2\na,b", "H1,H2\r\na,b\r\n"},
        {"line without comma gains one", "H1,H2\nlonely\n", "H1,H2\r\nlonely,\r\n"},
        {"empty last line", "H1,H2\na,b\n\n", "H1,H2\r\na,b\r\n,\r\n"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("list.csv");
        writeRaw(path, c.raw);
        ListTable table;
        RowTexts texts;
        const LoadResult r = loadListFile(path, table, texts);
        ASSERT_TRUE(saveListFile(path, table, r.rowCount)) << c.name;
        EXPECT_EQ(readRaw(path), c.saved) << c.name;
    }
}

TEST(ListFile, EditedCellsAndACommaTypedIntoColumnOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath("list.csv");
    writeRaw(path, "H1,H2\r\na,b\r\n");
    ListTable table;
    RowTexts texts;
    int n = loadListFile(path, table, texts).rowCount;
    table.setCell(1, 1, "x,y");
    ASSERT_TRUE(saveListFile(path, table, n));
    n = loadListFile(path, table, texts).rowCount;
    EXPECT_EQ(n, 1);
    EXPECT_EQ(table.cell(1, 1), QByteArray("x"));
    EXPECT_EQ(table.cell(2, 1), QByteArray("y,b"));
}

TEST(ListFile, FailedSaveLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("list.csv");
    writeRaw(path, "H1,H2\r\nold,row\r\n");
    ListTable table;
    RowTexts texts;
    const int n = loadListFile(path, table, texts).rowCount;
    table.setCell(1, 1, "edited");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    EXPECT_FALSE(saveListFile(path, table, n));
    EXPECT_EQ(readRaw(path), QByteArray("H1,H2\r\nold,row\r\n"));
}

TEST(ListFile, AMillionRowsLoadWithTheirCopies) {
    QByteArray raw = "和名,属種名\r\n";
    const int n = 1000000;
    raw.reserve(n * 24);
    for (int i = 1; i <= n; ++i)
        raw += "name" + QByteArray::number(i) + ",Genus species" + QByteArray::number(i) + "\r\n";
    const Loaded l = load(raw);
    ASSERT_EQ(l.result.rowCount, n);
    EXPECT_EQ(l.table.rows(), n + 1);
    for (int i : {1, 500000, n}) {
        EXPECT_EQ(l.table.cell(0, i), rowNumberText(i));
        EXPECT_EQ(l.table.cell(1, i), "name" + QByteArray::number(i));
        EXPECT_EQ(l.texts.second(i), QByteArray("Genus species" + QByteArray::number(i)));
    }
}

TEST(ListTable, DeleteShiftsNamesUpAndKeepsNumbersAndCopies) {
    QByteArray raw = "H1,H2\n";
    for (int i = 1; i <= 10; ++i)
        raw += "n" + QByteArray::number(i) + ",l" + QByteArray::number(i) + "\n";
    Loaded l = load(raw);
    l.table.setCell(0, 9, "typed");
    l.table.removeShiftUp(3);
    ASSERT_EQ(l.table.rows(), 10);
    for (int r = 3; r <= 9; ++r)
        EXPECT_EQ(l.table.cell(1, r), "n" + QByteArray::number(r + 1));
    EXPECT_EQ(l.table.cell(0, 8), rowNumberText(8));
    EXPECT_EQ(l.table.cell(0, 9), QByteArray("typed")) << "column 0 does not move";
    EXPECT_EQ(l.texts.first(3), QByteArrayView("n3"));
}

TEST(ListTable, SortIsStableUnsignedByteOrderThenRenumbered) {
    Loaded l = load("H1,H2\n\x83\x41,high\nb,1\na,x\nb,2\nab,y\n,empty\n");
    l.table.setCell(0, 2, "typed");
    l.table.sortByColumn1(6);
    const QList<QByteArray> col1{"", "a", "ab", "b", "b", "\x83\x41"};
    const QList<QByteArray> col2{"empty", "x", "y", "1", "2", "high"};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(l.table.cell(1, r), col1[r - 1]) << r;
        EXPECT_EQ(l.table.cell(2, r), col2[r - 1]) << r;
        EXPECT_EQ(l.table.cell(0, r), rowNumberText(r)) << r;
    }
    EXPECT_EQ(l.texts.first(1), QByteArrayView("\x83\x41")) << "copies keep the load order";
}

TEST(DataPaths, UnderTheWorkingDirectory) {
    const DataPaths p = DataPaths::under("/home/u/orchids");
    EXPECT_EQ(p.HistoryPath, QString("/home/u/orchids/Initial.txt"));
    EXPECT_EQ(p.ListPaths[0], QString("/home/u/orchids/リストデータ/洋らんリスト.csv"));
    EXPECT_EQ(p.ListPaths[3], QString("/home/u/orchids/リストデータ/属名インデックス.txt"));
    EXPECT_EQ(fileNamePart(p.ListPaths[1]), QString("新旧属種名対応.csv"));
}

} // namespace
