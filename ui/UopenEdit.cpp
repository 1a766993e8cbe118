// Switching lists and editing the variety list.
#include "Uopen.h"

#include "AppControl.h"
#include "ListGrid.h"
#include "ListModel.h"
#include "RadioGroup.h"
#include "Sjis.h"
#include "Uindex.h"
#include "Uzokumei.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

bool TOpen::ShowList(int kind) {
    ExternalList = false;
    ListKind = kind;
    if (!LoadList())
        return false;
    BuildKanaIndex();
    if (kind == 0) {
        EnableListTools();
        N16->setEnabled(false);
    } else {
        DisableListTools();
    }
    return true;
}

void TOpen::N10Click() {
    ShowList(0);
}

void TOpen::N11Click() {
    ShowList(1);
}

void TOpen::N12Click() {
    ShowList(2);
}

// An external list keeps the kind shown before, and with it the tools, N16 and the copy items.
void TOpen::N9Click() {
    const bool wasExternal = ExternalList;
    ExternalList = true;
    if (!LoadList()) {
        // Nothing was loaded: either the end is on its way, or the dialog was cancelled where no own file
        // could stand in (the species count), which leaves the view as it was.
        if (!app::endRequested())
            ExternalList = wasExternal;
        return;
    }
    BuildKanaIndex();
}

void TOpen::RadioGroup2Click() {
    const int item = RadioGroup2->ItemIndex();
    if (item < 0 || item > 2 || item == ListItem)
        return;
    ListItem = item;
    if (!ShowList(item))
        return;
    SetCopyItems();
}

void TOpen::EnableListTools() {
    for (QPushButton* b : {Button14, Button15, Button4, Button7, BitBtn1, BitBtn2})
        b->setEnabled(true);
    N15->setEnabled(true);
}

void TOpen::DisableListTools() {
    for (QPushButton* b : {Button14, Button15, Button4, Button7, BitBtn1, BitBtn2})
        b->setEnabled(false);
    N15->setEnabled(false);
    if (Index)
        Index->hide();
    if (Zokumei)
        Zokumei->hide();
    N16->setEnabled(false);
}

void TOpen::SetCopyItems() {
    switch (ListKind) {
    case 0:
        RadioGroup1->setItems({QStringLiteral("和名"), QStringLiteral("属種名"), QStringLiteral("両方")});
        break;
    case 1:
        RadioGroup1->setItems(
            {QStringLiteral("旧属種名"), QStringLiteral("新属種名"), QStringLiteral("両方")});
        break;
    case 2:
        RadioGroup1->setItems({QStringLiteral("属名"), QStringLiteral("和名"), QStringLiteral("両方")});
        break;
    default:
        break;
    }
    RadioGroup1->setItemIndex(2);
}

std::optional<QByteArray> TOpen::memoFirstLine(QPlainTextEdit* memo, const QString& title) {
    // The first line of text, however the memo wraps it on screen.
    const QString text = memo->toPlainText();
    const auto end = std::find_if(text.begin(), text.end(), [](QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
    QString unencodable;
    std::optional<QByteArray> line = sjis::encode(QStringView(text).first(end - text.begin()), &unencodable);
    if (!line)
        showMessage(this,
                    QStringLiteral(
                        "「%1」はリストに保存できない文字です（シフトJISにない文字）。行は追加されません。")
                        .arg(unencodable),
                    title, StyleWarning);
    return line;
}

void TOpen::restoreCurrentRow(int col, int row, int previousRow) {
    if (row == previousRow) {
        const QSignalBlocker quiet(StringGrid1);
        StringGrid1->setCurrentCell(col, row);
    } else {
        StringGrid1->setCurrentCell(col, row);
    }
}

void TOpen::Button4Click() {
    const QString title = QStringLiteral("データ追加");
    if (ListKind != 0 || ExternalList) {
        showMessage(this, QStringLiteral("このリストにデータを追加することはできません。"), title,
                    StyleWarning);
        return;
    }
    const std::optional<QByteArray> first = memoFirstLine(Memo1, title);
    if (!first)
        return;
    const std::optional<QByteArray> second = memoFirstLine(Memo2, title);
    if (!second)
        return;

    const int col = StringGrid1->Col();
    const int n = RowCount + 1;
    model_->beginChange();
    RowCount = n;
    table_.setRows(n + 1);
    RowTexts_.set(n, *first, *second);
    table_.setNumbered(n);
    table_.setCell(1, n, *first);
    table_.setCell(2, n, *second);
    model_->endChange();
    StringGrid1->setCurrentCell(col, n);
    showRowCount();
}

void TOpen::N14Click() {
    const QString title = QStringLiteral("行データ削除");
    const int r = StringGrid1->Row();
    // The grid keeps at least one data row below its header.
    if (RowCount < 1 || r < 1 || r > RowCount) {
        showMessage(this, QStringLiteral("削除できるデータ行がありません。"), title, StyleWarning);
        return;
    }
    if (RowCount == 1) {
        showMessage(this, QStringLiteral("リストの最後の1行は削除できません。"), title, StyleWarning);
        return;
    }
    if (showMessage(this, QStringLiteral("%1行のデータを削除しますか？").arg(r), title,
                    StyleQuestionCancel) != Answer::Ok)
        return;

    const int col = StringGrid1->Col();
    model_->beginChange();
    table_.removeShiftUp(r);
    RowCount -= 1;
    table_.setRows(RowCount + 1);
    model_->endChange();
    restoreCurrentRow(col, std::min(r, RowCount), r);
    BuildKanaIndex();
    showRowCount();
}

void TOpen::SortRows() {
    model_->beginChange();
    table_.sortByColumn1(RowCount);
    model_->endChange();
}

void TOpen::Button15Click() {
    const bool hidden = StringGrid1->isHidden();
    const int col = StringGrid1->Col();
    const int row = StringGrid1->Row();
    StringGrid1->hide();
    SortRows();
    BuildKanaIndex();
    if (Zokumei)
        Zokumei->FindGenusRows();
    // A list that was refused stays out of sight.
    if (!hidden)
        StringGrid1->show();
    if (row >= 1 && row <= RowCount)
        restoreCurrentRow(col, row, row);
    showRowCount();
}

void TOpen::Button7Click() {
    if (ListKind != 0 || ExternalList || !ListSavable) {
        showMessage(this, QStringLiteral("このリストの変更データを保存することはできません。"),
                    QStringLiteral("ファイル保存不可"), StylePlain);
    } else if (SaveList()) {
        showMessage(this, QStringLiteral("リストデータを洋らんリスト.csvに保存しました。"),
                    QStringLiteral("ファイル保存"), StylePlain);
    }
    showRowCount();
}
