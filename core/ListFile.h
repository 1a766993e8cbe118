// List files: Shift-JIS text lines, the first a header "caption1,caption2", each further line one row whose
// first comma separates the two names. Lines of any length are read whole.
#pragma once

#include "ListTable.h"

#include <QString>

enum class LoadStatus {
    Loaded,     // the table holds the file's rows
    CannotOpen, // "リストデータファイルがありません。"
    Refused, // no header comma, or an empty file: "このデータファイルはVeradexには対応していません。"
};

struct LoadResult {
    LoadStatus status = LoadStatus::CannotOpen;
    int rowCount = 0; // data rows read, when loaded
};

// Reads `path` into `table` (row 0 "　 番号" and the header fields, rows 1..N numbered) and renews entries
// 1..N of `texts`. When the file cannot be opened nothing changes. A refused file leaves the table with the
// header row alone, so that no row of an earlier list can be written over the refused file.
LoadResult loadListFile(const QString& path, ListTable& table, RowTexts& texts);

// The same, from bytes already read in text mode.
LoadResult loadListBytes(QByteArray text, ListTable& table, RowTexts& texts);

// Writes rows 0..rowCount as "col1,col2" lines with CR LF; the old file is replaced only when the whole new
// content is written.
bool saveListFile(const QString& path, const ListTable& table, int rowCount);

// The bytes `saveListFile` writes.
QByteArray listFileBytes(const ListTable& table, int rowCount);
