// Splitting a name typed or copied by the user, with the abbreviation looked up in a genus list from the same
// input. Every part is a piece of the text.
#include "FuzzInput.h"
#include "NameTools.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Parts parts = fuzz::splitKey(data, size);
    QByteArray genus, clonal, species, abbrev;
    const QByteArrayView list = parts.rest;
    const bool failLookup = size > 0 && (data[0] & 1);
    nametools::splitName(parts.key, genus, clonal, species, abbrev, [&](QByteArrayView g, QByteArray& a) {
        nametools::findGenusAbbrev(g, list, a);
        return !failLookup;
    });
    // The text as split: the first parenthesised part, brackets included, taken out.
    QByteArray name = parts.key.toByteArray();
    if (const qsizetype open = name.indexOf('('); open >= 0) {
        if (const qsizetype close = name.indexOf(')', open + 1); close >= 0)
            name.remove(open, close - open + 1);
    }
    fuzz::check(name.contains(genus) && name.contains(species) && name.contains(clonal));
    fuzz::check(abbrev.isEmpty() || name.contains(abbrev) || list.toByteArray().contains(abbrev));
    return 0;
}
