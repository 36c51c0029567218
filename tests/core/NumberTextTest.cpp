#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/NumberText.h"

namespace vortalin {
namespace {

TEST(HexDigitValue, ReadsOneHexDigitOfEitherCaseAndZeroForAnythingElse) {
    const struct {
        std::string_view text;
        int value;
    } cases[] = {{"0", 0},  {"1", 1},  {"9", 9},  {"A", 10},      {"F", 15}, {"a", 10},
                 {"f", 15}, {"c", 12}, {"G", 0},  {"g", 0},       {"", 0},   {" ", 0},
                 {"-", 0},  {"10", 0}, {"FF", 0}, {"\xD0\x91", 0}};
    for (const auto& c : cases) EXPECT_EQ(HexDigitValue(c.text), c.value) << "'" << c.text << "'";
}

TEST(IntegerText, WritesDecimalWithMinusForNegatives) {
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(171), "171");
    EXPECT_EQ(IntegerText(-1), "-1");
    EXPECT_EQ(IntegerText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(ParseInteger, AcceptsSignsSpacesAndHexPrefixes) {
    const struct {
        std::string_view text;
        std::int32_t value;
    } cases[] = {{"20", 20},
                 {"0", 0},
                 {"-5", -5},
                 {"+7", 7},
                 {"   12", 12},
                 {"007", 7},
                 {"$1A", 26},
                 {"x1a", 26},
                 {"X1A", 26},
                 {"0x10", 16},
                 {"0XfF", 255},
                 {"-$10", -16},
                 {"2147483647", 2147483647},
                 {"-2147483648", std::numeric_limits<std::int32_t>::min()},
                 {"$7FFFFFFF", 2147483647},
                 {"-0x80000000", std::numeric_limits<std::int32_t>::min()}};
    for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << "'" << c.text << "'";
}

TEST(ParseInteger, RefusesEverythingElseWithTheIntegerMessage) {
    const std::string_view cases[] = {"",
                                      " ",
                                      "-",
                                      "+",
                                      "12 ",
                                      "1 2",
                                      "1.5",
                                      "1,5",
                                      "a",
                                      "$",
                                      "0x",
                                      "x",
                                      "--1",
                                      "+-1",
                                      "-+1",
                                      "$-1",
                                      "0x+1",
                                      "2147483648",
                                      "-2147483649",
                                      "$80000000",
                                      "$FFFFFFFF",
                                      "99999999999999999999",
                                      "\t1",
                                      "２０"};
    for (const auto text : cases) {
        try {
            ParseInteger(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(HexText, WritesUnsigned32BitUpperCaseWithAtLeastTwoDigits) {
    EXPECT_EQ(HexText(0), "00");
    EXPECT_EQ(HexText(5), "05");
    EXPECT_EQ(HexText(171), "AB");
    EXPECT_EQ(HexText(255), "FF");
    EXPECT_EQ(HexText(300), "12C");
    EXPECT_EQ(HexText(-1), "FFFFFFFF");
}

struct FloatCase {
    std::string_view text;
    std::string_view separator;
    double value;
};

TEST(ParseFloat, ReadsTheNearestDoubleWithTheGivenSeparator) {
    const FloatCase cases[] = {{"15,8", ",", 15.8},
                               {"15.8", ".", 15.8},
                               {"-337", ",", -337},
                               {"  +2,5  ", ",", 2.5},
                               {"0", ".", 0},
                               {"1e3", ".", 1000},
                               {"1,5E-1", ",", 0.15},
                               {"-0,0", ",", -0.0},
                               {"12e+2", ",", 1200},
                               {"0.1", ".", 0.1},
                               {"1e-400", ".", 0.0},
                               {"-1e-400", ".", -0.0},
                               {"4,9406564584124654E-324", ",", 4.9406564584124654E-324},
                               {"1,7976931348623157e308", ",", 1.7976931348623157e308},
                               {"00012,50", ",", 12.5},
                               {"3٫5", "٫", 3.5}};
    for (const auto& c : cases) {
        const double value = ParseFloat(c.text, c.separator);
        EXPECT_EQ(value, c.value) << "'" << c.text << "'";
        EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << "'" << c.text << "'";
    }
}

TEST(ParseFloat, RefusesEverythingElseWithTheFloatMessage) {
    const FloatCase cases[] = {
        {"", ",", 0},       {"  ", ",", 0},  {"15.8", ",", 0},    {"15,8", ".", 0},
        {",5", ",", 0},     {"5,", ",", 0},  {"-", ",", 0},       {"1e", ",", 0},
        {"1e+", ",", 0},    {"e5", ",", 0},  {"1,5,", ",", 0},    {"1 5", ",", 0},
        {"inf", ".", 0},    {"nan", ".", 0}, {"0x10", ".", 0},    {"1e400", ".", 0},
        {"-1e400", ".", 0}, {"\t1", ".", 0}, {"1,2e3,4", ",", 0}, {"--1", ",", 0}};
    for (const auto& c : cases) {
        try {
            ParseFloat(c.text, c.separator);
            ADD_FAILURE() << "accepted '" << c.text << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(),
                      "'" + std::string(c.text) + "' is not a valid floating point value");
        }
    }
}

}  // namespace
}  // namespace vortalin
