#include "ListTable.h"

#include "Texts.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <stdexcept>

TextArena::TextArena(QByteArray base) : base_(std::move(base)) {
    if (base_.size() >= qsizetype(kAdded))
        throw std::length_error("a list file of 2 GiB or more");
}

TextArena::Span TextArena::add(QByteArrayView text) {
    if (text.isEmpty())
        return {};
    if (added_.size() + text.size() >= qsizetype(kAdded))
        throw std::length_error("list texts of 2 GiB or more");
    const auto offset = quint32(added_.size());
    added_.append(text.data(), text.size());
    return {offset | kAdded, quint32(text.size())};
}

QByteArrayView RowTexts::first(int row) const {
    return has(row) ? arena_->view(entries_[size_t(row)][0]) : QByteArrayView();
}

QByteArrayView RowTexts::second(int row) const {
    return has(row) ? arena_->view(entries_[size_t(row)][1]) : QByteArrayView();
}

void RowTexts::set(int row, QByteArrayView first, QByteArrayView second) {
    if (row < 0)
        return;
    if (size_t(row) >= entries_.size())
        entries_.resize(size_t(row) + 1);
    entries_[size_t(row)] = {arena_->add(first), arena_->add(second)};
}

void RowTexts::reset(std::shared_ptr<TextArena> arena, std::vector<std::array<TextArena::Span, 2>> entries) {
    arena_ = std::move(arena);
    entries_ = std::move(entries);
}

ListTable::ListTable() : arena_(std::make_shared<TextArena>()) {}

void ListTable::setRows(int n) {
    rows_.resize(size_t(std::max(n, 0)));
}

QByteArray ListTable::cell(int col, int r) const {
    if (r < 0 || r >= rows() || col < 0 || col > 2)
        return {};
    const Row& x = rows_[size_t(r)];
    if (col == 0 && x.numbered)
        return r == 0 ? texts::headerNumber() : rowNumberText(r);
    return arena_->view(x.cells[size_t(col)]).toByteArray();
}

QByteArrayView ListTable::text(int col, int r) const {
    if (r < 0 || r >= rows() || col < 1 || col > 2)
        return {};
    return arena_->view(rows_[size_t(r)].cells[size_t(col)]);
}

void ListTable::setCell(int col, int r, QByteArrayView text) {
    if (r < 0 || r >= rows() || col < 0 || col > 2)
        return;
    Row& x = row(r);
    x.cells[size_t(col)] = arena_->add(text);
    if (col == 0)
        x.numbered = false;
}

void ListTable::setNumbered(int r) {
    if (r < 0 || r >= rows())
        return;
    row(r).numbered = true;
    row(r).cells[0] = {};
}

bool ListTable::isNumbered(int r) const {
    return r >= 0 && r < rows() && rows_[size_t(r)].numbered;
}

void ListTable::assign(const Loaded& loaded) {
    arena_ = loaded.arena;
    rows_.assign(loaded.rows.size(), Row{});
    for (size_t i = 0; i < loaded.rows.size(); ++i) {
        Row& x = rows_[i];
        x.cells[1] = loaded.rows[i][0];
        x.cells[2] = loaded.rows[i][1];
        x.numbered = true; // row 0: the number caption
    }
}

void ListTable::removeShiftUp(int r) {
    if (r < 1 || r >= rows())
        return;
    for (size_t i = size_t(r); i + 1 < rows_.size(); ++i) {
        rows_[i].cells[1] = rows_[i + 1].cells[1];
        rows_[i].cells[2] = rows_[i + 1].cells[2];
    }
    rows_.pop_back();
}

void ListTable::sortByColumn1(int rowCount) {
    const int n = std::min(rowCount, rows() - 1);
    if (n < 2) {
        for (int r = 1; r <= n; ++r)
            setNumbered(r);
        return;
    }
    const TextArena& arena = *arena_;
    auto less = [&arena](const Row& a, const Row& b) {
        const QByteArrayView x = arena.view(a.cells[1]), y = arena.view(b.cells[1]);
        const qsizetype common = std::min(x.size(), y.size());
        const int c = common ? memcmp(x.data(), y.data(), size_t(common)) : 0;
        return c != 0 ? c < 0 : x.size() < y.size();
    };
    std::stable_sort(rows_.begin() + 1, rows_.begin() + 1 + n, less);
    for (int r = 1; r <= n; ++r)
        setNumbered(r);
}

QByteArray rowNumberText(int row) {
    char buf[16];
    const int len = snprintf(buf, sizeof buf, "%6d", row);
    return QByteArray(buf, len);
}
