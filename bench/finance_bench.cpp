// The finance calculations at ordinary and extreme field values. The goal is
// under 100 microseconds for any value the fields accept; the step-by-step
// searches run beside the fast ones where they finish at all.
#include <cstdint>
#include <limits>

#include <benchmark/benchmark.h>

#include "finance/amortisation.h"
#include "finance/daily_balance.h"
#include "finance/inflation.h"
#include "finance/loan_buster.h"
#include "finance/loan_comparison.h"
#include "finance/loan_solver.h"
#include "finance/loan_solver_reference.h"
#include "shell/day_number.h"

namespace revtal {
namespace {

constexpr std::uint64_t kNoBudget = std::numeric_limits<std::uint64_t>::max();

struct PeriodInput {
    double principal, rate, repayment;
};

// The repayment as the search receives it: the entered one less a cent.
const PeriodInput kPeriodInputs[] = {
    {100000, 10, 965.01},                                        // 0: 240 months
    {100000, 10, 839.10},                                        // 1: 600 months, probe of month 601
    {kMaxLoanPrincipal, kMaxLoanRate, kMaxLoanRepayment - 0.01}, // 2: all at the maximum, 11.8 million cents
    {kMaxLoanPrincipal, 0.001, 9523809.52},                      // 3: 10 months, 47.6 million cents
    {kMaxLoanPrincipal, 0.001, 0.01},                            // 4: never repaid
};

void periodSearchFast(benchmark::State& state)
{
    const PeriodInput& in = kPeriodInputs[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(searchLoanPeriod(in.principal, in.rate, in.repayment));
    }
}
BENCHMARK(periodSearchFast)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void periodSearchLiteral(benchmark::State& state)
{
    const PeriodInput& in = kPeriodInputs[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(referenceSearchLoanPeriod(in.principal, in.rate, in.repayment, kNoBudget));
    }
}
BENCHMARK(periodSearchLiteral)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

struct RateInput {
    double principal, period, repayment;
};

const RateInput kRateInputs[] = {
    {100000, 240, 965.02},                                  // 0: 10 %
    {100000, 240, 10000},                                   // 1: 120 %, beyond the field
    {kMaxLoanPrincipal, kMaxLoanPeriod, kMaxLoanRepayment}, // 2: all at the maximum
    {1, 1, 1000},                                           // 3: 1.2 million %: 240 000 steps of 5
    {0.01, 1, kMaxLoanRepayment},                           // 4: 1.2 * 10^12 %: 240 billion steps of 5
};

void rateSearchFast(benchmark::State& state)
{
    const RateInput& in = kRateInputs[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(searchLoanRate(in.principal, in.period, in.repayment));
    }
}
BENCHMARK(rateSearchFast)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void rateSearchLiteral(benchmark::State& state)
{
    const RateInput& in = kRateInputs[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(referenceSearchLoanRate(in.principal, in.period, in.repayment, kNoBudget));
    }
}
// Case 4 would take hours step by step.
BENCHMARK(rateSearchLiteral)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void calculateLoanAllModes(benchmark::State& state)
{
    const LoanValues values{kMaxLoanPrincipal, kMaxLoanPeriod, kMaxLoanRate, kMaxLoanRepayment};
    for (auto _ : state) {
        for (LoanCalcMode mode : {LoanCalcMode::MonthlyRepayment, LoanCalcMode::PrincipalAmount,
                                  LoanCalcMode::RepaymentPeriod, LoanCalcMode::InterestRate}) {
            benchmark::DoNotOptimize(calculateLoan(mode, values));
        }
    }
}
BENCHMARK(calculateLoanAllModes)->Unit(benchmark::kMicrosecond);

void monthlySchedule600(benchmark::State& state)
{
    const LoanValues loan{kMaxLoanPrincipal, 600, kMaxLoanRate, kMaxLoanRepayment};
    for (auto _ : state) {
        benchmark::DoNotOptimize(monthlySchedule(loan));
    }
}
BENCHMARK(monthlySchedule600)->Unit(benchmark::kMicrosecond);

void annualSchedule600(benchmark::State& state)
{
    const LoanValues loan{kMaxLoanPrincipal, 599, kMaxLoanRate, kMaxLoanRepayment};
    for (auto _ : state) {
        benchmark::DoNotOptimize(annualSchedule(loan, AnnualScheduleUse::Report));
    }
}
BENCHMARK(annualSchedule600)->Unit(benchmark::kMicrosecond);

const LoanBusterInput kBusterInputs[] = {
    {100000, 240, 10, 500},                      // 0: the worked example
    {kMaxLoanPrincipal, 600, 50, 41000000},      // 1: the largest figures, an extra of ten repayments
    {kMaxLoanPrincipal, 600, 0.001f, 1666666.0}, // 2: a long cent raise
};

void loanBuster(benchmark::State& state)
{
    const LoanBusterInput& in = kBusterInputs[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculateLoanBuster(in));
    }
}
BENCHMARK(loanBuster)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void loanComparison(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(compareLoanTerms(kMaxLoanPrincipal, 50));
    }
}
BENCHMARK(loanComparison)->Unit(benchmark::kMicrosecond);

void inflation40Years(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(projectInflation({2147483647, 40, 40}));
    }
}
BENCHMARK(inflation40Years)->Unit(benchmark::kMicrosecond);

void dailyBalance(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            calculateDailyBalance({10000, 10, kTaxYearStart, kTaxYearEnd}, kTaxYearStart, kTaxYearEnd));
    }
}
BENCHMARK(dailyBalance)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace revtal
