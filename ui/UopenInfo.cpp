// The information windows.
#include "Uopen.h"

#include "Forms.h"
#include "Uhelp.h"
#include "Uhowto.h"
#include "Uversion.h"

void TOpen::N5Click() {
    if (HowTo)
        forms::showModeless(HowTo);
}

void TOpen::N6Click() {
    if (Version)
        forms::showModeless(Version);
}

void TOpen::Image2Click() {
    if (Help)
        forms::showModeless(Help);
}
