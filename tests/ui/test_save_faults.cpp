// Saves that fail under the file: the list file or its folder read-only, the file system full. Each leaves
// the old file byte for byte, shows the save message, and keeps the application running with the edits.
#include "MainWindowFixture.h"

#include <QFile>
#include <QPlainTextEdit>

#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>
#include <functional>

namespace {

// A list of about 30 KB, so that the full file system below holds it once but not a second copy.
QStringList bigList() {
    QStringList lines{"和名,属種名"};
    for (int i = 0; i < 600; ++i)
        lines.append(QStringLiteral("カトレア　ラビアタ%1,C. labiata 'No. %1'").arg(i, 4, 10, QChar(u'0')));
    return lines;
}

// The data folder on a 64 KB tmpfs where the system lets this process mount one; otherwise a file size limit
// that the kernel enforces on every write of this process, which fails the save's write the same way.
class FullFileSystem {
public:
    explicit FullFileSystem(const QString& folder) : folder_(folder) {
        QDir().mkpath(folder);
        mounted_ = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~FullFileSystem() {
        release();
        if (mounted_)
            ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

    // Takes the space left: a filler file up to the end of the tmpfs, or a size limit below the list's size.
    void fill() {
        if (mounted_) {
            QFile filler(folder_ + QStringLiteral("/filler"));
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(512, 'x');
            while (filler.write(block) == block.size()) {
            }
            return;
        }
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_), 0);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = 4096;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        limited_ = true;
    }
    void release() {
        if (mounted_)
            QFile::remove(folder_ + QStringLiteral("/filler"));
        if (limited_) {
            setrlimit(RLIMIT_FSIZE, &old_);
            std::signal(SIGXFSZ, previousHandler_);
            limited_ = false;
        }
    }

private:
    QString folder_;
    bool mounted_ = false;
    bool limited_ = false;
    rlimit old_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

class SaveFaults : public MainWindowFixture {
protected:
    QStringList rows() const {
        QStringList out;
        for (int r = 1; r <= window->rowCount(); ++r)
            out.append(cell(1, r) + u'|' + cell(2, r));
        return out;
    }
    QString dataFolder() const { return dir.filePath(QStringLiteral("リストデータ")); }
};

TEST_F(SaveFaults, OldFileStaysWholeAndTheEditsStayInTheGrid) {
    struct Case {
        const char* name;
        void (TOpen::*save)();
    };
    const Case saves[] = {{"save button", &TOpen::Button7Click}, {"exit button", &TOpen::Button1Click}};
    enum Fault { ReadOnlyFile, ReadOnlyFolder, Full };
    for (const Fault fault : {ReadOnlyFile, ReadOnlyFolder, Full}) {
        for (const Case& c : saves) {
            SCOPED_TRACE(testing::Message() << "fault " << int(fault) << ", " << c.name);
            std::unique_ptr<FullFileSystem> full;
            if (fault == Full) {
                full = std::make_unique<FullFileSystem>(dataFolder());
                RecordProperty("full_file_system", full->mounted() ? "tmpfs" : "RLIMIT_FSIZE");
            }
            writeVariety(bigList());
            const QByteArray old = fileBytes(varietyPath());
            TOpen& w = start();
            w.show();
            w.Memo1->setPlainText(QStringLiteral("カトレア　ワルケリアナ"));
            w.Memo2->setPlainText(QStringLiteral("C. walkeriana"));
            w.Button4Click();
            const QStringList edited = rows();
            ASSERT_EQ(edited.size(), 601);
            dialogs.messages.clear();

            const QFile::Permissions filePerms = QFile::permissions(varietyPath());
            const QFile::Permissions folderPerms = QFile::permissions(dataFolder());
            switch (fault) {
            case ReadOnlyFile:
                ASSERT_TRUE(QFile::setPermissions(varietyPath(), QFile::ReadOwner | QFile::ReadGroup));
                break;
            case ReadOnlyFolder:
                ASSERT_TRUE(QFile::setPermissions(dataFolder(), QFile::ReadOwner | QFile::ExeOwner));
                break;
            case Full:
                full->fill();
                break;
            }
            (w.*c.save)();
            if (full)
                full->release();
            QFile::setPermissions(dataFolder(), folderPerms);
            QFile::setPermissions(varietyPath(), filePerms);

            EXPECT_EQ(fileBytes(varietyPath()), old);
            ASSERT_EQ(dialogs.messages.size(), 1);
            EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("リストデータを保存できません。"));
            EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("ファイルエラー"));
            EXPECT_EQ(dialogs.messages[0].style, StyleWarning);
            EXPECT_FALSE(app::endRequested());
            EXPECT_TRUE(w.isVisible());
            EXPECT_EQ(rows(), edited);
            // Nothing is left beside the list: no temporary file of the failed save.
            EXPECT_EQ(QDir(dataFolder()).entryList(QDir::Files),
                      QStringList{QStringLiteral("洋らんリスト.csv")});

            // With the fault gone the same edits are saved.
            w.Button7Click();
            EXPECT_EQ(dialogs.messages.size(), 2);
            EXPECT_TRUE(fileBytes(varietyPath()).endsWith(sj("カトレア　ワルケリアナ,C. walkeriana\r\n")));
            window.reset();
            full.reset();
            QFile::remove(varietyPath());
        }
    }
}

} // namespace
