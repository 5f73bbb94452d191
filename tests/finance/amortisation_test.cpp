#include "finance/amortisation.h"

#include <cmath>
#include <numeric>

#include <gtest/gtest.h>

#include "shell/numbers.h"

namespace revtal {
namespace {

double cents(double value)
{
    return roundHalfEven(value, 2);
}

LoanValues loanOver(double months)
{
    return {100000, months, 10, loanRepayment(100000, months, 10)};
}

TEST(MonthlySchedule, each_month_splits_the_instalment_and_the_balance_runs_down_to_zero)
{
    for (double months : {1.0, 6.0, 240.0, 600.0}) {
        SCOPED_TRACE(months);
        const LoanValues loan = loanOver(months);
        const MonthlySchedule s = monthlySchedule(loan);
        ASSERT_TRUE(s.done);
        ASSERT_EQ(s.months.size(), static_cast<std::size_t>(months));
        double balance = loan.principal;
        double capital = 0;
        for (const AmortisationRow& row : s.months) {
            EXPECT_NEAR(row.capital + row.interest, loan.repayment, 1e-9);
            // Interest is the month's rate on the balance brought forward.
            EXPECT_NEAR(row.interest, balance * loanMonthlyRate(loan.rate), 1e-6);
            balance = std::fabs(balance - row.capital);
            EXPECT_EQ(row.balance, balance);
            capital += row.capital;
        }
        EXPECT_EQ(cents(s.months.back().balance), 0);
        EXPECT_NEAR(capital, loan.principal, 1e-6);
    }
}

TEST(MonthlySchedule, uses_the_exact_instalment_not_the_stored_repayment)
{
    // After a period search the repayment is a cent figure; the schedule is not.
    LoanValues loan = loanOver(240);
    loan.repayment = 965.03;
    const MonthlySchedule s = monthlySchedule(loan);
    ASSERT_TRUE(s.done);
    EXPECT_NEAR(s.months[0].capital + s.months[0].interest, 965.021645, 1e-6);
    EXPECT_EQ(cents(s.months.back().balance), 0);
}

TEST(MonthlySchedule, refuses_a_loan_with_any_value_zero_or_a_period_the_arrays_cannot_hold)
{
    const LoanValues cases[] = {{0, 240, 10, 900},    {100000, 0, 10, 900},    {100000, 240, 0, 900},
                                {100000, 240, 10, 0}, {100000, 1001, 10, 900}, {100000, 12.5, 10, 900}};
    for (const LoanValues& loan : cases) {
        SCOPED_TRACE(testing::Message() << loan.principal << " " << loan.period << " " << loan.rate << " "
                                        << loan.repayment);
        const MonthlySchedule s = monthlySchedule(loan);
        EXPECT_FALSE(s.done);
        EXPECT_FALSE(s.refusal.empty());
        EXPECT_TRUE(s.months.empty());
    }
    EXPECT_EQ(monthlySchedule(loanOver(1000)).months.size(), 1000u);
}

TEST(AnnualSchedule, whole_years_and_part_years)
{
    const struct {
        double months;
        AnnualScheduleUse use;
        bool done;
        int kind, wholeYears, rows;
    } cases[] = {
        {24, AnnualScheduleUse::Screen, true, 1, 2, 2},
        {30, AnnualScheduleUse::Screen, true, 2, 2, 3},
        {13, AnnualScheduleUse::Screen, true, 2, 1, 2},
        {12, AnnualScheduleUse::Screen, false, 0, 0, 0}, // a year or less has no annual grid or graph
        {12, AnnualScheduleUse::Report, true, 1, 1, 1},  // but prints one whole year
        {6, AnnualScheduleUse::Report, true, 2, 0, 1},   // and a part-year alone
        {600, AnnualScheduleUse::Screen, true, 1, 50, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.months);
        const AnnualSchedule s = annualSchedule(loanOver(c.months), c.use);
        EXPECT_EQ(s.done, c.done);
        EXPECT_EQ(s.refusal.empty(), c.done);
        EXPECT_EQ(s.kind, c.kind);
        EXPECT_EQ(s.wholeYears, c.wholeYears);
        EXPECT_EQ(s.yearsWithPart, c.rows);
        EXPECT_EQ(s.years.size(), static_cast<std::size_t>(c.rows));
        if (s.done) {
            EXPECT_EQ(cents(s.years.back().balance), 0);
        }
    }
}

TEST(AnnualSchedule, years_sum_their_months_and_carry_the_year_end_balance)
{
    const LoanValues loan = loanOver(30);
    const AnnualSchedule s = annualSchedule(loan, AnnualScheduleUse::Screen);
    ASSERT_EQ(s.years.size(), 3u);
    const auto& m = s.monthly.months;
    for (int y = 1; y <= 2; ++y) {
        double capital = 0;
        double interest = 0;
        for (int k = 12 * y - 11; k <= 12 * y; ++k) {
            capital += m[k - 1].capital;
            interest += m[k - 1].interest;
        }
        EXPECT_EQ(s.years[y - 1].capital, capital);
        EXPECT_EQ(s.years[y - 1].interest, interest);
        EXPECT_EQ(s.years[y - 1].balance, m[12 * y - 1].balance);
    }
    // The part-year takes what the whole years left of the principal.
    EXPECT_EQ(s.years[2].capital, loan.principal - (s.years[0].capital + s.years[1].capital));
    EXPECT_EQ(s.years[2].balance, 0);
}

TEST(AnnualSchedule, the_part_year_makes_the_interest_total_the_screen_total)
{
    // A period-search result: the repayment is a whole cent above the instalment.
    const LoanValues loan{100000, 30, 10, 3790.01};
    const AnnualSchedule s = annualSchedule(loan, AnnualScheduleUse::Screen);
    ASSERT_TRUE(s.done);
    const double interest = std::accumulate(s.years.begin(), s.years.end(), 0.0,
                                            [](double sum, const AmortisationRow& r) { return sum + r.interest; });
    EXPECT_EQ(cents(interest), cents(loan.repayment * loan.period - loan.principal));
}

TEST(AnnualSchedule, extreme_loans_stay_finite)
{
    const LoanValues cases[] = {{kMaxLoanPrincipal, 600, 50, kMaxLoanRepayment},
                                {0.01, 600, 0.001, 0.01},
                                {0.01, 1, 1.2e13, kMaxLoanRepayment}, // a rate search's enormous answer
                                {kMaxLoanPrincipal, 13, 50, 1}};
    for (const LoanValues& loan : cases) {
        const AnnualSchedule s = annualSchedule(loan, AnnualScheduleUse::Report);
        ASSERT_TRUE(s.done);
        for (const auto* rows : {&s.years, &s.monthly.months}) {
            for (const AmortisationRow& r : *rows) {
                EXPECT_TRUE(std::isfinite(r.capital) && std::isfinite(r.interest) && std::isfinite(r.balance));
            }
        }
    }
}

TEST(ScheduleGrid, amounts_are_grouped_with_no_digit_before_the_point_below_one)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1234567.891, "1 234 567.89"},
        {965.021645, "965.02"},
        {1, "1.00"},
        {0.5, ".50"},
        {0, ".00"},
        {1e-9, ".00"},
        {-0.5, "-.50"},
        {100000, "100 000.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatScheduleAmount(c.value), c.text) << c.value;
    }
}

} // namespace
} // namespace revtal
