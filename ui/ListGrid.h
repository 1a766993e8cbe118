// The main list grid: fixed row heights and column widths so that a list of any length scrolls alike, a wheel
// step that moves the current row by one, and a right-click that opens the menu without moving the current
// cell.
#pragma once

#include <QTableView>

class ListGrid : public QTableView {
    Q_OBJECT
public:
    explicit ListGrid(QWidget* parent = nullptr);

    // The grid's rows as the list numbers them: row 0 is the header, data rows start at 1.
    int Row() const;
    int Col() const;
    // Moves the current cell; the view scrolls as little as needed to show it.
    void setCurrentCell(int col, int row);
    void setRow(int row) { setCurrentCell(Col(), row); }

signals:
    // A left click on a data cell (also on the current one), or any change of the current cell.
    void cellClicked();
    void rightClicked(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    int wheelRemainder_ = 0;
    bool pressed_ = false;
    bool movedDuringPress_ = false;
};
