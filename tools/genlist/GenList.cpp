#include "GenList.h"

#include "KanaIndex.h"
#include "Sjis.h"
#include "Texts.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace genlist {
namespace {

// splitmix64: fully specified, unlike the standard distributions, so a seed gives the same list on every
// platform and library.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % std::uint64_t(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items) {
        return items[std::size_t(below(int(N)))];
    }

private:
    std::uint64_t state_;
};

// Morae a reading may begin with: every kana head and its voiced forms, which sort into the head's section.
constexpr std::array<const char16_t*, 65> kInitials = {
    u"ア", u"イ", u"ウ", u"エ", u"オ", u"カ", u"キ", u"ク", u"ケ", u"コ", u"サ", u"シ", u"ス",
    u"セ", u"ソ", u"タ", u"チ", u"ツ", u"テ", u"ト", u"ナ", u"ニ", u"ヌ", u"ネ", u"ノ", u"ハ",
    u"ヒ", u"フ", u"ヘ", u"ホ", u"マ", u"ミ", u"ム", u"メ", u"モ", u"ヤ", u"ユ", u"ヨ", u"ラ",
    u"リ", u"ル", u"レ", u"ロ", u"ワ", u"ガ", u"ギ", u"グ", u"ゲ", u"ゴ", u"ザ", u"ジ", u"ズ",
    u"ゼ", u"ゾ", u"ダ", u"デ", u"ド", u"バ", u"ビ", u"ブ", u"ベ", u"ボ", u"パ", u"ピ", u"プ",
};

constexpr std::array<const char16_t*, 24> kInnerOnly = {
    u"キャ", u"シュ", u"ショ", u"チョ", u"ジュ", u"リュ", u"フィ", u"ティ",
    u"ディ", u"ファ", u"フォ", u"ウィ", u"ペ",   u"ポ",   u"ヴァ", u"ニュ",
    u"ミュ", u"ビュ", u"ピュ", u"キュ", u"ギュ", u"ヒョ", u"ジェ", u"シェ",
};

constexpr std::array<const char*, 20> kOnsets = {"b", "c", "d",  "g",  "l",  "m",  "n",  "p",  "r",  "s",
                                                 "t", "v", "ph", "th", "ch", "tr", "pl", "br", "cr", "st"};
constexpr std::array<const char*, 8> kVowels = {"a", "e", "i", "o", "u", "y", "ae", "io"};
constexpr std::array<const char*, 10> kGenusEnds = {"a",     "ia",    "um",  "is",  "ella",
                                                    "anthe", "opsis", "ium", "ara", "ossum"};
constexpr std::array<const char*, 10> kEpithetEnds = {"a",     "um",  "ii",    "ana",    "iana",
                                                      "ensis", "ata", "oides", "iflora", "ophylla"};

struct Word {
    const char* latin;
    const char16_t* reading;
};
constexpr std::array<Word, 40> kGrexWords = {{
    {"Golden", u"ゴールデン"},  {"Lady", u"レディー"},       {"Spring", u"スプリング"},
    {"Dream", u"ドリーム"},     {"Princess", u"プリンセス"}, {"Star", u"スター"},
    {"Memoria", u"メモリア"},   {"Sunset", u"サンセット"},   {"Blue", u"ブルー"},
    {"Snow", u"スノー"},        {"King", u"キング"},         {"Angel", u"エンジェル"},
    {"Fire", u"ファイヤー"},    {"Little", u"リトル"},       {"Sweet", u"スイート"},
    {"Royal", u"ロイヤル"},     {"Green", u"グリーン"},      {"Moon", u"ムーン"},
    {"Magic", u"マジック"},     {"Lake", u"レイク"},         {"Red", u"レッド"},
    {"White", u"ホワイト"},     {"Pearl", u"パール"},        {"Jewel", u"ジュエル"},
    {"Valley", u"バレー"},      {"Queen", u"クイーン"},      {"Emerald", u"エメラルド"},
    {"Ruby", u"ルビー"},        {"Crystal", u"クリスタル"},  {"Harmony", u"ハーモニー"},
    {"Morning", u"モーニング"}, {"Orange", u"オレンジ"},     {"Garden", u"ガーデン"},
    {"Cherry", u"チェリー"},    {"Silver", u"シルバー"},     {"Ocean", u"オーシャン"},
    {"Sakura", u"サクラ"},      {"Yuki", u"ユキ"},           {"Hana", u"ハナ"},
    {"Kaze", u"カゼ"},
}};

// Every text encoded once; the kana head of each initial mora found as the lists find it.
struct Tables {
    std::vector<QByteArray> initials;
    std::vector<int> initialHead;
    std::vector<QByteArray> inner; // initials and the morae that only follow
    QByteArray longMark = sjis::constant(u"ー"), moraicN = sjis::constant(u"ン"),
               sokuon = sjis::constant(u"ッ");
    std::vector<QByteArray> grexReadings;

    Tables() {
        const auto& heads = kanaHeads();
        for (const char16_t* m : kInitials) {
            const QString text = QString::fromUtf16(m);
            const QString decomposed = text[0].decomposition();
            const QByteArray base = sjis::constant(decomposed.isEmpty() ? text : decomposed.first(1));
            initials.push_back(sjis::constant(text));
            initialHead.push_back(int(std::find(heads.begin(), heads.end(), base) - heads.begin()));
            inner.push_back(initials.back());
        }
        for (const char16_t* m : kInnerOnly)
            inner.push_back(sjis::constant(m));
        for (const Word& w : kGrexWords)
            grexReadings.push_back(sjis::constant(w.reading));
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

// A katakana word of `low`..`high` morae; `initial` is the index of its first mora in the initials.
QByteArray reading(Random& rnd, int low, int high, int initial) {
    const Tables& t = tables();
    QByteArray out = t.initials[std::size_t(initial)];
    const int morae = rnd.between(low, high);
    for (int i = 1; i < morae; ++i) {
        out += t.inner[std::size_t(rnd.below(int(t.inner.size())))];
        if (rnd.chance(12))
            out += t.longMark;
        else if (rnd.chance(8))
            out += t.moraicN;
        else if (i + 1 < morae && rnd.chance(4))
            out += t.sokuon;
    }
    return out;
}

QByteArray latinWord(Random& rnd, int syllables, const char* end, bool capital) {
    QByteArray out;
    for (int i = 0; i < syllables; ++i) {
        out += rnd.pick(kOnsets);
        out += rnd.pick(kVowels);
    }
    out += end;
    if (capital)
        out[0] = char(out[0] - 'a' + 'A');
    return out;
}

struct Genus {
    QByteArray reading, latin, abbrev;
    int head = 0;
};

Genus makeGenus(Random& rnd) {
    const Tables& t = tables();
    Genus g;
    const int initial = rnd.below(int(t.initials.size()));
    g.head = t.initialHead[std::size_t(initial)];
    g.reading = reading(rnd, 3, 7, initial);
    g.latin = latinWord(rnd, rnd.between(2, 3), rnd.pick(kGenusEnds), true);
    // The first letter and the next consonants, as the standard abbreviations are formed.
    g.abbrev = g.latin.first(1);
    for (qsizetype i = 1; i < g.latin.size() && g.abbrev.size() < 4; ++i)
        if (!strchr("aeiouy", g.latin[i]))
            g.abbrev += g.latin[i];
    g.abbrev += '.';
    return g;
}

struct Row {
    QByteArray line; // "col1,col2"
    qsizetype comma = 0;
    QByteArrayView first() const { return QByteArrayView(line).first(comma); }
};

Row makeRow(Random& rnd, const Genus& g) {
    const Tables& t = tables();
    QByteArray jp = g.reading + texts::fullWidthSpace();
    QByteArray latin;
    if (rnd.chance(80)) {
        jp += reading(rnd, 3, 8, rnd.below(int(t.initials.size())));
        latin = (rnd.chance(70) ? g.latin : g.abbrev) + ' ' +
                latinWord(rnd, rnd.between(2, 4), rnd.pick(kEpithetEnds), false);
    } else {
        latin = g.abbrev;
        for (int i = rnd.between(1, 3); i > 0; --i) {
            const int w = rnd.below(int(kGrexWords.size()));
            latin += ' ';
            latin += kGrexWords[std::size_t(w)].latin;
            jp += t.grexReadings[std::size_t(w)];
        }
        if (rnd.chance(25)) {
            const int w = rnd.below(int(kGrexWords.size()));
            latin += " '" + QByteArray(kGrexWords[std::size_t(w)].latin) + '\'';
            jp += texts::fullWidthSpace() + '\'' + t.grexReadings[std::size_t(w)] + '\'';
        }
    }
    return {jp + ',' + latin, jp.size()};
}

} // namespace

QByteArray generate(std::int64_t rows, std::uint64_t seed) {
    Random rnd(seed);
    // Genera of very different sizes, as in a real list: a tenth of them draws half of the rows.
    const int generaCount = int(std::clamp<std::int64_t>(rows / 8, 1, 4000));
    std::vector<Genus> genera;
    for (int i = 0; i < generaCount; ++i)
        genera.push_back(makeGenus(rnd));
    const int large = std::max(1, generaCount / 10);

    const auto& heads = kanaHeads();
    std::vector<bool> headUsed(heads.size(), false);
    std::vector<int> usedGenera;
    std::vector<Row> out;
    while (std::int64_t(out.size()) < rows) {
        int gi = rnd.chance(50) ? rnd.below(large) : rnd.below(generaCount);
        // With room for one more row only, a new section would leave its heading out.
        const bool lastRoom = std::int64_t(out.size()) + 1 == rows;
        if (lastRoom && !usedGenera.empty() && !headUsed[std::size_t(genera[std::size_t(gi)].head)])
            gi = usedGenera[std::size_t(rnd.below(int(usedGenera.size())))];
        const Genus& g = genera[std::size_t(gi)];
        if (!headUsed[std::size_t(g.head)] && rows > 1) {
            headUsed[std::size_t(g.head)] = true;
            out.push_back({heads[std::size_t(g.head)] + texts::headingMarker() + ',', 0});
            out.back().comma = out.back().line.size() - 1;
        }
        usedGenera.push_back(gi);
        out.push_back(makeRow(rnd, g));
    }

    // The order the list's sort gives: column 1 by unsigned bytes, shorter first on a common start.
    std::stable_sort(out.begin(), out.end(), [](const Row& a, const Row& b) {
        const QByteArrayView x = a.first(), y = b.first();
        const int c = memcmp(x.data(), y.data(), std::size_t(std::min(x.size(), y.size())));
        return c != 0 ? c < 0 : x.size() < y.size();
    });

    QByteArray bytes = sjis::constant(u"和名,属種名") + "\r\n";
    std::int64_t size = bytes.size();
    for (const Row& r : out)
        size += r.line.size() + 2;
    bytes.reserve(qsizetype(size));
    for (const Row& r : out) {
        bytes += r.line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace genlist
