#include "store/records_checks.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace torvane::store {
namespace {

using namespace Qt::StringLiterals;
using checks::cleanFault;
using checks::roundTripFault;
using checks::startFault;

// Bytes a records file is made of, damaged or not: digits and number marks, blanks, line ends,
// GB18030 lead and trail bytes, and now and then anything.
char recordsByte(std::mt19937& random) {
    static const QByteArray common = "0123456789 -+.eE\t\r\n\r\n";
    switch (std::uniform_int_distribution<int>(0, 9)(random)) {
    case 0:
    case 1:
        return static_cast<char>(std::uniform_int_distribution<int>(0x81, 0xFE)(random));
    case 2:
        return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    default:
        return common[std::uniform_int_distribution<int>(0, common.size() - 1)(random)];
    }
}

QByteArray randomBytes(std::mt19937& random) {
    QByteArray bytes(std::uniform_int_distribution<int>(0, 120)(random), '\0');
    for (char& byte : bytes) {
        byte = recordsByte(random);
    }
    return bytes;
}

QByteArray randomNumberLine(std::mt19937& random) {
    const int value = std::uniform_int_distribution<int>(-40000, 40000)(random);
    switch (std::uniform_int_distribution<int>(0, 3)(random)) {
    case 0:
        return QByteArray::number(std::uniform_int_distribution<int>(-2, 6)(random));
    case 1:
        return QByteArray::number(std::uniform_int_distribution<int>(-3, 40)(random)) + ".5";
    case 2:
        return " " + QByteArray::number(value) + " ";
    default:
        return QByteArray::number(std::uniform_int_distribution<int>(0, 35)(random));
    }
}

// A file as the game writes it, or close to it, then damaged a few times over.
QByteArray mutatedFile(std::mt19937& random) {
    QByteArray bytes;
    for (int line = 0; line < 4; ++line) {
        bytes += randomNumberLine(random) + "\r\n";
    }
    // Among the names, two longer than the table keeps; in the second a character outside
    // the basic plane (GB18030 95 32 82 36) straddles the cut.
    const QByteArray names[] = {"999",
                                "\xC4\xE4\xC3\xFB",
                                "12",
                                "ann",
                                "",
                                "\x81\x30\x81\x30",
                                QByteArray(70, 'x'),
                                QByteArray(63, 'x') + "\x95\x32\x82\x36yz"};
    for (int line = 0; line < 6; ++line) {
        bytes +=
            names[std::uniform_int_distribution<int>(0, std::size(names) - 1)(random)] + "\r\n";
    }
    const int mutations = std::uniform_int_distribution<int>(0, 4)(random);
    for (int i = 0; i < mutations && !bytes.isEmpty(); ++i) {
        const int at = std::uniform_int_distribution<int>(0, bytes.size() - 1)(random);
        switch (std::uniform_int_distribution<int>(0, 4)(random)) {
        case 0:
            bytes[at] = recordsByte(random);
            break;
        case 1:
            bytes.insert(at, recordsByte(random));
            break;
        case 2:
            bytes.remove(at, std::uniform_int_distribution<int>(1, 6)(random));
            break;
        case 3:
            bytes.truncate(at);
            break;
        default:
            bytes.insert(at, bytes.mid(at, std::uniform_int_distribution<int>(1, 12)(random)));
        }
    }
    return bytes;
}

std::string hex(const QByteArray& bytes) {
    return bytes.toHex(' ').toStdString();
}

// Whatever a damaged disk or a hand edit leaves in the file, start-up gets a sound game and
// no text for a time, a clean read loses nothing, and what is written reads back the same.
TEST(RecordsProperty, AnyFileStartsSoundAndReadsBackWhatIsWritten) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 10000; ++i) {
        const QByteArray bytes = i % 2 == 0 ? randomBytes(random) : mutatedFile(random);
        SCOPED_TRACE("case " + std::to_string(i) + ": " + hex(bytes));
        const ParsedRecords parsed = parseRecords(bytes);
        ASSERT_EQ(startFault(parsed.contents), "");
        ASSERT_EQ(cleanFault(bytes, parsed), "");
        ASSERT_EQ(roundTripFault(parsed.contents), "");
        ASSERT_LT(recordsBytes(parsed.contents).size(), 4096) << "too long to read back";
    }
}

// Start-up mends the values the game itself never writes, through the same gate as a choice.
TEST(RecordsProperty, StartUpMendsUnsoundValues) {
    const struct {
        const char* name;
        PlayedField read;
        game::FieldSize field;
    } cases[] = {
        {"nothing read", {}, {16, 16, 35}},
        {"level below 0", {-5, 30, 30, 100}, {16, 16, 35}},
        {"level above 3 keeps its size", {7, 20, 12, 40}, {20, 12, 40}},
        {"custom, sizes out of range", {3, 31, -4, 900}, {30, 8, 80}},
        {"custom, as many mines as cells", {3, 5, 5, 25}, {8, 8, 21}},
        {"custom, one row", {3, 30, 1, 29}, {30, 1, 29}},
        {"custom without a size", {3, 0, 0, 0}, {8, 8, 8}},
        {"preset ignores the size", {0, 30, 30, 899}, {8, 8, 8}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checks::startField(c.read), c.field) << c.name;
    }
}

} // namespace
} // namespace torvane::store
