#include "Search.h"

#include "Occurs.h"

#include <algorithm>

SearchHit findDown(const ListTable& table, QByteArrayView pattern, int from, int rowCount) {
    const int last = std::min(rowCount, table.rows() - 1);
    for (int r = std::max(from, 1); r <= last; ++r) {
        if (occurs(pattern, table.text(1, r)))
            return {r, 1};
        if (occurs(pattern, table.text(2, r)))
            return {r, 2};
    }
    return {};
}
