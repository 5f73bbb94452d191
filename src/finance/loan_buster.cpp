#include "finance/loan_buster.h"

#include "finance/loan_solver.h"

namespace revtal {

LoanBusterResult calculateLoanBuster(const LoanBusterInput& input, const LoanBusterNewFigures& previous)
{
    LoanBusterResult result;
    const double p = input.principal;
    const double n = input.period;
    const double rate = input.rate; // float to double once, exactly

    const double a0 = loanRepayment(p, n, rate);
    result.repayment = a0;
    result.interest = a0 * n - p;
    result.total = n * a0;
    if (result.interest < 0) {
        result.interest = 0;
    }
    if (result.total < 0) {
        result.total = 0;
    }

    double x = input.extra;
    result.extra = x;
    result.withExtra = previous;
    if (!(10 * a0 >= x)) {
        result.refusal = kBusterExtraTooLargeReason;
        return result;
    }
    result.searched = true;
    // A cent off first, so that with no extra the search finds the period
    // again; the trial repayment never drops below 0.
    x = x - 0.01;
    double a = x + a0;
    if (a < 0) {
        a = 0;
    }
    const PeriodSearchResult found = searchLoanPeriod(p, rate, a);
    a = found.repayment;
    x = input.extra != 0 ? a - a0 : 0;

    LoanBusterNewFigures& next = result.withExtra;
    next.period = static_cast<std::int16_t>(found.period);
    const double n1 = next.period;
    next.repayment = a;
    next.interest = a * n1 - p;
    next.total = n1 * a;
    if (next.interest < 0) {
        next.interest = 0;
    }
    if (next.total < 0) {
        next.total = 0;
    }
    next.saving = n * a0 - n1 * a;
    if (x == 0) {
        next.interest = result.interest;
        next.total = result.total;
        next.saving = 0;
    }
    result.extra = x;
    return result;
}

bool loanBusterPrintable(const LoanBusterInput& input)
{
    return input.principal > 0;
}

} // namespace revtal
