// The lists shipped in data/リストデータ, read with the program's own readers and checked against what the
// kana index, the genus index, the name tools and the species count expect of their content.
#include "GenList.h"
#include "GenusIndex.h"
#include "KanaIndex.h"
#include "ListFile.h"
#include "NameTools.h"
#include "Sjis.h"
#include "SpeciesCount.h"
#include "TextFile.h"
#include "Texts.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

const char* const kVariety = "洋らんリスト.csv";
const char* const kOldNew = "新旧属種名対応.csv";
const char* const kReadings = "属名和名対応.csv";
const char* const kGenusIndex = "属名インデックス.txt";

QString pathOf(const char* name) {
    return QString::fromUtf8(VERADEX_SOURCE_DIR "/data/リストデータ/") + QString::fromUtf8(name);
}

QByteArray sj(const char16_t* text) {
    return sjis::constant(text);
}

std::string show(QByteArrayView bytes) {
    return sjis::decode(bytes).toStdString();
}

struct List {
    LoadResult result;
    ListTable table;
    RowTexts texts;
    QByteArray text; // the file in text mode, as the name tools read it
};

// Each file is read once for all tests.
const List& list(const char* name) {
    static std::map<std::string, List> lists;
    auto [it, added] = lists.try_emplace(name);
    if (added) {
        it->second.result = loadListFile(pathOf(name), it->second.table, it->second.texts);
        it->second.text = textfile::read(pathOf(name)).value_or(QByteArray());
    }
    return it->second;
}

bool isHeading(QByteArrayView col1) {
    return col1.endsWith(texts::headingMarker());
}

// The kana head whose section a Japanese name belongs to: its first kana with voicing marks dropped and small
// kana made large, as the syllabary orders them.
QByteArray headOf(QByteArrayView col1) {
    const QString text = sjis::decode(col1);
    if (text.isEmpty())
        return {};
    QChar c = text[0];
    const QString decomposed = c.decomposition();
    if (!decomposed.isEmpty())
        c = decomposed[0];
    static const QString small = QStringLiteral(u"ァィゥェォッャュョヮ"),
                         large = QStringLiteral(u"アイウエオツヤユヨワ");
    if (const qsizetype i = small.indexOf(c); i >= 0)
        c = large[i];
    return sjis::encode(QString(c)).value_or(QByteArray());
}

// The abbreviation the name tools find for a Latin name (looked up in the shipped genus-reading list when the
// genus is written out) and its species part without the clonal name.
struct Split {
    QByteArray abbrev, species;
};

Split split(QByteArrayView latin) {
    const QByteArray& readings = list(kReadings).text;
    QByteArray genus, clonal, species, abbrev;
    nametools::splitName(latin, genus, clonal, species, abbrev, [&](QByteArrayView g, QByteArray& a) {
        nametools::findGenusAbbrev(g, readings, a);
        return true;
    });
    return {abbrev, species};
}

TEST(ShippedFiles, CodePage932WithCrLf) {
    for (const char* name : {kVariety, kOldNew, kReadings, kGenusIndex}) {
        QFile f(pathOf(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray raw = f.readAll();
        ASSERT_FALSE(raw.isEmpty()) << name;
        EXPECT_FALSE(sjis::decode(raw).contains(QChar(0xFFFD))) << name << ": a byte that does not decode";
        EXPECT_FALSE(raw.contains('\x1A')) << name;
        EXPECT_TRUE(raw.endsWith("\r\n")) << name;
        EXPECT_EQ(raw.count('\n'), raw.count("\r\n")) << name << ": a line end without CR";
        EXPECT_EQ(raw.count('\r'), raw.count("\r\n")) << name << ": a CR without LF";
    }
}

TEST(ShippedFiles, HeadersAndSizes) {
    struct Case {
        const char* name;
        const char16_t *caption1, *caption2;
        int minimumRows;
    } cases[] = {
        {kVariety, u"和名", u"属種名", 1500},
        {kOldNew, u"旧属種名", u"新属種名", 300},
        {kReadings, u"属名", u"和名", 400},
    };
    for (const auto& c : cases) {
        const List& l = list(c.name);
        ASSERT_EQ(l.result.status, LoadStatus::Loaded) << c.name;
        EXPECT_EQ(l.table.text(1, 0), sj(c.caption1)) << c.name;
        EXPECT_EQ(l.table.text(2, 0), sj(c.caption2)) << c.name;
        int names = 0;
        for (int r = 1; r <= l.result.rowCount; ++r) {
            EXPECT_FALSE(l.table.text(1, r).isEmpty()) << c.name << " row " << r;
            names += isHeading(l.table.text(1, r)) ? 0 : 1;
        }
        EXPECT_GE(names, c.minimumRows) << c.name;
    }

    const QByteArray index = textfile::read(pathOf(kGenusIndex)).value_or(QByteArray());
    EXPECT_EQ(index.count('\n'), kGenusCount);
}

// The limits of the buffers the tools copy these texts into.
TEST(ShippedFiles, TextsFitTheToolsBuffers) {
    const List& v = list(kVariety);
    for (int r = 1; r <= v.result.rowCount; ++r) {
        const QByteArrayView jp = v.table.text(1, r), latin = v.table.text(2, r);
        EXPECT_LE(jp.size(), 150) << show(jp);
        EXPECT_LE(qsizetype(jp.indexOf(texts::fullWidthSpace())), 51) << show(jp);
        EXPECT_LE(latin.size(), 99) << show(latin);
    }
    const List& o = list(kOldNew);
    for (int r = 1; r <= o.result.rowCount; ++r) {
        EXPECT_LE(o.table.text(1, r).size(), 149) << show(o.table.text(1, r));
        EXPECT_LE(o.table.text(1, r).size() + 1 + o.table.text(2, r).size(), 298);
    }
}

// Rows 1..n stand as the list's sort leaves them.
void expectSorted(const ListTable& table, int n) {
    ListTable sorted = table;
    sorted.sortByColumn1(n);
    for (int r = 1; r <= n; ++r) {
        EXPECT_EQ(sorted.text(1, r), table.text(1, r)) << "row " << r << ": " << show(table.text(1, r));
        EXPECT_EQ(sorted.text(2, r), table.text(2, r)) << "row " << r;
    }
}

// Row 1 is a heading row, every other row belongs to the section of the heading row above it, each head has
// one heading row, and the kana index finds exactly those rows.
void expectSections(const ListTable& table, int n) {
    const auto& heads = kanaHeads();
    const std::vector<int> kanaRows = buildKanaIndex(table, n);

    std::map<QByteArray, int> headingRow;
    QByteArray current;
    for (int r = 1; r <= n; ++r) {
        const QByteArrayView jp = table.text(1, r);
        if (isHeading(jp)) {
            current = jp.chopped(texts::headingMarker().size()).toByteArray();
            EXPECT_TRUE(table.text(2, r).isEmpty()) << show(jp);
            EXPECT_TRUE(headingRow.emplace(current, r).second) << "second heading row " << show(jp);
            continue;
        }
        EXPECT_EQ(headOf(jp), current) << "row " << r << " " << show(jp) << " outside its section";
    }
    ASSERT_FALSE(headingRow.empty());
    EXPECT_TRUE(isHeading(table.text(1, 1)));
    for (size_t k = 0; k < heads.size(); ++k) {
        if (heads[k].isEmpty())
            continue;
        const auto it = headingRow.find(heads[k]);
        EXPECT_EQ(kanaRows[k], it == headingRow.end() ? 0 : it->second) << show(heads[k]);
    }
    for (const auto& [head, row] : headingRow)
        EXPECT_NE(std::find(heads.begin(), heads.end(), head), heads.end()) << show(head);
}

TEST(VarietyList, StandsAsTheSortLeavesIt) {
    const List& v = list(kVariety);
    expectSorted(v.table, v.result.rowCount);
}

TEST(VarietyList, EachSectionOpensWithItsHeadingRow) {
    const List& v = list(kVariety);
    expectSections(v.table, v.result.rowCount);
}

TEST(VarietyList, NoRowTwice) {
    const List& v = list(kVariety);
    std::set<QByteArray> japanese, latin;
    for (int r = 1; r <= v.result.rowCount; ++r) {
        if (isHeading(v.table.text(1, r)))
            continue;
        EXPECT_TRUE(japanese.insert(v.table.text(1, r).toByteArray()).second) << show(v.table.text(1, r));
        EXPECT_TRUE(latin.insert(v.table.text(2, r).toByteArray()).second) << show(v.table.text(2, r));
    }
}

TEST(GenusIndex, EveryNameBeginsARowAndIsAReading) {
    const auto names = readGenusIndexFile(pathOf(kGenusIndex));
    ASSERT_TRUE(names);
    const List& v = list(kVariety);
    const auto rows = findGenusRows(v.table, v.result.rowCount, *names);
    const List& g = list(kReadings);
    std::set<QByteArray> readings;
    for (int r = 1; r <= g.result.rowCount; ++r)
        readings.insert(g.table.text(2, r).toByteArray());
    std::set<QByteArray> distinct;
    for (int i = 0; i < kGenusCount; ++i) {
        const QByteArray& name = (*names)[size_t(i)];
        EXPECT_FALSE(name.isEmpty()) << "line " << i + 1;
        EXPECT_GT(rows[size_t(i)], 0) << show(name);
        EXPECT_TRUE(readings.count(name)) << show(name);
        EXPECT_TRUE(distinct.insert(name).second) << show(name);
    }
}

// Each line "Abbr. Genus,reading": the written-out genus leads the abbreviation lookup to this line, and the
// abbreviation leads the reading lookup to it.
TEST(GenusReadings, EachLineIsFoundByItsGenusAndItsAbbreviation) {
    const List& g = list(kReadings);
    for (int r = 1; r <= g.result.rowCount; ++r) {
        const QByteArrayView first = g.table.text(1, r);
        const qsizetype space = first.indexOf(' ');
        ASSERT_GT(space, 1) << show(first);
        const QByteArrayView abbrev = first.first(space), genus = first.sliced(space + 1);
        EXPECT_EQ(abbrev.indexOf('.'), abbrev.size() - 1) << show(first);
        EXPECT_FALSE(genus.contains('.')) << show(first);
        EXPECT_FALSE(genus.contains(' ')) << show(first);
        EXPECT_FALSE(g.table.text(2, r).isEmpty()) << show(first);

        QByteArray found;
        nametools::findGenusAbbrev(genus, g.text, found);
        EXPECT_EQ(found, abbrev) << show(genus);
        const auto line = nametools::findGenusReading(abbrev, g.text);
        ASSERT_TRUE(line) << show(abbrev);
        EXPECT_EQ(line->first, first) << show(abbrev);
    }
}

// Every Latin name of the variety list and of the old-and-new list gets an abbreviation that has its own
// line, and a Japanese name's genus (before the full-width space) is the reading of that line.
TEST(GenusReadings, EveryNameOfTheListsHasItsGenusLine) {
    const List& g = list(kReadings);
    auto readingOf = [&](QByteArrayView latin) -> std::optional<QByteArray> {
        const Split s = split(latin);
        if (s.abbrev.isEmpty())
            return std::nullopt;
        const auto line = nametools::findGenusReading(s.abbrev, g.text);
        if (!line || !line->first.startsWith(s.abbrev + ' '))
            return std::nullopt;
        return line->second;
    };

    const List& v = list(kVariety);
    for (int r = 1; r <= v.result.rowCount; ++r) {
        const QByteArrayView jp = v.table.text(1, r), latin = v.table.text(2, r);
        if (isHeading(jp))
            continue;
        const auto reading = readingOf(latin);
        ASSERT_TRUE(reading) << show(latin);
        const qsizetype space = jp.indexOf(texts::fullWidthSpace());
        if (space >= 0) {
            EXPECT_EQ(jp.first(space), *reading) << show(jp) << " / " << show(latin);
        }
    }
    const List& o = list(kOldNew);
    for (int r = 1; r <= o.result.rowCount; ++r)
        for (int col : {1, 2}) {
            EXPECT_TRUE(readingOf(o.table.text(col, r))) << show(o.table.text(col, r));
        }
}

// The check of an old name finds its own line; the check of a name of the variety list finds nothing, or a
// line whose old or new name is that very name.
TEST(OldNewList, ChecksFindTheRightLine) {
    const List& o = list(kOldNew);
    for (int r = 1; r <= o.result.rowCount; ++r) {
        const QByteArrayView oldName = o.table.text(1, r);
        const Split s = split(oldName);
        const auto found = nametools::findOldName(s.abbrev, s.species, o.text);
        ASSERT_TRUE(found.match) << show(oldName);
        EXPECT_EQ(show(found.match->first), show(oldName));
        EXPECT_NE(o.table.text(2, r), oldName);
    }

    const List& v = list(kVariety);
    int renamed = 0;
    for (int r = 1; r <= v.result.rowCount; ++r) {
        const QByteArrayView latin = v.table.text(2, r);
        if (isHeading(v.table.text(1, r)))
            continue;
        const Split s = split(latin);
        const auto found = nametools::findOldName(s.abbrev, s.species, o.text);
        if (!found.match)
            continue;
        const QByteArray name = s.abbrev + ' ' + s.species;
        EXPECT_TRUE(found.match->first == name || found.match->second == name)
            << show(latin) << " found " << show(found.match->first) << "," << show(found.match->second);
        renamed += found.match->first == name ? 1 : 0;
    }
    EXPECT_GT(renamed, 0) << "no row carries a name that has changed";
}

TEST(VarietyList, SpeciesCountGivesOneRowPerGenus) {
    const List& v = list(kVariety);
    const SpeciesCount count = countSpecies(v.texts, v.result.rowCount);
    std::set<QByteArray> genera;
    int counted = 0;
    for (size_t i = 0; i < count.runs.size(); ++i) {
        EXPECT_TRUE(genera.insert(count.genus(i).toByteArray()).second) << show(count.genus(i));
        counted += count.runs[i].count;
    }
    int withSpace = 0;
    for (int r = 1; r <= v.result.rowCount; ++r)
        withSpace += v.table.text(1, r).contains(texts::fullWidthSpace()) ? 1 : 0;
    EXPECT_EQ(counted, withSpace);
    EXPECT_GT(count.runs.size(), 100u);
}

// The synthetic lists of the benchmarks have the shipped list's shape: the number of rows asked for, clean
// code page 932 with CR LF, the sort's order and a heading row opening each section.
TEST(GeneratedList, ShapedLikeTheShippedList) {
    for (const int rows : {2, 3, 57, 11999}) {
        SCOPED_TRACE(rows);
        const QByteArray bytes = genlist::generate(rows, 1);
        EXPECT_FALSE(sjis::decode(bytes).contains(QChar(0xFFFD)));
        EXPECT_EQ(bytes.count('\n'), rows + 1);
        EXPECT_EQ(bytes.count('\r'), rows + 1);
        EXPECT_TRUE(bytes.endsWith("\r\n"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.csv"));
        ASSERT_TRUE(textfile::writeBytes(path, bytes));
        ListTable table;
        RowTexts rowTexts;
        const LoadResult loaded = loadListFile(path, table, rowTexts);
        ASSERT_EQ(loaded.status, LoadStatus::Loaded);
        ASSERT_EQ(loaded.rowCount, rows);
        EXPECT_EQ(table.text(1, 0), sj(u"和名"));
        EXPECT_EQ(table.text(2, 0), sj(u"属種名"));
        expectSorted(table, rows);
        expectSections(table, rows);
        for (int r = 1; r <= rows; ++r) {
            if (!isHeading(table.text(1, r))) {
                EXPECT_GT(table.text(1, r).indexOf(texts::fullWidthSpace()), 0) << show(table.text(1, r));
                EXPECT_GT(table.text(2, r).indexOf(' '), 0) << show(table.text(2, r));
            }
        }
    }
}

TEST(GeneratedList, TheSeedDecides) {
    EXPECT_EQ(genlist::generate(500, 7), genlist::generate(500, 7));
    EXPECT_NE(genlist::generate(500, 7), genlist::generate(500, 8));
    EXPECT_EQ(genlist::generate(0, 1), sj(u"和名,属種名") + "\r\n");
    EXPECT_EQ(genlist::generate(1, 1).count('\n'), 2);
}

} // namespace
