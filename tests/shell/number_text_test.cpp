#include "shell/number_text.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace revtal {
namespace {

using Kind = NumberTextKind;

TEST(NumberText, reads_amounts_as_people_write_them)
{
    const struct {
        const char* text;
        double value;
        int decimals;
    } cases[] = {
        {"1234.56", 1234.56, 2},
        {"1234,56", 1234.56, 2},
        {"R 1 234,56", 1234.56, 2},
        {"R1 234.56", 1234.56, 2},
        {"r 99 999 999.99", 99999999.99, 2},
        {"  42  ", 42, 0},
        {"\t7\n", 7, 0},
        {"0", 0, 0},
        {"007", 7, 0},
        {".5", 0.5, 1},
        {",25", 0.25, 2},
        {"12.", 12, 0},
        {"-12.5", -12.5, 1},
        {"+3", 3, 0},
        {"-R 5", -5, 0},
        {"R -5", -5, 0},
        {"R-5", -5, 0},
        {"\xE2\x88\x92"
         "5",
         -5, 0}, // U+2212 minus sign
        {"1\xC2\xA0"
         "234,5",
         1234.5, 1}, // no-break space
        {"1\xE2\x80\xAF"
         "234",
         1234, 0}, // narrow no-break space
        {"1 234 567", 1234567, 0},
        {"1,234,567", 1234567, 0},
        {"1.234.567", 1234567, 0},
        {"1,234,567.89", 1234567.89, 2},
        {"1.234.567,89", 1234567.89, 2},
        {"1 234.500", 1234.5, 3},
        {"1,234", 1.234, 3}, // a lone mark is the decimal mark (see mayBeGrouping)
        {"12.345", 12.345, 3},
        {"0.125", 0.125, 3},
    };
    for (const auto& c : cases) {
        const NumberText read = readNumberText(c.text);
        ASSERT_EQ(read.kind, Kind::Number) << c.text;
        EXPECT_EQ(read.value, c.value) << c.text;
        EXPECT_EQ(read.decimals, c.decimals) << c.text;
    }
}

TEST(NumberText, counts_the_digits_a_field_limits)
{
    const struct {
        const char* text;
        int integerDigits;
        int decimals;
        int significantDecimals;
    } cases[] = {
        {"007.50", 1, 2, 1}, {"0.000", 0, 3, 0}, {"99 999 999.99", 8, 2, 2},
        {"1 000", 4, 0, 0},  {"12.", 2, 0, 0},   {".125", 0, 3, 3},
    };
    for (const auto& c : cases) {
        const NumberText read = readNumberText(c.text);
        ASSERT_TRUE(read.isNumber()) << c.text;
        EXPECT_EQ(read.integerDigits, c.integerDigits) << c.text;
        EXPECT_EQ(read.decimals, c.decimals) << c.text;
        EXPECT_EQ(read.significantDecimals, c.significantDecimals) << c.text;
    }
    const NumberText minusZero = readNumberText("-0.00");
    EXPECT_TRUE(minusZero.negative);
    EXPECT_FALSE(std::signbit(minusZero.value));
}

TEST(NumberText, refuses_text_that_reads_as_no_amount_or_as_two)
{
    const char* refused[] = {
        "abc",          "12a",          "1e5",    "0x10", "inf", "nan", "R R5", "5R",  "R5R",    "1..2",
        "1,,2",         "1.2.3",        "1,2,3",  // repeated marks must group by three
        "1 2345",       "1234 567",     "1  234", // bad grouping
        "1 234.567,89",                           // two kinds of grouping
        "1.234,567.89", "1,234.567,89",           // marks that contradict
        "1,234 567",                              // grouping after the decimal mark
        "--5",          "-R-5",         "R--5",   "- 5",  "5-",  "1-2", "1/2",  "50%", "1\t234", "\xC3\xA9", // é
        "1 ,5",         "1. 5",
    };
    for (const char* text : refused)
        EXPECT_EQ(readNumberText(text).kind, Kind::Unreadable) << text;
    // More digits than a double holds is no amount either.
    EXPECT_EQ(readNumberText(std::string(400, '9')).kind, Kind::Unreadable);
}

TEST(NumberText, tells_the_start_of_an_amount_from_nothing)
{
    const char* incomplete[] = {"R",  "r ",  "-",    "R -",   "+",       ".",       ",",
                                "1 ", "1 2", "1 23", "12 34", "1 234 5", "1,234,5", "R 1 2"};
    for (const char* text : incomplete) {
        const NumberTextKind kind = readNumberText(text).kind;
        // "1 " reads as 1 already; the others need more digits.
        EXPECT_TRUE(kind == Kind::Incomplete || (kind == Kind::Number && std::string(text) == "1 ")) << text;
    }
    for (const char* text : {"", "   ", "\t\n"})
        EXPECT_EQ(readNumberText(text).kind, Kind::Empty) << '"' << text << '"';
}

TEST(NumberText, flags_a_lone_mark_before_three_digits_as_maybe_grouping)
{
    const struct {
        const char* text;
        bool mayBeGrouping;
        double groupedValue;
    } cases[] = {
        {"1,234", true, 1234}, {"R 12.500", true, 12500}, {"-999,000", true, -999000},
        {"0,500", false, 0},   {"1234,567", false, 0},    {"1,23", false, 0},
        {"1,2345", false, 0},  {"1 234,567", false, 0},   {"1,234,567", false, 0},
    };
    for (const auto& c : cases) {
        const NumberText read = readNumberText(c.text);
        ASSERT_TRUE(read.isNumber()) << c.text;
        EXPECT_EQ(read.mayBeGrouping, c.mayBeGrouping) << c.text;
        if (c.mayBeGrouping) {
            EXPECT_EQ(read.groupedValue, c.groupedValue) << c.text;
        }
    }
}

} // namespace
} // namespace revtal
