#include "NameTools.h"

#include "Occurs.h"
#include "TextFile.h"

#include <cstring>

namespace nametools {

namespace {

qsizetype find(QByteArrayView text, char c) {
    if (text.isEmpty())
        return -1;
    const auto* p = static_cast<const char*>(memchr(text.data(), c, size_t(text.size())));
    return p ? p - text.data() : -1;
}

bool holds(QByteArrayView text, char c) {
    return find(text, c) >= 0;
}

// The text up to and including its first `c`, or nothing when there is none.
std::optional<QByteArrayView> upToAndIncluding(QByteArrayView text, char c) {
    const qsizetype at = find(text, c);
    if (at < 0)
        return std::nullopt;
    return text.first(at + 1);
}

} // namespace

bool splitName(QByteArrayView text, QByteArray& genus, QByteArray& clonal, QByteArray& species,
               QByteArray& abbrev, const AbbrevLookup& lookup) {
    // A parenthesised part goes with both brackets; the spaces around it stay. Only a ")" after the "("
    // closes it, so a stray ")" in front never repeats text.
    QByteArray w = text.toByteArray();
    if (const qsizetype open = find(w, '('); open >= 0) {
        const qsizetype close = find(QByteArrayView(w).sliced(open + 1), ')');
        if (close >= 0)
            w.remove(open, close + 2);
    }

    const qsizetype space = find(w, ' ');
    if (space < 0) {
        bool ok = true;
        if (!holds(w, '.')) {
            genus = w;
            ok = lookup(genus, abbrev);
        } else {
            abbrev = w;
            genus.clear();
        }
        species.clear();
        clonal.clear();
        return ok;
    }

    const QByteArrayView first = QByteArrayView(w).first(space);
    const QByteArrayView rest = QByteArrayView(w).sliced(space + 1);
    bool ok = true;
    if (!holds(first, '.')) {
        genus = first.toByteArray();
        ok = lookup(genus, abbrev);
    } else {
        abbrev = first.toByteArray();
    }

    const qsizetype quote = find(rest, '\'');
    if (quote < 0) {
        species = rest.toByteArray();
        clonal.clear();
    } else {
        // The byte before the apostrophe is normally the space in front of the clonal name. A rest that
        // begins with the apostrophe has no species at all.
        species = rest.first(quote > 0 ? quote - 1 : 0).toByteArray();
        clonal = rest.sliced(quote).toByteArray();
    }
    return ok;
}

void findGenusAbbrev(QByteArrayView genus, QByteArrayView listText, QByteArray& abbrev) {
    if (genus.isEmpty()) {
        abbrev.clear();
        return;
    }
    bool header = true;
    textfile::forEachLine(listText, [&](QByteArrayView line) {
        if (header) {
            header = false;
            return true;
        }
        if (!occurs(genus, line))
            return true;
        const auto cut = upToAndIncluding(line, '.');
        if (!cut)
            return true; // the genus without an abbreviation on this line
        abbrev = cut->toByteArray();
        return false;
    });
}

std::optional<ListLine> findGenusReading(QByteArrayView abbrev, QByteArrayView listText) {
    std::optional<ListLine> found;
    textfile::forEachLine(listText, [&](QByteArrayView line) {
        const qsizetype comma = find(line, ',');
        if (comma < 0)
            return true;
        const QByteArrayView first = line.first(comma);
        if (!occurs(abbrev, first))
            return true;
        found = ListLine{first.toByteArray(), line.sliced(comma + 1).toByteArray()};
        return false;
    });
    return found;
}

OldNewResult findOldName(QByteArrayView abbrev, QByteArrayView species, QByteArrayView listText) {
    OldNewResult result;
    // Nothing is carried before the first old name with a "."; empty never equals a found abbreviation.
    QByteArrayView carried;
    QByteArrayView lastCut;
    bool header = true;
    textfile::forEachLine(listText, [&](QByteArrayView line) {
        if (header) {
            header = false;
            return true;
        }
        const qsizetype comma = find(line, ',');
        if (comma < 0)
            return true;
        const QByteArrayView oldName = line.first(comma);
        const QByteArrayView newName = line.sliced(comma + 1);
        if (const auto cut = upToAndIncluding(oldName, '.')) {
            carried = *cut;
            lastCut = *cut;
        } else {
            lastCut = oldName;
        }
        if (abbrev != carried)
            return true;
        if (occurs(species, oldName) || occurs(species, newName)) {
            result.match = ListLine{oldName.toByteArray(), newName.toByteArray()};
            return false;
        }
        return true;
    });
    result.oldAbbrev = lastCut.toByteArray();
    return result;
}

} // namespace nametools
