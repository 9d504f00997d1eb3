#include "store/value_text.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

const char* SkipSpace(const char* text) {
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    return text;
}

const char* SkipDigits(const char* text) {
    while (IsDigit(*text))
        ++text;
    return text;
}

// The end of the decimal number at text, or text itself when there is none.
const char* DecimalNumberEnd(const char* text) {
    const char* c = text + (*text == '+' || *text == '-');
    const char* digits = c;
    c = SkipDigits(c);
    bool whole = c != digits;
    bool fraction = false;
    if (*c == '.') {
        fraction = IsDigit(c[1]);
        c = SkipDigits(c + 1);
    }
    if (!whole && !fraction)
        return text;
    if (*c == 'e' || *c == 'E') {
        const char* exponent = c + 1 + (c[1] == '+' || c[1] == '-');
        if (IsDigit(*exponent))
            c = SkipDigits(exponent);
    }
    return c;
}

}  // namespace

int32_t ParseWrappedInt(const char* text) {
    const char* c = SkipSpace(text);
    bool negative = *c == '-';
    if (*c == '+' || *c == '-')
        ++c;
    uint32_t value = 0;  // unsigned arithmetic wraps without undefined behaviour
    for (; IsDigit(*c); ++c)
        value = value * 10u + static_cast<uint32_t>(*c - '0');
    if (negative)
        value = 0u - value;
    if (value <= INT32_MAX)
        return static_cast<int32_t>(value);
    return -static_cast<int32_t>(~value) - 1;  // two's complement of an out-of-range pattern
}

double ParseLeadingDouble(const char* text) {
    const char* start = SkipSpace(text);
    size_t length = DecimalNumberEnd(start) - start;
    if (length == 0)
        return 0.0;
    // strtod also takes hexadecimal, "inf" and "nan"; hand it only the decimal part.
    std::string number(start, length);
    return std::strtod(number.c_str(), nullptr);
}
