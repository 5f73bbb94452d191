#include "finance/loan_buster.h"

#include <cmath>

#include <gtest/gtest.h>

#include "finance/loan_solver.h"
#include "shell/numbers.h"

namespace revtal {
namespace {

double cents(double value)
{
    return roundHalfEven(value, 2);
}

TEST(LoanBuster, no_extra_finds_the_same_loan_again)
{
    const LoanBusterResult r = calculateLoanBuster({100000, 240, 10, 0});
    EXPECT_EQ(cents(r.repayment), 965.02);
    EXPECT_EQ(cents(r.interest), 131605.19);
    EXPECT_EQ(cents(r.total), 231605.19);
    EXPECT_TRUE(r.searched);
    EXPECT_EQ(r.withExtra.period, 240);
    EXPECT_EQ(cents(r.withExtra.repayment), 965.02);
    EXPECT_EQ(r.extra, 0);
    EXPECT_EQ(r.withExtra.saving, 0);
    EXPECT_EQ(r.withExtra.interest, r.interest);
    EXPECT_EQ(r.withExtra.total, r.total);
}

TEST(LoanBuster, an_extra_payment_shortens_the_loan_and_is_raised_to_repay_in_whole_months)
{
    const LoanBusterResult r = calculateLoanBuster({100000, 240, 10, 500});
    EXPECT_EQ(r.withExtra.period, 101);
    EXPECT_EQ(cents(r.withExtra.repayment), 1468.43);
    EXPECT_EQ(cents(r.extra), 503.41);
    EXPECT_EQ(cents(r.withExtra.saving), 83293.60);
    EXPECT_DOUBLE_EQ(r.withExtra.interest, r.withExtra.repayment * 101 - 100000);
    EXPECT_DOUBLE_EQ(r.withExtra.total, 101 * r.withExtra.repayment);
}

TEST(LoanBuster, an_extra_above_ten_repayments_keeps_the_previous_new_column)
{
    const LoanBusterNewFigures previous{101, 1468.43, 48311.43, 148311.43, 83293.60};
    const LoanBusterResult r = calculateLoanBuster({100000, 240, 10, 9650.22}, previous);
    EXPECT_FALSE(r.searched);
    EXPECT_EQ(r.extra, 9650.22);
    EXPECT_EQ(r.withExtra.period, previous.period);
    EXPECT_EQ(r.withExtra.repayment, previous.repayment);
    EXPECT_EQ(r.withExtra.saving, previous.saving);
    EXPECT_EQ(cents(r.repayment), 965.02); // the base figures are still worked out
    // Exactly ten repayments is still searched.
    EXPECT_TRUE(calculateLoanBuster({100000, 240, 10, 10 * loanRepayment(100000, 240, 10.0f)}).searched);
}

TEST(LoanBuster, uses_the_single_precision_rate)
{
    // 10.1f is 10.1000003814697265625: the repayment follows it, not 10.1.
    const LoanBusterResult r = calculateLoanBuster({1e8, 600, 10.1f, 0});
    EXPECT_EQ(r.repayment, loanRepayment(1e8, 600, 10.100000381469727));
    EXPECT_NE(r.repayment, loanRepayment(1e8, 600, 10.1));
}

TEST(LoanBuster, a_large_extra_on_a_short_loan_pays_off_in_one_month)
{
    const LoanBusterResult r = calculateLoanBuster({1000, 2, 12, 5000});
    EXPECT_EQ(r.withExtra.period, 1);
    EXPECT_DOUBLE_EQ(r.withExtra.repayment, 1010);
    EXPECT_DOUBLE_EQ(r.extra, 1010 - r.repayment);
    EXPECT_GT(r.withExtra.saving, 0);
}

TEST(LoanBuster, empty_and_extreme_inputs_give_finite_figures)
{
    const LoanBusterInput cases[] = {
        {0, 0, 0, 0},
        {100000, 0, 10, 0},
        {100000, 240, 0, 0},
        {0.01, 600, 0.001f, 0},
        {kMaxLoanPrincipal, 600, 50, kMaxLoanPrincipal},
        {kMaxLoanPrincipal, 1, 50, kMaxLoanPrincipal},
        {kMaxLoanPrincipal, 600, 0.001f, 99999999.99},
    };
    for (const LoanBusterInput& in : cases) {
        SCOPED_TRACE(testing::Message() << in.principal << " " << in.period << " " << in.rate << " " << in.extra);
        const LoanBusterResult r = calculateLoanBuster(in);
        for (double v : {r.repayment, r.interest, r.total, r.extra, r.withExtra.repayment, r.withExtra.interest,
                         r.withExtra.total, r.withExtra.saving}) {
            EXPECT_TRUE(std::isfinite(v));
        }
        EXPECT_GE(r.withExtra.repayment, 0);
        EXPECT_GE(r.interest, 0);
        EXPECT_GE(r.withExtra.total, 0);
    }
}

TEST(LoanBuster, prints_only_with_a_principal)
{
    EXPECT_FALSE(loanBusterPrintable({0, 240, 10, 0}));
    EXPECT_TRUE(loanBusterPrintable({0.01, 0, 0, 0}));
}

} // namespace
} // namespace revtal
