#include "DataPaths.h"

DataPaths DataPaths::under(const QString& appDir) {
    DataPaths p;
    p.AppDir = appDir;
    p.HistoryPath = appDir + QStringLiteral("/Initial.txt");
    const QString folder = appDir + QStringLiteral("/リストデータ/");
    p.ListPaths = {folder + QStringLiteral("洋らんリスト.csv"), folder + QStringLiteral("新旧属種名対応.csv"),
                   folder + QStringLiteral("属名和名対応.csv"),
                   folder + QStringLiteral("属名インデックス.txt")};
    return p;
}

QString fileNamePart(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}
