// The downward search of the list: the first row at or below a start row whose column 1, or else column 2,
// holds the pattern by the byte-wise occurrence test.
#pragma once

#include "ListTable.h"

#include <QByteArrayView>

struct SearchHit {
    int row = 0; // 0: no row matched
    int col = 0; // 1 or 2
    bool found() const { return row > 0; }
};

// Examines rows from..rowCount (row 0, the header, never); column 1 before column 2 of each row.
SearchHit findDown(const ListTable& table, QByteArrayView pattern, int from, int rowCount);
