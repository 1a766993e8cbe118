#include "Uzokumei.h"

#include "Dialogs.h"
#include "Forms.h"
#include "ListGrid.h"
#include "Sjis.h"
#include "Uopen.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

TZokumei* Zokumei = nullptr;

TZokumei::TZokumei(QWidget* parent) : QWidget(parent, Qt::Window) {
    Zokumei = this;
    setWindowTitle(QStringLiteral("属名Index"));
    forms::applyStyle(this, 13, forms::kNavy);
    resize(forms::clientSizeFor(282, 533));
    move(1019, 277);

    Label1 = new QLabel(QStringLiteral("属名インデックス"), this);
    Label1->setGeometry(32, 8, 104, 20);

    StringGrid1 = new QTableWidget(kGenusCount, 1, this);
    StringGrid1->setGeometry(21, 32, 233, 425);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->setColumnWidth(0, 228);
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->setWordWrap(false);
    StringGrid1->setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < kGenusCount; ++i)
        StringGrid1->setItem(i, 0, new QTableWidgetItem);
    StringGrid1->setCurrentCell(0, 0);

    Label2 = new QLabel(QStringLiteral("ﾀﾞﾌﾞﾙｸﾘｯｸして指定"), this);
    Label2->setGeometry(40, 464, 115, 20);
    Button1 = new QPushButton(QStringLiteral("閉じる"), this);
    Button1->setGeometry(176, 464, 75, 25);
    Button1->setFocusPolicy(Qt::StrongFocus);

    QWidget::setTabOrder(Button1, StringGrid1);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, &TZokumei::StringGrid1DblClick);
    connect(Button1, &QPushButton::clicked, this, &TZokumei::Button1Click);
    FormCreate();
}

TZokumei::~TZokumei() {
    if (Zokumei == this)
        Zokumei = nullptr;
}

void TZokumei::FormCreate() {
    const std::optional<GenusNames> names =
        Open ? readGenusIndexFile(Open->paths().ListPaths[3]) : std::nullopt;
    if (!names) {
        showMessage(this, QStringLiteral("属名インデックス.txtがみつかりません。"),
                    QStringLiteral("ファイルエラー"), StyleWarning);
        return;
    }
    for (int i = 0; i < kGenusCount; ++i) {
        QTableWidgetItem* item = StringGrid1->item(i, 0);
        const QByteArray& n = (*names)[size_t(i)];
        item->setText(sjis::decode(n));
        // The bytes are kept beside the shown text, which need not encode back to them.
        item->setData(Qt::UserRole, n);
    }
}

QByteArray TZokumei::name(int i) const {
    const QTableWidgetItem* item = StringGrid1->item(i, 0);
    return item ? item->data(Qt::UserRole).toByteArray() : QByteArray();
}

void TZokumei::FindGenusRows() {
    if (!Open || Open->listKind() != 0)
        return;
    GenusNames names;
    for (int i = 0; i < kGenusCount; ++i)
        names[size_t(i)] = name(i);
    GenusRows = findGenusRows(Open->table(), Open->rowCount(), names);
}

void TZokumei::Button1Click() {
    hide();
}

void TZokumei::StringGrid1DblClick() {
    if (!Open || Open->listKind() != 0)
        return;
    const int i = StringGrid1->currentRow();
    if (i < 0 || i >= kGenusCount)
        return;
    // An entry may be 0 (no row begins with the name) or, after rows were deleted at the end while the
    // window stayed open, beyond the last row: neither is a row to jump to.
    const int t = GenusRows[size_t(i)];
    if (t < 1 || t > Open->rowCount()) {
        showMessage(this, QStringLiteral("相当するジャンプ先はありません。"),
                    QStringLiteral("ジャンプ先エラー"), StyleQuestion);
        return;
    }
    Open->JumpWithPreScroll(t);
}
