#include "settings/conversions.h"

#include "files/ascii_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace skyfolio {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isAsciiBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isAsciiBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Length of the longest number at the start of `s`: sign, digits, an optional
// fraction and an optional exponent. 0 when `s` does not start with a number.
size_t numberPrefix(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

double parseNumber(std::string_view number) {
    // strtod wants a terminated string; the prefix rule already vetted it.
    const std::string copy(number);
    return std::strtod(copy.c_str(), nullptr);
}

double roundHalfEven(double x) {
    if (std::isnan(x)) throw ConversionError("not a number");
    // The default rounding mode, which nothing here changes, ties to even.
    return std::nearbyint(x);
}

template <typename Int>
Int roundTo(double x) {
    const double r = roundHalfEven(x);
    if (r < std::numeric_limits<Int>::min() || r > std::numeric_limits<Int>::max())
        throw ConversionError("overflow: " + std::to_string(x));
    return static_cast<Int>(r);
}

}  // namespace

double NumberValue(std::string_view text) {
    while (!text.empty() && isAsciiBlank(text.front())) text.remove_prefix(1);
    const size_t n = numberPrefix(text);
    return n == 0 ? 0.0 : parseNumber(text.substr(0, n));
}

double StrictNumber(std::string_view text) {
    const std::string_view t = trimBlanks(text);
    if (t.empty() || numberPrefix(t) != t.size()) throw ConversionError("type mismatch: \"" + std::string(text) + "\"");
    const double value = parseNumber(t);
    if (!std::isfinite(value)) throw ConversionError("overflow: \"" + std::string(text) + "\"");
    return value;
}

int16_t RoundInt16(double x) { return roundTo<int16_t>(x); }
int16_t RoundInt16(std::string_view text) { return roundTo<int16_t>(StrictNumber(text)); }
int16_t SaturatedInt16(double x) {
    if (std::isnan(x)) return 0;  // infinity less infinity, from a value too large to hold
    return RoundInt16(std::clamp(x, double(std::numeric_limits<int16_t>::min()), double(std::numeric_limits<int16_t>::max())));
}
int32_t RoundInt32(double x) { return roundTo<int32_t>(x); }
int32_t RoundInt32(std::string_view text) { return roundTo<int32_t>(StrictNumber(text)); }

double Floor(double x) { return std::floor(x); }

int64_t WholeDiv(int64_t a, int64_t b) {
    if (b == 0) throw ConversionError("division by zero");
    return a / b;
}

bool BooleanValue(std::string_view text) {
    const std::string_view t = trimBlanks(text);
    const auto is = [&](std::string_view word) {
        if (t.size() != word.size()) return false;
        for (size_t i = 0; i < t.size(); ++i)
            if ((t[i] | 0x20) != word[i]) return false;
        return true;
    };
    if (is("true")) return true;
    if (is("false")) return false;
    return StrictNumber(t) != 0.0;
}

std::string BooleanText(bool value) { return value ? "True" : "False"; }

std::string DecimalText(int64_t value) { return std::to_string(value); }

std::string NumberText(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

}  // namespace skyfolio
