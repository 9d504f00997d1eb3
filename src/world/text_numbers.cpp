#include "world/text_numbers.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

const char* SkipBlanks(const char* text) {
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Appends the run of digits at text to out; returns the first character after it.
const char* TakeDigits(const char* text, std::string* out) {
    while (IsDigit(*text))
        out->push_back(*text++);
    return text;
}

// Appends an exponent ("e", optional sign, digits) when a complete one follows.
void TakeExponent(const char* text, std::string* out) {
    if (*text != 'e' && *text != 'E')
        return;
    const char* digits = text + 1;
    if (*digits == '+' || *digits == '-')
        ++digits;
    if (!IsDigit(*digits))
        return;
    out->append(text, digits);
    TakeDigits(digits, out);
}

}  // namespace

int32_t ParseLeadingInt(const char* text) {
    text = SkipBlanks(text);
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    uint32_t value = 0;
    for (; IsDigit(*text); ++text)
        value = value * 10u + static_cast<uint32_t>(*text - '0');
    if (negative)
        value = 0u - value;
    return static_cast<int32_t>(value);
}

double ParseLeadingDouble(const char* text) {
    text = SkipBlanks(text);
    std::string number;
    if (*text == '-' || *text == '+')
        number.push_back(*text++);
    size_t before = number.size();
    text = TakeDigits(text, &number);
    size_t digits = number.size() - before;
    if (*text == '.') {
        number.push_back('.');
        size_t point = number.size();
        text = TakeDigits(text + 1, &number);
        digits += number.size() - point;
    }
    if (digits == 0)
        return 0.0;
    TakeExponent(text, &number);
    return std::strtod(number.c_str(), nullptr);
}

float NarrowToFloat(double value) {
    if (std::isfinite(value) && std::fabs(value) > FLT_MAX)
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}
