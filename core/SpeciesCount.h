// The number of rows per genus: the genus of a row is its Japanese name up to the first full-width space,
// since the list writes a genus reading, a full-width space and a species reading. Counted in runs of
// consecutive rows with the same genus, in the order the rows were loaded and added.
#pragma once

#include "ListTable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

struct SpeciesCount {
    struct Run {
        qsizetype offset = 0; // of the genus in `keys`
        qsizetype size = 0;
        int count = 0;
    };
    QByteArray keys; // the genera of all runs, one after another
    std::vector<Run> runs;

    QByteArrayView genus(size_t run) const {
        return QByteArrayView(keys).sliced(runs[run].offset, runs[run].size);
    }
};

// Counts the first texts of rows 1..rowCount. A row without a full-width space is passed over and does not
// break the run around it.
SpeciesCount countSpecies(const RowTexts& texts, int rowCount);

// Captions of the count view's columns 1 and 2.
const QByteArray& speciesGenusCaption();
const QByteArray& speciesCountCaption();

// The count file's text with LF line ends: a header line, then cells 0, 1 and 2 of rows 1..rowCount, each
// line "a,b,c".
QByteArray speciesCountText(const ListTable& table, int rowCount);

// Writes that text with CR LF line ends, replacing `path` only once all of it is written.
bool writeSpeciesCountFile(const QString& path, const ListTable& table, int rowCount);
