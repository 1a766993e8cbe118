// Latin orchid names: a genus, often shortened to an abbreviation that ends in "." (Blc.), a species or
// hybrid epithet, and a clonal name in single quotes. Also the two reference lists that pair a genus with its
// abbreviation and Japanese reading, and an old genus-species name with its new one. Every test is a
// byte-wise occurrence on Shift-JIS text; the separators ( ) space . ' , are ASCII bytes below 0x40, so they
// never stand inside a double-byte character.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>
#include <functional>
#include <optional>

namespace nametools {

// Where each part of a split name is kept in the main window's five name fields.
enum NamePart : std::size_t { GenusPart, SpeciesPart, OldAbbrevPart, AbbrevPart, ClonalPart };

// Looks a written-out genus up and writes its abbreviation into `abbrev`, leaving it as it was when the list
// has none; returns false when the list could not be read.
using AbbrevLookup = std::function<bool(QByteArrayView genus, QByteArray& abbrev)>;

// Splits a name into its parts. `genus` and `abbrev` are written only on some paths, so the caller empties
// the four fields first. Returns false when `lookup` failed.
bool splitName(QByteArrayView text, QByteArray& genus, QByteArray& clonal, QByteArray& species,
               QByteArray& abbrev, const AbbrevLookup& lookup);

// Over the genus-reading list's text: the first line after the header that holds `genus` anywhere and also a
// "." gives the abbreviation, that line up to and including its first ".". An empty genus gives an empty
// abbreviation; when no line matches, `abbrev` keeps its text.
void findGenusAbbrev(QByteArrayView genus, QByteArrayView listText, QByteArray& abbrev);

struct ListLine {
    QByteArray first;  // before the line's first comma
    QByteArray second; // after it
};

// The first line of the genus-reading list, header included, whose first column holds `abbrev` anywhere.
// Lines without a comma are passed over.
std::optional<ListLine> findGenusReading(QByteArrayView abbrev, QByteArrayView listText);

struct OldNewResult {
    std::optional<ListLine> match; // the old and the new name of the line found
    QByteArray oldAbbrev;          // the last old name read, cut after its first "."
};

// Scans the old-and-new list after its header for a line whose old name carries exactly `abbrev` and whose
// old or new name holds `species`. An old name without a "." is taken under the abbreviation of the nearest
// earlier line that had one. Lines without a comma are passed over.
OldNewResult findOldName(QByteArrayView abbrev, QByteArrayView species, QByteArrayView listText);

} // namespace nametools
