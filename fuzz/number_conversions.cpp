#include "fuzz/fuzz_checks.h"
#include "settings/conversions.h"

#include <cmath>
#include <string_view>

namespace skyfolio::fuzz {

bool numberConversions(std::span<const uint8_t> data) {
    const std::string_view text(reinterpret_cast<const char*>(data.data()), data.size());
    const double lenient = NumberValue(text);
    (void)SaturatedInt16(lenient);
    try {
        (void)BooleanValue(text);
    } catch (const ConversionError&) {
        // Neither a word of truth nor a number: the saver's set-up reports it.
    }
    double strict = 0;
    try {
        strict = StrictNumber(text);
    } catch (const ConversionError&) {
        return true;
    }
    // A text that is a number as a whole reads the same leniently.
    if (!std::isnan(strict) && strict != lenient) return false;
    try {
        const int16_t rounded = RoundInt16(text);
        if (std::fabs(double(rounded) - strict) > 0.5) return false;
    } catch (const ConversionError&) {
    }
    try {
        const int32_t rounded = RoundInt32(text);
        if (std::fabs(double(rounded) - strict) > 0.5) return false;
    } catch (const ConversionError&) {
    }
    return true;
}

}  // namespace skyfolio::fuzz
