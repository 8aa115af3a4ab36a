#include "store/records_file.h"
#include "store/testing/records_files.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <list>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane::store {
namespace {

// The copies run as the player, or as root when `root` and the tests run as root.
void startCopy(QProcess& copy, bool asPlayer, const QStringList& arguments) {
    if (asPlayer && ::geteuid() == 0) {
        copy.start("setpriv",
                   QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", RECORDS_COPY} +
                       arguments);
    } else {
        copy.start(RECORDS_COPY, arguments);
    }
}

// A folder that takes new files from root only, and a records file everybody may write.
QString sharedFolder(const QTemporaryDir& folder) {
    const QString path = folder.filePath("result.sav");
    testing::put(path, testing::firstRunFile());
    ::chmod(QFile::encodeName(path).constData(), 0666);
    ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
    return path;
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

} // namespace
} // namespace torvane::store
