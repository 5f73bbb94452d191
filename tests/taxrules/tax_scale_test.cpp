#include "taxrules/quick_tax.h"
#include "taxrules/tax_scale.h"

#include <gtest/gtest.h>

namespace revtal {
namespace {

struct BracketCase {
    double income;
    double rate;
    double baseTax;
    double portion;
};

TEST(ApplyTaxScale, bounds_belong_to_the_lower_bracket)
{
    const BracketCase cases[] = {
        {0, 18, 0, 0},
        {205900, 18, 0, 37062},
        {205901, 26, 37062, 0.26},
        {321600, 26, 37062, 30082},
        {445100, 31, 67144, 38285},
        {500000, 36, 105429, 19764},
        {1577300, 41, 218139, 341325},
        {1577301, 45, 559464, 0.45},
        {20000000, 45, 559464, (20000000 - 1577300) * 45.0 / 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.income);
        const auto r = ApplyTaxScale(c.income);
        EXPECT_EQ(r.MarginalRate, c.rate);
        EXPECT_EQ(r.BaseTax, c.baseTax);
        EXPECT_DOUBLE_EQ(r.PortionTax, c.portion);
        EXPECT_DOUBLE_EQ(r.Tax, c.baseTax + c.portion);
    }
}

TEST(ApplyTaxScale, negative_income_gives_negative_tax_in_first_bracket)
{
    const auto r = ApplyTaxScale(-1000);
    EXPECT_EQ(r.MarginalRate, 18);
    EXPECT_EQ(r.LowerBound, 0);
    EXPECT_EQ(r.UpperBound, 205900);
    EXPECT_DOUBLE_EQ(r.Tax, -180);
}

TEST(Rebates, follow_age_thresholds)
{
    const std::pair<int, double> cases[] = {{0, 14958}, {64, 14958}, {65, 23157}, {74, 23157}, {75, 25893}, {99, 25893}};
    for (auto [age, total] : cases) {
        EXPECT_EQ(rebateTotal(age), total) << age;
        EXPECT_EQ(NEWCALC(100000, age).rebate, total) << age;
    }
}

TEST(QuickTax, worked_example_500000_at_40)
{
    const auto r = NEWCALC(500000, 40);
    EXPECT_EQ(r.scale.BaseTax, 105429);
    EXPECT_DOUBLE_EQ(r.scale.PortionTax, 19764);
    EXPECT_DOUBLE_EQ(r.totalTax, 125193);
    EXPECT_EQ(r.rebate, 14958);
    EXPECT_DOUBLE_EQ(r.commitment, 110235);
    EXPECT_NEAR(r.averageBefore, 25.0386, 1e-4);
    EXPECT_NEAR(r.averageAfter, 22.0470, 1e-4);
}

TEST(QuickTax, small_zero_and_negative_incomes_never_go_negative)
{
    const auto zero = NEWCALC(0, 40);
    EXPECT_EQ(zero.totalTax, 0);
    EXPECT_EQ(zero.averageBefore, 18);
    EXPECT_EQ(zero.averageAfter, 0);
    EXPECT_EQ(zero.commitment, 0);

    const auto small = NEWCALC(80000, 40);
    EXPECT_DOUBLE_EQ(small.totalTax, 14400);
    EXPECT_EQ(small.commitment, 0);
    EXPECT_EQ(small.averageAfter, 0);
    EXPECT_DOUBLE_EQ(small.averageBefore, 18);

    const auto negative = NEWCALC(-50000, 40);
    EXPECT_LT(negative.totalTax, 0);
    EXPECT_EQ(negative.averageBefore, 18);
    EXPECT_EQ(negative.commitment, 0);
    EXPECT_EQ(negative.averageAfter, 0);
}

}  // namespace
}  // namespace revtal
