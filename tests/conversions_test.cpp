#include "settings/conversions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace skyfolio {
namespace {

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundInt16(2.5), 2);
    EXPECT_EQ(RoundInt16(3.5), 4);
    EXPECT_EQ(RoundInt16(-2.5), -2);
    EXPECT_EQ(RoundInt16(-3.5), -4);
    EXPECT_EQ(RoundInt32(0.5), 0);
    EXPECT_EQ(RoundInt32(1.5), 2);
    EXPECT_EQ(RoundInt32(2.4999), 2);
    EXPECT_EQ(RoundInt32(2.5001), 3);
}

TEST(RoundingTest, RangesAreThoseOf16And32BitIntegers) {
    EXPECT_EQ(RoundInt16(32767.4), 32767);
    EXPECT_EQ(RoundInt16(-32768.0), -32768);
    EXPECT_THROW(RoundInt16(32767.5), ConversionError);  // rounds to 32768
    EXPECT_THROW(RoundInt16(-32769.0), ConversionError);
    EXPECT_EQ(RoundInt32(2147483647.0), 2147483647);
    EXPECT_THROW(RoundInt32(2147483648.0), ConversionError);
    EXPECT_THROW(RoundInt32(std::nan("")), ConversionError);
}

TEST(RoundingTest, TextIsConvertedStrictly) {
    EXPECT_EQ(RoundInt16("12"), 12);
    EXPECT_EQ(RoundInt16(" 12 "), 12);
    EXPECT_EQ(RoundInt16("-7"), -7);
    EXPECT_EQ(RoundInt16("2.5"), 2);
    EXPECT_EQ(RoundInt32("1e3"), 1000);
    EXPECT_EQ(RoundInt32("16777215"), 16777215);
    for (const char* bad : {"12abc", "", "  ", "abc", "1 2", "--1", "0x10", ".", "1e", "True"})
        EXPECT_THROW(RoundInt32(bad), ConversionError) << '"' << bad << '"';
    EXPECT_THROW(RoundInt16("40000"), ConversionError);
    EXPECT_THROW(RoundInt32("1e400"), ConversionError);
}

TEST(NumberValueTest, TakesTheLeadingNumberAndNeverFails) {
    EXPECT_EQ(NumberValue("12abc"), 12);
    EXPECT_EQ(NumberValue("   7"), 7);
    EXPECT_EQ(NumberValue("-3.25x"), -3.25);
    EXPECT_EQ(NumberValue("1e2"), 100);
    EXPECT_EQ(NumberValue("1e"), 1);  // an exponent without digits is not part of the number
    EXPECT_EQ(NumberValue("03"), 3);
    EXPECT_EQ(NumberValue(""), 0);
    EXPECT_EQ(NumberValue("abc"), 0);
    EXPECT_EQ(NumberValue("- 5"), 0);
    EXPECT_EQ(NumberValue(std::string("4\0garbage", 9)), 4);
}

TEST(BooleanTest, WordsInAnyCaseOrNumbers) {
    EXPECT_TRUE(BooleanValue("True"));
    EXPECT_TRUE(BooleanValue("TRUE"));
    EXPECT_FALSE(BooleanValue("false"));
    EXPECT_FALSE(BooleanValue("0"));
    EXPECT_TRUE(BooleanValue("-1"));
    EXPECT_TRUE(BooleanValue("2"));
    for (const char* bad : {"", "yes", "Truth", "1x"}) EXPECT_THROW(BooleanValue(bad), ConversionError) << bad;
    EXPECT_EQ(BooleanText(true), "True");
    EXPECT_EQ(BooleanText(false), "False");
}

TEST(WholeNumberTest, FloorAndDivision) {
    EXPECT_EQ(Floor(-0.5), -1);
    EXPECT_EQ(Floor(2.999), 2);
    EXPECT_EQ(WholeDiv(7, 2), 3);
    EXPECT_EQ(WholeDiv(-7, 2), -3);
    EXPECT_EQ(WholeDiv(1, 2), 0);
    EXPECT_THROW(WholeDiv(1, 0), ConversionError);
    EXPECT_EQ(DecimalText(-12), "-12");
    EXPECT_EQ(NumberText(9), "9");
    EXPECT_EQ(NumberText(-1), "-1");
    EXPECT_EQ(NumberText(1.5), "1.5");
}

}  // namespace
}  // namespace skyfolio
