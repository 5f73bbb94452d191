#pragma once
// The loan searches done step by step: one month, one cent, one rate step at
// a time, the 600-month limit applied to the answer (month 601 is probed).
// Too slow for the screens on some inputs; the tests and benchmarks hold the
// fast searches of loan_solver.h against them.
#include <cstdint>
#include <optional>

#include "finance/loan_solver.h"

namespace revtal {

// Gives up (nullopt) once more than `maxSteps` cent or rate steps were needed.
std::optional<PeriodSearchResult> referenceSearchLoanPeriod(double principal, double rate, double repayment,
                                                            std::uint64_t maxSteps);
std::optional<double> referenceSearchLoanRate(double principal, double period, double repayment,
                                              std::uint64_t maxSteps);

} // namespace revtal
