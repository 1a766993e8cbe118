// The genus index: twenty genus names from "属名インデックス.txt", each mapped to the first list row whose
// column-1 text begins with it.
#pragma once

#include "ListTable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

inline constexpr int kGenusCount = 20;
using GenusNames = std::array<QByteArray, kGenusCount>;

// The first twenty lines of a text already in text mode, each whole without its line end; rows without a line
// stay empty.
GenusNames genusNamesOf(QByteArrayView text);

// The names of the file at `path`, or nothing when it cannot be read.
std::optional<GenusNames> readGenusIndexFile(const QString& path);

// Entry i: the lowest data row 1..rowCount whose column 1 begins with name i, or 0. An empty name begins
// every text.
std::array<int, kGenusCount> findGenusRows(const ListTable& table, int rowCount, const GenusNames& names);
