#include "shell/day_number.h"
#include "shell/numbers.h"
#include "shell/version.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace revtal {
namespace {

TEST(Rounding, halves_go_to_the_even_neighbour_and_cut_goes_down)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(cut(-0.5), -1);
    EXPECT_EQ(cut(7.99), 7);
}

TEST(FormatNumber, groups_digits_by_spaces)
{
    const struct {
        double value;
        int decimals;
        const char* shown;
    } cases[] = {
        {1234567.891, 2, "1 234 567.89"},
        {0, 2, "0.00"},
        {999, 2, "999.00"},
        {1000, 0, "1 000"},
        {-1234.5, 2, "-1 234.50"},
        {-0.001, 2, "0.00"},
        {99999999.99, 2, "99 999 999.99"},
        {25.0386, 1, "25.0"},
        {2.5, 0, "2"},
        {12.3456, 3, "12.346"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.value, c.decimals), c.shown) << c.value;
    EXPECT_EQ(formatNumber(1234.5, 2, false), "1234.50");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), 2), "");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), 2), "");
}

TEST(DayNumber, matches_the_fixed_points_and_round_trips)
{
    EXPECT_EQ(dayNumber(1899, 12, 30), 0);
    EXPECT_EQ(dayNumber(2020, 3, 1), kTaxYearStart);
    EXPECT_EQ(dayNumber(2021, 2, 28), kTaxYearEnd);
    EXPECT_EQ(dayNumber(1800, 1, 1), -36522);
    EXPECT_EQ(dayNumber(1, 1, 1), -693593);
    // 1 January 0001 to 31 December 9999.
    for (int n = -693593; n <= 2958465; n += 997) {
        const auto d = calendarDate(n);
        ASSERT_TRUE(isValidDate(d.year, d.month, d.day)) << n;
        ASSERT_EQ(dayNumber(d.year, d.month, d.day), n);
    }
    EXPECT_EQ(calendarDate(2958465), (CalendarDate{9999, 12, 31}));
}

TEST(DayNumber, calendar_check_refuses_impossible_dates)
{
    EXPECT_TRUE(isValidDate(2020, 2, 29));
    EXPECT_FALSE(isValidDate(2021, 2, 29));
    EXPECT_FALSE(isValidDate(2020, 4, 31));
    EXPECT_FALSE(isValidDate(1900, 2, 29));
    EXPECT_TRUE(isValidDate(2000, 2, 29));
    EXPECT_FALSE(isValidDate(2020, 13, 1));
    EXPECT_FALSE(isValidDate(2020, 0, 1));
}

TEST(Version, shown_and_numeric_forms)
{
    EXPECT_EQ(shownVersion(1, 2, 5), "1.02.005");
    EXPECT_EQ(numericVersion(1, 2, 5), 125);
    EXPECT_EQ(shownVersion(1, 0, 0), "1.00.000");
    EXPECT_EQ(numericVersion(1, 0, 0), 100);
    EXPECT_EQ(numericVersion(2, 10, 3), 2103);
}

}  // namespace
}  // namespace revtal
