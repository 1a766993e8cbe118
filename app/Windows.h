// The application's six windows, created in their order, each complete before the next: the main window
// has loaded its list before the genus index window reads the genus index file it names.
#pragma once

#include "Uhelp.h"
#include "Uhowto.h"
#include "Uindex.h"
#include "Uopen.h"
#include "Uversion.h"
#include "Uzokumei.h"

#include <memory>

struct Windows {
    std::unique_ptr<TOpen> open;
    std::unique_ptr<TIndex> index;
    std::unique_ptr<TVersion> version;
    std::unique_ptr<THowTo> howTo;
    std::unique_ptr<THelp> help;
    std::unique_ptr<TZokumei> zokumei;

    static Windows create() {
        Windows w;
        w.open = std::make_unique<TOpen>();
        w.index = std::make_unique<TIndex>();
        w.version = std::make_unique<TVersion>();
        w.howTo = std::make_unique<THowTo>();
        w.help = std::make_unique<THelp>();
        w.zokumei = std::make_unique<TZokumei>();
        return w;
    }
};
