#include "Matgrid.h"

#include "ControlRegistry.h"
#include "NumberFormat.h"

#include <QFont>
#include <QHeaderView>
#include <QString>
#include <QTableWidgetItem>

namespace {

QFont gridFont() {
    // "MS Pゴシック" is rarely installed outside Windows; the next are the nearest proportional Gothic faces.
    QFont font(QStringLiteral("MS Pゴシック"), 10);
    font.setFamilies({QStringLiteral("MS Pゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAexGothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    return font;
}

} // namespace

TMatGrid::TMatGrid(QWidget* parent) : QTableWidget(parent) {
    setFixedColumns(1);
    setFixedRows(1);
    setFont(gridFont());
    verticalHeader()->setDefaultSectionSize(18);
    // The headings are padded to a fixed number of characters, which only lines up when drawn from the left.
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

TMatGrid::~TMatGrid() = default;

int TMatGrid::fixedColumns() const {
    return verticalHeader()->isHidden() ? 0 : 1;
}

int TMatGrid::fixedRows() const {
    return horizontalHeader()->isHidden() ? 0 : 1;
}

void TMatGrid::setFixedColumns(int count) {
    verticalHeader()->setHidden(count == 0);
}

void TMatGrid::setFixedRows(int count) {
    horizontalHeader()->setHidden(count == 0);
}

void TMatGrid::Display(const float* matrix, int stride, int rows, int columns, const QString& format) {
    show(matrix, stride, rows, columns, format);
}

void TMatGrid::display(const double* matrix, int stride, int rows, int columns, const QString& format) {
    show(matrix, stride, rows, columns, format);
}

template <typename T>
void TMatGrid::show(const T* matrix, int stride, int rows, int columns, const QString& format) {
    const int k = elementNumber_ ? 1 : 0;
    const int b = initZero_ ? 0 : 1;
    setFixedColumns(k);
    setFixedRows(k);
    setColumnCount(columns);
    setRowCount(rows);
    // Without headings the classic grid wrote the numbers into cells that the values then overwrote; here
    // they are simply not written.
    if (k == 1) {
        for (int i = 0; i < rows; ++i)
            setVerticalHeaderItem(i, new QTableWidgetItem(QString::asprintf("%4d", i + b)));
        for (int j = 0; j < columns; ++j)
            setHorizontalHeaderItem(j, new QTableWidgetItem(QString::asprintf("%6d", j + b)));
    }
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            const double value = matrix[qsizetype(i) * stride + j];
            setText(i, j, controls::formatNumber(format, value));
        }
    }
}

void TMatGrid::setText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column))
        cell->setText(text);
    else
        setItem(row, column, new QTableWidgetItem(text));
}

// Also the first row and column when there are no headings: they hold matrix elements then.
void TMatGrid::Clear() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (QTableWidgetItem* cell = item(row, column))
                cell->setText(QString());
        }
    }
}

namespace Matgrid {

void Register() {
    controls::registerControl({
        .className = QStringLiteral("TMatGrid"),
        .page = QStringLiteral("Samples"),
        .includeFile = QStringLiteral("Matgrid.h"),
        .description = QStringLiteral("行列を数値で表示するグリッド"),
        .create = [](QWidget* parent) -> QWidget* { return new TMatGrid(parent); },
    });
}

} // namespace Matgrid
