// Where the data files are, relative to the working directory at start-up.
#pragma once

#include <QString>

#include <array>

struct DataPaths {
    QString AppDir;
    QString HistoryPath;
    // 0 variety list, 1 old and new names, 2 genus readings, 3 genus index
    std::array<QString, 4> ListPaths;

    static DataPaths under(const QString& appDir);
};

// The text after the last "/", for the file name label.
QString fileNamePart(const QString& path);
