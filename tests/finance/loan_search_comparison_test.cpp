// The fast loan searches against the step-by-step references, to the bit:
// on a table of cases and on generated ones. A generated case whose literal
// search would take too many steps to run here is checked for the properties
// of the answer instead.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "finance/loan_solver.h"
#include "finance/loan_solver_reference.h"

namespace revtal {
namespace {

// Literal steps worth running: a known case may take a third of a second, a
// generated one a few milliseconds.
constexpr double kTableSteps = 15e6;
constexpr double kGeneratedSteps = 200e3;
constexpr int kGeneratedCases = 10000;

std::uint64_t bits(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

// REVTAL_FINANCE_SEED replays or widens the generated cases with another seed.
std::uint32_t seedOr(std::uint32_t fixed)
{
    const char* text = std::getenv("REVTAL_FINANCE_SEED");
    return text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : fixed;
}

double toCents(double value)
{
    return std::round(value * 100) / 100;
}

double logUniform(std::mt19937& random, double low, double high)
{
    return std::exp(std::uniform_real_distribution<double>(std::log(low), std::log(high))(random));
}

template <typename T> T pickOne(std::mt19937& random, const std::vector<T>& values)
{
    return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
}

struct PeriodCase {
    double principal, rate, repayment; // as the search receives them
};

enum class Compared { Literally, ByProperties };

// Compares with the literal search when it ends within `maxSteps` cent steps
// (the fast answer says how many it needs); otherwise checks that the answer
// is the longest period and the first cent that repays.
Compared checkPeriod(const PeriodCase& c, double maxSteps)
{
    const PeriodSearchResult fast = searchLoanPeriod(c.principal, c.rate, c.repayment);
    EXPECT_TRUE(std::isfinite(fast.repayment));
    EXPECT_GE(fast.period, 0);
    EXPECT_LE(fast.period, kMaxLoanPeriod);
    const double centSteps = (fast.repayment - c.repayment) / 0.01;
    if (!(centSteps <= maxSteps)) {
        EXPECT_GT(fast.period, 0);
        EXPECT_GE(loanPrincipal(fast.period, c.rate, fast.repayment), c.principal);
        EXPECT_LT(loanPrincipal(fast.period, c.rate, fast.repayment - 0.011), c.principal);
        EXPECT_GT(loanPrincipal(fast.period + 1, c.rate, c.repayment), c.principal);
        return Compared::ByProperties;
    }
    const auto budget = static_cast<std::uint64_t>(std::max(0.0, centSteps) * 1.01 + 100);
    const auto literal = referenceSearchLoanPeriod(c.principal, c.rate, c.repayment, budget);
    EXPECT_TRUE(literal.has_value()) << "the literal search needs more cent steps than the fast answer implies";
    if (literal) {
        EXPECT_EQ(fast.period, literal->period);
        EXPECT_EQ(bits(fast.repayment), bits(literal->repayment))
            << std::hexfloat << fast.repayment << " vs " << literal->repayment;
    }
    return Compared::Literally;
}

struct RateCase {
    double principal, period, repayment;
};

Compared checkRate(const RateCase& c, double maxSteps)
{
    const double fast = searchLoanRate(c.principal, c.period, c.repayment);
    EXPECT_TRUE(std::isfinite(fast));
    EXPECT_GE(fast, 0);
    const double fiveSteps = fast / 5;
    if (!(fiveSteps <= maxSteps)) {
        EXPECT_LE(loanRepayment(c.principal, c.period, fast), c.repayment);
        EXPECT_GT(loanRepayment(c.principal, c.period, fast + 0.011), c.repayment);
        return Compared::ByProperties;
    }
    const auto budget = static_cast<std::uint64_t>(fiveSteps * 1.01 + 100);
    const auto literal = referenceSearchLoanRate(c.principal, c.period, c.repayment, budget);
    EXPECT_TRUE(literal.has_value()) << "the literal search needs more steps than the fast answer implies";
    if (literal) {
        EXPECT_EQ(bits(fast), bits(*literal)) << std::hexfloat << fast << " vs " << *literal;
    }
    return Compared::Literally;
}

TEST(FastPeriodSearch, agrees_with_the_literal_search_on_known_cases)
{
    const PeriodCase cases[] = {
        {100000, 10, 839.10}, // 600 months, raised to 839.11
        {100000, 10, 839.06}, // overshoots in 601 months: 600
        {100000, 10, 839.05}, // short even in 601 months: refused
        {100000, 10, 839.11}, // 599 months, raised
        {100000, 10, 965.01}, // 240 months again
        {100000, 10, 965.011645},
        {100000, 10, 833.33}, // the bare interest: never repaid
        {100000, 10, 499.99}, // short of the interest
        {1000, 12, 2000},     // one month
        {1000, 12, 1010},
        {1000, 12, 505},                                             // two months, a long cent raise
        {kMaxLoanPrincipal, kMaxLoanRate, kMaxLoanRepayment - 0.01}, // all at the maximum: 11.8 million cent steps
        {kMaxLoanPrincipal, kMaxLoanRate, kMaxLoanRepayment},
        {kMaxLoanPrincipal, 0.001, kMaxLoanRepayment - 0.01},
        {kMaxLoanPrincipal, kMaxLoanRate, 4166666.67}, // about the first month's interest
        {0.01, 0.001, 0.01},
        {0.01, 50, 0.01},
        {0.02, 10, 0.01}, // the cent loop in the tiniest binades
        {0.03, 10, 0.01},
        {kMaxLoanPrincipal, 10, 0.01},
        {0, 0, 0},
        {250000, 11.5, 2666.0},
        {1e6, 0.001, 1666.67},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.principal << " at " << c.rate << " paying " << c.repayment);
        EXPECT_EQ(checkPeriod(c, kTableSteps), Compared::Literally);
    }
}

TEST(FastPeriodSearch, agrees_with_the_literal_search_on_generated_loans)
{
    const std::uint32_t seed = seedOr(6012020);
    std::mt19937 random(seed);
    const std::vector<double> principals{0, 0.01, kMaxLoanPrincipal};
    const std::vector<double> rates{0, 0.001, kMaxLoanRate};
    const std::vector<double> repayments{0, 0.01, kMaxLoanRepayment - 0.01, kMaxLoanRepayment};
    std::vector<PeriodCase> cases; // drawn after these
    // Every corner of the fields first: all zero, all at the maximum and the rest.
    for (double p : principals) {
        for (double r : rates) {
            for (double a : repayments) {
                cases.push_back({p, r, a});
            }
        }
    }
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<int> rateThousandths(1, 50000);
    std::uniform_int_distribution<int> months(1, 620);
    std::uniform_int_distribution<int> centsOff(-3, 3);
    const auto draw = [&] {
        PeriodCase c;
        c.principal = unit(random) < 0.05 ? pickOne(random, principals) : toCents(logUniform(random, 0.01, 1e8));
        c.principal = std::min(c.principal, kMaxLoanPrincipal);
        c.rate = unit(random) < 0.05 ? pickOne(random, rates) : rateThousandths(random) / 1000.0;
        // As entered on the screen: whole cents, mostly near the instalment of
        // some period, the search then taking a cent off.
        double entered = 0;
        const double shape = unit(random);
        if (shape < 0.6) {
            entered =
                std::ceil(loanRepayment(c.principal, months(random), c.rate) * 100) / 100 + centsOff(random) / 100.0;
        } else if (shape < 0.9) {
            entered = logUniform(random, 0.01, kMaxLoanRepayment);
        } else {
            entered = pickOne(random, repayments);
        }
        entered = std::clamp(toCents(entered), 0.0, kMaxLoanRepayment);
        c.repayment = entered >= 0.01 ? entered - 0.01 : 0;
        return c;
    };
    // At least kGeneratedCases compared with the literal search; the few it
    // cannot finish here are checked by their properties on top.
    int literally = 0;
    std::size_t drawn = 0;
    for (std::size_t n = 0; literally < kGeneratedCases; ++n) {
        ASSERT_LT(n, 2u * kGeneratedCases) << "too few cases the literal search can finish";
        const PeriodCase c = n < cases.size() ? cases[n] : draw();
        SCOPED_TRACE(testing::Message() << "seed " << seed << " case " << n << ": searchLoanPeriod(" << std::hexfloat
                                        << c.principal << ", " << c.rate << ", " << c.repayment << ")");
        literally += checkPeriod(c, kGeneratedSteps) == Compared::Literally;
        if (HasFailure()) {
            return;
        }
        drawn = n + 1;
    }
    RecordProperty("compared_literally", literally);
    RecordProperty("checked_by_properties", static_cast<int>(drawn) - literally);
}

TEST(FastRateSearch, agrees_with_the_literal_search_on_known_cases)
{
    const RateCase cases[] = {
        {100000, 240, 965.02},
        {100000, 240, 965.03},
        {100000, 240, 416.66}, // below P / N
        {100000, 240, 416.67},
        {100000, 240, 10000}, // above 50 %
        {kMaxLoanPrincipal, kMaxLoanPeriod, kMaxLoanRepayment},
        {kMaxLoanPrincipal, 1, kMaxLoanRepayment},
        {kMaxLoanPrincipal, 600, 0.01},
        {0.01, 600, 0.01},
        {1, 1, 1000}, // 1.2 million percent: 240 000 steps of 5
        {0, 0, 0},
        {5000, 12, 0.01},
        {1000, 1, 1010}, // exactly 12 % on the grid, or just below it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.principal << " over " << c.period << " paying " << c.repayment);
        EXPECT_EQ(checkRate(c, kTableSteps), Compared::Literally);
    }
}

TEST(FastRateSearch, agrees_with_the_literal_search_on_generated_loans)
{
    const std::uint32_t seed = seedOr(44256);
    std::mt19937 random(seed);
    const std::vector<double> principals{0, 0.01, kMaxLoanPrincipal};
    const std::vector<double> periods{0, 1, kMaxLoanPeriod};
    const std::vector<double> repayments{0, 0.01, kMaxLoanRepayment};
    std::vector<RateCase> cases;
    for (double p : principals) {
        for (double n : periods) {
            for (double a : repayments) {
                cases.push_back({p, n, a});
            }
        }
    }
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<int> months(1, kMaxLoanPeriod);
    std::uniform_int_distribution<int> rateHundredths(1, 8000);
    const auto draw = [&] {
        RateCase c;
        c.principal = unit(random) < 0.05 ? pickOne(random, principals) : toCents(logUniform(random, 0.01, 1e8));
        c.principal = std::min(c.principal, kMaxLoanPrincipal);
        c.period = unit(random) < 0.05 ? pickOne(random, periods) : months(random);
        const double shape = unit(random);
        if (shape < 0.7) {
            // The repayment of a rate near the grid, as a screen would have found it.
            c.repayment = toCents(loanRepayment(c.principal, c.period, rateHundredths(random) / 100.0));
        } else if (shape < 0.95) {
            c.repayment = toCents(logUniform(random, 0.01, kMaxLoanRepayment));
        } else {
            c.repayment = pickOne(random, repayments);
        }
        c.repayment = std::clamp(c.repayment, 0.0, kMaxLoanRepayment);
        return c;
    };
    int literally = 0;
    std::size_t drawn = 0;
    for (std::size_t n = 0; literally < kGeneratedCases; ++n) {
        ASSERT_LT(n, 2u * kGeneratedCases) << "too few cases the literal search can finish";
        const RateCase c = n < cases.size() ? cases[n] : draw();
        SCOPED_TRACE(testing::Message() << "seed " << seed << " case " << n << ": searchLoanRate(" << std::hexfloat
                                        << c.principal << ", " << c.period << ", " << c.repayment << ")");
        literally += checkRate(c, kGeneratedSteps) == Compared::Literally;
        if (HasFailure()) {
            return;
        }
        drawn = n + 1;
    }
    RecordProperty("compared_literally", literally);
    RecordProperty("checked_by_properties", static_cast<int>(drawn) - literally);
}

} // namespace
} // namespace revtal
