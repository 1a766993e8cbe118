// Name tools: genus readings, the old-to-new check and the species count.
#include "Uopen.h"

void TOpen::Button12Click() {}
void TOpen::Button14Click() {}
void TOpen::N15Click() {}
void TOpen::N16Click() {}
