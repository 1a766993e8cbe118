#include "KanaIndex.h"

#include "Occurs.h"
#include "Texts.h"

#include <algorithm>

const std::vector<QByteArray>& kanaHeads() {
    static const std::vector<QByteArray> heads = [] {
        const char16_t* table[kKanaCount] = {
            u"ア", u"イ", u"ウ", u"エ", u"オ", u"カ", u"キ", u"ク", u"ケ", u"コ", u"サ", u"シ", u"ス",
            u"セ", u"ソ", u"タ", u"チ", u"ツ", u"テ", u"ト", u"ナ", u"ニ", u"ヌ", u"ネ", u"ノ", u"ハ",
            u"ヒ", u"フ", u"ヘ", u"ホ", u"マ", u"ミ", u"ム", u"メ", u"モ", u"ヤ", u"",   u"ユ", u"",
            u"ヨ", u"ラ", u"リ", u"ル", u"レ", u"ロ", u"ワ", u"",   u"",   u"",   u"",
        };
        std::vector<QByteArray> out;
        for (const char16_t* head : table)
            out.push_back(sjis::constant(head));
        return out;
    }();
    return heads;
}

std::vector<int> buildKanaIndex(const ListTable& table, int rowCount, int kanaCount) {
    const auto& heads = kanaHeads();
    kanaCount = std::clamp(kanaCount, 0, int(heads.size()));
    std::vector<int> rows(size_t(kanaCount), 0);
    std::vector<QByteArray> patterns;
    for (int k = 0; k < kanaCount; ++k)
        patterns.push_back(heads[size_t(k)] + texts::headingMarker());

    // Every pattern contains the marker, so only rows holding it can be heading rows: one pass over the list
    // finds them, and the patterns are tried on those rows alone, lowest row first.
    int open = kanaCount;
    const int last = std::min(rowCount, table.rows() - 1);
    for (int r = 1; r <= last && open > 0; ++r) {
        const QByteArrayView text = table.text(1, r);
        if (!occurs(texts::headingMarker(), text))
            continue;
        for (int k = 0; k < kanaCount; ++k) {
            if (rows[size_t(k)] == 0 && occurs(patterns[size_t(k)], text)) {
                rows[size_t(k)] = r;
                --open;
            }
        }
    }
    return rows;
}
