#include "store/records_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace torvane::store {
namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(RecordsLocation, BuildTreesKeepTheFileBesideInstalledCopiesAndLockedFoldersPerUser) {
    enum class Folder { Writable, Missing, Proc }; // /proc takes no new file even from root
    // What the per-user path holds; NoFolder: there is no per-user folder at all.
    enum class Own { Nothing, File, DanglingLink, NoFolder };
    struct Case {
        const char* what;
        Folder folder;
        const char* installedMark; // relative to the program's folder, or null
        bool besideFile;
        Own own;
        const char* read; // "beside", "user" or "" for none
        const char* write;
    };
    const char* const installed = "../share/applications/io.github.torvane.torvane.desktop";
    const Case cases[] = {
        {"build tree", Folder::Writable, nullptr, true, Own::Nothing, "beside", "beside"},
        {"cmake --install prefix", Folder::Writable, installed, false, Own::Nothing, "user",
         "user"},
        {"installed, metadata only", Folder::Writable,
         "../share/metainfo/io.github.torvane.torvane.metainfo.xml", false, Own::Nothing, "user",
         "user"},
        {"installed, old file beside", Folder::Writable, installed, true, Own::Nothing, "beside",
         "user"},
        {"installed, both files", Folder::Writable, installed, true, Own::File, "user", "user"},
        {"installed, a dangling symlink as its own", Folder::Writable, installed, true,
         Own::DanglingLink, "user", "user"},
        {"installed, no per-user folder", Folder::Writable, installed, true, Own::NoFolder,
         "beside", ""},
        {"installed, nothing anywhere", Folder::Writable, installed, false, Own::NoFolder, "", ""},
        {"build tree, no per-user folder", Folder::Writable, nullptr, false, Own::NoFolder,
         "beside", "beside"},
        {"other program's launcher", Folder::Writable, "../share/applications/other.desktop", false,
         Own::Nothing, "beside", "beside"},
        {"missing folder", Folder::Missing, nullptr, false, Own::Nothing, "user", "user"},
        {"read-only folder", Folder::Proc, nullptr, false, Own::Nothing, "user", "user"},
    };
    for (const Case& c : cases) {
        QTemporaryDir scratch;
        const QString program = c.folder == Folder::Writable  ? scratch.filePath("prefix/bin")
                                : c.folder == Folder::Missing ? scratch.filePath("gone")
                                                              : QStringLiteral("/proc");
        if (c.folder == Folder::Writable) {
            QDir().mkpath(program);
        }
        if (c.installedMark != nullptr) {
            touch(QDir(program).filePath(QString::fromLatin1(c.installedMark)));
        }
        const QString userFolder =
            c.own == Own::NoFolder ? QString() : scratch.filePath("data/Torvane");
        const QString beside = program + "/result.sav";
        const QString user = userFolder + "/result.sav";
        if (c.besideFile) {
            touch(beside);
        }
        if (c.own == Own::File) {
            touch(user);
        } else if (c.own == Own::DanglingLink) {
            QDir().mkpath(userFolder);
            ASSERT_TRUE(QFile::link(scratch.filePath("nowhere"), user));
        }
        const auto expected = [&](const char* where) {
            const QString place = QString::fromLatin1(where);
            return place == u"beside" ? beside : place == u"user" ? user : QString();
        };
        const RecordsPaths paths = recordsLocationIn(program, userFolder);
        EXPECT_EQ(paths.read, expected(c.read)) << c.what;
        EXPECT_EQ(paths.write, expected(c.write)) << c.what; // never "/result.sav"
        // The probe leaves nothing behind.
        if (c.folder == Folder::Writable) {
            EXPECT_TRUE(
                QDir(program).entryList(QDir::Hidden | QDir::Files).filter(".torvane").isEmpty())
                << c.what;
        }
    }
}

// XDG_DATA_HOME counts only as an absolute path; without a usable HOME either there is no
// per-user folder at all, rather than one at the root.
TEST(DataHome, FollowsTheXdgRules) {
    struct Case {
        const char* xdg; // null: unset
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/data/xdg", "/home/ann", "/data/xdg"},
        {"/data/xdg/", "/home/ann", "/data/xdg"},
        {nullptr, "/home/ann", "/home/ann/.local/share"},
        {"", "/home/ann", "/home/ann/.local/share"},
        {"relative/xdg", "/home/ann", "/home/ann/.local/share"},
        {"relative/xdg", nullptr, ""},
        {nullptr, "", ""},
        {nullptr, "home/ann", ""},
        {"/data/xdg", nullptr, "/data/xdg"},
    };
    const auto set = [](const char* variable, const char* value) {
        value == nullptr ? qunsetenv(variable) : qputenv(variable, value);
    };
    const QByteArray oldXdg = qgetenv("XDG_DATA_HOME"), oldHome = qgetenv("HOME");
    const bool hadXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    for (const Case& c : cases) {
        set("XDG_DATA_HOME", c.xdg);
        set("HOME", c.home);
        EXPECT_EQ(dataHome(), QString::fromLatin1(c.expected))
            << (c.xdg ? c.xdg : "-") << ", " << (c.home ? c.home : "-");
    }
    set("XDG_DATA_HOME", hadXdg ? oldXdg.constData() : nullptr);
    set("HOME", oldHome.constData());
}

} // namespace
} // namespace torvane::store
