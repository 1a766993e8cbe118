// Text-mode files: on reading every CR is dropped and a 0x1A byte ends the file; on writing every LF becomes
// CR LF. Writing replaces a file only once the new content is completely on disk.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstring>
#include <optional>

namespace textfile {

// The file's text as the program sees it, or nothing when it cannot be opened or read.
std::optional<QByteArray> read(const QString& path);

// Drops every CR and cuts at the first 0x1A, in place.
void toTextMode(QByteArray& bytes);

// Writes `text` (LF line ends) with CR LF line ends. The old file stays byte-identical unless the whole new
// content was written and committed.
bool write(const QString& path, QByteArrayView text);

// Writes bytes that already have their CR LF line ends, with the same guarantee as `write`.
bool writeBytes(const QString& path, QByteArrayView bytes);

// LF to CR LF.
QByteArray toCrLf(QByteArrayView text);

// Calls `line` for each line of `text`: the text up to each LF, and the text after the last LF when it is not
// empty. The views point into `text`.
template <typename F> void forEachLine(QByteArrayView text, F&& line) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const auto* lf = static_cast<const char*>(memchr(p, '\n', size_t(end - p)));
        const char* stop = lf ? lf : end;
        if (!line(QByteArrayView(p, stop - p)))
            return;
        p = lf ? lf + 1 : end;
    }
}

} // namespace textfile
