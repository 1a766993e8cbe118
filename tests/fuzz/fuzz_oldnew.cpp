// The old-to-new scan over an old-and-new list: the key holds the abbreviation and the species.
#include "FuzzInput.h"
#include "NameTools.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Parts parts = fuzz::splitKey(data, size);
    // The key's first space separates abbreviation and species.
    const qsizetype space = parts.key.indexOf(' ');
    const QByteArrayView abbrev = space < 0 ? parts.key : parts.key.first(space);
    const QByteArrayView species = space < 0 ? QByteArrayView() : parts.key.sliced(space + 1);
    const QByteArray list = parts.rest.toByteArray();
    const nametools::OldNewResult r = nametools::findOldName(abbrev, species, list);
    fuzz::check(!r.oldAbbrev.contains('\n') && !r.oldAbbrev.contains(','));
    if (r.match) {
        fuzz::check(!r.match->first.contains(','));
        fuzz::check(list.contains(r.match->first + ',' + r.match->second));
        fuzz::check(r.match->first.contains(species.toByteArray()) ||
                    r.match->second.contains(species.toByteArray()));
    }
    return 0;
}
