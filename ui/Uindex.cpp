#include "Uindex.h"

#include "Dialogs.h"
#include "Forms.h"
#include "KanaIndex.h"
#include "ListGrid.h"
#include "Sjis.h"
#include "Uopen.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

TIndex* Index = nullptr;

TIndex::TIndex(QWidget* parent) : QWidget(parent, Qt::Window) {
    Index = this;
    setWindowTitle(QStringLiteral("五十音インデックス"));
    forms::applyStyle(this, 13, forms::kBlue);
    resize(forms::clientSizeFor(359, 306));
    move(502, 323);

    Label1 = new QLabel(QStringLiteral("五十音インデックス"), this);
    Label1->setGeometry(16, 16, 117, 20);
    Label2 = new QLabel(QStringLiteral("ダブルクリックして指定"), this);
    Label2->setGeometry(192, 16, 143, 20);

    StringGrid1 = new QTableWidget(5, 10, this);
    StringGrid1->setGeometry(16, 40, 315, 185);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(30);
    StringGrid1->verticalHeader()->setDefaultSectionSize(35);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->setFocusPolicy(Qt::StrongFocus);
    QFont kana = forms::font(21);
    kana.setBold(false);
    StringGrid1->setFont(kana);

    Button1 = new QPushButton(QStringLiteral("閉じる"), this);
    Button1->setGeometry(256, 232, 75, 25);
    Button1->setFocusPolicy(Qt::StrongFocus);
    QPalette text = Button1->palette();
    text.setColor(QPalette::ButtonText, QApplication::palette().color(QPalette::WindowText));
    Button1->setPalette(text);

    QWidget::setTabOrder(StringGrid1, Button1);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, &TIndex::StringGrid1DblClick);
    connect(Button1, &QPushButton::clicked, this, &TIndex::Button1Click);
    FormCreate();
}

TIndex::~TIndex() {
    if (Index == this)
        Index = nullptr;
}

void TIndex::FormCreate() {
    const auto& heads = kanaHeads();
    for (int c = 0; c < StringGrid1->columnCount(); ++c)
        for (int r = 0; r < StringGrid1->rowCount(); ++r) {
            auto* item = new QTableWidgetItem(sjis::decode(heads[size_t(headAt(c, r))]));
            item->setTextAlignment(Qt::AlignCenter);
            StringGrid1->setItem(r, c, item);
        }
    StringGrid1->setCurrentCell(0, 0);
}

void TIndex::Button1Click() {
    hide();
}

// Only the cell's position counts, not its text, so an empty cell jumps to the marker-only heading row.
void TIndex::StringGrid1DblClick() {
    if (!Open || StringGrid1->currentRow() < 0 || StringGrid1->currentColumn() < 0)
        return;
    const size_t k = size_t(headAt(StringGrid1->currentColumn(), StringGrid1->currentRow()));
    const std::vector<int>& rows = Open->kanaRows();
    const int t = k < rows.size() ? rows[k] : 0;
    if (t < 1 || t > Open->rowCount()) {
        showMessage(this, QStringLiteral("相当するジャンプ先はありません。"),
                    QStringLiteral("ジャンプ先エラー"), StyleQuestion);
        return;
    }
    Open->JumpWithPreScroll(t);
    Open->StringGrid1->setCurrentCell(1, t);
}
