#include "fuzz/fuzz_check.h"
#include "platform/text_number.h"

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace torvane::platform;

namespace {

bool Same(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

// The C library's reading of the leading number, as a second opinion: the characters a
// decimal number can hold, after the blanks. The fuzzer never changes the C locale.
double StrtodValue(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && (text[start] == u' ' || text[start] == u'\t')) {
        ++start;
    }
    std::string prefix;
    for (qsizetype i = start; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' ||
              c == u'E')) {
            break;
        }
        prefix.push_back(static_cast<char>(c));
    }
    const double value = std::strtod(prefix.c_str(), nullptr);
    return value == 0.0 ? 0.0 : value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::string shown = text.toStdString();

    const double value = numericValue(text);
    FuzzCheck(!std::isnan(value), "numericValue is NaN: " + shown);
    FuzzCheck(Same(value, StrtodValue(text)),
              "numericValue " + std::to_string(value) + " differs from strtod: " + shown);
    FuzzCheck(Same(numericValue(text + u'x'), value), "a letter after it counts: " + shown);
    if (!text.isEmpty() && (text[0].isDigit() || text[0] == u'.') && text[0].unicode() < 128) {
        FuzzCheck(Same(numericValue(u'-' + text), value == 0.0 ? 0.0 : -value),
                  "minus sign not symmetric: " + shown);
    }

    const std::optional<std::int16_t> whole = toInt16(text);
    FuzzCheck(toInt16(u' ' + text + u'\t') == whole, "blanks around it count: " + shown);
    if (whole) {
        // The whole text is the number, so its value is the integer within rounding.
        const double off = std::abs(value - *whole);
        FuzzCheck(off <= 0.5, "toInt16 " + std::to_string(*whole) + " far from " + shown);
        FuzzCheck(off < 0.5 || *whole % 2 == 0, "half not to even: " + shown);
        FuzzCheck(toInt16(decimalText(*whole)) == whole, "decimal text does not convert back");
    }
    return 0;
}
