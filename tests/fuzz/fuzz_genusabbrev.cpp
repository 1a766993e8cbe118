// Looking a genus up in the genus-reading list: the abbreviation and the reading line found.
#include "FuzzInput.h"
#include "NameTools.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Parts parts = fuzz::splitKey(data, size);
    const QByteArray list = parts.rest.toByteArray();
    QByteArray abbrev = "unchanged";
    nametools::findGenusAbbrev(parts.key, list, abbrev);
    if (parts.key.isEmpty())
        fuzz::check(abbrev.isEmpty());
    else
        fuzz::check(abbrev == "unchanged" || (abbrev.endsWith('.') && abbrev.count('.') == 1 &&
                                              !abbrev.contains('\n') && list.contains(abbrev)));

    if (const auto line = nametools::findGenusReading(parts.key, list)) {
        fuzz::check(line->first.contains(parts.key.toByteArray()) && !line->first.contains(','));
        fuzz::check(list.contains(line->first + ',' + line->second));
    }
    return 0;
}
