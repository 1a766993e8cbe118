// The list table as the grid shows it: table row 0 is the horizontal header, table rows 1.. are the model's
// rows 0... Texts are decoded for display and encoded from edits here and nowhere else.
#pragma once

#include "ListTable.h"

#include <QAbstractTableModel>

class ListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ListModel(ListTable* table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Call around every change of the table made outside the model.
    void beginChange() { beginResetModel(); }
    void endChange() { endResetModel(); }
    // A cell changed in place (same rows).
    void cellChanged(int col, int tableRow);

signals:
    // An edit held characters that code page 932 cannot hold; the cell keeps its text.
    void editRefused(const QString& unencodable);

private:
    ListTable* table_;
};
