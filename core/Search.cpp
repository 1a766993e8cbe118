#include "Search.h"

#include "Occurs.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// The exact test of one row: column 1 before column 2.
SearchHit testRow(const ListTable& table, QByteArrayView pattern, int r) {
    if (occurs(pattern, table.text(1, r)))
        return {r, 1};
    if (occurs(pattern, table.text(2, r)))
        return {r, 2};
    return {};
}

// Row r's texts as they stand in the file's text as read: column 2 right after column 1 and its separator.
struct Stretch {
    const char* start = nullptr;
    const char* end = nullptr;
};

bool inFileText(const ListTable& table, int r, QByteArrayView base, Stretch& s) {
    const QByteArrayView a = table.text(1, r), b = table.text(2, r);
    s = {a.data(), b.data() + b.size()};
    const std::less_equal<const char*> le;
    return le(base.data(), s.start) && le(s.end, base.data() + base.size()) &&
           b.data() == a.data() + a.size() + 1;
}

} // namespace

SearchHit findDown(const ListTable& table, QByteArrayView pattern, int from, int rowCount) {
    const int last = std::min(rowCount, table.rows() - 1);
    const QByteArrayView base = table.arena()->base();
    // Rows that still follow one another in the file's text, as a load leaves them, are searched with one
    // memmem over their whole run instead of one call per cell. The leftmost occurrence in a run lies in the
    // stretch of some row and no row before it holds one; that row is tested alone, as an occurrence across a
    // separator is none, and the run goes on after it.
    for (int r = std::max(from, 1); r <= last;) {
        Stretch run;
        if (pattern.isEmpty() || !inFileText(table, r, base, run)) {
            if (const SearchHit hit = testRow(table, pattern, r); hit.found())
                return hit;
            ++r;
            continue;
        }
        int next = r + 1;
        for (Stretch s; next <= last && inFileText(table, next, base, s) && s.start == run.end + 1; ++next)
            run.end = s.end;
        const char* pos = run.start;
        while (const void* at = memmem(pos, size_t(run.end - pos), pattern.data(), size_t(pattern.size()))) {
            // The row whose stretch holds the start of the occurrence.
            const char* hitAt = static_cast<const char*>(at);
            while (r + 1 < next && table.text(1, r + 1).data() <= hitAt)
                ++r;
            if (const SearchHit hit = testRow(table, pattern, r); hit.found())
                return hit;
            if (++r >= next)
                break;
            pos = table.text(1, r).data();
        }
        r = next;
    }
    return {};
}
