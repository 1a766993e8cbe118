#include "Uzokumei.h"

#include "Forms.h"

TZokumei* Zokumei = nullptr;

TZokumei::TZokumei(QWidget* parent) : QWidget(parent, Qt::Window) {
    Zokumei = this;
    setWindowTitle(QStringLiteral("属名Index"));
    forms::applyStyle(this, 13, forms::kNavy);
    resize(forms::clientSizeFor(282, 533));
    move(1019, 277);
    FormCreate();
}

void TZokumei::FormCreate() {}
void TZokumei::Button1Click() {
    hide();
}
void TZokumei::StringGrid1DblClick() {}
void TZokumei::FindGenusRows() {}
