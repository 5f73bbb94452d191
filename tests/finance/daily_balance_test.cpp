#include "finance/daily_balance.h"

#include <cmath>

#include <gtest/gtest.h>

#include "shell/day_number.h"
#include "shell/numbers.h"

namespace revtal {
namespace {

constexpr int kNoDate = -36522; // the reset value of both dates

TEST(DailyBalance, simple_interest_on_a_365_day_year)
{
    const struct {
        float capital, rate;
        int start, end;
        int days;
        double interest;
        bool printable;
    } cases[] = {
        {10000, 10, kTaxYearStart, kTaxYearEnd, 364, 997.26, true},
        {10000, 10, kTaxYearStart, kTaxYearStart, 0, 0, false}, // same day: nothing to print
        {10000, 10, kTaxYearEnd, kTaxYearStart, -364, -997.26, false},
        {0, 10, kTaxYearStart, kTaxYearEnd, 364, 0, false},
        {10000, 0, kTaxYearStart, kTaxYearEnd, 364, 0, false},
        {kNoDate, 0, kNoDate, kNoDate, 0, 0, false}, // the reset values give 0 days and 0 interest
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.capital << " at " << c.rate << " from " << c.start << " to " << c.end);
        const DailyBalanceResult r = accrueDailyBalance({c.capital, c.rate, c.start, c.end});
        EXPECT_TRUE(r.done);
        EXPECT_EQ(r.days, c.days);
        EXPECT_EQ(roundHalfEven(r.interest, 2), c.interest);
        EXPECT_EQ(r.printable, c.printable);
    }
}

TEST(DailyBalance, works_in_double_from_single_precision_inputs_and_keeps_single_precision)
{
    const float capital = 1234567.89f;
    ASSERT_EQ(static_cast<double>(capital), 1234567.875);
    const DailyBalanceResult r = accrueDailyBalance({capital, 10.1f, kTaxYearStart, kTaxYearEnd});
    const double inDouble = 1234567.875 * static_cast<double>(10.1f) / 100 * 364 / 365;
    EXPECT_EQ(r.interest, static_cast<float>(inDouble));
}

TEST(DailyBalance, calculate_needs_both_dates)
{
    const DailyBalanceInput input{10000, 10, kTaxYearStart, kTaxYearEnd};
    EXPECT_TRUE(calculateDailyBalance(input, kTaxYearStart, kTaxYearEnd).done);
    for (const auto& [start, end] : {std::pair{kEmptyDate, kTaxYearEnd}, std::pair{kTaxYearStart, kEmptyDate}}) {
        const DailyBalanceResult r = calculateDailyBalance(input, start, end);
        EXPECT_FALSE(r.done);
        EXPECT_FALSE(r.refusal.empty());
    }
}

TEST(DailyBalance, extreme_values_are_refused_not_shown_as_infinity)
{
    const DailyBalanceResult r = accrueDailyBalance({3e38f, 40, 0, 2000000000});
    EXPECT_FALSE(r.done);
    EXPECT_FALSE(r.refusal.empty());
    const DailyBalanceResult span = accrueDailyBalance({1, 1, -2000000000, 2000000000});
    EXPECT_FALSE(span.done);
}

TEST(DailyBalance, stored_dates_show_from_day_minus_36520)
{
    EXPECT_FALSE(dayBalDateShown(kNoDate));
    EXPECT_FALSE(dayBalDateShown(-36521));
    EXPECT_TRUE(dayBalDateShown(-36520));
    EXPECT_TRUE(dayBalDateShown(kTaxYearStart));
}

TEST(DailyBalance, date_ranges_span_30_years_once_the_other_date_is_set)
{
    const auto end = dayBalEndRange(kTaxYearStart);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->first, kTaxYearStart);
    EXPECT_EQ(end->last, kTaxYearStart + 10960);
    const auto start = dayBalStartRange(kTaxYearEnd);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->first, kTaxYearEnd - 10960);
    EXPECT_EQ(start->last, kTaxYearEnd - 1);
    EXPECT_FALSE(dayBalEndRange(0)); // only a start after day 0 limits the end
    EXPECT_FALSE(dayBalEndRange(kNoDate));
    EXPECT_FALSE(dayBalStartRange(kEmptyDate));
}

TEST(DailyBalanceSpin, rate_steps_and_wraps_at_0_and_50)
{
    const struct {
        double rate;
        SpinDirection direction;
        bool changed;
        double shown;
        bool beep;
    } cases[] = {
        {0.25, SpinDirection::Down, true, 50, true}, // reaching 0 beeps and shows 50
        {50, SpinDirection::Up, true, 0.25, false},  // past 50 starts again at one step
        {49.75, SpinDirection::Up, true, 50, false}, {10, SpinDirection::Down, true, 9.75, false},
        {0.1, SpinDirection::Down, true, 50, true}, // off the step's grid: below 0 wraps too
        {0, SpinDirection::Up, false, 0, false},    // a rate of 0 does not spin
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        const SpinResult r = spinDayBalRate(c.rate, 0.25, c.direction);
        EXPECT_EQ(r.changed, c.changed);
        EXPECT_EQ(r.value, c.shown);
        EXPECT_EQ(r.beep, c.beep);
    }
}

TEST(DailyBalanceSpin, end_date_moves_a_day_but_never_before_the_start_for_the_sum)
{
    const struct {
        int start, end;
        bool entered;
        SpinDirection direction;
        bool changed;
        int shown, stored;
    } cases[] = {
        {kTaxYearStart, kTaxYearEnd, true, SpinDirection::Up, true, kTaxYearEnd + 1, kTaxYearEnd + 1},
        {kTaxYearStart, kTaxYearEnd, true, SpinDirection::Down, true, kTaxYearEnd - 1, kTaxYearEnd - 1},
        {kTaxYearStart, kTaxYearStart, true, SpinDirection::Down, true, kTaxYearStart - 1, kTaxYearStart},
        {kNoDate, kTaxYearEnd, false, SpinDirection::Up, false, kTaxYearEnd, kTaxYearEnd}, // no start date
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " " << c.end);
        const DateSpinResult r = spinDayBalEnd(c.start, c.end, c.entered, c.direction);
        EXPECT_EQ(r.changed, c.changed);
        EXPECT_EQ(r.shownEnd, c.shown);
        EXPECT_EQ(r.storedEnd, c.stored);
    }
}

} // namespace
} // namespace revtal
