#include "store/records_format.h"
#include "store/testing/records_files.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace torvane::store {

void PrintTo(const RecordsContents& contents, std::ostream* out) {
    const PlayedField& field = contents.field;
    *out << field.level << ' ' << field.fieldWidth << ' ' << field.fieldHeight << ' '
         << field.mineTotal;
    for (int level = 0; level < BestTimes::levelCount; ++level) {
        *out << " [" << contents.bestTimes.time(level).toStdString() << "]["
             << contents.bestTimes.name(level).toStdString() << ']';
    }
}

namespace {

using namespace Qt::StringLiterals;
using testing::firstRunFile;

const QByteArray anonymous = "\xC4\xE4\xC3\xFB"; // 匿名 in GBK

RecordsContents contentsOf(PlayedField field, std::vector<Record> records = {}) {
    RecordsContents contents{field, {}};
    for (std::size_t level = 0; level < records.size(); ++level) {
        contents.bestTimes.setRecord(static_cast<int>(level), records[level]);
    }
    return contents;
}

TEST(RecordsFormat, TheFirstRunFileIsTheseBytes) {
    EXPECT_EQ(firstRunFile(), " 1 \r\n 16 \r\n 16 \r\n 35 \r\n999\r\n" + anonymous + "\r\n999\r\n" +
                                  anonymous + "\r\n999\r\n" + anonymous + "\r\n");
    EXPECT_TRUE(recordsBytes(contentsOf({-3, 0, 32767, -32768}, {{"", ""}}))
                    .startsWith("-3 \r\n 0 \r\n 32767 \r\n-32768 \r\n\r\n\r\n"));
}

// Reading stops quietly at the first line that is not what it should be; what was read stays,
// the rest keeps its first start's value. No text is ever read as a time.
TEST(RecordsFormat, ReadsAsFarAsTheFileIsSound) {
    const QByteArray full =
        "2\r\n30\r\n16\r\n80\r\n12\r\nann\r\n999\r\n" + anonymous + "\r\n45\r\nbob\r\n";
    const RecordsContents fullRead =
        contentsOf({2, 30, 16, 80}, {{"12", "ann"}, {"999", u"匿名"_s}, {"45", "bob"}});
    const struct {
        const char* name;
        QByteArray bytes;
        RecordsContents expected;
        Condition condition;
    } cases[] = {
        {"empty", "", {}, Condition::Empty},
        {"four lines", " 2 \r\n 30 \r\n 16 \r\n 80 \r\n", contentsOf({2, 30, 16, 80}),
         Condition::Damaged},
        {"line 2 no number", " 0 \r\nabc\r\n 16 \r\n 35 \r\n", contentsOf({0, 0, 0, 0}),
         Condition::Damaged},
        {"halves to even, out of range", " 8.5 \r\n 9.5 \r\n40000\r\n", contentsOf({8, 10, 0, 0}),
         Condition::Damaged},
        {"no blanks", full, fullRead, Condition::Damaged},
        {"as written", recordsBytes(fullRead), fullRead, Condition::Clean},
        {"LF only", recordsBytes(fullRead).replace("\r\n", "\n"), fullRead, Condition::Clean},
        {"CR only, no final end", recordsBytes(fullRead).replace("\r\n", "\r").chopped(1), fullRead,
         Condition::Clean},
        {"lines after the tenth", recordsBytes(fullRead) + "extra\r\n", fullRead,
         Condition::CleanTail},
        {"a kill's tail after the tenth", recordsBytes(fullRead) + "\xC3", fullRead,
         Condition::CleanTail},
        {"a name where a time belongs", QByteArray(full).replace("999", "carl"),
         contentsOf({2, 30, 16, 80}, {{"12", "ann"}}), Condition::Damaged},
        {"a negative time", QByteArray(full).replace("12", "-5"), contentsOf({2, 30, 16, 80}),
         Condition::Damaged},
        {"a CR inside a name", QByteArray(full).replace("ann", "an\rn"),
         contentsOf({2, 30, 16, 80}, {{"12", "an"}}), Condition::Damaged},
        {"bytes that are no GB18030", QByteArray(full).replace("ann", "\xFF\xFE"),
         contentsOf({2, 30, 16, 80}, {{"12", u"\uFFFD"_s}, {"999", u"匿名"_s}, {"45", "bob"}}),
         Condition::Damaged},
        {"a byte order mark", "\xEF\xBB\xBF" + recordsBytes(fullRead), {}, Condition::Damaged},
        // A line past the reader's bound costs only its own tail, never a later line.
        {"a huge name", "1\r\n2\r\n3\r\n4\r\n5\r\n" + QByteArray(70 * 1024, 'x') + "\r\n7\r\n",
         contentsOf({1, 2, 3, 4}, {{"5", QString(64, u'x')}, {"7", u"匿名"_s}}),
         Condition::Damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedRecords parsed = parseRecords(c.bytes);
        EXPECT_EQ(parsed.contents, c.expected);
        EXPECT_EQ(parsed.condition, c.condition);
    }
}

// Whatever the table holds reads back as it was written, a line break inside a caption as a
// blank, a caption past the bound cut; GB18030 keeps what GBK has no bytes for.
TEST(RecordsFormat, WhatIsWrittenReadsBackClean) {
    const struct {
        const char* name;
        RecordsContents written;
        RecordsContents read;
    } cases[] = {
        {"first run", {}, {}},
        {"names with blanks",
         contentsOf({3, 30, 24, 200}, {{"7", u"无名菜鸟"_s}, {"12", u"张 三 "_s}}),
         contentsOf({3, 30, 24, 200}, {{"7", u"无名菜鸟"_s}, {"12", u"张 三 "_s}})},
        {"beyond GBK", contentsOf({0, 8, 8, 10}, {{"0", u"𠀀"_s}, {"1", u"😀 ok"_s}}),
         contentsOf({0, 8, 8, 10}, {{"0", u"𠀀"_s}, {"1", u"😀 ok"_s}})},
        {"line breaks", contentsOf({1, 16, 16, 35}, {{"5", u"a\r\nb\nc\u2028d"_s}}),
         contentsOf({1, 16, 16, 35}, {{"5", u"a b c d"_s}})},
        {"a name past the bound", contentsOf({1, 16, 16, 35}, {{"5", QString(65, u'a')}}),
         contentsOf({1, 16, 16, 35}, {{"5", QString(64, u'a')}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedRecords parsed = parseRecords(recordsBytes(c.written));
        EXPECT_EQ(parsed.contents, c.read);
        EXPECT_EQ(parsed.condition, Condition::Clean);
    }
}

} // namespace
} // namespace torvane::store
