#include "store/records_keeper.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane::store {
namespace {

using namespace Qt::StringLiterals;

const SavedSettings firstRun{1, 16, 16, 35, {}};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Permission bits do not bind root, its effective ids do: as root these steps run as nobody.
struct AsPlayer {
    AsPlayer() { EXPECT_TRUE(!root || (::setegid(65534) == 0 && ::seteuid(65534) == 0)); }
    ~AsPlayer() { EXPECT_TRUE(!root || (::seteuid(0) == 0 && ::setegid(0) == 0)); }
    const bool root = ::geteuid() == 0;
};

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
    EXPECT_EQ(problem->kind, RecordsProblem::Kind::NotBackedUp);
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
// player cannot write, a folder that takes no file. Each is told once, naming the place and
// the reason, and nothing lands anywhere else, "/" least of all.
TEST_F(RecordsKeeperTest, NowhereToSaveIsToldOnce) {
    const QString file = folder_.filePath("file");
    ASSERT_TRUE(writeRecords(file, firstRun));
    for (const char* locked : {"home", "locked"}) {
        ASSERT_TRUE(QDir(folder_.path()).mkdir(locked));
        ASSERT_EQ(::chmod(QFile::encodeName(folder_.filePath(locked)).constData(), 0555), 0);
    }
    using Kind = RecordsProblem::Kind;
    struct Case {
        const char* what;
        QString write;
        Kind kind;
        QString path;
        const char* reason;
    };
    const QString inFile = file + "/Torvane", inHome = folder_.filePath("home/Torvane"),
                  locked = folder_.filePath("locked/result.sav");
    const Case cases[] = {
        {"no per-user folder", {}, Kind::NoFolder, {}, "HOME"},
        {"a data folder that is a file", inFile + "/result.sav", Kind::NoFolder, inFile,
         "Not a directory"},
        {"an unwritable home", inHome + "/result.sav", Kind::NoFolder, inHome, "Permission denied"},
        {"a folder that takes no file", locked, Kind::NotWritten, locked, "Permission denied"},
    };
    for (const Case& c : cases) {
        AsPlayer player;
        RecordsKeeper keeper({{}, c.write});
        keeper.save(firstRun);
        keeper.save(firstRun);
        const std::optional<RecordsProblem> problem = keeper.takeProblem();
        ASSERT_TRUE(problem) << c.what;
        EXPECT_EQ(problem->kind, c.kind) << c.what;
        EXPECT_EQ(problem->path, c.path) << c.what;
        EXPECT_TRUE(problem->reason.contains(c.reason))
            << c.what << ": " << problem->reason.toStdString();
        EXPECT_EQ(keeper.takeProblem(), std::nullopt) << c.what;
    }
    EXPECT_FALSE(QFileInfo::exists("/result.sav"));
    EXPECT_EQ(contents(file), recordsBytes(firstRun));
}

// QSaveFile writes a new file beside the old one and renames it; where the folder takes no
// new file, the file itself is still writable and gets the records.
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

} // namespace
} // namespace torvane::store
