// The lists the benchmarks run on: synthetic variety lists from the project's generator (seed 1), written
// once per run to a temporary folder so that every benchmark reads the same file.
#pragma once

#include "ListTable.h"

#include <QByteArray>
#include <QString>

namespace bench {

struct List {
    QString path;         // the file as generated: sorted, CR LF line ends
    QByteArray bytes;     // its bytes as on disk
    QString shuffledPath; // the same lines in a fixed random order (header first), for the sort
    ListTable table;      // the file loaded
    ListTable shuffled;   // the shuffled file loaded
    RowTexts texts;
    int rowCount = 0;
};

// The list of `rows` data rows, made on first use.
const List& list(int rows);

// Writes the generated file and its shuffled twin as DIR/list-ROWS.csv and DIR/shuffled-ROWS.csv.
bool writeLists(const QString& dir, int rows);

} // namespace bench
