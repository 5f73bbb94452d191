#include "finance/loan_solver.h"

#include <cmath>

#include <gtest/gtest.h>

#include "shell/numbers.h"

namespace revtal {
namespace {

double cents(double value)
{
    return roundHalfEven(value, 2);
}

TEST(LoanCalcModeNames, round_trip_and_reject_other_text)
{
    for (LoanCalcMode mode : {LoanCalcMode::MonthlyRepayment, LoanCalcMode::PrincipalAmount,
                              LoanCalcMode::RepaymentPeriod, LoanCalcMode::InterestRate}) {
        EXPECT_EQ(loanCalcModeFromName(loanCalcModeName(mode)), mode);
    }
    EXPECT_EQ(loanCalcModeName(LoanCalcMode::RepaymentPeriod), "Repayment period");
    EXPECT_EQ(loanCalcModeFromName("monthly repayment"), std::nullopt);
}

TEST(LoanFormulas, repayment_and_principal_invert_each_other)
{
    EXPECT_NEAR(loanRepayment(100000, 240, 10), 965.021645, 1e-6);
    EXPECT_NEAR(loanPrincipal(240, 10, loanRepayment(100000, 240, 10)), 100000, 1e-8);
    EXPECT_NEAR(loanRepayment(1000, 1, 12), 1010, 1e-9); // one month: principal plus a month's interest
}

TEST(LoanFormulas, any_zero_input_gives_zero_not_a_straight_line_split)
{
    EXPECT_EQ(loanRepayment(100000, 240, 0), 0);
    EXPECT_EQ(loanRepayment(0, 240, 10), 0);
    EXPECT_EQ(loanRepayment(100000, 0, 10), 0);
    EXPECT_EQ(loanPrincipal(0, 10, 900), 0);
    EXPECT_EQ(loanPrincipal(240, 0, 900), 0);
    EXPECT_EQ(loanPrincipal(240, 10, 0), 0);
}

TEST(CalculateLoan, repayment_mode_solves_the_repayment_and_the_finance_charges)
{
    const LoanCalcResult r = calculateLoan(LoanCalcMode::MonthlyRepayment, {100000, 240, 10, 0});
    EXPECT_EQ(cents(r.values.repayment), 965.02);
    EXPECT_NEAR(r.values.repayment, 965.021645, 1e-6); // stored unrounded
    EXPECT_EQ(cents(r.totalInterest), 131605.19);
    EXPECT_EQ(cents(r.totalRepayments), 231605.19);
    EXPECT_EQ(r.values.principal, 100000);
    EXPECT_FALSE(r.solvedAboveLimit);

    EXPECT_EQ(calculateLoan(LoanCalcMode::MonthlyRepayment, {100000, 240, 0, 555}).values.repayment, 0);
}

TEST(CalculateLoan, principal_mode_solves_the_principal)
{
    // 965.02 is a fraction of a cent below the instalment of 100 000 over 240 months at 10 %.
    const LoanCalcResult r = calculateLoan(LoanCalcMode::PrincipalAmount, {0, 240, 10, 965.02});
    EXPECT_EQ(cents(r.values.principal), 99999.83);
    EXPECT_EQ(r.values.repayment, 965.02);
    EXPECT_DOUBLE_EQ(r.totalInterest, 965.02 * 240 - r.values.principal);
    EXPECT_EQ(calculateLoan(LoanCalcMode::PrincipalAmount, {5, 240, 0, 965.02}).values.principal, 0);
}

// Principal 100 000 at 10 %: the instalment over 600 months is 839.1055 and
// over 601 months 839.0575, so a repayment of 839.10 falls short in 600 months
// and overshoots in 601. Only a probe of month 601 can answer 600 months.
TEST(CalculateLoan, period_mode_answers_600_months_and_refuses_beyond)
{
    ASSERT_LT(loanPrincipal(600, 10, 839.10), 100000);
    ASSERT_GT(loanPrincipal(601, 10, 839.10), 100000);
    ASSERT_LT(loanPrincipal(601, 10, 839.05), 100000);
    ASSERT_LT(loanPrincipal(599, 10, 839.15), 100000);
    ASSERT_GT(loanPrincipal(599, 10, 839.16), 100000);

    const struct {
        double entered;
        double period;
        double repayment;
        bool refused;
    } cases[] = {
        {839.11, 600, 839.11, false}, // found again, the cent taken off and put back
        {839.07, 600, 839.11, false}, // 839.06 overshoots in 601 months: 600, raised to 839.11
        {839.06, 0, 839.05, true},    // 839.05 falls short even in 601 months: refused, a cent lower
        {839.12, 599, 839.16, false}, // 839.11 overshoots in 600 months: 599, raised
        {839.16, 599, 839.16, false}, {839.17, 598, 839.21, false}, // 839.16 overshoots in 599 months: 598, raised
        {500.00, 0, 499.99, true},                                  // does not cover the first month's interest
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entered);
        const LoanCalcResult r = calculateLoan(LoanCalcMode::RepaymentPeriod, {100000, 123, 10, c.entered});
        EXPECT_EQ(r.values.period, c.period);
        EXPECT_EQ(cents(r.values.repayment), c.repayment);
        EXPECT_EQ(r.values.principal, 100000);
        EXPECT_EQ(r.refusal.empty(), !c.refused);
        EXPECT_DOUBLE_EQ(r.totalRepayments, r.values.repayment * r.values.period);
    }
}

TEST(CalculateLoan, period_mode_finds_the_entered_period_of_a_rounded_repayment_again)
{
    // Where a cent less would not repay in one more month, the repayment
    // rounded up to the cent gives its period back.
    for (int months : {1, 2, 12, 60, 240, 360, 599, 600}) {
        for (double rate : {0.001, 5.0, 7.5, 10.0}) {
            SCOPED_TRACE(testing::Message() << months << " months at " << rate);
            const double entered = std::ceil(loanRepayment(250000, months, rate) * 100) / 100;
            const LoanCalcResult r = calculateLoan(LoanCalcMode::RepaymentPeriod, {250000, 0, rate, entered});
            EXPECT_EQ(r.values.period, months);
            EXPECT_EQ(cents(r.values.repayment), entered);
        }
    }
}

TEST(CalculateLoan, period_mode_at_a_high_rate_finds_the_longest_period_the_cent_allows)
{
    // At 50 % a 30-year loan's principal hardly grows with further months: a
    // cent less than the rounded instalment still repays within 366 months.
    const double entered = std::ceil(loanRepayment(250000, 360, 50) * 100) / 100;
    const LoanCalcResult r = calculateLoan(LoanCalcMode::RepaymentPeriod, {250000, 0, 50, entered});
    EXPECT_GT(r.values.period, 360);
    EXPECT_LT(loanPrincipal(r.values.period, 50, r.values.repayment - 0.01), 250000);
    EXPECT_GE(loanPrincipal(r.values.period, 50, r.values.repayment), 250000);
    EXPECT_GT(loanPrincipal(r.values.period + 1, 50, entered - 0.01), 250000);
}

TEST(CalculateLoan, period_mode_lowers_a_hopeless_repayment_a_cent_per_press_but_not_below_zero)
{
    LoanValues v{100000, 0, 10, 500};
    v = calculateLoan(LoanCalcMode::RepaymentPeriod, v).values;
    v = calculateLoan(LoanCalcMode::RepaymentPeriod, v).values;
    EXPECT_EQ(v.period, 0);
    EXPECT_EQ(cents(v.repayment), 499.98);

    LoanValues small{100000, 0, 10, 0.01};
    small = calculateLoan(LoanCalcMode::RepaymentPeriod, small).values;
    EXPECT_EQ(small.repayment, 0);
    small = calculateLoan(LoanCalcMode::RepaymentPeriod, small).values;
    EXPECT_EQ(small.repayment, 0);
    EXPECT_EQ(small.period, 0);
}

TEST(SearchLoanPeriod, a_repayment_beyond_one_month_of_interest_pays_off_in_one_month)
{
    const struct {
        double principal, rate, repayment;
    } cases[] = {
        {1000, 12, 2000},
        {1000, 12, 1010.01},
        {9000000, 50, 9999999.98}, // the repayment exceeds a one-month loan of 9 million at 50 %
        {0.01, 0.001, 9999999.99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.principal);
        const PeriodSearchResult r = searchLoanPeriod(c.principal, c.rate, c.repayment);
        EXPECT_EQ(r.period, 1);
        EXPECT_EQ(r.repayment, c.principal * (1 + loanMonthlyRate(c.rate)));
    }
}

TEST(SearchLoanPeriod, a_repayment_a_cent_no_longer_changes_is_refused_not_looped_on)
{
    // Only reachable with a rate-search answer far beyond the rate field.
    const double rate = 1.2e12;
    const PeriodSearchResult r = searchLoanPeriod(kMaxLoanPrincipal, rate, 1e17);
    EXPECT_EQ(r.period, 0);
    EXPECT_EQ(r.repayment, 1e17);
}

TEST(SearchLoanPeriod, zero_inputs_are_refused_and_leave_the_repayment)
{
    const struct {
        double p, r, a;
    } cases[] = {{0, 10, 900}, {100000, 0, 900}, {100000, 10, 0}};
    for (const auto& c : cases) {
        const PeriodSearchResult r = searchLoanPeriod(c.p, c.r, c.a);
        EXPECT_EQ(r.period, 0);
        EXPECT_EQ(r.repayment, c.a);
    }
}

TEST(CalculateLoan, rate_mode_finds_the_largest_hundredth_not_exceeding_the_repayment)
{
    const struct {
        double p, n, rate;
    } cases[] = {{100000, 240, 10}, {100000, 240, 12.25}, {5000, 12, 49.99}, {1e6, 600, 0.01}, {750, 3, 27.3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        const double repayment = loanRepayment(c.p, c.n, c.rate);
        const LoanCalcResult r = calculateLoan(LoanCalcMode::InterestRate, {c.p, c.n, 0, repayment});
        EXPECT_NEAR(r.values.rate, c.rate, 0.01 + 1e-9);
        EXPECT_LE(loanRepayment(c.p, c.n, r.values.rate), repayment);
        EXPECT_GT(loanRepayment(c.p, c.n, r.values.rate + 0.01 + 1e-9), repayment);
        EXPECT_EQ(r.values.repayment, repayment); // the given repayment is put back
        EXPECT_FALSE(r.rateError);
    }
    // 965.03 is just above the repayment at 10 %: the rate is 10 on the accumulated grid.
    EXPECT_EQ(roundHalfEven(calculateLoan(LoanCalcMode::InterestRate, {100000, 240, 0, 965.03}).values.rate, 3), 10);
}

TEST(CalculateLoan, rate_mode_edges)
{
    // Below P / N no rate helps.
    EXPECT_EQ(calculateLoan(LoanCalcMode::InterestRate, {100000, 240, 7, 416.66}).values.rate, 0);
    EXPECT_EQ(calculateLoan(LoanCalcMode::InterestRate, {0, 240, 7, 416.66}).values.rate, 0);
    // Above 50 %: shown, with the error indicator.
    const LoanCalcResult high = calculateLoan(LoanCalcMode::InterestRate, {100000, 240, 0, 10000});
    EXPECT_TRUE(high.rateError);
    EXPECT_GT(high.values.rate, 50);
    EXPECT_LE(loanRepayment(100000, 240, high.values.rate), 10000);
    EXPECT_GT(loanRepayment(100000, 240, high.values.rate + 0.01), 10000);
    // A tiny loan over one month and the largest repayment: the monthly rate is
    // about 10^9, 1.2 * 10^12 % a year; enormous but finite.
    const LoanCalcResult extreme = calculateLoan(LoanCalcMode::InterestRate, {0.01, 1, 0, kMaxLoanRepayment});
    EXPECT_TRUE(extreme.rateError);
    EXPECT_NEAR(extreme.values.rate, 1200 * (kMaxLoanRepayment / 0.01 - 1), 1);
    EXPECT_LE(loanRepayment(0.01, 1, extreme.values.rate), kMaxLoanRepayment);
    EXPECT_GT(loanRepayment(0.01, 1, extreme.values.rate + 0.01), kMaxLoanRepayment);
}

// Every mode at every corner of the fields gives finite figures.
TEST(CalculateLoan, no_field_values_give_nan_or_infinity)
{
    const double principals[] = {0, 0.01, kMaxLoanPrincipal};
    const double periods[] = {0, 1, kMaxLoanPeriod};
    const double rates[] = {0, 0.001, kMaxLoanRate};
    const double repayments[] = {0, 0.01, kMaxLoanRepayment};
    for (LoanCalcMode mode : {LoanCalcMode::MonthlyRepayment, LoanCalcMode::PrincipalAmount,
                              LoanCalcMode::RepaymentPeriod, LoanCalcMode::InterestRate}) {
        for (double p : principals) {
            for (double n : periods) {
                for (double r : rates) {
                    for (double a : repayments) {
                        SCOPED_TRACE(testing::Message()
                                     << loanCalcModeName(mode) << " " << p << " " << n << " " << r << " " << a);
                        const LoanCalcResult res = calculateLoan(mode, {p, n, r, a});
                        EXPECT_TRUE(std::isfinite(res.values.principal));
                        EXPECT_TRUE(std::isfinite(res.values.period));
                        EXPECT_TRUE(std::isfinite(res.values.rate));
                        EXPECT_TRUE(std::isfinite(res.values.repayment));
                        EXPECT_GE(res.values.repayment, 0);
                        EXPECT_LE(res.values.period, kMaxLoanPeriod);
                        EXPECT_TRUE(std::isfinite(res.totalInterest));
                        EXPECT_TRUE(std::isfinite(res.totalRepayments));
                    }
                }
            }
        }
    }
}

TEST(CalculateLoan, flags_a_solved_value_beyond_its_field)
{
    EXPECT_TRUE(calculateLoan(LoanCalcMode::MonthlyRepayment, {kMaxLoanPrincipal, 1, 50, 0}).solvedAboveLimit);
    EXPECT_TRUE(calculateLoan(LoanCalcMode::PrincipalAmount, {0, 600, 0.001, kMaxLoanRepayment}).solvedAboveLimit);
    // All fields at their maximum: 13 months, the repayment raised past the field's maximum.
    const LoanCalcResult allMax = calculateLoan(LoanCalcMode::RepaymentPeriod,
                                                {kMaxLoanPrincipal, kMaxLoanPeriod, kMaxLoanRate, kMaxLoanRepayment});
    EXPECT_EQ(allMax.values.period, 13);
    EXPECT_EQ(cents(allMax.values.repayment), 10118213.94);
    EXPECT_TRUE(allMax.solvedAboveLimit);
}

} // namespace
} // namespace revtal
