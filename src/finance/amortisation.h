#pragma once
// Month-by-month and year-by-year repayment of a loan: capital, interest and
// the balance left. The screen copies the rows into the shared schedule
// arrays (index = month or year, from 1).
#include <string>
#include <string_view>
#include <vector>

#include "finance/loan_solver.h"

namespace revtal {

inline constexpr int kMaxScheduleMonths = 1000; // the shared arrays end at index 1000

inline constexpr std::string_view kScheduleNeedsLoanReason =
    "Enter the principal, period, interest rate and repayment first.";
inline constexpr std::string_view kAnnualScheduleNeedsYearReason =
    "An annual schedule needs a period of more than 12 months.";
inline constexpr std::string_view kSchedulePeriodReason = "The period must be a whole number of months up to 1000.";

struct AmortisationRow {
    double capital = 0;
    double interest = 0;
    double balance = 0; // outstanding at the end of the month or year
};

struct MonthlySchedule {
    bool done = false;                   // false: refused, nothing to show
    std::string refusal;                 // why, when refused
    std::vector<AmortisationRow> months; // months[k - 1] is month k
};

// Needs P, N, R and A all non-zero and N a whole number up to 1000 months.
// Uses the exact instalment for P, N and R, not the stored repayment.
MonthlySchedule monthlySchedule(const LoanValues& loan);

enum class AnnualScheduleUse {
    Screen, // "&Annual Amort." and "Annual &Graph": need more than 12 months
    Report, // printing: any period
};

struct AnnualSchedule {
    bool done = false;
    std::string refusal;
    int kind = 0; // 1 whole years only, 2 whole years and a last part-year
    int wholeYears = 0;
    int yearsWithPart = 0;              // the rows: whole years, plus one for a part-year
    std::vector<AmortisationRow> years; // years[y - 1] is year y; a part-year's balance is 0
    MonthlySchedule monthly;            // the schedule the years are summed from
};

// The part-year takes the capital and interest left over, the interest from
// the stored repayment, so the totals match the screen's finance charges.
AnnualSchedule annualSchedule(const LoanValues& loan, AnnualScheduleUse use);

// A grid amount, "# ### ### ###.00": digits grouped by spaces, two decimals,
// and no digit before the point when the whole part is 0 (".50").
std::string formatScheduleAmount(double value);

} // namespace revtal
