#include "ListFile.h"

#include "TextFile.h"

#include <cstring>

LoadResult loadListFile(const QString& path, ListTable& table, RowTexts& texts) {
    auto text = textfile::read(path);
    if (!text)
        return {LoadStatus::CannotOpen, 0};
    return loadListBytes(std::move(*text), table, texts);
}

LoadResult loadListBytes(QByteArray text, ListTable& table, RowTexts& texts) {
    auto arena = std::make_shared<TextArena>(std::move(text));
    const QByteArray& bytes = arena->base();
    const char* p = bytes.constData();
    const char* end = p + bytes.size();

    // Each line: the text up to its LF; the text after the last LF counts only when not empty.
    auto nextLine = [&](const char*& lineEnd) {
        const auto* lf = static_cast<const char*>(memchr(p, '\n', size_t(end - p)));
        lineEnd = lf ? lf : end;
        const char* start = p;
        p = lf ? lf + 1 : end;
        return start;
    };
    auto split = [&](const char* start, const char* stop) {
        const auto* comma = static_cast<const char*>(memchr(start, ',', size_t(stop - start)));
        if (!comma)
            return std::array<TextArena::Span, 2>{arena->at(start, stop - start), TextArena::Span{}};
        return std::array<TextArena::Span, 2>{arena->at(start, comma - start),
                                              arena->at(comma + 1, stop - comma - 1)};
    };

    const char* headerEnd = nullptr;
    const char* header = p < end ? nextLine(headerEnd) : nullptr;
    if (!header || !memchr(header, ',', size_t(headerEnd - header))) {
        // Only the header row remains, and it carries the number caption alone.
        table.setRows(1);
        table.setNumbered(0);
        table.setCell(1, 0, {});
        table.setCell(2, 0, {});
        return {LoadStatus::Refused, 0};
    }

    ListTable::Loaded loaded;
    loaded.arena = arena;
    // An average line of a variety list is about 40 bytes; reserving avoids most regrowth.
    loaded.rows.reserve(size_t(bytes.size() / 32 + 2));
    loaded.rows.push_back(split(header, headerEnd));
    while (p < end) {
        const char* stop = nullptr;
        const char* start = nextLine(stop);
        loaded.rows.push_back(split(start, stop));
    }
    const int rowCount = int(loaded.rows.size()) - 1;

    table.assign(loaded);

    std::vector<std::array<TextArena::Span, 2>> entries(std::move(loaded.rows));
    entries[0] = {};
    texts.reset(arena, std::move(entries));
    return {LoadStatus::Loaded, rowCount};
}

QByteArray listFileBytes(const ListTable& table, int rowCount) {
    const int last = std::min(rowCount, table.rows() - 1);
    qsizetype size = 0;
    for (int r = 0; r <= last; ++r)
        size += table.text(1, r).size() + table.text(2, r).size() + 3;
    QByteArray out;
    out.reserve(size);
    for (int r = 0; r <= last; ++r) {
        out.append(table.text(1, r));
        out.append(',');
        out.append(table.text(2, r));
        out.append("\r\n", 2);
    }
    return out;
}

bool saveListFile(const QString& path, const ListTable& table, int rowCount) {
    return textfile::writeBytes(path, listFileBytes(table, rowCount));
}
