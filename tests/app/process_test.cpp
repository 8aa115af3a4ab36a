#include "store/records_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace torvane::store {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// True once the process has its own handler for the signal, read from /proc.
bool catches(qint64 pid, int signal) {
    const QByteArray status = fileBytes(QStringLiteral("/proc/%1/status").arg(pid));
    for (const QByteArray& line : status.split('\n')) {
        if (line.startsWith("SigCgt:")) {
            const quint64 mask = line.mid(7).trimmed().toULongLong(nullptr, 16);
            return (mask >> (signal - 1)) & 1;
        }
    }
    return false;
}

bool waitUntil(const std::function<bool()>& ready) {
    for (int i = 0; i < 1000 && !ready(); ++i) {
        QThread::msleep(5);
    }
    return ready();
}

TEST(Process, TerminationSignalsSaveOnceAndExitCleanly) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QTemporaryDir folder;
        // A copy of its own, so the records land beside it and nowhere real.
        const QString binary = folder.filePath(QStringLiteral("torvane"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TORVANE_BINARY), binary));
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        game.setProcessEnvironment(env);
        game.start(binary, {});
        ASSERT_TRUE(game.waitForStarted());
        ASSERT_TRUE(waitUntil([&] { return catches(game.processId(), signal); }));
        ::kill(static_cast<pid_t>(game.processId()), signal);
        ASSERT_TRUE(game.waitForFinished(20000)) << signal;
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(game.exitCode(), 0) << signal;
        const QByteArray saved = fileBytes(folder.filePath(QStringLiteral("result.sav")));
        EXPECT_TRUE(saved.startsWith(" 1 \r\n 16 \r\n 16 \r\n 35 \r\n999\r\n")) << signal;
        EXPECT_EQ(saved.count("\r\n"), 10);
    }
}

// However abruptly a save is cut off, the file is some whole version, never a torn one.
TEST(Process, KilledWhileSavingLeavesAWholeFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("result.sav"));
    QRandomGenerator random(1208);
    for (int round = 0; round < 40; ++round) {
        QProcess saver;
        saver.start(QStringLiteral(SAVE_LOOP_BINARY), {path});
        ASSERT_TRUE(saver.waitForStarted());
        ASSERT_TRUE(waitUntil([&] { return QFile::exists(path); }));
        QThread::usleep(random.bounded(20000));
        saver.kill();
        saver.waitForFinished();

        const QByteArray bytes = fileBytes(path);
        const RecordsRead read = readRecords(path);
        ASSERT_EQ(read.tableCaptions.size(), 6u) << "round " << round;
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(read.tableCaptions[i], i % 2 == 0
                                                 ? QString::number(*read.fieldWidth)
                                                 : QStringLiteral("第%1版").arg(*read.fieldWidth));
        }
        ASSERT_EQ(bytes, recordsBytes(settingsFrom(read))) << "round " << round;
    }
}

} // namespace
} // namespace torvane::store
