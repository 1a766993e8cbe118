#include "NameTools.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <map>

using namespace nametools;

namespace {

// A genus lookup over a fixed table; it records what it was asked.
struct FakeLookup {
    std::map<QByteArray, QByteArray> abbrevs;
    QList<QByteArray> asked;
    bool readable = true;

    AbbrevLookup fn() {
        return [this](QByteArrayView genus, QByteArray& abbrev) {
            asked.append(genus.toByteArray());
            if (const auto it = abbrevs.find(genus.toByteArray()); it != abbrevs.end())
                abbrev = it->second;
            return readable;
        };
    }
};

struct Parts {
    QByteArray genus = "(old genus)";
    QByteArray clonal, species, abbrev;
};

} // namespace

TEST(SplitName, Cases) {
    struct Case {
        QByteArray text;
        QByteArray genus, species, clonal, abbrev;
        QList<QByteArray> asked;
    };
    const QByteArray kept = "(old genus)";
    const QByteArray katakana = sj(u"カトレア");
    const Case cases[] = {
        // the three examples
        {"Blc. Alpha Beta 'Gamma' AM", kept, "Alpha Beta", "'Gamma' AM", "Blc.", {}},
        {"Cattleya alba", "Cattleya", "alba", "", "C.", {"Cattleya"}},
        {"Blc.", "", "", "", "Blc.", {}},
        // no space and no ".": a genus, looked up
        {"Cattleya", "Cattleya", "", "", "C.", {"Cattleya"}},
        {katakana, katakana, "", "", "K.", {katakana}},
        // a written-out genus the list does not hold leaves the abbreviation empty
        {"Unknownia alba", "Unknownia", "alba", "", "", {"Unknownia"}},
        // brackets go, the spaces around them stay
        {"Blc. (Abc) Xyz", kept, " Xyz", "", "Blc.", {}},
        {"Abc. (Def.) ghi", kept, " ghi", "", "Abc.", {}},
        {"(Cattleya) alba", "", "alba", "", "", {""}},
        // a ")" before the "(" closes nothing; the first ")" after it does
        {"Blc. a)b(c) d", kept, "a)b d", "", "Blc.", {}},
        {"Blc. a(b", kept, "a(b", "", "Blc.", {}},
        // the byte before the apostrophe is dropped, normally the separating space
        {"Abc. xyz'Q'", kept, "xy", "'Q'", "Abc.", {}},
        // a rest that begins with the apostrophe: no species, the whole rest is the clonal name
        {"Blc. 'Gamma' AM", kept, "", "'Gamma' AM", "Blc.", {}},
        // further spaces stay in the rest
        {"Blc.  Alpha", kept, " Alpha", "", "Blc.", {}},
        {"", "", "", "", "", {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        FakeLookup lookup;
        lookup.abbrevs = {{"Cattleya", "C."}, {katakana, "K."}};
        Parts p;
        EXPECT_TRUE(splitName(c.text, p.genus, p.clonal, p.species, p.abbrev, lookup.fn()));
        EXPECT_EQ(p.genus, c.genus);
        EXPECT_EQ(p.species, c.species);
        EXPECT_EQ(p.clonal, c.clonal);
        EXPECT_EQ(p.abbrev, c.abbrev);
        EXPECT_EQ(lookup.asked, c.asked);
    }
}

TEST(SplitName, ReportsAnUnreadableList) {
    FakeLookup lookup;
    lookup.readable = false;
    Parts p;
    EXPECT_FALSE(splitName("Cattleya alba", p.genus, p.clonal, p.species, p.abbrev, lookup.fn()));
    EXPECT_TRUE(splitName("Blc. alba", p.genus, p.clonal, p.species, p.abbrev, lookup.fn()));
    EXPECT_EQ(p.abbrev, "Blc.");
}

namespace {

const QByteArray kGenusList = sj(u"属名,和名\n"
                                 u"Blc. Brassolaeliocattleya,ブラソレリオカトレア\n"
                                 u"Dendrobium,デンドロビウム\n"
                                 u"Den. Dendrobium,デンドロビウム\n"
                                 u"C. Cattleya,カトレア\n"
                                 u"Pot. Potinara (C. x Lc.),ポティナラ\n"
                                 u"Lc. broken line\n"
                                 u"Lc. Laeliocattleya,レリオカトレア\n");

} // namespace

TEST(FindGenusAbbrev, Cases) {
    struct Case {
        QByteArray genus;
        QByteArray expected;
    };
    const Case cases[] = {
        // case-sensitive: "cattleya" inside Brassolaeliocattleya does not match
        {"Cattleya", "C."},
        // a Japanese text is found anywhere in the line, also in the reading of a longer name
        {sj(u"カトレア"), "Blc."},
        // a line that holds the genus but no "." is passed over
        {"Dendrobium", "Den."},
        // the header is not searched; nothing found keeps the old text
        {sj(u"和名"), "(kept)"},
        {"Vanda", "(kept)"},
        // an empty genus empties the field
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.genus.toStdString());
        QByteArray abbrev = "(kept)";
        findGenusAbbrev(c.genus, kGenusList, abbrev);
        EXPECT_EQ(abbrev, c.expected);
    }
}

TEST(FindGenusReading, FirstLineWhoseFirstColumnHoldsTheAbbreviation) {
    struct Case {
        QByteArray abbrev;
        std::optional<QByteArray> first, second;
    };
    const Case cases[] = {
        {"Den.", "Den. Dendrobium", sj(u"デンドロビウム")},
        // "Lc." stands first inside a longer first column; the line without a comma is passed over
        {"Lc.", "Pot. Potinara (C. x Lc.)", sj(u"ポティナラ")},
        // the header line is read too
        {sj(u"属名"), sj(u"属名"), sj(u"和名")},
        // only the first column counts
        {sj(u"レリオ"), std::nullopt, std::nullopt},
        {"V.", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.abbrev.toStdString());
        const auto found = findGenusReading(c.abbrev, kGenusList);
        ASSERT_EQ(found.has_value(), c.first.has_value());
        if (found) {
            EXPECT_EQ(found->first, *c.first);
            EXPECT_EQ(found->second, *c.second);
        }
    }
}

namespace {

const QByteArray kOldNewList = "Old,New\n"
                               "noabbrev alba,X. first\n"
                               "Lc. Mini Purple,Lc. Mini Purple (walkeriana x pumila)\n"
                               "lc. alba,lc. wrong case\n"
                               "Blc. alba,Rlc. alba\n"
                               "Lc. nocomma alba\n"
                               "Lc. foo,Rlc. newalbaname\n"
                               "Sophronitis coccinea,C. coccinea\n"
                               "Den. nobile,Den. nobile\n";

} // namespace

TEST(FindOldName, Cases) {
    struct Case {
        const char* name;
        QByteArray abbrev, species;
        std::optional<QByteArray> oldName, newName;
    };
    const Case cases[] = {
        {"species inside the old name", "Lc.", "Mini", "Lc. Mini Purple",
         "Lc. Mini Purple (walkeriana x pumila)"},
        // other case, other abbreviation and a line without a comma are passed over; the new name counts
        {"species inside the new name only", "Lc.", "alba", "Lc. foo", "Rlc. newalbaname"},
        {"exact abbreviation", "Blc.", "alba", "Blc. alba", "Rlc. alba"},
        {"empty species takes the first line", "Lc.", "", "Lc. Mini Purple",
         "Lc. Mini Purple (walkeriana x pumila)"},
        {"carried abbreviation", "Lc.", "coccinea", "Sophronitis coccinea", "C. coccinea"},
        {"carried from the line before, not after", "Den.", "coccinea", std::nullopt, std::nullopt},
        {"nothing before the first abbreviation", "X.", "first", std::nullopt, std::nullopt},
        {"not found", "Lc.", "zzz", std::nullopt, std::nullopt},
        {"no prefix match", "L", "Mini", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OldNewResult r = findOldName(c.abbrev, c.species, kOldNewList);
        ASSERT_EQ(r.match.has_value(), c.oldName.has_value());
        if (r.match) {
            EXPECT_EQ(r.match->first, *c.oldName);
            EXPECT_EQ(r.match->second, *c.newName);
        }
    }
}

TEST(FindOldName, WorkingFieldHoldsTheLastOldNameCutAfterItsDot) {
    EXPECT_EQ(findOldName("Lc.", "zzz", kOldNewList).oldAbbrev, "Den.");
    EXPECT_EQ(findOldName("Lc.", "coccinea", kOldNewList).oldAbbrev, "Sophronitis coccinea");
}
