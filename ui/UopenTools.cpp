// Name tools: genus readings, the old-to-new check and the species count.
#include "Uopen.h"

#include "ListGrid.h"
#include "ListModel.h"
#include "NameTools.h"
#include "Picture.h"
#include "Sjis.h"
#include "SpeciesCount.h"
#include "TextFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <cstdio>

using nametools::AbbrevPart;
using nametools::ClonalPart;
using nametools::GenusPart;
using nametools::OldAbbrevPart;
using nametools::SpeciesPart;

namespace {

void scrollUpOneLine(QPlainTextEdit* memo) {
    memo->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
}

void showLines(QPlainTextEdit* memo, const QStringList& lines) {
    memo->clear();
    for (const QString& line : lines)
        memo->appendPlainText(line);
}

} // namespace

std::optional<QByteArray> TOpen::readNameList(int kind) {
    const QString& path = Paths.ListPaths[size_t(kind)];
    if (auto text = textfile::read(path))
        return text;
    showMessage(this, QStringLiteral("%1を読み込めません。").arg(fileNamePart(path)),
                QStringLiteral("ファイルエラー"), StyleWarning);
    return std::nullopt;
}

bool TOpen::FindGenusAbbrev(QByteArrayView genus, QByteArray& abbrev) {
    if (genus.isEmpty()) {
        abbrev.clear();
        return true;
    }
    const auto list = readNameList(2);
    if (!list)
        return false;
    nametools::findGenusAbbrev(genus, *list, abbrev);
    return true;
}

bool TOpen::SplitName(QByteArrayView text, QByteArray& genus, QByteArray& clonal, QByteArray& species,
                      QByteArray& abbrev) {
    return nametools::splitName(text, genus, clonal, species, abbrev,
                                [this](QByteArrayView g, QByteArray& a) { return FindGenusAbbrev(g, a); });
}

// The Japanese reading of the genus of the current cell, or of the search box when "窓" is checked.
void TOpen::Button12Click() {
    QByteArray source;
    if (CheckBox1->isChecked()) {
        if (const int chosen = selectedHistoryIndex(); chosen >= 0) {
            source = ComboBox1->itemData(chosen).toByteArray();
        } else {
            QString unencodable;
            const auto encoded = sjis::encode(ComboBox1->currentText(), &unencodable);
            if (!encoded) {
                showMessage(this,
                            QStringLiteral("「%1」はシフトJISにない文字のため属名を調べられません。")
                                .arg(unencodable),
                            QStringLiteral("入力エラー"), StyleWarning);
                return;
            }
            source = *encoded;
        }
    } else if (StringGrid1->Row() >= 1) {
        source = table_.cell(StringGrid1->Col(), StringGrid1->Row());
    }

    for (size_t part : {GenusPart, AbbrevPart, SpeciesPart, ClonalPart})
        NameParts[part].clear();
    if (!SplitName(source, NameParts[GenusPart], NameParts[ClonalPart], NameParts[SpeciesPart],
                   NameParts[AbbrevPart]))
        return;
    if (NameParts[AbbrevPart].isEmpty()) {
        showMessage(this, QStringLiteral("属名省略形がみつかりません。"), QStringLiteral("属名エラー"),
                    StyleWarning);
        return;
    }

    const auto list = readNameList(2);
    if (!list)
        return;
    const auto found = nametools::findGenusReading(NameParts[AbbrevPart], *list);
    if (!found) {
        showMessage(this, QStringLiteral("該当する和名はありません"), QStringLiteral("属名和名変換"),
                    StyleWarning);
        return;
    }
    showLines(Memo1, {sjis::decode(found->first)});
    showLines(Memo2, {sjis::decode(found->second)});
}

// Whether the Latin name of the current row has been revised, by the old-and-new list.
void TOpen::Button14Click() {
    HideMarks();
    // Without a data row (an empty view) there is no name, never the header's caption.
    const int row = StringGrid1->Row();
    const QByteArray s = row >= 1 ? table_.cell(2, row) : QByteArray();
    for (size_t part : {GenusPart, AbbrevPart, SpeciesPart, ClonalPart})
        NameParts[part].clear();
    if (!SplitName(s, NameParts[GenusPart], NameParts[ClonalPart], NameParts[SpeciesPart],
                   NameParts[AbbrevPart]))
        return;
    if (NameParts[AbbrevPart].isEmpty()) {
        showMessage(this, QStringLiteral("対応する属名（省略形）が見つかりません。"),
                    QStringLiteral("属名不明"), StyleWarning);
        return;
    }

    const auto list = readNameList(1);
    if (!list)
        return;
    nametools::OldNewResult result =
        nametools::findOldName(NameParts[AbbrevPart], NameParts[SpeciesPart], *list);
    NameParts[OldAbbrevPart] = std::move(result.oldAbbrev);

    if (result.match) {
        showLines(Memo1, {QStringLiteral("旧属種名"), sjis::decode(result.match->first)});
        scrollUpOneLine(Memo1);
        showLines(Memo2, {QStringLiteral("新属種名"), sjis::decode(result.match->second)});
        scrollUpOneLine(Memo2);
        Good->show();
    } else {
        showLines(Memo1, {QStringLiteral("属種名の変更はありません。"), sjis::decode(s)});
        scrollUpOneLine(Memo1);
        Memo2->clear();
        scrollUpOneLine(Memo2);
        Bad->show();
    }
}

// The rows of each genus, counted in the order the rows were loaded and added, shown in place of the list.
void TOpen::N15Click() {
    ListKind = 4;
    const SpeciesCount count = countSpecies(RowTexts_, RowCount);
    const int runs = int(count.runs.size());
    const int col = StringGrid1->Col();

    model_->beginChange();
    table_.setRows(runs + 1);
    table_.setCell(1, 0, speciesGenusCaption());
    table_.setCell(2, 0, speciesCountCaption());
    for (int out = 1; out <= runs; ++out) {
        table_.setNumbered(out);
        table_.setCell(1, out, count.genus(size_t(out - 1)));
        char number[16];
        const int len = snprintf(number, sizeof number, "%d", count.runs[size_t(out - 1)].count);
        table_.setCell(2, out, QByteArrayView(number, len));
    }
    model_->endChange();
    RowCount = runs;

    DisableListTools();
    showRowCount();
    StringGrid1->setCurrentCell(col, 1);
    SearchRow = 1;
    Label5->setText(QStringLiteral("属別種名カウント"));
    Label5->adjustSize();
    N16->setEnabled(true);
}

// Writes what the count view shows to a file the user names.
void TOpen::N16Click() {
    const auto path = Dialogs::instance().saveFileName(this, SaveDialog1);
    if (!path)
        return;
    if (!writeSpeciesCountFile(*path, table_, RowCount)) {
        // N16 stays enabled so that another name or folder can be tried.
        showMessage(this, QStringLiteral("%1に属別種名カウントを保存できません。").arg(fileNamePart(*path)),
                    QStringLiteral("ファイルエラー"), StyleWarning);
        return;
    }
    N16->setEnabled(false);
    showRowCount();
}
