#pragma once
// One bond amount at one rate over six terms, 5 to 30 years.
#include <array>
#include <string>

namespace revtal {

struct LoanComparisonRow {
    int months = 0;    // 60, 120, ... 360
    std::string label; // "5 yrs." ... "30 yrs."
    double repayment = 0;
    double interest = 0; // months × repayment − amount; negative only at a rate of 0
    double total = 0;    // months × repayment
};

struct LoanComparison {
    std::array<LoanComparisonRow, 6> rows;
};

// The rate's single-precision value is what the formula uses.
LoanComparison compareLoanTerms(double principal, float rate);

// A grid amount: "# ### ### ##0.00 " (grouped, two decimals, a trailing blank).
std::string formatComparisonAmount(double value);

// "&Print" goes ahead only with an amount and a rate above 0.
bool loanComparisonPrintable(double principal, float rate);

} // namespace revtal
