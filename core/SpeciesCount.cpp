#include "SpeciesCount.h"

#include "Sjis.h"
#include "TextFile.h"
#include "Texts.h"

#include <cstring>

namespace {

// Where the first full-width space begins, found byte-wise, or -1.
qsizetype fullWidthSpaceAt(QByteArrayView text) {
    const QByteArray& space = texts::fullWidthSpace();
    if (text.size() < space.size())
        return -1;
    const void* p = memmem(text.data(), size_t(text.size()), space.constData(), size_t(space.size()));
    return p ? static_cast<const char*>(p) - text.data() : -1;
}

} // namespace

SpeciesCount countSpecies(const RowTexts& texts, int rowCount) {
    SpeciesCount result;
    QByteArrayView current;
    for (int row = 1; row <= rowCount; ++row) {
        const QByteArrayView t = texts.first(row);
        const qsizetype at = fullWidthSpaceAt(t);
        if (at < 0)
            continue;
        const QByteArrayView g = t.first(at);
        if (!result.runs.empty() && g == current) {
            ++result.runs.back().count;
            continue;
        }
        current = g;
        result.runs.push_back({result.keys.size(), g.size(), 1});
        result.keys.append(g.data(), g.size());
    }
    return result;
}

const QByteArray& speciesGenusCaption() {
    static const QByteArray s = sjis::constant(u"\u3000\u3000\u3000属名");
    return s;
}

const QByteArray& speciesCountCaption() {
    static const QByteArray s = sjis::constant(u"\u3000\u3000\u3000種名の数");
    return s;
}

QByteArray speciesCountText(const ListTable& table, int rowCount) {
    static const QByteArray number = sjis::constant(u"\u3000番号");
    QByteArray out = number + ',' + speciesGenusCaption() + ',' + speciesCountCaption() + '\n';
    for (int row = 1; row <= rowCount; ++row) {
        out += table.cell(0, row);
        out += ',';
        out.append(table.text(1, row));
        out += ',';
        out.append(table.text(2, row));
        out += '\n';
    }
    return out;
}

bool writeSpeciesCountFile(const QString& path, const ListTable& table, int rowCount) {
    return textfile::write(path, speciesCountText(table, rowCount));
}
