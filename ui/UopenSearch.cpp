// Search, history, scrolling and the index windows.
#include "Uopen.h"

#include "Forms.h"
#include "ListGrid.h"
#include "Picture.h"
#include "Search.h"
#include "Sjis.h"
#include "Uindex.h"
#include "Uzokumei.h"

#include <QAction>
#include <QComboBox>
#include <QTimer>

namespace {

const QString kEdge = QStringLiteral("データ端");

} // namespace

int TOpen::selectedHistoryIndex() const {
    const int i = ComboBox1->currentIndex();
    return i >= 0 && ComboBox1->itemText(i) == ComboBox1->currentText() ? i : -1;
}

void TOpen::RememberSearchText(const QByteArray& text) {
    for (int i = 0; i < ComboBox1->count(); ++i)
        if (ComboBox1->itemData(i).toByteArray() == text)
            return;
    insertHistoryEntry(text);
}

void TOpen::Button3Click() {
    // An entry chosen from the history is searched with its own bytes, which need not decode.
    QByteArray pattern;
    if (const int chosen = selectedHistoryIndex(); chosen >= 0) {
        pattern = ComboBox1->itemData(chosen).toByteArray();
    } else {
        QString unencodable;
        const auto encoded = sjis::encode(ComboBox1->currentText(), &unencodable);
        if (!encoded) {
            showMessage(this,
                        QStringLiteral("「%1」はシフトJISにない文字のため検索できません。").arg(unencodable),
                        QStringLiteral("入力エラー"), StyleWarning);
            return;
        }
        pattern = *encoded;
    }
    RememberSearchText(pattern);
    HideMarks();
    if (StringGrid1->Row() == RowCount) {
        showMessage(this, QStringLiteral("最終データです。"), QStringLiteral("最終データ"), StyleWarning);
        return;
    }
    const SearchHit hit = findDown(table_, pattern, SearchRow, RowCount);
    if (hit.found()) {
        StringGrid1->setRow(hit.row);
        StringGrid1->setCurrentCell(hit.col, hit.row);
        SearchRow = hit.row + 1;
        Good->show();
        return;
    }
    Bad->show();
    showMessage(this, QStringLiteral("最後まで検索しましたが見つかりません"), QStringLiteral("検索エラー"),
                StyleWarning);
    SearchRow = 1;
}

void TOpen::N7Click() {
    const int i = selectedHistoryIndex();
    if (i < 0)
        return;
    const QString edit = ComboBox1->currentText();
    ComboBox1->removeItem(i);
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(edit);
}

void TOpen::N8Click() {
    const QString edit = ComboBox1->currentText();
    ComboBox1->clear();
    ComboBox1->setEditText(edit);
}

void TOpen::ComboBox1Exit() {
    StringGrid1->setRow(1);
}

void TOpen::BtnUpClick() {
    int r = StringGrid1->Row() - 15;
    const bool top = r < 1;
    if (top)
        r = 1;
    StringGrid1->setRow(r);
    SearchRow = r;
    if (top)
        Bad->show();
}

void TOpen::BtnDownClick() {
    const int t = StringGrid1->Row() + 15;
    if (t >= RowCount) {
        StringGrid1->setRow(RowCount);
        Bad->show();
        return;
    }
    JumpWithPreScroll(t);
    SearchRow = t;
}

void TOpen::Button8Click() {
    StringGrid1->setRow(1);
    SearchRow = 1;
}

void TOpen::Button9Click() {
    StringGrid1->setRow(RowCount);
    SearchRow = RowCount;
}

// The two arrows share the one timer; each toggles its own flag, so a press on an arrow whose flag is still
// set from an earlier run stops the timer instead of starting it.
void TOpen::Image5Click() {
    ScrollDown = true;
    DownRunning = !DownRunning;
    if (!DownRunning)
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
}

void TOpen::Image4Click() {
    ScrollDown = false;
    UpRunning = !UpRunning;
    if (!UpRunning)
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
}

void TOpen::Timer1Timer() {
    const int r = StringGrid1->Row();
    // The timer stops before the message opens, so that no tick arrives while it is shown.
    if (r <= 1 && !ScrollDown) {
        Bad->show();
        Timer1->stop();
        showMessage(this, QStringLiteral("これより上にデータはありません。"), kEdge, StyleWarning);
    } else if (r >= RowCount && ScrollDown) {
        Bad->show();
        Timer1->stop();
        showMessage(this, QStringLiteral("これより下にデータはありません。"), kEdge, StyleWarning);
    } else {
        StringGrid1->setRow(ScrollDown ? r + 1 : r - 1);
    }
}

void TOpen::setScrollSpeed(QAction* item, int milliseconds) {
    for (QAction* a : {N50ms1, N100ms1, N2001})
        a->setChecked(a == item);
    Timer1->setInterval(milliseconds);
}

void TOpen::N50ms1Click() {
    setScrollSpeed(N50ms1, 100);
}
void TOpen::N100ms1Click() {
    setScrollSpeed(N100ms1, 150);
}
void TOpen::N2001Click() {
    setScrollSpeed(N2001, 300);
}

void TOpen::BitBtn1Click() {
    if (Index)
        forms::showModeless(Index);
}

void TOpen::BitBtn2Click() {
    if (!Zokumei)
        return;
    Zokumei->FindGenusRows();
    forms::showModeless(Zokumei);
}
