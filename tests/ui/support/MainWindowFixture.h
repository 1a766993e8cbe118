// A main window started in a temporary working directory holding the data files a test writes.
#pragma once

#include "AppControl.h"
#include "FakeDialogs.h"
#include "ListGrid.h"
#include "Sjis.h"
#include "Uopen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Shift-JIS bytes of readable text.
inline QByteArray sj(const QString& text) {
    return sjis::constant(text);
}

// Lines joined with CR LF, each ended by one, encoded as Shift-JIS.
inline QByteArray crlfLines(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines)
        out += sj(l) + "\r\n";
    return out;
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        app::resetEndRequest();
    }
    void TearDown() override {
        window.reset();
        QDir::setCurrent(previous);
        app::resetEndRequest();
    }

    QString dataPath(const QString& name) const {
        return dir.filePath(QStringLiteral("リストデータ/") + name);
    }
    QString varietyPath() const { return dataPath(QStringLiteral("洋らんリスト.csv")); }
    QString historyPath() const { return dir.filePath(QStringLiteral("Initial.txt")); }

    // Writes raw bytes to a data file (creating the data folder).
    void writeData(const QString& name, const QByteArray& bytes) {
        QDir(dir.path()).mkpath(QStringLiteral("リストデータ"));
        QFile f(dataPath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void writeVariety(const QStringList& lines) {
        writeData(QStringLiteral("洋らんリスト.csv"), crlfLines(lines));
    }
    void writeHistory(const QByteArray& bytes) {
        QFile f(historyPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    TOpen& start() {
        window = std::make_unique<TOpen>();
        return *window;
    }

    // The decoded text of a grid cell.
    QString cell(int col, int row) const { return sjis::decode(window->table().cell(col, row)); }

    QTemporaryDir dir;
    QString previous;
    FakeDialogs dialogs;
    std::unique_ptr<TOpen> window;
};
