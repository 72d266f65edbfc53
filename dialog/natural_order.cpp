#include "dialog/natural_order.h"

namespace skyfolio {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
char folded(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// The run of digits at `at`, without its leading zeros.
std::string_view digitsAt(std::string_view s, size_t& at) {
    while (at < s.size() && s[at] == '0' && at + 1 < s.size() && isDigit(s[at + 1])) ++at;
    const size_t start = at;
    while (at < s.size() && isDigit(s[at])) ++at;
    return s.substr(start, at - start);
}

// Negative, zero or positive as `a` comes before, with or after `b`.
int compareNaturally(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::string_view x = digitsAt(a, i), y = digitsAt(b, j);
            if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y)) return c;
            continue;
        }
        const unsigned char x = static_cast<unsigned char>(folded(a[i++]));
        const unsigned char y = static_cast<unsigned char>(folded(b[j++]));
        if (x != y) return x < y ? -1 : 1;
    }
    return (i < a.size()) - (j < b.size());
}

}  // namespace

bool naturalLess(std::string_view a, std::string_view b) {
    if (const int c = compareNaturally(a, b)) return c < 0;
    return a < b;
}

}  // namespace skyfolio
