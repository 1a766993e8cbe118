// The search history reader: a count line and that many entries, whatever the count says.
#include "FuzzInput.h"
#include "History.h"
#include "TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    textfile::toTextMode(text);
    const QList<QByteArray> entries = parseHistory(text);
    fuzz::check(entries.size() <= text.count('\n') + 1);
    for (const QByteArray& e : entries)
        fuzz::check(!e.contains('\n'));

    // What the program writes reads back the same.
    QByteArray written = QByteArray::number(entries.size()) + '\n';
    for (const QByteArray& e : entries)
        written += e + '\n';
    fuzz::check(parseHistory(written) == entries);
    return 0;
}
