#include "store/records_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace torvane::store {

bool operator==(const RecordsRead& a, const RecordsRead& b) {
    return a.level == b.level && a.fieldWidth == b.fieldWidth && a.fieldHeight == b.fieldHeight &&
           a.mineTotal == b.mineTotal && a.tableCaptions == b.tableCaptions;
}

void PrintTo(const RecordsRead& read, std::ostream* out) {
    for (const auto& number : {read.level, read.fieldWidth, read.fieldHeight, read.mineTotal}) {
        *out << (number ? std::to_string(*number) : "-") << ' ';
    }
    for (const QString& caption : read.tableCaptions) {
        *out << '[' << caption.toStdString() << ']';
    }
}

namespace {

using namespace Qt::StringLiterals;

const QByteArray kAnonymous = "\xC4\xE4\xC3\xFB"; // 匿名 in GBK
const SavedSettings kFirstRun{1, 16, 16, 35, {}};

// A table from its six captions in file order.
BestTimes Table(const std::array<QString, BestTimes::captionCount>& captions) {
    BestTimes table;
    for (int i = 0; i < BestTimes::captionCount; ++i) {
        table.setCaption(i, captions[static_cast<std::size_t>(i)]);
    }
    return table;
}

std::vector<QString> Captions(const BestTimes& table) {
    std::vector<QString> captions;
    for (int i = 0; i < BestTimes::captionCount; ++i) {
        captions.push_back(table.caption(i));
    }
    return captions;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

RecordsRead Read(std::optional<std::int16_t> level, std::optional<std::int16_t> width,
                 std::optional<std::int16_t> height, std::optional<std::int16_t> mines,
                 std::vector<QString> captions = {}) {
    return {level, width, height, mines, std::move(captions)};
}

class RecordsFile : public testing::Test {
  protected:
    QTemporaryDir folder_;
    QString path_ = folder_.filePath("result.sav");
};

TEST_F(RecordsFile, FirstRunFileIsExactBytes) {
    const QByteArray expected = " 1 \r\n 16 \r\n 16 \r\n 35 \r\n999\r\n" + kAnonymous +
                                "\r\n999\r\n" + kAnonymous + "\r\n999\r\n" + kAnonymous + "\r\n";
    EXPECT_EQ(RecordsBytes(kFirstRun), expected);
    ASSERT_TRUE(WriteRecords(path_, kFirstRun));
    EXPECT_EQ(Contents(path_), expected);
    EXPECT_EQ(ReadRecords(path_),
              Read(1, 16, 16, 35, {"999", u"匿名"_s, "999", u"匿名"_s, "999", u"匿名"_s}));
}

TEST_F(RecordsFile, NumberLinesHaveSignColumnAndTrailingBlank) {
    const SavedSettings settings{-3, 0, 32767, -32768, Table({})};
    EXPECT_TRUE(RecordsBytes(settings).startsWith("-3 \r\n 0 \r\n 32767 \r\n-32768 \r\n\r\n"));
}

TEST_F(RecordsFile, ReadsAsFarAsTheFileIsSound) {
    const QByteArray full =
        "2\r\n30\r\n16\r\n80\r\n12\r\nann\r\n999\r\n" + kAnonymous + "\r\n45\r\nbob\r\n";
    const RecordsRead fullRead = Read(2, 30, 16, 80, {"12", "ann", "999", u"匿名"_s, "45", "bob"});
    struct Case {
        const char* name;
        QByteArray bytes;
        RecordsRead expected;
    };
    const Case cases[] = {
        {"empty", "", Read({}, {}, {}, {})},
        {"four lines", " 2 \r\n 30 \r\n 16 \r\n 80 \r\n", Read(2, 30, 16, 80)},
        {"line 2 no number", " 1 \r\nabc\r\n 16 \r\n 35 \r\n999\r\n", Read(1, {}, {}, {})},
        {"blank number line", " 1 \r\n   \r\n 16 \r\n", Read(1, {}, {}, {})},
        {"halves to even, out of range", " 8.5 \r\n 9.5 \r\n40000\r\n 1 \r\n", Read(8, 10, {}, {})},
        {"negative", "-3 \r\n-32768 \r\n 0 \r\n-1\r\n", Read(-3, -32768, 0, -1)},
        {"no blanks", full, fullRead},
        {"with blanks",
         QByteArray(full).replace("2\r\n30\r\n16\r\n80", " 2 \r\n 30 \r\n 16 \r\n 80 "), fullRead},
        {"CR only", QByteArray(full).replace("\r\n", "\r"), fullRead},
        {"LF only", QByteArray(full).replace("\r\n", "\n"), fullRead},
        {"no final line end", full.chopped(2), fullRead},
        {"lines after the tenth", full + "extra\r\nmore\r\n", fullRead},
        {"ends before the tenth", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n",
         Read(1, 2, 3, 4, {"5", "6", "7"})},
        {"captions as they are", "1\r\n2\r\n3\r\n4\r\n  12 \r\n\r\n a b \r\n",
         Read(1, 2, 3, 4, {"  12 ", "", " a b "})},
        {"huge tail", full + QByteArray(100 * 1024, 'x'), fullRead},
        {"huge caption", "1\r\n2\r\n3\r\n4\r\n5\r\n" + QByteArray(70 * 1024, 'x') + "\r\n7\r\n",
         Read(1, 2, 3, 4, {"5"})},
    };
    for (const Case& c : cases) {
        Put(path_, c.bytes);
        EXPECT_EQ(ReadRecords(path_), c.expected) << c.name;
    }
}

TEST_F(RecordsFile, NothingFromAMissingFileOrAFolder) {
    EXPECT_EQ(ReadRecords(path_), Read({}, {}, {}, {}));
    ASSERT_TRUE(QDir(folder_.path()).mkdir("result.sav"));
    EXPECT_EQ(ReadRecords(path_), Read({}, {}, {}, {}));
}

TEST_F(RecordsFile, WhatIsWrittenReadsBackUnchanged) {
    const SavedSettings cases[] = {
        kFirstRun,
        {3, 30, 24, 200, Table({"7", u"无名菜鸟"_s, "12", u"张 三 "_s, "", " "})},
        // 𠀀 and 😀 lie outside GBK; GB18030 keeps them.
        {0, 8, 8, 10, Table({"abc", u"𠀀"_s, "-1", u"😀 ok"_s, "1e3", u"é€"_s})},
        {-32768, 32767, -1, 0, Table({})},
    };
    for (const SavedSettings& settings : cases) {
        ASSERT_TRUE(WriteRecords(path_, settings));
        const RecordsRead read = ReadRecords(path_);
        EXPECT_EQ(read, Read(settings.level, settings.fieldWidth, settings.fieldHeight,
                             settings.mineTotal, Captions(settings.bestTimes)))
            << settings.bestTimes.name(0).toStdString();
        EXPECT_EQ(SettingsFrom(read), settings) << settings.bestTimes.name(0).toStdString();
    }
}

TEST_F(RecordsFile, LineBreakInCaptionIsWrittenAsBlank) {
    const QString breaks[] = {"\r\n", "\n",        "\r",        "\v",
                              "\f",   u"\u0085"_s, u"\u2028"_s, u"\u2029"_s};
    for (const QString& lineBreak : breaks) {
        SavedSettings settings = kFirstRun;
        settings.bestTimes.setName(0, "ann" + lineBreak + "bob");
        ASSERT_TRUE(WriteRecords(path_, settings));
        const QByteArray bytes = Contents(path_);
        EXPECT_EQ(bytes.count("\r\n"), 10);
        EXPECT_EQ(bytes.count('\r') + bytes.count('\n'), 20);
        EXPECT_EQ(ReadRecords(path_).tableCaptions,
                  (std::vector<QString>{"999", "ann bob", "999", u"匿名"_s, "999", u"匿名"_s}));
    }
}

TEST_F(RecordsFile, RewriteAfterReadKeepsTenLinesOnly) {
    Put(path_, RecordsBytes(kFirstRun) + "line 11\r\nline 12\r\n");
    const RecordsRead read = ReadRecords(path_);
    ASSERT_EQ(read.tableCaptions.size(), 6u);
    ASSERT_TRUE(WriteRecords(path_, SettingsFrom(read)));
    EXPECT_EQ(Contents(path_), RecordsBytes(kFirstRun));
}

TEST_F(RecordsFile, WriteFailsWhereNoFileCanBeCreated) {
    const QString plainFile = folder_.filePath("plain");
    Put(plainFile, "old");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.sav"));
    const QString paths[] = {folder_.filePath("missing/result.sav"), plainFile + "/result.sav",
                             folder_.filePath("folder.sav")};
    for (const QString& path : paths) {
        EXPECT_FALSE(WriteRecords(path, kFirstRun)) << path.toStdString();
    }
    EXPECT_EQ(Contents(plainFile), "old");
    EXPECT_TRUE(QFileInfo(folder_.filePath("folder.sav")).isDir());
    EXPECT_EQ(
        QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        (QStringList{"folder.sav", "plain"}));
}

// A file-size limit stops root too, and cuts the write off part way, as a full disk does.
TEST_F(RecordsFile, WriteCutShortKeepsTheOldFileWhole) {
    Put(path_, "old records\r\n");
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit limit = oldLimit;
    limit.rlim_cur = 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool written = WriteRecords(path_, kFirstRun);
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_FALSE(written);
    EXPECT_EQ(Contents(path_), "old records\r\n");
    EXPECT_EQ(
        QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList{"result.sav"});
}

} // namespace
} // namespace torvane::store

namespace torvane::store {
namespace {

// However long the names that come in (a pasted essay, bytes that are no GBK and come back as
// four-byte U+FFFD), what the game writes stays far under what it reads back.
TEST_F(RecordsFile, LongAndBrokenNamesAreBoundedAndReadBackWhole) {
    const QString chinese(15000, QChar(0x540D)); // 名
    const QString broken(20000, QChar::ReplacementCharacter);
    SavedSettings settings = kFirstRun;
    for (int level = 0; level < BestTimes::levelCount; ++level) {
        settings.bestTimes.setTime(level, QString::number(level));
        settings.bestTimes.setName(level, level == 1 ? broken : chinese);
    }
    EXPECT_EQ(settings.bestTimes.name(0).size(), BestTimes::maxCaptionLength);
    ASSERT_TRUE(WriteRecords(path_, settings));
    EXPECT_LT(Contents(path_).size(), 2048);
    EXPECT_EQ(SettingsFrom(ReadRecords(path_)), settings);

    // A hand-edited file with a name of 20,000 bytes that are no GBK: bounded on the way in,
    // so the next save cannot grow past the reader and cost the records after it.
    Put(path_, " 1 \r\n 16 \r\n 16 \r\n 35 \r\n3\r\n" + QByteArray(20000, '\xFF') +
                   "\r\n5\r\nann\r\n7\r\nbob\r\n");
    const SavedSettings handEdited = SettingsFrom(ReadRecords(path_));
    ASSERT_EQ(handEdited.bestTimes.time(2), u"7");
    ASSERT_TRUE(WriteRecords(path_, handEdited));
    EXPECT_EQ(SettingsFrom(ReadRecords(path_)), handEdited);
}

TEST_F(RecordsFile, CleanOnlyWhenAllTenLinesReadSoundly) {
    const QByteArray numbers = " 1 \r\n 16 \r\n 16 \r\n 35 \r\n";
    const QByteArray table = "999\r\n" + kAnonymous + "\r\n9\r\nann\r\n999\r\nbob\r\n";
    const struct {
        const char* name;
        QByteArray bytes;
        bool clean;
    } cases[] = {
        {"as written", numbers + table, true},
        {"lines after the tenth", numbers + table + "more\r\n", true},
        {"no end on the last line", numbers + table.chopped(2), true},
        {"nine lines", numbers + table.first(table.lastIndexOf("bob")), false},
        {"a number line that is no number", "x\r\n" + numbers.sliced(5) + table, false},
        {"a byte order mark", "\xEF\xBB\xBF" + numbers + table, false},
        {"a name that is no GBK", numbers + QByteArray(table).replace("ann", "\xFF\xFE"), false},
        {"empty", "", false},
    };
    for (const auto& c : cases) {
        Put(path_, c.bytes);
        EXPECT_EQ(ReadRecords(path_).clean, c.clean) << c.name;
    }
}

// Opening a FIFO for reading would wait for a writer for good; a device could pour out bytes.
TEST_F(RecordsFile, OnlyRegularFilesAreRead) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path_).constData(), 0600), 0);
    EXPECT_EQ(ReadRecords(path_), Read({}, {}, {}, {}));
    ASSERT_TRUE(QFile::remove(path_));
    ASSERT_TRUE(QFile::link("/dev/zero", path_));
    EXPECT_EQ(ReadRecords(path_), Read({}, {}, {}, {}));
}

} // namespace
} // namespace torvane::store
