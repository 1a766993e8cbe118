// Search, history, scrolling and the index windows.
#include "Uopen.h"

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
