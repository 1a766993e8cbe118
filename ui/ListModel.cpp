#include "ListModel.h"

#include "Sjis.h"

ListModel::ListModel(ListTable* table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(table_->rows() - 1, 0);
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return sjis::decode(table_->cell(index.column(), index.row() + 1));
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 2)
        return {};
    return sjis::decode(table_->cell(section, 0));
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    // An editor that is closed without a change gives back the decoded text; storing it would re-encode bytes
    // that may not round-trip, so an unchanged cell keeps its bytes.
    if (text == data(index, Qt::EditRole).toString())
        return true;
    QString bad;
    const auto bytes = sjis::encode(text, &bad);
    if (!bytes) {
        emit editRefused(bad);
        return false;
    }
    table_->setCell(index.column(), index.row() + 1, *bytes);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void ListModel::cellChanged(int col, int tableRow) {
    if (tableRow == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    const QModelIndex i = index(tableRow - 1, col);
    emit dataChanged(i, i);
}
