#include "store/file_calls.h"
#include "store/records_file.h"
#include "store/whole_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane::store {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

struct stat statOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info;
}

// Root saving or backing up a player's file must leave it the player's: a rename or a copy
// puts a new file in place.
TEST(WholeFile, RootKeepsThePlayersOwnerAndMode) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to someone else";
    }
    QTemporaryDir folder;
    const QString path = folder.filePath("result.sav");
    ASSERT_TRUE(replaceFile(path, "old"));
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);

    ASSERT_TRUE(replaceFile(path, "new"));
    ASSERT_EQ(copyToNewFile(path, path + ".bak"), path + ".bak");
    for (const QString& written : {path, path + ".bak"}) {
        const struct stat info = statOf(written);
        EXPECT_EQ(info.st_uid, 65534u) << written.toStdString();
        EXPECT_EQ(info.st_gid, 65534u) << written.toStdString();
        EXPECT_EQ(info.st_mode & 07777, 0640u) << written.toStdString();
        EXPECT_EQ(contents(written), "new");
    }
    // Nothing to keep the owner of: a file root makes in a player's folder is the player's.
    const QString players = folder.filePath("players");
    ASSERT_TRUE(QDir().mkdir(players));
    ASSERT_EQ(::chown(QFile::encodeName(players).constData(), 65534, 65534), 0);
    ASSERT_TRUE(replaceFile(players + "/result.sav", "new"));
    EXPECT_EQ(statOf(players + "/result.sav").st_uid, 65534u);
    EXPECT_EQ(statOf(players + "/result.sav").st_gid, 65534u);
}

// Nothing to take the owner and mode from: the writer must be able to read the file back.
TEST(WholeFile, ANewFileIsTheWritersToReadAndWrite) {
    QTemporaryDir folder;
    const QString path = folder.filePath("result.sav");
    ASSERT_TRUE(replaceFile(path, "new"));
    const struct stat info = statOf(path);
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_EQ(info.st_mode & 0600, 0600u);
}

// Where the folder takes no new file the records are written in place. A kill stops a save at
// some call, and nothing after it reaches the disk: wherever that is, the file holds the old
// records or the new ones, never an empty file.
TEST(WriteInPlace, ACutAtAnyCallLeavesTheOldRecordsOrTheNewOnes) {
    using fileCalls::Call;
    const SavedSettings shorter{1, 16, 16, 35, {}};
    SavedSettings longer = shorter;
    longer.bestTimes.setName(2, QString(60, QChar(0x540D)));
    struct Case {
        const char* name;
        bool growing;
        int cutAt; // the first call that fails; 3 is none
        bool newRecords;
    };
    const Case cases[] = {
        {"growing, cut writing the tail", true, 0, false},
        {"growing, cut writing over the old bytes", true, 1, false},
        {"growing, cut syncing", true, 2, true},
        {"growing, not cut", true, 3, true},
        {"shrinking, cut writing over the old bytes", false, 0, false},
        {"shrinking, cut before cutting it to length", false, 1, true},
        {"shrinking, cut syncing", false, 2, true},
        {"shrinking, not cut", false, 3, true},
    };
    QTemporaryDir folder;
    const QString path = folder.filePath("result.sav");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SavedSettings& before = c.growing ? shorter : longer;
        const SavedSettings& after = c.growing ? longer : shorter;
        ASSERT_TRUE(replaceFile(path, recordsBytes(before)));
        int calls = 0;
        fileCalls::setFault([&calls, &c](Call call) {
            return call == Call::Create ? EACCES : calls++ >= c.cutAt ? EIO : 0;
        });
        const bool written = replaceFile(path, recordsBytes(after));
        fileCalls::setFault(nullptr);
        EXPECT_EQ(written, c.cutAt == 3);
        EXPECT_EQ(settingsFrom(readRecords(path)), c.newRecords ? after : before);
    }
}

// Whatever already holds the backup's name (an earlier backup, a folder, a dangling symlink)
// is left as it is, and the copy takes the next free name.
TEST(CopyToNewFile, TakesTheFirstFreeNameAndTouchesNothingElse) {
    enum class Kind { File, Folder, DanglingLink };
    struct Case {
        const char* what;
        std::vector<Kind> taken; // .bak, .bak.1, ...
        const char* expected;
    };
    const Case cases[] = {
        {"nothing there", {}, "result.sav.bak"},
        {"an earlier backup", {Kind::File}, "result.sav.bak.1"},
        {"two earlier backups", {Kind::File, Kind::File}, "result.sav.bak.2"},
        {"a folder", {Kind::Folder}, "result.sav.bak.1"},
        {"a dangling symlink", {Kind::DanglingLink}, "result.sav.bak.1"},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        const QString path = folder.filePath("result.sav");
        ASSERT_TRUE(replaceFile(path, "damaged\r\n"));
        QStringList names;
        for (std::size_t n = 0; n < c.taken.size(); ++n) {
            names << path + ".bak" + (n == 0 ? QString() : u'.' + QString::number(n));
            switch (c.taken[n]) {
            case Kind::File:
                ASSERT_TRUE(replaceFile(names.back(), "earlier"));
                break;
            case Kind::Folder:
                ASSERT_TRUE(QDir().mkdir(names.back()));
                break;
            case Kind::DanglingLink:
                ASSERT_TRUE(QFile::link(folder.filePath("nowhere"), names.back()));
                break;
            }
        }
        EXPECT_EQ(copyToNewFile(path, path + ".bak"), folder.filePath(c.expected)) << c.what;
        EXPECT_EQ(contents(folder.filePath(c.expected)), "damaged\r\n") << c.what;
        for (std::size_t n = 0; n < c.taken.size(); ++n) {
            if (c.taken[n] == Kind::File) {
                EXPECT_EQ(contents(names[static_cast<qsizetype>(n)]), "earlier") << c.what;
            }
        }
        EXPECT_FALSE(QFileInfo::exists(folder.filePath("nowhere"))) << c.what;
    }
}

// A FIFO is never read, even one a writer feeds with a records file; and opening one never
// waits for a writer. A hang is bounded here and fails the test instead.
TEST(OpenRegularFile, NeitherWaitsForNorReadsAFifo) {
    QTemporaryDir folder;
    const QString path = folder.filePath("result.sav");
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(::mkfifo(name.constData(), 0600), 0);

    auto opening = std::async(std::launch::async, [&path] { return openRegularFile(path); });
    if (opening.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // The reader waits in open(); a writer coming and going lets it go.
        ::close(::open(name.constData(), O_WRONLY | O_NONBLOCK));
        ADD_FAILURE() << "opening a FIFO waited for a writer";
    }
    EXPECT_EQ(opening.get(), nullptr);

    // A reader end held open lets the writer in; the records wait in the pipe.
    const int holder = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
    const int writer = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, " 1 \r\n 16 \r\n", 11), 11);
    EXPECT_EQ(openRegularFile(path), nullptr);
    ::close(writer);
    ::close(holder);
}

} // namespace
} // namespace torvane::store
