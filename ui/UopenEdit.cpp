// Switching lists and editing the variety list.
#include "Uopen.h"

void TOpen::N10Click() {}
void TOpen::N11Click() {}
void TOpen::N12Click() {}
void TOpen::N9Click() {}
void TOpen::RadioGroup2Click() {}
void TOpen::Button4Click() {}
void TOpen::N14Click() {}
void TOpen::Button15Click() {}
void TOpen::Button7Click() {}
void TOpen::EnableListTools() {}
void TOpen::DisableListTools() {}
void TOpen::SetCopyItems() {}
