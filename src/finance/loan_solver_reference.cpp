#include "finance/loan_solver_reference.h"

namespace revtal {

std::optional<PeriodSearchResult> referenceSearchLoanPeriod(double principal, double rate, double repayment,
                                                            std::uint64_t maxSteps)
{
    const PeriodSearchResult refused{0, repayment};
    if (!(principal > 0) || !(rate > 0) || !(repayment > 0)) {
        return refused;
    }
    const double target = principal;
    double n = 1;
    for (;;) {
        const double reached = loanPrincipal(n, rate, repayment);
        if (reached < target) {
            if (n > kMaxLoanPeriod) {
                return refused; // month 601 probed and still short
            }
            n = n + 1;
            continue;
        }
        if (reached == target) {
            return n > kMaxLoanPeriod ? refused : PeriodSearchResult{static_cast<int>(n), repayment};
        }
        n = n - 1;
        if (n == 0) {
            return PeriodSearchResult{1, principal * (1 + loanMonthlyRate(rate))};
        }
        double a = repayment;
        std::uint64_t steps = 0;
        do {
            if (++steps > maxSteps) {
                return std::nullopt;
            }
            a = a + 0.01;
        } while (loanPrincipal(n, rate, a) < target);
        return PeriodSearchResult{static_cast<int>(n), a};
    }
}

std::optional<double> referenceSearchLoanRate(double principal, double period, double repayment, std::uint64_t maxSteps)
{
    if (!(principal > 0) || !(period > 0) || !(repayment > 0)) {
        return 0.0;
    }
    double rate = 0;
    std::uint64_t steps = 0;
    for (const double step : {5.0, 1.0, 0.1, 0.01}) {
        do {
            if (++steps > maxSteps) {
                return std::nullopt;
            }
            rate = rate + step;
        } while (!(loanRepayment(principal, period, rate) > repayment));
        rate = rate - step;
    }
    return rate;
}

} // namespace revtal
