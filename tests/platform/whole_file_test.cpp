#include "platform/whole_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane::platform {
namespace {

// Root saving a player's file must leave it the player's: a rename puts a new file in place.
TEST(ReplaceFile, KeepsTheOwnerAndModeOfTheFileItReplaces) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to someone else";
    }
    QTemporaryDir folder;
    const QString path = folder.filePath("result.sav");
    const QByteArray name = QFile::encodeName(path);
    ASSERT_TRUE(ReplaceFile(path, "old"));
    ASSERT_EQ(::chown(name.constData(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(name.constData(), 0640), 0);

    ASSERT_TRUE(ReplaceFile(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(name.constData(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    const std::optional<FileStart> read = ReadRegularFile(path, 100);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->bytes, "new");
    EXPECT_TRUE(read->complete);
}

TEST(ReadRegularFile, TellsAFileThatGoesOnPastTheLimit) {
    QTemporaryDir folder;
    const QString path = folder.filePath("f");
    ASSERT_TRUE(ReplaceFile(path, "12345"));
    for (const auto& [limit, bytes, complete] :
         {std::tuple{5, "12345", true}, std::tuple{4, "1234", false}}) {
        const std::optional<FileStart> read = ReadRegularFile(path, limit);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->bytes, bytes);
        EXPECT_EQ(read->complete, complete) << limit;
    }
}

} // namespace
} // namespace torvane::platform
