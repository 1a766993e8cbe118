#include "Sjis.h"

#include <cstdio>

int main() {
    if (!sjis::available()) {
        std::fprintf(stderr, "veradex: the text converter \"%s\" is missing\n", sjis::kCodecName);
        return 1;
    }
    std::puts("veradex: the main window is not there yet; the list data core is built and tested.");
    return 0;
}
