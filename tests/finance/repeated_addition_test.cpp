#include "finance/repeated_addition.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include <gtest/gtest.h>

namespace revtal {
namespace {

AdditionRun literalWhileBelow(double a, double step, double limit)
{
    AdditionRun run{a, 0};
    if (!(a < limit)) {
        return run;
    }
    while (run.value + step < limit) {
        run.value += step;
        ++run.steps;
    }
    return run;
}

// Bit equality, not closeness: the loan searches must agree with the cent loop
// to the last bit.
void expectSameBits(double fast, double literal)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(fast), std::bit_cast<std::uint64_t>(literal))
        << std::hexfloat << fast << " vs " << literal;
}

TEST(AddWhileBelow, stops_one_addition_short_of_the_limit_like_the_loop)
{
    const struct {
        double start;
        double step;
        double limit;
    } cases[] = {
        {0.01, 0.01, 0.05},
        {839.10, 0.01, 839.11},
        {1000, 0.01, 1000},
        {1001, 0.01, 1000},
        {0.02, 0.01, 1024.003},
        {100, 0.01, 123456.78},
        {9999999.98, 0.01, 10118213.9},
        {63.99, 0.01, 64.0000001},
        {1e8, 0.01, 1.0001e8},
        {0.01, 0.01, 262144.5}, // 26 million steps through 25 binades, the tie binade among them
        {0.015625, 0.01, 0.03125},
        {0.1, 0.1, 70000.05},
        {3.0, 5.0, 1e7},
        {1e-5, 0.003, 4096.1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " below " << c.limit);
        const AdditionRun fast = addWhileBelow(c.start, c.step, c.limit);
        const AdditionRun literal = literalWhileBelow(c.start, c.step, c.limit);
        expectSameBits(fast.value, literal.value);
        EXPECT_EQ(fast.steps, literal.steps);
    }
}

TEST(AddWhileBelow, stops_where_a_step_no_longer_changes_the_value)
{
    const AdditionRun run = addWhileBelow(1e17, 0.01, 2e17);
    EXPECT_EQ(run.value, 1e17);
    EXPECT_EQ(run.steps, 0u);
}

TEST(AddWhileBelow, matches_the_loop_on_generated_limits)
{
    const std::uint32_t seed = 44255;
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> logStart(std::log(1e-3), std::log(1.2e8));
    std::uniform_real_distribution<double> stepsToLimit(-2, 10000);
    const double steps[] = {0.01, 0.01, 0.01, 0.1, 1.0, 0.05, 0.003};
    std::uniform_int_distribution<int> pick(0, 6);
    for (int n = 0; n < 10000; ++n) {
        const double start = std::exp(logStart(random));
        const double step = steps[pick(random)];
        const double limit = start + stepsToLimit(random) * step;
        SCOPED_TRACE(testing::Message() << "seed " << seed << " case " << n << ": " << std::hexfloat << start << " + "
                                        << step << " below " << limit);
        const AdditionRun fast = addWhileBelow(start, step, limit);
        const AdditionRun literal = literalWhileBelow(start, step, limit);
        expectSameBits(fast.value, literal.value);
        EXPECT_EQ(fast.steps, literal.steps);
        if (HasFailure()) {
            return;
        }
    }
}

} // namespace
} // namespace revtal
