#include "Sjis.h"

#include <gtest/gtest.h>

namespace {

QString u(const char16_t* s) {
    return QString::fromUtf16(s);
}

TEST(Sjis, ConverterIsAvailable) {
    EXPECT_TRUE(sjis::available());
}

TEST(Sjis, DecodesEveryByteToOneDisplayedCharacterOrAValidPair) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QString shown;
    } cases[] = {
        {"katakana", QByteArray("\x83\x41\x83\x8B", 4), u(u"アル")},
        {"ascii and half-width kana", QByteArray("A\xB1z", 3), u(u"Aｱz")},
        {"lone lead byte at the end", QByteArray("\x83\x41\x83", 3), u(u"ア\uFFFD")},
        {"unassigned pair shows one mark per byte", QByteArray("\x85\x40", 2), u(u"\uFFFD\uFFFD")},
        {"lead byte before an invalid trail", QByteArray("\x83\x0A", 2), u(u"\uFFFD\n")},
        {"bytes that are never characters", QByteArray("\x80\xA0\xFD", 3), u(u"\uFFFD\uFFFD\uFFFD")},
        {"control bytes pass unchanged", QByteArray("\x1A\x1C\x7F", 3), u(u"\u001A\u001C\u007F")},
        {"yen and backslash byte", QByteArray("\x5C", 1), u(u"\\")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sjis::decode(c.bytes), c.shown) << c.name;
}

TEST(Sjis, EncodeRefusesWhatCodePage932CannotHold) {
    QString bad;
    EXPECT_FALSE(sjis::encode(u(u"カトレア😀"), &bad));
    EXPECT_EQ(bad, u(u"😀"));
    EXPECT_FALSE(sjis::encode(u(u"é¥é"), &bad));
    EXPECT_EQ(bad, u(u"é¥"));
    const auto ok = sjis::encode(u(u"カトレア　C. labiata 'Alba'"));
    ASSERT_TRUE(ok);
    EXPECT_EQ(sjis::decode(*ok), u(u"カトレア　C. labiata 'Alba'"));
}

TEST(Sjis, EncodeThenDecodeIsIdentityForEveryDecodableCharacter) {
    // Decoding every pair gives the whole repertoire; encoding each back must give text that decodes alike.
    QString all;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            const char pair[2] = {char(lead), char(trail)};
            const QString s = sjis::decode(QByteArrayView(pair, 2));
            if (s.size() == 1)
                all += s;
        }
    }
    ASSERT_GT(all.size(), 7000);
    const auto bytes = sjis::encode(all);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(sjis::decode(*bytes), all);
}

} // namespace
