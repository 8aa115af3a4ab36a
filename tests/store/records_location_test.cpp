#include "store/records_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace torvane::store {
namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(RecordsLocation, BuildTreesKeepTheFileBesideInstalledCopiesAndLockedFoldersPerUser) {
    enum class Folder { Writable, Missing, Proc }; // /proc takes no new file even from root
    struct Case {
        const char* what;
        Folder folder;
        const char* installedMark; // relative to the program's folder, or null
        bool besideFile, userFile;
        const char* read; // "beside" or "user"
        const char* write;
    };
    const Case cases[] = {
        {"build tree", Folder::Writable, nullptr, true, false, "beside", "beside"},
        {"cmake --install prefix", Folder::Writable,
         "../share/applications/io.github.torvane.torvane.desktop", false, false, "user", "user"},
        {"installed, metadata only", Folder::Writable,
         "../share/metainfo/io.github.torvane.torvane.metainfo.xml", false, false, "user", "user"},
        {"installed, old file beside", Folder::Writable,
         "../share/applications/io.github.torvane.torvane.desktop", true, false, "beside", "user"},
        {"installed, both files", Folder::Writable,
         "../share/applications/io.github.torvane.torvane.desktop", true, true, "user", "user"},
        {"other program's launcher", Folder::Writable, "../share/applications/other.desktop", false,
         false, "beside", "beside"},
        {"missing folder", Folder::Missing, nullptr, false, false, "user", "user"},
        {"read-only folder", Folder::Proc, nullptr, false, false, "user", "user"},
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
            Touch(QDir(program).filePath(QString::fromLatin1(c.installedMark)));
        }
        const QString userFolder = scratch.filePath("data/Torvane");
        const QString beside = program + "/result.sav";
        const QString user = userFolder + "/result.sav";
        if (c.besideFile) {
            Touch(beside);
        }
        if (c.userFile) {
            Touch(user);
        }
        const auto expected = [&](const char* where) {
            return QString::fromLatin1(where) == u"beside" ? beside : user;
        };
        const RecordsPaths paths = RecordsLocationIn(program, userFolder);
        EXPECT_EQ(paths.read, expected(c.read)) << c.what;
        EXPECT_EQ(paths.write, expected(c.write)) << c.what;
        // The probe leaves nothing behind; the per-user folder exists once it is chosen.
        if (c.folder == Folder::Writable) {
            EXPECT_TRUE(
                QDir(program).entryList(QDir::Hidden | QDir::Files).filter(".torvane").isEmpty())
                << c.what;
        }
        EXPECT_EQ(QFileInfo(userFolder).isDir(), paths.write == user) << c.what;
    }
}

} // namespace
} // namespace torvane::store
