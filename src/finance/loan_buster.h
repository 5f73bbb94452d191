#pragma once
// The loan buster: what an extra monthly payment on top of the repayment does
// to a loan's period, repayment, interest and total paid.
#include <cstdint>
#include <string>
#include <string_view>

namespace revtal {

inline constexpr std::string_view kBusterExtraTooLargeReason =
    "The extra payment is more than ten times the monthly repayment.";

struct LoanBusterInput {
    double principal = 0;    // BusterPrincipal
    std::int16_t period = 0; // months, entered on the screen
    float rate = 0;          // BusterRate; its single-precision value is what the formulas use
    double extra = 0;        // BusterExtra, as entered
};

// The "new" column: the loan with the extra payment.
struct LoanBusterNewFigures {
    std::int16_t period = 0; // N1
    double repayment = 0;    // A1
    double interest = 0;     // I1
    double total = 0;        // T1
    double saving = 0;       // S
};

struct LoanBusterResult {
    double repayment = 0;  // A0, also the loan screen's LoanRepayment from now on
    double interest = 0;   // I0
    double total = 0;      // T0
    bool searched = false; // false: the extra exceeded ten repayments, the new column was kept
    std::string refusal;   // why the new column was kept
    double extra = 0;      // what the extra field shows: the extra actually applied
    LoanBusterNewFigures withExtra;
};

// `previous` is the new column of the last calculation (all 0 when none); an
// extra of more than ten times the repayment leaves it as it was.
LoanBusterResult calculateLoanBuster(const LoanBusterInput& input, const LoanBusterNewFigures& previous = {});

// "&Print" goes ahead only with a principal above 0.
bool loanBusterPrintable(const LoanBusterInput& input);

} // namespace revtal
