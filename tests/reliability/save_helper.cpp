// Saves two versions of a list over one file, one after the other, until it is killed. Started by the test
// of a kill during a save.
#include "ListFile.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s LIST OLD-SOURCE NEW-SOURCE\n", argv[0]);
        return 2;
    }
    const QString list = QString::fromLocal8Bit(argv[1]);
    ListTable tables[2];
    RowTexts texts[2];
    int rows[2] = {};
    for (int i = 0; i < 2; ++i) {
        const LoadResult r = loadListFile(QString::fromLocal8Bit(argv[2 + i]), tables[i], texts[i]);
        if (r.status != LoadStatus::Loaded)
            return 2;
        rows[i] = r.rowCount;
    }
    std::puts("ready");
    std::fflush(stdout);
    // New, old, new, ...: wherever the kill lands, the file was last committed as one of the two.
    for (int i = 1;; i ^= 1) {
        if (!saveListFile(list, tables[i], rows[i]))
            return 1;
    }
}
