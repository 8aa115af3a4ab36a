#include "store/records_lock.h"
#include "store/records_store.h"
#include "store/testing/records_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace torvane::store {
namespace {

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using Kind = RecordsProblem::Kind;
using testing::contents;
using testing::firstRunFile;
using testing::put;
using testing::withRecord;

const PlayedField intermediate{};
const PlayedField beginner{0, 8, 8, 8};

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

struct stat statOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info;
}

void setMode(const QString& path, mode_t mode) {
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

// The table a start-up read and a first use give.
BestTimes tableAt(const QString& path) {
    RecordsStore store({path, path});
    store.readAtStartUp();
    return store.bestTimes();
}

class RecordsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { setMode(folder_.path(), 0755); }
    RecordsStore started() const {
        RecordsStore store({path_, path_}, 100ms);
        store.readAtStartUp();
        return store;
    }
    // A folder the player may read but not add files to, holding a file the player may write.
    QString lockedFolderWith(const QByteArray& bytes) const {
        const QString locked = folder_.filePath("locked");
        EXPECT_TRUE(QDir().mkpath(locked));
        put(locked + "/result.sav", bytes);
        setMode(locked + "/result.sav", 0666);
        setMode(locked, 0555);
        return locked + "/result.sav";
    }

    QTemporaryDir folder_;
    const QString path_ = folder_.filePath("result.sav");
};

// Two copies open at once, each setting a record; B saves last. Both records stay, and on one
// level the better one: a strictly shorter time, or on a tie the one already in the file.
TEST_F(RecordsStoreTest, CopiesOnOneFileKeepTheBetterRecordOfEachLevel) {
    const struct {
        const char* name;
        game::Win a, b;
        Record beginner, expert;
    } cases[] = {
        {"other levels", {game::Beginner, 40}, {game::Expert, 90}, {"40", "a"}, {"90", "b"}},
        {"B faster", {game::Beginner, 40}, {game::Beginner, 30}, {"30", "b"}, {}},
        {"B slower", {game::Beginner, 30}, {game::Beginner, 40}, {"30", "a"}, {}},
        {"a tie keeps A's", {game::Beginner, 40}, {game::Beginner, 40}, {"40", "a"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path_);
        RecordsStore a = started();
        RecordsStore b = started();
        EXPECT_TRUE(a.recordWin(beginner, c.a, "a").recordTaken);
        const RecordsStore::Saved saved = b.recordWin(beginner, c.b, "b");
        EXPECT_EQ(saved.bestTimes.record(game::Beginner), c.beginner);
        EXPECT_EQ(saved.bestTimes.record(game::Expert), c.expert);
        EXPECT_EQ(tableAt(path_), saved.bestTimes);
        EXPECT_EQ(a.keepField(intermediate).bestTimes, saved.bestTimes) << "A sees B's too";
    }
}

// A record this copy could not save yet meets the file's: the shorter time stays, compared as
// seconds ("9" beats "10"), and on a tie the one already in the file.
TEST_F(RecordsStoreTest, ARecordNotYetSavedMeetsTheFilesOne) {
    const struct {
        const char* name;
        int unsaved, inFile;
        Record kept;
    } cases[] = {{"a tie", 40, 40, {"40", "a"}}, {"shorter by seconds", 9, 10, {"9", "b"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path_);
        RecordsStore b = started();
        {
            const RecordsLock other(path_, 0ms);
            b.recordWin(beginner, {game::Beginner, c.unsaved}, "b");
        }
        started().recordWin(beginner, {game::Beginner, c.inFile}, "a");
        EXPECT_EQ(b.keepField(beginner).bestTimes.record(0), c.kept);
    }
}

// The holder's name follows its record, in this copy or another, and only its own record.
TEST_F(RecordsStoreTest, ANameGoesToItsOwnRecord) {
    RecordsStore a = started();
    const game::Win win{game::Intermediate, 50};
    EXPECT_EQ(a.recordWin(intermediate, win, u"无名菜鸟"_s).bestTimes.name(1), u"无名菜鸟"_s);
    RecordsStore b = started();
    EXPECT_EQ(b.bestTimes().name(1), u"无名菜鸟"_s);
    {
        const RecordsLock other(path_, 0ms); // the name waits for A's next save
        EXPECT_EQ(a.nameHolder(intermediate, win, "ann").bestTimes.record(1),
                  (Record{"50", "ann"}));
    }
    EXPECT_EQ(a.keepField(intermediate).bestTimes.record(1), (Record{"50", "ann"}));
    EXPECT_EQ(b.keepField(intermediate).bestTimes.record(1), (Record{"50", "ann"}))
        << "B, which saw the record unnamed, saved over the name";
    EXPECT_FALSE(b.recordWin(intermediate, {game::Intermediate, 50}, "bob").recordTaken);
    EXPECT_TRUE(b.recordWin(intermediate, {game::Intermediate, 20}, "bob").recordTaken);
    // A's prompt answered late: the better record is B's, and keeps B's name.
    EXPECT_EQ(a.nameHolder(intermediate, win, "ann").bestTimes.record(1), (Record{"20", "bob"}));
    EXPECT_FALSE(a.recordWin(intermediate, {game::Custom, 1}, "x").recordTaken);
    EXPECT_EQ(parseRecords(contents(path_)).contents,
              withRecord({intermediate, {}}, 1, "20", "bob"));
}

// Where nothing can be saved, the game is told once, with the path and the system's words,
// and never writes anywhere else, "/" least of all.
TEST_F(RecordsStoreTest, NowhereToSaveIsToldOnce) {
    const QString file = folder_.filePath("file");
    put(file, firstRunFile());
    for (const char* locked : {"home", "locked", "folder.sav"}) {
        ASSERT_TRUE(QDir(folder_.path()).mkdir(locked));
        setMode(folder_.filePath(locked), 0555);
    }
    const QString fifo = folder_.filePath("fifo.sav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
    const QString inFile = file + "/Torvane", inHome = folder_.filePath("home/Torvane"),
                  locked = folder_.filePath("locked/result.sav"),
                  folder = folder_.filePath("folder.sav");
    const struct {
        const char* name;
        QString write;
        Kind kind;
        QString path;
        int code;
    } cases[] = {
        {"no per-user folder", {}, Kind::NoFolder, {}, ENOENT},
        {"a data folder that is a file", inFile + "/result.sav", Kind::NoFolder, inFile, ENOTDIR},
        {"an unwritable home", inHome + "/result.sav", Kind::NoFolder, inHome, EACCES},
        {"a folder that takes no file", locked, Kind::NotWritten, locked, EACCES},
        {"a folder at the path", folder, Kind::NotRegularFile, folder, EISDIR},
        {"a FIFO at the path", fifo, Kind::NotRegularFile, fifo, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AsPlayer player;
        RecordsStore store({{}, c.write});
        store.readAtStartUp();
        std::optional<RecordsProblem> problem = store.takeProblem();
        if (!problem) {
            problem = store.keepField(intermediate).problem;
        }
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->kind, c.kind);
        EXPECT_EQ(problem->path, c.path);
        EXPECT_EQ(problem->error.code, c.code) << problem->error.reason.toStdString();
        EXPECT_FALSE(problem->error.reason.isEmpty());
        EXPECT_EQ(store.keepField(beginner).problem, std::nullopt) << "told twice";
        EXPECT_EQ(store.close(beginner).problem, std::nullopt) << "told twice";
    }
    EXPECT_FALSE(QFileInfo::exists("/result.sav"));
    EXPECT_EQ(contents(file), firstRunFile());
}

// A write that fails leaves the old file whole; the record stays in this copy and lands with
// the first save that works. A file the player cannot write gets no backup and stays as it is.
TEST_F(RecordsStoreTest, AFailedWriteLosesNothingAndTheRecordLandsLater) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction old {};
    ::sigaction(SIGXFSZ, &ignore, &old);
    const struct {
        const char* name;
        QByteArray file;
        bool full;    // the disk is full, else the file is read-only
        bool inPlace; // in a folder that takes no new file, where the disk takes part of the growth
    } cases[] = {
        {"a full disk", firstRunFile() + "a tail", true, false},
        {"a read-only file", firstRunFile() + "a tail", false, false},
        {"a full disk, growing in place", recordsBytes(withRecord({beginner, {}}, 0, "10", "")),
         true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = c.inPlace ? lockedFolderWith(c.file) : path_;
        put(path, c.file);
        RecordsStore store({path, path}, 100ms);
        store.readAtStartUp();
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{c.inPlace ? static_cast<rlim_t>(c.file.size()) + 1 : 10, limit.rlim_max};
        if (c.full) {
            ::setrlimit(RLIMIT_FSIZE, &full);
        } else {
            setMode(path, 0444);
            setMode(folder_.path(), 0777); // a backup could be made
        }
        RecordsStore::Saved saved;
        {
            AsPlayer player(!c.full || c.inPlace);
            saved = store.recordWin(beginner, {game::Beginner, 7}, "ann");
        }
        ::setrlimit(RLIMIT_FSIZE, &limit);
        setMode(path, 0644);
        setMode(folder_.path(), 0755);
        ASSERT_TRUE(saved.problem);
        EXPECT_EQ(saved.problem->kind, Kind::NotWritten);
        EXPECT_EQ(saved.problem->error.code, c.full ? EFBIG : EACCES);
        EXPECT_EQ(contents(path), c.file);
        const QDir folder = QFileInfo(path).dir();
        EXPECT_EQ(folder.entryList({"result.sav.bak*"}), QStringList{});
        EXPECT_EQ(saved.bestTimes.record(0), (Record{"7", "ann"}));
        EXPECT_EQ(store.keepField(beginner).problem, std::nullopt);
        EXPECT_EQ(tableAt(path).record(0), (Record{"7", "ann"}));
        for (const QString& backup : folder.entryList({"result.sav.bak*"})) {
            QFile::remove(folder.filePath(backup));
        }
    }
    ::sigaction(SIGXFSZ, &old, nullptr);
}

// What is lost by rewriting a damaged file goes to a new backup first, never over another and
// never twice; one that cannot be made leaves the file alone for the session. A tail after ten
// sound lines is worth a backup, but none is owed: no version of the game reads it.
TEST_F(RecordsStoreTest, DamageIsBackedUpBeforeTheFileIsRewritten) {
    const QByteArray damaged = QByteArray(firstRunFile()).replace("999", "99x");
    const QByteArray other = "other bytes";
    const QByteArray tail = firstRunFile() + "tail";
    const struct {
        const char* name;
        QByteArray file;
        std::vector<std::pair<const char*, QByteArray>> backups; // there before the save
        bool lockedFolder;
        const char* newBackup; // null: none
        bool rewritten;
    } cases[] = {
        {"clean", firstRunFile(), {}, false, nullptr, true},
        {"damaged", damaged, {}, false, "result.sav.bak", true},
        {"damaged, backups taken",
         damaged,
         {{"result.sav.bak", other}, {"result.sav.bak.1", other}},
         false,
         "result.sav.bak.2",
         true},
        {"damaged, a later backup holds it",
         damaged,
         {{"result.sav.bak", other}, {"result.sav.bak.1", damaged}},
         false,
         nullptr,
         true},
        {"damaged, nowhere for a backup", damaged, {}, true, nullptr, false},
        {"a tail, nowhere for a backup", tail, {}, true, nullptr, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir scratch;
        setMode(scratch.path(), 0755);
        QString path = scratch.filePath("result.sav");
        put(path, c.file);
        for (const auto& [name, bytes] : c.backups) {
            put(scratch.filePath(name), bytes);
        }
        if (c.lockedFolder) {
            setMode(path, 0666);
            setMode(scratch.path(), 0555);
        }
        const QStringList before = QDir(scratch.path()).entryList(QDir::Files);
        {
            AsPlayer player(c.lockedFolder);
            RecordsStore store({path, path});
            store.readAtStartUp();
            const RecordsStore::Saved saved = store.keepField(beginner);
            EXPECT_EQ(contents(path) == recordsBytes({beginner, {}}), c.rewritten);
            ASSERT_EQ(saved.problem.has_value(), !c.rewritten);
            if (!c.rewritten) {
                EXPECT_EQ(saved.problem->kind, Kind::NotBackedUp);
                EXPECT_EQ(store.keepField(beginner).problem, std::nullopt);
                EXPECT_EQ(contents(path), c.file) << "rewritten later in the session";
            }
        }
        QStringList added = QDir(scratch.path()).entryList(QDir::Files);
        for (const QString& name : before) {
            added.removeOne(name);
        }
        added.removeOne("result.sav.lock");
        EXPECT_EQ(added, c.newBackup ? QStringList{c.newBackup} : QStringList{});
        if (c.newBackup) {
            EXPECT_EQ(contents(scratch.filePath(c.newBackup)), c.file);
        }
        for (const auto& [name, bytes] : c.backups) {
            EXPECT_EQ(contents(scratch.filePath(name)), bytes) << name << " changed";
        }
        setMode(scratch.path(), 0755);
    }
}

// Root's saves leave the player's files the player's: the file keeps its owner and mode, and
// what root makes in the player's folder (the file, the lock, a backup) is the folder owner's.
TEST_F(RecordsStoreTest, FilesKeepTheirOwnerAndMode) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const QString lock = path_ + ".lock";
    {
        RecordsStore store = started();
        store.keepField(beginner);
    }
    EXPECT_EQ(statOf(path_).st_mode & 0777, 0666 & ~mask) << "a new file";
    EXPECT_EQ(statOf(lock).st_mode & 0777, 0644u) << "every copy can open the lock";
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to someone else";
    }
    ASSERT_EQ(::chown(QFile::encodeName(folder_.path()).constData(), playerId, playerId), 0);
    QFile::remove(path_);
    QFile::remove(lock);
    put(path_ + ".bak", "other");
    ASSERT_EQ(::chown(QFile::encodeName(path_ + ".bak").constData(), playerId, playerId), 0);
    started().keepField(beginner);
    for (const QString& made : {path_, lock}) {
        EXPECT_EQ(statOf(made).st_uid, playerId) << made.toStdString();
    }
    setMode(path_, 0640);
    put(path_, "damaged");
    started().keepField(intermediate);
    EXPECT_EQ(statOf(path_).st_uid, playerId);
    EXPECT_EQ(statOf(path_).st_mode & 0777, 0640u);
    EXPECT_EQ(statOf(path_ + ".bak.1").st_uid, playerId) << "the backup";
    EXPECT_EQ(statOf(path_ + ".bak.1").st_mode & 0777, 0640u) << "the backup";
    AsPlayer player;
    EXPECT_EQ(started().recordWin(beginner, {game::Beginner, 5}, "p").problem, std::nullopt);
}

// A link is followed only when its owner can be trusted: the player or root. A dangling one
// only to a file in the records folder itself.
TEST_F(RecordsStoreTest, ALinkIsFollowedOnlyWhenItsOwnerCanBeTrusted) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "links of another user need root to make";
    }
    QTemporaryDir elsewhere;
    ASSERT_EQ(::chown(QFile::encodeName(folder_.path()).constData(), playerId, playerId), 0);
    const QString target = folder_.filePath("target.sav");
    const QString outside = elsewhere.filePath("outside.sav");
    const struct {
        const char* name;
        uid_t owner;
        QString to;
        bool followed;
        int links = 1; // a chain of links, each to the next
    } cases[] = {
        {"the player's link", playerId, target, true},
        {"root's link", 0, target, true},
        {"another user's link", 4242, target, false},
        {"a dangling link inside the folder", playerId, folder_.filePath("new.sav"), true},
        {"a dangling link outside", playerId, outside, false},
        {"eight links", playerId, target, true, 8},
        {"nine links", playerId, target, false, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        put(target, firstRunFile());
        ASSERT_EQ(::chown(QFile::encodeName(target).constData(), playerId, playerId), 0);
        QString link = path_;
        for (int hop = 1; hop <= c.links; ++hop) {
            const QString next = hop < c.links ? folder_.filePath(u"link%1"_s.arg(hop)) : c.to;
            QFile::remove(link);
            ASSERT_TRUE(QFile::link(next, link));
            ASSERT_EQ(::lchown(QFile::encodeName(link).constData(), c.owner, c.owner), 0);
            link = next;
        }
        AsPlayer player(c.owner != 0);
        RecordsStore store({path_, path_});
        store.readAtStartUp();
        const std::optional<RecordsProblem> problem = store.takeProblem();
        EXPECT_EQ(problem.has_value(), !c.followed);
        store.keepField(beginner);
        EXPECT_EQ(contents(c.to) == recordsBytes({beginner, {}}), c.followed);
        EXPECT_FALSE(QFileInfo::exists(outside));
        QFile::remove(folder_.filePath("new.sav"));
    }
}

// The kernel's lock, from a save's read to its rename: a copy waits for another's save, says so
// when it waits too long, keeps its record for the next save, and takes the lock as soon as it
// is free. A lock file nobody else can open, or none at all, stops no save.
TEST_F(RecordsStoreTest, OneCopySavesAtATime) {
    RecordsStore store = started();
    store.keepField(beginner);
    {
        const RecordsLock other(path_, 0ms);
        ASSERT_EQ(other.state(), RecordsLock::State::Held);
        const RecordsStore::Saved saved = store.recordWin(beginner, {game::Beginner, 6}, "ann");
        ASSERT_TRUE(saved.problem);
        EXPECT_EQ(saved.problem->kind, Kind::Locked);
        EXPECT_EQ(parseRecords(contents(path_)).contents.bestTimes, BestTimes{});
    }
    EXPECT_EQ(store.keepField(intermediate).problem, std::nullopt);
    EXPECT_EQ(tableAt(path_).record(0), (Record{"6", "ann"})) << "kept for the next save";
    for (int save = 0; save < 3; ++save) {
        EXPECT_EQ(RecordsLock(path_, 0ms).state(), RecordsLock::State::Held) << "left held";
        started().keepField(beginner);
    }
    // Held by another copy for 50 ms: this one has it soon after, not at its next slow poll.
    QElapsedTimer waited;
    std::optional<RecordsLock> other(std::in_place, path_, 0ms);
    std::thread release([&other] {
        std::this_thread::sleep_for(50ms);
        other.reset();
    });
    waited.start();
    const RecordsLock mine(path_, 5000ms);
    const qint64 elapsed = waited.elapsed();
    release.join();
    EXPECT_EQ(mine.state(), RecordsLock::State::Held);
    EXPECT_LT(elapsed, 125) << "polled too rarely";
}

// Reads wait for another copy's save as saves do: a file half written in place is never read.
TEST_F(RecordsStoreTest, AReadNeverSeesAnotherCopysSaveHalfDone) {
    const struct {
        const char* name;
        bool table; // the table's first use, after a start-up read with nobody saving
    } cases[] = {{"the start-up's field", false}, {"the table's first use", true}};
    const QByteArray saved = recordsBytes(withRecord({beginner, {}}, 0, "7", "ann"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        put(path_, firstRunFile());
        RecordsStore store({path_, path_});
        if (c.table) {
            store.readAtStartUp();
        }
        std::optional<RecordsLock> other(std::in_place, path_, 0ms);
        put(path_, saved.left(8));
        std::thread finish([&] {
            std::this_thread::sleep_for(30ms);
            put(path_, saved);
            other.reset();
        });
        const PlayedField field = c.table ? beginner : store.readAtStartUp();
        const Record record = store.bestTimes().record(0);
        finish.join();
        EXPECT_EQ(field, beginner);
        EXPECT_EQ(record, (Record{"7", "ann"}));
    }
}

TEST_F(RecordsStoreTest, NoLockFileStopsASave) {
    const struct {
        const char* name;
        mode_t lockMode; // 0: no lock file
    } cases[] = {{"a lock file the player cannot open", 0600}, {"none, none to be made", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = lockedFolderWith(firstRunFile());
        QFile::remove(path + ".lock");
        if (c.lockMode != 0) {
            setMode(folder_.filePath("locked"), 0755);
            put(path + ".lock", "");
            setMode(path + ".lock", c.lockMode);
            setMode(folder_.filePath("locked"), 0555);
        }
        std::optional<RecordsLock> held;
        {
            AsPlayer player;
            RecordsStore store({path, path});
            store.readAtStartUp();
            EXPECT_EQ(store.recordWin(beginner, {game::Beginner, 3}, "p").problem, std::nullopt);
            EXPECT_EQ(tableAt(path).record(0), (Record{"3", "p"}));
            // A player saving on the file itself holds up a copy that has the lock file.
            held.emplace(path, 0ms);
            ASSERT_EQ(held->state(), RecordsLock::State::Held);
        }
        setMode(folder_.filePath("locked"), 0755);
        EXPECT_EQ(RecordsLock(path, 0ms).state(), RecordsLock::State::Busy);
        setMode(folder_.filePath("locked"), 0555);
    }
}

// A close that cannot have the lock in time ends all the same and loses nothing: its table
// waits beside the file, and the next start merges it in and saves at once.
TEST_F(RecordsStoreTest, ACloseWhileAnotherCopyHoldsTheLockLosesNothing) {
    RecordsStore store({path_, path_}, 100ms);
    RecordsStore game({path_, path_}); // waits as long as the game does
    store.readAtStartUp();
    game.readAtStartUp();
    store.keepField(beginner);
    QElapsedTimer closing;
    {
        const RecordsLock other(path_, 0ms);
        ASSERT_EQ(store.recordWin(beginner, {game::Expert, 9}, "ann").problem->kind, Kind::Locked);
        closing.start();
        EXPECT_EQ(store.close(beginner).problem, std::nullopt);
        EXPECT_LT(closing.elapsed(), 1000);
        closing.restart();
        EXPECT_EQ(game.close(beginner).problem, std::nullopt);
        EXPECT_LT(closing.elapsed(), 1000) << "the game's own wait";
        put(path_, recordsBytes(withRecord({intermediate, {}}, 0, "4", "bob")));
    }
    RecordsStore next({path_, path_});
    EXPECT_EQ(next.readAtStartUp(), intermediate);
    EXPECT_TRUE(next.saveDue());
    next.keepField(intermediate);
    const BestTimes table = tableAt(path_);
    EXPECT_EQ(table.record(0), (Record{"4", "bob"}));
    EXPECT_EQ(table.record(2), (Record{"9", "ann"}));
    EXPECT_EQ(QDir(folder_.path()).entryList({"result.sav.pending*"}), QStringList{});
}

// Start-up clears what saves cut off by a kill left, and nothing else.
TEST_F(RecordsStoreTest, StartUpRemovesOnlyTheGamesOwnLeftovers) {
    const struct {
        const char* name;
        QByteArray bytes;
        bool removed;
    } cases[] = {
        {"result.sav.new.Ab3xY9", firstRunFile(), true},
        {"result.sav.Qw7rTy", firstRunFile(), true},
        {"result.sav.backup", "the player's own words", false},
        {"result.sav.old", firstRunFile(), false},
        {"result.sav.Qw7rTa", firstRunFile() + QByteArray(5000, ' '), false},
        {"result.sav.bak", firstRunFile(), false},
    };
    for (const auto& c : cases) {
        put(folder_.filePath(c.name), c.bytes);
    }
    started();
    for (const auto& c : cases) {
        EXPECT_EQ(QFileInfo::exists(folder_.filePath(c.name)), !c.removed) << c.name;
    }
}

// A start with nothing to read writes its file at once, so that no way of ending loses it.
TEST_F(RecordsStoreTest, AFirstStartIsDueASave) {
    const struct {
        const char* name;
        std::optional<QByteArray> file;
        bool due;
    } cases[] = {{"no file", std::nullopt, true},
                 {"an empty file", "", true},
                 {"records", firstRunFile(), false}};
    for (const auto& c : cases) {
        QFile::remove(path_);
        if (c.file) {
            put(path_, *c.file);
        }
        EXPECT_EQ(started().saveDue(), c.due) << c.name;
    }
}

} // namespace
} // namespace torvane::store
