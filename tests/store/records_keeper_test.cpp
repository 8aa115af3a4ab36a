#include "store/file_calls.h"
#include "store/records_keeper.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <map>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace torvane::store {
namespace {

using namespace Qt::StringLiterals;
using Cause = RecordsProblem::Cause;
using Kind = RecordsProblem::Kind;

const SavedSettings firstRun{1, 16, 16, 35, {}};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Permission bits do not bind root, its effective ids do: as root these steps run as nobody.
struct AsPlayer {
    explicit AsPlayer(bool asPlayer = true) : root(asPlayer && ::geteuid() == 0) {
        EXPECT_TRUE(!root || (::setegid(65534) == 0 && ::seteuid(65534) == 0));
    }
    ~AsPlayer() { EXPECT_TRUE(!root || (::seteuid(0) == 0 && ::setegid(0) == 0)); }
    const bool root;
};

// The player is nobody when the tests run as root, else whoever runs them.
const uid_t playerId = ::geteuid() == 0 ? 65534 : ::geteuid();

bool giveTo(uid_t owner, const QString& path) {
    return ::lchown(QFile::encodeName(path).constData(), owner, owner) == 0;
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

SavedSettings withRecord(SavedSettings settings, int level, const QString& time,
                         const QString& name) {
    settings.bestTimes.setTime(level, time);
    settings.bestTimes.setName(level, name);
    return settings;
}

class RecordsKeeperTest : public testing::Test {
  protected:
    void SetUp() override {
        // Traversable for the player; only root may add files here.
        ASSERT_EQ(::chmod(QFile::encodeName(folder_.path()).constData(), 0755), 0);
    }
    RecordsKeeper keeperOf(const QString& path) const { return RecordsKeeper({path, path}); }

    QTemporaryDir folder_;
    const QString path_ = folder_.filePath("result.sav");
};

// Two copies open at once, each setting a record; B closes last. Both records stay, and on
// one level the better one: a strictly shorter time, or on a tie the one already in the file.
TEST_F(RecordsKeeperTest, TwoCopiesOnOneFileBothKeepTheirRecords) {
    struct Case {
        const char* what;
        int levelA;
        const char* timeA;
        int levelB;
        const char* timeB;
        const char* holders; // of levels 0, 1, 2: A, B or - for nobody
    };
    const Case cases[] = {
        {"different levels", 0, "10", 2, "20", "A-B"},
        {"same level, B shorter", 1, "30", 1, "20", "-B-"},
        {"same level, A shorter", 1, "20", 1, "30", "-A-"},
        {"same level, a tie", 1, "25", 1, "25", "-A-"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(writeRecords(path_, firstRun));
        RecordsKeeper a = keeperOf(path_);
        RecordsKeeper b = keeperOf(path_);
        const SavedSettings startA{a.readLevel().level, 8, 8, 10, a.readBestTimes()};
        const SavedSettings startB{b.readLevel().level, 30, 16, 99, b.readBestTimes()};
        a.save(withRecord(startA, c.levelA, c.timeA, "A"));
        const BestTimes shown = b.save(withRecord(startB, c.levelB, c.timeB, "B"));

        const SavedSettings inFile = settingsFrom(readRecords(path_));
        EXPECT_EQ(inFile.fieldWidth, 30) << c.what; // the level and size are the last writer's
        EXPECT_EQ(shown, inFile.bestTimes) << c.what;
        for (int level = 0; level < 3; ++level) {
            const char holder = c.holders[level];
            EXPECT_EQ(inFile.bestTimes.name(level),
                      holder == '-' ? u"匿名"_s : QString(QLatin1Char(holder)))
                << c.what << ", level " << level;
            EXPECT_EQ(inFile.bestTimes.time(level), holder == 'A'   ? c.timeA
                                                    : holder == 'B' ? c.timeB
                                                                    : "999")
                << c.what << ", level " << level;
        }
    }
}

// The win is saved with the offered name, then again with the typed one: the tie is this
// copy's own record, so the typed name replaces the offered one.
TEST_F(RecordsKeeperTest, ANameTypedAfterTheWinReplacesTheOfferedOne) {
    RecordsKeeper keeper = keeperOf(path_);
    const SavedSettings start{keeper.readLevel().level, 16, 16, 35, keeper.readBestTimes()};
    keeper.save(withRecord(start, 0, "10", u"无名菜鸟"_s));
    keeper.save(withRecord(start, 0, "10", u"张三"_s));
    EXPECT_EQ(settingsFrom(readRecords(path_)).bestTimes.name(0), u"张三"_s);
}

// A player whose editor adds a byte order mark twice keeps both damaged files.
TEST_F(RecordsKeeperTest, ASecondDamagedFileKeepsTheFirstBackup) {
    const QByteArray first = "\xEF\xBB\xBF" + recordsBytes(withRecord(firstRun, 0, "7", "ann"));
    const QByteArray second = "\xEF\xBB\xBF" + recordsBytes(firstRun);
    for (const QByteArray& damaged : {first, second}) {
        put(path_, damaged);
        RecordsKeeper keeper = keeperOf(path_);
        keeper.save(firstRun);
        EXPECT_EQ(keeper.takeProblem(), std::nullopt);
    }
    EXPECT_EQ(contents(path_ + ".bak"), first);
    EXPECT_EQ(contents(path_ + ".bak.1"), second);
    EXPECT_EQ(contents(path_), recordsBytes(firstRun));
}

// A damaged file that cannot be copied aside (a full disk; a size limit stops root too) still
// holds the only copy of its records: it stays as it is all session, and that is told once.
TEST_F(RecordsKeeperTest, AFailedBackupLeavesTheFileAloneAllSession) {
    const QByteArray damaged = "\xEF\xBB\xBF" + recordsBytes(firstRun) + QByteArray(100000, 'x');
    put(path_, damaged);
    RecordsKeeper keeper = keeperOf(path_);

    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit limit = oldLimit;
    limit.rlim_cur = 2000; // room for the new file, not for the copy
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    testing::internal::CaptureStderr();
    keeper.save(firstRun);
    const std::string told = testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldSignal);

    const std::optional<RecordsProblem> problem = keeper.takeProblem();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->kind, Kind::NotBackedUp);
    EXPECT_EQ(problem->cause, Cause::NoSpace);
    EXPECT_EQ(problem->path, path_);
    EXPECT_EQ(problem->reason, "File too large");
    EXPECT_NE(told.find(path_.toStdString()), std::string::npos) << told;
    EXPECT_NE(told.find("File too large"), std::string::npos) << told;

    keeper.save(firstRun); // with room again: still not over the damaged file
    EXPECT_EQ(keeper.takeProblem(), std::nullopt);
    EXPECT_EQ(contents(path_), damaged);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"result.sav"});
}

// Nowhere to keep the records: no per-user folder, a data folder that is a file or that the
// player cannot write, a folder that takes no file, something at the path that is no regular
// file. Each is told once, naming the place, the reason and its cause, and nothing lands
// anywhere else, "/" least of all.
TEST_F(RecordsKeeperTest, NowhereToSaveIsToldOnce) {
    const QString file = folder_.filePath("file");
    ASSERT_TRUE(writeRecords(file, firstRun));
    for (const char* locked : {"home", "locked", "folder.sav"}) {
        ASSERT_TRUE(QDir(folder_.path()).mkdir(locked));
        ASSERT_EQ(::chmod(QFile::encodeName(folder_.filePath(locked)).constData(), 0555), 0);
    }
    const QString fifo = folder_.filePath("fifo.sav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
    struct Case {
        const char* what;
        QString write;
        Kind kind;
        QString path;
        const char* reason;
        Cause cause;
    };
    const QString inFile = file + "/Torvane", inHome = folder_.filePath("home/Torvane"),
                  locked = folder_.filePath("locked/result.sav"),
                  folder = folder_.filePath("folder.sav");
    const Case cases[] = {
        {"no per-user folder", {}, Kind::NoFolder, {}, "HOME", Cause::NoFolder},
        {"a data folder that is a file", inFile + "/result.sav", Kind::NoFolder, inFile,
         "Not a directory", Cause::NoFolder},
        {"an unwritable home", inHome + "/result.sav", Kind::NoFolder, inHome, "Permission denied",
         Cause::PermissionDenied},
        {"a folder that takes no file", locked, Kind::NotWritten, locked, "Permission denied",
         Cause::PermissionDenied},
        {"a folder at the path", folder, Kind::NotWritten, folder, "a folder stands there",
         Cause::NotRegularFile},
        {"a FIFO at the path", fifo, Kind::NotWritten, fifo, "a FIFO stands there",
         Cause::NotRegularFile},
    };
    for (const Case& c : cases) {
        AsPlayer player;
        RecordsKeeper keeper({{}, c.write});
        keeper.readLevel();
        keeper.save(firstRun);
        keeper.save(firstRun);
        const std::optional<RecordsProblem> problem = keeper.takeProblem();
        ASSERT_TRUE(problem) << c.what;
        EXPECT_EQ(problem->kind, c.kind) << c.what;
        EXPECT_EQ(problem->path, c.path) << c.what;
        EXPECT_TRUE(problem->reason.contains(c.reason))
            << c.what << ": " << problem->reason.toStdString();
        EXPECT_EQ(problem->cause, c.cause) << c.what;
        EXPECT_EQ(keeper.takeProblem(), std::nullopt) << c.what;
    }
    EXPECT_FALSE(QFileInfo::exists("/result.sav"));
    EXPECT_EQ(contents(file), recordsBytes(firstRun));
}

// A save writes a new file beside the old one and renames it; where the folder takes no new
// file, the file itself is still writable and gets the records.
TEST_F(RecordsKeeperTest, AWritableFileInAReadOnlyFolderIsWrittenInPlace) {
    const QString locked = folder_.filePath("locked");
    const QString path = locked + "/result.sav";
    ASSERT_TRUE(QDir().mkdir(locked));
    ASSERT_TRUE(writeRecords(path, firstRun));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
    const SavedSettings played = withRecord({0, 8, 8, 10, {}}, 0, "9", "ann");
    {
        AsPlayer player;
        RecordsKeeper keeper = keeperOf(path);
        keeper.save(played);
        EXPECT_EQ(keeper.takeProblem(), std::nullopt);
    }
    EXPECT_EQ(contents(path), recordsBytes(played));
    EXPECT_EQ(QDir(locked).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"result.sav"});
}

using Files = std::map<QString, QByteArray>;

Files filesIn(const QString& folder) {
    Files files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        files[name] = contents(folder + u'/' + name);
    }
    return files;
}

// Two starts of a copy that sets a record in a folder holding what it holds: what it finds,
// what it is told (once a start) and what the folder holds afterwards. A save stopped at one
// call loses nothing and still shows the merged table; a backup that could not be synced is no
// backup, and one made is not made again; an empty or a read-only file gets none; an installed
// copy's first start is its own file's; what killed saves left goes at start-up.
TEST_F(RecordsKeeperTest, TwoStartsLeaveTheFolderAsTheyShould) {
    using fileCalls::Call;
    const SavedSettings played = withRecord(firstRun, 0, "9", "A"); // B's record came later
    const QByteArray theirs = recordsBytes(withRecord(firstRun, 2, "20", "B"));
    const QByteArray broken = "\xEF\xBB\xBF" + theirs, mine = recordsBytes(played);
    const QByteArray both = recordsBytes(withRecord(played, 2, "20", "B"));
    const QString sav = "result.sav", beside = "beside.sav";
    enum Flags { None = 0, FirstStart = 1, ReadOnly = 2 }; // read-only: the player's, mode 0444
    struct Case {
        const char* name;
        Files before;
        std::optional<Call> failing; // with ENOSPC
        int flags;
        std::optional<Cause> told;
        Files after;
    };
    // One row a line.
    // clang-format off
    const Case cases[] = {
        {"an empty file", {{sav, ""}}, {}, FirstStart, {}, {{sav, mine}}},
        {"an old file beside it", {{beside, theirs}}, {}, FirstStart, {},
         {{beside, theirs}, {sav, mine}}},
        {"another copy's record", {{sav, theirs}}, {}, None, {}, {{sav, both}}},
        {"the rename fails", {{sav, theirs}}, Call::Rename, None, Cause::NoSpace, {{sav, theirs}}},
        {"a backup's sync fails", {{sav, broken}}, Call::Sync, None, Cause::NoSpace,
         {{sav, broken}}},
        {"a damaged file's rename fails", {{sav, broken}}, Call::Rename, None, Cause::NoSpace,
         {{sav, broken}, {sav + ".bak", broken}}},
        {"a damaged read-only file", {{sav, broken}}, {}, ReadOnly, Cause::PermissionDenied,
         {{sav, broken}}},
        {"what killed saves left", {{sav, theirs}, {sav + ".new.a1B2c3", ""},
         {sav + ".QwErTy", ""}, {sav + ".Backup", ""}, {sav + ".backup", ""}}, {}, None, {},
         {{sav, both}, {sav + ".Backup", ""}, {sav + ".backup", ""}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        for (const auto& [name, bytes] : c.before) {
            put(folder.filePath(name), bytes);
        }
        if (c.flags & ReadOnly) {
            ASSERT_TRUE(giveTo(playerId, folder.path()) && giveTo(playerId, folder.filePath(sav)));
            ASSERT_EQ(::chmod(QFile::encodeName(folder.filePath(sav)).constData(), 0444), 0);
        }
        for (int start = 0; start < 2; ++start) {
            const AsPlayer playing(c.flags & ReadOnly);
            const QString own = folder.filePath(sav);
            RecordsKeeper keeper({c.before.count(beside) ? folder.filePath(beside) : own, own});
            keeper.readLevel();
            EXPECT_EQ(keeper.firstStart(), (c.flags & FirstStart) && start == 0);
            fileCalls::setFault([&c](Call call) { return call == c.failing ? ENOSPC : 0; });
            const BestTimes shown = keeper.save(played);
            keeper.save(played);
            fileCalls::setFault(nullptr);
            const std::optional<RecordsProblem> problem = keeper.takeProblem();
            EXPECT_EQ(problem ? std::optional(problem->cause) : std::nullopt, c.told);
            const bool merged = c.before.count(sav) != 0 && c.before.at(sav) == theirs;
            EXPECT_EQ(shown.name(2), merged ? u"B"_s : u"匿名"_s);
        }
        EXPECT_EQ(filesIn(folder.path()), c.after);
    }
}

// Copy B reads the file, then stalls before its rename (a slow disk, a debugger) while copy A
// sets a record: A waits until B has written, then merges into that. Both records stay.
TEST_F(RecordsKeeperTest, ACopyStalledInItsSaveCostsNoOtherCopyItsRecord) {
    ASSERT_TRUE(writeRecords(path_, firstRun));
    RecordsKeeper a = keeperOf(path_);
    RecordsKeeper b = keeperOf(path_);
    const auto stalled = std::this_thread::get_id();
    std::future<BestTimes> aSaved;
    fileCalls::setFault([&](fileCalls::Call call) {
        if (call == fileCalls::Call::Rename && std::this_thread::get_id() == stalled &&
            !aSaved.valid()) {
            aSaved = std::async(std::launch::async,
                                [&a] { return a.save(withRecord(firstRun, 0, "10", "A")); });
            aSaved.wait_for(std::chrono::milliseconds(300)); // long enough for A, unless it waits
        }
        return 0;
    });
    b.save(withRecord({2, 30, 16, 80, {}}, 2, "20", "B"));
    aSaved.wait();
    fileCalls::setFault(nullptr);
    const BestTimes inFile = settingsFrom(readRecords(path_)).bestTimes;
    EXPECT_EQ(inFile.name(0), "A");
    EXPECT_EQ(inFile.name(2), "B");
}

// A lock that another copy holds past the wait, on a lock file or, in a folder that takes none,
// on the file itself, is a failed write, told; this copy's records stay for its next save. A
// lock file left by a copy that died holds nothing back.
TEST_F(RecordsKeeperTest, ALockHeldTooLongIsAFailedWrite) {
    enum class Holder { LiveCopy, DeadCopy, LiveCopyOnTheFile };
    const struct {
        const char* name;
        Holder holder;
    } cases[] = {{"a live copy's lock file", Holder::LiveCopy},
                 {"a dead copy's lock file", Holder::DeadCopy},
                 {"a live copy's lock on the file itself", Holder::LiveCopyOnTheFile}};
    const SavedSettings played = withRecord(firstRun, 0, "9", "ann");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString path = folder.filePath("result.sav");
        ASSERT_TRUE(writeRecords(path, firstRun));
        QLockFile lockFile(path + ".lock");
        const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (c.holder == Holder::LiveCopy) {
            ASSERT_TRUE(lockFile.tryLock(0));
        } else if (c.holder == Holder::DeadCopy) {
            const pid_t dead = ::fork();
            if (dead == 0) {
                ::_exit(0);
            }
            ASSERT_EQ(::waitpid(dead, nullptr, 0), dead);
            put(path + ".lock", QByteArray::number(dead) + "\ntorvane\n\n");
        } else {
            ASSERT_EQ(::flock(file, LOCK_EX), 0);
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
            ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0555), 0);
        }
        const AsPlayer playing(c.holder == Holder::LiveCopyOnTheFile);
        RecordsKeeper keeper = keeperOf(path);
        keeper.setLockWait(std::chrono::milliseconds(200));
        EXPECT_EQ(keeper.save(played), played.bestTimes);
        const bool saved = c.holder == Holder::DeadCopy;
        const std::optional<RecordsProblem> problem = keeper.takeProblem();
        EXPECT_EQ(problem ? std::optional(problem->cause) : std::nullopt,
                  saved ? std::nullopt : std::optional(Cause::Locked));
        EXPECT_EQ(contents(path), recordsBytes(saved ? played : firstRun));
        lockFile.unlock();
        ::close(file);
        keeper.save(played);
        EXPECT_EQ(contents(path), recordsBytes(played));
    }
}

// Copy A wins and saves the offered name; B saves a level, so it holds that record too; A saves
// the name typed; B saves again. B's tie is no longer what the file holds: the typed name stays.
TEST_F(RecordsKeeperTest, ANameTypedInAnotherCopyStays) {
    ASSERT_TRUE(writeRecords(path_, firstRun));
    RecordsKeeper a = keeperOf(path_);
    RecordsKeeper b = keeperOf(path_);
    const SavedSettings startA{a.readLevel().level, 16, 16, 35, a.readBestTimes()};
    const SavedSettings startB{b.readLevel().level, 8, 8, 10, b.readBestTimes()};
    a.save(withRecord(startA, 0, "10", u"无名菜鸟"_s));
    const SavedSettings bHolds{0, 8, 8, 10, b.save(startB)};
    a.save(withRecord(startA, 0, "10", u"张三"_s));
    b.save(bHolds);
    EXPECT_EQ(settingsFrom(readRecords(path_)).bestTimes.name(0), u"张三"_s);
}

// A symlink at the records path is followed only when it is the player's own or root's; another
// user's is neither read nor written through, and a dangling one makes no file outside the
// records folder. What is not followed is told.
TEST_F(RecordsKeeperTest, ALinkIsFollowedOnlyWhenItsOwnerCanBeTrusted) {
    const struct {
        const char* name;
        uid_t owner;
        bool byPlayer;
        const char* target; // from the records folder
        bool followed;
    } cases[] = {
        {"another user's link, in a run as root", playerId, false, "../else/target", false},
        {"root's link", 0, true, "../else/target", true},
        {"the player's own link", playerId, true, "../else/target", true},
        {"the player's own link to nothing outside", playerId, true, "../else/nothing", false},
        {"the player's own link to nothing in the folder", playerId, true, "nothing", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (::geteuid() != 0 && !c.byPlayer) {
            continue; // only root runs as someone else than the link's owner
        }
        QTemporaryDir scratch;
        ASSERT_EQ(::chmod(QFile::encodeName(scratch.path()).constData(), 0755), 0);
        const QString path = scratch.filePath("records/result.sav");
        const QString target = scratch.filePath("records/") + c.target;
        ASSERT_TRUE(QDir(scratch.path()).mkdir("records") && QDir(scratch.path()).mkdir("else"));
        put(scratch.filePath("else/target"), recordsBytes(withRecord(firstRun, 0, "7", "held")));
        ASSERT_TRUE(QFile::link(c.target, path));
        for (const char* owned : {"records", "else", "else/target"}) {
            ASSERT_TRUE(::geteuid() != 0 || giveTo(playerId, scratch.filePath(owned)));
        }
        ASSERT_TRUE(::geteuid() != 0 || giveTo(c.owner, path)); // else all is the player's
        const QByteArray before = contents(target);
        const AsPlayer playing(c.byPlayer);
        RecordsKeeper keeper = keeperOf(path);
        const SavedSettings start{keeper.readLevel().level, 16, 16, 35, keeper.readBestTimes()};
        keeper.save(start);
        EXPECT_EQ(keeper.takeProblem().has_value(), !c.followed);
        EXPECT_TRUE(QFileInfo(path).isSymLink());
        EXPECT_EQ(contents(target), c.followed ? recordsBytes(start) : before);
        EXPECT_EQ(start.bestTimes.name(0) == "held", c.followed && before != "<unreadable>");
    }
}

} // namespace
} // namespace torvane::store
