#include "Sjis.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <mutex>
#include <stdexcept>

namespace sjis {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool isLead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrail(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}
bool isHalfWidthKana(unsigned char b) {
    return b >= 0xA1 && b <= 0xDF;
}

// Double-byte characters looked up in a table filled once from Qt's converter. Single bytes are mapped here
// directly: the converter swaps some ASCII control codes (0x1A, 0x1C, 0x7F) and drops a lone lead byte at the
// end, neither of which may happen to stored texts.
class Tables {
public:
    static const Tables& get() {
        static const Tables tables;
        return tables;
    }

    bool valid() const { return valid_; }

    // 0 where the pair does not decode.
    char16_t pair(unsigned char lead, unsigned char trail) const { return double_[index(lead, trail)]; }

    std::optional<quint16> encodeChar(char16_t c) const {
        std::lock_guard lock(mutex_);
        auto it = encoded_.constFind(c);
        if (it != encoded_.constEnd())
            return it.value() ? std::optional<quint16>(it.value()) : std::nullopt;
        quint16 code = 0;
        QStringEncoder enc(kCodecName, QStringConverter::Flag::Stateless);
        const QByteArray out = enc.encode(QStringView(&c, 1));
        if (!enc.hasError() && out.size() == 2) {
            const auto lead = static_cast<unsigned char>(out[0]);
            const auto trail = static_cast<unsigned char>(out[1]);
            // Accept only codes that decode back to the same character, so an encoded edit reads as typed.
            if (isLead(lead) && isTrail(trail) && pair(lead, trail) == c)
                code = quint16(lead << 8 | trail);
        }
        encoded_.insert(c, code);
        return code ? std::optional<quint16>(code) : std::nullopt;
    }

private:
    static constexpr int kTrails = 0xFC - 0x40 + 1;
    static int leadIndex(unsigned char lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31; }
    static int index(unsigned char lead, unsigned char trail) {
        return leadIndex(lead) * kTrails + (trail - 0x40);
    }

    Tables() {
        double_.fill(0);
        QStringDecoder probe(kCodecName, QStringConverter::Flag::Stateless);
        valid_ = probe.isValid();
        if (!valid_)
            return;
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLead(static_cast<unsigned char>(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (!isTrail(static_cast<unsigned char>(trail)))
                    continue;
                const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                QStringDecoder dec(kCodecName, QStringConverter::Flag::Stateless);
                const QString s = dec.decode(QByteArrayView(bytes, 2));
                if (!dec.hasError() && s.size() == 1 && s[0].unicode() != kReplacement &&
                    s[0].unicode() != 0x1A)
                    double_[index(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail))] =
                        s[0].unicode();
            }
        }
    }

    bool valid_ = false;
    std::array<char16_t, 60 * kTrails> double_{};
    mutable std::mutex mutex_;
    mutable QHash<char16_t, quint16> encoded_;
};

} // namespace

bool available() {
    return Tables::get().valid();
}

QString decode(QByteArrayView bytes) {
    const Tables& t = Tables::get();
    QString out;
    out.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            out.append(QChar(char16_t(b)));
        } else if (isHalfWidthKana(b)) {
            out.append(QChar(char16_t(0xFF61 + (b - 0xA1))));
        } else if (isLead(b) && i + 1 < n && isTrail(p[i + 1])) {
            // A pair without a character shows one mark for each of its two bytes.
            const char16_t c = t.pair(b, p[i + 1]);
            out.append(QChar(c ? c : kReplacement));
            if (!c)
                out.append(QChar(kReplacement));
            ++i;
        } else {
            // A lead byte without its trail; the byte after it is looked at again on its own.
            out.append(QChar(kReplacement));
        }
    }
    return out;
}

std::optional<QByteArray> encode(QStringView text, QString* unencodable) {
    const Tables& t = Tables::get();
    QByteArray out;
    out.reserve(text.size() * 2);
    QString bad;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out.append(char(c));
            continue;
        }
        if (c >= 0xFF61 && c <= 0xFF9F) {
            out.append(char(0xA1 + (c - 0xFF61)));
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            // Nothing outside the basic plane is in code page 932.
            const QString pairText = text.sliced(i, 2).toString();
            if (!bad.contains(pairText))
                bad += pairText;
            ++i;
            continue;
        }
        if (const auto code = t.valid() ? t.encodeChar(c) : std::nullopt) {
            out.append(char(*code >> 8));
            out.append(char(*code & 0xFF));
        } else if (!bad.contains(QChar(c))) {
            bad += QChar(c);
        }
    }
    if (!bad.isEmpty()) {
        if (unencodable)
            *unencodable = bad;
        return std::nullopt;
    }
    return out;
}

QByteArray constant(QStringView text) {
    auto bytes = encode(text);
    if (!bytes)
        throw std::runtime_error("text constant not representable in code page 932");
    return *bytes;
}

} // namespace sjis
