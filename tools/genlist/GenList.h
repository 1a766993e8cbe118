// Synthetic variety lists for benchmarks and scale tests: made-up genera and species in the shape of the
// shipped list (katakana genus reading, full-width space, katakana species reading; "Genus epithet" or
// "Abbr. Grex 'Clone'"), sorted by column 1 with a heading row opening each kana section.
#pragma once

#include <QByteArray>

#include <cstdint>

namespace genlist {

// The list file's bytes: the header "和名,属種名" and `rows` data rows (heading rows included), every line
// ended by CR LF. The same rows and seed always give the same bytes. A single row has no room for a heading.
QByteArray generate(std::int64_t rows, std::uint64_t seed);

} // namespace genlist
