#include "finance/loan_comparison.h"

#include <cmath>

#include <gtest/gtest.h>

#include "finance/loan_solver.h"

namespace revtal {
namespace {

TEST(LoanComparison, six_terms_of_five_to_thirty_years)
{
    const LoanComparison c = compareLoanTerms(100000, 10);
    const char* labels[] = {"5 yrs.", "10 yrs.", "15 yrs.", "20 yrs.", "25 yrs.", "30 yrs."};
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const LoanComparisonRow& row = c.rows[k];
        EXPECT_EQ(row.months, 60 * (k + 1));
        EXPECT_EQ(row.label, labels[k]);
        EXPECT_EQ(row.repayment, loanRepayment(100000, row.months, 10));
        EXPECT_EQ(row.interest, row.months * row.repayment - 100000);
        EXPECT_EQ(row.total, row.months * row.repayment);
    }
}

TEST(LoanComparison, the_twenty_year_row_in_the_amount_pattern)
{
    const LoanComparisonRow row = compareLoanTerms(100000, 10).rows[3];
    EXPECT_EQ(formatComparisonAmount(row.repayment), "965.02 ");
    EXPECT_EQ(formatComparisonAmount(row.interest), "131 605.19 ");
    EXPECT_EQ(formatComparisonAmount(row.total), "231 605.19 ");
}

TEST(LoanComparison, a_zero_amount_or_rate_gives_zero_repayments_and_minus_the_amount)
{
    const struct {
        double amount;
        float rate;
    } cases[] = {{100000, 0}, {0, 10}, {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.amount << " at " << c.rate);
        for (const LoanComparisonRow& row : compareLoanTerms(c.amount, c.rate).rows) {
            EXPECT_EQ(formatComparisonAmount(row.repayment), "0.00 ");
            EXPECT_EQ(row.interest, -c.amount);
            EXPECT_EQ(row.total, 0);
        }
    }
    EXPECT_EQ(formatComparisonAmount(compareLoanTerms(100000, 0).rows[0].interest), "-100 000.00 ");
}

TEST(LoanComparison, uses_the_single_precision_rate)
{
    // 10.1f is 10.1000003814697265625.
    const LoanComparisonRow row = compareLoanTerms(kMaxLoanPrincipal, 10.1f).rows[5];
    EXPECT_EQ(row.repayment, loanRepayment(kMaxLoanPrincipal, 360, 10.100000381469727));
    EXPECT_NE(row.repayment, loanRepayment(kMaxLoanPrincipal, 360, 10.1));
}

TEST(LoanComparison, largest_figures_stay_finite)
{
    for (const LoanComparisonRow& row : compareLoanTerms(kMaxLoanPrincipal, 50).rows) {
        EXPECT_TRUE(std::isfinite(row.repayment) && std::isfinite(row.interest) && std::isfinite(row.total));
        EXPECT_GT(row.interest, 0);
    }
}

TEST(LoanComparison, prints_only_with_an_amount_and_a_rate)
{
    EXPECT_TRUE(loanComparisonPrintable(100000, 10));
    EXPECT_FALSE(loanComparisonPrintable(0, 10));
    EXPECT_FALSE(loanComparisonPrintable(100000, 0));
}

} // namespace
} // namespace revtal
