#include "Uindex.h"

#include "Forms.h"

TIndex* Index = nullptr;

TIndex::TIndex(QWidget* parent) : QWidget(parent, Qt::Window) {
    Index = this;
    setWindowTitle(QStringLiteral("五十音インデックス"));
    forms::applyStyle(this, 13, forms::kBlue);
    resize(forms::clientSizeFor(359, 306));
    move(502, 323);
    FormCreate();
}

void TIndex::FormCreate() {}
void TIndex::Button1Click() {
    hide();
}
void TIndex::StringGrid1DblClick() {}
