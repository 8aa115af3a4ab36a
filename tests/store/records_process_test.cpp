#include "store/records_file.h"
#include "store/testing/records_files.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <list>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane::store {
namespace {

// The copies run as the player when `asPlayer` and the tests run as root, else as the tests
// do; under `command` when one is given, a tracer say.
void startCopy(QProcess& copy, bool asPlayer, const QStringList& arguments,
               QStringList command = {}) {
    if (asPlayer && ::geteuid() == 0) {
        command << "setpriv"
                << "--reuid=65534"
                << "--regid=65534"
                << "--clear-groups";
    }
    command << RECORDS_COPY << arguments;
    copy.start(command.takeFirst(), command);
}

// A folder that takes new files from root only, and a records file everybody may write.
QString sharedFolder(const QTemporaryDir& folder) {
    const QString path = folder.filePath("result.sav");
    testing::put(path, testing::firstRunFile());
    ::chmod(QFile::encodeName(path).constData(), 0666);
    ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
    return path;
}

// What a traced save wrote beside the records, from strace's lines, and where it failed to
// sync: a file written or cut and then closed, or left while a name changed, before it was
// synced; the folder not synced after the last name changed.
struct Synced {
    QStringList written, faults;
    bool replaced = false;
};

Synced syncsIn(const QByteArray& trace, const QString& path) {
    static const QRegularExpression pattern(R"(^(?:\d+ +)?(\w+)\((\d*)(.*)\) += (\d+))");
    const QString folder = QFileInfo(path).absolutePath();
    std::map<int, QString> opened; // the descriptors on the records' files and their folder
    std::set<int> unsynced;
    Synced synced;
    bool folderDue = false;
    for (const QString& line : QString::fromUtf8(trace).split(u'\n')) {
        const QRegularExpressionMatch call = pattern.match(line);
        const QString name = call.captured(1);
        const int fd = call.captured(2).toInt();
        const QString file = call.captured(3).section(u'"', 1, 1);
        if (name == u"openat" && (file == folder || file.startsWith(path))) {
            // A temporary, whatever name it has, or none yet, is the new file.
            const bool named = file == path || file.startsWith(path + ".bak");
            opened[call.captured(4).toInt()] = named ? QFileInfo(file).fileName()
                                               : file == folder && !line.contains("O_TMPFILE")
                                                   ? "the folder"
                                                   : "a new file";
        } else if (name.startsWith(u"rename") || name == u"linkat") {
            for (const int left : unsynced) {
                synced.faults << opened[left] + " not synced before a rename";
            }
            synced.replaced = synced.replaced || call.captured(3).section(u'"', 3, 3) == path;
            folderDue = true;
        } else if (!opened.contains(fd)) {
            continue; // standard error, the libraries
        } else if (name == u"close") {
            if (unsynced.erase(fd) != 0) {
                synced.faults << opened[fd] + " closed before it was synced";
            }
            opened.erase(fd);
        } else if (name == u"fsync" || name == u"fdatasync") {
            unsynced.erase(fd);
            folderDue = folderDue && opened[fd] != u"the folder";
        } else if (unsynced.insert(fd).second && !synced.written.contains(opened[fd])) {
            synced.written << opened[fd];
        }
    }
    if (folderDue) {
        synced.faults << "the folder not synced after the rename";
    }
    return synced;
}

// Copies that choose levels over and over, each save read, merged and written, while one copy
// after another starts, sets a better record and ends. Each copy that starts must find the
// record the one before it set. The second row shares the file between root's copies, which
// replace it, and the player's in a folder that takes no new file, which write it in place.
TEST(RecordsProcesses, CopiesSavingAtOnceLoseNoRecord) {
    const struct {
        const char* name;
        bool choosersAsPlayer;
    } cases[] = {{"one user", false}, {"root's records, the player's levels", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString path = sharedFolder(folder);
        std::list<QProcess> choosers(4);
        for (QProcess& copy : choosers) {
            startCopy(copy, c.choosersAsPlayer, {path, "levels", "100"});
        }
        const auto choosing = [&choosers] {
            return std::any_of(choosers.begin(), choosers.end(), [](QProcess& copy) {
                return copy.state() != QProcess::NotRunning && !copy.waitForFinished(0);
            });
        };
        QString record = "999";
        for (int seconds = 900; seconds > 890 || (choosing() && seconds > 600); --seconds) {
            QProcess copy;
            startCopy(copy, false, {path, "record", QString::number(seconds)});
            ASSERT_TRUE(copy.waitForFinished(20000));
            EXPECT_EQ(copy.exitCode(), 0) << copy.readAllStandardError().toStdString();
            ASSERT_EQ(copy.readAllStandardOutput().trimmed(), record.toLatin1()) << "record lost";
            record = QString::number(seconds);
        }
        for (QProcess& copy : choosers) {
            ASSERT_TRUE(copy.state() == QProcess::NotRunning || copy.waitForFinished(20000));
            EXPECT_EQ(copy.exitCode(), 0) << copy.readAllStandardError().toStdString();
        }
        EXPECT_EQ(readRecordsFile(path).contents.bestTimes.time(0), record);
    }
}

// However abruptly a save is cut off, replacing the file or writing it in place, the file is a
// whole version the next start reads without loss, with at most a tail it saves over.
TEST(RecordsProcesses, AKillDuringASaveLeavesAWholeVersion) {
    const struct {
        const char* name;
        bool inPlace;
    } cases[] = {{"replaced", false}, {"in place", true}};
    QRandomGenerator random(1208);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.inPlace && ::geteuid() != 0) {
            GTEST_SKIP() << "a folder that takes no new file from the writer needs root";
        }
        QTemporaryDir folder;
        const QString path = sharedFolder(folder);
        for (int round = 0; round < 60; ++round) {
            QProcess saver;
            startCopy(saver, c.inPlace, {path, "rewrite"});
            ASSERT_TRUE(saver.waitForStarted());
            QThread::usleep(2000 + random.bounded(20000));
            saver.kill();
            saver.waitForFinished();
            const ParsedRecords read = readRecordsFile(path);
            ASSERT_TRUE(read.condition == Condition::Clean ||
                        read.condition == Condition::CleanTail)
                << "round " << round << ": " << testing::contents(path).toHex(' ').toStdString();
            if (testing::contents(path) == testing::firstRunFile()) {
                continue; // killed before its first write
            }
            const QString version = QString::number(read.contents.field.fieldWidth);
            for (int level = 0; level < BestTimes::levelCount; ++level) {
                EXPECT_EQ(read.contents.bestTimes.time(level), version) << "round " << round;
            }
        }
    }
}

// A save counts only once it is on the disk: the backup of a damaged file, the new file that
// replaces it and the folder that names it, or the file written in place, each synced in time.
TEST(RecordsProcesses, ASaveIsOnTheDiskBeforeItCounts) {
    const QString strace = QStandardPaths::findExecutable("strace");
    if (strace.isEmpty()) {
        ASSERT_NE(qEnvironmentVariable("CI"), "true") << "scripts/install-deps installs strace";
        GTEST_SKIP() << "no strace";
    }
    const struct {
        const char* name;
        QByteArray file;
        bool inPlace;
        QStringList written;
    } cases[] = {
        {"damaged, backed up and replaced", "damaged", false, {"result.sav.bak", "a new file"}},
        {"in place", testing::firstRunFile(), true, {"result.sav"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.inPlace && ::geteuid() != 0) {
            GTEST_SKIP() << "a folder that takes no new file from the writer needs root";
        }
        QTemporaryDir folder;
        QTemporaryDir traces;
        const QString path = sharedFolder(folder);
        testing::put(path, c.file);
        QProcess copy;
        // LeakSanitizer cannot run under a tracer.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
        copy.setProcessEnvironment(environment);
        startCopy(copy, c.inPlace, {path, "levels", "1"},
                  {strace, "-f", "-qq", "-o", traces.filePath("trace"), "-e",
                   "trace=openat,close,write,writev,pwrite64,ftruncate,fsync,fdatasync,rename,"
                   "renameat,renameat2,linkat"});
        ASSERT_TRUE(copy.waitForFinished(20000));
        ASSERT_EQ(copy.exitCode(), 0) << copy.readAllStandardError().toStdString();
        const Synced synced = syncsIn(testing::contents(traces.filePath("trace")), path);
        EXPECT_EQ(synced.written, c.written);
        EXPECT_EQ(synced.replaced, !c.inPlace);
        EXPECT_EQ(synced.faults.join(u"; ").toStdString(), "");
    }
}

} // namespace
} // namespace torvane::store
