#include "finance/loan_solver.h"

#include <cmath>
#include <cstdint>

#include "finance/repeated_addition.h"

namespace revtal {
namespace {

constexpr double kCent = 0.01;

bool positiveFinite(double value)
{
    return value > 0 && std::isfinite(value);
}

// The principal that `repayment` repays in `months` is non-decreasing in the
// repayment, so the cent loop can be jumped to just below the repayment that
// reaches the target, then finished one cent at a time. The jump reproduces
// the loop's accumulated rounding, so the result is the loop's to the bit.
// Empty when a cent no longer changes the repayment (the loop would never end).
std::optional<double> raiseByCents(double months, double rate, double repayment, double target)
{
    const double i = loanMonthlyRate(rate);
    const double factor = 1 - std::pow(1 + i, -months);
    const double needed = target * i / factor;
    double a = repayment;
    if (std::isfinite(needed)) {
        // Far above the few ulps by which `needed` can miss the true threshold,
        // so every value the jump passes still falls short of the target.
        const double margin = 0.05 + std::fabs(needed) * 1e-12;
        a = addWhileBelow(repayment, kCent, needed - margin).value;
    }
    do {
        const double next = a + kCent;
        if (next == a || !std::isfinite(next)) {
            return std::nullopt;
        }
        a = next;
    } while (loanPrincipal(months, rate, a) < target);
    return a;
}

} // namespace

std::string_view loanCalcModeName(LoanCalcMode mode)
{
    switch (mode) {
    case LoanCalcMode::MonthlyRepayment:
        return "Monthly repayment";
    case LoanCalcMode::PrincipalAmount:
        return "Principal amount";
    case LoanCalcMode::RepaymentPeriod:
        return "Repayment period";
    case LoanCalcMode::InterestRate:
        return "Interest rate";
    }
    return "Monthly repayment";
}

std::optional<LoanCalcMode> loanCalcModeFromName(std::string_view name)
{
    for (LoanCalcMode mode : {LoanCalcMode::MonthlyRepayment, LoanCalcMode::PrincipalAmount,
                              LoanCalcMode::RepaymentPeriod, LoanCalcMode::InterestRate}) {
        if (loanCalcModeName(mode) == name) {
            return mode;
        }
    }
    return std::nullopt;
}

double loanMonthlyRate(double rate)
{
    return rate / 12 / 100;
}

double loanRepayment(double principal, double period, double rate)
{
    if (principal == 0 || period == 0 || rate == 0) {
        return 0;
    }
    const double i = loanMonthlyRate(rate);
    return (i * principal) / (1 - std::pow(1 + i, -period));
}

double loanPrincipal(double period, double rate, double repayment)
{
    if (period == 0 || rate == 0 || repayment == 0) {
        return 0;
    }
    const double i = loanMonthlyRate(rate);
    return (1 - std::pow(1 + i, -period)) * repayment / i;
}

PeriodSearchResult searchLoanPeriod(double principal, double rate, double repayment)
{
    PeriodSearchResult refused{0, repayment};
    if (!positiveFinite(principal) || !positiveFinite(rate) || !positiveFinite(repayment)) {
        return refused;
    }
    // The limit of 600 months applies to the answer, not to the probe: the
    // answer is one month short of the first month count that overshoots, so
    // month 601 must be looked at before a 600-month answer can be given.
    // The month-by-month probe stops at the first month count whose principal
    // reaches the target; the principal never falls as months are added, so
    // halving finds the same count.
    constexpr int lastProbe = kMaxLoanPeriod + 1;
    if (loanPrincipal(lastProbe, rate, repayment) < principal) {
        return refused;
    }
    int low = 1;
    int high = lastProbe;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (loanPrincipal(mid, rate, repayment) >= principal) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    const int months = low;
    if (loanPrincipal(months, rate, repayment) == principal) {
        return months <= kMaxLoanPeriod ? PeriodSearchResult{months, repayment} : refused;
    }
    if (months == 1) {
        // More than the principal and a month's interest: it is all paid in one month.
        return {1, principal * (1 + loanMonthlyRate(rate))};
    }
    const std::optional<double> raised = raiseByCents(months - 1, rate, repayment, principal);
    return raised ? PeriodSearchResult{months - 1, *raised} : refused;
}

double searchLoanRate(double principal, double period, double repayment)
{
    if (!positiveFinite(principal) || !positiveFinite(period) || !positiveFinite(repayment)) {
        return 0;
    }
    const auto exceeds = [&](double rate) { return loanRepayment(principal, period, rate) > repayment; };

    // Steps of 5 are exact multiples of 5, and the repayment rises with the
    // rate, so the first multiple that exceeds is found by doubling and halving.
    std::uint64_t high = 1;
    while (!exceeds(5.0 * static_cast<double>(high))) {
        if (high >= std::uint64_t{1} << 60) {
            return 5.0 * static_cast<double>(high); // beyond any figure the fields allow
        }
        high *= 2;
    }
    std::uint64_t low = high / 2; // 0, or a multiple that does not exceed
    while (high - low > 1) {
        const std::uint64_t mid = low + (high - low) / 2;
        if (exceeds(5.0 * static_cast<double>(mid))) {
            high = mid;
        } else {
            low = mid;
        }
    }
    double rate = 5.0 * static_cast<double>(high) - 5;

    // The finer steps end within a few additions each; done literally they
    // keep the accumulated rounding of the rate.
    for (const double step : {1.0, 0.1, 0.01}) {
        do {
            rate += step;
        } while (!exceeds(rate));
        rate -= step;
    }
    return rate;
}

LoanCalcResult calculateLoan(LoanCalcMode mode, const LoanValues& values)
{
    LoanCalcResult result;
    LoanValues& v = result.values;
    v = values;
    switch (mode) {
    case LoanCalcMode::MonthlyRepayment:
        v.repayment = loanRepayment(v.principal, v.period, v.rate);
        result.solvedAboveLimit = v.repayment > kMaxLoanRepayment;
        break;
    case LoanCalcMode::PrincipalAmount:
        v.principal = loanPrincipal(v.period, v.rate, v.repayment);
        result.solvedAboveLimit = v.principal > kMaxLoanPrincipal;
        break;
    case LoanCalcMode::RepaymentPeriod: {
        // One cent off first, so a repayment that repays in whole months at
        // exactly a cent more than needed is found again. Never below 0: the
        // field holds no negative repayment.
        v.period = 0;
        v.repayment = v.repayment >= kCent ? v.repayment - kCent : 0;
        const PeriodSearchResult found = searchLoanPeriod(v.principal, v.rate, v.repayment);
        v.period = found.period;
        v.repayment = found.repayment;
        if (found.period == 0) {
            result.refusal = kNoPeriodReason;
        }
        result.solvedAboveLimit = v.repayment > kMaxLoanRepayment;
        break;
    }
    case LoanCalcMode::InterestRate:
        v.rate = searchLoanRate(v.principal, v.period, v.repayment);
        result.rateError = v.rate > kMaxLoanRate;
        result.solvedAboveLimit = result.rateError;
        break;
    }
    result.totalInterest = v.repayment * v.period - v.principal;
    result.totalRepayments = v.repayment * v.period;
    for (double figure : {v.principal, v.period, v.rate, v.repayment, result.totalInterest, result.totalRepayments}) {
        if (!std::isfinite(figure)) {
            LoanCalcResult refused;
            refused.values = values;
            refused.refusal = kLoanTooLargeReason;
            return refused;
        }
    }
    return result;
}

} // namespace revtal
