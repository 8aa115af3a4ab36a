#include "platform/text_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace torvane::platform {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Length of the number at the start of text: sign, digits, fraction, exponent.
// Zero when no digit is found.
qsizetype numberLength(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        ++i;
    }
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            ++j;
        }
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

// Whether a number that does not fit a double is too small rather than too large: its first
// significant digit lies right of the decimal point once the exponent is applied.
bool belowOne(std::string_view number) {
    std::size_t i = number.find_first_not_of("+-");
    const std::size_t digitsEnd = number.find_first_of("eE");
    const std::size_t integerEnd = std::min({number.find('.'), digitsEnd, number.size()});
    // Decimal place of the digit at i (0 for the units, -1 for tenths), and of the first
    // significant digit.
    long long place = static_cast<long long>(integerEnd - i) - 1;
    long long order = -1;
    for (; i < number.size() && i != digitsEnd; ++i) {
        if (number[i] == '.') {
            continue;
        }
        if (number[i] != '0') {
            order = place;
            break;
        }
        --place;
    }
    long long exponent = 0;
    if (digitsEnd != std::string_view::npos) {
        std::size_t j = digitsEnd + 1;
        const bool negative = j < number.size() && number[j] == '-';
        if (j < number.size() && (number[j] == '+' || number[j] == '-')) {
            ++j;
        }
        // Saturate: any exponent this large already decides the matter.
        for (; j < number.size() && exponent < 1'000'000'000; ++j) {
            exponent = exponent * 10 + (number[j] - '0');
        }
        exponent = negative ? -exponent : exponent;
    }
    return order + exponent < 0;
}

double parse(QStringView number) {
    const std::string ascii = number.toLatin1().toStdString();
    const char* first = ascii.data();
    if (*first == '+') {
        ++first; // from_chars takes no plus sign
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        // from_chars reports both ways out of range alike: too small is 0, too large infinite.
        if (belowOne(ascii)) {
            return 0.0;
        }
        return ascii.front() == '-' ? -std::numeric_limits<double>::infinity()
                                    : std::numeric_limits<double>::infinity();
    }
    return value == 0.0 ? 0.0 : value; // no negative zero: "-0" is plain 0
}

qsizetype skipBlanks(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    return i;
}

} // namespace

double numericValue(QStringView text) {
    const QStringView rest = text.mid(skipBlanks(text));
    const qsizetype length = numberLength(rest);
    return length == 0 ? 0.0 : parse(rest.first(length));
}

std::optional<std::int16_t> toInt16(QStringView text) {
    QStringView trimmed = text.mid(skipBlanks(text));
    while (!trimmed.isEmpty() && isBlank(trimmed.back())) {
        trimmed.chop(1);
    }
    const qsizetype length = numberLength(trimmed);
    if (length == 0 || length != trimmed.size()) {
        return std::nullopt;
    }
    const double value = parse(trimmed);
    // The default rounding mode sends a half to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

QString decimalText(long long value) {
    return QString::number(value);
}

} // namespace torvane::platform
