#include "ListGrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QWheelEvent>

ListGrid::ListGrid(QWidget* parent) : QTableView(parent) {
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(24);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFixedHeight(24);
    horizontalHeader()->setStretchLastSection(false);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

int ListGrid::Row() const {
    return currentIndex().isValid() ? currentIndex().row() + 1 : 0;
}
int ListGrid::Col() const {
    return currentIndex().isValid() ? currentIndex().column() : 0;
}

void ListGrid::setCurrentCell(int col, int row) {
    if (!model() || row < 1 || row > model()->rowCount())
        return;
    const QModelIndex target = model()->index(row - 1, std::clamp(col, 0, 2));
    if (target == currentIndex())
        return;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    scrollTo(target, QAbstractItemView::EnsureVisible);
}

void ListGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current == previous || !current.isValid())
        return;
    movedDuringPress_ = pressed_;
    emit cellClicked();
}

void ListGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The menu acts on the current row, so the right button leaves it where it is.
        event->accept();
        emit rightClicked(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        movedDuringPress_ = false;
    }
    QTableView::mousePressEvent(event);
}

void ListGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    // A click on the cell that was already current moves nothing but still counts as a click.
    if (!movedDuringPress_ && indexAt(event->position().toPoint()).isValid())
        emit cellClicked();
}

void ListGrid::wheelEvent(QWheelEvent* event) {
    wheelRemainder_ += event->angleDelta().y();
    int steps = wheelRemainder_ / 120;
    wheelRemainder_ -= steps * 120;
    event->accept();
    if (!model() || model()->rowCount() == 0)
        return;
    // Each step moves the current row by one, like the arrow keys.
    for (; steps != 0; steps += steps > 0 ? -1 : 1) {
        const int next = Row() + (steps > 0 ? -1 : 1);
        if (next >= 1 && next <= model()->rowCount())
            setCurrentCell(Col(), next);
    }
}
