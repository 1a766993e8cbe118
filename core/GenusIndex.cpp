#include "GenusIndex.h"

#include "TextFile.h"

#include <algorithm>

GenusNames genusNamesOf(QByteArrayView text) {
    GenusNames names;
    size_t i = 0;
    textfile::forEachLine(text, [&](QByteArrayView line) {
        names[i++] = line.toByteArray();
        return i < names.size();
    });
    return names;
}

std::optional<GenusNames> readGenusIndexFile(const QString& path) {
    const std::optional<QByteArray> text = textfile::read(path);
    if (!text)
        return std::nullopt;
    return genusNamesOf(*text);
}

std::array<int, kGenusCount> findGenusRows(const ListTable& table, int rowCount, const GenusNames& names) {
    std::array<int, kGenusCount> rows{};
    // One pass over the list, trying on each row only the names still without a row.
    int open = kGenusCount;
    const int last = std::min(rowCount, table.rows() - 1);
    for (int r = 1; r <= last && open > 0; ++r) {
        const QByteArrayView text = table.text(1, r);
        for (size_t i = 0; i < names.size(); ++i) {
            if (rows[i] == 0 && text.startsWith(names[i])) {
                rows[i] = r;
                --open;
            }
        }
    }
    return rows;
}
