#include "History.h"

#include "TextFile.h"

#include <cctype>
#include <limits>

namespace {

// Leading white space, an optional sign, then digits; anything else reads as 0. Saturates instead of
// overflowing.
long long leadingNumber(QByteArrayView line) {
    qsizetype i = 0;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
        negative = line[i++] == '-';
    long long value = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        if (value < std::numeric_limits<int>::max())
            value = value * 10 + (line[i] - '0');
    }
    return negative ? -value : value;
}

} // namespace

QList<QByteArray> parseHistory(QByteArrayView text) {
    QList<QByteArray> entries;
    long long count = -1;
    textfile::forEachLine(text, [&](QByteArrayView line) {
        if (count < 0) {
            count = leadingNumber(line);
            return count > 0;
        }
        entries.append(line.toByteArray());
        return entries.size() < count;
    });
    return entries;
}

QList<QByteArray> readHistoryFile(const QString& path) {
    const auto text = textfile::read(path);
    return text ? parseHistory(*text) : QList<QByteArray>{};
}

bool writeHistoryFile(const QString& path, const QList<QByteArray>& entries) {
    QByteArray text = QByteArray::number(entries.size()) + '\n';
    for (const QByteArray& e : entries) {
        text += e;
        text += '\n';
    }
    return textfile::write(path, text);
}
