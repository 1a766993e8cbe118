// The genus index reader and the row each name jumps to, over a list loaded from the same input.
#include "FuzzInput.h"
#include "GenusIndex.h"
#include "ListFile.h"
#include "TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Parts parts = fuzz::splitKey(data, size);
    QByteArray index = parts.key.toByteArray();
    textfile::toTextMode(index);
    const GenusNames names = genusNamesOf(index);
    for (const QByteArray& n : names)
        fuzz::check(!n.contains('\n') && index.contains(n));

    ListTable table;
    RowTexts texts;
    const LoadResult loaded = loadListBytes(parts.rest.toByteArray(), table, texts);
    // Also a row count beyond the table, as a stale count would give.
    for (const int rowCount : {loaded.rowCount, loaded.rowCount + 3}) {
        const auto rows = findGenusRows(table, rowCount, names);
        for (size_t i = 0; i < rows.size(); ++i) {
            fuzz::check(rows[i] >= 0 && rows[i] < table.rows());
            if (rows[i] > 0)
                fuzz::check(table.text(1, rows[i]).startsWith(names[i]));
        }
    }
    return 0;
}
