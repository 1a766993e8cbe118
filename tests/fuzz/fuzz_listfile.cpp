// The list file reader, from the raw bytes on disk: text mode, the header rule and the row split. Saving the
// loaded list must give back every line, a missing comma added, so a load and save never loses a byte.
#include "FuzzInput.h"
#include "ListFile.h"
#include "TextFile.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    textfile::toTextMode(text);
    fuzz::check(!text.contains('\r') && !text.contains('\x1a'));

    ListTable table;
    RowTexts texts;
    const LoadResult result = loadListBytes(text, table, texts);

    QByteArray expected;
    int lines = 0;
    textfile::forEachLine(text, [&](QByteArrayView line) {
        expected += line;
        if (!line.contains(','))
            expected += ',';
        expected += "\r\n";
        ++lines;
        return true;
    });
    const qsizetype headerEnd = text.indexOf('\n');
    const bool headerComma = text.left(headerEnd < 0 ? text.size() : headerEnd).contains(',');
    if (!headerComma) {
        fuzz::check(result.status == LoadStatus::Refused && table.rows() == 1);
        return 0;
    }
    fuzz::check(result.status == LoadStatus::Loaded && result.rowCount == lines - 1);
    fuzz::check(table.rows() >= result.rowCount + 1);
    fuzz::check(listFileBytes(table, result.rowCount) == expected);
    for (int r = 1; r <= result.rowCount; ++r)
        fuzz::check(texts.first(r) == table.text(1, r) && texts.second(r) == table.text(2, r));
    return 0;
}
