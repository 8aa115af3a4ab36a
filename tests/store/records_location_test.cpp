#include "store/records_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace torvane::store {
namespace {

TEST(RecordsPathIn, BesideTheExecutableWhenThatFolderTakesFiles) {
    QTemporaryDir executableFolder;
    QTemporaryDir dataParent;
    const QString dataFolder = dataParent.filePath("data");
    EXPECT_EQ(RecordsPathIn(executableFolder.path(), dataFolder),
              executableFolder.filePath("result.sav"));
    EXPECT_TRUE(QDir(executableFolder.path())
                    .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    EXPECT_FALSE(QFileInfo::exists(dataFolder));
}

TEST(RecordsPathIn, UserDataFolderOtherwiseCreatedWhenMissing) {
    QTemporaryDir scratch;
    QFile plain(scratch.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    // /proc takes no new file even from root.
    const QString folders[] = {scratch.filePath("missing"), plain.fileName(), "/proc"};
    for (const QString& folder : folders) {
        const QString dataFolder = scratch.filePath("data/torvane");
        EXPECT_EQ(RecordsPathIn(folder, dataFolder), dataFolder + "/result.sav")
            << folder.toStdString();
        EXPECT_TRUE(QFileInfo(dataFolder).isDir());
        QDir(scratch.filePath("data")).removeRecursively();
    }
    EXPECT_FALSE(QFileInfo::exists(scratch.filePath("missing")));
}

} // namespace
} // namespace torvane::store
