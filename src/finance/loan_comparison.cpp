#include "finance/loan_comparison.h"

#include "finance/loan_solver.h"
#include "shell/numbers.h"

namespace revtal {

LoanComparison compareLoanTerms(double principal, float rate)
{
    LoanComparison comparison;
    for (int k = 0; k < 6; ++k) {
        LoanComparisonRow& row = comparison.rows[k];
        row.months = 60 * (k + 1);
        const double m = row.months;
        row.label = std::to_string(row.months / 12) + " yrs.";
        row.repayment = loanRepayment(principal, m, static_cast<double>(rate));
        row.interest = m * row.repayment - principal;
        row.total = m * row.repayment;
    }
    return comparison;
}

std::string formatComparisonAmount(double value)
{
    return formatNumber(value, 2) + " ";
}

bool loanComparisonPrintable(double principal, float rate)
{
    return principal > 0 && rate > 0;
}

} // namespace revtal
