// A save of a large list killed at random points: afterwards the file holds the old or the new list, whole.
#include "ListFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// About 5 MB of rows in CR LF lines; `edition` changes every row, so a torn file matches neither version.
QByteArray largeList(int edition) {
    QByteArray out = "name,latin\r\n";
    for (int i = 0; i < 120000; ++i)
        out += "Cattleya labiata " + QByteArray::number(i) + ",C. labiata 'edition " +
               QByteArray::number(edition) + "'\r\n";
    return out;
}

TEST(KillDuringSave, FileIsAlwaysTheOldOrTheNewListWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString list = dir.filePath(QStringLiteral("洋らんリスト.csv"));
    const QString oldSource = dir.filePath(QStringLiteral("old-source"));
    const QString newSource = dir.filePath(QStringLiteral("new-source"));
    const QByteArray oldList = largeList(1);
    const QByteArray newList = largeList(2);
    put(oldSource, oldList);
    put(newSource, newList);
    put(list, oldList);

    // Kills spread over a few saves' time, measured here, so they land before, during and after a commit.
    ListTable table;
    RowTexts texts;
    const LoadResult loaded = loadListFile(newSource, table, texts);
    ASSERT_EQ(loaded.status, LoadStatus::Loaded);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(saveListFile(dir.filePath(QStringLiteral("timing")), table, loaded.rowCount));
    const qint64 saveMicros = std::max<qint64>(clock.nsecsElapsed() / 1000, 1000);
    QFile::remove(dir.filePath(QStringLiteral("timing")));

    std::mt19937 random(20261211);
    std::uniform_int_distribution<qint64> delay(0, 3 * saveMicros);
    int sawOld = 0, sawNew = 0, leftovers = 0;
    constexpr int kKills = 60;
    for (int i = 0; i < kKills; ++i) {
        SCOPED_TRACE(i);
        QProcess helper;
        helper.start(QStringLiteral(VERADEX_SAVE_HELPER), {list, oldSource, newSource});
        ASSERT_TRUE(helper.waitForStarted(10000));
        ASSERT_TRUE(helper.waitForReadyRead(60000)) << "the helper did not load its lists";
        ASSERT_EQ(helper.readLine().trimmed(), "ready");
        QThread::usleep(static_cast<unsigned long>(delay(random)));
        helper.kill();
        ASSERT_TRUE(helper.waitForFinished(10000));
        ASSERT_EQ(helper.exitStatus(), QProcess::CrashExit) << "the helper stopped before it was killed";

        const QByteArray now = bytesOf(list);
        ASSERT_TRUE(now == oldList || now == newList) << "torn file of " << now.size() << " bytes";
        (now == oldList ? sawOld : sawNew)++;
        // A kill between writing and committing may leave the temporary file of that save beside the list;
        // it is never the list itself.
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            if (name.startsWith(QStringLiteral("洋らんリスト.csv.")) && QFile::remove(dir.filePath(name)))
                ++leftovers;
    }
    RecordProperty("old_after_kill", sawOld);
    RecordProperty("new_after_kill", sawNew);
    RecordProperty("temporary_files_left", leftovers);
    EXPECT_GT(sawNew, 0) << "no kill came after a completed save";
}

} // namespace
