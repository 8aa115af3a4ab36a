#include "store/records_file.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <list>

namespace torvane::store {
namespace {

// Copies that choose levels over and over, each save read, merged and written, while one copy
// after another starts, sets a better record and ends. Each copy that starts must find the
// record the one before it set: none of several hundred saves may lose one.
TEST(RecordsProcesses, CopiesSavingAtOnceLoseNoRecord) {
    QTemporaryDir folder;
    const QString path = folder.filePath("result.sav");
    ASSERT_TRUE(writeRecords(path, {1, 16, 16, 35, {}}));
    std::list<QProcess> choosers(5);
    for (QProcess& copy : choosers) {
        copy.start(RECORDS_COPY, {path, "levels", "100"});
    }
    const auto choosing = [&choosers] {
        return std::any_of(choosers.begin(), choosers.end(), [](QProcess& copy) {
            return copy.state() != QProcess::NotRunning && !copy.waitForFinished(0);
        });
    };
    QString record = "999";
    for (int seconds = 900; seconds > 890 || (choosing() && seconds > 600); --seconds) {
        QProcess copy;
        copy.start(RECORDS_COPY, {path, "record", QString::number(seconds)});
        ASSERT_TRUE(copy.waitForFinished(20000));
        EXPECT_EQ(copy.exitCode(), 0);
        EXPECT_EQ(copy.readAllStandardOutput().trimmed(), record.toLatin1()) << "record lost";
        record = QString::number(seconds);
    }
    for (QProcess& copy : choosers) {
        ASSERT_TRUE(copy.state() == QProcess::NotRunning || copy.waitForFinished(20000));
        EXPECT_EQ(copy.exitCode(), 0);
    }
    EXPECT_EQ(settingsFrom(readRecords(path)).bestTimes.time(0), record);
}

} // namespace
} // namespace torvane::store
