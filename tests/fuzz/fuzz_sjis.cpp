// The Shift-JIS codec. Decoding: every byte keeps its share of the display (one column for a single byte, a
// character for a pair, one mark for each byte that does not decode), a lone lead byte at the end included.
// Encoding: every text that code page 932 can hold comes back from decoding as it was; any other text is
// refused, naming only characters that cannot be held.
#include "FuzzInput.h"
#include "Sjis.h"

#include <cstring>
#include <string>

namespace {

// The bytes a decoded character stands for.
int bytesOf(char16_t c) {
    if (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) || c == 0xFFFD)
        return 1;
    return 2;
}

void checkDecode(QByteArrayView bytes) {
    const QString text = sjis::decode(bytes);
    qsizetype covered = 0;
    for (const QChar c : text)
        covered += bytesOf(c.unicode());
    fuzz::check(covered == bytes.size());
    // A text that decoded without a mark is one code page 932 holds.
    if (!text.contains(QChar(0xFFFD))) {
        const auto encoded = sjis::encode(text);
        fuzz::check(encoded.has_value() && sjis::decode(*encoded) == text);
    }
}

void checkEncode(QStringView text) {
    QString bad;
    const auto encoded = sjis::encode(text, &bad);
    if (encoded) {
        fuzz::check(sjis::decode(*encoded) == text);
        return;
    }
    fuzz::check(!bad.isEmpty());
    // Each refused character is in the text and cannot be held on its own; a surrogate (one half of a
    // character outside the basic plane, or a stray half) never can.
    for (const QChar c : bad)
        fuzz::check(text.contains(c) && (c.isSurrogate() || !sjis::encode(QStringView(&c, 1))));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::check(sjis::available());
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkDecode(bytes);
    // The same bytes as UTF-16 text typed by the user.
    std::u16string units(size / 2, u'\0');
    memcpy(units.data(), data, units.size() * 2);
    checkEncode(QStringView(units));
    return 0;
}
