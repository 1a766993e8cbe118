// Variety lists and history files that are damaged, foreign or extreme, loaded by the main window at
// start-up. Each loads by the list file rules or is refused with its message; none writes a file, and a
// list that loads is saved back without a byte changed.
#include "MainWindowFixture.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDirIterator>

#include <unistd.h>

#include <functional>
#include <map>
#include <optional>
#include <random>

namespace {

const QString kCannotOpen = QStringLiteral("リストデータファイルがありません。");
const QString kRefused = QStringLiteral("このデータファイルはVeradexには対応していません。");

QByteArray header() {
    return sj(QStringLiteral("和名,属種名")) + "\r\n";
}

QByteArray garbage(qsizetype size, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray out(size, Qt::Uninitialized);
    for (char& c : out) {
        c = char(random() & 0xFF);
        if (c == 0x1A) // the end of a text file; tested on its own
            c = 0x1B;
    }
    return out;
}

// The data lines a text holds once its CRs are dropped: one per LF, and the text after the last LF.
int linesOf(QByteArray text) {
    text.replace('\r', "");
    return int(text.count('\n')) + (text.isEmpty() || text.endsWith('\n') ? 0 : 1);
}

class BadInput : public MainWindowFixture {
protected:
    // Every file below the working directory with a digest of its bytes.
    std::map<QString, QByteArray> snapshot() const {
        std::map<QString, QByteArray> files;
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files[path] = QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256);
        }
        return files;
    }
};

TEST_F(BadInput, ListFilesLoadByTheFormatOrAreRefused) {
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + garbage(4096, 1);
    const QByteArray noise = sj(QStringLiteral("名,")) + garbage(64 * 1024, 2);
    const QByteArray longLine = header() + "C." + QByteArray(10 * 1024 * 1024, 'a') + ",x\r\n";
    QByteArray million = header();
    for (int i = 1; i <= 1000000; ++i)
        million += "r" + QByteArray::number(i) + ",x\r\n";

    enum Outcome { Loads, Refused };
    struct Case {
        const char* name;
        QByteArray bytes;
        Outcome outcome;
        int rows = 0;
        bool savesBack = false; // a save writes the file back byte for byte
        std::function<void()> check = {};
    };
    const Case cases[] = {
        {"empty file", "", Refused},
        {"header only", header(), Loads, 0, true},
        {"header without a comma", sj(QStringLiteral("和名 属種名\r\nカトレア,C. labiata\r\n")), Refused},
        {"a picture", png, Refused},
        {"binary garbage", noise, Loads, linesOf(noise) - 1},
        {"NUL bytes", header() + QByteArray("A\0B,C\0D\r\n\0,\0\r\n", 14), Loads, 2, true,
         [this] {
             EXPECT_EQ(window->table().text(1, 1), QByteArray("A\0B", 3));
             EXPECT_EQ(window->table().text(2, 2), QByteArray("\0", 1));
         }},
        {"bytes that are not Shift-JIS", header() + "\x80\xa0\xfd,\xfe\xff\x82\r\n\x85\x40,x\r\n", Loads, 2,
         true,
         [this] {
             // One mark for each byte that does not decode, a lone lead byte at the end included.
             EXPECT_EQ(cell(1, 1), QString(3, QChar(0xFFFD)));
             EXPECT_EQ(cell(2, 1), QString(3, QChar(0xFFFD)));
             EXPECT_EQ(cell(1, 2), QString(2, QChar(0xFFFD)));
         }},
        {"UTF-8 with a byte order mark",
         "\xef\xbb\xbf" + QStringLiteral("和名,属種名\r\nカトレア,C. labiata\r\n").toUtf8(), Loads, 1, true},
        {"10 MB single line", longLine, Loads, 1, true,
         [this] { EXPECT_EQ(window->table().text(1, 1).size(), 10 * 1024 * 1024 + 2); }},
        {"10 MB single line without a comma", QByteArray(10 * 1024 * 1024, 'a'), Refused},
        {"1,000,000 rows", million, Loads, 1000000, true,
         [this] { EXPECT_EQ(cell(1, 1000000), QStringLiteral("r1000000")); }},
        // CRs are dropped wherever they stand, so CR-only line ends make one header line.
        {"CR-only line ends", sj(QStringLiteral("和名,属種名\rカトレア,C. labiata\rデンドロビウム,Den.\r")),
         Loads, 0, false,
         [this] { EXPECT_EQ(cell(2, 0), QStringLiteral("属種名カトレア,C. labiataデンドロビウム,Den.")); }},
        // 0x1A ends a text file: the rows after it are not part of the list.
        {"0x1A in the middle",
         header() + "A,B\r\n\x1a"
                    "C,D\r\n",
         Loads, 1, false},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeData(QStringLiteral("洋らんリスト.csv"), c.bytes);
        const auto before = snapshot();
        TOpen& w = start();
        EXPECT_EQ(snapshot(), before) << "loading wrote a file";
        EXPECT_FALSE(app::endRequested());
        switch (c.outcome) {
        case Loads:
            EXPECT_TRUE(dialogs.messages.isEmpty());
            EXPECT_EQ(w.rowCount(), c.rows);
            EXPECT_FALSE(w.StringGrid1->isHidden());
            break;
        case Refused:
            ASSERT_EQ(dialogs.messages.size(), 1);
            EXPECT_EQ(dialogs.messages[0].text, kRefused);
            EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("ファイルエラー"));
            EXPECT_TRUE(w.StringGrid1->isHidden());
            EXPECT_EQ(w.rowCount(), 0);
            break;
        }
        if (c.check)
            c.check();
        // The window draws whatever it holds.
        w.show();
        EXPECT_FALSE(w.grab().isNull());

        if (c.savesBack) {
            w.Button7Click();
            EXPECT_EQ(fileBytes(varietyPath()), c.bytes) << "a save changed the list";
        }
        if (c.outcome == Refused) {
            // Exit writes the history only; nothing may replace the refused file.
            w.Button1Click();
            EXPECT_EQ(fileBytes(varietyPath()), c.bytes);
        }
        window.reset();
        dialogs.messages.clear();
        app::resetEndRequest();
        QFile::remove(historyPath());
    }
}

TEST_F(BadInput, ListFilesThatCannotBeReadEndTheApplication) {
    struct Case {
        const char* name;
        std::function<void()> make;
        bool readable; // for the user running the test
    };
    const Case cases[] = {
        {"a folder in place of the file", [this] { ASSERT_TRUE(QDir().mkpath(varietyPath())); }, false},
        // Root reads a file whatever its mode bits say; anyone else cannot open it.
        {"no read permission",
         [this] {
             writeVariety({"和名,属種名", "カトレア,C. labiata"});
             ASSERT_TRUE(QFile::setPermissions(varietyPath(), {}));
         },
         geteuid() == 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        const auto before = snapshot();
        TOpen& w = start();
        if (c.readable) {
            EXPECT_TRUE(dialogs.messages.isEmpty());
            EXPECT_EQ(w.rowCount(), 1);
            EXPECT_FALSE(app::endRequested());
        } else {
            ASSERT_EQ(dialogs.messages.size(), 1);
            EXPECT_EQ(dialogs.messages[0].text, kCannotOpen);
            EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("ファイルエラー"));
            EXPECT_EQ(dialogs.messages[0].style, StyleWarning);
            EXPECT_TRUE(app::endRequested());
        }
        EXPECT_EQ(snapshot(), before) << "loading wrote a file";
        window.reset();
        dialogs.messages.clear();
        app::resetEndRequest();
        QFile::setPermissions(varietyPath(), QFile::ReadOwner | QFile::WriteOwner);
        QDir().rmdir(varietyPath());
        QFile::remove(varietyPath());
    }
}

TEST_F(BadInput, HistoryCountsBeyondTheFileOrBelowZero) {
    struct Case {
        const char* name;
        QByteArray bytes;
        std::optional<QStringList> entries; // none: whatever the bytes give, without a message
    };
    const Case cases[] = {
        {"huge count", "99999999999999999999\r\nCattleya\r\nDen.\r\n", QStringList{"Cattleya", "Den."}},
        {"count past the largest int", "2147483648\r\nOnc.\r\n", QStringList{"Onc."}},
        {"negative count", "-3\r\nCattleya\r\n", QStringList{}},
        {"huge negative count", "-99999999999999999999\r\nCattleya\r\n", QStringList{}},
        {"no count", "Cattleya\r\nDen.\r\n", QStringList{}},
        {"garbage", garbage(8192, 3), std::nullopt},
    };
    writeVariety({"和名,属種名", "カトレア,C. labiata"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeHistory(c.bytes);
        const auto before = snapshot();
        TOpen& w = start();
        EXPECT_EQ(snapshot(), before);
        EXPECT_TRUE(dialogs.messages.isEmpty());
        QStringList shown;
        for (int i = 0; i < w.ComboBox1->count(); ++i)
            shown.append(w.ComboBox1->itemText(i));
        if (c.entries) {
            EXPECT_EQ(shown, *c.entries);
        }
        window.reset();
    }
}

} // namespace
