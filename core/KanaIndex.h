// The kana heading rows: the first row of each kana section of a list, found by a heading pattern (the kana
// followed by "----") anywhere in column 1.
#pragma once

#include "ListTable.h"

#include <vector>

// The 50 kana heads in syllabary order, five per consonant row; six slots are empty.
const std::vector<QByteArray>& kanaHeads();
inline constexpr int kKanaCount = 50;

// Entry k: the first data row (1..rowCount) whose column 1 holds head k followed by "----", or 0. An empty
// head's pattern is the marker alone.
std::vector<int> buildKanaIndex(const ListTable& table, int rowCount, int kanaCount = kKanaCount);
