// A grid that shows a numeric matrix, one element per cell, with numbered row and column headings.
#pragma once

#include <QTableWidget>

class QString;

// The headings are the table's header views: the heading row and column stay in place while the matrix
// scrolls. The grid keeps no matrix of its own; showing one writes the formatted numbers into the cells.
class TMatGrid : public QTableWidget {
    Q_OBJECT
    // Show the headings; when off the matrix starts in the top-left cell.
    Q_PROPERTY(bool ElementNumber READ elementNumber WRITE setElementNumber)
    // Number the headings from 0 instead of 1.
    Q_PROPERTY(bool InitZero READ initZero WRITE setInitZero)

public:
    explicit TMatGrid(QWidget* parent = nullptr);
    ~TMatGrid() override;

    bool elementNumber() const { return elementNumber_; }
    void setElementNumber(bool on) { elementNumber_ = on; }
    bool initZero() const { return initZero_; }
    void setInitZero(bool on) { initZero_ = on; }

    // Shows `rows` x `columns` elements; element (i, j) is matrix[i * stride + j] and is formatted by
    // `format`, a printf-style conversion for one double (see controls::formatNumber).
    void Display(const float* matrix, int stride, int rows, int columns, const QString& format);
    void display(const double* matrix, int stride, int rows, int columns, const QString& format);
    // Empties every matrix cell and keeps the headings.
    void Clear();

    // The number of heading columns and rows, 1 or 0.
    int fixedColumns() const;
    int fixedRows() const;

private:
    template <typename T>
    void show(const T* matrix, int stride, int rows, int columns, const QString& format);
    void setFixedColumns(int count);
    void setFixedRows(int count);
    void setText(int row, int column, const QString& text);

    bool elementNumber_ = true;
    bool initZero_ = false;
};

namespace Matgrid {
// Makes TMatGrid known to the controls registry on the page "Samples".
void Register();
} // namespace Matgrid
