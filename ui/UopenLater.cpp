// Handlers whose operations are still to come.
#include "Uopen.h"

void TOpen::N10Click() {}
void TOpen::N11Click() {}
void TOpen::N12Click() {}
void TOpen::N9Click() {}
void TOpen::RadioGroup2Click() {}
void TOpen::Button3Click() {}
void TOpen::N7Click() {}
void TOpen::N8Click() {}
void TOpen::ComboBox1Exit() {}
void TOpen::BtnUpClick() {}
void TOpen::BtnDownClick() {}
void TOpen::Button8Click() {}
void TOpen::Button9Click() {}
void TOpen::Image4Click() {}
void TOpen::Image5Click() {}
void TOpen::Timer1Timer() {}
void TOpen::N50ms1Click() {}
void TOpen::N100ms1Click() {}
void TOpen::N2001Click() {}
void TOpen::BitBtn1Click() {}
void TOpen::BitBtn2Click() {}
void TOpen::Button4Click() {}
void TOpen::N14Click() {}
void TOpen::Button15Click() {}
void TOpen::Button7Click() {}
void TOpen::Button12Click() {}
void TOpen::Button14Click() {}
void TOpen::N15Click() {}
void TOpen::N16Click() {}
void TOpen::N5Click() {}
void TOpen::N6Click() {}
void TOpen::Image2Click() {}
