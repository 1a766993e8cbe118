#include "Lists.h"

#include "GenList.h"
#include "ListFile.h"
#include "TextFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

namespace bench {
namespace {

QByteArray shuffledLines(const QByteArray& bytes) {
    std::vector<QByteArrayView> lines;
    textfile::forEachLine(bytes, [&](QByteArrayView line) {
        lines.push_back(line.endsWith('\r') ? line.chopped(1) : line);
        return true;
    });
    // Fisher-Yates with splitmix64, so the order is the same on every machine; the header stays first.
    std::uint64_t state = 42;
    auto next = [&state] {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    };
    for (size_t i = lines.size() - 1; i > 1; --i)
        std::swap(lines[i], lines[1 + size_t(next() % i)]);
    QByteArray out;
    out.reserve(bytes.size());
    for (QByteArrayView line : lines) {
        out.append(line);
        out.append('\n');
    }
    return out;
}

QString fileIn(const QString& dir, const char* stem, int rows) {
    return QDir(dir).filePath(QStringLiteral("%1-%2.csv").arg(QLatin1String(stem)).arg(rows));
}

// Removed with everything in it when the program ends.
const QString& scratchDir() {
    static QTemporaryDir dir(QDir::temp().filePath(QStringLiteral("veradex-bench-XXXXXX")));
    static const QString path = dir.isValid() ? dir.path() : QString();
    if (path.isEmpty())
        std::abort();
    return path;
}

QByteArray writeFiles(const QString& dir, int rows) {
    const QByteArray bytes = genlist::generate(rows, 1);
    if (!textfile::writeBytes(fileIn(dir, "list", rows), bytes) ||
        !textfile::writeBytes(fileIn(dir, "shuffled", rows), textfile::toCrLf(shuffledLines(bytes))))
        return {};
    return bytes;
}

} // namespace

bool writeLists(const QString& dir, int rows) {
    return !writeFiles(dir, rows).isEmpty();
}

const List& list(int rows) {
    static std::map<int, std::unique_ptr<List>> made;
    auto& slot = made[rows];
    if (slot)
        return *slot;
    slot = std::make_unique<List>();
    List& l = *slot;
    l.bytes = writeFiles(scratchDir(), rows);
    if (l.bytes.isEmpty())
        std::abort();
    l.path = fileIn(scratchDir(), "list", rows);
    l.shuffledPath = fileIn(scratchDir(), "shuffled", rows);
    const LoadResult loaded = loadListFile(l.path, l.table, l.texts);
    RowTexts unused;
    loadListFile(l.shuffledPath, l.shuffled, unused);
    l.rowCount = loaded.rowCount;
    if (l.rowCount != rows)
        std::abort();
    return l;
}

} // namespace bench
