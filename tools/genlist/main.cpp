// veradex-genlist ROWS OUTPUT [SEED]
//
// Writes a synthetic variety list of ROWS data rows (heading rows included) to OUTPUT, for benchmarks and
// scale tests: 11999 rows is the most the program holds, a million rows tests what lies beyond. The same ROWS
// and SEED (1 when not given) always write the same file. Generated lists are never committed.
#include "GenList.h"

#include "Sjis.h"
#include "TextFile.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool parse(const char* text, unsigned long long& value) {
    if (!*text || *text == '-')
        return false;
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return *end == '\0';
}

} // namespace

int main(int argc, char** argv) {
    unsigned long long rows = 0, seed = 1;
    if ((argc != 3 && argc != 4) || !parse(argv[1], rows) || (argc == 4 && !parse(argv[3], seed))) {
        std::fprintf(stderr, "usage: veradex-genlist ROWS OUTPUT [SEED]\n");
        return 2;
    }
    if (!sjis::available()) {
        std::fprintf(stderr, "veradex-genlist: the %s converter is missing\n", sjis::kCodecName);
        return 1;
    }
    const QByteArray bytes = genlist::generate(std::int64_t(rows), seed);
    if (!textfile::writeBytes(QString::fromLocal8Bit(argv[2]), bytes)) {
        std::fprintf(stderr, "veradex-genlist: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
