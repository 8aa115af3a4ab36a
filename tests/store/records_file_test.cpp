#include "store/records_file.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
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
BestTimes table(const std::array<QString, BestTimes::captionCount>& captions) {
    BestTimes table;
    for (int i = 0; i < BestTimes::captionCount; ++i) {
        table.setCaption(i, captions[static_cast<std::size_t>(i)]);
    }
    return table;
}

std::vector<QString> captions(const BestTimes& table) {
    std::vector<QString> captions;
    for (int i = 0; i < BestTimes::captionCount; ++i) {
        captions.push_back(table.caption(i));
    }
    return captions;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

RecordsRead readOf(std::optional<std::int16_t> level, std::optional<std::int16_t> width,
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
    EXPECT_EQ(recordsBytes(kFirstRun), expected);
    ASSERT_TRUE(writeRecords(path_, kFirstRun));
    EXPECT_EQ(contents(path_), expected);
    EXPECT_EQ(readRecords(path_),
              readOf(1, 16, 16, 35, {"999", u"匿名"_s, "999", u"匿名"_s, "999", u"匿名"_s}));
}

TEST_F(RecordsFile, NumberLinesHaveSignColumnAndTrailingBlank) {
    const SavedSettings settings{-3, 0, 32767, -32768, table({})};
    EXPECT_TRUE(recordsBytes(settings).startsWith("-3 \r\n 0 \r\n 32767 \r\n-32768 \r\n\r\n"));
}

TEST_F(RecordsFile, ReadsAsFarAsTheFileIsSound) {
    const QByteArray full =
        "2\r\n30\r\n16\r\n80\r\n12\r\nann\r\n999\r\n" + kAnonymous + "\r\n45\r\nbob\r\n";
    const RecordsRead fullRead =
        readOf(2, 30, 16, 80, {"12", "ann", "999", u"匿名"_s, "45", "bob"});
    struct Case {
        const char* name;
        QByteArray bytes;
        RecordsRead expected;
    };
    const Case cases[] = {
        {"empty", "", readOf({}, {}, {}, {})},
        {"four lines", " 2 \r\n 30 \r\n 16 \r\n 80 \r\n", readOf(2, 30, 16, 80)},
        {"line 2 no number", " 1 \r\nabc\r\n 16 \r\n 35 \r\n999\r\n", readOf(1, {}, {}, {})},
        {"blank number line", " 1 \r\n   \r\n 16 \r\n", readOf(1, {}, {}, {})},
        {"halves to even, out of range", " 8.5 \r\n 9.5 \r\n40000\r\n 1 \r\n",
         readOf(8, 10, {}, {})},
        {"negative", "-3 \r\n-32768 \r\n 0 \r\n-1\r\n", readOf(-3, -32768, 0, -1)},
        {"no blanks", full, fullRead},
        {"with blanks",
         QByteArray(full).replace("2\r\n30\r\n16\r\n80", " 2 \r\n 30 \r\n 16 \r\n 80 "), fullRead},
        {"CR only", QByteArray(full).replace("\r\n", "\r"), fullRead},
        {"LF only", QByteArray(full).replace("\r\n", "\n"), fullRead},
        {"no final line end", full.chopped(2), fullRead},
        {"lines after the tenth", full + "extra\r\nmore\r\n", fullRead},
        {"ends before the tenth", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n",
         readOf(1, 2, 3, 4, {"5", "6", "7"})},
        {"captions as they are", "1\r\n2\r\n3\r\n4\r\n  12 \r\n\r\n 7 \r\n",
         readOf(1, 2, 3, 4, {"  12 ", "", " 7 "})},
        // Damage, never data: no text is read as a time, which would count as 0 s.
        {"a name where a time belongs", QByteArray(full).replace("999", "carl"),
         readOf(2, 30, 16, 80, {"12", "ann"})},
        {"a CR inside a name", QByteArray(full).replace("ann", "an\rn"),
         readOf(2, 30, 16, 80, {"12", "an"})},
        {"a time whose number lies past the caption bound",
         "1\r\n2\r\n3\r\n4\r\n" + QByteArray(BestTimes::maxCaptionLength, '\t') + "5\r\nann\r\n",
         readOf(1, 2, 3, 4)},
        {"huge tail", full + QByteArray(100 * 1024, 'x'), fullRead},
        // A line past the reader's bound costs only its own tail, never a later line.
        {"huge caption", "1\r\n2\r\n3\r\n4\r\n5\r\n" + QByteArray(70 * 1024, 'x') + "\r\n7\r\n",
         readOf(1, 2, 3, 4, {"5", QString(4096, 'x'), "7"})},
    };
    for (const Case& c : cases) {
        put(path_, c.bytes);
        EXPECT_EQ(readRecords(path_), c.expected) << c.name;
    }
}

TEST_F(RecordsFile, NothingFromAMissingFileOrAFolder) {
    EXPECT_EQ(readRecords(path_), readOf({}, {}, {}, {}));
    ASSERT_TRUE(QDir(folder_.path()).mkdir("result.sav"));
    EXPECT_EQ(readRecords(path_), readOf({}, {}, {}, {}));
}

TEST_F(RecordsFile, WhatIsWrittenReadsBackUnchanged) {
    const SavedSettings cases[] = {
        kFirstRun,
        {3, 30, 24, 200, table({"7", u"无名菜鸟"_s, "12", u"张 三 "_s, " 0 ", " "})},
        // 𠀀 and 😀 lie outside GBK; GB18030 keeps them.
        {0, 8, 8, 10, table({"0", u"𠀀"_s, "-1", u"😀 ok"_s, "12.5", u"é€"_s})},
        {-32768, 32767, -1, 0, table({"999", "", "999", "", "999", ""})},
    };
    for (const SavedSettings& settings : cases) {
        ASSERT_TRUE(writeRecords(path_, settings));
        const RecordsRead read = readRecords(path_);
        EXPECT_EQ(read, readOf(settings.level, settings.fieldWidth, settings.fieldHeight,
                               settings.mineTotal, captions(settings.bestTimes)))
            << settings.bestTimes.name(0).toStdString();
        EXPECT_EQ(settingsFrom(read), settings) << settings.bestTimes.name(0).toStdString();
    }
}

TEST_F(RecordsFile, LineBreakInCaptionIsWrittenAsBlank) {
    const QString breaks[] = {"\r\n", "\n",        "\r",        "\v",
                              "\f",   u"\u0085"_s, u"\u2028"_s, u"\u2029"_s};
    for (const QString& lineBreak : breaks) {
        SavedSettings settings = kFirstRun;
        settings.bestTimes.setName(0, "ann" + lineBreak + "bob");
        ASSERT_TRUE(writeRecords(path_, settings));
        const QByteArray bytes = contents(path_);
        EXPECT_EQ(bytes.count("\r\n"), 10);
        EXPECT_EQ(bytes.count('\r') + bytes.count('\n'), 20);
        EXPECT_EQ(readRecords(path_).tableCaptions,
                  (std::vector<QString>{"999", "ann bob", "999", u"匿名"_s, "999", u"匿名"_s}));
    }
}

TEST_F(RecordsFile, RewriteAfterReadKeepsTenLinesOnly) {
    put(path_, recordsBytes(kFirstRun) + "line 11\r\nline 12\r\n");
    const RecordsRead read = readRecords(path_);
    ASSERT_EQ(read.tableCaptions.size(), 6u);
    ASSERT_TRUE(writeRecords(path_, settingsFrom(read)));
    EXPECT_EQ(contents(path_), recordsBytes(kFirstRun));
}

TEST_F(RecordsFile, WriteFailsWhereNoFileCanBeCreated) {
    const QString plainFile = folder_.filePath("plain");
    put(plainFile, "old");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.sav"));
    const QString paths[] = {folder_.filePath("missing/result.sav"), plainFile + "/result.sav",
                             folder_.filePath("folder.sav")};
    for (const QString& path : paths) {
        EXPECT_FALSE(writeRecords(path, kFirstRun)) << path.toStdString();
    }
    EXPECT_EQ(contents(plainFile), "old");
    EXPECT_TRUE(QFileInfo(folder_.filePath("folder.sav")).isDir());
    EXPECT_EQ(
        QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        (QStringList{"folder.sav", "plain"}));
}

// A file-size limit stops root too, and cuts the write off part way, as a full disk does.
TEST_F(RecordsFile, WriteCutShortKeepsTheOldFileWhole) {
    put(path_, "old records\r\n");
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit limit = oldLimit;
    limit.rlim_cur = 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool written = writeRecords(path_, kFirstRun);
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_FALSE(written);
    EXPECT_EQ(contents(path_), "old records\r\n");
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
    EXPECT_EQ(settings.bestTimes.name(0).size(), 64);
    ASSERT_TRUE(writeRecords(path_, settings));
    EXPECT_LT(contents(path_).size(), 2048);
    EXPECT_EQ(settingsFrom(readRecords(path_)), settings);

    // A hand-edited file with a name of 20,000 bytes that are no GBK: bounded on the way in,
    // so the next save cannot grow past the reader and cost the records after it.
    put(path_, " 1 \r\n 16 \r\n 16 \r\n 35 \r\n3\r\n" + QByteArray(20000, '\xFF') +
                   "\r\n5\r\nann\r\n7\r\nbob\r\n");
    const SavedSettings handEdited = settingsFrom(readRecords(path_));
    ASSERT_EQ(handEdited.bestTimes.time(2), u"7");
    ASSERT_TRUE(writeRecords(path_, handEdited));
    EXPECT_EQ(settingsFrom(readRecords(path_)), handEdited);
}

// Clean means that writing back what was read gives the same ten lines: each row is an edit
// that changes that text, or one that does not. The line ends alone may differ.
TEST_F(RecordsFile, CleanOnlyWhenWritingBackKeepsEveryLine) {
    const QByteArray numbers = " 1 \r\n 16 \r\n 16 \r\n 35 \r\n";
    const QByteArray table = "999\r\n" + kAnonymous + "\r\n9\r\nann\r\n999\r\nbob\r\n";
    const QByteArray file = numbers + table;
    const auto withName = [&file](const QByteArray& name) {
        return QByteArray(file).replace("ann", name);
    };
    const struct {
        const char* name;
        QByteArray bytes;
        bool clean;
    } cases[] = {
        {"as written", file, true},
        {"LF only", QByteArray(file).replace("\r\n", "\n"), true},
        {"CR only", QByteArray(file).replace("\r\n", "\r"), true},
        {"lines after the tenth", file + "more\r\n", false},
        {"an empty line after the tenth", file + "\r\n", false},
        {"a CR inside a name", withName("an\rn"), false},
        {"a time that is no number", QByteArray(file).replace("9\r\nann", "9s\r\nann"), false},
        {"no end on the last line", file.chopped(2), true},
        {"a name of 64 characters", withName(QByteArray(64, 'a')), true},
        {"a name of 65 characters", withName(QByteArray(65, 'a')), false},
        {"a lone lead byte at a line end", withName("ann\xC4"), false},
        {"bytes that are no GBK", withName("\xFF\xFE"), false},
        {"a line separator", withName(QStringEncoder("GB18030").encode(u"a\u2028b")), false},
        {"nine lines", file.first(file.lastIndexOf("bob")), false},
        {"a number line that is no number", "x\r\n" + file.sliced(5), false},
        {"a number without its blanks", "1\r\n" + file.sliced(5), false},
        {"a byte order mark", "\xEF\xBB\xBF" + file, false},
        {"empty", "", false},
    };
    for (const auto& c : cases) {
        put(path_, c.bytes);
        EXPECT_EQ(readRecords(path_).clean, c.clean) << c.name;
    }
}

// A file from an older build with three names of 15,000 characters, about 90 KB: each name
// loses its tail, no record is lost, and the file needs a backup before it is rewritten.
TEST_F(RecordsFile, LongNamesCostOnlyTheirOwnTails) {
    const QByteArray longName = QByteArray("\xC3\xFB").repeated(15000); // 名 in GBK
    put(path_, " 2 \r\n 30 \r\n 16 \r\n 99 \r\n11\r\n" + longName + "\r\n22\r\n" + longName +
                   "\r\n33\r\n" + longName + "\r\n");
    const RecordsRead read = readRecords(path_);
    const BestTimes table = settingsFrom(read).bestTimes;
    for (int level = 0; level < 3; ++level) {
        EXPECT_EQ(table.time(level), QString::number(11 * (level + 1)));
        EXPECT_EQ(table.name(level), QString(64, QChar(0x540D)));
    }
    EXPECT_FALSE(read.clean);
}

// Opening a FIFO for reading would wait for a writer for good; a device could pour out bytes.
TEST_F(RecordsFile, OnlyRegularFilesAreRead) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path_).constData(), 0600), 0);
    EXPECT_EQ(readRecords(path_), readOf({}, {}, {}, {}));
    ASSERT_TRUE(QFile::remove(path_));
    ASSERT_TRUE(QFile::link("/dev/zero", path_));
    EXPECT_EQ(readRecords(path_), readOf({}, {}, {}, {}));
}

} // namespace
} // namespace torvane::store
