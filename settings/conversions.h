#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace skyfolio {

// A run-time failure of a conversion: text that is not a number, a value out
// of range, a division by zero. The failure paths of the saver and the dialog
// catch it.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lenient value of a text: its leading number, leading blanks skipped,
// reading stops where a number cannot go on; no number gives 0.
double NumberValue(std::string_view text);

// The whole text, blanks around it aside, must be a number.
double StrictNumber(std::string_view text);

// Nearest 16- or 32-bit integer, a half going to the even neighbour. Text is
// converted strictly first. Out of range or not a number throws.
int16_t RoundInt16(double x);
int16_t RoundInt16(std::string_view text);
int32_t RoundInt32(double x);
int32_t RoundInt32(std::string_view text);
// RoundInt16 for values computed while the saver runs, where an overflow has
// nowhere to go: a value out of range is held at the nearer end, and a
// value that is no number at all counts as 0.
int16_t SaturatedInt16(double x);

double Floor(double x);

// Whole-number division truncating toward zero ("\").
int64_t WholeDiv(int64_t a, int64_t b);

// True or False in any letter case; a number is also accepted, 0 being false.
bool BooleanValue(std::string_view text);
std::string BooleanText(bool value);

// Decimal text of a whole number: optional minus sign, digits, nothing else.
std::string DecimalText(int64_t value);
// The text form of any number: "9", "-1", "1.5".
std::string NumberText(double value);

}  // namespace skyfolio
