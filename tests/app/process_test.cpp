#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>

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

// Records that cannot be kept never hold up the end: at a termination signal the close's save
// fails again, nothing modal comes up, and a message box already up closes with the window.
TEST(Process, ATerminationSignalEndsTheGameWhenTheRecordsCannotBeKept) {
    struct Row {
        const char* name;
        bool installed; // the records go to the player's data folder, which cannot be made
    };
    for (const Row row : {Row{"a folder at the records path", false},
                          Row{"the problem box up when the signal comes", true}}) {
        SCOPED_TRACE(row.name);
        QTemporaryDir folder;
        const QDir root(folder.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("bin")));
        const QString binary = root.filePath(QStringLiteral("bin/torvane"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TORVANE_BINARY), binary));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (row.installed) {
            ASSERT_TRUE(root.mkpath(QStringLiteral("share/applications")));
            QFile launcher(root.filePath(
                QStringLiteral("share/applications/io.github.torvane.torvane.desktop")));
            ASSERT_TRUE(launcher.open(QIODevice::WriteOnly));
            // A file where the data folder should be: no folder can be made under it.
            QFile blocker(root.filePath(QStringLiteral("data")));
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
            env.insert(QStringLiteral("XDG_DATA_HOME"), blocker.fileName());
        } else {
            ASSERT_TRUE(root.mkpath(QStringLiteral("bin/result.sav")));
        }
        QProcess game;
        game.setProcessEnvironment(env);
        game.start(binary, {});
        ASSERT_TRUE(game.waitForStarted());
        ASSERT_TRUE(waitUntil([&] { return catches(game.processId(), SIGTERM); }));
        if (row.installed) { // the first start's write has failed and the box is up
            game.setReadChannel(QProcess::StandardError);
            ASSERT_TRUE(game.waitForReadyRead(10000));
            QThread::msleep(300);
        }
        QElapsedTimer ending;
        ending.start();
        ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
        // Well within this; the figure is printed, not judged, on a shared machine.
        ASSERT_TRUE(game.waitForFinished(10000)) << "still running after a termination signal";
        std::cout << row.name << ": ended " << ending.elapsed() << " ms after the signal\n";
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        EXPECT_FALSE(game.readAllStandardError().isEmpty()) << "the problem was not told";
    }
}

} // namespace
} // namespace torvane::store
