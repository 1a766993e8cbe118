// The list as shown: rows of three cells. Row 0 is the header row; rows 1.. are data rows.
// Cell texts are Shift-JIS bytes kept in one append-only arena, so a list of a million rows costs a few
// allocations instead of millions. Column 0 of a data row usually holds its own row number; that is stored
// as a mark and formatted when read.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <memory>
#include <vector>

// Bytes shared by a table and the row copies taken from it: the file's text as read, which never moves, and
// an append-only store for texts written later. A span stays valid for the arena's whole life.
class TextArena {
public:
    struct Span {
        quint32 offset = 0; // the top bit selects the appended store
        quint32 size = 0;
    };

    TextArena() = default;
    explicit TextArena(QByteArray base);

    Span add(QByteArrayView text);
    // A span of the base text; `p` points into it.
    Span at(const char* p, qsizetype size) const { return {quint32(p - base_.constData()), quint32(size)}; }
    QByteArrayView view(Span s) const {
        const QByteArray& b = (s.offset & kAdded) ? added_ : base_;
        return QByteArrayView(b.constData() + (s.offset & ~kAdded), s.size);
    }
    const QByteArray& base() const { return base_; }

private:
    static constexpr quint32 kAdded = 0x80000000u;
    QByteArray base_;
    QByteArray added_;
};

// Copies of columns 1 and 2 of the data rows, taken when a row is loaded or added; entry i is row i.
class RowTexts {
public:
    QByteArrayView first(int row) const;
    QByteArrayView second(int row) const;
    bool has(int row) const { return row >= 0 && size_t(row) < entries_.size(); }

    void set(int row, QByteArrayView first, QByteArrayView second);
    // Entries 1..n pointing into `arena`; later entries are dropped (nothing reads past the row count
    // before an add writes that entry anew).
    void reset(std::shared_ptr<TextArena> arena, std::vector<std::array<TextArena::Span, 2>> entries);

private:
    std::shared_ptr<TextArena> arena_ = std::make_shared<TextArena>();
    std::vector<std::array<TextArena::Span, 2>> entries_;
};

class ListTable {
public:
    ListTable();

    // Number of table rows, header included.
    int rows() const { return int(rows_.size()); }
    // Shrinking drops the rows beyond; growing adds rows whose cells read empty.
    void setRows(int n);

    // The cell's text. Column 0 of a numbered row is formatted here, so this returns an owned copy.
    QByteArray cell(int col, int row) const;
    // Columns 1 and 2 without a copy; valid until the table is next changed or replaced.
    QByteArrayView text(int col, int row) const;
    void setCell(int col, int row, QByteArrayView text);
    // Column 0 of `row` shows the number of that row ("%6d"); of row 0, the caption "　 番号".
    void setNumbered(int row);
    bool isNumbered(int row) const;

    // Data rows 1..rowCount, as the load builds them.
    struct Loaded {
        std::shared_ptr<TextArena> arena;
        std::vector<std::array<TextArena::Span, 2>> rows; // index 0: the header fields
    };
    void assign(const Loaded& loaded);

    // Removes data row `row`: columns 1 and 2 of the rows below move up one row, column 0 keeps its
    // numbers, and the last row is dropped.
    void removeShiftUp(int row);
    // Puts data rows 1..rowCount in ascending unsigned byte order of column 1, equal keys keeping their
    // order, then numbers them anew.
    void sortByColumn1(int rowCount);

    const std::shared_ptr<TextArena>& arena() const { return arena_; }

private:
    struct Row {
        std::array<TextArena::Span, 3> cells;
        bool numbered = false;
    };

    Row& row(int r) { return rows_[size_t(r)]; }
    std::shared_ptr<TextArena> arena_;
    std::vector<Row> rows_;
};

// "%6d": right-aligned in six characters.
QByteArray rowNumberText(int row);
