#include "finance/inflation.h"

#include <cmath>

#include <gtest/gtest.h>

#include "shell/numbers.h"

namespace revtal {
namespace {

double cents(double value)
{
    return roundHalfEven(value, 2);
}

TEST(Inflation, projects_cost_and_buying_power_a_year_at_a_time)
{
    const struct {
        double cost, years, rate;
        double future, power;
    } cases[] = {
        {1000, 10, 6, 1790.85, 558.39},
        {1000, 0, 6, 1000, 1000}, // no years: both stay the present cost
        {1000, 1, 10, 1100, 909.09},
        {1000, 2, -5, 902.5, 1108.03}, // a falling price: the cost shrinks, buying power grows
        {0, 40, 40, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cost << " over " << c.years << " at " << c.rate);
        const InflationResult r = projectInflation({c.cost, c.years, c.rate});
        EXPECT_EQ(cents(r.futureCost), c.future);
        EXPECT_EQ(cents(r.buyingPower), c.power);
        EXPECT_FALSE(r.tooLarge);
    }
}

TEST(Inflation, buying_power_falls_by_the_factor_the_cost_rises)
{
    const InflationResult r = projectInflation({2147483647, 40, 12.5});
    EXPECT_NEAR(r.buyingPower, 2147483647 / std::pow(1.125, 40), 1e-3);
    EXPECT_NEAR(r.futureCost, 2147483647 * std::pow(1.125, 40), r.futureCost * 1e-12);
}

TEST(Inflation, a_future_cost_beyond_ten_digits_is_not_shown_or_printed)
{
    const struct {
        double cost, years, rate;
        bool tooLarge, printable;
    } cases[] = {
        {9999999999, 0, 0, false, true}, // the largest amount shown
        {10000000000, 0, 0, true, false}, {2147483647, 40, 40, true, false},
        {0, 10, 6, false, false}, // a future cost of 0 cannot be printed either
        {1000, 10, 6, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cost << " over " << c.years << " at " << c.rate);
        const InflationResult r = projectInflation({c.cost, c.years, c.rate});
        EXPECT_EQ(r.tooLarge, c.tooLarge);
        EXPECT_EQ(r.printable, c.printable);
        EXPECT_TRUE(std::isfinite(r.futureCost) && std::isfinite(r.buyingPower));
    }
}

TEST(InflationSpin, rate_steps_a_quarter_and_wraps_between_minus_5_and_30)
{
    const struct {
        double rate;
        SpinDirection direction;
        double shown;
        bool beep;
    } cases[] = {
        {-0.25, SpinDirection::Up, 0, true},   // reaching 0 going up beeps
        {0.25, SpinDirection::Down, 0, false}, // going down it does not
        {29.75, SpinDirection::Up, 30, false},   {30, SpinDirection::Up, -5, false},
        {40, SpinDirection::Up, -5, false}, // the field allows 40, the spin wraps it
        {-4.75, SpinDirection::Down, -5, false}, {-5, SpinDirection::Down, 30, false},
        {6, SpinDirection::Up, 6.25, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        const SpinResult r = spinInflationRate(c.rate, c.direction);
        EXPECT_TRUE(r.changed);
        EXPECT_EQ(r.value, c.shown);
        EXPECT_EQ(r.beep, c.beep);
    }
}

TEST(InflationSpin, period_steps_a_year_and_wraps_between_1_and_40)
{
    const struct {
        double period;
        SpinDirection direction;
        bool changed;
        double shown;
        bool beep;
    } cases[] = {
        {1, SpinDirection::Down, true, 40, true},  {40, SpinDirection::Up, true, 1, false},
        {39, SpinDirection::Up, true, 40, false},  {5, SpinDirection::Down, true, 4, false},
        {0, SpinDirection::Up, false, 0, false}, // a period of 0 does not spin
        {0, SpinDirection::Down, false, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period);
        const SpinResult r = spinInflationPeriod(c.period, c.direction);
        EXPECT_EQ(r.changed, c.changed);
        EXPECT_EQ(r.value, c.shown);
        EXPECT_EQ(r.beep, c.beep);
    }
}

} // namespace
} // namespace revtal
