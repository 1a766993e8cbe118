// Shift-JIS constants of the program, written here as readable text and encoded once.
#pragma once

#include "Sjis.h"

namespace texts {

// "　" (81 40): between a genus reading and its species, and between the two names of a copied pair.
inline const QByteArray& fullWidthSpace() {
    static const QByteArray s = sjis::constant(u"\u3000");
    return s;
}

// Column 0 of the header row: a full-width space, an ASCII space, then 番号.
inline const QByteArray& headerNumber() {
    static const QByteArray s = sjis::constant(u"\u3000 番号");
    return s;
}

// Follows the kana of a heading row in column 1.
inline const QByteArray& headingMarker() {
    static const QByteArray s("----");
    return s;
}

} // namespace texts
